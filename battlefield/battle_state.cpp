#include "battlefield/battle_state.h"

#include "shell/program_state.h"

namespace kestrine {

BattleState battleState;
KESTRINE_PROGRAM_STATE(battleState);
double& nearestPatientDistance = battleState.nearestPatientDistance;
int32_t& nearestPatientUnit = battleState.nearestPatientUnit;
int32_t& playerUnit = battleState.playerUnit;
int32_t& orderCursor = battleState.orderCursor;
int32_t& hudStage = battleState.hudStage;
bool& extractionStarted = battleState.extractionStarted;
bool& supportActive = battleState.supportActive;
int32_t& supportTimer = battleState.supportTimer;
Vector3& evacuationPoint = battleState.evacuationPoint;
int32_t& friendlyFireCount = battleState.friendlyFireCount;

void ResetBattle() {
  nearestPatientDistance = kNoPatientNear;
  nearestPatientUnit = 0;
  playerUnit = 0;
  extractionStarted = false;
  supportActive = false;
  supportTimer = 0;
  friendlyFireCount = 0;
}

}  // namespace kestrine
