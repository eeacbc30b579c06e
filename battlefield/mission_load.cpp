#include "battlefield/mission_load.h"

#include <algorithm>

#include "battlefield/battle_state.h"
#include "battlefield/camera_shake.h"
#include "battlefield/ground_level.h"
#include "battlefield/height_map.h"
#include "battlefield/level_layouts.h"
#include "battlefield/level_objects.h"
#include "battlefield/line_of_sight.h"
#include "battlefield/medic_drag.h"
#include "battlefield/mission_state.h"
#include "battlefield/mission_units.h"
#include "battlefield/overhead_leave.h"
#include "battlefield/patient_locations.h"
#include "battlefield/spawn_points.h"
#include "battlefield/strategy_markers.h"
#include "battlefield/strategy_table.h"
#include "battlefield/terrain_images.h"
#include "battlefield/unit_array.h"
#include "battlefield/view_preset.h"
#include "casualty/backpack.h"
#include "shell/asset_loader.h"
#include "shell/developer_keys.h"
#include "shell/engine_setup.h"
#include "shell/mission_frames.h"
#include "shell/mission_progress.h"
#include "shell/mission_table.h"
#include "shell/screen_text.h"
#include "shell/sound_table.h"
#include "shell/wide_text.h"

namespace kestrine {

namespace {

constexpr int kTerrainVertices = 20;
constexpr float kTerrainCell = 9.5f;
constexpr float kTerrainCorner = 90.25f;
constexpr float kTerrainLow = -25.0f;
constexpr float kTerrainHigh = 15.0f;
constexpr float kTerrainY = 400.0f;
// The level objects sit in collision group 4, which the walking grid's links and the shots look at.
constexpr int kLevelObjectGroup = 4;
constexpr int kOverheadStripWidth = 640;
constexpr int kOverheadStripHeight = 125;
// Where enemies respawn when a mission names too few spawn points.
constexpr int32_t kExtractionWarnPerCasualty = 40000;

std::wstring FolderFile(const std::string& folder, const char* file) {
  return WidenText("missions\\" + folder + "\\" + file);
}

engine::EngineRef<engine::EngineBitmap> LoadWaited(const std::wstring& path, int mode) {
  engine::EngineRef<engine::EngineBitmap> image = Engine().engineRoot->LoadBitmap(path, mode);
  while (!WaitForAsset(image)) {
  }
  return image;
}

// The ground's picture and heights; the ground level just under the lowest vertex.
void BuildTerrain(const std::string& folder) {
  KeepWrapImage(LoadWaited(FolderFile(folder, "wrap.qjp"), 1));
  missionState.terrainMesh->SetFaceBitmap(L"front", TerrainImages().wrapImage, 0);
  missionState.terrainMesh->SetOptionPair(kTerrainLow, kTerrainHigh);

  const HeightMap heights = ReadHeightMap(folder);
  for (size_t i = 0; i < heights.count; ++i)
    missionState.terrainMesh->SetVertexHeight(static_cast<int>(i % kTerrainSide), static_cast<int>(i / kTerrainSide),
                                              heights.heights[i], 0);
  missionState.terrainMesh->SetOptionFlag(1);
  Engine().engineRoot->Render();
  // Vertices a short or empty file does not reach stay at the bottom of the range, and the ground level
  // follows them, so units are never held above the ground they stand on.
  SetGroundLevel(GroundLevelOf(heights.Lowest()));

  KeepCraterImage(LoadWaited(FolderFile(folder, "crater.qjp"), 1));
  TerrainImages().craterImage->SetColorKey(255, 0, 0);
}

// The standard weapons of every mission.
void ArmThePack() {
  SetToolCount(TOOL_M4, kStandardRifleRounds);
  SetToolCount(TOOL_BERETTA, kStandardPistolRounds);
  SetToolCount(TOOL_GRENADE, kStandardGrenades);
  SetToolCount(TOOL_ACTION, 1);
}

int32_t ExtractionWarnTime() {
  int32_t waiting = 0;
  for (int32_t i = Units().firstPatientUnit; i < Units().unitCount && i < kUnitSlotCount; ++i)
    if (Units().units[i] && Units().units[i]->state > 0) ++waiting;
  return kExtractionWarnPerCasualty * waiting;
}

}  // namespace

void SetupMissionScene(int32_t mission) {
  DestroyLevelObjects();
  CreateLevelLayout(mission);
  for (int32_t i = 0; i < LevelObjectTable().objectCount && i < kLevelObjectCapacity; ++i) {
    if (!LevelObjectTable().ohObjects[i].model) continue;
    LevelObjectTable().ohObjects[i].group->SetCollisionMask(kLevelObjectGroup, 0);
    ShowLevelObject(i, false);
  }
}

void LoadOverheadImage(int32_t mission) {
  SetupMissionScene(mission);
  if (missionState.overheadImage) return;
  missionState.overheadImage = Engine().engineRoot->LoadBitmap(L"images\\overhead.qpg", 0);
  missionState.overheadImage->SetColorKey(255, 0, 0);
}

void BuildMissionWorld(const std::string& folder, int32_t mission, int32_t difficulty) {
  SetGroundLevel(999.0f);
  missionState.propIndex = -1;
  missionState.teamLeader = 0;  // a new mission's leader is found afresh
  SetEarlyFinishTime(0);
  ClearExtractionChoice();

  BuildTerrain(folder);

  SetUnitCount(1);
  ClearStrategy();
  int32_t created = 0;
  if (LoadStrategy()) {
    CreateStrategyUnits();
    created = CreateStrategyCasualties();
  } else {
    // Casualties placed from the map are awake from the start: none is held back, none counted here.
    SpawnFromMap(folder);
  }

  missionState.casualtyCount = created;
  missionState.activeCasualtyLimit = ActiveCasualtyLimit(difficulty, created, mission);
  ArmThePack();
  SetViewPreset(1);
  PadSpawnPoints();
  missionState.extractionWarnTime = ExtractionWarnTime();
}

void LoadMission(int32_t mission, int32_t difficulty) {
  if (missionState.missionLoaded) UnloadMission();
  LeaveDebugMode();
  ResetBattle();
  LoadAllAssets();

  missionState.terrainMesh = Engine().engineRoot->CreateGrid(kTerrainVertices, kTerrainVertices, kTerrainCell,
                                                             kTerrainCell, -kTerrainCorner, kTerrainCorner, 1);
  missionState.terrainMesh->SetName(L"terrain");
  missionState.terrainObject = Engine().engineRoot->CreateObject();
  missionState.terrainObject->AttachShape(missionState.terrainMesh);
  missionState.terrainObject->SetOptionValue(engine::EngineNode::kOptionGround);

  LoadOverheadImage(mission);
  BuildMissionWorld(MissionFolder(mission), mission, difficulty);

  missionState.terrainObject->SetVisible(0);
  missionState.terrainObject->SetOptionValue(engine::EngineNode::kOptionGround);
  missionState.terrainObject->MoveTo(0, kTerrainY, 0);

  missionState.smallMapImage = LoadWaited(FolderFile(MissionFolder(mission), "smallMap.qjp"), 1);
  if (ScreenText().textOverlay)
    ScreenText().textOverlay->DrawBitmap(missionState.overheadImage, 0, 0, 0, kOverheadStripWidth, kOverheadStripHeight,
                                         0, Engine().screenHeight * 330 / 455, Engine().screenWidth, kOverheadStripHeight);
  missionState.missionLoaded = true;
}

void UnloadMission() {
  if (!missionState.missionLoaded) return;
  LeaveOverhead();
  ReleaseShakeView();
  ReleaseNoFitSound();
  ResetBattle();
  DeleteAllUnits();
  ClearStrategyMarkers();

  if (missionState.terrainObject) Engine().engineStage->RemoveObject(missionState.terrainObject);
  missionState.terrainMesh.Reset();
  missionState.terrainObject.Reset();
  if (missionState.propIndex >= 0 && missionState.propIndex < kLevelObjectCapacity &&
      LevelObjectTable().ohObjects[missionState.propIndex].group)
    Engine().engineStage->RemoveObject(LevelObjectTable().ohObjects[missionState.propIndex].group);
  DestroyLevelObjects();
  missionState.propIndex = -1;
  missionState.smallMapImage.Reset();
  ReleaseSightProbe();
  ReleaseTerrainImages();

  missionState.gridReady = false;
  ForgetPatientLocations();
  StopDrag();
  missionState.missionLoaded = false;
}

}  // namespace kestrine
