// Spoken lines with real words: a text-to-speech synthesiser reads the game's own line in a chosen voice,
// and the time of each of its phonemes in the sound gives the mouth shapes of the line's lip-sync timeline.
// Used for every spoken file of the data tree.
//
// The synthesiser carries a little state from one line to the next (its voice source and filters), so a
// line's exact samples depend on the lines spoken before it in the same program: generators speak their
// lines in a fixed order, which keeps the data tree the same, byte for byte, on every run.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tools/assetgen/mouth_shapes.h"
#include "tools/assetgen/synth.h"

namespace assetgen {

struct SpeechVoice {
  const char* name;    // the synthesiser's language and voice variant, e.g. "en-us+m3"
  int pitch;           // base pitch, 0..100
  int pitchRange;      // how far the pitch moves, 0 (monotone) .. 100
  int wordsPerMinute;  // 80 .. 450
};

struct SpokenLine {
  synth::Buffer sound;               // mono, at synth::kRate
  std::vector<PhonemeAt> phonemes;   // as the synthesiser spoke them
  std::vector<MouthShapeAt> shapes;  // the mouth, from the phonemes
  int32_t lengthMs = 0;              // of the sound
};

// The text as the voice says it. Throws std::runtime_error when the synthesiser or the voice is missing.
SpokenLine SpeakLine(std::string_view text, const SpeechVoice& voice);

// The words a line is read with: unit abbreviations spelled out ("10 mg" -> "10 milligrams").
std::string ReadableText(std::string_view text);

}  // namespace assetgen
