#include "battlefield/battle_state.h"

#include <utility>

#include "battlefield/overhead_hud.h"
#include "shell/program_state.h"

namespace kestrine {

namespace {

BattleState battleState;
KESTRINE_PROGRAM_STATE(battleState);

}  // namespace

const BattleState& Battle() { return battleState; }

void ResetBattle() {
  battleState.nearestPatientDistance = kNoPatientNear;
  battleState.nearestPatientUnit = 0;
  battleState.playerUnit = 0;
  battleState.extractionStarted = false;
  battleState.supportActive = false;
  battleState.supportTimer = 0;
  battleState.friendlyFireCount = 0;
}

void ForgetNearestPatient() { battleState.nearestPatientDistance = kNoPatientNear; }

void OfferNearestPatient(int32_t unit, double distance) {
  if (distance < battleState.nearestPatientDistance) {
    battleState.nearestPatientDistance = distance;
    battleState.nearestPatientUnit = unit;
  }
}

void SetNearestPatient(int32_t unit, double distance) {
  battleState.nearestPatientDistance = distance;
  battleState.nearestPatientUnit = unit;
}

int32_t AdvanceOrderCursor(int32_t unitCount) {
  ++battleState.orderCursor;
  if (battleState.orderCursor >= unitCount) battleState.orderCursor = 1;
  return battleState.orderCursor;
}

void SetOrderCursor(int32_t unit) { battleState.orderCursor = unit; }

void AdvanceHudStage() { battleState.hudStage = (battleState.hudStage + 1) % kHudStageCount; }

void ShowHudStage(int32_t stage) { battleState.hudStage = stage; }

void StartExtraction() { battleState.extractionStarted = true; }

void SetEvacuationPoint(const Vector3& point) { battleState.evacuationPoint = point; }

void StartSupportCall(int32_t ms) {
  battleState.supportActive = true;
  battleState.supportTimer = ms;
}

void CutSupportCallShort() { battleState.supportTimer = 1; }

void TickSupportCall(int32_t dt) {
  if (battleState.supportTimer <= 0) return;
  battleState.supportTimer -= dt;
  if (battleState.supportTimer < 0) {
    battleState.supportTimer = 0;
    battleState.supportActive = false;
  }
}

int32_t CountFriendlyFire() { return ++battleState.friendlyFireCount; }

void ClearFriendlyFire() { battleState.friendlyFireCount = 0; }

void KeepTimeUpImage(engine::EngineRef<engine::EngineBitmap> image) { battleState.timeUpImage = std::move(image); }

void ReleaseTimeUpImage() { battleState.timeUpImage.Reset(); }

}  // namespace kestrine
