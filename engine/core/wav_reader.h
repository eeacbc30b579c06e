// Reads RIFF WAVE PCM (8 or 16 bit, mono or stereo, any rate) into the engine's 16-bit PCM.
#pragma once

#include <optional>
#include <string>

#include "engine/engine_sound.h"

namespace engine {

// Nothing when the bytes are no readable PCM wave. A truncated data chunk yields the frames it holds.
std::optional<PcmData> DecodeWav(const std::string& bytes);

}  // namespace engine
