// The developer edits mission 1's strategy in the overhead view with the keys alone: the table loaded with
// its markers, a respawn point placed where the medic stands, an ally's orders changed and the ally moved to
// the medic, the table written out; the mission played again starts from the edited table. The game runs in
// a copy of the data tree, so the build's own mission files are never written.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "battlefield/casualty_cases.h"
#include "battlefield/spawn_points.h"
#include "battlefield/strategy_editor.h"
#include "battlefield/strategy_markers.h"
#include "battlefield/strategy_table.h"
#include "battlefield/unit_array.h"
#include "damaged_tree.h"
#include "harness.h"
#include "player_road.h"
#include "shell/engine_setup.h"
#include "shell/game_state.h"
#include "shell/screen_text.h"

namespace kestrine::scenario {
namespace {

constexpr int kFrameMs = 50;
constexpr int VK_LEFT = 0x25, VK_RIGHT = 0x27, VK_F5 = 0x74, VK_F7 = 0x76, VK_F8 = 0x77;

std::string Bytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void StartMissionOne(Harness& game) {
  ASSERT_TRUE(StartMission(1, 0));
  game.Frames(12, kFrameMs);
}

void Repeat(Harness& game, int key, int times) {
  for (int i = 0; i < times; ++i) game.Press(key);
}

TEST(StrategyEditorPlay, AnEditedStrategyIsSavedAndTheMissionStartsFromItNextTime) {
  const std::filesystem::path built = std::filesystem::path(KESTRINE_DATA_DIR) / "missions/mission1/strat";
  const std::string original = Bytes(built);
  ASSERT_EQ(original.size(), 1264u);
  DamagedTree tree(KESTRINE_DATA_DIR);
  tree.Replace("missions/mission1/strat", original);  // a file of its own, not a link into the build
  InFolder inTree(tree.Root());

  Harness game;
  ASSERT_TRUE(game.RunUntilState(STATE_DISCLAIMER));
  StartMissionOne(game);
  const int32_t count = StrategyTable().strategyCount;
  ASSERT_GE(count, 10);
  ASSERT_LT(count, 34);
  const Vector3 medic = Units().units[0]->pos;

  game.Press(VK_F8);
  game.Press(VK_F7);
  ASSERT_EQ(StrategyEditor().strategyEditOn, 1);
  game.Press('L');
  EXPECT_EQ(StrategyTable().strategyCursor, count - 1);
  ASSERT_TRUE(strategyMarkerState.strategyMarkers[0]);
  EXPECT_TRUE(Engine().engineStage->Contains(strategyMarkerState.strategyMarkers[0].Get()));

  // Placing: the cursor onto the free entry after the last, its type stepped to a respawn point, stored.
  game.Press(VK_RIGHT);
  ASSERT_EQ(StrategyTable().strategyCursor, count);
  Repeat(game, 'F', 2);
  game.Press('A');
  game.Press('S');
  ASSERT_EQ(StrategyTable().strategyCount, count + 1);
  game.Frames(2, kFrameMs);

  // Editing: entry 9 gets the next orders and moves to the medic.
  game.Press(VK_F5);
  ASSERT_EQ(StrategyEditor().strategyEditMode, kStrategyEditing);
  Repeat(game, VK_LEFT, count - 9);
  ASSERT_EQ(StrategyTable().strategyCursor, 9);
  const int32_t orders = StrategyTable().strategy[9].orders;
  const int32_t type = StrategyTable().strategy[9].type;
  game.Press('O');
  game.Press('S');
  EXPECT_EQ(StrategyTable().strategyCount, count + 1);
  game.Press('W');
  game.Frames(2, kFrameMs);
  EXPECT_TRUE(game.MessageBoxes().empty());
  EXPECT_EQ(Bytes(built), original) << "the build's data was written";
  EXPECT_EQ(Bytes(tree.Root() / "missions/mission1/strat").size(), 1264u);

  // The editor's lines go with it when it is switched off.
  EXPECT_GT(CountPixels(ScreenText().textOverlay, 0, 0, 640, 240, 255, 255, 0), 100);
  game.Press(VK_F7);
  game.Frames(2, kFrameMs);
  EXPECT_EQ(CountPixels(ScreenText().textOverlay, 0, 0, 640, 240, 255, 255, 0), 0);

  // The medic is killed and the mission started again: its table is the edited one.
  game.Press('K');
  ASSERT_EQ(States().gameState, STATE_KIA);
  game.Frames(2, kFrameMs);
  StartMissionOne(game);
  ASSERT_EQ(StrategyTable().strategyCount, count + 1);
  const StrategyEntry& placed = StrategyTable().strategy[count];
  EXPECT_EQ(placed.type, STRATEGY_SPAWN);
  EXPECT_EQ(placed.side, ENEMY);
  EXPECT_FLOAT_EQ(placed.pos.x, medic.x);
  EXPECT_FLOAT_EQ(placed.pos.z, medic.z);
  EXPECT_EQ(StrategyTable().strategy[9].orders, (orders + 1) % 12);
  EXPECT_EQ(StrategyTable().strategy[9].type, type);
  EXPECT_FLOAT_EQ(StrategyTable().strategy[9].pos.x, medic.x);
  EXPECT_FLOAT_EQ(StrategyTable().strategy[9].pos.z, medic.z);
  // The new respawn point is one of the mission's, 3 above where the medic stood.
  bool found = false;
  for (int32_t i = 0; i < SpawnPoints().spawnPointCount; ++i)
    found = found || (SpawnPoints().spawnPoints[i].x == medic.x && SpawnPoints().spawnPoints[i].y == medic.y + 3.0f);
  EXPECT_TRUE(found);
}

}  // namespace
}  // namespace kestrine::scenario
