// The view's head-up display until it is built: nothing drawn, and a left click on the body applies the
// tool in hand.
#include "casualty/patient_hud.h"

#include "casualty/patient_view.h"

namespace kestrine {

namespace {

constexpr int32_t kMouseMove = 2;
constexpr int32_t kLeftDown = 6;
constexpr int32_t kLeftUp = 7;

}  // namespace

void LoadPatientHud() {}

void MovePatientCamera(int32_t) {}

void DrawPatientTray() {}

void DrawPatientHud() {}

void DrawPatientPopups() {}

bool OnPatientViewMouse(int32_t x, int32_t y, int32_t code) {
  if (code == kMouseMove) {
    patientView.viewPointerX = x;
    patientView.viewPointerY = y;
  } else if (code == kLeftDown) {
    patientView.buttons |= 1u;
  } else if (code == kLeftUp) {
    patientView.buttons &= ~1u;
    PickPatientPart(x, y);
  }
  return true;
}

void ReleasePatientHud() {}

}  // namespace kestrine
