#include "battlefield/mission_units.h"

#include <memory>
#include <string>

#include "battlefield/casualty_cases.h"
#include "battlefield/level_objects.h"
#include "battlefield/mission_state.h"
#include "battlefield/patient_locations.h"
#include "battlefield/spawn_map.h"
#include "battlefield/strategy_table.h"
#include "battlefield/unit_array.h"
#include "battlefield/vehicle.h"
#include "casualty/backpack.h"
#include "casualty/injury_picker.h"
#include "shell/asset_loader.h"
#include "shell/engine_setup.h"
#include "shell/mission_progress.h"
#include "shell/mission_table.h"
#include "shell/random.h"

namespace kestrine {

namespace {

constexpr float kStartEntryLift = 3.0f;
constexpr int32_t kHeldBack = 5;
constexpr int32_t kWaiting = 1;
// The wound of a soldier hit by a hummer: the wreck lies beside him.
constexpr int32_t kHummerWound = 6;

const MissionDef& Mission() { return MissionRow(Campaign().missionNumber); }

// A new unit in slot `slot` (whatever the slot held goes first).
template <typename T>
T& MakeUnit(int32_t slot, int32_t kind) {
  EmptyUnitSlot(slot);
  auto unit = std::make_unique<T>(Engine().engineRoot, Engine().engineStage, kind);
  T& made = *unit;
  PutUnit(slot, std::move(unit));
  return made;
}

// The medic in slot 0, made when the slot is empty, placed at `where` on `side`.
Unit& PlaceMedic(const Vector3& where, int32_t side, int32_t state, float packWeighting, int32_t camouflage) {
  Unit& medic = Units().units[0] ? *Units().units[0] : MakeUnit<Unit>(0, kUnitKindMedic);
  medic.camouflage = camouflage;
  medic.Place(where, side, state, 0);
  const float speed = MedicSpeed(Progress().playerFigure, Pack().weight, packWeighting, Mission().factor);
  medic.baseSpeed = speed;
  medic.curSpeed = speed;
  return medic;
}

void Doubled(Unit& unit) {
  unit.baseSpeed *= 2.0f;
  unit.curSpeed = unit.baseSpeed;
}

bool SlotLeft(const char* what) {
  if (HasFreeUnitSlot(false)) return true;
  Engine().engineRoot->DebugPrint(std::string("no unit slot left for ") + what);
  return false;
}

// The wrecked hummer beside a casualty it hit, at (x - 4, y + 0.8, z - 4), turned on its side.
void PlaceWreck(const Vector3& at) {
  const int32_t index = MakeLevelObject(OBJ_TANK2);
  if (index < 0) return;
  MoveLevelObjectTo(index, Vector3(at.x - 4.0f, at.y + 0.8f, at.z - 4.0f));
  TurnLevelObject(index, 83.0f);
  TiltLevelObject(index, 0, 0, 1, 85.0f);
  SetLevelObjectScale(index, Vector3(1.0f, 1.0f, 1.0f));
  ShowLevelObject(index, true);
  const OverheadObject& wreck = LevelObjectTable().ohObjects[index];
  wreck.model->SetCollisionMask(2, 0);
  Engine().engineStage->AddObject(wreck.group);
  missionState.propIndex = index;
}

}  // namespace

float MedicSpeed(int32_t figure, float backpackWeight, float weightCoefficient, float factor) {
  const float fig = static_cast<float>(figure);
  return ((fig * 0.3f + 1.0f) * kUnitStartSpeed - backpackWeight * weightCoefficient * fig) * factor;
}

void CreateStrategyUnits() {
  const MissionDef& mission = Mission();
  for (int32_t i = 0; i < StrategyTable().strategyCount; ++i) {
    StrategyEntry e = StrategyTable().strategy[i];
    if (e.type != STRATEGY_START || e.injury >= 1) continue;
    e.pos.y += kStartEntryLift;
    SetStrategyEntry(i, e);
    // Everything made here starts as a fighting unit (state 0), whatever a damaged file says below 1.

    if (e.side == PLAYER) {
      PlaceMedic(e.pos, kSidePlayer, 0, kStrategyPackWeighting, mission.camouflage).SetScale(mission.factor);
      continue;
    }
    Unit* unit = nullptr;
    if (e.vehicle == MAN) {
      // Level-object kinds in the side field stand for nothing on the battlefield.
      if (e.side != ALLY && e.side != ENEMY) continue;
      if (!SlotLeft("a soldier")) continue;
      unit = &MakeUnit<Unit>(Units().unitCount, e.side);
      unit->camouflage = mission.camouflage;
      unit->Place(e.pos, e.side, 0, Units().unitCount);
      if (e.side == ALLY && e.orders == ORDERS_ADVANCE && missionState.teamLeader == 0)
        missionState.teamLeader = Units().unitCount;
    } else {
      if (!SlotLeft("a vehicle")) continue;
      Vehicle& vehicle = MakeUnit<Vehicle>(Units().unitCount, e.side);
      vehicle.camouflage = mission.camouflage;
      vehicle.vehicleKind = e.vehicle;
      vehicle.Place(e.pos, e.side, 0, Units().unitCount);
      Doubled(vehicle);
      unit = &vehicle;
    }
    unit->patrol = e.patrol;
    unit->orders = e.orders;
    unit->home = e.pos;
    unit->SetScale(mission.factor);
    CountNewUnit();
    AdvanceLoadingBar();
  }
  if (!Units().units[0])
    PlaceMedic(StrategyTable().strategy[0].pos, kSidePlayer, 0, kStrategyPackWeighting, mission.camouflage)
        .SetScale(mission.factor);
}

int32_t CreateStrategyCasualties() {
  const MissionDef& mission = Mission();
  const int32_t level = Campaign().difficulty;
  const int32_t wanted = mission.casualties[level >= 0 && level < kDifficultyCount ? level : 0];
  SetFirstPatientUnit(Units().unitCount);
  ClearMissionMaximum();
  int32_t k = -1, created = 0;
  for (const StrategyEntry& e : StrategyTable().strategy) {
    if (created >= wanted) break;
    if (e.type != STRATEGY_START || e.injury <= 0) continue;
    ++k;
    if (k >= CasualtyCases().casualtyCaseCount || k >= kMaxCasualtyCases) {
      Engine().engineRoot->DebugPrint("no casualty case " + std::to_string(k) + " for the mission");
      break;
    }
    if (!SlotLeft("a casualty")) break;
    const CasualtyCase& c = CasualtyCases().casualtyCases[k];
    const int32_t special = c.special ? 1 : 0;
    Unit& casualty = MakeUnit<Unit>(Units().unitCount, special);
    casualty.camouflage = mission.camouflage;
    casualty.severity = c.severity;
    casualty.home = e.pos;
    // The special casualty stands on the enemy's side, with the enemy's model and marker.
    casualty.Place(e.pos, special, 1, Units().unitCount);
    casualty.patientLoc = k;
    casualty.woundType = c.woundType;
    casualty.SetScale(mission.factor);
    casualty.state = Campaign().trainingRun ? e.injury : kHeldBack;
    casualty.orders = 1;
    if (c.woundType == kHummerWound) PlaceWreck(e.pos);
    CountNewUnit();
    ++created;
    AdvanceLoadingBar();
  }
  return created;
}

void SpawnFromMap(const std::string& folder) {
  const SpawnPlan plan = ReadSpawnMap(folder, Campaign().difficulty);
  for (const SpawnPlacement& p : plan.units) {
    if (!SlotLeft("a unit of the spawn map")) break;
    if (p.kind == SpawnKind::Vehicle) {
      Vehicle& vehicle = MakeUnit<Vehicle>(Units().unitCount, kUnitKindEnemy);
      vehicle.Place(p.position, kSideEnemy, 0, Units().unitCount);
      Doubled(vehicle);
    } else {
      const int32_t side = p.kind == SpawnKind::Enemy ? kSideEnemy : kSideAlly;
      MakeUnit<Unit>(Units().unitCount, side).Place(p.position, side, 0, Units().unitCount);
    }
    CountNewUnit();
  }
  // This route puts the medic on the allied side, in the woodland dress all its units wear.
  PlaceMedic(plan.medic.position, kSideAlly, 0, kSpawnMapPackWeighting, 0);

  ResetInjuryPicks();
  SetFirstPatientUnit(Units().unitCount);
  LoadPatientLocations();
  ClearMissionMaximum();

  const MissionDef& mission = Mission();
  const int32_t level = Campaign().difficulty;
  const int32_t wanted = mission.casualties[level >= 0 && level < kDifficultyCount ? level : 0];
  bool specialChosen = false;
  int32_t k = 0;
  for (const Vector3& place :
       SpawnCasualtyPlaces(PatientLocations().patientLocations, PatientLocations().patientLocationsLoaded, wanted)) {
    if (!SlotLeft("a casualty")) break;
    int32_t special = 0;
    if (!specialChosen) {
      if (mission.severityMode == 1) special = 1;
      if (mission.severityMode == 2 && rand() % 100 < 10) special = 1;
      specialChosen = special != 0;
    }
    Unit& casualty = MakeUnit<Unit>(Units().unitCount, special);
    casualty.severity = special ? 2 : (rand() % 3 != 0 ? 1 : 0);
    casualty.Place(place, special, kWaiting, Units().unitCount);
    casualty.patientLoc = k++;
    casualty.woundType = PickCasualtyInjury(special);
    CountNewUnit();
  }
}

}  // namespace kestrine
