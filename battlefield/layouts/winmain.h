// The program's entry header, under the name the placement tool's layout files include.
#pragma once

#include "shell/winmain.h"
