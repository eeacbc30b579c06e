// Lip-sync files as they come from disk (short, unterminated, out-of-range and oversized files are read
// without running past what is there, and a timeline found under the game's path comes back whole), and the
// walk against its sound's clock: the lead before the sound, each shape starting 50 ms before its record's
// time and the one it replaces stopping 100 ms later (or at once when a third shape comes first), and the end
// after the last record.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "casualty/lip_sync.h"
#include "casualty_view/lip_sync_walk.h"
#include "unit/casualty/patient_face_fixture.h"

namespace {

using namespace kestrine;
using kestrine::testing::Phn;

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

struct Event {
  int atMs;  // time since the first frame's start
  const char* what;
  int shape;
  bool operator==(const Event&) const = default;
};

// Frames of frameMs until the walk ends (or 5 s): every event with the time at the end of its frame.
std::vector<Event> Walk(const std::vector<LipSyncRecord>& records, int frameMs) {
  LipSyncWalk walk;
  walk.Restart();
  std::vector<Event> events;
  for (int elapsed = frameMs; elapsed <= 5000; elapsed += frameMs) {
    const LipSyncFrame f = AdvanceLipSync(walk, records, frameMs);
    if (f.stopShape != kNoMouthShape) events.push_back({elapsed, "stop", f.stopShape});
    if (f.startSound) events.push_back({elapsed, "sound", -1});
    if (f.newRecord) events.push_back({elapsed, "shape", f.newShape});
    if (f.ended) {
      events.push_back({elapsed, "end", -1});
      break;
    }
  }
  return events;
}

TEST(LipSyncWalk, ShapesFollowTheSoundsClock) {
  // The sound starts 100 ms in; the clock is then 0 at elapsed 100. Record 1's shape starts once the clock
  // passes 300 - 50 (at 260, elapsed 360), and record 0's shape stops 100 ms after that.
  const std::vector<Event> expected = {
      {100, "sound", -1}, {100, "shape", 2}, {360, "shape", 5}, {460, "stop", 2},
      {760, "shape", 15}, {860, "stop", 5},  {1060, "end", -1},
  };
  EXPECT_EQ(Walk({{300, 2}, {700, 5}, {1000, 15}}, 10), expected);
}

TEST(LipSyncWalk, AShapeReplacedWithinItsHoldStopsAtOnce) {
  // 40 ms frames: the clock passes 0 at elapsed 120 (20 ms over, forgotten when the sound starts).
  const std::vector<Event> expected = {
      {120, "sound", -1}, {120, "shape", 1}, {160, "shape", 2}, {200, "stop", 1}, {200, "shape", 3},
  };
  const std::vector<Event> events = Walk({{60, 1}, {80, 2}, {500, 3}}, 40);
  ASSERT_GE(events.size(), expected.size());
  EXPECT_EQ(std::vector<Event>(events.begin(), events.begin() + static_cast<long>(expected.size())), expected);
}

TEST(LipSyncWalk, AnEmptyTimelineEndsAfterTheLeadWithoutSound) {
  EXPECT_EQ(Walk({}, 16), (std::vector<Event>{{112, "end", -1}}));
}

TEST(LipSyncWalk, AShapeOutOfRangeKeepsItsTimeButShowsNothing) {
  const std::vector<Event> events = Walk({{200, kNoMouthShape}, {400, 3}}, 50);
  const std::vector<Event> expected = {
      {100, "sound", -1}, {100, "shape", kNoMouthShape}, {300, "shape", 3}, {500, "end", -1}};
  EXPECT_EQ(events, expected);
}

TEST(LipSyncWalk, ARestartDuringTheLeadGoesOnWithIt) {
  LipSyncWalk walk;
  walk.Restart();
  const std::vector<LipSyncRecord> records = {{500, 4}};
  AdvanceLipSync(walk, records, 60);  // clock -40
  walk.Restart();
  EXPECT_FALSE(AdvanceLipSync(walk, records, 30).startSound);  // -10
  EXPECT_TRUE(AdvanceLipSync(walk, records, 30).startSound);   // 20: not a fresh lead
}

}  // namespace
