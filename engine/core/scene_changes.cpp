#include <atomic>

#include "engine/engine_changes.h"

namespace engine {

namespace {

// One count for the whole program: a change on any engine's scene makes every renderer look again, which
// costs one picture at most; missing a change would leave a stale one on the screen.
std::atomic<uint64_t> changes{1};

}  // namespace

void NoteSceneChange() { changes.fetch_add(1, std::memory_order_relaxed); }

uint64_t SceneChangeCount() { return changes.load(std::memory_order_relaxed); }

}  // namespace engine
