// Patient::JudgeDisposition: the call to evacuate a casualty or to send him back into the fight.
#include "casualty/patient.h"
#include "shell/mission_progress.h"

namespace kestrine {

namespace {
constexpr int32_t kRightCallPoints = 5;
}  // namespace

int32_t Patient::JudgeDisposition(int32_t choice) {
  // Only our own lightly wounded may go back; an enemy casualty is always taken away.
  const bool fitToFight = IsReturnableToAction();

  auto rightCall = [&]() {
    AddMissionPoints(kRightCallPoints);
    score += kRightCallPoints;
    verdict = VERDICT_RIGHT;
  };

  switch (choice) {
    case DISPOSITION_EVACUATE:
      if (fitToFight) {
        verdict = VERDICT_WRONG;
      } else {
        rightCall();
      }
      return kCasualtyReadied;
    case DISPOSITION_RETURN_TO_ACTION:
      if (fitToFight) {
        rightCall();
        return kCasualtyInAction;
      }
      verdict = VERDICT_WRONG;
      return kCasualtyReadied;
    default:
      return kNoCasualtyChange;
  }
}

}  // namespace kestrine
