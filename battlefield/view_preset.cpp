#include "battlefield/view_preset.h"

#include <cmath>

#include "battlefield/level_objects.h"
#include "shell/engine_setup.h"
#include "shell/mission_progress.h"
#include "shell/mission_table.h"
#include "shell/program_state.h"
#include "shell/sound_table.h"

namespace kestrine {

namespace {

ViewPresetState viewPresetState;
KESTRINE_PROGRAM_STATE(viewPresetState);

}  // namespace

const ViewPresetState& ViewPreset() { return viewPresetState; }

void SetViewPreset(int32_t preset) { viewPresetState.viewPreset = preset; }

const ViewPresetValues viewPresets[kViewPresetCount] = {
    {90.0f, 160.0f, 560, 5, 8, 28, 50, 40},
    {75.0f, 70.0f, 470, 25, 46, 58, 10, 10},
    {90.0f, 115.0f, 515, 6, 28, 48, 40, 30},
};

namespace {

constexpr int32_t kOwnHeightsMission = 5;

const ViewPresetValues& PresetValues(int32_t preset) {
  return viewPresets[preset >= 0 && preset < kViewPresetCount ? preset : 1];
}

}  // namespace

int32_t PresetCameraHeight(int32_t preset, int32_t mission) {
  const ViewPresetValues& values = PresetValues(preset);
  if (mission == kOwnHeightsMission) return values.mission5Height;
  // Each step rounded to single precision, as the factor is.
  const float raised = values.heightPerFactor * MissionRow(mission).factor;
  const float height = raised + 400.0f;
  return static_cast<int32_t>(std::trunc(height));
}

void ApplyViewPreset() {
  const ViewPresetValues& values = PresetValues(viewPresetState.viewPreset);
  if (Engine().engineCamera) {
    Engine().engineCamera->ResetOrientation();
    Engine().engineCamera->SetRotation(1, 0, 0, values.pitch);
  }
  viewPresetState.cameraHeight = PresetCameraHeight(viewPresetState.viewPreset, Campaign().missionNumber);
  viewPresetState.cameraZOffset = values.cameraZOffset;
  viewPresetState.panLimitX = values.panLimitX;
  viewPresetState.panLimitZ = values.panLimitZ;
  SetOverheadOffsets(values.effectsAttenuation, values.musicAttenuation);
  UpdateMusicVolume();
  for (int32_t i = 0; i < LevelObjectTable().objectCount && i < kLevelObjectCapacity; ++i) ShowLevelObject(i, true);
}

void CycleViewPreset() {
  viewPresetState.viewPreset = (viewPresetState.viewPreset + 1) % kViewPresetCount;
  if (viewPresetState.viewPreset < 0) viewPresetState.viewPreset = 0;
  ApplyViewPreset();
}

}  // namespace kestrine
