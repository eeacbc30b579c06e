#include "battlefield/strategy_markers.h"

#include "battlefield/battle_state.h"
#include "battlefield/spawn_points.h"
#include "battlefield/strategy_editor.h"
#include "battlefield/strategy_table.h"
#include "shell/asset_loader.h"
#include "shell/engine_setup.h"
#include "shell/program_state.h"

namespace kestrine {

StrategyMarkerState strategyMarkerState;
KESTRINE_PROGRAM_STATE(strategyMarkerState);

namespace {

constexpr int kMaxOrders = 11;
constexpr int kMaxInjury = 6;
constexpr int kMaxPatrol = kStrategyEntryCount - 1;
constexpr float kSpawnLift = 3.0f;

// Slots of the marker images in the shared images.
enum MarkerImage { kImageStart = 0, kImageSpawn = 1, kImageStartVehicle = 2, kImageExtraction = 3, kImagePatrol = 4 };

struct Rgb {
  int r, g, b;
};
constexpr Rgb kEnemyRed{255, 10, 10};
constexpr Rgb kAllyGreen{0, 200, 0};
constexpr Rgb kCasualtyYellow{255, 255, 0};
constexpr Rgb kPlayerWhite{255, 255, 255};
constexpr Rgb kExtractionGreen{0, 255, 0};

// How each kind of entry is marked: the size of a new plane, the measures a reused one is given, the image
// and the colour (a side's colour where `bySide`).
struct MarkerLook {
  float size;
  float resize;
  int image;
  bool bySide;
  Rgb colour;
};

bool LookFor(const StrategyEntry& e, MarkerLook& look) {
  switch (e.type) {
    case STRATEGY_START:
    case STRATEGY_DEFEND:
      look = {4, 4, e.vehicle == 0 ? kImageStart : kImageStartVehicle, true, {}};
      return true;
    case STRATEGY_SPAWN:
      look = {8, 2, kImageSpawn, false, kEnemyRed};
      return true;
    case STRATEGY_EXTRACTION:
    case STRATEGY_2EXTRACT:
      look = {8, 8, kImageExtraction, false, kExtractionGreen};
      return true;
    case STRATEGY_PATROL:
      look = {4, 2, kImagePatrol, true, {}};
      return true;
    default:
      return false;
  }
}

// The side's colour, or false for the level-object kinds, which keep whatever colour the plane has.
bool SideColour(const StrategyEntry& e, Rgb& colour) {
  switch (e.side) {
    case ALLY:
      // A start entry that is a casualty's place shows yellow; a patrol point is never one.
      colour = e.type != STRATEGY_PATROL && e.injury == 1 ? kCasualtyYellow : kAllyGreen;
      return true;
    case ENEMY:
      colour = kEnemyRed;
      return true;
    case PLAYER:
      colour = kPlayerWhite;
      return true;
    default:
      return false;
  }
}

void BuildMarker(int32_t slot, const StrategyEntry& e, const MarkerLook& look) {
  engine::EngineRef<engine::EngineMesh>& plane = strategyMarkerState.strategyMarkerPlanes[slot];
  engine::EngineRef<engine::EngineObject>& marker = strategyMarkerState.strategyMarkers[slot];
  const bool editing = StrategyEditor().strategyEditMode == kStrategyEditing;

  if (editing && plane) {
    plane->Resize(look.resize, look.resize, look.resize);
  } else {
    plane = Engine().engineRoot->CreatePlane(look.size, look.size, 1, 0, 0, 1);
  }
  plane->SetFaceBitmap(L"front", Assets().markerImages[look.image], 0);
  Rgb colour = look.colour;
  if (!look.bySide || SideColour(e, colour)) plane->SetFaceColor(L"front", colour.r, colour.g, colour.b);

  if (!editing || !marker) {
    // The slot's old marker goes with it: left on the stage it could never be taken off again.
    if (marker) Engine().engineStage->RemoveObject(marker);
    marker = Engine().engineRoot->CreateObject();
    marker->AttachShape(plane);
    Engine().engineStage->AddObject(marker);
  }
  marker->PointAt(Engine().engineCamera, 1);
  marker->SetVisible(1);
  marker->SetPosition(e.pos.x, e.pos.y, e.pos.z);
}

void UpdatePoint(const StrategyEntry& e) {
  switch (e.type) {
    case STRATEGY_SPAWN:
      // The list is full at four; the marker is still shown.
      AddSpawnPoint(Vector3(e.pos.x, e.pos.y + kSpawnLift, e.pos.z));
      break;
    case STRATEGY_EXTRACTION:
      SetExtractionPoint(e.pos);
      break;
    case STRATEGY_2EXTRACT:
      SetEvacuationPoint(e.pos);
      break;
    default:
      break;
  }
}

}  // namespace

void ClearStrategyMarkers() {
  for (int i = 0; i < kStrategyEntryCount; ++i) {
    engine::EngineRef<engine::EngineObject>& marker = strategyMarkerState.strategyMarkers[i];
    if (marker && Engine().engineStage) Engine().engineStage->RemoveObject(marker);
    marker.Reset();
    strategyMarkerState.strategyMarkerPlanes[i].Reset();
  }
}

bool UpdateStrategyMarker(int32_t /*index*/) {
  const int32_t cursor = StrategyTable().strategyCursor;
  if (cursor < 0 || cursor >= kStrategyEntryCount) return false;
  StrategyEntry e = StrategyTable().strategy[cursor];
  if (e.orders < 0 || e.orders > kMaxOrders) e.orders = ORDERS_NONE;
  if (e.injury < 0 || e.injury > kMaxInjury) e.injury = 0;
  if (e.patrol < 0 || e.patrol > kMaxPatrol) e.patrol = 0;
  SetStrategyEntry(cursor, e);

  MarkerLook look{};
  if (!LookFor(e, look)) return false;
  if (Engine().engineRoot && Engine().engineStage) BuildMarker(cursor, e, look);
  UpdatePoint(e);
  return true;
}

void ShowStrategyMarkers() {
  if (!Engine().engineStage) return;
  for (const engine::EngineRef<engine::EngineObject>& marker : strategyMarkerState.strategyMarkers) {
    if (!marker) continue;
    Engine().engineStage->AddObject(marker);
    marker->SetVisible(1);
  }
}

void HideStrategyMarkers() {
  if (!Engine().engineStage) return;
  for (const engine::EngineRef<engine::EngineObject>& marker : strategyMarkerState.strategyMarkers) {
    if (!marker) continue;
    marker->SetVisible(0);
    Engine().engineStage->RemoveObject(marker);
  }
}

}  // namespace kestrine
