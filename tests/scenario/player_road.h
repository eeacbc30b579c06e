// A player on the whole road, headless: the buttons of whichever screen is shown pressed where they are
// drawn, the medic walked by right clicks, casualties opened with VIEW PATIENT and treated by the book with
// clicks on their bodies, and a trace of what the run went through (states, scores, medals) to compare runs.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "harness.h"
#include "shell/vector3.h"

namespace kestrine {
class Patient;
class Unit;
struct CasualtyCase;
}  // namespace kestrine

namespace kestrine::scenario {

struct ScreenPoint {
  int x, y;
};

// ---- the mission ----
// A mission started through the game-state switch as its briefing's START MISSION starts it: its casualties
// decided (the first one `first` when given) and, with `packed`, the standard kit loaded beforehand as the
// backpack screen leaves it. False when the overhead view did not open.
bool StartMission(int32_t mission, int32_t level, const CasualtyCase* first = nullptr, bool packed = false);
// The first casualty waiting for the medic; null when none is.
Unit* Waiting();

// ---- the mouse on the screens ----
// Where a world point shows in the 3D view, kept inside the part of it above the overhead view's strip.
ScreenPoint OnScreen(const Vector3& world);
void RightClick(Harness& game, ScreenPoint p);
// Button `index` of the screen shown (its hot-spot list), pressed where it is drawn: the pointer comes to
// rest on it first, as a hand on a mouse does. False when the screen has no such button.
bool PressButton(Harness& game, int index);
// The overhead view's button `id` (OVERHEAD_*) clicked in its middle.
void PressOverhead(Harness& game, int32_t id);
// Enough frames for every stage of the overhead display to come round (the buttons' regions among them).
void FullDisplayTurn(Harness& game);
// Right clicks toward `where` (a second of frames apart, at most `clicks`) until the medic is within `reach`;
// with `defend`, he first fires his pistol at the enemies who come within its reach.
bool WalkMedicTo(Harness& game, const Vector3& where, float reach, int clicks = 40, bool defend = true);

// ---- the patient view ----
// The middle of a head-up display hot-spot (HUD_*), pointed at and clicked.
void ClickHud(Harness& game, int32_t id);
// `tool` taken into the hand the player's way: its icon in the tray brought into the window on the arrows
// and clicked, or its tray tool's drawer opened and its slot clicked (a drawer open for another tool shut
// first). False when neither the tray nor a drawer holds it.
bool TakeTool(Harness& game, int32_t tool);
// The tray tool `row` clicked the player's way: the pointer rests on the tray's arrows until its icon is in
// the window, then clicks it (a drawer's head opens its drawer). False when the tray does not hold it.
bool ClickTrayTool(Harness& game, int32_t row);
// Clicks on a body part where the camera sees it, with whatever is in hand: the first point near the part's
// bone, searching outwards, where a pick finds that part. False when the camera cannot see the part.
bool ClickOnBodyPart(Harness& game, int32_t part);
// Clicks on a named object hung on the body (its pick actor `node`); false when it cannot be seen.
bool ClickOnNamed(Harness& game, const engine::EngineRef<engine::EngineActor>& node, const std::string& name);

struct Treatment {
  int moves = 0;          // tools put to the body
  int unseen = 0;         // of them, on a part the camera did not show (given to the rules directly)
  int handed = 0;         // tools neither tray nor drawer offered, put in the hand directly
  bool finished = false;  // nothing was left to do
};
// The medic who treats by the book: whatever the casualty's wound prescribes next (the step the hint
// names), examinations, kits part by part and tools on their places, clothing cut away where it is in the
// way, until nothing is left to do or the pack has nothing for the next step.
Treatment TreatByTheBook(Harness& game, Patient& patient);

// ---- the trace ----
// The state and the campaign's record as they stand, one line each time it is noted.
using RoadTrace = std::vector<std::string>;
void NoteState(RoadTrace& trace);

// ---- whole missions ----
struct MissionPlay {
  int treated = 0;
  int unseenMoves = 0;
  int handedTools = 0;
  // The battle's checksum after each casualty's call and at the mission's end, one after the other.
  std::vector<uint64_t> battle;
  int endFlag = 0;
};
// From the overhead view to the mission's end (the debriefing or KIA): every waiting casualty walked to,
// opened, treated by the book and readied (or sent back to his unit when his wound allows), then the
// frames go by until the battle ends the mission (at most `maxSeconds` of game time). With `treatAtMost`, back
// in the overhead view once that many are treated, the mission still running.
MissionPlay PlayMissionByTheBook(Harness& game, int maxSeconds = 4000, int treatAtMost = -1);
// A briefed mission played to its way on: START MISSION, the mission by the book, then at the debriefing
// NEXT MISSION (or FINISH); REPLAY after a medic killed or a score too low to go on. Returns the attempt that
// went on (1 the first), 0 when none of `maxTries` did. Notes the state after each mission and each button,
// and each mission's battle checksums.
int PlayFromTheBriefing(Harness& game, RoadTrace& trace, int maxTries = 3);

}  // namespace kestrine::scenario
