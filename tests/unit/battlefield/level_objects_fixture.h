// What the level-object tests share: a headless engine with its stage and camera, the fourteen level
// textures (the tree pictures are 128 x 128, the conifer's 120 x 90, so the billboards' sizes can be told
// apart), every battlefield record at its start values, and a scratch working folder for written layouts.
// Models are not on disk here: each load gives the engine's placeholder, which is all these rules need.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "battlefield/level_objects.h"
#include "core/engine_internals.h"
#include "engine/engine.h"
#include "shell/asset_loader.h"
#include "shell/engine_setup.h"
#include "shell/program_state.h"
#include "unit/shell/headless_engine.h"
#include "unit/shell/scratch_tree.h"

namespace kestrine::testing {

class LevelObjectTest : public ::testing::Test {
 protected:
  void SetUp() override {
    StartHeadlessEngine();
    for (int slot = 0; slot < 14; ++slot)
      UseLevelTexture(
          slot, slot == 3 ? Engine().engineRoot->CreateBitmap(120, 90) : Engine().engineRoot->CreateBitmap(128, 128));
  }

  void TearDown() override {
    DestroyLevelObjects();
    for (OverheadObject& o : records_) o.Destroy();
    for (int slot = 0; slot < kLevelTextureCount; ++slot) UseLevelTexture(slot, {});
    ResetProgramState();
    StopHeadlessEngine();
  }

  // Objects of the tests of the object itself, outside the level's records.
  OverheadObject records_[kLevelObjectCapacity];

  static bool OnStage(const OverheadObject& o) { return o.group && Engine().engineStage->Contains(o.group.Get()); }

  static std::string ReadFile(const std::filesystem::path& path) { return ReadWholeFile(path); }

  ScratchTree scratch_;
};

}  // namespace kestrine::testing
