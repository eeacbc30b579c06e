// The high-score table: who enters and where, the name typed into the new row, the 840-byte file and the
// table a first start shows.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "frontend/high_score_table.h"
#include "shell/program_state.h"
#include "shell/random.h"
#include "unit/shell/scratch_tree.h"

namespace kestrine {
namespace {

constexpr int VK_BACK = 8;
constexpr int VK_SPACE = 32;
constexpr int VK_DELETE = 46;
constexpr int VK_RETURN = 13;
constexpr int VK_1 = 49;

class HighScoreTableTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetProgramState(); }
  void TearDown() override { ResetProgramState(); }

  // One page of descending scores 1000, 900, ..., 100, each row's name telling its old rank.
  static HighScoreTable PageOfTens(int32_t page) {
    HighScoreTable table{};
    for (int32_t r = 0; r < kHighScoresPerPage; ++r) {
      HighScoreEntry& e = table[page * kHighScoresPerPage + r];
      e.score = 1000 - 100 * r;
      e.maximum = 2000;
      e.name[0] = static_cast<char>('A' + r);
      e.mission = 10;
    }
    return table;
  }

  static std::string Name(const HighScoreEntry& e) { return std::string(e.name, strnlen(e.name, 12)); }

  static std::string FileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  // Types each character of `text` as its key ('\b' for Backspace).
  static void Type(HighScoreEntry& e, int32_t& length, const std::string& text) {
    for (char c : text) TypeNameKey(e, length, c == '\b' ? VK_BACK : c);
  }
};

TEST_F(HighScoreTableTest, ATieWithTheTenthDoesNotEnterAndTheBestScorePushesTheTenthOut) {
  HighScoreTable table = PageOfTens(1);
  const HighScoreTable before = table;
  EXPECT_EQ(InsertHighScore(table, 1, 100, 500, 7), -1);  // equal to the tenth
  EXPECT_EQ(InsertHighScore(table, 1, 50, 500, 7), -1);
  for (int32_t r = 0; r < kHighScoreRows; ++r) EXPECT_EQ(Name(table[r]), Name(before[r]));

  EXPECT_EQ(InsertHighScore(table, 1, 1001, 1200, 10), 10);
  EXPECT_EQ(table[10].score, 1001);
  EXPECT_EQ(table[10].maximum, 1200);
  EXPECT_EQ(table[10].mission, 10);
  EXPECT_EQ(Name(table[10]), "");
  EXPECT_EQ(Name(table[11]), "A");
  EXPECT_EQ(table[11].score, 1000);
  EXPECT_EQ(Name(table[19]), "I");  // J, the old tenth with 100, is gone
  EXPECT_EQ(table[19].score, 200);
  // Other pages stay as they were.
  EXPECT_EQ(table[9].score, 0);
  EXPECT_EQ(table[20].score, 0);
}

TEST_F(HighScoreTableTest, AScoreEntersBelowEqualScoresAndClearsTheCheatFlag) {
  HighScoreTable table = PageOfTens(2);
  table[23].cheat = 1;
  EXPECT_EQ(InsertHighScore(table, 2, 700, 900, 4), 24);  // below the 700 already there
  EXPECT_EQ(table[24].cheat, 0);
  EXPECT_EQ(table[23].cheat, 1);
  EXPECT_EQ(table[25].score, 600);
  EXPECT_EQ(InsertHighScore(table, 3, 5000, 5000, 1), -1);   // no such page
  EXPECT_EQ(InsertHighScore(table, -1, 5000, 5000, 1), -1);
}

TEST_F(HighScoreTableTest, NameEntryTakesElevenCharactersAndBackspaceOrDeleteEmptiesIt) {
  HighScoreEntry e;
  int32_t length = 0;
  Type(e, length, "ABC DEFGHIJKL");  // a twelfth character and more do nothing
  EXPECT_EQ(Name(e), "ABC DEFGHIJ");
  EXPECT_EQ(length, 11);
  EXPECT_EQ(e.name[11], '\0');
  EXPECT_EQ(TypeNameKey(e, length, 'Z'), NAME_KEY_IGNORED);

  for (int key : {VK_BACK, VK_DELETE}) {
    Type(e, length, "\bABC");
    EXPECT_EQ(Name(e), "ABC");
    EXPECT_EQ(TypeNameKey(e, length, key), NAME_KEY_EMPTIED);
    EXPECT_EQ(Name(e), "");
    EXPECT_EQ(length, 0);
    EXPECT_EQ(TypeNameKey(e, length, key), NAME_KEY_IGNORED);  // nothing left to empty
  }
  // Digits, Enter and lower-case codes are no letters.
  for (int key : {VK_1, VK_RETURN, int{'a'}, 0, 255}) EXPECT_EQ(TypeNameKey(e, length, key), NAME_KEY_IGNORED);
  EXPECT_EQ(TypeNameKey(e, length, VK_SPACE), NAME_KEY_ADDED);
  EXPECT_EQ(Name(e), " ");
}

TEST_F(HighScoreTableTest, TheFileIsThirtyEntriesOfTwentyEightLittleEndianBytes) {
  HighScoreTable table{};
  table[0] = HighScoreEntry{.score = 503, .maximum = -2, .name = "TAVEN", .mission = 5, .cheat = 1};
  table[29].score = 0x01020304;
  const HighScoreFileBytes bytes = EncodeHighScores(table);
  const uint8_t first[28] = {0xF7, 0x01, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF, 'T', 'A', 'V', 'E', 'N', 0,
                             0,    0,    0, 0, 0,    0,    5,    0,    0,   0,   1,   0,   0,   0};
  EXPECT_EQ(std::memcmp(bytes.data(), first, 28), 0);
  const uint8_t last[4] = {4, 3, 2, 1};
  EXPECT_EQ(std::memcmp(bytes.data() + 812, last, 4), 0);

  // Any 840 bytes whose names end within their twelve come back byte for byte, what follows each
  // name's end included.
  HighScoreFileBytes any{};
  for (size_t i = 0; i < any.size(); ++i) any[i] = static_cast<uint8_t>(i * 37 + 11);
  for (size_t row = 0; row < 30; ++row) any[row * 28 + 8 + 3 + row % 9] = 0;
  HighScoreTable read{};
  ASSERT_TRUE(DecodeHighScores(any.data(), any.size(), read));
  EXPECT_EQ(EncodeHighScores(read), any);
}

TEST_F(HighScoreTableTest, ANameWithoutItsEndIsCutWithinItsTwelveBytes) {
  HighScoreFileBytes bytes{};
  std::memset(bytes.data() + 8, 'W', 12);  // row 0's name fills its field
  bytes[20] = 9;                           // and its mission follows at once
  HighScoreTable read{};
  ASSERT_TRUE(DecodeHighScores(bytes.data(), bytes.size(), read));
  EXPECT_EQ(Name(read[0]), "WWWWWWWWWWW");
  EXPECT_EQ(read[0].mission, 9);
}

TEST_F(HighScoreTableTest, TheDefaultsShowThreeScoresOnEachPageWithMaximaDrawnInRowOrder) {
  srand(1);  // the generator's first draws from seed 1: 41, 18467, 6334, 26500, 19169, 15724, ...
  BuildDefaultTable();
  const HighScoreTable& t = highScoreTable;
  EXPECT_EQ(Name(t[0]), "TAVEN");
  EXPECT_EQ(t[0].score, 503);
  EXPECT_EQ(t[0].mission, 5);
  EXPECT_EQ(t[0].maximum, 505);  // 500 + 41 % 15 - 6
  EXPECT_EQ(t[1].maximum, 396);  // 400 + 2 - 6
  EXPECT_EQ(t[2].maximum, 298);
  EXPECT_EQ(t[3].maximum, 204);
  EXPECT_EQ(t[4].maximum, 108);
  EXPECT_EQ(t[4].mission, 1);
  EXPECT_EQ(t[10].maximum, 498);  // the sixth draw: rows 5..9 take none
  EXPECT_EQ(Name(t[24]), "BARRIK");
  EXPECT_EQ(t[24].score, 98);
  for (int32_t page = 0; page < 3; ++page) {
    for (int32_t r = 5; r < 10; ++r) {
      const HighScoreEntry& e = t[page * 10 + r];
      EXPECT_EQ(e.score + e.maximum + e.mission + e.cheat, 0);
      EXPECT_EQ(Name(e), "");
    }
  }
  EXPECT_EQ(Name(t[1]), Name(t[20]));  // DOVAN on two pages
  EXPECT_EQ(Name(t[3]), Name(t[23]));  // SORLA too
}

TEST_F(HighScoreTableTest, AMissingOrShortFileGivesTheDefaultsAndASavedTableReadsBack) {
  testing::ScratchTree tree;
  srand(1);
  highScorePage = 2;
  LoadHighScores();  // no file
  EXPECT_EQ(highScorePage, 0);
  EXPECT_EQ(highScoreTable[0].score, 503);
  EXPECT_EQ(highScoreTable[0].maximum, 505);
  EXPECT_FALSE(std::filesystem::exists(tree.PathOf("savedGames")));  // the defaults are not written

  // Save makes the folder; a short file (one byte missing) is no table.
  highScoreTable[0].score = 7777;
  ASSERT_TRUE(SaveHighScores());
  const std::string written = FileBytes(tree.PathOf("savedGames/bli"));
  ASSERT_EQ(written.size(), 840u);
  tree.WriteBytes("savedGames\\bli", written.substr(0, 839));
  srand(1);
  LoadHighScores();
  EXPECT_EQ(highScoreTable[0].score, 503);

  tree.WriteBytes("savedGames\\bli", written + "trailing bytes");
  LoadHighScores();
  EXPECT_EQ(highScoreTable[0].score, 7777);
  EXPECT_EQ(highScoreTable[0].maximum, 505);
}

TEST_F(HighScoreTableTest, AFileThatCannotBeWrittenStaysAsItWas) {
  testing::ScratchTree tree;
  tree.WriteBytes("SAVEDGAMES\\BLI", std::string(840, '\0'));  // spelt the other way on disk
  highScoreTable[5].score = 1;
  ASSERT_TRUE(SaveHighScores());
  EXPECT_EQ(FileBytes(tree.PathOf("SAVEDGAMES/BLI"))[140], 1);
  EXPECT_FALSE(std::filesystem::exists(tree.PathOf("savedGames")));

  chmod(tree.PathOf("SAVEDGAMES/BLI").c_str(), 0444);
  highScoreTable[5].score = 2;
  EXPECT_FALSE(SaveHighScores());
  EXPECT_EQ(FileBytes(tree.PathOf("SAVEDGAMES/BLI"))[140], 1);

  testing::ScratchTree other;  // a file where the folder should be
  other.WriteBytes("savedGames", "not a folder");
  EXPECT_FALSE(SaveHighScores());
}

}  // namespace
}  // namespace kestrine
