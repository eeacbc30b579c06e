// The whole game as a player plays it, headless on the virtual clock: the buttons pressed where they are
// drawn, the medic walked by right clicks, casualties opened with VIEW PATIENT and treated by the book with
// clicks on their bodies. The three training missions from the main menu back to it; the campaign from its
// first mission to the finish screen and the high-score table, twice with one seed for the same trace (and
// the same as another build's, when scripts/test hands over the release build's trace); a
// medic killed by his own grenade and a mission lost to the clock, each played again with REPLAY.
// On the virtual clock the whole campaign, played twice, takes a quarter of a minute.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "battlefield/overhead_hotspots.h"
#include "battlefield/unit.h"
#include "battlefield/unit_array.h"
#include "frontend/briefing_screen.h"
#include "frontend/campaign_awards.h"
#include "frontend/finish_screen.h"
#include "frontend/high_score_screen.h"
#include "frontend/high_score_table.h"
#include "frontend/menu_screens.h"
#include "frontend/player_select.h"
#include "frontend/save_slot_screen.h"
#include "harness.h"
#include "own_data_folder.h"
#include "player_road.h"
#include "shell/events.h"
#include "shell/game_state.h"
#include "shell/hotspots.h"
#include "shell/mission_frames.h"
#include "shell/mission_progress.h"
#include "shell/random.h"
#include "slot_screens.h"

namespace kestrine::scenario {
namespace {

// From the disclaimer, ACCEPT and the main menu's `button`.
void FromTheDisclaimer(Harness& game, int button) {
  ASSERT_TRUE(game.RunUntilState(STATE_DISCLAIMER));
  ASSERT_TRUE(PressButton(game, DISCLAIMER_ACCEPT));
  ASSERT_EQ(States().gameState, STATE_MAIN_MENU);
  ASSERT_TRUE(PressButton(game, button));
}

// From the disclaimer to the first briefing of a new campaign at novice, the first figure selected.
void ToANewCampaign(Harness& game, int menuButton = MAIN_NEW_GAME) {
  FromTheDisclaimer(game, menuButton);
  ASSERT_TRUE(PressButton(game, 0));  // NOVICE, or TRAINING MISSION 1
  ASSERT_EQ(States().gameState, STATE_PLAYER_SELECT);
  ASSERT_TRUE(PressButton(game, PLAYER_SELECT_SELECT));
  ASSERT_EQ(States().gameState, STATE_BRIEFING);
}

TEST(WholeGame, TheThreeTrainingMissionsArePlayedFromTheMainMenuBackToIt) {
  Harness game;
  ToANewCampaign(game, MAIN_TRAINING);
  RoadTrace trace;
  for (int32_t mission = 11; mission <= 13; ++mission) {
    SCOPED_TRACE("training mission " + std::to_string(mission - 10));
    ASSERT_EQ(States().gameState, STATE_BRIEFING);
    ASSERT_EQ(Campaign().missionNumber, mission);
    ASSERT_GT(PlayFromTheBriefing(game, trace), 0) << ::testing::PrintToString(trace);
  }
  EXPECT_EQ(States().gameState, STATE_MAIN_MENU);
  EXPECT_EQ(Campaign().trainingRun, 0);
  // Training earns nothing.
  EXPECT_EQ(Progress().ribbonTotal + Progress().badgeCount[0] + Progress().promotionCount, 0);
  const std::vector<int> states = game.TracedStates();
  EXPECT_GE(std::count(states.begin(), states.end(), STATE_DEBRIEFING), 3);
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitizerBuild = true;
#else
constexpr bool kSanitizerBuild = false;
#endif

// The campaign's trace compared across builds (scripts/test): KESTRINE_CAMPAIGN_TRACE_OUT names the file
// one build writes its trace to, KESTRINE_CAMPAIGN_TRACE_IN the file another build's trace must equal,
// line for line. The same seed and the same clicks must play the same game in every build.
void WriteTrace(const char* file, const RoadTrace& trace) {
  std::ofstream out(file, std::ios::trunc);
  for (const std::string& line : trace) out << line << '\n';
  ASSERT_TRUE(out.flush()) << "cannot write the campaign's trace to " << file;
}

void ExpectTheTraceOf(const char* file, const RoadTrace& trace) {
  std::ifstream in(file);
  ASSERT_TRUE(in) << "no campaign trace of the other build in " << file;
  RoadTrace other;
  for (std::string line; std::getline(in, line);) other.push_back(line);
  const size_t common = std::min(other.size(), trace.size());
  size_t first = 0;
  while (first < common && other[first] == trace[first]) ++first;
  if (first == common && other.size() == trace.size()) return;
  ADD_FAILURE() << "this build's campaign differs from the one in " << file << " from line " << first + 1
                << ":\n  there: " << (first < other.size() ? other[first] : "(the end)")
                << "\n  here:  " << (first < trace.size() ? trace[first] : "(the end)");
}

// A new campaign at novice played from the main menu through its ten missions to the finish screen, then on to the
// high-score table with a name typed in. The trace: every state noted, the states the program went through and the
// generator's state at the end.
RoadTrace PlayCampaign(uint32_t seed) {
  OwnDataFolder folder;
  HarnessOptions options;
  options.seed = seed;
  Harness game(options);
  RoadTrace trace;
  ToANewCampaign(game);
  for (int32_t mission = 1; mission <= kLastCampaignMission; ++mission) {
    SCOPED_TRACE("mission " + std::to_string(mission));
    EXPECT_EQ(States().gameState, STATE_BRIEFING);
    EXPECT_EQ(Campaign().missionNumber, mission);
    if (PlayFromTheBriefing(game, trace, 4) == 0) {
      ADD_FAILURE() << "no way on from mission " << mission << ": " << ::testing::PrintToString(trace);
      return trace;
    }
  }
  {
    EXPECT_EQ(States().gameState, STATE_FINISH);
    // Every mission earned its medal: a badge each for the first three, a ribbon each after.
    EXPECT_EQ(Progress().badgeCount[0] + Progress().badgeCount[1] + Progress().badgeCount[2], 3)
        << ::testing::PrintToString(trace);
    EXPECT_EQ(Progress().ribbonTotal, 7);
    EXPECT_EQ(Progress().promotionCount, 3);
    const int32_t campaign = Progress().campaignScore;
    EXPECT_GT(campaign * 2, Progress().campaignMaximum);
    PressButton(game, FINISH_MAIN_MENU);
    // The campaign beats the default table's first score: its name is typed into the top row.
    EXPECT_EQ(States().gameState, STATE_HIGH_SCORES);
    EXPECT_EQ(HighScores().highScoreEntryRow, 0);
    for (char key : std::string("MEDIC")) game.Press(key);
    PressButton(game, HIGH_SCORE_BACK);
    LoadHighScores();
    EXPECT_STREQ(HighScores().table[0].name, "MEDIC");
    EXPECT_EQ(HighScores().table[0].score, campaign);
  }
  NoteState(trace);
  for (int state : game.TracedStates()) trace.push_back(std::to_string(state));
  trace.push_back(std::to_string(RandomState()));
  game.Close();
  return trace;
}

TEST(WholeGame, TheCampaignAtNoviceByTheBookTwiceWithOneSeedLeavesOneTrace) {
  const RoadTrace first = PlayCampaign(20020506);
  ASSERT_FALSE(::testing::Test::HasFailure());
  if (const char* out = std::getenv("KESTRINE_CAMPAIGN_TRACE_OUT")) WriteTrace(out, first);
  if (const char* in = std::getenv("KESTRINE_CAMPAIGN_TRACE_IN")) ExpectTheTraceOf(in, first);
  // The sanitizer round looks for memory faults in one campaign; the second, for the same trace, is the
  // release round's (two would take a large share of the CI's time there).
  if (kSanitizerBuild) return;
  EXPECT_EQ(PlayCampaign(20020506), first);
}

TEST(WholeGame, AMedicKilledAndAMissionLostToTheClockAreBothPlayedAgainWithReplay) {
  Harness game;
  ToANewCampaign(game);
  ASSERT_TRUE(PressButton(game, BRIEFING_START_MISSION));
  ASSERT_EQ(States().gameState, STATE_OVERHEAD);
  game.Frames(12, 50);
  // The medic throws a grenade at his own feet.
  const HotspotBox grenade = OverheadHotspotBox(OVERHEAD_GRENADE);
  game.Frames(10, 50);
  game.Click(grenade.x + grenade.width / 2, grenade.y + grenade.height / 2);
  game.Frames(12, 50);
  const ScreenPoint feet = OnScreen(Units().units[0]->pos + Vector3(3.0f, 0.0f, 0.0f));
  game.Click(feet.x, feet.y);
  ASSERT_TRUE(game.RunUntilState(STATE_KIA, 70, 5000));
  ASSERT_TRUE(PressButton(game, KIA_REPLAY));
  ASSERT_EQ(States().gameState, STATE_BRIEFING);
  EXPECT_EQ(Campaign().missionNumber, 1);
  EXPECT_EQ(Progress().campaignMaximum, 0) << "a medic killed scores nothing";

  // Again, and this time the medic stays where he starts while the clock runs out: three casualties give
  // 3 x 260 seconds at novice.
  ASSERT_TRUE(PressButton(game, BRIEFING_START_MISSION));
  ASSERT_EQ(States().gameState, STATE_OVERHEAD);
  const int32_t started = Clock().gameClock;
  ASSERT_TRUE(game.RunUntilState(STATE_DEBRIEFING, 50, 900000));
  EXPECT_EQ(Outcome().missionEndFlag, 2);
  EXPECT_NEAR(Clock().gameClock - started, 780000, 2000);
  const int32_t lostMaximum = Progress().campaignMaximum;
  EXPECT_GT(lostMaximum, 0);
  EXPECT_EQ(ChooseDebriefingButtons(1, Progress().missionScore, Progress().missionMaximum, false).next, nullptr)
      << "nobody treated: no way on";
  ASSERT_TRUE(PressButton(game, DEBRIEFING_REPLAY));
  EXPECT_EQ(States().gameState, STATE_BRIEFING);
  EXPECT_EQ(Campaign().missionNumber, 1);
  EXPECT_EQ(Progress().campaignMaximum, 0) << "the lost mission is taken back out of the totals";
  const std::vector<int> states = game.TracedStates();
  EXPECT_EQ(std::count(states.begin(), states.end(), STATE_KIA), 1);
  EXPECT_EQ(std::count(states.begin(), states.end(), STATE_DEBRIEFING), 1);
}

// The campaign's first mission saved at each kind of save point through the slot screens: its briefing, the
// mission from the pause menu with one casualty treated, its debriefing. Each is loaded back from the main
// menu and played on from where it was saved.
TEST(WholeGame, ABriefingAMissionAndADebriefingAreSavedAndEachLoadedAndPlayedOn) {
  OwnDataFolder folder;
  HarnessOptions options;
  options.seed = 6;  // a battle in which the medic lives through the first mission at the first try
  Harness game(options);
  ToANewCampaign(game);
  // The player quits from a briefing, a debriefing or the pause menu to the main menu (by the high-score table
  // and the options once a mission is counted), and saves into a slot from each.
  auto quitToTheMainMenu = [&](int quit) {
    ASSERT_TRUE(PressButton(game, quit));
    ASSERT_TRUE(PressButton(game, QUIT_YES));
    if (States().gameState == STATE_HIGH_SCORES) PressButton(game, HIGH_SCORE_BACK);
    if (States().gameState == STATE_OPTIONS) {
      // The options are drawn once the pointer moves on the button it rests on.
      const MenuHotspot& rest = Hotspots().MenuHotspots.entries[HIGH_SCORE_BACK];
      game.MoveTo(static_cast<int>(rest.x0) + 1, static_cast<int>(rest.y0) + 1);
      PressButton(game, OPTIONS_BACK);
    }
    ASSERT_EQ(States().gameState, STATE_MAIN_MENU);
  };
  auto saveInSlot = [&](int save, int slot, int backTo) {
    ASSERT_TRUE(PressButton(game, save));
    ASSERT_EQ(States().gameState, STATE_SAVE_GAME);
    game.Frame(16);
    UseSlot(game, slot);
    game.Frame(16);
    EXPECT_FALSE(SlotScreen().slotEmpty[slot]);
    PointAndClick(game, kSlotBack);
    ASSERT_EQ(States().gameState, backTo);
  };
  RoadTrace debriefing;
  saveInSlot(BRIEFING_SAVE, 0, STATE_BRIEFING);

  ASSERT_TRUE(PressButton(game, BRIEFING_START_MISSION));
  ASSERT_EQ(PlayMissionByTheBook(game, 4000, 1).treated, 1);
  ASSERT_EQ(States().gameState, STATE_OVERHEAD);
  game.Press(27);  // Escape
  ASSERT_EQ(States().gameState, STATE_PAUSE_MENU);
  saveInSlot(PAUSE_SAVE, 1, STATE_PAUSE_MENU);
  ASSERT_TRUE(PressButton(game, PAUSE_CONTINUE));
  ASSERT_EQ(States().gameState, STATE_OVERHEAD);
  const int32_t scoreAtTheSave = Progress().missionScore;
  ASSERT_GT(scoreAtTheSave, 0);
  int32_t waitingAtTheSave = 0;
  for (int32_t i = Units().firstPatientUnit; i < Units().unitCount; ++i)
    waitingAtTheSave += Units().units[i]->state == 1;

  PlayMissionByTheBook(game);
  ASSERT_EQ(States().gameState, STATE_DEBRIEFING);
  NoteState(debriefing);
  saveInSlot(DEBRIEFING_SAVE, 2, STATE_DEBRIEFING);
  NoteState(debriefing);
  EXPECT_EQ(debriefing[0], debriefing[1]) << "saving leaves the mission counted once";
  const int32_t campaignMaximum = Progress().campaignMaximum;
  ASSERT_GT(campaignMaximum, 0);

  // The debriefing comes back as it was, and its way on leads to the second mission.
  quitToTheMainMenu(DEBRIEFING_QUIT);
  LoadFromTheMainMenu(game, 2);
  ASSERT_EQ(States().gameState, STATE_DEBRIEFING);
  NoteState(debriefing);
  EXPECT_EQ(debriefing[2], debriefing[0]);
  ASSERT_TRUE(PressButton(game, DEBRIEFING_NEXT));
  EXPECT_EQ(States().gameState, STATE_BRIEFING);
  EXPECT_EQ(Campaign().missionNumber, 2);
  ASSERT_GT(Progress().missionScore, 0);
  ASSERT_TRUE(PressButton(game, BRIEFING_START_MISSION));
  EXPECT_EQ(Progress().missionScore, 0) << "the second mission is scored from nothing";
  game.Press(27);  // Escape: the pause menu, and quit the mission

  // The mission comes back with the first casualty treated and is played on to its debriefing, where it is
  // counted into the campaign (as it stood at the save) once.
  quitToTheMainMenu(PAUSE_QUIT);
  LoadFromTheMainMenu(game, 1);
  ASSERT_EQ(States().gameState, STATE_OVERHEAD);
  EXPECT_EQ(Campaign().missionNumber, 1);
  int32_t waiting = 0;
  for (int32_t i = Units().firstPatientUnit; i < Units().unitCount; ++i) waiting += Units().units[i]->state == 1;
  EXPECT_EQ(waiting, waitingAtTheSave);
  EXPECT_EQ(Progress().missionScore, scoreAtTheSave);
  const MissionPlay rest = PlayMissionByTheBook(game);
  EXPECT_EQ(rest.endFlag, 1);
  ASSERT_EQ(States().gameState, STATE_DEBRIEFING);
  EXPECT_EQ(Progress().campaignMaximum, campaignMaximum);
  EXPECT_EQ(Progress().campaignScore, Progress().missionScore);

  // The briefing comes back with the campaign as it was before its first mission.
  quitToTheMainMenu(DEBRIEFING_QUIT);
  LoadFromTheMainMenu(game, 0);
  ASSERT_EQ(States().gameState, STATE_BRIEFING);
  EXPECT_EQ(Campaign().missionNumber, 1);
  EXPECT_EQ(Progress().campaignScore + Progress().campaignMaximum + Progress().ribbonTotal + Progress().badgeCount[0],
            0);
}

}  // namespace
}  // namespace kestrine::scenario
