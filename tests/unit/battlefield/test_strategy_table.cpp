// Loading and saving a mission's strategy table through its file: the respawn and extraction points it
// names, a missing file, a save that cannot be written.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "battlefield/spawn_points.h"
#include "battlefield/strategy_table.h"
#include "platform/message_box.h"
#include "shell/globals.h"
#include "shell/program_state.h"
#include "unit/shell/scratch_tree.h"

namespace kestrine {
namespace {

class StrategyTableTest : public ::testing::Test {
 protected:
  StrategyTableTest() {
    ResetProgramState();
    missionNumber = 6;
    SetMessageBoxRecorder([this](const MessageBoxRecord& box) { boxes_.push_back(box); });
  }
  ~StrategyTableTest() override {
    SetMessageBoxRecorder(nullptr);
    ResetProgramState();
  }

  // A table file with the given records in use.
  void WriteTable(int32_t count, const std::vector<std::pair<int, StrategyEntry>>& records) {
    StrategyEntry entries[kStrategyEntryCount];
    for (const auto& [index, e] : records) entries[index] = e;
    const StrategyFileBytes bytes = EncodeStrategyFile(entries, count);
    tree_.WriteBytes("missions\\mission6\\strat", std::string(bytes.begin(), bytes.end()));
  }

  std::string FileBytes() const {
    std::ifstream in(tree_.PathOf("missions\\mission6\\strat"), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  static StrategyEntry Entry(int32_t type, float x, float y, float z) {
    StrategyEntry e;
    e.StoreAt(Vector3(x, y, z));
    e.type = type;
    return e;
  }

  testing::ScratchTree tree_;
  std::vector<MessageBoxRecord> boxes_;
};

TEST_F(StrategyTableTest, EverySpawnRecordCountsWhileThereIsRoomAndTheLastExtractionWins) {
  WriteTable(3, {{1, Entry(STRATEGY_EXTRACTION, 10, 400, 20)},
                 {2, Entry(STRATEGY_SPAWN, -5, 401, 7)},
                 {10, Entry(STRATEGY_SPAWN, 30, 400, -40)},  // beyond the count
                 {12, Entry(STRATEGY_EXTRACTION, -33, 402, 44)},
                 {20, Entry(STRATEGY_SPAWN, 1, 400, 1)},
                 {21, Entry(STRATEGY_SPAWN, 2, 400, 2)},
                 {22, Entry(STRATEGY_SPAWN, 3, 400, 3)}});
  strategyCursor = 9;
  ASSERT_TRUE(LoadStrategy());

  EXPECT_EQ(strategyCount, 3);
  EXPECT_EQ(strategyCursor, 0);
  ASSERT_EQ(spawnPointCount, 4);  // the fifth SPAWN record finds the list full
  EXPECT_FLOAT_EQ(spawnPoints[0].y, 404.0f);
  EXPECT_FLOAT_EQ(spawnPoints[1].x, 30.0f);
  EXPECT_FLOAT_EQ(spawnPoints[1].y, 403.0f);
  EXPECT_FLOAT_EQ(spawnPoints[1].z, -40.0f);
  EXPECT_FLOAT_EQ(spawnPoints[3].x, 2.0f);
  EXPECT_FLOAT_EQ(extractionPoint.x, -33.0f);
  EXPECT_FLOAT_EQ(extractionPoint.z, 44.0f);
  // The table itself keeps the spawn entry's own height.
  EXPECT_FLOAT_EQ(strategy[10].pos.y, 400.0f);
}

TEST_F(StrategyTableTest, AMissingFileLeavesAnEmptyTable) {
  spawnPointCount = 3;
  strategyCount = 12;
  EXPECT_FALSE(LoadStrategy());
  EXPECT_EQ(strategyCount, 0);
  EXPECT_EQ(strategyCursor, 0);
  EXPECT_EQ(spawnPointCount, 0);
  EXPECT_EQ(StrategyFilePath(12), "missions\\mission12\\strat");
}

TEST_F(StrategyTableTest, ASavedTableLoadsBackTheSame) {
  WriteTable(2, {{0, Entry(STRATEGY_START, 1.5f, 399.5f, -2.5f)}, {1, Entry(STRATEGY_2EXTRACT, 8, 400, 9)}});
  const std::string original = FileBytes();
  ASSERT_TRUE(LoadStrategy());
  strategy[0].pos.y += 3.0f;  // as the mission build leaves it
  strategy[1].orders = ORDERS_DISSAPATE;
  SaveStrategy();
  EXPECT_TRUE(boxes_.empty());

  const std::string saved = FileBytes();
  ASSERT_EQ(saved.size(), 1264u);
  EXPECT_EQ(saved.substr(0, 4 + 36 + 24), original.substr(0, 4 + 36 + 24));
  for (StrategyEntry& e : strategy) e.Reset();
  ASSERT_TRUE(LoadStrategy());
  EXPECT_FLOAT_EQ(strategy[0].pos.y, 399.5f);
  EXPECT_EQ(strategy[1].orders, ORDERS_DISSAPATE);
  EXPECT_FALSE(std::filesystem::exists(tree_.PathOf("missions\\mission6\\strat.tmp")));
}

TEST_F(StrategyTableTest, ASaveThatCannotBeWrittenSaysSoAndKeepsTheOldFile) {
  WriteTable(1, {{0, Entry(STRATEGY_START, 1, 400, 1)}});
  const std::string original = FileBytes();
  ASSERT_TRUE(LoadStrategy());
  strategyCount = 2;
  ::chmod(tree_.PathOf("missions\\mission6\\strat").c_str(), 0444);
  SaveStrategy();
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0].text, "Can't save Read-Only or something.");
  EXPECT_EQ(boxes_[0].caption, "Unable To Save");
  EXPECT_EQ(boxes_[0].type, MB_OKCANCEL);
  EXPECT_EQ(FileBytes(), original);

  missionNumber = 9;  // no folder at all
  SaveStrategy();
  EXPECT_EQ(boxes_.size(), 2u);
}

}  // namespace
}  // namespace kestrine
