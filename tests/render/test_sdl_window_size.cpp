// A window of exactly the logical size is drawn into straight, any other through the offscreen picture shown
// scaled: the frame is the same either way, and so is its capture, also after a present that drew nothing new.
#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "engine/engine_changes.h"
#include "render/sdl_fixture.h"

namespace engine::testing {
namespace {

class SdlWindowSize : public SdlFixture {
 protected:
  void SetUp() override {
    // A player's window, not the desktop's full screen: only such a window is ever of the logical size.
    const char* before = std::getenv("KESTRINE_WINDOWED");
    const std::string kept = before ? before : "";
    setenv("KESTRINE_WINDOWED", "1", 1);
    SdlFixture::SetUp();
    if (before) {
      setenv("KESTRINE_WINDOWED", kept.c_str(), 1);
    } else {
      unsetenv("KESTRINE_WINDOWED");
    }
    // The nearer plane is made first: only the depth test keeps the farther one behind it.
    AddFacingPlane(10, 20, {0, 200, 0});
    AddFacingPlane(30, 30, {200, 0, 0});
    stage_->SetBackgroundColor(0, 0, 90);
    // A screen layer: a grey frame round a hole, and a yellow mark inside the hole.
    layer_ = root_->CreateBitmap(640, 480);
    layer_->Clear(255, 0, 255);
    layer_->SetColorKey(255, 0, 255);
    layer_->SetDrawColor(128, 128, 128);
    layer_->FillRect(0, 0, 640, 40);
    layer_->FillRect(0, 440, 640, 40);
    layer_->FillRect(0, 40, 30, 400);
    layer_->FillRect(610, 40, 30, 400);
    layer_->SetDrawColor(255, 255, 0);
    layer_->FillRect(100, 100, 20, 10);
    camera_->CreateSprite(layer_, 1);
  }

  void SizeWindow(int width, int height) {
    SDL_Window* window = backend_->Window();
    SDL_SetWindowFullscreen(window, 0);
    SDL_SetWindowSize(window, width, height);
    // The window's own events (resized, shown again) come and go before the frame.
    root_->Wait(1);
  }

  // The scene drawn anew (as if something had changed) and captured.
  EngineRef<EngineBitmap> DrawAndCapture() {
    NoteSceneChange();
    return Capture();
  }

  EngineRef<EngineBitmap> layer_;
};

TEST_F(SdlWindowSize, AWindowOfTheLogicalSizeAndAScaledOneCaptureTheSamePicture) {
  SizeWindow(800, 600);
  const int straightBefore = backend_->FramesDrawnIntoWindow();
  const auto scaled = DrawAndCapture();
  EXPECT_EQ(backend_->FramesDrawnIntoWindow(), straightBefore) << "a scaled window is drawn through the offscreen picture";

  SizeWindow(640, 480);
  const auto exact = DrawAndCapture();
  EXPECT_GT(backend_->FramesDrawnIntoWindow(), straightBefore) << "a window of the logical size is drawn into straight";
  // Nothing changes: no new picture, and the capture still reads the one in the window.
  const int drawn = backend_->DrawnFrames();
  root_->Render();
  EXPECT_EQ(backend_->DrawnFrames(), drawn);
  const auto again = CaptureLast();

  ASSERT_TRUE(scaled && exact && again);
  // What the scene shows, by hand: the near plane before the far one, the far one round it, the background
  // past both, the layer's frame, its mark, and the hole.
  EXPECT_TRUE(PixelNear(exact, 320, 240, {0, 200, 0}));
  EXPECT_TRUE(PixelNear(exact, 320, 100, {200, 0, 0}));
  EXPECT_TRUE(PixelNear(exact, 60, 240, {0, 0, 90}));
  EXPECT_TRUE(PixelNear(exact, 5, 5, {128, 128, 128}));
  EXPECT_TRUE(PixelNear(exact, 620, 300, {128, 128, 128}));
  EXPECT_TRUE(PixelNear(exact, 105, 105, {255, 255, 0}));
  int differ = 0, differAgain = 0;
  for (int y = 0; y < 480; ++y)
    for (int x = 0; x < 640; ++x) {
      differ += exact->PixelColor(x, y) == scaled->PixelColor(x, y) ? 0 : 1;
      differAgain += exact->PixelColor(x, y) == again->PixelColor(x, y) ? 0 : 1;
    }
  EXPECT_EQ(differ, 0);
  EXPECT_EQ(differAgain, 0);
}

}  // namespace
}  // namespace engine::testing
