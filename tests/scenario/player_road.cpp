#include "player_road.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "battle_trace.h"
#include "battlefield/battle_state.h"
#include "battlefield/casualty_cases.h"
#include "battlefield/extraction.h"
#include "battlefield/medic_drag.h"
#include "battlefield/nearest_casualty.h"
#include "battlefield/overhead_hotspots.h"
#include "battlefield/unit.h"
#include "battlefield/unit_array.h"
#include "battlefield/vehicle_kind.h"
#include "casualty/backpack.h"
#include "casualty/body_parts.h"
#include "casualty/casualty_slots.h"
#include "casualty/hints.h"
#include "casualty/patient.h"
#include "casualty/patient_bones.h"
#include "casualty/tool_table.h"
#include "casualty/treatment_blockers.h"
#include "casualty_view/hud_hotspots.h"
#include "casualty_view/model_body.h"
#include "casualty_view/patient_view.h"
#include "casualty_view/tool_drawer.h"
#include "casualty_view/tool_tray.h"
#include "frontend/briefing_screen.h"
#include "frontend/campaign_awards.h"
#include "frontend/menu_screens.h"
#include "shell/engine_setup.h"
#include "shell/events.h"
#include "shell/game_state.h"
#include "shell/hotspots.h"
#include "shell/mission_frames.h"
#include "shell/mission_progress.h"
#include "unit/casualty/parts_for_step.h"

namespace kestrine::scenario {

using testing::IsKitHead;
using testing::PartsFor;

namespace {

constexpr int kFrameMs = 50;
constexpr int kMaxMoves = 200;
constexpr int32_t kWaiting = 1;
constexpr int32_t kReadied = 2;

bool InMission() { return States().gameState == STATE_OVERHEAD || States().gameState == STATE_PATIENT_VIEW; }

int32_t WaitingCasualty() {
  for (int32_t i = Units().firstPatientUnit; i < Units().unitCount; ++i)
    if (Units().units[i] && Units().units[i]->state == kWaiting) return i;
  return -1;
}

int32_t ReadiedCasualtyLeftLying() {
  for (int32_t i = Units().firstPatientUnit; i < Units().unitCount; ++i)
    if (Units().units[i] && Units().units[i]->state == kReadied && Units().units[i]->draggedBy < 0 &&
        (Units().units[i]->pos - Battle().evacuationPoint).Length() > 10.0f)
      return i;
  return -1;
}

// The tool to the part: the clothing cut away first where it is in the way, the tool taken from the tray,
// then a click on the part where the camera shows it. A part the camera does not show (his back as he lies)
// gets the same call the click would make: turning the camera round him to find it is not what this medic is
// here to prove.
void PutTool(Harness& game, Patient& patient, int32_t tool, int32_t part, Treatment& done) {
  if (tool != TOOL_SCISSORS && FindBlocker(patient, tool, part) == kClothingInTheWay)
    PutTool(game, patient, TOOL_SCISSORS, part, done);
  ++done.moves;
  if (PatientView().selectedTool != tool && !TakeTool(game, tool)) {
    ++done.handed;
    SelectTool(tool);
  }
  if (ClickOnBodyPart(game, part)) return;
  ++done.unseen;
  patient.ApplyTool(tool, part, 0, 0, 0);
  game.Frames(2, kFrameMs);
}

// The first of the step's parts where the tool does what the step says.
bool DoStep(Harness& game, Patient& patient, int32_t tool, const TreatmentStep& step, BodyLocation where, int32_t side,
            Treatment& done) {
  for (int32_t part : PartsFor(patient, tool, where, side, IsTrackedTool(tool))) {
    const int32_t doneBefore = patient.doneSteps.count;
    const int32_t scoreBefore = Progress().missionScore;
    PutTool(game, patient, tool, part, done);
    if (!InMission() || Slots().currentPatient != &patient) return false;
    if (patient.lastStep == &step) return true;
    if (IsTrackedTool(tool) && step.points == 0) return true;
    if (patient.doneSteps.count > doneBefore && FindHintStep(patient) != &step) return true;
    if (Progress().missionScore != scoreBefore) return true;  // a kit's part paid
  }
  return false;
}

bool PlayKit(Harness& game, Patient& patient, const TreatmentStep& woundStep, Treatment& done) {
  const int32_t kitRow = ToolTable[woundStep.tool].kitListRow;
  for (const TreatmentStep* step = WoundTypeTable[kitRow].lists[0]; !IsListEnd(step); step = step->next)
    if (!DoStep(game, patient, step->tool, *step, woundStep.location, woundStep.side, done)) return false;
  return patient.lastStep == &woundStep;
}

// An enemy soldier on his feet within reach of the medic's pistol, with none of the medic's own near him.
int32_t EnemyInReach() {
  for (int32_t i = 1; i < Units().firstPatientUnit && i < Units().unitCount; ++i) {
    const Unit* u = Units().units[i].get();
    if (!u || u->side != kSideEnemy || u->vehicleKind != MAN || u->down || u->health <= 0) continue;
    if ((u->pos - Units().units[0]->pos).Length() > 22.0f) continue;
    bool ownNear = false;
    for (int32_t j = 1; j < Units().unitCount; ++j)
      ownNear = ownNear || (Units().units[j] && Units().units[j]->side != kSideEnemy &&
                            (Units().units[j]->pos - u->pos).Length() < 5.0f);
    if (!ownNear) return i;
  }
  return -1;
}

// The medic fires his pistol at the enemies who come within its reach.
void DefendTheMedic(Harness& game) {
  for (int shots = 0; shots < 6 && States().gameState == STATE_OVERHEAD && Units().units[0]; ++shots) {
    const int32_t enemy = EnemyInReach();
    if (enemy < 0) return;
    if (Units().units[0]->weapon != WEAPON_PISTOL) {
      PressOverhead(game, OVERHEAD_PISTOL);
      game.Frames(12, kFrameMs);
      if (States().gameState != STATE_OVERHEAD) return;
    }
    const ScreenPoint at = OnScreen(Units().units[enemy]->pos);
    game.Click(at.x, at.y);
    game.Frames(4, kFrameMs);
  }
}

}  // namespace

bool StartMission(int32_t mission, int32_t level, const CasualtyCase* first, bool packed) {
  GoToMission(mission);
  ChooseDifficulty(level);
  EndTraining();
  SetUpMissionCasualties();
  if (first) ReplaceCasualtyCase(0, *first);
  if (packed) FillStandardBackpack();
  SetGameState(STATE_START_MISSION);
  return States().gameState == STATE_OVERHEAD;
}

Unit* Waiting() {
  const int32_t i = WaitingCasualty();
  return i < 0 ? nullptr : Units().units[i].get();
}

ScreenPoint OnScreen(const Vector3& world) {
  const auto p = Engine().engineCamera->WorldToScreen(world.x, world.y, world.z);
  return {std::clamp(static_cast<int>(p->GetX()), 20, 620), std::clamp(static_cast<int>(p->GetY()), 20, 340)};
}

void FullDisplayTurn(Harness& game) { game.Frames(10, kFrameMs); }

void PressOverhead(Harness& game, int32_t id) {
  const HotspotBox box = OverheadHotspotBox(id);
  game.Click(box.x + box.width / 2, box.y + box.height / 2);
}

void RightClick(Harness& game, ScreenPoint p) {
  game.Mouse(engine::kMouseRightDown, p.x, p.y);
  game.Mouse(engine::kMouseRightUp, p.x, p.y);
}

bool PressButton(Harness& game, int index) {
  game.Frame(16);  // the screen as the player sees it
  if (index < 0 || index >= Hotspots().MenuHotspots.count) return false;
  const MenuHotspot& button = Hotspots().MenuHotspots.entries[index];
  if (button.x1 <= button.x0 || button.y1 <= button.y0) return false;  // greyed: nothing to press
  const int x = static_cast<int>((button.x0 + button.x1) / 2), y = static_cast<int>((button.y0 + button.y1) / 2);
  game.MoveTo(x, y);
  game.Click(x, y);
  return true;
}

bool WalkMedicTo(Harness& game, const Vector3& where, float reach, int clicks, bool defend) {
  for (int i = 0; i < clicks && States().gameState == STATE_OVERHEAD && Units().units[0]; ++i) {
    if ((Units().units[0]->pos - where).Length() < reach) return true;
    if (defend) DefendTheMedic(game);
    if (States().gameState != STATE_OVERHEAD) break;
    RightClick(game, OnScreen(where));
    game.Frames(20, kFrameMs);
  }
  return States().gameState == STATE_OVERHEAD && Units().units[0] && (Units().units[0]->pos - where).Length() < reach;
}

namespace {

// The tray entry holding `row`, -1 none.
int32_t TrayEntryOf(int32_t row) {
  for (int32_t k = 0; k < Tray().trayCount; ++k)
    if (Tray().trayTool[k] == row) return k;
  return -1;
}

int32_t DrawerSlotOf(int32_t row) {
  for (int32_t k = 0; k < toolDrawer.filled; ++k)
    if (toolDrawer.tools[k] == row) return k;
  return -1;
}

}  // namespace

void ClickHud(Harness& game, int32_t id) {
  const HudRect r = HudHotspotRect(id);
  game.MoveTo(r.x + r.width / 2, r.y + r.height / 2);
  game.Click(r.x + r.width / 2, r.y + r.height / 2);
  game.Frames(2, kFrameMs);
}

bool ClickTrayTool(Harness& game, int32_t row) {
  const int32_t k = TrayEntryOf(row);
  if (k < 0) return false;
  const int32_t left = k == 0 ? 0 : Tray().trayRightEdge[k - 1];
  const int32_t middle = (left + Tray().trayRightEdge[k]) / 2;
  for (int guard = 0; guard < 400 && (middle - PatientView().trayScroll < 4 ||
                                      middle - PatientView().trayScroll > kTrayWindowWidth - 4);
       ++guard) {
    const HudRect arrow = HudHotspotRect(middle - PatientView().trayScroll < 4 ? HUD_TRAY_LEFT : HUD_TRAY_RIGHT);
    game.MoveTo(arrow.x + arrow.width / 2, arrow.y + arrow.height / 2);
    game.Frame(16);
  }
  const HudRect tray = HudHotspotRect(HUD_TRAY_SLOTS);
  game.MoveTo(kTrayX + middle - PatientView().trayScroll, tray.y + tray.height / 2);
  game.Click(kTrayX + middle - PatientView().trayScroll, tray.y + tray.height / 2);
  game.Frames(2, kFrameMs);
  return true;
}

bool TakeTool(Harness& game, int32_t tool) {
  if (toolDrawer.IsOpen() && DrawerSlotOf(tool) < 0) {
    game.Click(200, 460);  // the tray's band beside the drawer shuts it
    game.Frames(20, kFrameMs);
  }
  if (!toolDrawer.IsOpen()) {
    const int32_t parent = ToolTable[tool].parentRow;
    if (!ClickTrayTool(game, tool) && (parent < 0 || !ClickTrayTool(game, parent))) return false;
    if (PatientView().selectedTool == tool) return true;
  }
  for (int frames = 0; frames < 100 && toolDrawer.state == DRAWER_OPENING; ++frames) game.Frame(kFrameMs);
  const int32_t slot = DrawerSlotOf(tool);
  if (toolDrawer.state != DRAWER_OPEN || slot < 0) return false;
  const int x = toolDrawer.x + kDrawerHitInset + slot * toolDrawer.slotSpacing + toolDrawer.slotSpacing / 2;
  const int y = static_cast<int>(toolDrawer.y) + 20;
  game.MoveTo(x, y);
  game.Click(x, y);
  game.Frames(2, kFrameMs);
  return PatientView().selectedTool == tool;
}

bool ClickOnNamed(Harness& game, const engine::EngineRef<engine::EngineActor>& node, const std::string& name) {
  if (!node) return false;
  const engine::Vec3 at = node->GetPosition()->Value();
  const auto screen = Engine().engineCamera->WorldToScreen(at.x, at.y, at.z);
  const int cx = static_cast<int>(screen->GetX());
  const int cy = static_cast<int>(screen->GetY());
  const std::wstring wanted(name.begin(), name.end());
  for (int r = 0; r <= 60; r += 2) {
    for (int dy = -r; dy <= r; dy += 2) {
      for (int dx = -r; dx <= r; dx += 2) {
        if (std::max(std::abs(dx), std::abs(dy)) != r) continue;
        const int x = cx + dx - (Engine().screenWidth - 640) / 2;
        const int y = cy + dy - (Engine().screenHeight - 480) / 2;
        if (y >= kHudBandTop || y < 0 || x < 0 || x >= 640) continue;
        const auto hit = Engine().engineCamera->Pick(cx + dx, cy + dy);
        if (!hit || hit->GetEntity()->GetName() != wanted) continue;
        game.MoveTo(x, y);
        game.Click(x, y);
        game.Frames(2, kFrameMs);
        return true;
      }
    }
  }
  return false;
}

bool ClickOnBodyPart(Harness& game, int32_t part) {
  if (!Slots().currentPatient || !IsBodyPart(part)) return false;
  return ClickOnNamed(game, ObjectsOf(*Slots().currentPatient).boneFrames[part], kBoneNames[part]);
}

Treatment TreatByTheBook(Harness& game, Patient& patient) {
  Treatment done;
  for (const TreatmentStep* step = FindHintStep(patient); step != nullptr; step = FindHintStep(patient)) {
    if (States().gameState == STATE_PATIENT_VIEW && EnemyInReach() >= 0) {
      // An enemy come close while he works: the pistol from the view's button, then back to the casualty.
      ClickHud(game, HUD_PISTOL);
      DefendTheMedic(game);
      FullDisplayTurn(game);
      if (States().gameState == STATE_OVERHEAD) PressOverhead(game, OVERHEAD_VIEW_PATIENT);
      game.Frames(3, kFrameMs);
    }
    if (done.moves >= kMaxMoves || !InMission() || Slots().currentPatient != &patient) return done;
    bool ok = false;
    if (IsKitHead(step->tool)) {
      ok = PlayKit(game, patient, *step, done);
    } else {
      ok = DoStep(game, patient, step->tool, *step, step->location, step->side, done);
    }
    if (!ok) return done;  // the pack has nothing for it, or the step cannot be done on this body
  }
  done.finished = true;
  return done;
}

void NoteState(RoadTrace& trace) {
  const MissionProgress& p = Progress();
  char line[256];
  std::snprintf(line, sizeof line,
                "state %d mission %d level %d end %d score %d/%d campaign %d/%d ribbons %d badges %d%d%d "
                "promotions %d tier %d",
                States().gameState, Campaign().missionNumber, Campaign().difficulty, Outcome().missionEndFlag,
                p.missionScore, p.missionMaximum, p.campaignScore, p.campaignMaximum, p.ribbonTotal, p.badgeCount[0],
                p.badgeCount[1], p.badgeCount[2], p.promotionCount, DebriefTier());
  trace.push_back(line);
}

MissionPlay PlayMissionByTheBook(Harness& game, int maxSeconds, int treatAtMost) {
  MissionPlay play;
  const int32_t limitMs = maxSeconds * 1000;
  const int32_t started = Clock().gameClock;
  auto timeLeft = [&] { return InMission() && Clock().gameClock - started < limitMs; };
  game.Frames(12, kFrameMs);  // the mission's start countdown

  while (timeLeft()) {
    if (States().gameState == STATE_PATIENT_VIEW) ClickHud(game, HUD_OVERHEAD);
    if (play.treated == treatAtMost) return play;
    const int32_t waiting = WaitingCasualty();
    const int32_t lying = waiting < 0 ? ReadiedCasualtyLeftLying() : -1;
    if (waiting < 0 && lying < 0) {
      game.Frames(20, kFrameMs);  // the team and the helicopter do the rest
      continue;
    }
    const int32_t target = waiting >= 0 ? waiting : lying;
    // Nobody walks out under fire alone: the support team is called to the medic's side before each walk.
    if (!Battle().supportActive) {
      FullDisplayTurn(game);
      PressOverhead(game, OVERHEAD_SUPPORT);
    }
    if (!WalkMedicTo(game, Units().units[target]->pos, 5.0f, 6)) continue;
    FullDisplayTurn(game);
    if (!InMission() || NearestCasualtySlot() != target - Units().firstPatientUnit) continue;

    if (waiting < 0) {
      // Readied and left where he lay: the medic drags him to the landing point himself.
      ChooseExtractionPoint();
      PressOverhead(game, OVERHEAD_DRAG_PATIENT);
      if (!MedicDrag().dragging) continue;
      WalkMedicTo(game, Battle().evacuationPoint, 6.0f, 30);
      FullDisplayTurn(game);
      if (States().gameState == STATE_OVERHEAD && MedicDrag().dragging) PressOverhead(game, OVERHEAD_DRAG_PATIENT);
      continue;
    }

    PressOverhead(game, OVERHEAD_VIEW_PATIENT);
    if (States().gameState != STATE_PATIENT_VIEW || Slots().currentPatient == nullptr) continue;
    game.Frames(3, kFrameMs);
    Patient& patient = *Slots().currentPatient;
    const Treatment treatment = TreatByTheBook(game, patient);
    play.unseenMoves += treatment.unseen;
    play.handedTools += treatment.handed;
    if (States().gameState != STATE_PATIENT_VIEW || Slots().currentPatient != &patient) continue;
    ++play.treated;
    // The call: back to his unit when his wound allows, else ready for the helicopter; either takes the
    // medic back to the overhead view.
    ClickHud(game, patient.IsReturnableToAction() ? HUD_RETURN_TO_ACTION : HUD_READY_FOR_EVAC);
    play.battle.push_back(BattleChecksum());
  }
  play.endFlag = Outcome().missionEndFlag;
  play.battle.push_back(BattleChecksum());
  // The battle's last frames: the debriefing follows the mission's end.
  if (InMission() && Outcome().missionEndFlag != 0) game.RunUntilState(STATE_DEBRIEFING, kFrameMs, 5000);
  return play;
}

int PlayFromTheBriefing(Harness& game, RoadTrace& trace, int maxTries) {
  for (int attempt = 1; attempt <= maxTries; ++attempt) {
    if (States().gameState != STATE_BRIEFING || !PressButton(game, BRIEFING_START_MISSION)) return 0;
    if (States().gameState != STATE_OVERHEAD) return 0;
    const MissionPlay play = PlayMissionByTheBook(game);
    NoteState(trace);
    for (uint64_t sum : play.battle) trace.push_back("battle " + std::to_string(sum));
    if (States().gameState == STATE_KIA) {
      PressButton(game, KIA_REPLAY);
      NoteState(trace);
      continue;
    }
    if (States().gameState != STATE_DEBRIEFING) return 0;
    const DebriefingButtons buttons = ChooseDebriefingButtons(Campaign().missionNumber, Progress().missionScore,
                                                              Progress().missionMaximum, Campaign().trainingRun != 0);
    PressButton(game, buttons.next ? DEBRIEFING_NEXT : DEBRIEFING_REPLAY);
    NoteState(trace);
    if (buttons.next) return attempt;
  }
  return 0;
}

}  // namespace kestrine::scenario
