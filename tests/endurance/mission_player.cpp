#include "mission_player.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <exception>
#include <fstream>
#include <memory>
#include <sstream>

#include "battlefield/battle_state.h"
#include "battlefield/unit.h"
#include "battlefield/unit_array.h"
#include "core/engine_internals.h"
#include "core/input_script.h"
#include "engine/engine.h"
#include "scenario/battle_trace.h"
#include "shell/developer_keys.h"
#include "shell/engine_setup.h"
#include "shell/events.h"
#include "shell/game_state.h"
#include "shell/layout.h"
#include "shell/mission_frames.h"
#include "shell/mission_progress.h"

namespace kestrine::scenario {
namespace {

struct Point {
  int x, y;
};

// Where the menus' buttons are on the 640 x 480 screen.
constexpr Point kAccept{487, 446};
// The menus' first rows: TRAINING, NEW GAME; NOVICE, INTERMEDIATE, EXPERT; the three training missions.
constexpr std::array<Point, 3> kMenuRows{{{165, 192}, {165, 217}, {165, 242}}};
constexpr int32_t kFirstTraining = 11;
constexpr Point kSelectFigure{453, 421};
constexpr Point kStartMission{504, 356}, kLoadBackpack{504, 380};
constexpr Point kDebriefingReplay{504, 370};
constexpr Point kKiaReplay{488, 421};
constexpr Point kPauseContinue{321, 272};

// A mission that has not ended this long after its clock ran out hangs.
constexpr int64_t kEndMarginMs = 60000;
// Menus answer at once: this many tries on one screen and the road is stuck.
constexpr int kTriesPerScreen = 40;

// The resident set of this process, from the second field of /proc/self/statm (in pages).
long ResidentKb() {
  std::ifstream statm("/proc/self/statm");
  long size = 0, resident = 0;
  statm >> size >> resident;
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

bool DuringMission(int32_t state) {
  return state == STATE_OVERHEAD || state == STATE_PATIENT_VIEW || state == STATE_PAUSE_MENU;
}

// Sends events to the program, writes each as a script line, and watches what they do.
class Player {
 public:
  Player(Harness& game, PlayRecord& record, int32_t clockCutMs)
      : game_(game), record_(record), clockCutMs_(clockCutMs) {}

  void Frame(int ms) {
    Line() << "frame " << ms << '\n';
    game_.Frame(ms);
    ++record_.frames;
    if (inMission_) ++outcome_.frames;
    if (record_.frames % 100 == 0) record_.checksums.push_back(BattleChecksum());
    Watch();
  }
  void Mouse(int code, int x, int y) {
    Line() << "mouse " << code << ' ' << x << ' ' << y << '\n';
    game_.Mouse(code, x, y);
    Watch();
  }
  void Key(int vk, bool down) {
    Line() << "key " << vk << ' ' << (down ? 1 : 0) << '\n';
    game_.Key(vk, down);
    Watch();
  }
  void Press(int vk) {
    Key(vk, true);
    Key(vk, false);
  }
  void PointAndClick(Point p) {
    Mouse(engine::kMouseMove, p.x, p.y);
    Mouse(engine::kMouseLeftDown, p.x, p.y);
    Mouse(engine::kMouseLeftUp, p.x, p.y);
  }

  bool Faulty() const { return !record_.fault.empty(); }
  void Fault(const std::string& why) {
    if (record_.fault.empty()) record_.fault = why;
  }
  int MissionsEnded() const { return static_cast<int>(record_.outcomes.size()); }

  void Finish() {
    record_.states = game_.TracedStates();
    record_.script = script_.str();
  }

 private:
  std::ostringstream& Line() {
    ++record_.events;
    return script_;
  }

  void Watch() {
    if (!game_.Running()) Fault("the program ended in state " + std::to_string(States().gameState));
    if (!inMission_ && States().gameState == STATE_OVERHEAD) {
      inMission_ = true;
      if (clockCutMs_ > 0 && MissionTime().missionClock > clockCutMs_) SetMissionClock(clockCutMs_);
      outcome_ = MissionOutcome{};
      outcome_.mission = Campaign().missionNumber;
      outcome_.clockMs = MissionTime().missionClock;
      startedAt_ = Clock().gameClock;
    } else if (inMission_ && (States().gameState == STATE_DEBRIEFING || States().gameState == STATE_KIA)) {
      inMission_ = false;
      outcome_.endState = States().gameState;
      outcome_.endFlag = Outcome().missionEndFlag;
      outcome_.score = Progress().missionScore;
      outcome_.maximum = Progress().missionMaximum;
      outcome_.playedMs = Clock().gameClock - startedAt_;
      // The engine keeps every model file it read, with its pictures, for as long as it runs: those grow with
      // the files a mission happens to need first, not with the missions played.
      outcome_.liveObjects =
          engine::EngineUnknown::LiveCount() - engine::CoreOf(game_.Root()).Scene().KeptObjectCount();
      outcome_.stageObjects = Engine().engineStage ? Engine().engineStage->Objects().size() : 0;
      record_.outcomes.push_back(outcome_);
      record_.residentKb.push_back(ResidentKb());
    } else if (inMission_ && !DuringMission(States().gameState)) {
      Fault("mission " + std::to_string(outcome_.mission) + " left for state " + std::to_string(States().gameState));
    }
    if (inMission_ && Clock().gameClock - startedAt_ > outcome_.clockMs + kEndMarginMs)
      Fault("mission " + std::to_string(outcome_.mission) +
            " did not end by its clock: " + std::to_string(Clock().gameClock - startedAt_) +
            " ms played on a clock of " + std::to_string(outcome_.clockMs) + " ms (state " +
            std::to_string(States().gameState) + ", end flag " + std::to_string(Outcome().missionEndFlag) + ")");
  }

  Harness& game_;
  PlayRecord& record_;
  int32_t clockCutMs_;
  std::ostringstream script_;
  bool inMission_ = false;
  MissionOutcome outcome_;
  int64_t startedAt_ = 0;
};

// The monkey's own generator (the game's must draw exactly what it would draw without a monkey).
class MonkeyDice {
 public:
  explicit MonkeyDice(uint32_t seed) : state_(seed * 2654435761u + 1) {}
  // 0 .. n - 1
  int Below(int n) {
    state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
    return static_cast<int>((state_ >> 33) % static_cast<uint64_t>(n));
  }
  int Between(int low, int high) { return low + Below(high - low + 1); }

 private:
  uint64_t state_;
};

// The keys a player might press, Escape among them; the developer's arming keys are left out (they are
// not a player's, and a frozen clock would never end the mission).
constexpr int kKeys[] = {27,  37,  38,  39,  40,  'R', 'C', ' ', 13,  9,   8,   16,  17,  18,  33,  34,
                         35,  36,  45,  46,  '0', '1', '2', '3', '4', '5', '6', '7', '8', '9', 'A', 'B',
                         'D', 'E', 'F', 'G', 'H', 'I', 'J', 'K', 'L', 'M', 'N', 'O', 'P', 'Q', 'S', 'T',
                         'U', 'V', 'W', 'X', 'Y', 'Z', 112, 113, 114, 115, 116, 117, 118, 122, 123, 96,
                         97,  98,  99,  100, 101, 102, 103, 104, 105, 107, 109, 187, 189, 190, 188};

int FrameLength(MonkeyDice& dice) {
  const int r = dice.Below(100);
  if (r < 60) return dice.Between(16, 17);
  if (r < 85) return 33;
  if (r < 97) return dice.Between(50, 100);
  return dice.Between(101, 250);  // a stall
}

Point AnyPoint(MonkeyDice& dice) {
  // Often on the strip of buttons at the bottom, where both views keep theirs.
  if (dice.Below(10) < 3) return {dice.Below(640), dice.Between(380, 479)};
  return {dice.Below(640), dice.Below(480)};
}

// The overhead view's VIEW PATIENT button, and the mini-map's corner and size (64 pixels for 180 of the world).
constexpr Point kViewPatient{290, 429};
constexpr Point kMiniMap{19, 363};
constexpr float kWorldPerMapPixel = 2.8125f;

// What a player aims at rather than hits by chance: a casualty's place on the mini-map, right-clicked so
// that the medic walks there, and VIEW PATIENT once he is close enough for the button to show.
bool PurposefulStep(Player& player, MonkeyDice& dice) {
  if (States().gameState != STATE_OVERHEAD) return false;
  if (Battle().nearestPatientDistance < 7.0 && dice.Below(3) == 0) {
    player.Mouse(engine::kMouseLeftDown, kViewPatient.x, kViewPatient.y);
    player.Mouse(engine::kMouseLeftUp, kViewPatient.x, kViewPatient.y);
    return true;
  }
  if (dice.Below(40) != 0) return false;
  for (int32_t i = Units().firstPatientUnit; i >= 0 && i < Units().unitCount && i < kUnitSlotCount; ++i) {
    if (!Units().units[i] || Units().units[i]->state >= 2) continue;
    const Vector3 at = Units().units[i]->pos;
    const int x =
        std::clamp(kMiniMap.x + static_cast<int>((at.x + 90.0f) / kWorldPerMapPixel), kMiniMap.x, kMiniMap.x + 63);
    const int y =
        std::clamp(kMiniMap.y + 64 - static_cast<int>((at.z + 90.0f) / kWorldPerMapPixel), kMiniMap.y, kMiniMap.y + 63);
    player.Mouse(engine::kMouseRightDown, x, y);
    player.Mouse(engine::kMouseRightUp, x, y);
    return true;
  }
  return false;
}

bool InTheViews() { return States().gameState == STATE_OVERHEAD || States().gameState == STATE_PATIENT_VIEW; }

// One step of the monkey in the overhead or patient view: a frame, and now and then some input. The
// monkey plays only these views: once a frame has taken the game elsewhere (the mission's end, the pause
// menu), the rest of the step is dropped.
void MonkeyStep(Player& player, MonkeyDice& dice) {
  player.Frame(FrameLength(dice));
  if (!InTheViews() || PurposefulStep(player, dice)) return;
  if (dice.Below(100) >= 40) return;
  const int what = dice.Below(100);
  const Point p = AnyPoint(dice);
  if (what < 30) {
    player.Mouse(engine::kMouseMove, p.x, p.y);
  } else if (what < 55) {
    player.Mouse(engine::kMouseLeftDown, p.x, p.y);
    if (dice.Below(4) == 0) player.Frame(FrameLength(dice));
    if (InTheViews()) player.Mouse(engine::kMouseLeftUp, p.x, p.y);
  } else if (what < 65) {
    player.Mouse(engine::kMouseRightDown, p.x, p.y);
    player.Mouse(engine::kMouseRightUp, p.x, p.y);
  } else if (what < 70) {
    // A drag: down, a few moves over some frames, up.
    player.Mouse(engine::kMouseLeftDown, p.x, p.y);
    for (int i = dice.Between(1, 4); i > 0 && InTheViews(); --i) {
      player.Frame(FrameLength(dice));
      const Point q = AnyPoint(dice);
      if (InTheViews()) player.Mouse(engine::kMouseMove, q.x, q.y);
    }
    const Point q = AnyPoint(dice);
    if (InTheViews()) player.Mouse(engine::kMouseLeftUp, q.x, q.y);
  } else {
    const int key = kKeys[dice.Below(static_cast<int>(std::size(kKeys)))];
    if (what < 97) {
      player.Key(key, true);
      if (dice.Below(2) == 0) player.Frame(FrameLength(dice));
      if (InTheViews()) player.Key(key, false);
    } else {
      player.Key(key, dice.Below(2) == 0);  // a lone press or release
    }
  }
}

// The main menu: a training mission is chosen from the training menu; a campaign mission with the
// developer keys (F8, then M once per mission ahead, and a plain key to put the developer level back to
// off) before NEW GAME.
void ChooseMission(Player& player, int32_t mission) {
  if (mission >= kFirstTraining) {
    player.PointAndClick(kMenuRows[0]);
    return;
  }
  player.Press(VK_DEV_DIRECT);
  for (int32_t m = 1; m < mission; ++m) player.Press(VK_DEV_MISSION);
  player.Press(16);
  player.PointAndClick(kMenuRows[1]);
}

// Lets the screen run a moment, as a player reads it before clicking.
void Linger(Player& player, int frames) {
  for (int i = 0; i < frames && !player.Faulty(); ++i) player.Frame(16);
}

PlayRecord Play(uint32_t seed, const std::function<void(Player&)>& drive, int32_t clockCutMs) {
  PlayRecord record;
  HarnessOptions options;
  options.seed = seed;
  Harness game(options);
  Player player(game, record, clockCutMs);
  try {
    drive(player);
  } catch (const std::exception& e) {
    player.Fault(std::string("the program failed in state ") + std::to_string(States().gameState) + ": " + e.what());
  }
  player.Finish();
  return record;
}

}  // namespace

PlayRecord PlayMonkey(const MonkeyPlan& plan) {
  return Play(
      plan.seed,
      [&plan](Player& player) {
        MonkeyDice dice(plan.seed);
        int32_t lastState = -1;
        int tries = 0;
        while (!player.Faulty()) {
          const int32_t state = States().gameState;
          if (state != STATE_OVERHEAD && state != STATE_PATIENT_VIEW) {
            tries = state == lastState ? tries + 1 : 0;
            // The logos take a second of 16 ms frames; a menu answers its click at once.
            if (tries > (state == STATE_LOGOS ? 200 : kTriesPerScreen)) {
              player.Fault("stuck in state " + std::to_string(state));
              break;
            }
          }
          lastState = state;
          switch (state) {
            case STATE_LOGOS:
              player.Frame(16);
              break;
            case STATE_DISCLAIMER:
              Linger(player, 2);
              player.PointAndClick(kAccept);
              break;
            case STATE_MAIN_MENU:
              ChooseMission(player, plan.mission);
              break;
            case STATE_DIFFICULTY:
              player.PointAndClick(kMenuRows[static_cast<size_t>(plan.difficulty)]);
              break;
            case STATE_TRAINING:
              player.PointAndClick(kMenuRows[static_cast<size_t>(plan.mission - kFirstTraining)]);
              break;
            case STATE_PLAYER_SELECT:
              Linger(player, 2);
              player.PointAndClick(kSelectFigure);
              break;
            case STATE_BRIEFING:
              Linger(player, 3);
              // A training run is played at novice, whatever the plan says.
              player.PointAndClick(Campaign().difficulty < 2 ? kStartMission : kLoadBackpack);
              break;
            case STATE_BACKPACK:
              Linger(player, 2);
              player.PointAndClick({PanelX(225) + 40, PanelY(386) + 10});  // START MISSION
              break;
            case STATE_OVERHEAD:
            case STATE_PATIENT_VIEW:
              MonkeyStep(player, dice);
              break;
            case STATE_PAUSE_MENU:
              // Its buttons are drawn with its first frame.
              player.Frame(16);
              player.PointAndClick(kPauseContinue);
              break;
            case STATE_DEBRIEFING:
            case STATE_KIA:
              Linger(player, 20);
              if (player.MissionsEnded() >= plan.missions) return;
              player.PointAndClick(state == STATE_KIA ? kKiaReplay : kDebriefingReplay);
              break;
            default:
              player.Fault("the monkey strayed into state " + std::to_string(state));
              break;
          }
        }
      },
      plan.clockCutMs);
}

PlayRecord PlayScript(const std::string& script, uint32_t seed) {
  return Play(
      seed,
      [&script](Player& player) {
        std::unique_ptr<engine::InputScript> lines = engine::InputScript::Parse(script, "monkey script");
        engine::ScriptAction action;
        while (!player.Faulty() && lines->Next(action)) {
          if (action.kind == engine::ScriptAction::Quit) break;
          if (action.kind != engine::ScriptAction::Event) continue;
          const engine::RawEvent& e = action.event;
          if (e.id == engine::kEventFrame)
            player.Frame(e.frameTime);
          else if (e.id == engine::kEventMouse)
            player.Mouse(e.button, e.mouseX, e.mouseY);
          else if (e.id == engine::kEventKey)
            player.Key(e.keyCode, e.keyDown != 0);
        }
      },
      0);
}

}  // namespace kestrine::scenario
