#include "harness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>

#include "core/engine_internals.h"
#include "engine/engine.h"
#include "platform/control_host.h"
#include "platform/desktop.h"
#include "platform/message_queue.h"
#include "platform/process.h"
#include "platform/registry.h"
#include "platform/window.h"
#include "program/register_screens.h"
#include "shell/game_state.h"
#include "shell/program_state.h"
#include "shell/random.h"
#include "shell/winmain.h"

namespace kestrine::scenario {

Harness::Harness(const HarnessOptions& options) {
  setenv("KESTRINE_ENGINE", options.engine.c_str(), 1);
  unsetenv("KESTRINE_INPUT");
  // What a fresh start of the program sees, and its screens as main registers them.
  ResetProgramState();
  RegisterAllScreens();
  ClearMessageQueue();
  ResetWindows();
  SetForeignWindowProvider(nullptr);
  SetDesktopSizeOverride(DesktopSize{options.desktopWidth, options.desktopHeight});
  SetDesktopWebOpenerOverride(options.webOpener);
  SetMessageBoxRecorder([this](const MessageBoxRecord& box) { boxes_.push_back(box); });
  const bool processesStart = options.processesStart;
  SetProcessLauncherOverride([this, processesStart](const std::string& app, const std::string& line) {
    launches_.emplace_back(app, line);
    return processesStart;
  });
  SetControlFactory([this, options]() -> engine::EngineRef<engine::EngineRoot> {
    if (options.engineMissing) return nullptr;
    struct ScriptVariable {
      explicit ScriptVariable(const std::string& file) {
        if (!file.empty()) setenv("KESTRINE_INPUT", file.c_str(), 1);
      }
      ~ScriptVariable() { unsetenv("KESTRINE_INPUT"); }
    } script(options.inputScript);
    root_ = options.makeEngine ? options.makeEngine() : engine::CreateEngineRoot(options.engine);
    if (!root_) return nullptr;
    engine::CoreOf(*root_).SetTraceToStderr(options.traceToStderr);
    if (engine::HeadlessBackend* backend = engine::HeadlessBackendOf(*root_)) {
      for (const auto& [condition, result] : options.conditions) backend->SetConditionResult(condition, result);
    }
    return root_;
  });

  try {
    started_ = StartProgram(nullptr, nullptr, 10);
    srand(options.seed);
    running_ = true;
    Pump();
  } catch (const std::exception& e) {
    startError_ = e.what();
    running_ = false;
    Finish();
  }
}

Harness::~Harness() {
  if (running_) {
    try {
      Close();
    } catch (const std::exception& e) {
      // The program is torn down below regardless; a test that lets its harness close the program still fails.
      ADD_FAILURE() << "the program failed to close: " << e.what();
    }
  }
  Finish();
  // Nothing of this run is held past it (the engine, its pictures and sounds, the patients).
  ResetProgramState();
  SetControlFactory(nullptr);
  SetMessageBoxRecorder(nullptr);
  SetProcessLauncherOverride(nullptr);
  SetDesktopWebOpenerOverride(std::nullopt);
  SetDesktopSizeOverride(std::nullopt);
  SetForeignWindowProvider(DefaultForeignWindowProvider());
}

void Harness::Finish() {
  // Whatever an error left behind (a window still open, a control still hosted) goes without messages.
  ResetWindows();
  EndProgram();
  SetMessageSource(nullptr);
}

void Harness::Pump() {
  if (running_ && !PumpAvailableMessages()) running_ = false;
}

void Harness::Inject(const engine::RawEvent& event) {
  if (!running_) return;
  engine::BackendOf(Root()).Enqueue(event);
  Pump();
}

void Harness::Frame(int ms) {
  engine::RawEvent event;
  event.id = engine::kEventFrame;
  event.frameTime = ms;
  Inject(event);
}

void Harness::Frames(int count, int ms) {
  for (int i = 0; i < count && running_; ++i) Frame(ms);
}

bool Harness::RunUntilState(int state, int ms, int maxMs) {
  for (int passed = 0; running_ && States().gameState != state && passed < maxMs; passed += ms) Frame(ms);
  return States().gameState == state;
}

void Harness::Mouse(int code, int x, int y) {
  engine::RawEvent event;
  event.id = engine::kEventMouse;
  event.button = code;
  event.mouseX = x;
  event.mouseY = y;
  Inject(event);
}

void Harness::MoveTo(int x, int y) { Mouse(engine::kMouseMove, x, y); }

void Harness::Click(int x, int y) {
  Mouse(engine::kMouseLeftDown, x, y);
  Mouse(engine::kMouseLeftUp, x, y);
}

void Harness::Key(int virtualKey, bool down) {
  engine::RawEvent event;
  event.id = engine::kEventKey;
  event.keyCode = virtualKey;
  event.keyDown = down ? 1 : 0;
  Inject(event);
}

void Harness::Press(int virtualKey) {
  Key(virtualKey, true);
  Key(virtualKey, false);
}

void Harness::Close() {
  if (!running_) return;
  PostMessage(Handles().mainWindowHandle, WM_CLOSE, 0, 0);
  Pump();
}

int Harness::RunToEnd() {
  if (running_) {
    MSG msg;
    while (GetMessage(&msg, 0, 0, 0) > 0) DispatchMessage(&msg);
    running_ = false;
  }
  return started_ ? 0 : 1;
}

engine::EngineRoot& Harness::Root() {
  if (!root_) throw std::logic_error("the harness made no engine (engine missing)");
  return *root_;
}

engine::HeadlessBackend& Harness::Backend() {
  engine::HeadlessBackend* backend = engine::HeadlessBackendOf(Root());
  if (!backend) throw std::logic_error("the harness's engine is not headless");
  return *backend;
}

std::string Harness::DebugLog() const { return root_ ? engine::CoreOf(*root_).DebugLog() : std::string(); }

std::vector<int> Harness::TracedStates() const {
  std::vector<int> states;
  std::istringstream log(DebugLog());
  std::string line;
  const std::string prefix = "game state ";
  while (std::getline(log, line)) {
    if (line.rfind(prefix, 0) != 0) continue;
    const std::string rest = line.substr(prefix.size());
    if (rest.find("refused") != std::string::npos) continue;
    states.push_back(std::atoi(rest.c_str()));
  }
  return states;
}

namespace {

int Count(const engine::EngineRef<engine::EngineBitmap>& image, int x, int y, int width, int height, int r, int g,
          int b, bool equal) {
  if (!image) return 0;
  const engine::Color want = engine::EngineBitmap::MakeColor(r, g, b);
  int n = 0;
  for (int py = std::max(0, y); py < std::min(image->GetHeight(), y + height); ++py)
    for (int px = std::max(0, x); px < std::min(image->GetWidth(), x + width); ++px) {
      const engine::Color c = image->PixelColor(px, py);
      const bool same = c.r == want.r && c.g == want.g && c.b == want.b;
      if (same == equal) ++n;
    }
  return n;
}

}  // namespace

int CountPixels(const engine::EngineRef<engine::EngineBitmap>& image, int x, int y, int width, int height, int r, int g,
                int b) {
  return Count(image, x, y, width, height, r, g, b, true);
}

int CountPixelsNot(const engine::EngineRef<engine::EngineBitmap>& image, int x, int y, int width, int height, int r,
                   int g, int b) {
  return Count(image, x, y, width, height, r, g, b, false);
}

}  // namespace kestrine::scenario
