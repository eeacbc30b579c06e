// The backpack screen: the strip it builds, what the pointer over it does, the list's rows, the bars, and
// the clicks that load and unload the pack.
#include "casualty_view/tool_images.h"
#include "shell/engine_setup.h"
#include "shell/events.h"
#include "shell/game_state.h"
#include "shell/layout.h"
#include "shell/mission_progress.h"
#include "tool_screen_fixture.h"

namespace kestrine::testing {
namespace {

constexpr int kMove = engine::kMouseMove;
constexpr int kClick = engine::kMouseLeftUp;
constexpr uint32_t kYellow = 0xFAFA00;

class BackpackScreenTest : public ToolScreenTest {
 protected:
  void Build() {
    WriteSheet();
    BuildBackpackScreen();
  }

  // A frame of the screen with the pointer at (x, y).
  void DrawWithPointerAt(int x, int y) {
    OnBackpackClick(x, y, kMove);
    DrawBackpackScreen();
  }

  void ClickAt(int x, int y) {
    DrawWithPointerAt(x, y);
    OnBackpackClick(x, y, kClick);
  }

  // A screen x over strip column stripX at the current scroll.
  static int ScreenXOfStripColumn(int stripX) {
    for (int x = kStripWindowX + 1; x < kStripWindowX + StripWindowWidth(); ++x) {
      const int column = (x - kStripWindowX) * Engine().screenWidth / 634 + BackpackScreen().toolStripScroll;
      if (column >= stripX) return x;
    }
    return -1;
  }

  static int IconWidth(int row) { return toolPictures[row].sprite->GetWidth(); }
  static int TopRowY() { return kStripWindowY + 10; }
  static int BottomRowY() { return kStripWindowY + 80; }

  // Pixels of one colour on one row of the text overlay.
  static int CountOnRow(int y, uint32_t colour) {
    int n = 0;
    for (int x = 0; x < Engine().screenWidth; ++x) n += ScreenText().textOverlay->Pixel(x, y) == colour ? 1 : 0;
    return n;
  }

  static bool HasColour(const engine::EngineRef<engine::EngineBitmap>& image, uint32_t colour) {
    for (uint32_t p : image->Pixels())
      if (p == colour) return true;
    return false;
  }

  // The bars' row: a pixel row inside both the empty bar and the filled bar.
  static int WeightBarRow() { return PixelY(0.751) + 2; }
};

// ---- building ----

TEST_F(BackpackScreenTest, TheStripHoldsEveryOfferedIconOnceSideBySide) {
  Build();
  for (int first : {0, kToolStripLastTopRow + 1}) {
    const int y = first == 0 ? 0 : kToolIconHeight;
    int32_t x = 0;
    for (int row = first; row < first + 24; ++row) {
      if (IsPackableTool(row)) {
        const auto& icon = toolPictures[row].sprite;
        EXPECT_EQ(BackpackScreen().toolStripImage->Pixel(x, y), icon->Pixel(0, 0)) << "row " << row;
        EXPECT_EQ(BackpackScreen().toolStripImage->Pixel(x + IconWidth(row) - 1, y + kToolIconHeight - 1),
                  icon->Pixel(IconWidth(row) - 1, kToolIconHeight - 1));
        x += IconWidth(row);
      }
      EXPECT_EQ(BackpackScreen().toolStripRightEdge[row], x) << "row " << row;
    }
  }
  EXPECT_EQ(BackpackScreen().toolStripWidth, std::max(BackpackScreen().toolStripRightEdge[kToolStripLastTopRow],
                                                      BackpackScreen().toolStripRightEdge[kToolCount - 1]));
  EXPECT_EQ(BackpackScreen().toolStripImage->GetHeight(), kToolStripHeight);
  EXPECT_TRUE(BackpackScreen().backpackScreenBuilt);
  EXPECT_TRUE(PackState().keepBackpack);
}

TEST_F(BackpackScreenTest, TheSmallestFigureCarriesFourFifthsAndHasAShorterBar) {
  Build();
  DrawBackpackScreen();
  const int fullBar = CountOnRow(WeightBarRow(), 0x140000) + CountOnRow(WeightBarRow(), 0x780000);
  UnloadBackpackScreen();
  KeepBackpack(false);
  ChoosePlayerFigure(2);
  Build();
  DrawBackpackScreen();
  const int smallBar = CountOnRow(WeightBarRow(), 0x140000) + CountOnRow(WeightBarRow(), 0x780000);
  EXPECT_GT(fullBar, 0);
  EXPECT_NEAR(smallBar, fullBar * 0.8, 1.0);
}

TEST_F(BackpackScreenTest, AClickBeforeTheFirstFrameDoesNotPressTheBriefingsButtons) {
  AddHotspotRect(400, 300, 100, 30);  // a button of the screen before, at index 0
  StoreGameStateWithoutEntry(STATE_BACKPACK);
  Build();
  OnBackpackClick(450, 315, kClick);
  EXPECT_EQ(States().gameState, STATE_BACKPACK);
  EXPECT_EQ(Hotspots().hotspotIndex, -1);
}

// ---- the strip under the pointer ----

TEST_F(BackpackScreenTest, EveryOfferedToolCanBePointedAtInItsRow) {
  Build();
  const int bottomRowY = PanelY(124);
  for (int row = 0; row < kToolCount; ++row) {
    if (!IsPackableTool(row)) continue;
    const bool top = row <= kToolStripLastTopRow;
    const int left = BackpackScreen().toolStripRightEdge[row] - IconWidth(row);
    // Scroll the icon into the window, then point at its middle column.
    ScrollToolStrip(std::max(0, std::min(left, BackpackScreen().toolStripWidth - StripWindowWidth())));
    const int x = ScreenXOfStripColumn(left + IconWidth(row) / 2);
    ASSERT_GT(x, 0) << "row " << row;
    const StripHit hit = StripToolAt(x, top ? bottomRowY - 1 : bottomRowY);
    EXPECT_EQ(hit.row, row);
    EXPECT_EQ(hit.topRow, top);
  }
}

TEST_F(BackpackScreenTest, AClickOnTheStripPacksTheToolUnderThePointerAndPastTheLastIconNothing) {
  ChooseDifficulty(2);
  Build();
  ScrollToolStrip(BackpackScreen().toolStripRightEdge[TOOL_BANDAGE] - StripWindowWidth() / 2);
  int x = ScreenXOfStripColumn(BackpackScreen().toolStripRightEdge[TOOL_BANDAGE] - 1);
  ASSERT_GT(x, 0);
  ClickAt(x, TopRowY());
  ClickAt(x, TopRowY());
  EXPECT_EQ(Pack().count[TOOL_BANDAGE], 2);
  EXPECT_EQ(PackState().backpackListOrder[0], TOOL_BANDAGE);

  ASSERT_LT(BackpackScreen().toolStripRightEdge[kToolStripLastTopRow], BackpackScreen().toolStripWidth);
  ScrollToolStrip(BackpackScreen().toolStripWidth - StripWindowWidth());
  x = ScreenXOfStripColumn(BackpackScreen().toolStripRightEdge[kToolStripLastTopRow] + 1);
  ASSERT_GT(x, 0);
  EXPECT_EQ(StripToolAt(x, TopRowY()).row, -1);
  EXPECT_GE(StripToolAt(x, BottomRowY()).row, 0);
  ClickAt(x, TopRowY());
  EXPECT_EQ(Pack().totalItems, 2);
}

TEST_F(BackpackScreenTest, ThePointerOnAToolFramesItAndOffTheIconsNothing) {
  Build();
  const int left = BackpackScreen().toolStripRightEdge[TOOL_CRAVAT] - IconWidth(TOOL_CRAVAT);
  DrawWithPointerAt(ScreenXOfStripColumn(left + 3), TopRowY());
  EXPECT_EQ(BackpackScreen().toolStripHighlight->Pixel(left, 0), kYellow);
  EXPECT_EQ(BackpackScreen().toolStripHighlight->Pixel(left, kToolIconHeight - 1), kYellow);
  EXPECT_EQ(BackpackScreen().toolStripHighlight->Pixel(left, kToolIconHeight), 0xFF0000u);
  EXPECT_TRUE(HasColour(Overlays().menuCanvas, kYellow));

  ScrollToolStrip(BackpackScreen().toolStripWidth - StripWindowWidth());
  DrawWithPointerAt(ScreenXOfStripColumn(BackpackScreen().toolStripRightEdge[kToolStripLastTopRow] + 2), TopRowY());
  EXPECT_FALSE(HasColour(BackpackScreen().toolStripHighlight, kYellow));
  EXPECT_FALSE(HasColour(Overlays().menuCanvas, kYellow));

  // Nor does the frame stay when the pointer goes from a tool to the list.
  DrawWithPointerAt(ScreenXOfStripColumn(BackpackScreen().toolStripRightEdge[kToolStripLastTopRow] - 3), TopRowY());
  ASSERT_TRUE(HasColour(BackpackScreen().toolStripHighlight, kYellow));
  DrawWithPointerAt(450, 300);
  EXPECT_FALSE(HasColour(Overlays().menuCanvas, kYellow));
}

TEST_F(BackpackScreenTest, TheArrowsScrollTheStripWithinItsEnds) {
  Build();
  const int maxScroll = BackpackScreen().toolStripWidth - StripWindowWidth();
  ASSERT_GT(maxScroll, kStripScrollStep);
  DrawWithPointerAt(330 + 9, 120);
  EXPECT_EQ(BackpackScreen().toolStripScroll, kStripScrollStep);
  for (int i = 0; i < 200; ++i) DrawBackpackScreen();
  EXPECT_EQ(BackpackScreen().toolStripScroll, maxScroll);
  DrawWithPointerAt(37 + 9, 120);
  EXPECT_EQ(BackpackScreen().toolStripScroll, maxScroll - kStripScrollStep);
  for (int i = 0; i < 200; ++i) DrawBackpackScreen();
  EXPECT_EQ(BackpackScreen().toolStripScroll, 0);
}

// ---- the list ----

class BackpackListTest : public BackpackScreenTest {
 protected:
  void SetUp() override {
    BackpackScreenTest::SetUp();
    ChooseDifficulty(2);
    Build();
    for (int row : {TOOL_BANDAGE, TOOL_SCISSORS, TOOL_TOURNIQUET}) AddToBackpack(row);
    DrawBackpackScreen();
  }
  // Line k (from 1) of the list as drawn: its first and last pixel rows.
  static int LineTop(int k) { return PanelY(100 + 13 * k); }
  static int LineBottom(int k) { return LineTop(k + 1) - 1; }
};

TEST_F(BackpackListTest, EveryPixelRowOfALineNamesThatLinesToolAndOnlyListedToolsHaveALine) {
  // The most recent first: tourniquet, scissors, bandage.
  const int expected[] = {TOOL_TOURNIQUET, TOOL_SCISSORS, TOOL_BANDAGE};
  for (int k = 1; k <= 3; ++k) {
    for (int y = LineTop(k); y <= LineBottom(k); ++y) {
      const int32_t position = ListPositionAt(y);
      ASSERT_GE(position, 0) << "y " << y;
      EXPECT_EQ(PackState().backpackListOrder[position], expected[k - 1]) << "line " << k << " y " << y;
    }
  }
  EXPECT_EQ(ListPositionAt(LineBottom(3) + 1), -1);
  // Carried tools without a line and tools not carried are marked.
  for (int i = 0; i < kToolCount; ++i) {
    const int row = PackState().backpackListOrder[i];
    if (Pack().count[row] < 1) {
      EXPECT_EQ(BackpackScreen().listRowBottom[i], 0.0f) << "row " << row;
    } else if (!IsPackableTool(row)) {
      EXPECT_EQ(BackpackScreen().listRowBottom[i], kUnlistedRowBottom) << "row " << row;
    } else {
      EXPECT_GT(BackpackScreen().listRowBottom[i], 0.0f);
    }
  }
}

TEST_F(BackpackListTest, AClickOnTheLowerEdgeOfALineTakesOutThatLinesToolAndBelowTheLastLineNothing) {
  ClickAt(450, LineBottom(3) + 3);
  EXPECT_EQ(Pack().totalItems, 3);
  ClickAt(450, LineBottom(1));
  EXPECT_EQ(Pack().count[TOOL_TOURNIQUET], 0);
  EXPECT_EQ(Pack().count[TOOL_SCISSORS], 1);
  EXPECT_EQ(Pack().count[TOOL_BANDAGE], 1);
}

// ---- the "no fit" message ----

TEST_F(BackpackScreenTest, TheNoFitMessageStaysThreeSecondsThenGoesWithTheNextMove) {
  ChooseDifficulty(2);
  Build();
  Backpack heavy = Pack();
  heavy.weight = heavy.maxWeight - 0.5f;
  RestoreBackpack(heavy);
  SetGameClock(1000);
  AddToBackpack(TOOL_BURN_BLANKET);
  ASSERT_TRUE(PackState().noFitShown);
  SetGameClock(1000 + kNoFitMessageMs);
  OnBackpackClick(100, 100, kMove);
  EXPECT_TRUE(PackState().noFitShown);
  SetGameClock(Clock().gameClock + 1);
  OnBackpackClick(100, 100, kClick);  // only a move clears it
  EXPECT_TRUE(PackState().noFitShown);
  OnBackpackClick(100, 100, kMove);
  EXPECT_FALSE(PackState().noFitShown);
}

// ---- redrawing ----

TEST_F(BackpackScreenTest, AnUnchangedPanelIsNotDrawnAgainButAChangeOrOtherDrawingOnItsLayersIs) {
  ChooseDifficulty(2);
  Build();
  DrawWithPointerAt(5, 5);
  DrawBackpackScreen();
  const uint64_t idle = ScreenText().textOverlay->Revision();
  for (int i = 0; i < 3; ++i) DrawBackpackScreen();
  EXPECT_EQ(ScreenText().textOverlay->Revision(), idle);

  AddToBackpack(TOOL_BANDAGE);
  DrawBackpackScreen();
  EXPECT_NE(ScreenText().textOverlay->Revision(), idle);
  EXPECT_GT(CountOnRow(WeightBarRow(), 0x780000), 0);

  // Something else wiped the layer: the next frame puts the panel back.
  ClearTextOverlay();
  ASSERT_EQ(CountOnRow(WeightBarRow(), 0x780000), 0);
  DrawBackpackScreen();
  EXPECT_GT(CountOnRow(WeightBarRow(), 0x780000), 0);
}

}  // namespace
}  // namespace kestrine::testing
