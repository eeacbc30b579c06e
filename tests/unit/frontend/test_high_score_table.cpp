// The high-score table: who enters and where, the name typed into the new row, the 840-byte file and the
// table a first start shows.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "frontend/high_score_table.h"
#include "shell/program_state.h"
#include "shell/random.h"
#include "unit/shell/scratch_tree.h"

namespace kestrine {
namespace {

class HighScoreTableTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetProgramState(); }
  void TearDown() override { ResetProgramState(); }
  static std::string FileBytes(const testing::ScratchTree& tree, const std::string& path) {
    return testing::ReadWholeFile(tree.PathOf(path));
  }
};

TEST_F(HighScoreTableTest, ATieWithTheTenthDoesNotEnterAndTheBestScorePushesTheTenthOut) {
  HighScoreTable table{};
  for (int32_t r = 0; r < 10; ++r) table[10 + r] = {.score = 1000 - 100 * r, .name = {char('A' + r)}, .cheat = 1};
  EXPECT_EQ(InsertHighScore(table, 1, 100, 500, 7), -1);  // equal to the tenth
  EXPECT_EQ(table[19].score, 100);
  EXPECT_EQ(InsertHighScore(table, 1, 1001, 1200, 10), 10);
  EXPECT_EQ(table[10].maximum, 1200);
  EXPECT_EQ(table[10].mission, 10);
  EXPECT_EQ(table[10].cheat, 0);
  EXPECT_STREQ(table[10].name, "");
  EXPECT_STREQ(table[11].name, "A");
  EXPECT_STREQ(table[19].name, "I");                     // J with the old tenth's 100 is gone
  EXPECT_EQ(table[20].score, 0);                         // the next page stays as it was
  EXPECT_EQ(InsertHighScore(table, 1, 700, 0, 1), 15);   // below the 700 already there, now fifth
  EXPECT_EQ(InsertHighScore(table, 3, 5000, 0, 1), -1);  // no such page
}

TEST_F(HighScoreTableTest, NameEntryTakesElevenCharactersAndBackspaceOrDeleteEmptiesIt) {
  HighScoreEntry e;
  int32_t length = 0;
  for (char key : std::string("ABC DEFGHIJKL")) TypeNameKey(e, length, key);  // letters and Space are their codes
  EXPECT_STREQ(e.name, "ABC DEFGHIJ");
  EXPECT_EQ(length, 11);
  for (int key : {8, 46}) {  // Backspace, Delete
    for (char c : std::string("ABC")) TypeNameKey(e, length, c);
    EXPECT_EQ(TypeNameKey(e, length, key), NAME_KEY_EMPTIED);
    EXPECT_STREQ(e.name, "");
    EXPECT_EQ(length, 0);
  }
  for (int key : {49, 13, 97, 8})
    EXPECT_EQ(TypeNameKey(e, length, key), NAME_KEY_IGNORED);  // 1, Enter, a, nothing to empty
}

TEST_F(HighScoreTableTest, TheFileIsThirtyEntriesOfTwentyEightLittleEndianBytesReadBackAsWritten) {
  HighScoreTable table{};
  table[0] = {.score = 503, .maximum = -2, .name = "TAVEN", .mission = 5, .cheat = 1};
  const uint8_t first[28] = {0xF7, 0x01, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF, 'T', 'A', 'V', 'E', 'N', 0,
                             0,    0,    0, 0, 0,    0,    5,    0,    0,   0,   1,   0,   0,   0};
  EXPECT_EQ(std::memcmp(EncodeHighScores(table).data(), first, 28), 0);

  // Any bytes after a name's end come back as they were; a name filling its twelve bytes is cut to eleven.
  HighScoreFileBytes any{};
  for (size_t i = 0; i < any.size(); ++i) any[i] = static_cast<uint8_t>(i * 37 + 11);
  for (size_t row = 1; row < 30; ++row) any[row * 28 + 8 + row % 12] = 0;
  std::memset(any.data() + 8, 'W', 12);
  ASSERT_TRUE(DecodeHighScores(any.data(), any.size(), table));
  EXPECT_STREQ(table[0].name, "WWWWWWWWWWW");
  any[19] = 0;
  EXPECT_EQ(EncodeHighScores(table), any);
  EXPECT_FALSE(DecodeHighScores(any.data(), 839, table));
}

TEST_F(HighScoreTableTest, TheDefaultsShowFiveScoresOnEachPageWithMaximaDrawnInRowOrder) {
  srand(1);  // the generator's first draws from seed 1: 41, 18467, 6334, 26500, 19169, 15724, ...
  BuildDefaultTable();
  const HighScoreTable& t = HighScores().table;
  EXPECT_STREQ(t[0].name, "TAVEN");
  EXPECT_EQ(t[0].score, 503);
  EXPECT_EQ(t[0].mission, 5);
  EXPECT_EQ(t[0].maximum, 505);  // 500 + 41 % 15 - 6
  EXPECT_EQ(t[1].maximum, 396);  // 400 + 2 - 6
  EXPECT_EQ(t[4].maximum, 108);
  EXPECT_EQ(t[4].mission, 1);
  EXPECT_EQ(t[10].maximum, 498);  // the sixth draw: rows 5..9 take none
  EXPECT_EQ(t[24].score, 98);
  for (int32_t row : {5, 9, 15, 29}) EXPECT_EQ(t[row].score + t[row].maximum + t[row].mission, 0);
  EXPECT_STREQ(t[20].name, t[1].name);  // DOVAN on two pages, SORLA too
  EXPECT_STREQ(t[23].name, t[3].name);
}

TEST_F(HighScoreTableTest, AMissingOrShortFileGivesTheDefaultsAndAFailedWriteKeepsTheOldFile) {
  testing::ScratchTree tree;
  TurnHighScorePage();
  TurnHighScorePage();
  ASSERT_EQ(HighScores().highScorePage, 2);
  LoadHighScores();
  EXPECT_EQ(HighScores().highScorePage, 0);
  EXPECT_EQ(HighScores().table[0].score, 503);
  EXPECT_FALSE(std::filesystem::exists(tree.PathOf("savedGames")));  // the defaults are not written

  ASSERT_EQ(EnterScoreForNaming(0, 7777, 8000, 10), 0);  // above TAVEN's 503
  ASSERT_EQ(SaveHighScores(), GameFileWrite::kWritten);  // makes the folder
  const std::string written = FileBytes(tree, "savedGames/bli");
  ASSERT_EQ(written.size(), 840u);
  // One byte short: the defaults are shown, and the damaged table goes aside before anything is written.
  tree.WriteBytes("savedGames\\bli", written.substr(0, 839));
  std::string asideAs;
  EXPECT_EQ(LoadHighScores(&asideAs), HighScoreLoad::kDamagedSetAside);
  EXPECT_EQ(HighScores().table[0].score, 503);
  EXPECT_EQ(asideAs, "savedGames\\bli.damaged");
  EXPECT_EQ(FileBytes(tree, "savedGames/bli.damaged"), written.substr(0, 839));
  EXPECT_EQ(LoadHighScores(), HighScoreLoad::kDefaults);
  tree.WriteBytes("savedGames\\bli", written + "more");
  EXPECT_EQ(LoadHighScores(), HighScoreLoad::kFromFile);
  EXPECT_EQ(HighScores().table[0].score, 7777);

  chmod(tree.PathOf("savedGames/bli").c_str(), 0444);
  ASSERT_EQ(EnterScoreForNaming(0, 9999, 9999, 10), 0);  // something to write
  EXPECT_EQ(SaveHighScores(), GameFileWrite::kReadOnly);
  EXPECT_EQ(FileBytes(tree, "savedGames/bli"), written + "more");
}

}  // namespace
}  // namespace kestrine
