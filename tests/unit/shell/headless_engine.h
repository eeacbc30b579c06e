// The start of every fixture that puts things on the stage: the program's start values and a fresh headless
// engine with its stage and camera in the game's globals; and letting them go again after the test.
#pragma once

#include "core/engine_internals.h"
#include "engine/engine.h"
#include "shell/engine_setup.h"
#include "shell/program_state.h"

namespace kestrine::testing {

inline void StartHeadlessEngine() {
  ResetProgramState();
  UseEngine(engine::CreateEngineRoot("headless"));
  engine::CoreOf(*Engine().engineRoot).SetTraceToStderr(false);
  const engine::EngineRef<engine::EngineStage> stage = Engine().engineRoot->CreateStage();
  UseEngine(Engine().engineRoot, stage, stage->GetCamera());
}

inline void StopHeadlessEngine() { ReleaseEngine(); }

}  // namespace kestrine::testing
