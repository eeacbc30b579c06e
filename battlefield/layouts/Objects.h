// What a layout file written by the placement tool needs, under the name it includes: the level objects,
// their count and their types, visible at file scope where the written layout functions live.
#pragma once

#include "battlefield/level_layouts.h"
#include "battlefield/level_objects.h"

using kestrine::objectCount;
using kestrine::ObjType;
using kestrine::ohObjects;
