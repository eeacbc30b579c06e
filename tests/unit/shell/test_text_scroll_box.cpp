// The scrolling text box: page size, scrolling limits, control bytes, rows and automatic scrolling, checked on
// the image it draws into.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "screen_2d_fixture.h"
#include "shell/engine_setup.h"
#include "shell/events.h"
#include "shell/text_scroll_box.h"

namespace kestrine {
namespace {

using testing::FindColour;
using testing::PixelBox;
using testing::Rgb;

class TextScrollBoxTest : public testing::Screen2dTest {
 protected:
  void SetUp() override {
    Screen2dTest::SetUp();
    CreateOverlays();
    for (int i = 0; i < 34; ++i) texts_.push_back("Line " + std::to_string(i));
    for (const std::string& t : texts_) pointers_.push_back(t.c_str());
  }
  void TearDown() override {
    sharedTextBox.Release();
    Screen2dTest::TearDown();
  }

  // The player-controls box: x 75, y 229, 515 x 234.
  void LayOutControls(int total) { sharedTextBox.Layout(pointers_.data(), total, 75.0f, 229.97f, 515.0f, 234.0f); }

  // Frames of `ms` for `span` ms, drawing the box each frame; the first row after each.
  std::vector<int> RunFrames(int ms, int span) {
    std::vector<int> firsts;
    for (int t = ms; t <= span; t += ms) {
      SetGameClock(Clock().gameClock + ms);
      sharedTextBox.Draw(Overlays().menuCanvas);
      firsts.push_back(sharedTextBox.first);
    }
    return firsts;
  }

  // The pixels of one row of the canvas match `text` drawn there alone by `font`.
  void ExpectRow(int x, int y, engine::EngineRef<engine::EngineTextFont> font, const std::wstring& text) {
    engine::EngineRef<engine::EngineBitmap> expected = Engine().engineRoot->CreateBitmap(640, 480);
    expected->Clear(255, 0, 0);
    font->SetBackColor(255, 0, 0);
    font->DrawText(expected, x, y, text);
    for (int row = y; row < y + 14; ++row) {
      for (int col = x; col < x + 250; ++col)
        ASSERT_EQ(Overlays().menuCanvas->Pixel(col, row), expected->Pixel(col, row));
    }
  }

  std::vector<std::string> texts_;
  std::vector<const char*> pointers_;
};

TEST_F(TextScrollBoxTest, A234HighBoxShows16RowsAndScrollsTo18Of34) {
  LayOutControls(34);
  EXPECT_EQ(sharedTextBox.visible, 16);
  EXPECT_EQ(sharedTextBox.lineHeight, 15);
  EXPECT_EQ(sharedTextBox.y, 229);
  for (int i = 0; i < 40; ++i) sharedTextBox.ScrollDown();
  EXPECT_EQ(sharedTextBox.first, 18);
  for (int i = 0; i < 40; ++i) sharedTextBox.ScrollUp();
  EXPECT_EQ(sharedTextBox.first, 0);

  LayOutControls(5);  // room for 16: shows 5 and does not scroll
  EXPECT_EQ(sharedTextBox.visible, 5);
  sharedTextBox.ScrollDown();
  EXPECT_EQ(sharedTextBox.first, 0);
  LayOutControls(0);
  EXPECT_EQ(sharedTextBox.visible, 0);
  sharedTextBox.Layout(pointers_.data(), 34, 10, 10, 100, 5);  // not one row high: still one row
  EXPECT_EQ(sharedTextBox.visible, 1);
}

TEST_F(TextScrollBoxTest, DrawErasesTheBoxAndDrawsOneRowPer14PixelsUntilReleased) {
  LayOutControls(34);
  Overlays().menuCanvas->Clear(0, 0, 90);
  sharedTextBox.ScrollDown();
  sharedTextBox.Draw(Overlays().menuCanvas);
  // The erased area is the box and 9 pixels below it, in red.
  const PixelBox red = FindColour(Overlays().menuCanvas, kRed);
  EXPECT_EQ(red.left, 75);
  EXPECT_EQ(red.top, 229);
  EXPECT_EQ(red.right, 75 + 515 - 1);
  EXPECT_EQ(red.bottom, 229 + 234 + 9 - 1);
  // Sixteen rows, the first showing entry 1, row 3 showing entry 4.
  const PixelBox ink = FindColour(Overlays().menuCanvas, kPaleYellow);
  EXPECT_GT(ink.bottom, 229 + 14 * 15);
  EXPECT_LT(ink.bottom, 229 + 14 * 16);
  engine::EngineRef<engine::EngineTextFont> font = Font(L"Arial", 8);
  font->SetColor(235, 247, 195);
  ExpectRow(75, 229, font, L"Line 1");
  ExpectRow(75, 229 + 14 * 3, font, L"Line 4");

  sharedTextBox.Release();
  EXPECT_FALSE(sharedTextBox.text);
  Overlays().menuCanvas->Clear(0, 0, 90);
  EXPECT_NO_THROW(sharedTextBox.Draw(Overlays().menuCanvas));
  EXPECT_EQ(FindColour(Overlays().menuCanvas, kPaleYellow).count, 0);
  EXPECT_EQ(FindColour(Overlays().menuCanvas, kRed).count, 515 * (234 + 9));
}

TEST_F(TextScrollBoxTest, ControlBytesSetColourAndStyleForTheirLineOnly) {
  const char* lines[] = {"\x02Overhead",
                         "plain",
                         "\x01\x03"
                         "Bold green",
                         "\x07\x09skipped",
                         nullptr,
                         "last"};
  sharedTextBox.Layout(lines, 6, 20, 20, 300, 100);
  sharedTextBox.Draw(Overlays().menuCanvas);
  engine::EngineRef<engine::EngineTextFont> font = Font(L"Arial", 8);
  font->SetColor(200, 100, 100);
  ExpectRow(20, 20, font, L"Overhead");
  font->SetColor(235, 247, 195);
  ExpectRow(20, 34, font, L"plain");
  ExpectRow(20, 62, font, L"skipped");  // bytes 6 to 9 draw nothing of their own
  ExpectRow(20, 76, font, L"");         // a null entry keeps its row empty
  ExpectRow(20, 90, font, L"last");
  engine::EngineRef<engine::EngineTextFont> bold = Font(L"Arial", 8, true);
  bold->SetColor(100, 200, 100);
  ASSERT_NE(bold->TextWidth(L"Bold green"), font->TextWidth(L"Bold green"));
  ExpectRow(20, 48, bold, L"Bold green");
}

TEST_F(TextScrollBoxTest, AutoScrollsOneRowPer100MsToTheLastPageAtAnyFrameRateAndClock) {
  LayOutControls(34);
  sharedTextBox.autoScrollDown = 1;
  const std::vector<int> firsts = RunFrames(100, 2500);
  for (size_t i = 0; i < firsts.size(); ++i) EXPECT_EQ(firsts[i], std::min<int>(static_cast<int>(i) + 1, 18)) << i;
  sharedTextBox.autoScrollDown = 0;
  RunFrames(100, 1000);
  EXPECT_EQ(sharedTextBox.first, 18);

  for (int ms : {7, 16, 33, 50}) {
    LayOutControls(34);
    sharedTextBox.nextScrollTime = Clock().gameClock;
    sharedTextBox.autoScrollDown = 1;
    // Ten rows a second (the first is due at once), whatever the frame time.
    EXPECT_EQ(RunFrames(ms, 1000).back(), 10) << ms;
  }
  // And as the game clock passes 2 to the 31st milliseconds.
  LayOutControls(34);
  SetGameClock(int64_t{2147483647} - 450);
  sharedTextBox.nextScrollTime = Clock().gameClock;
  sharedTextBox.autoScrollDown = 1;
  EXPECT_EQ(RunFrames(50, 1000).back(), 10);
}

TEST_F(TextScrollBoxTest, AutoScrollUpAndNeverTwoRowsInOneFrame) {
  LayOutControls(34);
  for (int i = 0; i < 10; ++i) sharedTextBox.ScrollDown();
  sharedTextBox.autoScrollUp = 1;
  RunFrames(100, 300);
  EXPECT_EQ(sharedTextBox.first, 7);
  sharedTextBox.autoScrollDown = 1;  // both set: the first one due takes the turn
  RunFrames(100, 100);
  EXPECT_EQ(sharedTextBox.first, 8);
  RunFrames(100, 100);
  EXPECT_EQ(sharedTextBox.first, 9);
}

}  // namespace
}  // namespace kestrine
