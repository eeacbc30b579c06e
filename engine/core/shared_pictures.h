// Pictures decoded from files, remembered while some bitmap still shows them as decoded: loading the same file
// again (a texture every casualty wears, a pristine copy beside a working one) shares those pixels instead of
// holding them once more. A bitmap drawn on takes its own copy first, so sharing never shows in a picture.
#pragma once

#include <string>

#include "engine/engine_bitmap.h"

namespace engine {

// A bitmap sharing the pixels decoded earlier from these bytes of this file, or null when nobody shows them.
EngineRef<EngineBitmap> FindSharedPicture(const std::string& path, const std::string& bytes);
// Remembers the bitmap just decoded from these bytes of this file, to be shared by later loads.
void KeepSharedPicture(const std::string& path, const std::string& bytes, EngineBitmap& decoded);

}  // namespace engine
