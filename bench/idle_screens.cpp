// What a game that waits for the player costs: the whole program on the SDL backend (run it on a display,
// or under Xvfb with scripts/measure-idle), left alone on the disclaimer, then on the backpack screen with
// the pointer still, then in the battle it starts, for IDLE_SECONDS seconds each (20 unless the environment
// says otherwise).
// Each reports the processor time the process used as a share of one core ("cpu_percent"), the frame
// events the game handled and the pictures the renderer actually drew in that time, and the memory of the
// process ("vm_hwm_mb" its peak, shared libraries included; "rss_anon_mb" its private memory now).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "backend/sdl/sdl_backend.h"
#include "casualty/backpack.h"
#include "frame_timing.h"
#include "platform/message_box.h"
#include "platform/message_queue.h"
#include "program/register_screens.h"
#include "shell/engine_setup.h"
#include "shell/game_state.h"
#include "shell/overlays.h"
#include "shell/screen_text.h"
#include "shell/winmain.h"

namespace {

using namespace kestrine;
using Clock = std::chrono::steady_clock;

double ProcessSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

double IdleSeconds() {
  const char* v = std::getenv("IDLE_SECONDS");
  const double s = v ? std::atof(v) : 0.0;
  return s > 0 ? s : 20.0;
}

// Runs the program as its message loop would, for as long as asked; false once it has ended.
bool RunFor(double seconds) {
  const Clock::time_point end =
      Clock::now() + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
  MSG msg;
  for (Clock::time_point now = Clock::now(); now < end; now = Clock::now()) {
    while (PeekMessage(&msg, 0, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) return false;
      DispatchMessage(&msg);
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - now).count();
    PumpMessageSource(static_cast<int>(std::max<int64_t>(1, left)));
  }
  return true;
}

// The program, started once and taken past its logos to the disclaimer in real time.
bool Started(benchmark::State& state) {
  static int started = -1;
  if (started < 0) {
    RegisterAllScreens();
    started = StartProgram(nullptr, nullptr, 10) ? 1 : 0;
    for (int i = 0; started && i < 600 && States().gameState != STATE_DISCLAIMER; ++i) started = RunFor(0.1) ? 1 : 0;
    if (States().gameState != STATE_DISCLAIMER) started = 0;
  }
  if (!started) state.SkipWithError("the program did not reach the disclaimer (is there a display?)");
  if (started && !engine::SdlBackendOf(*Engine().engineRoot)) {
    state.SkipWithError("the program is not on the SDL engine (KESTRINE_ENGINE)");
    return false;
  }
  return started == 1;
}

void MeasureIdle(benchmark::State& state) {
  engine::SdlBackend& backend = *engine::SdlBackendOf(*Engine().engineRoot);
  // Let the screen settle: its first pictures are drawn, whatever is loaded comes in.
  RunFor(1.0);
  const int framesBefore = backend.FrameEvents();
  const int drawnBefore = backend.DrawnFrames();
  double cpu = 0, wall = 0;
  for (auto _ : state) {
    const double cpu0 = ProcessSeconds();
    const Clock::time_point wall0 = Clock::now();
    RunFor(IdleSeconds());
    cpu = ProcessSeconds() - cpu0;
    wall = std::chrono::duration<double>(Clock::now() - wall0).count();
    state.SetIterationTime(wall);
  }
  state.counters["cpu_percent"] = wall > 0 ? 100.0 * cpu / wall : 0.0;
  state.counters["frame_events"] = backend.FrameEvents() - framesBefore;
  state.counters["frames_drawn"] = backend.DrawnFrames() - drawnBefore;
  kestrine::bench::CountMemory(state);
}

void BM_IdleDisclaimer(benchmark::State& state) {
  if (!Started(state)) return;
  MeasureIdle(state);
}
BENCHMARK(BM_IdleDisclaimer)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

// Other screens a player may leave open, each entered as its menu button enters it (the game state as the
// argument): the main menu, the options, the medic's choice and the briefing.
void BM_IdleScreen(benchmark::State& state) {
  if (!Started(state)) return;
  SetGameState(static_cast<int32_t>(state.range(0)));
  MeasureIdle(state);
}
BENCHMARK(BM_IdleScreen)
    ->Arg(STATE_MAIN_MENU)
    ->Arg(STATE_OPTIONS)
    ->Arg(STATE_PLAYER_SELECT)
    ->Arg(STATE_BRIEFING)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);

void BM_IdleBackpackScreen(benchmark::State& state) {
  if (!Started(state)) return;
  // As the briefing's LOAD BACKPACK enters it; the pointer stays wherever it is.
  ResetBackpack();
  SetGameState(STATE_BACKPACK);
  MeasureIdle(state);
}
BENCHMARK(BM_IdleBackpackScreen)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

// The mission the backpack screen's START MISSION opens, left to run with the pointer still: what a battle
// costs, and the memory the game holds in it.
void BM_Battle(benchmark::State& state) {
  if (!Started(state)) return;
  if (States().gameState != STATE_BACKPACK) {
    ResetBackpack();
    SetGameState(STATE_BACKPACK);
    RunFor(1.0);
  }
  ClearTextOverlay();
  ClearMenuCanvas();
  SetGameState(STATE_START_MISSION);
  for (int i = 0; i < 600 && States().gameState != STATE_OVERHEAD; ++i)
    if (!RunFor(0.1)) break;
  if (States().gameState != STATE_OVERHEAD) {
    state.SkipWithError("the mission did not start");
    return;
  }
  MeasureIdle(state);
}
BENCHMARK(BM_Battle)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

}  // namespace

int main(int argc, char** argv) {
  // The game reads its data by relative paths, from the data tree of the build.
  if (chdir(KESTRINE_DATA_DIR) != 0) {
    std::fprintf(stderr, "idle_screens: no data tree at %s (build game_data first)\n", KESTRINE_DATA_DIR);
    return 1;
  }
  // Nobody is there to answer a box (Xvfb's software renderer makes the game warn at start): it is told on
  // stderr and the measurement goes on.
  SetMessageBoxRecorder([](const MessageBoxRecord& box) {
    std::fprintf(stderr, "idle_screens: box [%s] %s\n", box.caption.c_str(), box.text.c_str());
  });
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
