// Which of the three overhead camera views is in force: 0 straight down from high up, 1 tilted and close
// (trees are drawn as camera-facing billboards there), 2 straight down from half way. Every mission starts
// in view 1; the player steps through them in the overhead view. Each view sets the camera's pitch, the
// height, offset and pan limits the overhead camera follows the medic with, and how far the battle's
// sounds and the music are turned down under it.
#pragma once

#include <cstdint>

namespace kestrine {

constexpr int kViewPresetCount = 3;

struct ViewPresetValues {
  float pitch;             // degrees about x
  float heightPerFactor;   // camera height = trunc(heightPerFactor x mission factor + 400)
  int32_t mission5Height;  // mission 5 has a height of its own, whatever its factor
  int32_t cameraZOffset;
  int32_t panLimitX;
  int32_t panLimitZ;
  int32_t effectsAttenuation;  // taken off the effects volume in the overhead view
  int32_t musicAttenuation;    // taken off the music volume in the overhead view
};
extern const ViewPresetValues viewPresets[kViewPresetCount];

struct ViewPresetState {
  int32_t viewPreset = 1;
  // What the overhead camera follows the medic with under the current view.
  int32_t cameraHeight = 0;
  int32_t cameraZOffset = 0;
  int32_t panLimitX = 0;
  int32_t panLimitZ = 0;
};
// Written only in view_preset.cpp, through the operations below; everyone else reads this view.
const ViewPresetState& ViewPreset();

// The view to apply next (0..2); ApplyViewPreset applies it.
void SetViewPreset(int32_t preset);

// The camera height of a view in a mission: trunc(per-factor height x factor + 400), computed in single
// precision like the factor (0.7 gives 512 in view 0, where double precision would give 511); mission 5
// takes its own heights.
int32_t PresetCameraHeight(int32_t preset, int32_t mission);

// The current view applied: the camera's pitch, the follow values, the sound offsets (the music volume at
// once), and every level object shown with the view's detail.
void ApplyViewPreset();
// The next view (0, 1, 2, 0, ...), applied.
void CycleViewPreset();

}  // namespace kestrine
