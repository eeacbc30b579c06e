// The lip-sync walk against its sound's clock: the lead before the sound, each shape starting 50 ms before
// its record's time and the one it replaces stopping 100 ms later (or at once when a third shape comes
// first), and the end after the last record.
#include <gtest/gtest.h>

#include <vector>

#include "casualty/lip_sync_walk.h"

namespace {

using namespace kestrine;

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
