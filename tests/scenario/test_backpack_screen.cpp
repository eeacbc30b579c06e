// The backpack screen played through the whole program on the generated data: entered as the briefing's
// LOAD BACKPACK enters it, loaded from the strip until nothing more fits, unloaded from the list, left by
// BACK and by START MISSION.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "casualty/backpack.h"
#include "casualty_view/backpack_screen.h"
#include "casualty_view/tool_images.h"
#include "harness.h"
#include "shell/engine_setup.h"
#include "shell/game_state.h"
#include "shell/layout.h"
#include "shell/screen_text.h"
#include "shell/sound_table.h"

namespace kestrine::scenario {
namespace {

constexpr int kBarRed = 120;

class BackpackScreenScenario : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(game.RunUntilState(STATE_DISCLAIMER));
    // What the briefing's LOAD BACKPACK does.
    ResetBackpack();
    SetGameState(STATE_BACKPACK);
    game.Frame(16);
  }

  // Rests the pointer on the right arrow until the strip has scrolled its whole way.
  void ScrollStripToTheEnd() {
    game.MoveTo(339, 120);
    for (int i = 0; i < 100 && BackpackScreen().toolStripScroll < BackpackScreen().toolStripWidth - StripWindowWidth();
         ++i)
      game.Frame(16);
    game.MoveTo(200, 300);
  }

  // The screen x over a strip column at the current scroll; -1 when it is not in the window.
  static int ScreenXOfStripColumn(int stripX) {
    for (int x = kStripWindowX + 1; x < kStripWindowX + StripWindowWidth(); ++x)
      if ((x - kStripWindowX) * Engine().screenWidth / 634 + BackpackScreen().toolStripScroll >= stripX) return x;
    return -1;
  }

  static int StripXOfTool(int row) {
    return ScreenXOfStripColumn(BackpackScreen().toolStripRightEdge[row] - toolPictures[row].sprite->GetWidth() / 2);
  }

  static int BarPixels(double fractionY) {
    return CountPixels(ScreenText().textOverlay, 0, PixelY(fractionY) + 2, Engine().screenWidth, 1, kBarRed, 0, 0);
  }

  Harness game;
};

TEST_F(BackpackScreenScenario, StateFifteenOpensTheScreenWithTheStandardKit) {
  EXPECT_EQ(States().gameState, STATE_BACKPACK);
  EXPECT_TRUE(BackpackScreen().backpackScreenBuilt);
  EXPECT_EQ(ToolImages().toolCount, kToolCount);
  ASSERT_TRUE(BackpackScreen().toolStripImage);
  EXPECT_FALSE(BackpackScreen().loadPackImage->IsPlaceholder());
  EXPECT_FALSE(ToolImages().toolSpriteSheet->IsPlaceholder());
  EXPECT_EQ(Pack().count[TOOL_M4], kStandardRifleRounds);
  // The strip window, the list's heading and lines, and both bars are on the screen.
  EXPECT_GT(CountPixelsNot(ScreenText().textOverlay, kStripWindowX, kStripWindowY, StripWindowWidth(), kToolStripHeight,
                           255, 0, 0),
            StripWindowWidth() * kToolStripHeight / 2);
  EXPECT_GT(CountPixels(ScreenText().textOverlay, 370, 80, 200, 330, 235, 247, 195), 200);
  EXPECT_GT(BarPixels(0.751), 0);
  EXPECT_GT(BarPixels(0.793), 0);
  EXPECT_EQ(game.DebugLog().find("missing asset: images\\tools"), std::string::npos);
}

TEST_F(BackpackScreenScenario, StripClicksLoadUntilNothingFitsAndListClicksUnload) {
  ScrollStripToTheEnd();
  const int x = StripXOfTool(TOOL_IV);
  ASSERT_GT(x, 0);
  const int y = kStripWindowY + 20;
  const int ivs = Pack().count[TOOL_IV];
  const int volumeBar = BarPixels(0.793);

  int clicks = 0;
  while (!PackState().noFitShown && clicks < 40) {
    game.Click(x, y);
    game.Frame(16);
    ++clicks;
  }
  ASSERT_TRUE(PackState().noFitShown);
  const int loaded = Pack().count[TOOL_IV] - ivs;
  EXPECT_EQ(loaded, clicks - 1);
  EXPECT_GT(loaded, 0);
  EXPECT_LT(Pack().volume, Pack().maxVolume);
  EXPECT_GE(Pack().volume + ToolTable[TOOL_IV].volume, Pack().maxVolume);
  EXPECT_GT(BarPixels(0.793), volumeBar);
  ASSERT_TRUE(Sounds().noFitSound);
  EXPECT_FALSE(Sounds().noFitSound->IsPlaceholder());

  // The IV went to the top of the list; its line takes one out at each click.
  const int firstLine = PanelY(100 + 13) + 3;
  game.Click(450, firstLine);
  game.Frame(16);
  game.Click(450, firstLine);
  game.Frame(16);
  EXPECT_EQ(Pack().count[TOOL_IV], ivs + loaded - 2);
  EXPECT_LT(BarPixels(0.793), volumeBar + loaded * 20);

  // After three seconds the next move takes the message away.
  game.Frames(200, 16);
  game.MoveTo(200, 300);
  EXPECT_FALSE(PackState().noFitShown);
}

TEST_F(BackpackScreenScenario, BackReturnsToTheBriefingAndTheChoiceIsKept) {
  ScrollStripToTheEnd();
  game.Click(StripXOfTool(TOOL_IV), kStripWindowY + 20);
  const int ivs = Pack().count[TOOL_IV];
  game.Click(70 + 40, PanelY(386) + 10);  // BACK
  EXPECT_EQ(States().gameState, STATE_BRIEFING);

  SetGameState(STATE_BACKPACK);
  game.Frame(16);
  EXPECT_EQ(Pack().count[TOOL_IV], ivs);
  EXPECT_EQ(PackState().backpackListOrder[0], TOOL_IV);
}

TEST_F(BackpackScreenScenario, StartMissionLeavesTheScreenForTheMission) {
  game.Click(PanelX(225) + 40, PanelY(386) + 10);  // START MISSION
  EXPECT_EQ(States().gameState, STATE_OVERHEAD);
  EXPECT_FALSE(BackpackScreen().backpackScreenBuilt);
  EXPECT_FALSE(BackpackScreen().toolStripImage);
  // The mission's patient view cut the icons again for its tray.
  EXPECT_TRUE(ToolImages().toolSpritesLoaded);
}

}  // namespace
}  // namespace kestrine::scenario
