// The start of every fixture that puts things on the stage: the program's start values and a fresh headless
// engine with its stage and camera in the game's globals; and letting them go again after the test.
#pragma once

#include "core/engine_internals.h"
#include "engine/engine.h"
#include "shell/globals.h"
#include "shell/program_state.h"

namespace kestrine::testing {

inline void StartHeadlessEngine() {
  ResetProgramState();
  engineRoot = engine::CreateEngineRoot("headless");
  engine::CoreOf(*engineRoot).SetTraceToStderr(false);
  engineStage = engineRoot->CreateStage();
  engineCamera = engineStage->GetCamera();
}

inline void StopHeadlessEngine() {
  engineCamera.Reset();
  engineStage.Reset();
  engineRoot.Reset();
}

}  // namespace kestrine::testing
