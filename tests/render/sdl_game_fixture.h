// The whole program on the SDL engine (offscreen driver, no sound card), and what it presented read back
// through the same PNG capture a script's "capture" writes.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "backend/sdl/sdl_backend.h"
#include "core/image_loader.h"
#include "render/sdl_fixture.h"
#include "scenario/harness.h"
#include "shell/globals.h"

namespace kestrine::scenario {

struct Rect {
  int x, y, width, height;
};

constexpr int kScreenTolerance = 2;

inline std::filesystem::path TempPng(const std::string& what) {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  return std::filesystem::temp_directory_path() /
         ("kestrine_" + std::string(info->name()) + "_" + what + "_" + std::to_string(getpid()) + ".png");
}

inline engine::EngineRef<engine::EngineBitmap> DecodeFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return engine::DecodeImage(bytes.str());
}

inline engine::EngineRef<engine::EngineBitmap> ReadPng(const std::filesystem::path& path) {
  auto image = DecodeFile(path);
  std::error_code ignored;
  std::filesystem::remove(path, ignored);
  return image;
}

// Of the pixels of colour `want` the game drew into `drawn` inside the rectangle: how many, and how many the
// screen shows in that colour at the same place.
struct Reproduction {
  int drawn = 0;
  int shown = 0;
};
inline Reproduction Reproduced(const engine::EngineRef<engine::EngineBitmap>& drawn,
                               const engine::EngineRef<engine::EngineBitmap>& frame, Rect r, engine::Color want) {
  Reproduction out;
  for (int y = r.y; y < r.y + r.height; ++y)
    for (int x = r.x; x < r.x + r.width; ++x) {
      if (!engine::testing::PixelNear(drawn, x, y, want)) continue;
      ++out.drawn;
      out.shown += engine::testing::PixelNear(frame, x, y, want, kScreenTolerance) ? 1 : 0;
    }
  return out;
}

class SdlGame : public ::testing::Test {
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

  // The frame on the screen now; after one more frame of the game unless told otherwise.
  engine::EngineRef<engine::EngineBitmap> Capture(const std::string& what, bool frameFirst = true) {
    if (frameFirst) game_->Frame(16);
    const std::filesystem::path path = TempPng(what);
    EXPECT_TRUE(sdl_->CaptureFrame(path.string()));
    auto frame = ReadPng(path);
    EXPECT_TRUE(frame) << "the capture is not a readable PNG";
    return frame;
  }

  std::unique_ptr<Harness> game_;
  engine::SdlBackend* sdl_ = nullptr;
};

}  // namespace kestrine::scenario
