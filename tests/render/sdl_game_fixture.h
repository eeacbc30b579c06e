// The whole program on the SDL engine (offscreen driver, no sound card), started by the scenario harness and
// played to the disclaimer; what the screen shows, read back from its PNG capture; and counts of the pixels
// of a rectangle of such a frame.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "backend/sdl/sdl_backend.h"
#include "core/image_loader.h"
#include "engine/engine.h"
#include "render/sdl_fixture.h"
#include "scenario/harness.h"
#include "shell/game_state.h"

namespace kestrine::scenario {

using FrameImage = engine::EngineRef<engine::EngineBitmap>;

using engine::testing::CountNear;
using engine::testing::Lit;
using engine::testing::Rect;
using engine::testing::TempPng;

// Of the pixels of colour `want` the game drew into `drawn` inside the rectangle: how many, and how many the
// screen shows in that colour (within tolerance) at the same place.
struct Reproduction {
  int drawn = 0;
  int shown = 0;
};
inline Reproduction Reproduced(const FrameImage& drawn, const FrameImage& frame, Rect r, engine::Color want,
                               int tolerance) {
  Reproduction out;
  for (int y = r.y; y < r.y + r.height; ++y)
    for (int x = r.x; x < r.x + r.width; ++x) {
      if (!engine::testing::PixelNear(drawn, x, y, want)) continue;
      ++out.drawn;
      out.shown += engine::testing::PixelNear(frame, x, y, want, tolerance) ? 1 : 0;
    }
  return out;
}

class SdlGameFixture : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    // No display and no sound card needed, whoever runs the tests (a variable already set is kept).
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
  }

  static HarnessOptions OnTheSdlEngine() {
    HarnessOptions options;
    options.engine = "sdl";
    return options;
  }

  // Starts the program and plays 16 ms frames through the logos to the disclaimer.
  void StartToTheDisclaimer() {
    game_ = std::make_unique<Harness>(OnTheSdlEngine());
    ASSERT_TRUE(game_->Started()) << game_->StartError();
    sdl_ = engine::SdlBackendOf(game_->Root());
    ASSERT_NE(sdl_, nullptr);
    ASSERT_TRUE(sdl_->HasGlContext()) << sdl_->GlFailure();
    ASSERT_TRUE(game_->RunUntilState(STATE_DISCLAIMER));
  }

  // The picture the screen shows now.
  FrameImage Capture(const std::string& what) { return engine::testing::CapturePresented(*sdl_, what); }

  // One more 16 ms frame, so that the screen shows what the game last drew, and its picture.
  FrameImage CaptureNextFrame(const std::string& what) {
    game_->Frame(16);
    return Capture(what);
  }

  std::unique_ptr<Harness> game_;
  engine::SdlBackend* sdl_ = nullptr;
};

}  // namespace kestrine::scenario
