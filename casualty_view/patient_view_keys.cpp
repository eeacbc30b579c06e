// The patient view's keys: the camera, leaving for the overhead view, the medic's voice, and the developer's
// aids behind a key sequence.
#include <iterator>

#include "casualty/casualty_slots.h"
#include "casualty/patient.h"
#include "casualty/treatment_switches.h"
#include "casualty_view/model_body.h"
#include "casualty_view/patient_speech.h"
#include "casualty_view/patient_view.h"
#include "casualty_view/popup_menu.h"
#include "shell/game_state.h"

namespace kestrine {

namespace {

enum ViewKey : int32_t {
  KEY_CONTROL = 17,
  KEY_ESCAPE = 27,
  KEY_LEFT = 37,
  KEY_UP = 38,
  KEY_RIGHT = 39,
  KEY_DOWN = 40,
  KEY_F = 70,
  KEY_H = 72,
};

// The developer's sequence, typed with the view open: M, E, D, I, C.
constexpr int32_t kDeveloperSequence[] = {'M', 'E', 'D', 'I', 'C'};
constexpr int32_t kDeveloperSequenceLength = static_cast<int32_t>(std::size(kDeveloperSequence));

// The aids, one key each once the sequence is complete.
enum DeveloperAid : int32_t {
  AID_FREE_HINTS = 'F',
  AID_BONE_MARKERS = 'B',
  AID_SKIN_CUT = 'S',
  AID_UNLIMITED = 'U',
  AID_FLIP_BODIES = 'V',
  AID_WOUND_PICKERS = 'W',
};

// Every casualty's body turned over about its length, for a look at the back.
void FlipBodies() {
  for (const auto& patient : Slots().casualties)
    if (patient && ObjectsOf(*patient).bodyModel) ObjectsOf(*patient).bodyModel->Rotate(0, 0, 1, 180, 1);
}

// One aid; every aid ends the unlocked state. False when the key is none of them.
bool RunDeveloperAid(int32_t key) {
  switch (key) {
    case AID_FREE_HINTS:
      ToggleDeveloperFreeHints();
      break;
    case AID_BONE_MARKERS:
      ToggleBoneMarkers();
      break;
    case AID_SKIN_CUT:
      SetSkinCut(!Switches().skinCutMode);
      break;
    case AID_UNLIMITED:
      SetUnlimitedSupplies(!Switches().unlimitedSupplies);
      break;
    case AID_FLIP_BODIES:
      FlipBodies();
      break;
    case AID_WOUND_PICKERS:
      OpenWoundPickers();
      break;
    default:
      return false;
  }
  LockDeveloperAids();
  return true;
}

void StepDeveloperSequence(int32_t key) {
  const int32_t step = PatientView().developerStep;
  if (key == kDeveloperSequence[step]) {
    if (step + 1 == kDeveloperSequenceLength) {
      UnlockDeveloperAids();
    } else {
      SetDeveloperStep(step + 1);
    }
    return;
  }
  SetDeveloperStep(key == kDeveloperSequence[0] ? 1 : 0);
}

}  // namespace

void OnPatientViewKey(int32_t key, bool down) {
  if (key < 16 || key > 90) {
    SetDeveloperStep(0);
    return;
  }
  switch (key) {
    case KEY_CONTROL:
      HoldCameraKey(VIEW_ZOOM_MODIFIER, down);
      return;
    case KEY_ESCAPE:
      // On the release: a press that left on its way down would hand its release to the overhead view,
      // which pauses on it.
      if (!down) SetGameState(STATE_OVERHEAD);
      return;
    case KEY_LEFT:
      HoldCameraKey(VIEW_ORBIT_LEFT, down);
      return;
    case KEY_UP:
      HoldCameraKey(VIEW_CAMERA_UP, down);
      return;
    case KEY_RIGHT:
      HoldCameraKey(VIEW_ORBIT_RIGHT, down);
      return;
    case KEY_DOWN:
      HoldCameraKey(VIEW_CAMERA_DOWN, down);
      return;
    default:
      break;
  }
  // The sequence and the aids act on the key going down.
  if (!down) return;
  if (PatientView().developerUnlocked && RunDeveloperAid(key)) return;
  if (key == KEY_H) {
    SetHeadShift(!Switches().headShiftMode);
    SetDeveloperStep(0);
    return;
  }
  if (key == KEY_F) {
    OnPatientSpeechKey(true);
    SetDeveloperStep(0);
    return;
  }
  StepDeveloperSequence(key);
}

}  // namespace kestrine
