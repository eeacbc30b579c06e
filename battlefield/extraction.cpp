#include "battlefield/extraction.h"

#include <memory>

#include "battlefield/battle_state.h"
#include "battlefield/mission_state.h"
#include "battlefield/strategy_table.h"
#include "battlefield/terrain_images.h"
#include "battlefield/unit_array.h"
#include "battlefield/vehicle.h"
#include "shell/asset_loader.h"
#include "shell/engine_setup.h"
#include "shell/mission_progress.h"
#include "shell/mission_table.h"
#include "shell/random.h"
#include "shell/sound_table.h"

namespace kestrine {

namespace {

constexpr int32_t kCandidateDraw = 3;
constexpr int kMarkerSource = 32;
constexpr int kMarkerSize = 76;
// The wrap shows -90..90 at 5.69 pixels a unit, the mini-map at 0.3556.
constexpr float kWrapScale = 5.69f;
constexpr float kSmallMapScale = 0.3556f;
constexpr float kMapOffset = 90.0f;
constexpr int kSmallMapMark = 4;
constexpr float kHelicopterStartHeight = 600.0f;
constexpr int32_t kOwnScaleMission = 5;
constexpr float kOwnScaleReduction = 0.3f;
constexpr float kScaleReduction = 0.1f;
constexpr float kLandingReach = 13.0f;
constexpr int32_t kDelivered = 3;

// The k-th evacuation candidate in table order, counting on round the table up to three times, so with one
// or two candidates the draw wraps to the first again; -1 with none.
int32_t CandidateEntry(int32_t k) {
  int32_t count = -1;
  for (int pass = 0; pass < kCandidateDraw; ++pass)
    for (int32_t i = 0; i < kStrategyEntryCount; ++i) {
      if (StrategyTable().strategy[i].type != STRATEGY_2EXTRACT) continue;
      if (++count == k) return i;
    }
  return -1;
}

int32_t FirstCollectionEntry() {
  for (int32_t i = 0; i < kStrategyEntryCount; ++i)
    if (StrategyTable().strategy[i].type == STRATEGY_EXTRACTION) return i;
  return -1;
}

void MarkLandingPoint(const Vector3& at) {
  if (TerrainImages().wrapImage)
    TerrainImages().wrapImage->DrawBitmap(Assets().extractionMarkerImage, 0, 0, 0, kMarkerSource, kMarkerSource,
                                          static_cast<int>((at.x + kMapOffset) * kWrapScale - kMarkerSize / 2),
                                          static_cast<int>((kMapOffset - at.z) * kWrapScale - kMarkerSize / 2),
                                          kMarkerSize, kMarkerSize);
  if (missionState.smallMapImage) {
    missionState.smallMapImage->SetDrawColor(10, 10, 250);
    missionState.smallMapImage->FillRect(static_cast<int>((at.x + kMapOffset) * kSmallMapScale - kSmallMapMark / 2),
                                         static_cast<int>((kMapOffset - at.z) * kSmallMapScale - kSmallMapMark / 2),
                                         kSmallMapMark, kSmallMapMark);
  }
}

float HelicopterScale() {
  if (Campaign().missionNumber == kOwnScaleMission) return MissionRow(kOwnScaleMission).factor - kOwnScaleReduction;
  return MissionRow(Campaign().missionNumber).factor - kScaleReduction;
}

}  // namespace

void ChooseExtractionPoint() {
  if (!Assets().extractionMarkerImage || StrategyTable().extractionChosen) return;
  int32_t entry = CandidateEntry(rand() % kCandidateDraw);
  if (entry >= 0) {
    MarkExtractionChosen();
  } else {
    entry = FirstCollectionEntry();
    if (entry < 0) return;
  }
  const Vector3 at = StrategyTable().strategy[entry].pos;
  MarkLandingPoint(at);
  SetEvacuationPoint(at);
}

void CreateEvacHelicopter() {
  if (!HasFreeUnitSlot(true)) {
    Engine().engineRoot->DebugPrint("no unit slot left for the helicopter");
    return;
  }
  const int32_t slot = Units().unitCount;
  Vector3 start = Battle().evacuationPoint;
  start.y = kHelicopterStartHeight;
  auto made = std::make_unique<Vehicle>(Engine().engineRoot, Engine().engineStage, kUnitKindAlly);
  Vehicle& helicopter = *made;
  PutUnit(slot, std::move(made));
  helicopter.vehicleKind = HELICOPTER;
  helicopter.Place(start, kSideAlly, 0, slot);
  helicopter.baseSpeed *= 2.0f;
  helicopter.curSpeed = helicopter.baseSpeed;
  helicopter.orders = ORDERS_DEFEND;
  helicopter.home = Battle().evacuationPoint;
  helicopter.SetScale(HelicopterScale());
  helicopter.body->SetVisible(1);
  helicopter.marker->SetVisible(1);
  if (!Sounds().replayingSave) PlayEffectLoop(SOUND_HELI_LOOP, 1);
  helicopter.body->Rotate(0, 1, 0, static_cast<float>(rand() % 52 + 15), 1);
  helicopter.body->PlayAnimation(L"rtrturn", 1, 1, 5.5f, 0, 0);
  CountNewUnit();
}

int32_t FlagUnitsAtExtraction() {
  int32_t count = 0;
  for (int32_t i = 1; i < Units().unitCount && i < kUnitSlotCount; ++i) {
    Unit* unit = Units().units[i].get();
    if (!unit || unit->state <= 0) continue;
    if (unit->AxisDistanceWithin(Battle().evacuationPoint, kLandingReach) < kLandingReach) {
      unit->atExtraction = 1;
      unit->state = kDelivered;
      ++count;
    } else {
      unit->atExtraction = 0;
    }
  }
  return count;
}

}  // namespace kestrine
