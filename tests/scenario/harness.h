// The whole program, in-process, for scenario tests.
//
// A Harness starts the game the way main does (StartProgram: the main window, the start-up checks, the
// engine set-up, state 0), but on the headless engine (or the SDL one, for render tests), with the game's generator
// seeded from the options, message boxes and started processes recorded instead of shown or run, and a fixed desktop.
// The test then plays: each input call queues one engine event and runs the program until nothing is left to do,
// exactly as the message loop would. On the headless engine time passes only by frames (and by the engine's own
// waits); the SDL engine also sends its own frames as real time passes.
//
//   Harness game;                                  // state 0, nothing shown yet
//   ASSERT_TRUE(game.RunUntilState(STATE_DISCLAIMER));  // 16 ms frames until the disclaimer
//   game.MoveTo(480, 440);                         // mouse code 2 at a position
//   game.Click(480, 440);                          // codes 6 then 7
//   game.Press(VK_F11);                            // key down, then up
//   EXPECT_EQ(States().gameState, ...);            // read the game's records
//   game.Close();                                  // WM_CLOSE: shut-down, quit, end (or when it goes)
//
// The game's state is read through its records' views (States(), Clock(), ScreenText(), ...). Every
// harness starts from the program's start values (ResetProgramState) with every screen registered
// (RegisterAllScreens), as main starts it, and lets go of everything the run held when it ends, so tests do
// not leak into each other.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "backend/headless/headless_backend.h"
#include "engine/engine.h"
#include "platform/message_box.h"
#include "shell/game_state.h"

namespace kestrine::scenario {

struct HarnessOptions {
  // The engine backend the program gets: "headless", or "sdl" for render tests on the offscreen driver.
  std::string engine = "headless";
  // The game's generator is seeded with this once start-up has seeded it from the time.
  uint32_t seed = 20020506;
  // Start-up conditions the engine is made to report (condition -> result); the rest as headless answers.
  std::map<int, int> conditions;
  // Play a machine without the engine: the control cannot be made.
  bool engineMissing = false;
  // Makes the engine instead of the backend named above (tests of engines that fail).
  std::function<engine::EngineRef<engine::EngineRoot>()> makeEngine;
  // The desktop the window covers.
  int desktopWidth = 1024;
  int desktopHeight = 768;
  // The program the desktop offers for web pages ("" for none). It is never run: started processes are
  // recorded (Launches()) instead.
  std::string webOpener = "/usr/bin/xdg-open";
  // Whether a started process (the browser) reports that it started.
  bool processesStart = true;
  // An input script the engine reads through KESTRINE_INPUT, as a scripted run of the program does.
  std::string inputScript;
  // Engine traces also on stderr (they are always kept in DebugLog()).
  bool traceToStderr = false;
};

class Harness {
 public:
  explicit Harness(const HarnessOptions& options = {});
  ~Harness();
  Harness(const Harness&) = delete;
  Harness& operator=(const Harness&) = delete;

  // ---- playing (each call runs the program until it has nothing left to do) ----
  void Frame(int ms);
  void Frames(int count, int ms);
  // Frames of ms until the game is in `state`; false if it is not after maxMs of frames.
  bool RunUntilState(int state, int ms = 16, int maxMs = 60000);
  void Mouse(int code, int x, int y);
  void MoveTo(int x, int y);
  // Left button down and up at one place.
  void Click(int x, int y);
  void Key(int virtualKey, bool down);
  // Down, then up.
  void Press(int virtualKey);
  // WM_CLOSE to the main window, as the exit buttons post it, then the program runs to its end.
  void Close();
  // Runs whatever is pending.
  void Pump();
  // Runs the program's own message loop (the one WinMain runs) until the quit message, and returns what
  // WinMain would. For scripted runs: the script's events are the only input.
  int RunToEnd();

  // ---- reading ----
  // The main window survived its creation (the start-up checks passed).
  bool Started() const { return started_; }
  // The quit message has not come yet.
  bool Running() const { return running_; }
  // Non-empty when start-up ended with an error no one caught (what main would report).
  const std::string& StartError() const { return startError_; }
  // The engine the program made; kept alive by the harness after the program released it.
  engine::EngineRoot& Root();
  // Only for a headless engine.
  engine::HeadlessBackend& Backend();
  std::string DebugLog() const;
  // The states the program traced ("game state <n>"), in order.
  std::vector<int> TracedStates() const;
  const std::vector<MessageBoxRecord>& MessageBoxes() const { return boxes_; }
  // Processes the program started: application ("" for none) and command line.
  const std::vector<std::pair<std::string, std::string>>& Launches() const { return launches_; }

 private:
  // Queues one event on whichever backend the program runs, then runs the program.
  void Inject(const engine::RawEvent& event);
  void Finish();
  bool started_ = false;
  bool running_ = false;
  std::string startError_;
  engine::EngineRef<engine::EngineRoot> root_;
  std::vector<MessageBoxRecord> boxes_;
  std::vector<std::pair<std::string, std::string>> launches_;
};

// A test of the program from the disclaimer on, its menu images and overlays made.
class AtTheDisclaimer : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(game.RunUntilState(STATE_DISCLAIMER)); }
  Harness game;
};

// Pixels of exactly colour (r, g, b) inside the rectangle (clipped to the image).
int CountPixels(const engine::EngineRef<engine::EngineBitmap>& image, int x, int y, int width, int height, int r, int g,
                int b);
// Pixels that differ from colour (r, g, b) inside the rectangle (clipped to the image).
int CountPixelsNot(const engine::EngineRef<engine::EngineBitmap>& image, int x, int y, int width, int height, int r,
                   int g, int b);

}  // namespace kestrine::scenario
