// The backends the engine can run on.
#pragma once

#include <memory>

#include "core/backend.h"

namespace engine {

std::unique_ptr<EngineBackend> MakeHeadlessBackend();
// Null when the program was built without SDL.
std::unique_ptr<EngineBackend> MakeSdlBackend();

}  // namespace engine
