// Decodes image files by content (PNG, JPEG, BMP, TGA), whatever their extension says.
#pragma once

#include <string>

#include "engine/engine_bitmap.h"

namespace engine {

// An empty reference when the bytes are not a readable image (or decode to a zero or absurd size).
EngineRef<EngineBitmap> DecodeImage(const std::string& bytes);
// The stand-in for a missing or unreadable image: a magenta/black checker that counts as loaded.
EngineRef<EngineBitmap> MakePlaceholderBitmap();

}  // namespace engine
