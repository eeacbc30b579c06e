// The walking grids the data ships are the ones the game builds for itself when a grid file is missing,
// however the battlefield is shown while it builds: every terrain folder's grid is rebuilt in a copy of the
// data without it, from the game's own first entry and again with the camera somewhere else, and compared
// byte for byte with the shipped file.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "battlefield/casualty_cases.h"
#include "battlefield/nav_grid.h"
#include "battlefield/nav_grid_build.h"
#include "battlefield/nav_grid_file.h"
#include "damaged_tree.h"
#include "harness.h"
#include "player_road.h"
#include "shell/engine_setup.h"
#include "shell/game_state.h"
#include "shell/mission_progress.h"

namespace kestrine::scenario {
namespace {

namespace fs = std::filesystem;

constexpr size_t kGridFileBytes = 41 * 41 * 13;

std::string GridFile(int folder) { return "missions/mission" + std::to_string(folder) + "/grid"; }

std::string Bytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// "equal", or the first cell whose record differs.
std::string Compare(const std::string& built, const std::string& shipped) {
  if (built.size() != shipped.size())
    return "sizes " + std::to_string(built.size()) + " and " + std::to_string(shipped.size());
  for (size_t i = 0; i < built.size(); ++i)
    if (built[i] != shipped[i]) {
      const size_t cell = i / 13;
      return "cell row " + std::to_string(cell / 41) + " column " + std::to_string(cell % 41) + " differs";
    }
  return "equal";
}

std::string Encoded(const NavCells& grid) {
  const std::vector<uint8_t> bytes = EncodeNavGrid(grid);
  return {bytes.begin(), bytes.end()};
}

TEST(WalkingGrids, EveryShippedGridIsTheOneTheGameBuildsWithoutItWhereverTheCameraIs) {
  DamagedTree tree(KESTRINE_DATA_DIR);
  for (int folder = 1; folder <= 10; ++folder) tree.Remove(GridFile(folder));
  InFolder in(tree.Root());
  Harness game;
  ASSERT_TRUE(game.RunUntilState(STATE_DISCLAIMER));

  // A training mission on folder 4 builds a grid for its own battlefield and leaves the folder's file to
  // the folder's own mission.
  StartTraining(12);
  SetUpMissionCasualties();
  SetGameState(STATE_START_MISSION);
  ASSERT_EQ(States().gameState, STATE_OVERHEAD);
  EXPECT_FALSE(fs::exists(tree.Root() / GridFile(4)));
  SetGameState(STATE_DEBRIEFING);

  struct Grid {
    NavCells cells;
  };
  auto again = std::make_unique<Grid>();
  for (int32_t mission = 1; mission <= 10; ++mission) {
    SCOPED_TRACE("mission " + std::to_string(mission));
    const std::string shipped = Bytes(fs::path(KESTRINE_DATA_DIR) / GridFile(mission));
    ASSERT_EQ(shipped.size(), kGridFileBytes);
    ASSERT_TRUE(StartMission(mission, 0));
    EXPECT_EQ(Compare(Encoded(Nav().NavGrid), shipped), "equal") << "as the first entry built it";
    EXPECT_EQ(Compare(Bytes(tree.Root() / GridFile(mission)), shipped), "equal") << "as it was written";
    // From a corner of the battlefield, the trees' pictures turned to the camera there.
    Engine().engineCamera->MoveTo(70.0f, 470.0f, -75.0f);
    ComputeNavGrid(again->cells);
    EXPECT_EQ(Compare(Encoded(again->cells), shipped), "equal") << "with the camera moved";
    SetGameState(STATE_DEBRIEFING);
  }
}

}  // namespace
}  // namespace kestrine::scenario
