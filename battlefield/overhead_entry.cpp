#include "battlefield/overhead_entry.h"

#include "battlefield/level_objects.h"
#include "battlefield/mission_state.h"
#include "battlefield/nav_grid_build.h"
#include "battlefield/unit_array.h"
#include "shell/globals.h"
#include "shell/mission_progress.h"
#include "shell/overlays.h"
#include "shell/screen_text.h"

namespace kestrine {

namespace {

constexpr int32_t kHeldBack = 5;
constexpr int32_t kWaiting = 1;
constexpr int32_t kReturnsHome = 2;  // the severity of a casualty who wakes at his own place
constexpr int kOverheadStripWidth = 640;
constexpr int kOverheadStripHeight = 125;
constexpr float kOverheadFarClip = 250.0f;

void ShowHeadUpStrip() {
  ClearScreenLayers();
  ScreenText().textOverlaySprite->SetVisible(1);
  Overlays().menuCanvasSprite->SetVisible(1);
  if (missionState.overheadImage)
    ScreenText().textOverlay->DrawBitmap(missionState.overheadImage, 0, 0, 0, kOverheadStripWidth, kOverheadStripHeight,
                                         0, screenHeight - kOverheadStripHeight, screenWidth, kOverheadStripHeight);
}

void ShowUnits() {
  for (int32_t i = 0; i < unitCount && i < kUnitSlotCount; ++i) {
    Unit* unit = units[i].get();
    if (!unit || unit->down) continue;
    if (unit->body) unit->body->SetVisible(1);
    if (unit->marker) unit->marker->SetVisible(1);
  }
}

void ShowLevelObjects() {
  for (int32_t i = 0; i < objectCount && i < kLevelObjectCapacity; ++i) {
    OverheadObject& object = ohObjects[i];
    if (!object.model) continue;
    object.Show(true);
    object.group->SetVisible(1);
    engineStage->AddObject(object.group);
  }
}

void SetLights(float sunX) {
  if (nightMission) {
    engineLights[0]->SetColor(50, 255, 50);
    engineLights[1]->SetColor(50, 255, 50);
  } else {
    engineLights[0]->SetColor(60, 52, 60);
    engineLights[1]->SetColor(190, 180, 170);
  }
  engineLights[1]->SetOrientation(sunX, -0.7f, -1.0f, 0, 1, 0);
}

}  // namespace

void WakeCasualties() {
  const int32_t last = unitCount < kUnitSlotCount ? unitCount : kUnitSlotCount;
  int32_t waiting = 0;
  for (int32_t i = firstPatientUnit; i < last; ++i)
    if (units[i] && units[i]->state == kWaiting) ++waiting;
  for (int32_t i = firstPatientUnit; i < last; ++i) {
    if (waiting >= missionState.casualtyCount || waiting >= missionState.activeCasualtyLimit) return;
    Unit* unit = units[i].get();
    if (!unit || unit->state != kHeldBack) continue;
    unit->state = kWaiting;
    if (unit->severity == kReturnsHome) unit->SetPosition(unit->home);
    ++waiting;
  }
}

void BuildNavGrid() {
  // The overhead view of no mission (nothing loaded) has nothing to show and no ground to probe.
  if (!missionState.missionLoaded) return;
  ShowHeadUpStrip();
  engineCamera->SetClipRange(kOverheadFarClip, 1);
  engineStage->AddObject(missionState.terrainObject);
  missionState.terrainObject->SetVisible(1);
  ShowUnits();
  WakeCasualties();
  ShowLevelObjects();

  if (missionState.gridReady) {
    SetLights(-1.0f);
    return;
  }
  // The first entry: the grid is probed in the dark.
  engineLights[0]->SetColor(0, 0, 0);
  engineLights[1]->SetColor(0, 0, 0);
  engineRoot->Render();
  ReadOrComputeNavGrid(Campaign().missionNumber);
  missionState.gridReady = true;
  SetLights(-0.5f);
}

}  // namespace kestrine
