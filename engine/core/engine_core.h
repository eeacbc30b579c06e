// The engine's shared state behind EngineRoot: backend, clock, asset paths, fonts, sounds, traces.
#pragma once

#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "core/backend.h"
#include "core/path_resolver.h"
#include "core/scene_registry.h"
#include "engine/engine_sound.h"

namespace engine {

class EngineCore {
 public:
  explicit EngineCore(std::unique_ptr<EngineBackend> backend);
  ~EngineCore();

  EngineBackend& Backend() { return *backend_; }
  PathResolver& Paths() { return paths_; }
  // Animated models, collidable objects and the model files read (core/scene_registry.h).
  SceneRegistry& Scene() { return scene_; }

  // Time passed (frame events, waits): animations advance with it, and sounds when the backend plays none
  // itself.
  void AdvanceClock(int64_t ms);

  // Sounds register themselves so the clock (or the mixer) can find the playing ones.
  void RegisterSound(EngineSound* s);
  void UnregisterSound(EngineSound* s);
  // Calls f on every registered sound, under the registry's lock (the mixer uses this).
  template <class F>
  void ForEachSound(F&& f) {
    std::lock_guard<std::mutex> lock(soundsMutex_);
    for (EngineSound* s : sounds_) f(*s);
  }

  // Sound streams likewise, for the mixer; under the same lock as the sounds.
  void RegisterStream(EngineSoundStream* s);
  void UnregisterStream(EngineSoundStream* s);
  template <class F>
  void ForEachStream(F&& f) {
    std::lock_guard<std::mutex> lock(soundsMutex_);
    for (EngineSoundStream* s : streams_) f(*s);
  }

  // Developer trace: stderr and a buffer tests read; with toStderr false, the buffer only. The buffer keeps
  // only the latest whole lines (never more than twice kDebugLogKeptBytes, at least that much once it has
  // filled), so a game left running for days does not grow with its traces.
  static constexpr size_t kDebugLogKeptBytes = size_t{1} << 20;
  void Trace(const std::string& text, bool toStderr = true);
  std::string DebugLog() const;
  void ClearDebugLog();
  // "missing asset: <path>" once per path.
  void TraceMissingAsset(const std::string& path);
  // "unreadable <kind>: <path> (<why>)", for a file that is there but cannot be used.
  void TraceUnreadableAsset(const std::string& kind, const std::string& path, const std::string& why);
  // Every asset traced missing or unreadable so far, once each, in the order they were met: what the host
  // tells the player when the data tree turns out to be damaged.
  std::vector<std::string> DamagedAssets() const;
  // A file the host reads itself (a movie) that is missing or damaged joins the same list.
  void NoteDamagedAsset(const std::string& path);
  // Whether traces also go to stderr (tests turn this off to keep their output short).
  void SetTraceToStderr(bool on) { traceToStderr_ = on; }

 private:
  std::unique_ptr<EngineBackend> backend_;
  PathResolver paths_;
  SceneRegistry scene_;
  std::mutex soundsMutex_;
  std::vector<EngineSound*> sounds_;
  std::vector<EngineSoundStream*> streams_;
  mutable std::mutex logMutex_;
  std::string log_;
  std::set<std::string> missingReported_;
  std::vector<std::string> damaged_;
  std::set<std::string> damagedSet_;
  bool traceToStderr_ = true;
};

// Converts between the game's wide strings and UTF-8 file paths / traces.
std::string ToUtf8(const std::wstring& w);
std::wstring FromUtf8(const std::string& s);

}  // namespace engine
