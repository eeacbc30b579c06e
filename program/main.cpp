// The program's entry (or a message box of its own, when it started itself as one): makes sure there is data
// and a display, registers every subsystem's screens, hands over to WinMain, and turns a failed engine call
// into a clear message and a non-zero exit status instead of an abort.
#include <cstdio>
#include <exception>

#include "engine/engine.h"
#include "platform/message_box_process.h"
#include "program/register_screens.h"
#include "shell/start_environment.h"
#include "shell/winmain.h"

int main(int argc, char** argv) {
  // The game started again to show a message box is only that box.
  if (const auto boxStatus = kestrine::RunAsMessageBoxProcess(argc, argv)) return *boxStatus;
  try {
    if (!kestrine::PrepareStartEnvironment()) return 1;
    kestrine::RegisterAllScreens();
    return kestrine::WinMain(nullptr, nullptr, nullptr, 10);
  } catch (const engine::EngineError& e) {
    std::fprintf(stderr, "kestrine: engine call failed: %s\n", e.what());
    return 2;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "kestrine: %s\n", e.what());
    return 3;
  }
}
