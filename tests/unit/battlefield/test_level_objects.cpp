// Level objects: what each type builds, the setters acting on the group, and what each view shows; the
// placement tool's keys: placing at the medic, picking the object, and the held keys' amounts.
#include <gtest/gtest.h>

#include "battlefield/level_objects.h"
#include "battlefield/placement_tool.h"
#include "battlefield/view_preset.h"
#include "level_objects_fixture.h"
#include "shell/developer_keys.h"
#include "shell/engine_setup.h"
#include "shell/events.h"
#include "shell/sound_table.h"

namespace kestrine::testing {
namespace {

using LevelObjects = LevelObjectTest;

TEST_F(LevelObjects, TypesWithoutAnEntryBuildNothingAndIgnoreTheSetters) {
  for (int type : {4, 5, 9, 13, 14, 99, -1}) {
    OverheadObject& o = records_[0];
    EXPECT_EQ(o.createObject(static_cast<ObjType>(type)), 0) << type;
    EXPECT_EQ(o.type, type);
    EXPECT_FALSE(o.group || o.model || o.billboard || o.plane) << type;
    o.setPos(1, 2, 3);
    o.MoveBy(1, 1, 1);
    o.rotateY(90);
    o.SetOrientation(0, 0, 1, 45);
    o.scaleBy(2);
    o.Show(true);
    EXPECT_FLOAT_EQ(o.position.y, 0.0f);
    EXPECT_FLOAT_EQ(o.angle, 0.0f);
  }
  EXPECT_TRUE(Engine().engineStage->Objects().empty());

  // The helicopter goes straight on the stage; the big building only when the overhead view is entered.
  EXPECT_EQ(records_[1].createObject(OBJ_HELICOPTER), 1);
  EXPECT_TRUE(OnStage(records_[1]));
  EXPECT_EQ(records_[2].createObject(OBJ_BUILDING4), 1);
  EXPECT_FALSE(OnStage(records_[2]));
  EXPECT_FLOAT_EQ(records_[2].scale.x, 1.0f);
}

TEST_F(LevelObjects, ANewTreeStandsHiddenWithItsBillboardOverIt) {
  OverheadObject& palm = records_[0];
  ASSERT_EQ(palm.createObject(OBJ_TREE1), 1);
  EXPECT_TRUE(OnStage(palm));
  EXPECT_FALSE(palm.group->Visible());
  EXPECT_FALSE(palm.model->Visible());
  EXPECT_FALSE(palm.billboard->Visible());
  // A 128-pixel picture over 20 gives a plane 6.4 across, floating 3 over the foot, facing the camera.
  EXPECT_FLOAT_EQ(palm.plane->Params()[0], 6.4f);
  EXPECT_FLOAT_EQ(palm.billboard->LocalPosition().y, 3.0f);
  EXPECT_TRUE(palm.billboard->KeepsFacingTarget());
  EXPECT_EQ(palm.plane->FindFace(L"front")->image.Get(), Assets().levelTextures[0].Get());
  EXPECT_FLOAT_EQ(palm.model->Scale().y, 4.0f);
  EXPECT_FLOAT_EQ(palm.scale.x, 0.0f);

  // The conifer's picture (120 x 90) is divided by 15 and floats 2 over the foot.
  OverheadObject& pine = records_[1];
  ASSERT_EQ(pine.createObject(OBJ_TREE2), 1);
  EXPECT_EQ(pine.imageIndex, 3);
  EXPECT_FLOAT_EQ(pine.plane->Params()[0], 8.0f);
  EXPECT_FLOAT_EQ(pine.plane->Params()[1], 6.0f);
  EXPECT_FLOAT_EQ(pine.billboard->LocalPosition().y, 2.0f);
}

TEST_F(LevelObjects, TurnsMovesAndScalesActOnTheGroup) {
  OverheadObject& house = records_[0];
  ASSERT_EQ(house.createObject(OBJ_BUILDING3), 1);
  house.setPos(10, 400, -5);
  house.MoveBy(0.5f, -1, 2);
  EXPECT_FLOAT_EQ(house.group->LocalPosition().x, 10.5f);
  EXPECT_FLOAT_EQ(house.group->LocalPosition().y, 399.0f);
  EXPECT_FLOAT_EQ(house.group->LocalPosition().z, -3.0f);

  // Two quarter turns about the vertical: half way round, so the house's right side faces left.
  house.rotateY(90);
  house.rotateY(90);
  EXPECT_FLOAT_EQ(house.angle, 180.0f);
  EXPECT_FLOAT_EQ(house.axis.y, 180.0f);
  EXPECT_NEAR(house.group->LocalRotation().r.x, -1.0f, 1e-5f);

  // Scale fields of 2 applied as they stand.
  house.scale = Vector3(2, 2, 2);
  house.scaleBy(0.0f);
  EXPECT_FLOAT_EQ(house.group->Scale().z, 2.0f);
  // A change that leaves a field at 0 or below is not applied.
  house.scaleBy(-2.0f);
  EXPECT_FLOAT_EQ(house.group->Scale().z, 2.0f);

  // A tree's fields are 0: scaling by nothing leaves its group as it was.
  OverheadObject& tree = records_[1];
  ASSERT_EQ(tree.createObject(OBJ_TREE3), 1);
  tree.scaleBy(0.0f);
  EXPECT_FLOAT_EQ(tree.scale.x, 0.0f);
  EXPECT_FLOAT_EQ(tree.group->Scale().x, 1.0f);
}

TEST_F(LevelObjects, EachViewShowsTreesAndModelsItsOwnWay) {
  OverheadObject& tree = records_[0];
  OverheadObject& tent = records_[1];
  ASSERT_EQ(tree.createObject(OBJ_TREE4), 1);
  ASSERT_EQ(tent.createObject(OBJ_TENT1), 1);

  // Straight-down views: the models, never a billboard.
  SetViewPreset(0);
  tree.Show(true);
  tent.Show(true);
  EXPECT_TRUE(tree.model->Visible());
  EXPECT_FALSE(tree.billboard->Visible());
  EXPECT_TRUE(tent.model->Visible());

  // The tilted view: the tree's billboard; its model stays as the last view left it.
  SetViewPreset(1);
  tree.Show(true);
  EXPECT_TRUE(tree.billboard->Visible());
  EXPECT_TRUE(tree.model->Visible());
  tree.Show(false);
  tent.Show(false);
  EXPECT_FALSE(tree.billboard->Visible());
  EXPECT_FALSE(tree.model->Visible());
  EXPECT_FALSE(tent.model->Visible());
  tree.Show(true);
  EXPECT_FALSE(tree.model->Visible());

  SetViewPreset(2);
  tree.Show(false);
  EXPECT_FALSE(tree.billboard->Visible());

  // While a saved game's actions are replayed nothing on screen changes.
  SetReplayingSave(true);
  tent.Show(true);
  EXPECT_FALSE(tent.model->Visible());
}

TEST_F(LevelObjects, BuildingOverARecordThatStillHoldsObjectsTakesTheOldOnesAway) {
  OverheadObject& o = records_[29];
  ASSERT_EQ(o.createObject(OBJ_BUILDING7), 1);
  const engine::EngineRef<engine::EngineActor> old = o.group;
  ASSERT_EQ(o.createObject(OBJ_TREE1), 1);
  EXPECT_FALSE(Engine().engineStage->Contains(old.Get()));
  EXPECT_TRUE(OnStage(o));
  // Nothing buildable: the tree goes too.
  const engine::EngineRef<engine::EngineActor> tree = o.group;
  EXPECT_EQ(o.createObject(OBJ_ROCK1), 0);
  EXPECT_FALSE(Engine().engineStage->Contains(tree.Get()));
  EXPECT_EQ(Engine().engineStage->Objects().size(), 0u);
}

// ---- the placement tool ----

constexpr int kLeft = 0x25, kRight = 0x27;

class PlacementTool : public LevelObjectTest {
 protected:
  void SetUp() override {
    LevelObjectTest::SetUp();
    SetPlacementTool(true);
  }
  // The key pressed at `from` and let go at `to` (game clock, ms).
  static void Hold(int key, int32_t from, int32_t to) {
    SetGameClock(from);
    EXPECT_TRUE(PlacementToolKey(key, true, medic_));
    SetGameClock(to);
    EXPECT_TRUE(PlacementToolKey(key, false, medic_));
  }
  static void Press(int key) {
    EXPECT_TRUE(PlacementToolKey(key, true, medic_));
    EXPECT_TRUE(PlacementToolKey(key, false, medic_));
  }
  static inline Vector3 medic_{12.0f, 401.5f, -30.0f};
};

TEST_F(PlacementTool, TheSwitchNeedsTheDeveloperLevel) {
  SetPlacementTool(false);
  EXPECT_FALSE(PlacementToolKey(VK_PLACEMENT_TOOL, true, medic_));
  EXPECT_FALSE(PlacementToolKey('1', true, medic_));
  EXPECT_EQ(LevelObjectTable().objectCount, 0);
  EnterDeveloperLevel();
  EXPECT_TRUE(PlacementToolKey(VK_PLACEMENT_TOOL, true, medic_));
  EXPECT_TRUE(PlacementToolKey(VK_PLACEMENT_TOOL, false, medic_));
  EXPECT_EQ(Placement().objectPlacementOn, 1);
  // Keys that are not the tool's go on to the overhead view.
  EXPECT_FALSE(PlacementToolKey('R', true, medic_));
  Press(VK_PLACEMENT_TOOL);
  EXPECT_EQ(Placement().objectPlacementOn, 0);
}

TEST_F(PlacementTool, DigitsPlaceShownObjectsAtTheMedicUntilAllThirtyAreInUse) {
  const char digits[] = "1234567890";
  const int32_t types[] = {0, 1, 2, 3, 7, 6, 22, 10, 11, 16};
  for (int i = 0; i < 10; ++i) Press(digits[i]);
  ASSERT_EQ(LevelObjectTable().objectCount, 10);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(LevelObjectTable().ohObjects[i].type, types[i]) << digits[i];
  // Shown at once, whatever the view, billboard and all.
  EXPECT_TRUE(LevelObjectTable().ohObjects[0].group->Visible() && LevelObjectTable().ohObjects[0].model->Visible() &&
              LevelObjectTable().ohObjects[0].billboard->Visible());
  EXPECT_FLOAT_EQ(LevelObjectTable().ohObjects[9].group->LocalPosition().z, -30.0f);
  EXPECT_FLOAT_EQ(LevelObjectTable().ohObjects[9].position.y, 401.5f);
  EXPECT_EQ(Placement().selectedObjectIndex, 0);  // a new object is not selected

  while (LevelObjectTable().objectCount < 29) ASSERT_GE(MakeLevelObject(OBJ_TREE1), 0);
  Press('5');
  EXPECT_EQ(LevelObjectTable().objectCount, 30);
  EXPECT_EQ(LevelObjectTable().ohObjects[29].type, OBJ_WALL2);
  const size_t onStage = Engine().engineStage->Objects().size();
  Press('9');
  EXPECT_EQ(LevelObjectTable().objectCount, 30);
  EXPECT_EQ(Engine().engineStage->Objects().size(), onStage);
}

TEST_F(PlacementTool, TheSelectionWrapsAndStaysAmongTheObjectsInUse) {
  // No objects: nothing to select or edit.
  Press(kLeft);
  Hold('T', 0, 1000);
  Press('I');
  EXPECT_EQ(Placement().selectedObjectIndex, 0);
  EXPECT_EQ(SelectedObject(), -1);

  Press('6');
  Press('7');
  Press('8');
  Press(kLeft);
  EXPECT_EQ(Placement().selectedObjectIndex, 2);
  Press(kRight);
  EXPECT_EQ(Placement().selectedObjectIndex, 0);

  // A selection left over from a mission with more objects is brought back inside.
  SelectObject(25);
  Press('I');
  EXPECT_EQ(Placement().selectedObjectIndex, 2);
  EXPECT_FLOAT_EQ(LevelObjectTable().ohObjects[2].angle, 90.0f);
}

TEST_F(PlacementTool, HeldKeysActByHowLongTheyWereHeld) {
  Press('8');
  const OverheadObject& house = LevelObjectTable().ohObjects[0];
  Hold('T', 4000, 5500);
  EXPECT_FLOAT_EQ(house.position.y, 401.5f + 1.5f);
  EXPECT_FLOAT_EQ(house.group->LocalPosition().y, 403.0f);
  Hold('B', 0, 250);
  EXPECT_FLOAT_EQ(house.position.z, -30.25f);
  Hold('A', 1000, 3000);  // 10 degrees a second
  EXPECT_FLOAT_EQ(house.angle, 20.0f);
  Hold('S', 0, 500);
  EXPECT_FLOAT_EQ(house.angle, 15.0f);
  Hold('W', 0, 2000);
  EXPECT_FLOAT_EQ(house.scale.x, 3.0f);
  EXPECT_FLOAT_EQ(house.group->Scale().x, 3.0f);
  Hold('Z', 0, 500);
  EXPECT_FLOAT_EQ(house.scale.y, 2.5f);
}

}  // namespace
}  // namespace kestrine::testing
