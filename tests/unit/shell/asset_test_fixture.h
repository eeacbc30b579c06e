// What the asset-loader, sound-table and explosion tests share: a headless engine with stage, camera and
// overlays as at start-up, run inside a scratch data folder the test fills with small sound and image files.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/engine_core.h"
#include "engine/engine.h"
#include "shell/asset_loader.h"
#include "shell/explosion.h"
#include "shell/globals.h"
#include "shell/overlays.h"
#include "shell/screen_text.h"
#include "shell/sound_table.h"

namespace kestrine::testing {

// A scratch data folder that is the working directory while it lives.
class ScratchTree {
 public:
  ScratchTree() {
    char pattern[] = "/tmp/kestrine-assets-XXXXXX";
    root_ = mkdtemp(pattern);
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(root_);
  }
  ~ScratchTree() {
    std::error_code ec;
    std::filesystem::current_path(previous_, ec);
    std::filesystem::remove_all(root_, ec);
  }
  ScratchTree(const ScratchTree&) = delete;
  ScratchTree& operator=(const ScratchTree&) = delete;

  std::filesystem::path PathOf(std::string gamePath) const {
    for (char& c : gamePath)
      if (c == '\\') c = '/';
    return root_ / gamePath;
  }

  void WriteBytes(const std::string& gamePath, const std::string& bytes) const {
    const auto path = PathOf(gamePath);
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
  }

  // A 16-bit mono sound of the given number of frames: its length tells the tests which file was loaded.
  void WriteWav(const std::string& gamePath, uint32_t frames, uint32_t rate = 1000) const {
    std::string s = "RIFF";
    auto le32 = [&s](uint32_t v) {
      for (int i = 0; i < 4; ++i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    auto le16 = [&s](uint16_t v) {
      s += static_cast<char>(v & 0xFF);
      s += static_cast<char>(v >> 8);
    };
    le32(36 + frames * 2);
    s += "WAVEfmt ";
    le32(16);
    le16(1);
    le16(1);
    le32(rate);
    le32(rate * 2);
    le16(2);
    le16(16);
    s += "data";
    le32(frames * 2);
    for (uint32_t i = 0; i < frames; ++i) le16(static_cast<uint16_t>((i % 50) * 300));
    WriteBytes(gamePath, s);
  }

  // A 24-bit BMP of one colour.
  void WriteBmp(const std::string& gamePath, int width, int height, int r, int g, int b) const {
    const int rowBytes = (width * 3 + 3) / 4 * 4;
    const uint32_t dataBytes = static_cast<uint32_t>(rowBytes * height);
    std::string s = "BM";
    auto le32 = [&s](uint32_t v) {
      for (int i = 0; i < 4; ++i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    auto le16 = [&s](uint16_t v) {
      s += static_cast<char>(v & 0xFF);
      s += static_cast<char>(v >> 8);
    };
    le32(54 + dataBytes);
    le32(0);
    le32(54);
    le32(40);
    le32(static_cast<uint32_t>(width));
    le32(static_cast<uint32_t>(height));
    le16(1);
    le16(24);
    le32(0);
    le32(dataBytes);
    le32(2835);
    le32(2835);
    le32(0);
    le32(0);
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        s += static_cast<char>(b);
        s += static_cast<char>(g);
        s += static_cast<char>(r);
      }
      s.append(static_cast<size_t>(rowBytes - width * 3), '\0');
    }
    WriteBytes(gamePath, s);
  }

 private:
  std::filesystem::path root_;
  std::filesystem::path previous_;
};

// Puts every shared setting back to its start-up value, so no test sees another's leftovers.
inline void ResetSharedAssetState() {
  ReleaseAssets();
  ReleaseNoFitSound();
  sharedAssetsLoaded = 0;
  loadingProgress = 0.0;
  loadingStep = 0.0;
  loadingStepDivisor = 80;
  effectsVolume = 127;
  musicVolume = 127;
  overheadEffectsOffset = 20;
  overheadMusicOffset = 20;
  replayingSave = 0;
  gameState = STATE_LOGOS;
  previousGameState = STATE_LOGOS;
  missionNumber = 1;
  missionEndFlag = 0;
  explosionFrameIndex = 0;
}

class AssetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetSharedAssetState();
    engineRoot = engine::CreateEngineRoot("headless");
    engineRoot->Core().SetTraceToStderr(false);
    engineStage = engineRoot->CreateStage();
    engineCamera = engineStage->GetCamera();
    screenWidth = 640;
    screenHeight = 480;
    CreateTextOverlay();
  }

  void TearDown() override {
    ResetSharedAssetState();
    loadingScreenImage.Reset();
    ReleaseOverlays();
    engineCamera.Reset();
    engineStage.Reset();
    engineRoot.Reset();
  }

  static std::string DebugLog() { return engineRoot->Core().DebugLog(); }
  // Lets the engine's clock run, so playing sounds move on.
  static void Run(int ms) { engineRoot->Wait(ms); }

  ScratchTree tree_;
};

}  // namespace kestrine::testing
