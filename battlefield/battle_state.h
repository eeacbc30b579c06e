// What the battle keeps from frame to frame besides its units: the casualty nearest the medic, whose orders
// run next, the head-up display's stage, the evacuation and the support call, and the player's shots that
// landed among his own men.
#pragma once

#include <cstdint>

#include "engine/engine.h"
#include "shell/vector3.h"

namespace kestrine {

// Farther than any casualty can be: "VIEW PATIENT" stays off.
constexpr double kNoPatientNear = 999.0;

struct BattleState {
  // |dx| + |dy| + |dz| from the player's unit to the nearest casualty in states 1 to 3, measured afresh
  // every frame, and that casualty's unit.
  double nearestPatientDistance = kNoPatientNear;
  int32_t nearestPatientUnit = 0;
  // The unit whose position counts as the player's.
  int32_t playerUnit = 0;
  // The unit whose orders ran last (1 .. unitCount - 1, taking turns).
  int32_t orderCursor = 0;
  // The head-up display's stage 0..9 drawn this frame.
  int32_t hudStage = 0;
  // The evacuation has been called (once per mission).
  bool extractionStarted = false;
  // A support call in force and its time left (ms).
  bool supportActive = false;
  int32_t supportTimer = 0;
  // Where the helicopter lands.
  Vector3 evacuationPoint;
  // The player's shots in a row that landed next to one of his own men; an enemy hit starts it again.
  int32_t friendlyFireCount = 0;
  // "images\time-up.qjp", loaded the first time a mission runs out of time and kept.
  engine::EngineRef<engine::EngineBitmap> timeUpImage;
};
extern BattleState battleState;
extern double& nearestPatientDistance;
extern int32_t& nearestPatientUnit;
extern int32_t& playerUnit;
extern int32_t& orderCursor;
extern int32_t& hudStage;
extern bool& extractionStarted;
extern bool& supportActive;
extern int32_t& supportTimer;
extern Vector3& evacuationPoint;
extern int32_t& friendlyFireCount;

// A fresh battle for a mission being loaded: no casualty near, the medic as the player's unit, no
// evacuation called, no support call, no shot counted. The evacuation point stays (a mission without one
// keeps the last).
void ResetBattle();

}  // namespace kestrine
