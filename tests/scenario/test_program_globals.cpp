// Scenarios share one process: whatever a run of the program leaves in its globals must be gone when the
// next run starts, or one test's pack, score or loaded pictures would decide another test's result. Every
// global sits in a record that ResetProgramState puts back; these tests show that a second run plays as the
// first did, that no writable global of the game's libraries is left outside a record, and that the resets
// with work of their own do it. A state no subsystem registered says so.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "casualty/backpack.h"
#include "casualty/casualty_slots.h"
#include "casualty/injury_picker.h"
#include "casualty/report_lines.h"
#include "casualty/step_interpreter.h"
#include "casualty/tool_table.h"
#include "casualty_view/backpack_screen.h"
#include "casualty_view/tool_images.h"
#include "engine/engine.h"
#include "harness.h"
#include "shell/asset_loader.h"
#include "shell/developer_keys.h"
#include "shell/events.h"
#include "shell/game_state.h"
#include "shell/hotspots.h"
#include "shell/main_window.h"
#include "shell/mission_frames.h"
#include "shell/mission_progress.h"
#include "shell/movie/movie_queue.h"
#include "shell/overlays.h"
#include "shell/program_state.h"
#include "shell/screen_table.h"

namespace kestrine::scenario {
namespace {

// A body that only counts its releases (the patient is deleted right after one).
class CountingBody : public NoBody {
 public:
  explicit CountingBody(int* releases) : releases_(releases) {}
  void ReleasePatient() override { ++*releases_; }

 private:
  int* releases_;
};

// What a player or a later screen could notice, one line per step of the run.
std::string Snapshot(const char* step) {
  char line[320];
  std::snprintf(line, sizeof line,
                "%s: state %d/%d clock %lld/%d/%d pack %d kept %d tools %d assets %d score %d/%d report %d picks %d "
                "hotspot %d debug %d movies %d\n",
                step, States().gameState, States().previousGameState, static_cast<long long>(Clock().gameClock),
                MissionTime().missionClock, Clock().clampCountdown, Pack().totalItems,
                PackState().keepBackpack ? 1 : 0, ToolImages().toolCount, Assets().sharedAssetsLoaded,
                Progress().missionScore, Progress().missionMaximum, Report().reportLineCount,
                PickedInjuries().pickedInjuryCount, Hotspots().hotspotIndex, Developer().debugMode,
                MovieQueue().movieCount);
  return line;
}

// One run through the screens that are built: logos, disclaimer, menu, briefing (intro movie), backpack,
// mission start, a treated patient, the mission's end and the debriefing with its report; then the window
// closes. The transcript is the engine's trace followed by the snapshots.
std::string PlayOnce() {
  std::string snapshots;
  std::string trace;
  {
    Harness game;
    EXPECT_TRUE(game.RunUntilState(STATE_DISCLAIMER));
    game.MoveTo(480, 440);
    game.Click(480, 440);
    snapshots += Snapshot("disclaimer");
    SetGameState(STATE_MAIN_MENU);
    game.Press(VK_DEV_ARM);
    game.Press(VK_DEV_RAISE);
    game.Press(VK_DEV_WOUNDS);
    snapshots += Snapshot("menu");
    SetGameState(STATE_BRIEFING);
    game.Frame(16);
    snapshots += Snapshot("briefing");
    SetGameState(STATE_BACKPACK);
    game.Frame(16);
    AddToBackpack(TOOL_BANDAGE);
    game.MoveTo(300, 200);
    snapshots += Snapshot("backpack");
    LoadAllAssets();
    SetGameState(STATE_START_MISSION);
    game.Frames(8, 100);
    snapshots += Snapshot("overhead");
    PlaceCasualty(0, std::make_unique<Patient>());
    SetCurrentPatient(Slots().casualties[0].get());
    SetUpWound(*Slots().currentPatient, PickCasualtyInjury(0), nullptr);
    SetGameState(STATE_OPEN_PATIENT_VIEW);
    Slots().currentPatient->ApplyTool(TOOL_GLOVE, PART_HEAD, 320, 240, 0);
    Slots().currentPatient->ApplyTool(TOOL_STETHOSCOPE, PART_CHEST, 320, 240, 0);
    game.Frames(3, 100);
    snapshots += Snapshot("patient");
    EndMission(END_EVACUATED);
    game.Frame(16);
    game.Frame(16);
    snapshots += Snapshot("debriefing");
    game.Close();
    trace = game.DebugLog();
  }
  return trace + snapshots;
}

TEST(ProgramRuns, TheSecondRunInOneProcessPlaysAndTracesAsTheFirst) {
  const std::string first = PlayOnce();
  ASSERT_NE(first.find("debriefing: state 20/"), std::string::npos) << first;
  ASSERT_NE(first.find("game state 20"), std::string::npos);
  EXPECT_EQ(PlayOnce(), first);
}

TEST(ProgramRuns, AStateNoSubsystemRegisteredSaysItsScreenIsNotBuiltOnceAndDoesNothingElse) {
  Harness game;
  ASSERT_TRUE(game.RunUntilState(STATE_DISCLAIMER));
  SetGameState(19);
  EXPECT_EQ(States().gameState, 19);
  EXPECT_EQ(States().previousGameState, STATE_DISCLAIMER);
  const int32_t hotspot = Hotspots().hotspotIndex;
  game.Frames(3, 16);
  game.MoveTo(480, 440);
  game.Click(480, 440);
  game.Press('A');
  SetGameState(19);
  EXPECT_EQ(Hotspots().hotspotIndex, hotspot);  // no hover test ran for it
  // Said once, and by no other state.
  const std::string log = game.DebugLog();
  EXPECT_NE(log.find("screen 19 not built"), std::string::npos);
  int said = 0;
  for (size_t at = log.find("not built"); at != std::string::npos; at = log.find("not built", at + 1)) ++said;
  EXPECT_EQ(said, 1);
}

// Closing the window: each screen's release is recorded, and the real one (where there is one) runs.
std::vector<int> released;
bool overlaysGoneBefore[32];
void (*realRelease[32])();
template <int kState>
void RecordRelease() {
  released.push_back(kState);
  overlaysGoneBefore[kState] = !Overlays().fullScreenOverlay;
  if (realRelease[kState]) realRelease[kState]();
}

TEST(ProgramRuns, ClosingTheWindowHasTheScreensLetGoInOrderThenTheOverlaysThenTheSlotScreens) {
  Harness game;
  ASSERT_TRUE(game.RunUntilState(STATE_DISCLAIMER));
  SetGameState(STATE_BACKPACK);
  game.Frame(16);
  ASSERT_TRUE(BackpackScreen().backpackScreenBuilt);
  int patientReleases = 0;
  PlaceCasualty(0, std::make_unique<Patient>(std::make_unique<CountingBody>(&patientReleases)));
  const std::pair<int, void (*)()> recorders[] = {
      {17, RecordRelease<17>}, {18, RecordRelease<18>}, {15, RecordRelease<15>}, {14, RecordRelease<14>},
      {13, RecordRelease<13>}, {3, RecordRelease<3>},   {4, RecordRelease<4>},   {20, RecordRelease<20>}};
  released.clear();
  for (const auto& [state, recorder] : recorders) {
    Screen screen = FindScreen(state) ? *FindScreen(state) : Screen{};
    realRelease[state] = screen.release;
    screen.release = recorder;
    RegisterScreen(state, screen);
  }
  game.Close();
  // A screen two states share (the slot screens, the briefing and debriefing) lets go once, by its first.
  EXPECT_EQ(released, (std::vector<int>{17, 18, 15, 14, 13, 3}));
  EXPECT_FALSE(overlaysGoneBefore[13]);
  EXPECT_TRUE(overlaysGoneBefore[3]);
  EXPECT_FALSE(BackpackScreen().backpackScreenBuilt);
  EXPECT_EQ(patientReleases, 1);
  EXPECT_FALSE(Slots().casualties[0]);
}

// ---- no global outside a registered record ----

struct Symbol {
  std::string section;
  std::string name;  // demangled
};

// The symbols of each object file of a static library, by object file.
std::vector<std::pair<std::string, std::vector<Symbol>>> ReadSymbols(const std::string& library) {
  std::vector<std::pair<std::string, std::vector<Symbol>>> objects;
  FILE* pipe = popen(("objdump -t -C '" + library + "' 2>/dev/null").c_str(), "r");
  if (!pipe) return objects;
  std::string text;
  char buffer[4096];
  while (size_t n = fread(buffer, 1, sizeof buffer, pipe)) text.append(buffer, n);
  pclose(pipe);
  // "<object>:     file format ..." opens each member; a symbol line is
  // "<value> <7 flag columns> <section>\t<size> <name>".
  static const std::regex member(R"(^(\S+):\s+file format)");
  static const std::regex symbol(R"(^[0-9a-f]+ .{7} (\S+)\t[0-9a-f]+ (.*)$)");
  std::istringstream lines(text);
  std::string line;
  std::smatch match;
  while (std::getline(lines, line)) {
    if (std::regex_search(line, match, member)) {
      objects.emplace_back(match[1], std::vector<Symbol>{});
    } else if (!objects.empty() && std::regex_match(line, match, symbol)) {
      objects.back().second.push_back(Symbol{match[1], match[2]});
    }
  }
  return objects;
}

bool Writable(const std::string& section) {
  const bool data = section.rfind(".data", 0) == 0 || section.rfind(".bss", 0) == 0 ||
                    section.rfind(".tdata", 0) == 0 || section.rfind(".tbss", 0) == 0;
  // Relocated once at load and read-only after: the game's names for its records (references) and tables.
  return data && section.rfind(".data.rel.ro", 0) != 0;
}

std::string LastComponent(const std::string& name) {
  const size_t colons = name.rfind("::");
  return colons == std::string::npos ? name : name.substr(colons + 2);
}

// The program's make-up, filled once at start-up and the same for every run (the battle's frame among it),
// and the movie player's window object (its window is made afresh by each run that plays a movie).
const char* const kMakeUp[] = {"Registrations()::registrations",   "Table()::table",
                               "SharedAssetReleases()::releases",  "RegisteredBattleFrame()::frame",
                               "WindowObject()::window",           "RegisteredBattleLink()::link",
                               "RegisteredCasualtyCases()::source"};

bool IsMakeUp(const std::string& name) {
  for (const char* suffix : kMakeUp) {
    const std::string s(suffix);
    if (name.size() >= s.size() && name.compare(name.size() - s.size(), s.size(), s) == 0) return true;
  }
  return false;
}

TEST(ProgramState, EveryWritableGlobalOfTheGameLibrariesIsARegisteredRecordOfItsOwnFile) {
  const std::string prefix = "kestrineProgramStateOf_";
  std::vector<std::string> outside;
  int records = 0;
  std::istringstream libraries(KESTRINE_GAME_LIBRARIES);
  std::string library;
  while (std::getline(libraries, library, '|')) {
    const auto objects = ReadSymbols(library);
    ASSERT_FALSE(objects.empty()) << "objdump read nothing from " << library;
    for (const auto& [object, symbols] : objects) {
      std::set<std::string> registered;
      for (const Symbol& s : symbols) {
        const std::string last = LastComponent(s.name);
        if (last.rfind(prefix, 0) == 0) registered.insert(last.substr(prefix.size()));
      }
      records += static_cast<int>(registered.size());
      for (const Symbol& s : symbols) {
        if (!Writable(s.section) || s.name.rfind("kestrine::", 0) != 0) continue;
        const std::string last = LastComponent(s.name);
        if (last.rfind(prefix, 0) == 0 || registered.count(last) || IsMakeUp(s.name)) continue;
        outside.push_back(object + ": " + s.name);
      }
    }
  }
  EXPECT_GT(records, 20);
  EXPECT_TRUE(outside.empty()) << "globals outside a registered record:\n" << ::testing::PrintToString(outside);
}

// ---- resets that do more than put back a fresh record ----

TEST(ProgramState, TheResetKeepsTheToolRowsDropsTheirPicturesAndReleasesEachPatientOnce) {
  auto root = engine::CreateEngineRoot("headless");
  const ToolDef before = ToolTable[TOOL_BANDAGE];
  toolPictures[TOOL_BANDAGE].sprite = root->CreateBitmap(4, 4);
  ToolTable[TOOL_BANDAGE].weight = 99.0;
  int releases = 0;
  PlaceCasualty(1, std::make_unique<Patient>(std::make_unique<CountingBody>(&releases)));
  PlaceCasualty(4, std::make_unique<Patient>(std::make_unique<CountingBody>(&releases)));
  SetCurrentPatient(Slots().casualties[4].get());
  mainWindow.root = root;

  ResetProgramState();

  EXPECT_FALSE(toolPictures[TOOL_BANDAGE].sprite);
  EXPECT_STREQ(ToolTable[TOOL_BANDAGE].name, before.name);
  EXPECT_EQ(ToolTable[TOOL_BANDAGE].weight, before.weight);
  EXPECT_EQ(releases, 2);
  EXPECT_FALSE(Slots().casualties[1] || Slots().casualties[4]);
  EXPECT_EQ(Slots().currentPatient, nullptr);
  EXPECT_FALSE(mainWindow.root);
}

}  // namespace
}  // namespace kestrine::scenario
