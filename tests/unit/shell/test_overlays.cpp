// The full-screen overlay, the menu canvas and the loading bar, checked on their pixels and sprites.
#include <gtest/gtest.h>

#include "backend/headless/headless_backend.h"
#include "screen_2d_fixture.h"
#include "shell/engine_setup.h"
#include "shell/overlays.h"

namespace kestrine {
namespace {

using testing::FindColour;
using testing::PixelBox;
using testing::Rgb;

class OverlaysTest : public testing::Screen2dTest {
 protected:
  void SetUp() override {
    Screen2dTest::SetUp();
    EXPECT_NO_THROW(HideOverlay());  // before the overlays exist: nothing to do
    CreateOverlays();
  }
  int Presented() {
    return static_cast<engine::HeadlessBackend&>(engine::BackendOf(*Engine().engineRoot)).PresentedFrames();
  }
};

TEST_F(OverlaysTest, BackOverlayBehindAndInvisibleCanvasInFrontTillReleased) {
  EXPECT_EQ(Overlays().fullScreenOverlayWidth, 640);
  EXPECT_EQ(Overlays().fullScreenOverlayHeight, 480);
  EXPECT_EQ(Overlays().fullScreenOverlaySprite->Layer(), 0);
  EXPECT_EQ(Overlays().fullScreenOverlaySprite->Image().Get(), Overlays().fullScreenOverlay.Get());
  HideOverlay();
  EXPECT_FALSE(Overlays().fullScreenOverlaySprite->Visible());
  ShowOverlay();
  EXPECT_TRUE(Overlays().fullScreenOverlaySprite->Visible());

  // The canvas is all key and rides on the text overlay's sprite, in front of everything.
  EXPECT_EQ(Overlays().menuCanvas->ColorKey(), kRed);
  EXPECT_EQ(testing::CountOther(Overlays().menuCanvas, kRed), 0);
  ASSERT_EQ(ScreenText().textOverlaySprite->Children().size(), 1u);
  EXPECT_EQ(ScreenText().textOverlaySprite->Children()[0].Get(), Overlays().menuCanvasSprite.Get());
  EXPECT_EQ(Overlays().menuCanvasSprite->Layer(), 255);
  Overlays().menuCanvas->SetDrawColor(0, 0, 255);
  Overlays().menuCanvas->FillRect(500, 400, 50, 50);
  ClearMenuCanvas();
  EXPECT_EQ(testing::CountOther(Overlays().menuCanvas, kRed), 0);

  ReleaseOverlays();
  EXPECT_FALSE(Overlays().fullScreenOverlay || Overlays().fullScreenOverlaySprite || Overlays().menuCanvas ||
               Overlays().menuCanvasSprite);
  EXPECT_FALSE(ScreenText().textOverlay || ScreenText().textOverlaySprite);
  EXPECT_NO_THROW(ShowOverlay());
}

TEST_F(OverlaysTest, LoadingBarGrowsUnderTheArtAndRenders) {
  const int before = Presented();
  LoadingBar(12.7);
  EXPECT_EQ(Presented(), before + 1);
  PixelBox bar = FindColour(Overlays().fullScreenOverlay, Rgb(200, 200, 0));
  EXPECT_EQ(bar.left, 390);  // 640 / 2 + 70
  EXPECT_EQ(bar.top, 437);   // 480 x 565 / 634 + 10
  EXPECT_EQ(bar.Width(), 12);
  EXPECT_EQ(bar.count, 12 * 10);
  LoadingBar(200.0);
  EXPECT_EQ(FindColour(Overlays().fullScreenOverlay, Rgb(200, 200, 0)).right, 589);
}

}  // namespace
}  // namespace kestrine
