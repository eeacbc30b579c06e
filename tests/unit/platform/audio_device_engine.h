// An engine with an audio device that plays only when a test says so: headless in everything else, its sound
// streams (a movie's sound plays through one) are mixed by PlayAudio, as the device's thread would mix them.
#pragma once

#include <memory>
#include <vector>

#include "backend/headless/headless_backend.h"
#include "core/engine_internals.h"
#include "engine/engine.h"

namespace kestrine::testing {

class AudioDeviceBackend : public engine::HeadlessBackend {
 public:
  bool AdvancesSoundsByClock() const override { return false; }
};

inline engine::EngineRef<engine::EngineRoot> MakeEngineWithAudioDevice() {
  auto root = engine::MakeEngine<engine::EngineRoot>(std::make_unique<AudioDeviceBackend>());
  engine::CoreOf(*root).SetTraceToStderr(false);
  return root;
}

// Mixes ms of every stream of the engine at the device's rate; the left and right samples mixed.
inline std::vector<float> PlayAudio(engine::EngineRoot& root, int ms, int deviceRate = 8000) {
  const size_t frames = static_cast<size_t>(deviceRate) * static_cast<size_t>(ms) / 1000;
  std::vector<float> out(frames * 2, 0.0f);
  engine::CoreOf(root).ForEachStream([&](engine::EngineSoundStream& s) { s.MixInto(out.data(), frames, deviceRate); });
  return out;
}

}  // namespace kestrine::testing
