#include "casualty/casualty_queries.h"

#include "casualty/casualty_slots.h"
#include "shell/mission_progress.h"

namespace kestrine {

namespace {

// The training mission of moving the wounded lets every one of them be moved.
constexpr int32_t kDraggingTrainingMission = 11;

}  // namespace

bool IsCasualtyMovable(int slot) {
  if (Campaign().missionNumber == kDraggingTrainingMission || !HasCasualty(slot)) return true;
  return Slots().casualties[slot]->movable != 0;
}

void MarkCasualtyDragged(int slot) {
  if (HasCasualty(slot)) Slots().casualties[slot]->dragged = 1;
}

}  // namespace kestrine
