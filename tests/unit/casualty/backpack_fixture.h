// What the backpack tests share: a fresh program state (an empty pack with the base limits, the list order as
// the table), a headless engine for the medic's remarks, and a scratch data folder for the sound files.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "casualty/backpack.h"
#include "core/engine_internals.h"
#include "engine/engine.h"
#include "shell/engine_setup.h"
#include "shell/program_state.h"
#include "shell/random.h"
#include "shell/sound_table.h"
#include "unit/shell/scratch_tree.h"

namespace kestrine::testing {

class BackpackTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetProgramState();
    UseEngine(engine::CreateEngineRoot("headless"));
    engine::CoreOf(*Engine().engineRoot).SetTraceToStderr(false);
    kestrine::srand(1);
  }
  void TearDown() override { ResetProgramState(); }

  // The four "no fit" remarks, each `ms` long.
  void UseNoFitClips(int ms) {
    for (int n = 1; n <= 4; ++n) tree_.WriteWav("sounds/speech/NoFit" + std::to_string(n) + ".qwv", ms);
  }

  // Changes the pack as restoring a save does: a copy of it, changed, put back.
  template <typename Change>
  static void ChangePack(Change change) {
    Backpack pack = Pack();
    change(pack);
    RestoreBackpack(pack);
  }

  // Each row appears exactly once in the list order.
  static bool ListOrderIsAPermutation() {
    bool seen[kToolCount] = {};
    for (int row : PackState().backpackListOrder) {
      if (!IsToolRow(row) || seen[row]) return false;
      seen[row] = true;
    }
    return true;
  }

  ScratchTree tree_;
};

}  // namespace kestrine::testing
