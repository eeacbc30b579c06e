// What the asset-loader, sound-table and explosion tests share: a headless engine with stage, camera and
// overlays as at start-up, run inside a scratch data folder the test fills with small sound and image files.
#pragma once

#include <string>

#include "scratch_tree.h"
#include "screen_2d_fixture.h"
#include "shell/asset_loader.h"
#include "shell/explosion.h"
#include "shell/globals.h"
#include "shell/overlays.h"
#include "shell/screen_text.h"
#include "shell/sound_table.h"

namespace kestrine::testing {

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

class AssetTest : public Screen2dTest {
 protected:
  void SetUp() override {
    ResetSharedAssetState();
    Screen2dTest::SetUp();
  }

  void TearDown() override {
    ResetSharedAssetState();
    loadingScreenImage.Reset();
    Screen2dTest::TearDown();
  }

  static std::string DebugLog() { return engine::CoreOf(*engineRoot).DebugLog(); }
  // Lets the engine's clock run, so playing sounds move on.
  static void Run(int ms) { engineRoot->Wait(ms); }

  ScratchTree tree_;
};

}  // namespace kestrine::testing
