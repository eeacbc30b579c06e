// The tool-tip: its line layout, frame, position rules and the deferred copy, checked on the box image and on
// the text overlay.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "screen_2d_fixture.h"
#include "shell/tooltip.h"

namespace kestrine {
namespace {

using testing::FindColour;
using testing::PixelBox;
using testing::Rgb;

const engine::Color kBlack = Rgb(0, 0, 0);

class ToolTipTest : public testing::Screen2dTest {
 protected:
  void SetUp() override {
    Screen2dTest::SetUp();
    CreateToolTip();
  }
  void TearDown() override {
    ReleaseToolTip();
    Screen2dTest::TearDown();
  }

  // Letters whose widths add up to exactly `target` pixels in the tip's font (widths add: no kerning).
  std::string TextOfWidth(int target) {
    std::map<int, char> letterOfWidth;
    for (char c = 'a'; c <= 'z'; ++c) letterOfWidth[ToolTips().toolTip.text->TextWidth(std::wstring(1, c))] = c;
    std::vector<std::string> best(target + 1);
    std::vector<bool> reached(target + 1, false);
    reached[0] = true;
    for (int w = 1; w <= target; ++w) {
      for (const auto& [width, letter] : letterOfWidth) {
        if (width > 0 && width <= w && reached[w - width]) {
          reached[w] = true;
          best[w] = best[w - width] + letter;
          break;
        }
      }
    }
    return best[target];
  }
};

TEST_F(ToolTipTest, A250PixelTipTakesThreeLinesOf85) {
  const std::string text = TextOfWidth(250);
  ASSERT_EQ(ToolTips().toolTip.text->TextWidth(std::wstring(text.begin(), text.end())), 250);
  const int lineHeight = ToolTips().toolTip.text->TextHeight(L"x");

  ShowToolTip(100, 50, text, 0);
  // w = 256 over 3 lines = 85; the box is 6 pixels wider and taller than the text area.
  EXPECT_EQ(ToolTips().toolTip.sourceWidth, 91);
  EXPECT_EQ(ToolTips().toolTip.sourceHeight, 3 * lineHeight + 6);
  EXPECT_EQ(ToolTips().toolTip.destX, 100);
  EXPECT_EQ(ToolTips().toolTip.destY, 50);
  EXPECT_EQ(ToolTips().toolTip.destWidth, 91);
  EXPECT_EQ(ToolTips().toolTip.destHeight, 3 * lineHeight + 6);

  // The black frame closes the box, copied at once onto the overlay over the paper.
  const int right = 90, bottom = 3 * lineHeight + 5;
  for (auto [x, y] : {std::pair{0, 0}, {right, 0}, {0, bottom}, {right, bottom}, {45, 0}, {right, bottom / 2}}) {
    EXPECT_EQ(ScreenText().textOverlay->PixelColor(100 + x, 50 + y), kBlack) << x << "," << y;
  }
  EXPECT_EQ(ScreenText().textOverlay->PixelColor(99, 50), kRed);
  EXPECT_EQ(ScreenText().textOverlay->PixelColor(100 + right + 1, 50), kRed);
  EXPECT_EQ(ScreenText().textOverlay->PixelColor(101, 51), kPaleYellow);
  int inkOnThirdLine = 0;
  for (int y = 3 + 2 * lineHeight; y < 3 + 3 * lineHeight; ++y) {
    for (int x = 1; x < right; ++x) inkOnThirdLine += ToolTips().toolTip.image->PixelColor(x, y) == kBlack;
  }
  EXPECT_GT(inkOnThirdLine, 0);
}

TEST_F(ToolTipTest, PositionRules) {
  ShowToolTip(0.5, 0.25, "Ammo Clip", 0);
  EXPECT_EQ(ToolTips().toolTip.destX, 320);
  EXPECT_EQ(ToolTips().toolTip.destY, 120);
  EXPECT_EQ(ToolTips().toolTip.sourceWidth, ToolTips().toolTip.text->TextWidth(L"Ammo Clip") + 12);  // one line
  ShowToolTip(630, 100, "Left Arm", 0);
  EXPECT_EQ(ToolTips().toolTip.destX, 580);  // kept 60 pixels from the right edge
  ShowToolTip(-20, -5, "Left Arm", 0);
  EXPECT_EQ(ToolTips().toolTip.destX, 0);
  EXPECT_EQ(ToolTips().toolTip.destY, 0);
  EXPECT_EQ(ScreenText().textOverlay->PixelColor(0, 0), kBlack);
}

TEST_F(ToolTipTest, DeferredTipWaitsForDrawEmptyTextDrawsNothingAndAReleasedTipIsNoLongerDrawn) {
  ShowToolTip(200, 200, "Chest", 1);
  EXPECT_EQ(ToolTips().toolTipDeferred, 1);
  EXPECT_EQ(testing::CountOther(ScreenText().textOverlay, kRed), 0);
  ShowToolTip(10, 10, "", 0);
  EXPECT_EQ(ToolTips().toolTipDeferred, 1);
  DrawToolTip();
  EXPECT_EQ(ScreenText().textOverlay->PixelColor(200, 200), kBlack);
  EXPECT_EQ(FindColour(ScreenText().textOverlay, kPaleYellow).left, 201);
  EXPECT_EQ(FindColour(ScreenText().textOverlay, kBlack).left, 200);  // nothing of the empty tip at 10

  ClearTextOverlay();
  ShowToolTip(200, 200, "Chest", 1);
  ReleaseToolTip();
  EXPECT_FALSE(ToolTips().toolTip.image || ToolTips().toolTip.text);
  EXPECT_EQ(ToolTips().toolTipDeferred, 0);
  EXPECT_NO_THROW(DrawToolTip());
  EXPECT_EQ(testing::CountOther(ScreenText().textOverlay, kRed), 0);
}

TEST_F(ToolTipTest, DrawFrameKeysThePaperAndFramesOnRequest) {
  ToolTips().toolTip.image->Clear(235, 247, 195);
  DrawToolTipFrame(40, 20, 0);
  EXPECT_EQ(ToolTips().toolTip.image->ColorKey(), kPaleYellow);
  EXPECT_EQ(FindColour(ToolTips().toolTip.image, kBlack).count, 0);
  DrawToolTipFrame(40, 20, 1);
  const PixelBox frame = FindColour(ToolTips().toolTip.image, kBlack);
  EXPECT_EQ(frame.right, 39);
  EXPECT_EQ(frame.bottom, 19);
  EXPECT_EQ(frame.count, 2 * 40 + 2 * 18);
}

}  // namespace
}  // namespace kestrine
