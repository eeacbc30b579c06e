// The strategy editor driven by its keys in the overhead view: the cursor, the field keys, storing entries
// where the medic stands with their markers and points, and the strategy file read and written back; the
// table loaded and saved by the game (the respawn and extraction points it names, a save that cannot be
// written, mission files that are a pipe or a folder); the file's bytes field by field (patrol last on
// disk), corrupt counts and short files.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "battlefield/battle_state.h"
#include "battlefield/developer_switches.h"
#include "battlefield/overhead_keys.h"
#include "battlefield/patient_locations.h"
#include "battlefield/placement_tool.h"
#include "battlefield/spawn_points.h"
#include "battlefield/strategy_editor.h"
#include "battlefield/strategy_file.h"
#include "battlefield/strategy_markers.h"
#include "battlefield/strategy_table.h"
#include "platform/message_box.h"
#include "shell/developer_keys.h"
#include "shell/engine_setup.h"
#include "shell/game_state.h"
#include "shell/mission_frames.h"
#include "shell/mission_progress.h"
#include "strategy_fixture.h"
#include "unit_fixture.h"

namespace kestrine {
namespace {

constexpr int kLeft = 0x25, kRight = 0x27;

class StrategyEditorTest : public testing::UnitTest {
 protected:
  void SetUp() override {
    UnitTest::SetUp();
    StoreGameStateWithoutEntry(STATE_OVERHEAD);
    GoToMission(6);
    Add(kUnitKindMedic, kSidePlayer, 0, 0);
    for (int i = 0; i < 5; ++i) UseMarkerImage(i, Engine().engineRoot->CreateBitmap(8, 8));
    EnterDeveloperLevel();
    Press(VK_STRATEGY_EDITOR);
    ASSERT_EQ(StrategyEditor().strategyEditOn, 1);
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
    Units().units[0]->pos = Vector3(x, y, z);
    Press('S');
  }
  static void EditingMode() {
    Press(VK_STRATEGY_MODE);
    ASSERT_EQ(StrategyEditor().strategyEditMode, kStrategyEditing);
  }
  static engine::EngineMesh* Plane(int i) { return strategyMarkerState.strategyMarkerPlanes[i].Get(); }
  static engine::EngineObject* Marker(int i) { return strategyMarkerState.strategyMarkers[i].Get(); }
  static engine::Color Front(int i) { return Plane(i)->FindFace(L"front")->color; }
  std::string FileBytes() const { return testing::ReadWholeFile(tree_.PathOf("missions\\mission6\\strat")); }
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
  SetStrategyCount(3);
  SetStrategyCursor(3);
  Press(kRight);
  EXPECT_EQ(StrategyTable().strategyCursor, 0);
  Press(kLeft);
  EXPECT_EQ(StrategyTable().strategyCursor, 3);
  Press(kLeft);
  EXPECT_EQ(StrategyTable().strategyCursor, 2);

  // A file that claims more entries than the table holds: the cursor still stops on the last slot.
  std::string file(1264, '\0');
  PutI32(file, 0, 1000);
  tree_.WriteBytes("missions\\mission6\\strat", file);
  Press('L');
  EXPECT_EQ(StrategyTable().strategyCount, 35);
  EXPECT_EQ(StrategyTable().strategyCursor, 34);
  Press(kRight);
  EXPECT_EQ(StrategyTable().strategyCursor, 0);
  Press(kLeft);
  EXPECT_EQ(StrategyTable().strategyCursor, 34);
}

TEST_F(StrategyEditorTest, FieldKeysCycleAndComeBeforeTheCheatsOfTheSameKeys) {
  const StrategyEntry& e = StrategyTable().strategy[0];
  EditStrategyEntry(0, [](StrategyEntry& edited) { edited.type = STRATEGY_DEFEND; });
  Press('F', 8);
  EXPECT_EQ(e.type, STRATEGY_DEFEND);
  EXPECT_EQ(MissionTime().clockFrozen, 0) << "'F' also freezes the clock when the editor is off";
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
  EXPECT_EQ(BattleSwitches().invulnerable, 0);  // 'I' was the editor's
  EXPECT_EQ(BattleSwitches().showLocation, 0);  // 'L' too

  // With the placement tool on as well, the tool keeps 'A' and the arrows move both.
  SetPlacementTool(true);
  SetStrategyCount(2);
  Press('A');
  EXPECT_EQ(e.side, ALLY);
  Press(kRight);
  EXPECT_EQ(StrategyTable().strategyCursor, 1);
  // Off again, the letters are the cheats' once more.
  SetPlacementTool(false);
  Press(VK_STRATEGY_EDITOR);
  Press('F');
  EXPECT_EQ(MissionTime().clockFrozen, 1);
}

TEST_F(StrategyEditorTest, PlacingAppendsEntriesWhileEditingRewritesTheOneUnderTheCursor) {
  EditStrategyEntry(0, [&](StrategyEntry& edited) { edited.type = STRATEGY_START; });
  EditStrategyEntry(0, [&](StrategyEntry& edited) { edited.side = ALLY; });
  EditStrategyEntry(0, [&](StrategyEntry& edited) { edited.injury = 1; });
  StoreAt(10, 401, -5);
  ASSERT_EQ(StrategyTable().strategyCount, 1);
  EXPECT_EQ(StrategyTable().strategyCursor, 0);
  ASSERT_NE(Marker(0), nullptr);
  EXPECT_TRUE(Engine().engineStage->Contains(Marker(0)) && Marker(0)->Visible());
  EXPECT_FLOAT_EQ(Marker(0)->LocalPosition().x, 10.0f);
  EXPECT_EQ(Plane(0)->Params()[0], 4.0f);
  EXPECT_EQ(Front(0), engine::EngineBitmap::MakeColor(255, 255, 0));  // an ally casualty's place
  EXPECT_EQ(Plane(0)->FindFace(L"front")->image, Assets().markerImages[0]);

  // The next store goes after it; an entry without a marker is written but not counted.
  EditStrategyEntry(1, [&](StrategyEntry& edited) { edited.type = STRATEGY_NONE; });
  StoreAt(20, 400, 20);
  EXPECT_EQ(StrategyTable().strategyCount, 1);
  EXPECT_EQ(Marker(1), nullptr);
  EXPECT_FLOAT_EQ(StrategyTable().strategy[1].pos.x, 20.0f);
  EditStrategyEntry(1, [&](StrategyEntry& edited) { edited.type = STRATEGY_START; });
  EditStrategyEntry(1, [&](StrategyEntry& edited) { edited.side = ENEMY; });
  EditStrategyEntry(1, [&](StrategyEntry& edited) { edited.vehicle = 1; });
  StoreAt(30, 400, 30);
  EXPECT_EQ(StrategyTable().strategyCount, 2);
  EXPECT_EQ(Front(1), engine::EngineBitmap::MakeColor(255, 10, 10));
  EXPECT_EQ(Plane(1)->FindFace(L"front")->image, Assets().markerImages[2]);  // a vehicle's start

  // Editing: the START entry moves to the medic, keeps its object, its plane is resized, the count stays.
  EditingMode();
  ASSERT_EQ(StrategyTable().strategyCursor, 1);  // on the entry stored last
  Press(kLeft);
  ASSERT_EQ(StrategyTable().strategyCursor, 0);
  engine::EngineObject* object = Marker(0);
  engine::EngineMesh* plane = Plane(0);
  const size_t onStage = Engine().engineStage->Objects().size();
  StoreAt(-7, 402, 8);
  EXPECT_EQ(StrategyTable().strategyCount, 2);
  EXPECT_EQ(Marker(0), object);
  EXPECT_EQ(Plane(0), plane);
  EXPECT_EQ(plane->Params()[0], 4.0f);
  EXPECT_FLOAT_EQ(object->LocalPosition().x, -7.0f);
  EXPECT_EQ(Engine().engineStage->Objects().size(), onStage);

  // Placing into a slot that already has a marker takes the old one off the stage.
  SetStrategyEditMode(kStrategyPlacing);
  SetStrategyCount(1);
  EditStrategyEntry(1, [&](StrategyEntry& edited) { edited.type = STRATEGY_PATROL; });
  engine::EngineObject* old = Marker(1);
  StoreAt(1, 400, 1);
  EXPECT_NE(Marker(1), old);
  EXPECT_EQ(Engine().engineStage->Objects().size(), onStage);
  EXPECT_EQ(Front(1), engine::EngineBitmap::MakeColor(255, 10, 10));  // an enemy patrol

  // ']' hides every marker and takes it off the stage, '[' brings it back.
  Press(VK_STRATEGY_HIDE);
  EXPECT_FALSE(Engine().engineStage->Contains(Marker(0)) || Marker(0)->Visible());
  Press(VK_STRATEGY_SHOW);
  EXPECT_TRUE(Engine().engineStage->Contains(Marker(1)) && Marker(1)->Visible());
}

TEST_F(StrategyEditorTest, SpawnAndExtractionEntriesSetTheirPointsWhenStored) {
  ClearSpawnPoints();
  for (int i = 0; i < 5; ++i) {
    EditStrategyEntry(i, [&](StrategyEntry& edited) { edited.type = STRATEGY_SPAWN; });
    StoreAt(4.0f * i, 400.0f, -3.0f);
  }
  EXPECT_EQ(StrategyTable().strategyCount, 5);
  ASSERT_EQ(SpawnPoints().spawnPointCount, 4);  // the fifth finds the list full
  EXPECT_FLOAT_EQ(SpawnPoints().spawnPoints[0].y, 403.0f);
  EXPECT_EQ(testing::XYZ(SpawnPoints().spawnPoints[3]), testing::XYZ(12, 403, -3));
  ASSERT_NE(Marker(4), nullptr);  // but it is marked
  EXPECT_EQ(Plane(4)->Params()[0], 8.0f);
  EXPECT_EQ(Front(4), engine::EngineBitmap::MakeColor(255, 10, 10));

  EditStrategyEntry(5, [&](StrategyEntry& edited) { edited.type = STRATEGY_2EXTRACT; });
  StoreAt(50, 400, 60);
  EditStrategyEntry(6, [&](StrategyEntry& edited) { edited.type = STRATEGY_2EXTRACT; });
  StoreAt(-50, 401, -60);
  EXPECT_EQ(testing::XYZ(Battle().evacuationPoint), testing::XYZ(-50, 401, -60));
  EditStrategyEntry(7, [&](StrategyEntry& edited) { edited.type = STRATEGY_EXTRACTION; });
  StoreAt(70, 400, 5);
  EXPECT_FLOAT_EQ(StrategyTable().extractionPoint.x, 70.0f);
  EXPECT_EQ(Front(7), engine::EngineBitmap::MakeColor(0, 255, 0));
  EXPECT_EQ(Plane(7)->FindFace(L"front")->image, Assets().markerImages[3]);
}

TEST_F(StrategyEditorTest, ThirtyFourEntriesRefuseAnotherStoreInEitherMode) {
  SetStrategyCount(33);
  EditStrategyEntry(33, [&](StrategyEntry& edited) { edited.type = STRATEGY_START; });
  StoreAt(5, 400, 5);
  ASSERT_EQ(StrategyTable().strategyCount, 34);
  EditStrategyEntry(34, [&](StrategyEntry& edited) { edited.type = STRATEGY_START; });
  StoreAt(6, 400, 6);
  EXPECT_EQ(StrategyTable().strategyCount, 34);
  EXPECT_FLOAT_EQ(StrategyTable().strategy[34].pos.x, 0.0f);
  EXPECT_EQ(Marker(34), nullptr);
  EditingMode();
  SetStrategyCursor(2);
  StoreAt(7, 400, 7);
  EXPECT_FLOAT_EQ(StrategyTable().strategy[2].pos.x, 0.0f);
}

TEST_F(StrategyEditorTest, LoadingWithoutAFileEmptiesTheTableAndWithOneMarksEveryEntryInUse) {
  SetStrategyCount(4);
  SetStrategyCursor(3);
  for (int i = 0; i < 3; ++i) AddSpawnPoint(Vector3());
  Press('L');
  EXPECT_EQ(StrategyTable().strategyCount, 0);
  EXPECT_EQ(StrategyTable().strategyCursor, 0);
  EXPECT_EQ(SpawnPoints().spawnPointCount, 0);

  std::string file(1264, '\0');
  PutI32(file, 0, 3);
  PutRecord(file, 0, 1, 400, 1, PLAYER, 0, 0, 0, STRATEGY_START, 0);
  PutRecord(file, 1, 2, 400, 2, ENEMY, 0, 0, 0, STRATEGY_SPAWN, 0);
  PutRecord(file, 2, 3, 400, 3, ALLY, 0, 0, 99, STRATEGY_PATROL, 0);  // orders out of range
  PutRecord(file, 10, 9, 400, 9, ENEMY, 0, 0, 0, STRATEGY_SPAWN, 0);  // past the count
  tree_.WriteBytes("missions\\mission6\\strat", file);
  Press('L');
  EXPECT_EQ(StrategyTable().strategyCount, 3);
  EXPECT_EQ(StrategyTable().strategyCursor, 2);
  for (int i = 0; i < 3; ++i) EXPECT_NE(Marker(i), nullptr) << i;
  EXPECT_EQ(Marker(10), nullptr);
  EXPECT_EQ(Front(0), engine::EngineBitmap::MakeColor(255, 255, 255));
  EXPECT_EQ(StrategyTable().strategy[2].orders, ORDERS_NONE);
  // Only the entries in use count as respawn points after the editor's load.
  ASSERT_EQ(SpawnPoints().spawnPointCount, 1);
  EXPECT_FLOAT_EQ(SpawnPoints().spawnPoints[0].x, 2.0f);
}

// ---- the table loaded and saved through its file ----

class StrategyTableTest : public StrategyEditorTest {
 protected:
  void SetUp() override {
    StrategyEditorTest::SetUp();
    SetMessageBoxRecorder([this](const MessageBoxRecord& box) { boxes_.push_back(box); });
  }
  void TearDown() override {
    SetMessageBoxRecorder(nullptr);
    StrategyEditorTest::TearDown();
  }

  // A table file with the given records in use.
  void WriteTable(int32_t count, const std::vector<std::pair<int, StrategyEntry>>& records) {
    StrategyEntry entries[kStrategyEntryCount];
    for (const auto& [index, e] : records) entries[index] = e;
    const StrategyFileBytes bytes = EncodeStrategyFile(entries, count);
    tree_.WriteBytes("missions\\mission6\\strat", std::string(bytes.begin(), bytes.end()));
  }

  static StrategyEntry Entry(int32_t type, float x, float y, float z) {
    StrategyEntry e;
    e.StoreAt(Vector3(x, y, z));
    e.type = type;
    return e;
  }

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
  SetStrategyCursor(9);
  ASSERT_TRUE(LoadStrategy());

  EXPECT_EQ(StrategyTable().strategyCount, 3);
  EXPECT_EQ(StrategyTable().strategyCursor, 0);
  ASSERT_EQ(SpawnPoints().spawnPointCount, 4);  // the fifth SPAWN record finds the list full
  EXPECT_FLOAT_EQ(SpawnPoints().spawnPoints[0].y, 404.0f);
  EXPECT_EQ(testing::XYZ(SpawnPoints().spawnPoints[1]), testing::XYZ(30, 403, -40));
  EXPECT_FLOAT_EQ(SpawnPoints().spawnPoints[3].x, 2.0f);
  EXPECT_EQ(testing::XYZ(StrategyTable().extractionPoint), testing::XYZ(-33, 402, 44));
  // The table itself keeps the spawn entry's own height.
  EXPECT_FLOAT_EQ(StrategyTable().strategy[10].pos.y, 400.0f);
}

TEST_F(StrategyTableTest, ASavedTableLoadsBackTheSame) {
  WriteTable(2, {{0, Entry(STRATEGY_START, 1.5f, 399.5f, -2.5f)}, {1, Entry(STRATEGY_2EXTRACT, 8, 400, 9)}});
  const std::string original = FileBytes();
  ASSERT_TRUE(LoadStrategy());
  EditStrategyEntry(0, [&](StrategyEntry& edited) { edited.pos.y += 3.0f; });  // as the mission build leaves it
  EditStrategyEntry(1, [&](StrategyEntry& edited) { edited.orders = ORDERS_DISSAPATE; });
  EditStrategyEntry(5, [](StrategyEntry& edited) {
    edited.StoreAt(Vector3(8, 411.5f, 9));
  });  // what the editor stores is what gets written
  SaveStrategy();
  EXPECT_TRUE(boxes_.empty());

  const std::string saved = FileBytes();
  ASSERT_EQ(saved.size(), 1264u);
  EXPECT_EQ(saved.substr(0, 4 + 36 + 24), original.substr(0, 4 + 36 + 24));
  ClearStrategy();
  ASSERT_TRUE(LoadStrategy());
  EXPECT_FLOAT_EQ(StrategyTable().strategy[0].pos.y, 399.5f);
  EXPECT_EQ(StrategyTable().strategy[1].orders, ORDERS_DISSAPATE);
  EXPECT_FLOAT_EQ(StrategyTable().strategy[5].pos.y, 411.5f);
  EXPECT_FALSE(std::filesystem::exists(tree_.PathOf("missions\\mission6\\strat.tmp")));
}

TEST_F(StrategyTableTest, ASaveThatCannotBeWrittenSaysSoAndKeepsTheOldFile) {
  WriteTable(1, {{0, Entry(STRATEGY_START, 1, 400, 1)}});
  const std::string original = FileBytes();
  ASSERT_TRUE(LoadStrategy());
  SetStrategyCount(2);
  ::chmod(tree_.PathOf("missions\\mission6\\strat").c_str(), 0444);
  SaveStrategy();
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0].text, "Can't save Read-Only or something.");
  EXPECT_EQ(boxes_[0].caption, "Unable To Save");
  EXPECT_EQ(boxes_[0].type, MB_OKCANCEL);
  EXPECT_EQ(FileBytes(), original);

  GoToMission(9);  // no folder at all
  SaveStrategy();
  EXPECT_EQ(boxes_.size(), 2u);
}

TEST_F(StrategyTableTest, APipeOrAFolderNamedLikeAMissionFileIsMissing) {
  GoToMission(3);
  std::filesystem::create_directories(tree_.PathOf("missions/mission3"));
  ASSERT_EQ(::mkfifo(tree_.PathOf("missions/mission3/patloc").c_str(), 0644), 0);
  EXPECT_FALSE(LoadPatientLocations()) << "nobody writes to the pipe: no hang";
  std::filesystem::create_directories(tree_.PathOf("missions/mission3/strat"));
  EXPECT_FALSE(LoadStrategy());
}

// ---- the file's bytes ----

// A whole file whose record i holds recognisable values.
std::string HandMadeFile(int32_t count) {
  std::string file(1264, '\0');
  PutI32(file, 0, count);
  for (int i = 0; i < kStrategyEntryCount; ++i)
    PutRecord(file, i, -70.5f + i, 400.25f, 12.0f - i, i % 3, i % 5, i % 7, 100 + i, 200 + i, 300 + i);
  return file;
}

const uint8_t* Bytes(const std::string& s) { return reinterpret_cast<const uint8_t*>(s.data()); }

TEST(StrategyFile, FieldsSitWhereTheLayoutPutsThemAndAWrittenTableIsTheSameFile) {
  const std::string file = HandMadeFile(7);
  StrategyEntry entries[kStrategyEntryCount];
  int32_t count = 0;
  DecodeStrategyFile(Bytes(file), file.size(), entries, count);

  EXPECT_EQ(count, 7);
  const StrategyEntry& e = entries[10];
  EXPECT_EQ(testing::XYZ(e.pos), testing::XYZ(-60.5f, 400.25f, 2));
  EXPECT_EQ(e.side, 1);
  EXPECT_EQ(e.vehicle, 0);
  EXPECT_EQ(e.injury, 3);
  EXPECT_EQ(e.orders, 110);  // +24
  EXPECT_EQ(e.type, 210);    // +28
  EXPECT_EQ(e.patrol, 310);  // +32, last on disk

  const StrategyFileBytes written = EncodeStrategyFile(entries, count);
  EXPECT_EQ(std::string(written.begin(), written.end()), file);
}

TEST(StrategyFile, CorruptCountsAreClampedAndAShortFileLeavesTheFieldsItDoesNotReach) {
  StrategyEntry entries[kStrategyEntryCount];
  for (auto [stored, expected] : {std::pair{99, 35}, {-4, 0}, {35, 35}, {0, 0}}) {
    int32_t count = 12;
    const std::string file = HandMadeFile(stored);
    DecodeStrategyFile(Bytes(file), file.size(), entries, count);
    EXPECT_EQ(count, expected) << stored;
  }

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

}  // namespace
}  // namespace kestrine
