// The placement tool's keys: placing at the medic, picking the object, and the held keys' amounts.
#include <gtest/gtest.h>

#include "battlefield/placement_tool.h"
#include "level_objects_fixture.h"
#include "shell/developer_keys.h"

namespace kestrine::testing {
namespace {

constexpr int kLeft = 0x25, kRight = 0x27;

class PlacementTool : public LevelObjectTest {
 protected:
  void SetUp() override {
    LevelObjectTest::SetUp();
    objectPlacementOn = 1;
  }
  // The key pressed at `from` and let go at `to` (game clock, ms).
  static void Hold(int key, int32_t from, int32_t to) {
    gameClock = from;
    EXPECT_TRUE(PlacementToolKey(key, true, medic_));
    gameClock = to;
    EXPECT_TRUE(PlacementToolKey(key, false, medic_));
  }
  static void Press(int key) {
    EXPECT_TRUE(PlacementToolKey(key, true, medic_));
    EXPECT_TRUE(PlacementToolKey(key, false, medic_));
  }
  static inline Vector3 medic_{12.0f, 401.5f, -30.0f};
};

TEST_F(PlacementTool, TheSwitchNeedsTheDeveloperLevel) {
  objectPlacementOn = 0;
  EXPECT_FALSE(PlacementToolKey(VK_PLACEMENT_TOOL, true, medic_));
  EXPECT_FALSE(PlacementToolKey('1', true, medic_));
  EXPECT_EQ(objectCount, 0);
  debugMode = kDebugDeveloper;
  EXPECT_TRUE(PlacementToolKey(VK_PLACEMENT_TOOL, true, medic_));
  EXPECT_TRUE(PlacementToolKey(VK_PLACEMENT_TOOL, false, medic_));
  EXPECT_EQ(objectPlacementOn, 1);
  // Keys that are not the tool's go on to the overhead view.
  EXPECT_FALSE(PlacementToolKey('R', true, medic_));
  Press(VK_PLACEMENT_TOOL);
  EXPECT_EQ(objectPlacementOn, 0);
}

TEST_F(PlacementTool, DigitsPlaceShownObjectsAtTheMedicUntilAllThirtyAreInUse) {
  const char digits[] = "1234567890";
  const int32_t types[] = {0, 1, 2, 3, 7, 6, 22, 10, 11, 16};
  for (int i = 0; i < 10; ++i) Press(digits[i]);
  ASSERT_EQ(objectCount, 10);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(ohObjects[i].type, types[i]) << digits[i];
  // Shown at once, whatever the view, billboard and all.
  EXPECT_TRUE(ohObjects[0].group->Visible() && ohObjects[0].model->Visible() && ohObjects[0].billboard->Visible());
  EXPECT_FLOAT_EQ(ohObjects[9].group->LocalPosition().z, -30.0f);
  EXPECT_FLOAT_EQ(ohObjects[9].position.y, 401.5f);
  EXPECT_EQ(selectedObjectIndex, 0);  // a new object is not selected

  objectCount = 29;
  Press('5');
  EXPECT_EQ(objectCount, 30);
  EXPECT_EQ(ohObjects[29].type, OBJ_WALL2);
  const size_t onStage = engineStage->Objects().size();
  Press('9');
  EXPECT_EQ(objectCount, 30);
  EXPECT_EQ(engineStage->Objects().size(), onStage);
}

TEST_F(PlacementTool, TheSelectionWrapsAndStaysAmongTheObjectsInUse) {
  // No objects: nothing to select or edit.
  Press(kLeft);
  Hold('T', 0, 1000);
  Press('I');
  EXPECT_EQ(selectedObjectIndex, 0);
  EXPECT_EQ(SelectedObject(), nullptr);

  Press('6');
  Press('7');
  Press('8');
  Press(kLeft);
  EXPECT_EQ(selectedObjectIndex, 2);
  Press(kRight);
  EXPECT_EQ(selectedObjectIndex, 0);

  // A selection left over from a mission with more objects is brought back inside.
  selectedObjectIndex = 25;
  Press('I');
  EXPECT_EQ(selectedObjectIndex, 2);
  EXPECT_FLOAT_EQ(ohObjects[2].angle, 90.0f);
}

TEST_F(PlacementTool, HeldKeysActByHowLongTheyWereHeld) {
  Press('8');
  OverheadObject& house = ohObjects[0];
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
