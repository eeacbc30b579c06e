// Lip-sync files as they come from disk: short, unterminated, out-of-range and oversized files are read
// without running past what is there, and a timeline found under the game's path comes back whole.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>

#include "casualty/lip_sync.h"
#include "unit/shell/scratch_tree.h"

namespace {

using namespace kestrine;

std::string Phn(std::initializer_list<std::pair<int64_t, int64_t>> records) {
  std::string out;
  for (auto [time, shape] : records) {
    for (int64_t v : {time, shape}) {
      const auto u = static_cast<uint32_t>(static_cast<int32_t>(v));
      for (int i = 0; i < 4; ++i) out += static_cast<char>((u >> (8 * i)) & 0xFF);
    }
  }
  return out;
}

TEST(LipSync, FilesTooShortForARecordGiveAnEmptyTimeline) {
  EXPECT_TRUE(ParseLipSync("").empty());
  EXPECT_TRUE(ParseLipSync(std::string("\x2c\x01\x00\x00", 4)).empty());
  // 12 bytes: one whole record and half of the next, which is ignored.
  const auto records = ParseLipSync(Phn({{300, 2}}) + std::string("\x08\x02\x00\x00", 4));
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].timeMs, 300);
  EXPECT_EQ(records[0].shape, 2);
}

TEST(LipSync, TheTimelineEndsAtTheFirstNegativeTimeOrTheLastRecord) {
  // A negative first record: nothing to say, whatever follows it.
  EXPECT_TRUE(ParseLipSync(Phn({{-1, 0}, {300, 2}, {520, 7}})).empty());

  const auto closed = ParseLipSync(Phn({{300, 2}, {520, 7}, {-1, 0}, {900, 3}}));
  ASSERT_EQ(closed.size(), 2u);
  EXPECT_EQ(closed[1].timeMs, 520);
  EXPECT_EQ(closed[1].shape, 7);

  const auto open = ParseLipSync(Phn({{300, 2}, {520, 7}}));
  EXPECT_EQ(open.size(), 2u);

  // Little-endian, all four bytes of each field.
  const auto wide = ParseLipSync(Phn({{0x01020304, 15}}));
  ASSERT_EQ(wide.size(), 1u);
  EXPECT_EQ(wide[0].timeMs, 16909060);
}

TEST(LipSync, AShapeOutsideTheSixteenKeepsItsTimeButMovesNoMouth) {
  const auto records = ParseLipSync(Phn({{100, 0}, {200, 15}, {300, 16}, {400, -3}, {500, 0x7fffffff}, {600, 4}}));
  ASSERT_EQ(records.size(), 6u);
  EXPECT_EQ(records[0].shape, 0);
  EXPECT_EQ(records[1].shape, 15);
  for (int i : {2, 3, 4}) {
    EXPECT_EQ(records[i].shape, kNoMouthShape) << i;
    EXPECT_EQ(records[i].timeMs, 100 * (i + 1)) << i;
  }
  EXPECT_EQ(records[5].shape, 4);
}

TEST(LipSync, AFileIsFoundUnderTheGamesPathAndBoundedInSize) {
  kestrine::testing::ScratchTree tree;
  tree.WriteBytes("sounds/speech/ws2/Steth_Ac1.phn", Phn({{300, 2}, {520, 7}, {-1, 0}}));
  const LipSyncFile found = LoadLipSync("sounds\\Speech\\WS2\\steth_ac1.phn");
  EXPECT_EQ(found.status, LipSyncStatus::Loaded);
  ASSERT_EQ(found.records.size(), 2u);
  EXPECT_EQ(found.records[0].timeMs, 300);

  tree.WriteBytes("sounds/empty.phn", "");
  const LipSyncFile empty = LoadLipSync("sounds\\empty.phn");
  EXPECT_EQ(empty.status, LipSyncStatus::Loaded);
  EXPECT_TRUE(empty.records.empty());

  EXPECT_EQ(LoadLipSync("sounds\\speech\\ws2\\nothing.phn").status, LipSyncStatus::Missing);
  EXPECT_EQ(LoadLipSync("sounds\\speech").status, LipSyncStatus::Missing);  // a folder is no file

  tree.WriteBytes("sounds/huge.phn", std::string(kMaxLipSyncBytes + 1, '\0'));
  const LipSyncFile huge = LoadLipSync("sounds\\huge.phn");
  EXPECT_EQ(huge.status, LipSyncStatus::TooLarge);
  EXPECT_TRUE(huge.records.empty());
  tree.WriteBytes("sounds/largest.phn", std::string(kMaxLipSyncBytes, '\0'));
  EXPECT_EQ(LoadLipSync("sounds\\largest.phn").records.size(), kMaxLipSyncBytes / kLipSyncRecordBytes);
}

}  // namespace
