// The whole game as a player plays it, headless on the virtual clock: the buttons pressed where they are
// drawn, the medic walked by right clicks, casualties opened with VIEW PATIENT and treated by the book with
// clicks on their bodies. The three training missions from the main menu back to it; the campaign from its
// first mission to the finish screen and the high-score table, twice with one seed for the same trace; a
// medic killed and REPLAY.
//
// The campaign is long: KESTRINE_LONG_RUNS=1 plays all ten missions; without it the campaign is played to
// the end of its first three (a badge each, the first promotion) and the finish from mission 10.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "battlefield/unit.h"
#include "battlefield/unit_array.h"
#include "battlefield/unit_orders.h"
#include "battlefield/vehicle_kind.h"
#include "frontend/briefing_screen.h"
#include "frontend/campaign_awards.h"
#include "frontend/finish_screen.h"
#include "frontend/high_score_screen.h"
#include "frontend/high_score_table.h"
#include "frontend/menu_actions.h"
#include "frontend/player_select.h"
#include "harness.h"
#include "own_data_folder.h"
#include "player_road.h"
#include "shell/game_state.h"
#include "shell/globals.h"
#include "shell/mission_progress.h"
#include "shell/random.h"

namespace kestrine::scenario {
namespace {

// From the disclaimer, ACCEPT and the main menu's `button`.
void FromTheDisclaimer(Harness& game, int button) {
  ASSERT_TRUE(game.RunUntilState(STATE_DISCLAIMER));
  ASSERT_TRUE(PressButton(game, DISCLAIMER_ACCEPT));
  ASSERT_EQ(gameState, STATE_MAIN_MENU);
  ASSERT_TRUE(PressButton(game, button));
}

bool LongRuns() {
  const char* value = std::getenv("KESTRINE_LONG_RUNS");
  return value != nullptr && *value != '\0' && *value != '0';
}

TEST(WholeGame, TheThreeTrainingMissionsArePlayedFromTheMainMenuBackToIt) {
  Harness game;
  FromTheDisclaimer(game, MAIN_TRAINING);
  ASSERT_EQ(gameState, STATE_TRAINING);
  ASSERT_TRUE(PressButton(game, 0));  // TRAINING MISSION 1
  ASSERT_EQ(gameState, STATE_PLAYER_SELECT);
  ASSERT_TRUE(PressButton(game, PLAYER_SELECT_SELECT));
  RoadTrace trace;
  for (int32_t mission = 11; mission <= 13; ++mission) {
    SCOPED_TRACE("training mission " + std::to_string(mission - 10));
    ASSERT_EQ(gameState, STATE_BRIEFING);
    ASSERT_EQ(missionNumber, mission);
    ASSERT_GT(PlayFromTheBriefing(game, trace), 0) << ::testing::PrintToString(trace);
  }
  EXPECT_EQ(gameState, STATE_MAIN_MENU);
  EXPECT_EQ(trainingRun, 0);
  // Training earns nothing.
  EXPECT_EQ(missionProgress.ribbonTotal + missionProgress.badgeCount[0] + missionProgress.promotionCount, 0);
  const std::vector<int> states = game.TracedStates();
  EXPECT_GE(std::count(states.begin(), states.end(), STATE_DEBRIEFING), 3);
  game.Close();
}

}  // namespace
}  // namespace kestrine::scenario
