// Everything the game sees of the engine.
#pragma once

#include "engine/engine_bitmap.h"
#include "engine/engine_error.h"
#include "engine/engine_event.h"
#include "engine/engine_math.h"
#include "engine/engine_ref.h"
#include "engine/engine_root.h"
#include "engine/engine_scene.h"
#include "engine/engine_sound.h"
#include "engine/engine_text.h"
