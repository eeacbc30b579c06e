// Which of the three overhead camera views is in force: 0 straight down from high up, 1 tilted and close
// (trees are drawn as camera-facing billboards there), 2 straight down from half way. Every mission starts
// in view 1; the player steps through them in the overhead view.
#pragma once

#include <cstdint>

namespace kestrine {

struct ViewPresetState {
  int32_t viewPreset = 1;
};
extern ViewPresetState viewPresetState;
extern int32_t& viewPreset;

}  // namespace kestrine
