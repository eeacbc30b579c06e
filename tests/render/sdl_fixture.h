// A real engine on the SDL backend (offscreen driver, llvmpipe) with a stage, and the pixels of what it
// presented, read back through the same PNG capture tools use.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "backend/sdl/sdl_backend.h"
#include "core/engine_internals.h"
#include "core/image_loader.h"
#include "engine/engine.h"

namespace engine::testing {

inline std::string ReadAll(const std::filesystem::path& path) {
  std::string bytes;
  if (FILE* f = std::fopen(path.string().c_str(), "rb")) {
    char buffer[65536];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes.append(buffer, n);
    std::fclose(f);
  }
  return bytes;
}

// A file in the temporary folder named after the running test and what it holds.
inline std::filesystem::path TempPng(const std::string& what) {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  return std::filesystem::temp_directory_path() / ("kestrine_" + std::string(info->test_suite_name()) + "_" +
                                                   info->name() + "_" + what + "_" + std::to_string(getpid()) + ".png");
}

// The picture the backend presented last, read back from its PNG capture. KESTRINE_KEEP_CAPTURES keeps the
// capture's file for a look at it.
inline EngineRef<EngineBitmap> CapturePresented(SdlBackend& backend, const std::string& what) {
  const std::filesystem::path path = TempPng(what);
  EXPECT_TRUE(backend.CaptureFrame(path.string()));
  auto image = DecodeImage(ReadAll(path));
  if (std::getenv("KESTRINE_KEEP_CAPTURES") == nullptr) {
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
  }
  EXPECT_TRUE(image) << "the capture is not a readable PNG";
  return image;
}

class SdlFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    // No display and no sound card needed, whoever runs the tests (a variable already set is kept).
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    root_ = CreateEngineRoot("sdl");
    engine::CoreOf(*root_).SetTraceToStderr(false);
    backend_ = SdlBackendOf(*root_);
    ASSERT_NE(backend_, nullptr);
    ASSERT_TRUE(backend_->HasGlContext()) << backend_->GlFailure();
    root_->SetDisplayMode(640, 480, 16);
    stage_ = root_->CreateStage();
    camera_ = stage_->GetCamera();
  }

  void TearDown() override {
    camera_.Reset();
    stage_.Reset();
    root_.Reset();
  }

  // Renders the stage and reads the presented frame back from its PNG capture.
  EngineRef<EngineBitmap> Capture() {
    root_->Render();
    return CaptureLast();
  }

  EngineRef<EngineBitmap> CaptureLast() { return CapturePresented(*backend_, "frame"); }

  // A plane of the given front and back colours, facing the camera (which looks along +z from the
  // origin) at distance z.
  EngineRef<EngineNode> AddFacingPlane(float size, float z, Color front, Color back = {0, 0, 255}) {
    auto mesh = root_->CreatePlane(size, size, 0, 0, 0, 1);
    mesh->SetFaceColor(L"front", front.r, front.g, front.b);
    mesh->SetFaceColor(L"back", back.r, back.g, back.b);
    auto object = root_->CreateObject();
    object->AttachShape(mesh);
    object->SetPosition(0, 0, z);
    object->SetRotation(0, 1, 0, 180);  // its front towards the camera
    stage_->AddObject(object);
    return object;
  }

  EngineRef<EngineRoot> root_;
  SdlBackend* backend_ = nullptr;
  EngineRef<EngineStage> stage_;
  EngineRef<EngineCamera> camera_;
};

// Compares a pixel with a colour, each channel within tolerance (lighting rounds differently on GPUs).
inline ::testing::AssertionResult PixelNear(const EngineRef<EngineBitmap>& image, int x, int y, Color want,
                                            int tolerance = 0) {
  if (!image) return ::testing::AssertionFailure() << "no image";
  const Color got = image->PixelColor(x, y);
  if (std::abs(got.r - want.r) <= tolerance && std::abs(got.g - want.g) <= tolerance &&
      std::abs(got.b - want.b) <= tolerance)
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is (" << int(got.r) << ", " << int(got.g)
                                       << ", " << int(got.b) << "), expected (" << int(want.r) << ", " << int(want.g)
                                       << ", " << int(want.b) << ")";
}

struct Rect {
  int x, y, width, height;
};

// Pixels of the rectangle within tolerance of the colour on every channel.
inline int CountNear(const EngineRef<EngineBitmap>& frame, Rect r, Color want, int tolerance) {
  int n = 0;
  for (int y = r.y; y < r.y + r.height; ++y)
    for (int x = r.x; x < r.x + r.width; ++x) n += PixelNear(frame, x, y, want, tolerance) ? 1 : 0;
  return n;
}

// Pixels of the rectangle that are not the black of an empty stage.
inline int Lit(const EngineRef<EngineBitmap>& frame, Rect r) {
  int lit = 0;
  for (int y = r.y; y < r.y + r.height; ++y)
    for (int x = r.x; x < r.x + r.width; ++x) {
      const Color c = frame->PixelColor(x, y);
      lit += c.r + c.g + c.b > 30 ? 1 : 0;
    }
  return lit;
}

}  // namespace engine::testing
