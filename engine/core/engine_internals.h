// The inside of an engine root, for tests, benchmarks and tools only (the internal build target): its core
// (traces, paths, sounds, scene registry) and its backend. The game sees none of this.
#pragma once

#include "core/backend.h"
#include "core/engine_core.h"
#include "engine/engine_root.h"

namespace engine {

class EngineInternals {
 public:
  static EngineCore& Core(EngineRoot& root) { return *root.core_; }
};

inline EngineCore& CoreOf(EngineRoot& root) { return EngineInternals::Core(root); }
inline EngineBackend& BackendOf(EngineRoot& root) { return EngineInternals::Core(root).Backend(); }

}  // namespace engine
