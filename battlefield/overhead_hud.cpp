#include "battlefield/overhead_hud.h"

#include <algorithm>
#include <cstdio>

#include "battlefield/battle_state.h"
#include "battlefield/developer_lines.h"
#include "battlefield/developer_switches.h"
#include "battlefield/hud_text.h"
#include "battlefield/level_object_types.h"
#include "battlefield/medic_drag.h"
#include "battlefield/nearest_casualty.h"
#include "battlefield/overhead_hotspots.h"
#include "battlefield/placement_tool.h"
#include "battlefield/strategy_editor.h"
#include "battlefield/strategy_editor_display.h"
#include "battlefield/strategy_markers.h"
#include "battlefield/strategy_table.h"
#include "battlefield/unit_array.h"
#include "battlefield/unit_orders.h"
#include "casualty/backpack.h"
#include "casualty/casualty_queries.h"
#include "shell/engine_setup.h"
#include "shell/game_state.h"
#include "shell/mission_frames.h"
#include "shell/mission_progress.h"
#include "shell/program_state.h"
#include "shell/screen_text.h"
#include "shell/wide_text.h"

namespace kestrine {

namespace {

constexpr int32_t kFullHealth = 10;
constexpr int32_t kWaiting = 1;

struct Colour {
  int r, g, b;
};
constexpr Colour kActive{kLabelR, kLabelG, kLabelB};
constexpr Colour kDisabled{150, 150, 150};
constexpr Colour kMessage{10, 250, 10};
constexpr Colour kDeveloper{255, 255, 0};

constexpr int kLabelSize = 11;
constexpr int kSmallSize = 8;
constexpr int kDeveloperSize = 12;

int LayoutX(int a) { return Engine().screenWidth * a / 634; }
int LayoutY(int b) { return Engine().screenHeight * b / 455; }

std::wstring Format(const char* format, auto... values) {
  char text[96];
  std::snprintf(text, sizeof text, format, values...);
  return WidenText(text);
}

// A label drawn over its own area of the strip, painted afresh. `widest` is the longest text the place
// ever shows, so a shorter one leaves nothing of it behind.
void HudLabel(int x, int y, const std::wstring& text, const std::wstring& widest, int size, int align,
              const Colour& c) {
  const HudBox a = HudTextBox(x, y, text, size, align, 1, 0);
  const HudBox b = HudTextBox(x, y, widest, size, align, 1, 0);
  const int left = std::min(a.x, b.x), top = std::min(a.y, b.y);
  const int right = std::max(a.x + a.width, b.x + b.width), bottom = std::max(a.y + a.height, b.y + b.height);
  RestoreHudStrip(left, top, right - left, bottom - top);
  DrawHudGlyphs(x, y, text, size, align, c.r, c.g, c.b, 1, 0);
}

void Label(int a, int b, const wchar_t* text, int size, const Colour& c) {
  HudLabel(LayoutX(a), LayoutY(b), text, text, size, ALIGN_CENTRE, c);
}

void DrawScoreAndClock() {
  HudLabel(LayoutX(20), LayoutY(435), Format("Score: %d", static_cast<int>(Progress().missionScore)),
           L"Score: -00000000", kSmallSize, ALIGN_LEFT, kActive);
  HudLabel(LayoutX(20), LayoutY(410), HudClockText(MissionTime().missionClock), L"Time: 00:00", kSmallSize, ALIGN_LEFT,
           kActive);
}

void DrawExtractionWarning() {
  if (!Battle().extractionStarted || !ScreenText().textOverlay) return;
  DrawTextOnImage(ScreenText().textOverlay, Engine().screenWidth * 400 / 640, Engine().screenHeight * 370 / 480,
                  L"Warning - Extraction is imminent", kLabelSize, ALIGN_CENTRE, kMessage.r, kMessage.g, kMessage.b, 1,
                  0);
}

void DrawLocation() {
  if (!BattleSwitches().showLocation || !IsUnitSlot(0)) return;
  const Vector3& p = Units().units[0]->pos;
  DrawScreenText(0.5, 0.1, Format("Current Location: %.2f, %.2f, %.2f", p.x, p.y, p.z), kDeveloperSize, ALIGN_LEFT,
                 kDeveloper.r, kDeveloper.g, kDeveloper.b, 1, 0);
}

struct PulseState {
  int32_t value = 128;
  bool rising = false;
};
PulseState pulseState;
KESTRINE_PROGRAM_STATE(pulseState);

}  // namespace

std::wstring HudClockText(int32_t clockMs) {
  const int32_t seconds = std::max(clockMs, 0) / 1000;
  return Format("Time: %02d:%02d", static_cast<int>(seconds / 60), static_cast<int>(seconds % 60));
}

std::wstring RifleRoundsText(int32_t rounds) {
  return Format(" %3d/%2d", static_cast<int>(rounds), static_cast<int>(rounds % 30));
}

std::wstring PatientProgressText(int32_t health, int32_t level) {
  if (health <= level || level >= kFullHealth) return L"You: 1%    ";
  return Format("You: %3d%%  ", static_cast<int>((health - level) * 100 / (kFullHealth - level)));
}

void DrawOverheadLabels() {
  const Unit* nearest = NearestCasualty();
  const bool withinReach = nearest && Battle().nearestPatientDistance < kCasualtyReach;
  const bool viewable = withinReach && nearest->state == kWaiting;
  const bool movable = withinReach && IsCasualtyMovable(NearestCasualtySlot());
  Label(281, 397, L"VIEW PATIENT", kLabelSize, viewable ? kActive : kDisabled);
  HudLabel(LayoutX(281), LayoutY(420), movable && MedicDrag().dragging ? L"DROP PATIENT" : L"DRAG PATIENT",
           L"DROP PATIENT", kLabelSize, ALIGN_CENTRE, movable ? kActive : kDisabled);
  Label(155, 397, L"MENU", kLabelSize, kActive);
  Label(155, 420, L"MOVE TEAM", kLabelSize, kActive);
  Label(570, 393, L"Ready for EVAC", kSmallSize, kDisabled);
  Label(570, 410, L"Return to Action", kSmallSize, kDisabled);
  Label(570, 427, L"Call for Support", kSmallSize, kActive);
}

void DrawWeaponPanel() {
  if (!ScreenText().textOverlay) return;
  // Wide enough to take the frame of any of the three weapons and the counts beneath them.
  RestoreHudStrip(LayoutX(360), LayoutY(391), 144, 52);
  const int32_t weapon = IsUnitSlot(0) ? Units().units[0]->weapon : WEAPON_PISTOL;
  if (weapon >= WEAPON_PISTOL && weapon <= WEAPON_GRENADE) {
    const HotspotBox box = OverheadHotspotBox(OVERHEAD_PISTOL + weapon);
    OutlineRect(ScreenText().textOverlay, box.x, box.y, box.width, box.height);
  }
  const int row = 432;
  DrawHudGlyphs(LayoutX(408), row, Format("%d", static_cast<int>(Pack().count[2])), kSmallSize, ALIGN_RIGHT, kActive.r,
                kActive.g, kActive.b, 1, 0);
  DrawHudGlyphs(LayoutX(453), row, RifleRoundsText(Pack().count[1]), kSmallSize, ALIGN_RIGHT, kActive.r, kActive.g,
                kActive.b, 1, 0);
  DrawHudGlyphs(LayoutX(483), row, Format("%d", static_cast<int>(Pack().count[0])), kSmallSize, ALIGN_RIGHT, kActive.r,
                kActive.g, kActive.b, 1, 0);
}

void DrawHudStage() {
  switch (Battle().hudStage) {
    case 0:
      DrawOverheadLabels();
      DrawScoreAndClock();
      break;
    case 1:
      DrawScoreAndClock();
      break;
    case 2:
      DrawWeaponPanel();
      break;
    case 3:
      SetOverheadHotspots();
      break;
    case 6:
      DrawExtractionWarning();
      break;
    case 9:
      DrawLocation();
      break;
    default:
      break;
  }
  AdvanceHudStage();
}

void DrawPatientProgress() {
  if (!IsUnitSlot(0) || !ScreenText().textOverlay) return;
  const std::wstring text = PatientProgressText(Units().units[0]->health, Campaign().difficulty);
  // The overhead strip lies under it only in the overhead view; the patient view has its own display there.
  if (States().gameState == STATE_OVERHEAD) {
    HudLabel(LayoutX(20), LayoutY(423), text, L"You: 100%  ", kSmallSize, ALIGN_LEFT, kActive);
  } else {
    DrawTextOnImage(ScreenText().textOverlay, LayoutX(20), LayoutY(423), text, kSmallSize, ALIGN_LEFT, kActive.r,
                    kActive.g, kActive.b, 1, 0);
  }
}

void DrawDeveloperDisplays() {
  EraseDeveloperLines();
  if (StrategyEditor().strategyEditOn) DrawStrategyEditorDisplay(StrategyEditor().strategyEditMode == kStrategyEditing);
  if (!Placement().objectPlacementOn) return;
  const int32_t selected = SelectedObject();
  const OverheadObject* object = selected >= 0 ? &LevelObjectTable().ohObjects[selected] : nullptr;
  DeveloperLine(0.5, 0.1,
                Format("Placing Objects - tot/cur: %d/%d", static_cast<int>(LevelObjectTable().objectCount),
                       static_cast<int>(Placement().selectedObjectIndex)),
                kDeveloperSize);
  if (!object) return;
  DeveloperLine(0.5, 0.14, Format("Pos: %f, %f, %f", object->position.x, object->position.y, object->position.z),
                kDeveloperSize);
  DeveloperLine(0.5, 0.18, Format("Type: %s", ObjTypeName(object->type)), kDeveloperSize);
}

int32_t StrategyMarkerPulse() { return pulseState.value; }

void PulseStrategyMarker(int32_t dt) {
  PulseState& p = pulseState;
  const int32_t step = static_cast<int32_t>(dt * 0.2);
  if (p.rising) {
    p.value += step;
    if (p.value >= 255) {
      p.value = 255;
      p.rising = false;
    }
  } else {
    p.value -= step;
    if (p.value <= 60) {
      p.value = 60;
      p.rising = true;
    }
  }
  if (StrategyTable().strategyCursor < 0 || StrategyTable().strategyCursor >= kStrategyEntryCount) return;
  const engine::EngineRef<engine::EngineMesh>& mesh =
      strategyMarkerState.strategyMarkerPlanes[StrategyTable().strategyCursor];
  if (!mesh) return;
  const StrategyEntry& entry = StrategyTable().strategy[StrategyTable().strategyCursor];
  const int v = p.value;
  switch (entry.side) {
    case ALLY:
      if (entry.injury < 1) {
        mesh->SetFaceColor(L"front", 10, v, 10);
      } else {
        mesh->SetFaceColor(L"front", v, v, 10);
      }
      break;
    case ENEMY:
      mesh->SetFaceColor(L"front", v, 10, 10);
      break;
    case PLAYER:
      mesh->SetFaceColor(L"front", v, v, v);
      break;
    default:
      break;
  }
}

}  // namespace kestrine
