// The patient view's head-up display parts on the headless engine: the drawer's slide and slots, the tray's
// contents and scroll, the cursor's size and place, and the popup menus' clicks.
#include <gtest/gtest.h>

#include <memory>

#include "casualty/casualty_slots.h"
#include "casualty_view/popup_menu.h"
#include "casualty_view/tool_cursor.h"
#include "casualty_view/tool_drawer.h"
#include "casualty_view/tool_images.h"
#include "casualty_view/tool_tray.h"
#include "shell/game_state.h"
#include "tool_screen_fixture.h"

namespace kestrine::testing {
namespace {

class HudPartsTest : public ToolScreenTest {
 protected:
  void SetUp() override {
    ToolScreenTest::SetUp();
    WriteSheet();
    tree_.WriteBmp("patient/treatment/subtray.qpg", 160, 51, 255, 255, 0);
    LoadToolSprites();
    toolDrawer = ToolDrawer{};
    toolDrawer.Init();
  }
  void TearDown() override {
    toolDrawer.Release();
    ReleaseToolTray();
    ReleasePopupMenus();
    PlaceCasualty(0, nullptr);
    SetCurrentPatient(nullptr);
    ToolScreenTest::TearDown();
  }

  // Frames of the given lengths, repeated until `totalMs` have passed.
  static void Slide(std::initializer_list<int> pattern, int totalMs) {
    int spent = 0;
    while (spent < totalMs) {
      for (int dt : pattern) {
        if (spent >= totalMs) break;
        toolDrawer.Update(dt);
        spent += dt;
      }
    }
  }
};

TEST_F(HudPartsTest, TheDrawerSlidesSixPixelsEveryTenthOfASecondAtAnyFrameRate) {
  // 30 frames a second, then 144 (eighteen frames in 125 ms).
  for (auto pattern : {std::initializer_list<int>{33, 33, 34},
                       std::initializer_list<int>{7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 6}}) {
    toolDrawer.Open(300);
    EXPECT_EQ(toolDrawer.x, 300);
    Slide(pattern, 500);
    EXPECT_NEAR(toolDrawer.y, 362.0 - 30.0, 1e-6);
    EXPECT_EQ(toolDrawer.state, DRAWER_OPENING);
    Slide(pattern, 1000);
    EXPECT_EQ(toolDrawer.state, DRAWER_OPEN);
    EXPECT_EQ(toolDrawer.y, 362.0 - 51.0) << "it stops with its top at 362 less its height";
    EXPECT_EQ(toolDrawer.VisibleRows(), 51) << "51 scaled to the screen is 53, more than the picture has";
    toolDrawer.Close();
    Slide(pattern, 1000);
    EXPECT_EQ(toolDrawer.state, DRAWER_CLOSED);
  }
  toolDrawer.Open(0.9);
  EXPECT_EQ(toolDrawer.x, 640 - 40 - 160) << "kept clear of the right edge";
}

TEST_F(HudPartsTest, TheSyringeDrawerHoldsSixVialsCloseTogetherAndASlotPastThemIsNone) {
  toolDrawer.Fill(TOOL_MEDICINE_SYRINGE);
  EXPECT_EQ(toolDrawer.slotSpacing, 23);
  const int32_t vials[] = {13, 14, 16, 17, 18, 19};
  ASSERT_EQ(toolDrawer.filled, 6);
  for (int k = 0; k < 6; ++k) EXPECT_EQ(toolDrawer.tools[k], vials[k]);
  toolDrawer.Open(300);
  EXPECT_EQ(toolDrawer.SlotAt(300 + 14 + 5 * 23 + 22), 5);
  EXPECT_EQ(toolDrawer.SlotAt(300 + 14 + 6 * 23), -1);
  EXPECT_EQ(toolDrawer.SlotAt(300 + 13), -1);

  // The third vial swapped for another shows the other's icon.
  toolDrawer.SetSlot(2, TOOL_ATROPINE_DIAZEPAM);
  EXPECT_EQ(toolDrawer.tools[2], TOOL_ATROPINE_DIAZEPAM);
  EXPECT_EQ(toolDrawer.picture.image->Pixel(2 * 23 + 20 + 1, 3 + 1), toolPictures[15].sprite->Pixel(1, 1));
  EXPECT_NE(toolPictures[15].sprite->Pixel(1, 1), toolPictures[16].sprite->Pixel(1, 1));

  toolDrawer.Fill(TOOL_ET_KIT);
  EXPECT_EQ(toolDrawer.slotSpacing, 40);
  EXPECT_EQ(toolDrawer.filled, 3);
  EXPECT_EQ(toolDrawer.SlotAt(300 + 14 + 3 * 40 + 1), -1) << "the picture is wider than the kit's three parts";
}

TEST_F(HudPartsTest, TheTrayHoldsTheCarriedTopToolsAndScrollsWithinItsStrip) {
  for (int row :
       {TOOL_M4, TOOL_RADIO, TOOL_ROLLOVER_DRAG, TOOL_GLOVE, TOOL_MORPHINE, TOOL_ATROPINE_DIAZEPAM, TOOL_ACTION})
    SetToolCount(row, 1);
  BuildToolTray();
  ASSERT_EQ(Tray().trayCount, 2);
  EXPECT_EQ(Tray().trayTool[0], TOOL_GLOVE);
  EXPECT_EQ(Tray().trayTool[1], TOOL_ACTION);
  const int32_t glove = toolPictures[TOOL_GLOVE].sprite->GetWidth();
  EXPECT_EQ(Tray().trayRightEdge[0], glove);
  EXPECT_EQ(Tray().trayWidth, glove + toolPictures[TOOL_ACTION].sprite->GetWidth());
  // The window shows the strip as it is, not stretched over the tray's whole width.
  ClearTextOverlay();
  DrawToolTray(0);
  const int32_t trayX = 382 * 640 / 634, trayY = 348 * 480 / 455;
  EXPECT_EQ(ScreenText().textOverlay->Pixel(trayX + 1, trayY + 1), Tray().trayStrip->Pixel(1, 1));
  EXPECT_EQ(ScreenText().textOverlay->Pixel(trayX + Tray().trayWidth + 3, trayY + 1), 0xFF0000u);
  int32_t scroll = 0;
  ScrollToolTray(scroll, +1, 5000);
  EXPECT_EQ(scroll, 0) << "a strip narrower than the window never scrolls";
  EXPECT_EQ(TraySlotAt(382 + glove - 1, 0), 0);
  EXPECT_EQ(TraySlotAt(382 + glove, 0), 1);
  EXPECT_EQ(TraySlotAt(382 + Tray().trayWidth, 0), -1);

  for (int row = 0; row < kToolCount; ++row) SetToolCount(row, 1);
  BuildToolTray();
  ASSERT_GT(Tray().trayWidth, 220);
  for (int frame = 0; frame < 10; ++frame) ScrollToolTray(scroll, +1, 7);
  EXPECT_EQ(scroll, 7) << "seven tenths of a pixel a frame add up";
  ScrollToolTray(scroll, +1, 100000);
  EXPECT_EQ(scroll, Tray().trayWidth - 220);
  ScrollToolTray(scroll, -1, 100000);
  EXPECT_EQ(scroll, 0);
}

TEST(ToolCursor, LargePicturesAreHalvedAndThePictureStaysOnTheScreen) {
  EXPECT_EQ(CursorDrawSize(400, 300).width, 200);
  EXPECT_EQ(CursorDrawSize(400, 300).height, 150);
  EXPECT_EQ(CursorDrawSize(400, 100).width, 400);
  EXPECT_EQ(CursorDrawSize(400, 100).height, 100);
  EXPECT_EQ(ClampCursorAxis(630, 10, 50, 640), 580);
  EXPECT_EQ(ClampCursorAxis(2, -20, 50, 640), 20);
  EXPECT_EQ(ClampCursorAxis(300, -20, 50, 640), 300);
}

TEST_F(HudPartsTest, AClickOutsideAMenuIsNoneAndTheWoundPickersOnlyPickWounds) {
  PlaceCasualty(0, std::make_unique<Patient>());
  SetCurrentPatient(Slots().casualties[0].get());
  StoreGameStateWithoutEntry(STATE_PATIENT_VIEW);
  FillPopupMenus();
  EXPECT_EQ(ClickRadioMenu(50, 50), -1) << "a menu never placed";
  OpenRadioMenu(600, 100);
  EXPECT_EQ(Popups().radioMenu.x, 640 - 240);
  EXPECT_EQ(ClickRadioMenu(10, 10), -1);
  EXPECT_EQ(Popups().radioMenu.state, POPUP_CLICKED);
  EXPECT_EQ(States().gameState, STATE_PATIENT_VIEW);
  EXPECT_EQ(Slots().currentPatient->verdict, VERDICT_NONE);

  ASSERT_EQ(Popups().woundPicker1.count, 29);
  ASSERT_EQ(Popups().woundPicker2.count, 58 - 29);
  OpenWoundPickers();
  // The second picker's first row: the first rows of the radio menu would evacuate the casualty.
  EXPECT_TRUE(ClickWoundPickers(250, 4 + Popups().woundPicker2.rowHeight / 2));
  EXPECT_EQ(Slots().currentPatient->currentWound, 29);
  EXPECT_EQ(States().gameState, STATE_PATIENT_VIEW);
  EXPECT_EQ(Slots().currentPatient->verdict, VERDICT_NONE);
  EXPECT_FALSE(Popups().woundPicker1.IsOpen());
  EXPECT_FALSE(ClickWoundPickers(250, 10)) << "closed pickers take no click";
}

}  // namespace
}  // namespace kestrine::testing
