// The radio calls: a line from the radio, the shown casualty judged and his unit told, the overhead view.
#include "casualty_view/radio_calls.h"

#include <cstdint>

#include "casualty/battle_link.h"
#include "casualty/casualty_slots.h"
#include "shell/game_state.h"
#include "shell/random.h"
#include "shell/sound_table.h"

namespace kestrine {

namespace {

// Radio lines by slot: the evacuation calls (the button has two more), the send-back lines, the support
// answers.
constexpr int kEvacuationLines[] = {24, 25, 26, 33, 34};
constexpr int kMenuEvacuationLineCount = 3;
constexpr int kButtonEvacuationLineCount = 5;
constexpr int kReturnLines[] = {27, 28, 29};
constexpr int kSupportLines[] = {30, 31, 32};
constexpr int kEvacuationFollowUp = 25;

void Judge(int32_t choice) {
  if (Slots().currentPatient == nullptr) return;
  const int32_t unitState = Slots().currentPatient->JudgeDisposition(choice);
  if (unitState != kNoCasualtyChange) SetCasualtyUnitState(Slots().currentCasualtyIndex, unitState);
}

}  // namespace

void CallForEvacuation(RadioCaller caller) {
  const int lines = caller == RADIO_FROM_BUTTON ? kButtonEvacuationLineCount : kMenuEvacuationLineCount;
  PlayEffect(kEvacuationLines[rand() % lines]);
  Judge(DISPOSITION_EVACUATE);
  SetGameState(STATE_OVERHEAD);
}

void CallReturnToAction(RadioCaller caller) {
  PlayEffect(kReturnLines[rand() % 3]);
  if (caller == RADIO_FROM_MENU) PlayEffect(kEvacuationFollowUp);
  Judge(DISPOSITION_RETURN_TO_ACTION);
  SetGameState(STATE_OVERHEAD);
}

void CallForSupport(RadioCaller caller) {
  if (caller == RADIO_FROM_BUTTON) PlayEffect(SOUND_RADIO_ON);
  StartSupportCall();
  PlayEffect(kSupportLines[rand() % 3]);
}

}  // namespace kestrine
