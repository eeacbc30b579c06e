// The strategy file's bytes: the layout field by field (patrol last on disk), corrupt counts, short files,
// and a table that survives any number of loads and saves with its heights unchanged.
#include <gtest/gtest.h>

#include <bit>
#include <cstring>
#include <string>

#include "battlefield/strategy_file.h"

namespace kestrine {
namespace {

void PutI32(std::string& s, int32_t v) {
  for (int i = 0; i < 4; ++i) s += static_cast<char>((static_cast<uint32_t>(v) >> (8 * i)) & 0xFF);
}
void PutF32(std::string& s, float v) { PutI32(s, std::bit_cast<int32_t>(v)); }

// A file as the layout describes it: count, then 35 records of x, y, z, side, vehicle, injury, orders, type,
// patrol. Record i holds recognisable values.
std::string HandMadeFile(int32_t count) {
  std::string s;
  PutI32(s, count);
  for (int i = 0; i < kStrategyEntryCount; ++i) {
    PutF32(s, -70.5f + i);
    PutF32(s, 400.25f);
    PutF32(s, 12.0f - i);
    for (int32_t v : {i % 3, i % 5, i % 7, 100 + i, 200 + i, 300 + i}) PutI32(s, v);
  }
  return s;
}

const uint8_t* Bytes(const std::string& s) { return reinterpret_cast<const uint8_t*>(s.data()); }

TEST(StrategyFile, FieldsSitWhereTheLayoutPutsThemAndAWrittenTableIsTheSameFile) {
  const std::string file = HandMadeFile(7);
  ASSERT_EQ(file.size(), 1264u);
  StrategyEntry entries[kStrategyEntryCount];
  int32_t count = 0;
  DecodeStrategyFile(Bytes(file), file.size(), entries, count);

  EXPECT_EQ(count, 7);
  const StrategyEntry& e = entries[10];
  EXPECT_FLOAT_EQ(e.pos.x, -60.5f);
  EXPECT_FLOAT_EQ(e.pos.y, 400.25f);
  EXPECT_FLOAT_EQ(e.pos.z, 2.0f);
  EXPECT_EQ(e.side, 1);
  EXPECT_EQ(e.vehicle, 0);
  EXPECT_EQ(e.injury, 3);
  EXPECT_EQ(e.orders, 110);  // +24
  EXPECT_EQ(e.type, 210);    // +28
  EXPECT_EQ(e.patrol, 310);  // +32, last on disk

  const StrategyFileBytes written = EncodeStrategyFile(entries, count);
  EXPECT_EQ(std::memcmp(written.data(), file.data(), file.size()), 0);
}

TEST(StrategyFile, CorruptCountsAreClampedToTheTable) {
  StrategyEntry entries[kStrategyEntryCount];
  for (auto [stored, expected] : {std::pair{99, 35}, {-4, 0}, {35, 35}, {0, 0}}) {
    int32_t count = 12;
    const std::string file = HandMadeFile(stored);
    DecodeStrategyFile(Bytes(file), file.size(), entries, count);
    EXPECT_EQ(count, expected) << stored;
  }
}

TEST(StrategyFile, AShortFileLeavesTheFieldsItDoesNotReach) {
  StrategyEntry entries[kStrategyEntryCount];
  for (StrategyEntry& e : entries) {
    e.StoreAt(Vector3(1, 2, 3));
    e.patrol = 9;
  }
  // Cut in the middle of record 2's y.
  const std::string file = HandMadeFile(5).substr(0, 4 + 2 * 36 + 6);
  int32_t count = 0;
  DecodeStrategyFile(Bytes(file), file.size(), entries, count);
  EXPECT_EQ(count, 5);
  EXPECT_EQ(entries[1].patrol, 301);
  EXPECT_FLOAT_EQ(entries[2].pos.x, -68.5f);
  EXPECT_FLOAT_EQ(entries[2].pos.y, 2.0f);
  EXPECT_FLOAT_EQ(entries[2].SavedY(), 2.0f);
  EXPECT_EQ(entries[2].patrol, 9);
  EXPECT_FLOAT_EQ(entries[34].pos.z, 3.0f);

  // Nothing at all: the count stays as it was.
  count = 4;
  DecodeStrategyFile(Bytes(file), 3, entries, count);
  EXPECT_EQ(count, 4);
}

TEST(StrategyFile, HeightsDoNotCreepThroughLoadsAndSaves) {
  const std::string file = HandMadeFile(3);
  std::string current = file;
  for (int round = 0; round < 3; ++round) {
    StrategyEntry entries[kStrategyEntryCount];
    int32_t count = 0;
    DecodeStrategyFile(Bytes(current), current.size(), entries, count);
    // The mission build lifts start entries onto the ground before placing units.
    for (StrategyEntry& e : entries) e.pos.y += 3.0f;
    const StrategyFileBytes written = EncodeStrategyFile(entries, count);
    current.assign(reinterpret_cast<const char*>(written.data()), written.size());
  }
  EXPECT_EQ(current, file);

  // What the editor stores is what gets written.
  StrategyEntry entries[kStrategyEntryCount];
  int32_t count = 0;
  DecodeStrategyFile(Bytes(file), file.size(), entries, count);
  entries[4].StoreAt(Vector3(5, 411.5f, -6));
  StrategyEntry again[kStrategyEntryCount];
  const StrategyFileBytes written = EncodeStrategyFile(entries, count);
  DecodeStrategyFile(written.data(), written.size(), again, count);
  EXPECT_FLOAT_EQ(again[4].pos.y, 411.5f);
  EXPECT_FLOAT_EQ(again[4].pos.x, 5.0f);
}

TEST(StrategyFile, ResetClearsEverything) {
  StrategyEntry e;
  e.StoreAt(Vector3(1, 2, 3));
  e.side = e.vehicle = e.injury = e.patrol = e.orders = e.type = 4;
  e.Reset();
  EXPECT_EQ(e.pos.x + e.pos.y + e.pos.z + e.SavedY(), 0.0f);
  EXPECT_EQ(e.side | e.vehicle | e.injury | e.patrol | e.orders | e.type, 0);
}

}  // namespace
}  // namespace kestrine
