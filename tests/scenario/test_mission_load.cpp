// Every mission at every difficulty started through the game-state switch on the generated data and taken
// down again by the debriefing: the clocks and casualties of the start, a medic on an open walking grid,
// nothing of the mission left on the stage, no game file missing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>

#include "battlefield/casualty_cases.h"
#include "battlefield/level_objects.h"
#include "battlefield/mission_state.h"
#include "battlefield/nav_grid.h"
#include "battlefield/unit_array.h"
#include "frontend/briefing_screen.h"
#include "harness.h"
#include "shell/engine_setup.h"
#include "shell/game_state.h"
#include "shell/mission_frames.h"
#include "shell/mission_progress.h"

namespace kestrine::scenario {
namespace {

// The mission table's casualties by mission and difficulty.
constexpr int32_t kCasualties[13][3] = {{3, 4, 5}, {3, 4, 5}, {3, 4, 5}, {4, 5, 6}, {4, 5, 6}, {4, 5, 6}, {4, 5, 6},
                                        {5, 6, 7}, {4, 6, 7}, {5, 6, 6}, {3, 3, 3}, {3, 3, 3}, {3, 3, 3}};

std::set<const engine::EngineNode*> StageObjects() {
  std::set<const engine::EngineNode*> objects;
  for (const auto& object : Engine().engineStage->Objects()) objects.insert(object.Get());
  return objects;
}

// What the briefing decides: seven wounds, the hummer's among them.
void DecideCasualties() {
  const int32_t wounds[kMaxCasualtyCases] = {3, 6, 12, 20, 31, 40, 45};
  CasualtyCase cases[kMaxCasualtyCases];
  for (int k = 0; k < kMaxCasualtyCases; ++k) cases[k] = CasualtyCase{wounds[k], k % 2, k == 1};
  SetCasualtyCases(cases, kMaxCasualtyCases);
}

using MissionLoadScenario = AtTheDisclaimer;

TEST_F(MissionLoadScenario, EveryMissionAtEveryDifficultyLoadsAndLeavesNothingBehind) {
  const std::set<const engine::EngineNode*> before = StageObjects();

  for (int32_t mission = 1; mission <= 13; ++mission)
    for (int32_t level = 0; level < 3; ++level) {
      SCOPED_TRACE("mission " + std::to_string(mission) + ", difficulty " + std::to_string(level));
      ResumeCampaign(mission, level, mission > 10);
      DecideCasualties();
      SetGameState(STATE_START_MISSION);

      ASSERT_EQ(States().gameState, STATE_OVERHEAD);
      ASSERT_TRUE(missionState.missionLoaded);
      EXPECT_EQ(missionState.casualtyCount, kCasualties[mission - 1][level]);
      EXPECT_EQ(MissionTime().nightMission, mission == 5 || mission == 7 || mission == 9);
      EXPECT_TRUE(missionState.gridReady);
      ASSERT_TRUE(Units().units[0]);
      EXPECT_FALSE(Units().units[24]);
      for (int32_t i = 0; i < Units().unitCount; ++i) {
        ASSERT_TRUE(Units().units[i]);
        EXPECT_LE(std::max(std::abs(Units().units[i]->pos.x), std::abs(Units().units[i]->pos.z)), 80.0f)
            << "unit " << i;
      }
      // The medic stands on an open cell that reaches most of the battlefield.
      const CellIndex medic = CellAt(Units().units[0]->pos);
      EXPECT_NE(Nav().NavGrid[medic.row][medic.column].mask, 0);
      int open = 0;
      for (const auto& row : Nav().NavGrid)
        for (const NavCell& cell : row) open += cell.mask != 0;
      EXPECT_GT(open, 1681 / 2);
      EXPECT_TRUE(mission != 8 || level != 2 || MissionTime().missionClock == 1680000) << "7 x 240 s";

      game.Frames(8, 100);
      EXPECT_EQ(States().gameState, STATE_OVERHEAD);
      SetGameState(STATE_DEBRIEFING);

      EXPECT_FALSE(missionState.missionLoaded);
      EXPECT_EQ(Units().unitCount, 0);
      EXPECT_EQ(LevelObjectTable().objectCount, 0);
      const std::set<const engine::EngineNode*> after = StageObjects();
      for (const engine::EngineNode* object : after) {
        // The debriefing's own officer and his light stand there now.
        if (object == Briefing().briefingHead.Get() || object == Briefing().briefingLight.Get()) continue;
        EXPECT_TRUE(before.count(object))
            << "left on the stage: " << std::string(object->GetName().begin(), object->GetName().end());
      }
    }
  const std::string log = game.DebugLog();
  EXPECT_EQ(log.find("missing asset"), std::string::npos) << log.substr(log.find("missing asset"), 200);
  EXPECT_EQ(log.find("no unit slot left"), std::string::npos);
  EXPECT_EQ(log.find("no casualty case"), std::string::npos);
}

// Novice mission 4: back from the patient view, the overhead view keeps its grid, wakes the next casualty
// once none is waiting, and lights the day from its usual sun.
TEST_F(MissionLoadScenario, EachReturnToTheOverheadViewWakesTheNextCasualtyOnceNoneIsWaiting) {
  GoToMission(4);
  ChooseDifficulty(0);
  DecideCasualties();
  SetGameState(STATE_START_MISSION);
  ASSERT_EQ(missionState.casualtyCount, 4);
  const int32_t first = Units().firstPatientUnit;
  EXPECT_EQ(Units().units[first]->state, 1);
  for (int32_t i = first + 1; i < Units().unitCount; ++i) EXPECT_EQ(Units().units[i]->state, 5);
  const engine::Vec3 firstSun = Engine().engineLights[1]->ShineDirection();
  EXPECT_EQ(Engine().engineLights[1]->LightColor().r, 190);

  NavCells grid;
  CopyNavGrid(grid);
  grid[20][20].position.y = -1.0f;  // a mark that a grid read or probed again would wipe
  SetNavGrid(grid);
  SetGameState(STATE_OPEN_PATIENT_VIEW);
  SetGameState(STATE_OVERHEAD);
  EXPECT_EQ(Units().units[first + 1]->state, 5);  // the first is still waiting
  EXPECT_EQ(Nav().NavGrid[20][20].position.y, -1.0f);
  EXPECT_NE(Engine().engineLights[1]->ShineDirection().x, firstSun.x);  // the sun of every later entry

  Units().units[first]->state = 2;  // readied for evacuation
  SetGameState(STATE_OPEN_PATIENT_VIEW);
  SetGameState(STATE_OVERHEAD);
  EXPECT_EQ(Units().units[first + 1]->state, 1);
  EXPECT_EQ(Units().units[first + 2]->state, 5);

  // A mission started again without the debriefing between takes the old one down first.
  const size_t onStage = Engine().engineStage->Objects().size();
  SetGameState(STATE_START_MISSION);
  EXPECT_EQ(Engine().engineStage->Objects().size(), onStage);
  SetGameState(STATE_DEBRIEFING);
}

}  // namespace
}  // namespace kestrine::scenario
