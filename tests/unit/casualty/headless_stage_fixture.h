// A fresh headless engine with its stage, camera and overlays, and a scratch data folder, for the tests of
// what the patient puts on the stage; everything is released and reset again after each test.
#pragma once

#include <gtest/gtest.h>

#include "core/engine_internals.h"
#include "shell/overlays.h"
#include "shell/program_state.h"
#include "shell/screen_text.h"
#include "unit/shell/headless_engine.h"
#include "unit/shell/scratch_tree.h"

namespace kestrine {

class HeadlessStageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::StartHeadlessEngine();
    // The loading bar advances on them.
    CreateTextOverlay();
    CreateOverlays();
  }
  void TearDown() override {
    ResetProgramState();
    ReleaseOverlays();
    testing::StopHeadlessEngine();
  }

  testing::ScratchTree tree_;
};

}  // namespace kestrine
