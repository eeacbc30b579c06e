// Moans and laboured breathing: wordless sounds of a wounded man, synthesised rather than spoken. A voiced
// buzz through the resonances of an open "ah" closing to "oh", with a shiver of pain and breath under it;
// the unconscious only breathe, slow and rasping.
#pragma once

#include <cstdint>

#include "tools/assetgen/synth.h"

namespace assetgen {

enum class MoanKind { Major, Medium, Lite, Unconscious };

struct MoanVoice {
  double pitch;         // Hz of his voice at rest
  double formantScale;  // a smaller throat above 1
};

// One take of a moan; takes of one kind differ by seed.
synth::Buffer Moan(MoanKind kind, const MoanVoice& voice, uint32_t seed);

}  // namespace assetgen
