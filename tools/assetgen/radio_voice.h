// Voices on the radio: a spoken line through a handset's narrow band, a little overdriven, with static under
// it and the squelch at its end.
#pragma once

#include <cstdint>
#include <string>

#include "tools/assetgen/speech_synth.h"
#include "tools/assetgen/synth.h"

namespace assetgen {

struct RadioStyle {
  SpeechVoice voice;
  float statics = 0.08f;  // hiss level
  uint32_t seed = 1;
};

// The phrase spoken over the radio, with a squelch at its end.
synth::Buffer RadioVoice(const std::string& phrase, const RadioStyle& style);
// The radio's own squelch burst and roger beep.
synth::Buffer RadioSquelch(uint32_t seed);

}  // namespace assetgen
