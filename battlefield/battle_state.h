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
// Written only in battle_state.cpp, through the operations below; everyone else reads this view.
const BattleState& Battle();

// A fresh battle for a mission being loaded: no casualty near, the medic as the player's unit, no
// evacuation called, no support call, no shot counted. The evacuation point stays (a mission without one
// keeps the last).
void ResetBattle();

// The frame starts with no casualty near; each casualty in states 1 to 3 is then offered with his distance
// from the player's unit, and the nearest is kept (a tie keeps the first).
void ForgetNearestPatient();
void OfferNearestPatient(int32_t unit, double distance);
// The nearest casualty as a frame's search would leave it.
void SetNearestPatient(int32_t unit, double distance);

// The computer unit whose orders run next: one on from the last, back to 1 past the last unit. Returns it.
int32_t AdvanceOrderCursor(int32_t unitCount);
// The turns start again after `unit` (the next turn is unit + 1).
void SetOrderCursor(int32_t unit);

// The next stage of the head-up display (0..9, round again), or a given one.
void AdvanceHudStage();
void ShowHudStage(int32_t stage);

// The evacuation has been called; where the helicopter lands.
void StartExtraction();
void SetEvacuationPoint(const Vector3& point);

// A support call in force for `ms`. The support ends when its time runs out (TickSupportCall); cutting it
// short leaves 1 ms, so the next frame ends it.
void StartSupportCall(int32_t ms);
void CutSupportCallShort();
void TickSupportCall(int32_t dt);

// One more of the player's shots landed next to one of his own men: the count in a row so far. An enemy hit
// starts the count again.
int32_t CountFriendlyFire();
void ClearFriendlyFire();

// "images\time-up.qjp" once loaded, kept until the overhead view is let go.
void KeepTimeUpImage(engine::EngineRef<engine::EngineBitmap> image);
void ReleaseTimeUpImage();

}  // namespace kestrine
