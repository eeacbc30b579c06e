#include "battlefield/overhead_entry.h"

#include "battlefield/level_objects.h"
#include "battlefield/mission_state.h"
#include "battlefield/nav_grid_build.h"
#include "battlefield/unit_array.h"
#include "shell/engine_setup.h"
#include "shell/mission_frames.h"
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
                                         0, Engine().screenHeight - kOverheadStripHeight, Engine().screenWidth, kOverheadStripHeight);
}

void ShowUnits() {
  for (int32_t i = 0; i < Units().unitCount && i < kUnitSlotCount; ++i) {
    Unit* unit = Units().units[i].get();
    if (!unit || unit->down) continue;
    if (unit->body) unit->body->SetVisible(1);
    if (unit->marker) unit->marker->SetVisible(1);
  }
}

void ShowLevelObjects() {
  for (int32_t i = 0; i < LevelObjectTable().objectCount && i < kLevelObjectCapacity; ++i) {
    const OverheadObject& object = LevelObjectTable().ohObjects[i];
    if (!object.model) continue;
    ShowLevelObject(i, true);
    object.group->SetVisible(1);
    Engine().engineStage->AddObject(object.group);
  }
}

void SetLights(float sunX) {
  if (MissionTime().nightMission) {
    Engine().engineLights[0]->SetColor(50, 255, 50);
    Engine().engineLights[1]->SetColor(50, 255, 50);
  } else {
    Engine().engineLights[0]->SetColor(60, 52, 60);
    Engine().engineLights[1]->SetColor(190, 180, 170);
  }
  Engine().engineLights[1]->SetOrientation(sunX, -0.7f, -1.0f, 0, 1, 0);
}

}  // namespace

void WakeCasualties() {
  const int32_t last = Units().unitCount < kUnitSlotCount ? Units().unitCount : kUnitSlotCount;
  int32_t waiting = 0;
  for (int32_t i = Units().firstPatientUnit; i < last; ++i)
    if (Units().units[i] && Units().units[i]->state == kWaiting) ++waiting;
  for (int32_t i = Units().firstPatientUnit; i < last; ++i) {
    if (waiting >= missionState.casualtyCount || waiting >= missionState.activeCasualtyLimit) return;
    Unit* unit = Units().units[i].get();
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
  Engine().engineCamera->SetClipRange(kOverheadFarClip, 1);
  Engine().engineStage->AddObject(missionState.terrainObject);
  missionState.terrainObject->SetVisible(1);
  ShowUnits();
  WakeCasualties();
  ShowLevelObjects();

  if (missionState.gridReady) {
    SetLights(-1.0f);
    return;
  }
  // The first entry: the grid is probed in the dark.
  Engine().engineLights[0]->SetColor(0, 0, 0);
  Engine().engineLights[1]->SetColor(0, 0, 0);
  Engine().engineRoot->Render();
  ReadOrComputeNavGrid(Campaign().missionNumber);
  missionState.gridReady = true;
  SetLights(-0.5f);
}

}  // namespace kestrine
