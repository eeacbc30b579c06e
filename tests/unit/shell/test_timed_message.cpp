// Timed message boxes: layout, position rules, the frame count and the silence while a save is replayed,
// checked on the box image and the text overlay.
#include <gtest/gtest.h>

#include <string>

#include "screen_2d_fixture.h"
#include "shell/sound_table.h"
#include "shell/timed_message.h"

namespace kestrine {
namespace {

using testing::FindColour;
using testing::PixelBox;
using testing::Rgb;

const engine::Color kBlack = Rgb(0, 0, 0);
const engine::Color kCream = Rgb(255, 255, 192);

class TimedMessageTest : public testing::Screen2dTest {
 protected:
  void SetUp() override {
    Screen2dTest::SetUp();
    message.Create(3);
  }
  void TearDown() override {
    message.Release();
    Screen2dTest::TearDown();
  }

  int Width(const std::string& text) { return message.text->TextWidth(std::wstring(text.begin(), text.end())); }
  int Height() { return message.text->TextHeight(L"x"); }

  TimedMessage message;
};

TEST_F(TimedMessageTest, FractionsMoveTheBoxPixelsKeepItAndTheRightEdgeIsKeptClear) {
  message.Show("Check his airway first.", 0.9f, 0.1f, 100);
  EXPECT_EQ(message.x, 400);  // 576 is too close to the edge
  EXPECT_EQ(message.y, 48);
  EXPECT_EQ(message.framesLeft, 100);
  message.Show("Hold still.", 0.25f, 0.5f, 50);
  message.Show("Hold still.", 300.0f, 1.0f, 50);
  EXPECT_EQ(message.x, 160);
  EXPECT_EQ(message.y, 240);
}

TEST_F(TimedMessageTest, LongTextIsLaidOutInLinesOf200) {
  message.Show("Good.", 0.1f, 0.1f, 100);
  EXPECT_EQ(message.width, Width("Good.") + 6 + 6);
  EXPECT_EQ(message.height, 2 * Height() + 6);

  const std::string text =
      "The patient is going into shock. Raise his legs, keep him warm and start an IV line before moving him.";
  const int w = Width(text) + 6;
  const int lines = (w + 199) / 200;
  ASSERT_GE(lines, 2);
  message.Show(text, 0.1f, 0.1f, 100);
  EXPECT_EQ(message.width, w / lines + 6);
  EXPECT_EQ(message.height, Height() * (lines + 1) + 6);
  EXPECT_EQ(message.box->PixelColor(message.width - 1, message.height - 1), kBlack);
  EXPECT_EQ(message.box->PixelColor(message.width, message.height), kCream);
}

TEST_F(TimedMessageTest, UpdateCopiesTheBoxForItsFramesOnly) {
  message.Show("Apply pressure.", 0.1f, 0.2f, 2);
  EXPECT_EQ(testing::CountOther(ScreenText().textOverlay, kRed), 0);  // Show itself draws nothing on the overlay
  message.Update();
  EXPECT_EQ(message.framesLeft, 1);
  EXPECT_EQ(ScreenText().textOverlay->PixelColor(64, 96), kBlack);  // the frame's top-left corner
  const PixelBox cream = FindColour(ScreenText().textOverlay, kCream);
  EXPECT_EQ(cream.left, 65);
  EXPECT_EQ(cream.top, 97);
  EXPECT_EQ(cream.right, 64 + message.width - 2);
  EXPECT_EQ(cream.bottom, 96 + message.height - 2);
  ClearTextOverlay();
  message.Update();
  EXPECT_EQ(ScreenText().textOverlay->PixelColor(64, 96), kBlack);
  ClearTextOverlay();
  message.Update();  // out of frames: the overlay stays clear
  EXPECT_EQ(message.framesLeft, 0);
  EXPECT_EQ(testing::CountOther(ScreenText().textOverlay, kRed), 0);
}

TEST_F(TimedMessageTest, KeyedBoxShowsOnlyTextAndFrame) {
  message.SetColours(192, 255, 255);
  EXPECT_EQ(message.box->ColorKey(), Rgb(192, 255, 255));
  EXPECT_EQ(message.text->BackColor(), Rgb(192, 255, 255));
  message.Show("Try the splint.", 0.1f, 0.1f, 100);
  message.Update();
  // Paper and text boxes are the key, so the overlay stays red through them: only black frame and ink.
  const int black = FindColour(ScreenText().textOverlay, kBlack).count;
  EXPECT_GT(black, 2 * message.width + 2 * message.height - 4);
  EXPECT_EQ(testing::CountOther(ScreenText().textOverlay, kRed), black);
}

TEST_F(TimedMessageTest, NothingWhileASaveIsReplayedForEmptyTextOrOnceReleased) {
  message.Show("First.", 0.1f, 0.1f, 100);
  SetReplayingSave(true);
  message.Show("Second.", 0.5f, 0.5f, 100);
  EXPECT_EQ(message.framesLeft, 0);  // the earlier message is gone too
  EXPECT_EQ(message.x, 64);
  SetReplayingSave(false);
  message.Show("First.", 0.1f, 0.1f, 100);
  message.Show("", 0.5f, 0.5f, 100);
  EXPECT_EQ(message.framesLeft, 0);
  message.Update();
  EXPECT_EQ(testing::CountOther(ScreenText().textOverlay, kRed), 0);

  message.Show("Evacuate him.", 0.1f, 0.1f, 100);
  message.Release();
  EXPECT_FALSE(message.box || message.text);
  EXPECT_EQ(message.framesLeft, 0);
  EXPECT_NO_THROW(message.Update());
  EXPECT_EQ(testing::CountOther(ScreenText().textOverlay, kRed), 0);
}

}  // namespace
}  // namespace kestrine
