// The patient view's mouse: the pointer over the body names the part the tool in hand can treat, a left
// click applies it or presses a button of the head-up display, a right click glides the camera to the
// point under the pointer.
#include <algorithm>
#include <string>

#include "casualty/backpack.h"
#include "casualty/battle_link.h"
#include "casualty/body_parts.h"
#include "casualty/casualty_slots.h"
#include "casualty/hints.h"
#include "casualty/patient_bones.h"
#include "casualty/step_interpreter.h"
#include "casualty/treatment_items.h"
#include "casualty_view/hud_hotspots.h"
#include "casualty_view/patient_camera.h"
#include "casualty_view/patient_hud.h"
#include "casualty_view/patient_view.h"
#include "casualty_view/popup_menu.h"
#include "casualty_view/radio_calls.h"
#include "casualty_view/tool_drawer.h"
#include "casualty_view/tool_reach.h"
#include "casualty_view/tool_tray.h"
#include "engine/engine.h"
#include "shell/engine_setup.h"
#include "shell/game_state.h"
#include "shell/hotspots.h"
#include "shell/tooltip.h"

namespace kestrine {

namespace {

constexpr uint32_t kLeftHeld = 1u;
constexpr uint32_t kRightHeld = 2u;
// Above this row the pointer is over the scene; below it over the display.
constexpr int32_t kSceneBottom = 340;
// A click below these rows with the drawer open is on the tray, not the drawer.
constexpr int32_t kTrayRow = 348;
constexpr int32_t kDropRow = 349;
constexpr int32_t kTipDx = 2;
constexpr int32_t kTipDy = -60;
// The wound whose casualty needs the atropine and diazepam together, offered in the syringe's third slot.
constexpr int32_t kNerveAgentWound = 37;
constexpr int32_t kCombinedVialSlot = 2;
constexpr int32_t kHintFrames = 50;
constexpr float kHintAt = 0.1f;

bool IsTrayHead(int32_t row) {
  return row == TOOL_MEDICINE_SYRINGE || row == TOOL_IV || row == TOOL_ET_KIT || row == TOOL_CRICH_KIT ||
         row == TOOL_MINOR_SURGERY_KIT;
}

// The bag-valve mask goes onto the airway in place: crich tube, endotracheal tube, nasal airway.
int32_t BagForAirway(const Patient* patient) {
  if (patient == nullptr) return TOOL_AMBU_BAG;
  if (patient->fittedAirways & AIRWAY_CRICH_TUBE) return TOOL_AMBU_BAG_CRICH;
  if (patient->fittedAirways & AIRWAY_ET_TUBE) return TOOL_AMBU_BAG_ET;
  if (patient->fittedAirways & AIRWAY_NASAL) return TOOL_AMBU_BAG_NASAL;
  return TOOL_AMBU_BAG;
}

void ShowTip(int32_t x, int32_t y, const std::string& text) {
  // Near the top of the screen the tip stays on it rather than above it.
  ShowToolTip(x + kTipDx, std::max(y + kTipDy, 1), text, 1);
}

// The pointer over the scene: the ammunition, or a part the tool in hand can act on, is named.
void NameWhatIsUnderPointer(int32_t x, int32_t y) {
  engine::EngineRef<engine::EngineHit> hit;
  if (Engine().engineCamera)
    hit = Engine().engineCamera->Pick((Engine().screenWidth - 640) / 2 + x, (Engine().screenHeight - 480) / 2 + y);
  if (!hit || !hit->GetEntity()) {
    StopDeferredToolTip();
    return;
  }
  const std::wstring& name = hit->GetEntity()->GetName();
  if (name == L"Ammo") {
    ShowTip(x, y, "Ammo Clip");
    return;
  }
  const int32_t part = BoneIndexFromName(name);
  if (IsBodyPart(part) && PatientHasInjuryAt(PatientView().selectedTool, part)) {
    ShowTip(x, y, kBodyParts[part].displayName);
  } else {
    StopDeferredToolTip();
  }
}

// A tray tool taken into the hand; the heads of the drawers open theirs instead.
void TakeFromTray(int32_t x) {
  const int32_t k = TraySlotAt(x, PatientView().trayScroll);
  if (k < 0) return;
  const int32_t row = Tray().trayTool[k];
  // A tool run out still comes into the hand (using it then says so); only its drawer stays shut.
  SelectTool(row);
  if (Pack().count[row] <= 0) return;
  if (IsTrayHead(row)) {
    toolDrawer.Fill(row);
    toolDrawer.Open(x);
    if (row == TOOL_MEDICINE_SYRINGE && Slots().currentPatient != nullptr &&
        Slots().currentPatient->currentWound == kNerveAgentWound)
      toolDrawer.SetSlot(kCombinedVialSlot, TOOL_ATROPINE_DIAZEPAM);
    SelectTool(-1);
  } else if (row == TOOL_AMBU_BAG) {
    SelectTool(BagForAirway(Slots().currentPatient));
  }
}

// A drawer tool taken into the hand; the drawer stays open for the next part of a kit.
void TakeFromDrawer(int32_t x) {
  const int32_t k = toolDrawer.SlotAt(x);
  if (k < 0) return;
  const int32_t row = toolDrawer.tools[k];
  SelectTool(row);
  const int32_t parent = ToolTable[static_cast<size_t>(row)].parentRow;
  const bool kitPart = IsToolRow(parent) && ToolTable[static_cast<size_t>(parent)].kitListRow >= 0;
  if (!kitPart) toolDrawer.Close();
}

// He is lifted, turned over about his length and set down, then turned onto the side he is rolled on.
void RollOver() {
  Patient* patient = Slots().currentPatient;
  if (patient == nullptr || patient->dead || !patient->movable) return;
  const int32_t wasRolled = patient->rolledOver;
  patient->ApplyTool(TOOL_ROLLOVER_DRAG, PART_NECK, 0, 0, 0);
  // Refused (none left, say), he stays as he lies.
  if (patient->rolledOver != wasRolled) ResetPatientTimer(*patient);
}

void ShowHint() {
  if (Slots().currentPatient == nullptr) return;
  if (const char* hint = BuildHint(*Slots().currentPatient)) ShowViewHint(hint, kHintAt, kHintAt, kHintFrames);
}

void PressHotspot(int32_t id, int32_t x, int32_t y) {
  switch (id) {
    case HUD_TRAY_SLOTS:
      if (!toolDrawer.IsOpen() || y >= kTrayRow) {
        TakeFromTray(x);
      } else {
        TakeFromDrawer(x);
      }
      break;
    case HUD_PISTOL:
    case HUD_RIFLE:
    case HUD_GRENADE:
      SetMedicWeapon(id - HUD_PISTOL);
      SetGameState(STATE_OVERHEAD);
      break;
    case HUD_ROLL_OVER:
      RollOver();
      break;
    case HUD_BACK:
    case HUD_OVERHEAD:
      SetGameState(STATE_OVERHEAD);
      break;
    case HUD_HINT:
      ShowHint();
      break;
    case HUD_READY_FOR_EVAC:
      CallForEvacuation(RADIO_FROM_BUTTON);
      break;
    case HUD_RETURN_TO_ACTION:
      CallReturnToAction(RADIO_FROM_BUTTON);
      break;
    case HUD_CALL_FOR_SUPPORT:
      CallForSupport(RADIO_FROM_BUTTON);
      break;
    default:
      break;
  }
}

void LeftUp(int32_t x, int32_t y) {
  ReleaseViewButtons(kLeftHeld);
  PickPatientPart(x, y);
  // An open menu takes the click; a row chosen ends it.
  if ((Popups().woundPicker1.IsOpen() || Popups().woundPicker2.IsOpen()) && ClickWoundPickers(x, y)) return;
  if (Popups().radioMenu.IsOpen() && ClickRadioMenu(x, y) >= 0) return;
  if (!HotspotClick(x, y)) {
    if (toolDrawer.IsOpen() && y >= kDropRow) {
      SelectTool(-1);
      toolDrawer.Close();
    }
    return;
  }
  PressHotspot(Hotspots().hotspotIndex, x, y);
}

}  // namespace

bool OnPatientViewMouse(int32_t x, int32_t y, int32_t code) {
  switch (code) {
    case engine::kMouseMove:
      if (y < kSceneBottom) {
        MoveViewPointer(x, y);
        NameWhatIsUnderPointer(x, y);
      } else {
        HotspotHover(x, y);
      }
      break;
    case engine::kMouseLeftDown:
      PressViewButtons(kLeftHeld);
      break;
    case engine::kMouseLeftUp:
      LeftUp(x, y);
      break;
    case engine::kMouseRightDown:
      FocusCameraOnPick(Engine().engineCamera, PatientView().sceneActor, x, y);
      PressViewButtons(kRightHeld);
      break;
    case engine::kMouseRightUp:
      ReleaseViewButtons(kRightHeld);
      break;
    default:
      break;
  }
  return true;
}

}  // namespace kestrine
