// The backpack screen as the real renderer shows it: the backdrop, the icon strip, the list of carried tools
// and the weight and volume bars, read back from a screenshot.
#include <gtest/gtest.h>

#include "casualty/backpack.h"
#include "casualty/backpack_screen.h"
#include "casualty/tool_images.h"
#include "render/sdl_fixture.h"
#include "shell/globals.h"
#include "shell/hotspots.h"
#include "shell/layout.h"
#include "shell/mission_progress.h"
#include "shell/overlays.h"
#include "shell/screen_text.h"
#include "shell/tooltip.h"

namespace engine::testing {
namespace {

class BackpackScreenRender : public SdlFixture {
 protected:
  void SetUp() override {
    SdlFixture::SetUp();
    kestrine::engineRoot = root_;
    kestrine::engineStage = stage_;
    kestrine::engineCamera = camera_;
    kestrine::screenWidth = 640;
    kestrine::screenHeight = 480;
    kestrine::CreateTextOverlay();
    kestrine::CreateOverlays();
    kestrine::ClearHotspots();
    kestrine::backpack = kestrine::Backpack();
    kestrine::keepBackpack = false;
    kestrine::difficulty = 0;
    kestrine::missionProgress.playerFigure = 0;
    kestrine::BuildBackpackScreen();
    kestrine::ShowOverlay();
    kestrine::pointerX = 600;  // off every hot-spot
    kestrine::pointerY = 20;
    kestrine::DrawBackpackScreen();
  }

  void TearDown() override {
    kestrine::UnloadBackpackScreen();
    kestrine::ReleaseToolImages();
    kestrine::toolSpriteSheet.Reset();
    kestrine::ReleaseOverlays();
    kestrine::engineCamera.Reset();
    kestrine::engineStage.Reset();
    kestrine::engineRoot.Reset();
    SdlFixture::TearDown();
  }
};

TEST_F(BackpackScreenRender, StripListAndBarsAreOnTheScreen) {
  auto frame = Capture();
  ASSERT_TRUE(frame);

  // The strip window shows the strip's own pixels.
  int stripMatches = 0;
  for (int x = 0; x < kestrine::StripWindowWidth(); x += 7)
    for (int y = 0; y < kestrine::kToolStripHeight; y += 7) {
      const Color want = kestrine::toolStripImage->PixelColor(x, y);
      stripMatches += PixelNear(frame, kestrine::kStripWindowX + x, kestrine::kStripWindowY + y, want, 2) ? 1 : 0;
    }
  const int samples = ((kestrine::StripWindowWidth() + 6) / 7) * ((kestrine::kToolStripHeight + 6) / 7);
  EXPECT_GT(stripMatches, samples * 9 / 10);

  // The list of the standard kit: pale text in the list's box.
  EXPECT_GT(CountNear(frame, {370, 100, 200, 310}, {235, 247, 195}, 2), 300);
  // The filled part of the weight and volume bars.
  EXPECT_GT(CountNear(frame, {0, kestrine::PixelY(0.751), 640, 14}, {120, 0, 0}, 2), 50);
  EXPECT_GT(CountNear(frame, {0, kestrine::PixelY(0.793), 640, 14}, {120, 0, 0}, 2), 200);
  // The backdrop behind it all: the screen is not one colour.
  EXPECT_GT(CountNear(frame, {0, 0, 640, 60}, frame->PixelColor(320, 4), 2), 0);
  EXPECT_LT(CountNear(frame, {0, 0, 640, 480}, {0, 0, 0}, 2), 640 * 480 / 2);
}

}  // namespace
}  // namespace engine::testing
