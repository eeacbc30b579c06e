// Spoken lines as game files: the sound (.qwv) and, for lines a face speaks, its lip-sync timeline (.phn).
#pragma once

#include <string>

#include "tools/assetgen/generators.h"
#include "tools/assetgen/speech_synth.h"

namespace assetgen {

// Speech is 8-bit mono at half the synthesiser's rate: thousands of short takes, and a voice needs no more.
constexpr int kSpeechFileRate = synth::kRate / 2;
std::string EncodeSpeechWav(const synth::Buffer& voice);

enum class LipSync { Without, With };

// Writes <gamePath>.qwv and, with lip-sync, <gamePath>.phn.
void WriteSpokenLine(DataTree& tree, const std::string& gamePath, const SpokenLine& line, LipSync lipSync);

}  // namespace assetgen
