// The backends the engine can run on.
#pragma once

#include <memory>

#include "core/backend.h"

namespace engine {

std::unique_ptr<EngineBackend> MakeHeadlessBackend();
// A headless backend that sends frames on its own, as fast as they are taken, for at most limitMs of virtual
// time: the program started headless with nobody to drive it.
std::unique_ptr<EngineBackend> MakeUnattendedHeadlessBackend(int64_t limitMs);
// Null when the program was built without SDL.
std::unique_ptr<EngineBackend> MakeSdlBackend();

}  // namespace engine
