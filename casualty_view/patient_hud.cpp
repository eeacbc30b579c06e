// The patient view's head-up display hung off the view: the tray, drawer, pictures and menus loaded with
// the view; the camera moved first in the frame; the cursor and tray, then the medbar, read-outs, drawer,
// case chart and hot-spots drawn; what the pointer rests on acted on each frame.
#include "casualty_view/patient_hud.h"

#include "casualty/casualty_slots.h"
#include "casualty_view/hud_hotspots.h"
#include "casualty_view/hud_readouts.h"
#include "casualty_view/model_body.h"
#include "casualty_view/patient_camera.h"
#include "casualty_view/patient_view.h"
#include "casualty_view/popup_menu.h"
#include "casualty_view/tool_cursor.h"
#include "casualty_view/tool_drawer.h"
#include "casualty_view/tool_images.h"
#include "casualty_view/tool_tray.h"
#include "shell/engine_setup.h"
#include "shell/events.h"
#include "shell/program_state.h"

namespace kestrine {

namespace {

struct PatientHudState {
  int32_t frameMs = 0;  // the frame's time, as the camera step saw it
};
PatientHudState patientHud;
KESTRINE_PROGRAM_STATE(patientHud);

// The label under x is drawn at the label row; the labels of the drawer start at its left edge.
constexpr int32_t kLabelY = 388;

void LabelToolUnderPointer(int32_t px) {
  if (toolDrawer.IsOpen()) {
    const int32_t k = toolDrawer.SlotAt(px);
    if (k >= 0) DrawToolLabels(toolDrawer.tools[k], toolDrawer.x, kLabelY);
    return;
  }
  const int32_t k = TraySlotAt(px, PatientView().trayScroll);
  if (k >= 0) DrawToolLabels(Tray().trayTool[k], Tray().trayRightEdge[k] - PatientView().trayScroll + kTrayX, kLabelY);
}

// What the pointer rests on does something every frame: the tray's arrows scroll it, the tray names its
// tool, and the chart's arrows scroll it while the left button is held.
void ActOnHover(int32_t dt) {
  const bool leftHeld = (PatientView().buttons & 1u) != 0;
  switch (HudHotspotAt(Pointer().pointerX, Pointer().pointerY)) {
    case HUD_TRAY_LEFT:
      ScrollTray(-1, dt);
      break;
    case HUD_TRAY_RIGHT:
      ScrollTray(+1, dt);
      break;
    case HUD_TRAY_SLOTS:
      LabelToolUnderPointer(Pointer().pointerX);
      break;
    case HUD_CHART_UP:
      if (leftHeld && Slots().currentPatient != nullptr) ObjectsOf(*Slots().currentPatient).caseChart.Scroll(-1);
      break;
    case HUD_CHART_DOWN:
      if (leftHeld && Slots().currentPatient != nullptr) ObjectsOf(*Slots().currentPatient).caseChart.Scroll(+1);
      break;
    default:
      break;
  }
}

}  // namespace

void LoadPatientHud() {
  BuildToolTray();
  toolDrawer.Init();
  LoadHudPictures();
  FillPopupMenus();
}

void MovePatientCamera(int32_t dt) {
  patientHud.frameMs = dt;
  const PatientViewState& v = PatientView();
  StepCameraGlide(v.sceneActor);
  const CameraKeys keys{.orbitLeft = v.orbitLeft,
                        .orbitRight = v.orbitRight,
                        .up = v.cameraUp,
                        .down = v.cameraDown,
                        .zoom = v.zoomModifier};
  MoveCameraByKeys(Engine().engineCamera, v.sceneActor, keys, dt);
}

void DrawPatientTray() {
  DrawToolCursor(PatientView().selectedTool, PatientView().viewPointerX, PatientView().viewPointerY);
  DrawToolTray(PatientView().trayScroll);
}

void DrawPatientHud() {
  DrawMedbar();
  DrawHudReadouts();
  toolDrawer.Update(patientHud.frameMs);
  if (Slots().currentPatient != nullptr) ObjectsOf(*Slots().currentPatient).caseChart.Draw();
  RegisterHudHotspots();
  ActOnHover(patientHud.frameMs);
}

void DrawPatientPopups() {
  DrawWoundPickers(Pointer().pointerX, Pointer().pointerY);
  DrawRadioMenu(Pointer().pointerX, Pointer().pointerY);
}

void ReleasePatientHud() {
  ReleaseToolTray();
  toolDrawer.Release();
  ReleaseHudPictures();
  ReleasePopupMenus();
  ResetCameraGlide();
}

}  // namespace kestrine
