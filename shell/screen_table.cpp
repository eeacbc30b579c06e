#include "shell/screen_table.h"

#include <array>
#include <optional>
#include <string>

#include "shell/engine_setup.h"
#include "shell/program_state.h"

namespace kestrine {

namespace {

constexpr int32_t kStateCount = 32;

// What the subsystems registered at start-up. It is the program's make-up rather than its state, so a
// reset of the program leaves it alone.
std::array<std::optional<Screen>, kStateCount>& Table() {
  static std::array<std::optional<Screen>, kStateCount> table;
  return table;
}

// Which unbuilt states have been reported already in this run.
struct ScreenTraceState {
  bool notBuiltTraced[kStateCount] = {};
};
ScreenTraceState screenTraceState;
KESTRINE_PROGRAM_STATE(screenTraceState);

}  // namespace

void RegisterScreen(int32_t state, const Screen& screen) {
  if (state < 0 || state >= kStateCount) return;
  Table()[state] = screen;
}

const Screen* FindScreen(int32_t state) {
  if (state < 0 || state >= kStateCount || !Table()[state]) return nullptr;
  return &*Table()[state];
}

void ClearScreenTable() { Table().fill(std::nullopt); }

const Screen* ScreenToRun(int32_t state) {
  const Screen* screen = FindScreen(state);
  if (screen || state < 0 || state >= kStateCount) return screen;
  if (!screenTraceState.notBuiltTraced[state]) {
    screenTraceState.notBuiltTraced[state] = true;
    if (Engine().engineRoot) Engine().engineRoot->DebugPrint("screen " + std::to_string(state) + " not built");
  }
  return nullptr;
}

void ReleaseScreens(std::initializer_list<int32_t> states) {
  for (const int32_t state : states) {
    const Screen* screen = FindScreen(state);
    if (screen && screen->release) screen->release();
  }
}

}  // namespace kestrine
