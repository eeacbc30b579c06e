// The layout writer: its text against golden files (which are compiled into this test, so a written layout
// is known to build), each golden file built back into the layout that was written, and the ten mission
// layouts, which must be exactly what the writer writes for the objects they build.
#include <gtest/gtest.h>

#include <cmath>
#include <ctime>
#include <filesystem>
#include <string>

#include "battlefield/level_layouts.h"
#include "battlefield/level_object_writer.h"
#include "battlefield/placement_tool.h"
#include "level_objects_fixture.h"

void createObjLevel40(void);
void createObjLevel41(void);
void createObjLevel42(void);

namespace kestrine::testing {
namespace {

namespace fs = std::filesystem;

const fs::path kSource = KESTRINE_SOURCE_DIR;

// 20 June 2025, 09:05:03.
std::tm WrittenAt() {
  std::tm t{};
  t.tm_year = 125, t.tm_mon = 5, t.tm_mday = 20, t.tm_hour = 9, t.tm_min = 5, t.tm_sec = 3;
  return t;
}

// The text without its "created by" line (the time of writing).
std::string WithoutTime(std::string text) {
  const size_t at = text.find("// created by ObjData ");
  if (at != std::string::npos) text.erase(at, text.find('\n', at) - at + 1);
  return text;
}

// Each object in use as the engine has it placed: its type and the group's placement.
std::vector<std::pair<int32_t, engine::Affine>> Snapshot() {
  std::vector<std::pair<int32_t, engine::Affine>> out;
  for (int i = 0; i < LevelObjectTable().objectCount; ++i)
    out.push_back({LevelObjectTable().ohObjects[i].type, LevelObjectTable().ohObjects[i].group->LocalTransform()});
  return out;
}

void ClearObjects() { DestroyLevelObjects(); }

void ExpectSamePlacement(const std::vector<std::pair<int32_t, engine::Affine>>& a,
                         const std::vector<std::pair<int32_t, engine::Affine>>& b) {
  ASSERT_EQ(a.size(), b.size());
  for (size_t i = 0; i < a.size(); ++i) {
    EXPECT_EQ(a[i].first, b[i].first) << i;
    const engine::Affine &p = a[i].second, &q = b[i].second;
    for (int k = 0; k < 3; ++k)
      EXPECT_TRUE(std::fabs(p.m.r[k] - q.m.r[k]) < 1e-5f && std::fabs(p.m.u[k] - q.m.u[k]) < 1e-5f &&
                  std::fabs(p.m.f[k] - q.m.f[k]) < 1e-5f && std::fabs(p.t[k] - q.t[k]) < 1e-4f)
          << i;
  }
}

using LayoutWriter = LevelObjectTest;

TEST_F(LayoutWriter, NoObjectsGiveTheHeaderTheCountAndTheBraceOnly) {
  EXPECT_EQ(LevelObjectSourceText(40, WrittenAt()), ReadFile(kSource / "tests/unit/battlefield/golden/lvlobj40.cpp"));
  for (int i = 0; i < 3; ++i) ASSERT_GE(MakeLevelObject(OBJ_TREE1), 0);
  createObjLevel40();
  EXPECT_EQ(LevelObjectTable().objectCount, 0);
}

TEST_F(LayoutWriter, ATreeAndAScaledHouseAreWrittenAndBuiltBack) {
  const int32_t tree = MakeLevelObject(OBJ_TREE3);
  MoveLevelObjectTo(tree, Vector3(1.5f, 400.25f, -3.75f));
  TurnLevelObject(tree, 30);
  TurnLevelObject(tree, 30);
  const int32_t house = MakeLevelObject(OBJ_BUILDING3);
  MoveLevelObjectTo(house, Vector3(-20, 399.5f, 12.25f));
  TurnLevelObject(house, 90);
  TurnLevelObject(house, 90);
  ScaleLevelObjectBy(house, 1.5f);
  ASSERT_EQ(tree, 0);
  ASSERT_EQ(house, 1);
  EXPECT_EQ(LevelObjectSourceText(41, WrittenAt()), ReadFile(kSource / "tests/unit/battlefield/golden/lvlobj41.cpp"));

  const auto placed = Snapshot();
  ClearObjects();
  createObjLevel41();
  ExpectSamePlacement(Snapshot(), placed);
  EXPECT_FLOAT_EQ(LevelObjectTable().ohObjects[1].angle, 180.0f);
  EXPECT_FLOAT_EQ(LevelObjectTable().ohObjects[0].scale.x, 0.0f);
}

// A parked vehicle's scale fields are not its size until it is scaled, and turns given with
// SetOrientation are part of where an object stands: the written layout keeps both as they were.
TEST_F(LayoutWriter, AWrittenLayoutKeepsEveryTurnAndTheSizeObjectsReallyHave) {
  PlaceEditorObject('0', Vector3(10, 400, -5));
  const int32_t house = MakeLevelObject(OBJ_BUILDING1);
  ASSERT_EQ(house, 1);
  MoveLevelObjectTo(house, Vector3(0, 400, 30));
  TurnLevelObject(house, 20);
  TiltLevelObject(house, 0, 0, 1, -45);
  EXPECT_EQ(LevelObjectSourceText(42, WrittenAt()), ReadFile(kSource / "tests/unit/battlefield/golden/lvlobj42.cpp"));

  const auto placed = Snapshot();
  ClearObjects();
  createObjLevel42();
  ExpectSamePlacement(Snapshot(), placed);
  EXPECT_FLOAT_EQ(LevelObjectTable().ohObjects[0].group->Scale().x, 1.0f);
}

TEST_F(LayoutWriter, TheFileIsNamedByTheLevelAndReplacesTheOldOne) {
  { std::ofstream("lvlobj7.cpp") << std::string(5000, '@'); }
  DestroyLevelObjects();
  EXPECT_TRUE(WriteLevelObjectSource(7));
  const std::string text = ReadFile("lvlobj7.cpp");
  EXPECT_EQ(text.find('@'), std::string::npos);
  EXPECT_NE(text.find("void createObjLevel7(void) {"), std::string::npos);

  // A file that cannot be opened is not written through.
  fs::create_directory("lvlobj8.cpp");
  EXPECT_FALSE(WriteLevelObjectSource(8));
  EXPECT_TRUE(fs::is_directory("lvlobj8.cpp"));
}

TEST_F(LayoutWriter, EachMissionLayoutIsWhatTheWriterWritesForIt) {
  for (int mission = 1; mission <= kLevelLayoutCount; ++mission) {
    ClearObjects();
    CreateLevelLayout(mission);
    ASSERT_GT(LevelObjectTable().objectCount, 10) << mission;
    for (int i = 0; i < LevelObjectTable().objectCount; ++i) {
      const OverheadObject& o = LevelObjectTable().ohObjects[i];
      EXPECT_TRUE(o.Built()) << mission << " " << i;
      EXPECT_LE(std::fabs(o.position.x), 80.0f) << mission << " " << i;
      EXPECT_LE(std::fabs(o.position.z), 80.0f) << mission << " " << i;
      EXPECT_TRUE(o.position.y > 386.0f && o.position.y < 419.0f) << mission << " " << i;
    }
    for (int i = LevelObjectTable().objectCount; i < kLevelObjectCapacity; ++i)
      EXPECT_FALSE(LevelObjectTable().ohObjects[i].Built()) << mission << " " << i;
    const fs::path file = kSource / "battlefield/layouts" / ("lvlobj" + std::to_string(mission) + ".cpp");
    EXPECT_EQ(WithoutTime(LevelObjectSourceText(mission, WrittenAt())), WithoutTime(ReadFile(file))) << mission;
  }
  // The training missions have no layout.
  ClearObjects();
  CreateLevelLayout(11);
  EXPECT_EQ(LevelObjectTable().objectCount, 0);
}

}  // namespace
}  // namespace kestrine::testing
