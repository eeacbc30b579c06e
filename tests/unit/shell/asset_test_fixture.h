// What the asset-loader, sound-table and explosion tests share: a headless engine with stage, camera and
// overlays as at start-up, run inside a scratch data folder the test fills with small sound and image files.
#pragma once

#include <string>

#include "scratch_tree.h"
#include "screen_2d_fixture.h"
#include "shell/asset_loader.h"
#include "shell/engine_setup.h"
#include "shell/explosion.h"
#include "shell/overlays.h"
#include "shell/screen_text.h"
#include "shell/sound_table.h"

namespace kestrine::testing {

class AssetTest : public Screen2dTest {
 protected:
  static std::string DebugLog() { return engine::CoreOf(*Engine().engineRoot).DebugLog(); }
  // Lets the engine's clock run, so playing sounds move on.
  static void Run(int ms) { Engine().engineRoot->Wait(ms); }

  ScratchTree tree_;
};

}  // namespace kestrine::testing
