// A rough speech-like voice for generated radio traffic: each word becomes voiced syllables (a buzz through
// vowel formants) and consonant hiss, with a falling pitch, all through a handset's narrow band. It is not
// intelligible speech; it has the rhythm and colour of a voice on the radio.
#pragma once

#include <cstdint>
#include <string>

#include "tools/assetgen/synth.h"

namespace assetgen {

struct VoiceStyle {
  double pitch = 120.0;   // Hz at the start of a phrase
  double rate = 1.0;      // syllables faster above 1
  float statics = 0.08f;  // radio hiss level
  uint32_t seed = 1;
};

// The phrase spoken over the radio, with a squelch at both ends.
synth::Buffer RadioVoice(const std::string& phrase, const VoiceStyle& style);
// The radio's own squelch burst and roger beep.
synth::Buffer RadioSquelch(uint32_t seed);

}  // namespace assetgen
