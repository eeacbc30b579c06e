// The program's entry: makes sure there is data and a display, registers every subsystem's screens, hands over to
// WinMain, and turns a failed engine call into a clear message and a non-zero exit status instead of an abort.
#include <cstdio>
#include <exception>

#include "engine/engine.h"
#include "program/register_screens.h"
#include "shell/start_environment.h"
#include "shell/winmain.h"

int main() {
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
