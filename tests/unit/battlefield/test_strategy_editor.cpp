// The strategy editor driven by its keys in the overhead view: the cursor, the field keys, storing entries
// where the medic stands with their markers and points, and the strategy file read and written back.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "battlefield/battle_state.h"
#include "battlefield/developer_switches.h"
#include "battlefield/overhead_keys.h"
#include "battlefield/placement_tool.h"
#include "battlefield/spawn_points.h"
#include "battlefield/strategy_editor.h"
#include "battlefield/strategy_markers.h"
#include "battlefield/strategy_table.h"
#include "shell/developer_keys.h"
#include "unit_fixture.h"

namespace kestrine {
namespace {

constexpr int kLeft = 0x25, kRight = 0x27;

class StrategyEditorTest : public testing::UnitTest {
 protected:
  void SetUp() override {
    UnitTest::SetUp();
    gameState = STATE_OVERHEAD;
    missionNumber = 6;
    Add(kUnitKindMedic, kSidePlayer, 0, 0);
    for (int i = 0; i < 5; ++i) markerImages[i] = engineRoot->CreateBitmap(8, 8);
    debugMode = kDebugDeveloper;
    Press(VK_STRATEGY_EDITOR);
    ASSERT_EQ(strategyEditOn, 1);
  }
  static void Press(int key) {
    OverheadKey(key, true);
    OverheadKey(key, false);
  }
  static void Press(int key, int times) {
    for (int i = 0; i < times; ++i) Press(key);
  }
  // 'S' with the medic standing at (x, y, z).
  static void StoreAt(float x, float y, float z) {
    units[0]->pos = Vector3(x, y, z);
    Press('S');
  }
  static void EditingMode() {
    Press(VK_STRATEGY_MODE);
    ASSERT_EQ(strategyEditMode, kStrategyEditing);
  }
  static engine::EngineMesh* Plane(int i) { return strategyMarkerState.strategyMarkerPlanes[i].Get(); }
  static engine::EngineObject* Marker(int i) { return strategyMarkerState.strategyMarkers[i].Get(); }
  static engine::Color Front(int i) { return Plane(i)->FindFace(L"front")->color; }
  std::string FileBytes() const {
    std::ifstream in(tree_.PathOf("missions\\mission6\\strat"), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
};

// Little-endian fields written into a byte string by hand, to build expected files.
void PutI32(std::string& bytes, size_t at, int32_t v) { std::memcpy(&bytes[at], &v, 4); }
void PutF32(std::string& bytes, size_t at, float v) { std::memcpy(&bytes[at], &v, 4); }
// Record i of a strategy file: x y z side vehicle injury orders type patrol.
void PutRecord(std::string& bytes, int i, float x, float y, float z, int32_t side, int32_t vehicle, int32_t injury,
               int32_t orders, int32_t type, int32_t patrol) {
  const size_t at = 4 + 36 * static_cast<size_t>(i);
  PutF32(bytes, at, x);
  PutF32(bytes, at + 4, y);
  PutF32(bytes, at + 8, z);
  const int32_t ints[] = {side, vehicle, injury, orders, type, patrol};
  for (int k = 0; k < 6; ++k) PutI32(bytes, at + 12 + 4 * k, ints[k]);
}

TEST_F(StrategyEditorTest, TheCursorWrapsOverTheEntriesInUseAndNeverPastTheLastSlot) {
  strategyCount = 3;
  strategyCursor = 3;
  Press(kRight);
  EXPECT_EQ(strategyCursor, 0);
  Press(kLeft);
  EXPECT_EQ(strategyCursor, 3);
  Press(kLeft);
  EXPECT_EQ(strategyCursor, 2);

  // A file that claims more entries than the table holds: the cursor still stops on the last slot.
  std::string file(1264, '\0');
  PutI32(file, 0, 1000);
  tree_.WriteBytes("missions\\mission6\\strat", file);
  Press('L');
  EXPECT_EQ(strategyCount, 35);
  EXPECT_EQ(strategyCursor, 34);
  Press(kRight);
  EXPECT_EQ(strategyCursor, 0);
  Press(kLeft);
  EXPECT_EQ(strategyCursor, 34);
  // And the table stays full: no store into its last slot.
  StoreAt(1, 400, 1);
  EXPECT_EQ(strategyCount, 35);
}

TEST_F(StrategyEditorTest, FieldKeysCycleAndComeBeforeTheCheatsOfTheSameKeys) {
  StrategyEntry& e = strategy[0];
  e.type = STRATEGY_DEFEND;
  Press('F', 8);
  EXPECT_EQ(e.type, STRATEGY_DEFEND);
  EXPECT_EQ(clockFrozen, 0) << "'F' also freezes the clock when the editor is off";
  Press('F', 5);
  EXPECT_EQ(e.type, STRATEGY_NONE);

  Press('A', 2);
  EXPECT_EQ(e.side, PLAYER);
  OverheadKey('A', true);  // the side steps when 'A' is let go, player back to ally
  EXPECT_EQ(e.side, PLAYER);
  OverheadKey('A', false);
  EXPECT_EQ(e.side, ALLY);

  // The other fields step on their press and start again after their last value.
  struct Cycle {
    int key;
    int32_t StrategyEntry::*field;
    int32_t length;
  };
  for (const Cycle& c : {Cycle{'V', &StrategyEntry::vehicle, 5}, Cycle{'I', &StrategyEntry::injury, 6},
                         Cycle{'P', &StrategyEntry::patrol, 35}, Cycle{'O', &StrategyEntry::orders, 12}}) {
    Press(c.key, c.length - 1);
    EXPECT_EQ(e.*c.field, c.length - 1) << static_cast<char>(c.key);
    Press(c.key);
    EXPECT_EQ(e.*c.field, 0) << static_cast<char>(c.key);
  }
  EXPECT_EQ(invulnerable, 0);  // 'I' was the editor's
  EXPECT_EQ(showLocation, 0);  // 'L' too

  // With the placement tool on as well, the tool keeps 'A' and the arrows move both.
  objectPlacementOn = 1;
  strategyCount = 2;
  Press('A');
  EXPECT_EQ(e.side, ALLY);
  Press(kRight);
  EXPECT_EQ(strategyCursor, 1);
  // Off again, the letters are the cheats' once more.
  objectPlacementOn = 0;
  Press(VK_STRATEGY_EDITOR);
  Press('F');
  EXPECT_EQ(clockFrozen, 1);
}

TEST_F(StrategyEditorTest, PlacingAppendsEntriesWhileEditingRewritesTheOneUnderTheCursor) {
  strategy[0].type = STRATEGY_START;
  strategy[0].side = ALLY;
  strategy[0].injury = 1;
  StoreAt(10, 401, -5);
  ASSERT_EQ(strategyCount, 1);
  EXPECT_EQ(strategyCursor, 0);
  ASSERT_NE(Marker(0), nullptr);
  EXPECT_TRUE(engineStage->Contains(Marker(0)) && Marker(0)->Visible());
  EXPECT_FLOAT_EQ(Marker(0)->LocalPosition().x, 10.0f);
  EXPECT_EQ(Plane(0)->Params()[0], 4.0f);
  EXPECT_EQ(Front(0), engine::EngineBitmap::MakeColor(255, 255, 0));  // an ally casualty's place
  EXPECT_EQ(Plane(0)->FindFace(L"front")->image, markerImages[0]);

  // The next store goes after it; an entry without a marker is written but not counted.
  strategy[1].type = STRATEGY_NONE;
  StoreAt(20, 400, 20);
  EXPECT_EQ(strategyCount, 1);
  EXPECT_EQ(Marker(1), nullptr);
  EXPECT_FLOAT_EQ(strategy[1].pos.x, 20.0f);
  strategy[1].type = STRATEGY_START;
  strategy[1].side = ENEMY;
  strategy[1].vehicle = 1;
  StoreAt(30, 400, 30);
  EXPECT_EQ(strategyCount, 2);
  EXPECT_EQ(Front(1), engine::EngineBitmap::MakeColor(255, 10, 10));
  EXPECT_EQ(Plane(1)->FindFace(L"front")->image, markerImages[2]);  // a vehicle's start

  // Editing: the START entry moves to the medic, keeps its object, its plane is resized, the count stays.
  EditingMode();
  ASSERT_EQ(strategyCursor, 1);  // on the entry stored last
  Press(kLeft);
  ASSERT_EQ(strategyCursor, 0);
  engine::EngineObject* object = Marker(0);
  engine::EngineMesh* plane = Plane(0);
  const size_t onStage = engineStage->Objects().size();
  StoreAt(-7, 402, 8);
  EXPECT_EQ(strategyCount, 2);
  EXPECT_EQ(Marker(0), object);
  EXPECT_EQ(Plane(0), plane);
  EXPECT_EQ(plane->Params()[0], 4.0f);
  EXPECT_FLOAT_EQ(object->LocalPosition().x, -7.0f);
  EXPECT_EQ(engineStage->Objects().size(), onStage);

  // Placing into a slot that already has a marker takes the old one off the stage.
  strategyEditMode = kStrategyPlacing;
  strategyCount = 1;
  strategy[1].type = STRATEGY_PATROL;
  engine::EngineObject* old = Marker(1);
  StoreAt(1, 400, 1);
  EXPECT_NE(Marker(1), old);
  EXPECT_EQ(engineStage->Objects().size(), onStage);
  EXPECT_EQ(Front(1), engine::EngineBitmap::MakeColor(255, 10, 10));  // an enemy patrol

  // ']' hides every marker and takes it off the stage, '[' brings it back.
  Press(VK_STRATEGY_HIDE);
  EXPECT_FALSE(engineStage->Contains(Marker(0)) || Marker(0)->Visible());
  Press(VK_STRATEGY_SHOW);
  EXPECT_TRUE(engineStage->Contains(Marker(1)) && Marker(1)->Visible());
}

TEST_F(StrategyEditorTest, SpawnAndExtractionEntriesSetTheirPointsWhenStored) {
  spawnPointCount = 0;
  for (int i = 0; i < 5; ++i) {
    strategy[i].type = STRATEGY_SPAWN;
    StoreAt(4.0f * i, 400.0f, -3.0f);
  }
  EXPECT_EQ(strategyCount, 5);
  ASSERT_EQ(spawnPointCount, 4);  // the fifth finds the list full
  EXPECT_FLOAT_EQ(spawnPoints[0].y, 403.0f);
  EXPECT_FLOAT_EQ(spawnPoints[3].x, 12.0f);
  EXPECT_FLOAT_EQ(spawnPoints[3].z, -3.0f);
  ASSERT_NE(Marker(4), nullptr);  // but it is marked
  EXPECT_EQ(Plane(4)->Params()[0], 8.0f);
  EXPECT_EQ(Front(4), engine::EngineBitmap::MakeColor(255, 10, 10));

  strategy[5].type = STRATEGY_2EXTRACT;
  StoreAt(50, 400, 60);
  strategy[6].type = STRATEGY_2EXTRACT;
  StoreAt(-50, 401, -60);
  EXPECT_FLOAT_EQ(evacuationPoint.x, -50.0f);
  EXPECT_FLOAT_EQ(evacuationPoint.z, -60.0f);
  strategy[7].type = STRATEGY_EXTRACTION;
  StoreAt(70, 400, 5);
  EXPECT_FLOAT_EQ(extractionPoint.x, 70.0f);
  EXPECT_EQ(Front(7), engine::EngineBitmap::MakeColor(0, 255, 0));
  EXPECT_EQ(Plane(7)->FindFace(L"front")->image, markerImages[3]);
}

TEST_F(StrategyEditorTest, ThirtyFourEntriesRefuseAnotherStoreInEitherMode) {
  strategyCount = 33;
  strategy[33].type = STRATEGY_START;
  StoreAt(5, 400, 5);
  ASSERT_EQ(strategyCount, 34);
  strategy[34].type = STRATEGY_START;
  StoreAt(6, 400, 6);
  EXPECT_EQ(strategyCount, 34);
  EXPECT_FLOAT_EQ(strategy[34].pos.x, 0.0f);
  EXPECT_EQ(Marker(34), nullptr);
  EditingMode();
  strategyCursor = 2;
  StoreAt(7, 400, 7);
  EXPECT_FLOAT_EQ(strategy[2].pos.x, 0.0f);
}

TEST_F(StrategyEditorTest, LoadingWithoutAFileEmptiesTheTableAndWithOneMarksEveryEntryInUse) {
  strategyCount = 4;
  strategyCursor = 3;
  Press('L');
  EXPECT_EQ(strategyCount, 0);
  EXPECT_EQ(strategyCursor, 0);

  std::string file(1264, '\0');
  PutI32(file, 0, 3);
  PutRecord(file, 0, 1, 400, 1, PLAYER, 0, 0, 0, STRATEGY_START, 0);
  PutRecord(file, 1, 2, 400, 2, ENEMY, 0, 0, 0, STRATEGY_SPAWN, 0);
  PutRecord(file, 2, 3, 400, 3, ALLY, 0, 0, 99, STRATEGY_PATROL, 0);  // orders out of range
  PutRecord(file, 10, 9, 400, 9, ENEMY, 0, 0, 0, STRATEGY_SPAWN, 0);  // past the count
  tree_.WriteBytes("missions\\mission6\\strat", file);
  Press('L');
  EXPECT_EQ(strategyCount, 3);
  EXPECT_EQ(strategyCursor, 2);
  for (int i = 0; i < 3; ++i) EXPECT_NE(Marker(i), nullptr) << i;
  EXPECT_EQ(Marker(10), nullptr);
  EXPECT_EQ(Front(0), engine::EngineBitmap::MakeColor(255, 255, 255));
  EXPECT_EQ(strategy[2].orders, ORDERS_NONE);
  // Only the entries in use count as respawn points after the editor's load.
  ASSERT_EQ(spawnPointCount, 1);
  EXPECT_FLOAT_EQ(spawnPoints[0].x, 2.0f);
}

TEST_F(StrategyEditorTest, AnEditedTableIsWrittenBackByteForByte) {
  std::string file(1264, '\0');
  PutI32(file, 0, 2);
  PutRecord(file, 0, 1.25f, 399.5f, -2.75f, PLAYER, 0, 0, 0, STRATEGY_START, 0);
  PutRecord(file, 1, -40.5f, 402.25f, 33.0f, ALLY, 2, 3, ORDERS_DEFEND, STRATEGY_START, 7);
  PutRecord(file, 20, 5, 400, 5, ENEMY, 0, 0, 0, STRATEGY_SPAWN, 0);  // beyond the count, kept as it is
  tree_.WriteBytes("missions\\mission6\\strat", file);

  Press('L');
  Press('W');
  EXPECT_EQ(FileBytes(), file);

  // Entry 1 gets new orders and is moved to the medic; a third entry is placed.
  EditingMode();
  ASSERT_EQ(strategyCursor, 1);  // the load leaves it on the last entry
  Press('O');
  StoreAt(12.5f, 404.0f, -8.25f);
  Press(VK_STRATEGY_MODE);
  strategy[2].type = STRATEGY_EXTRACTION;
  StoreAt(60.0f, 400.5f, 61.0f);
  Press('W');

  std::string expected = file;
  PutI32(expected, 0, 3);
  PutRecord(expected, 1, 12.5f, 404.0f, -8.25f, ALLY, 2, 3, ORDERS_ATTACK, STRATEGY_START, 7);
  PutRecord(expected, 2, 60.0f, 400.5f, 61.0f, ALLY, 0, 0, 0, STRATEGY_EXTRACTION, 0);
  EXPECT_EQ(FileBytes(), expected);
}

}  // namespace
}  // namespace kestrine
