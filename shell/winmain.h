// The program's entry point, called from main, and its three steps: start (the window with its checks,
// the engine set-up and state 0 all happen inside), the message loop, and the end. A test harness runs the
// steps itself, pumping messages and engine events between start and end.
#pragma once

#include "platform/window.h"

namespace kestrine {

// Written only by winmain.cpp, through the functions below; everyone else reads the const view.
struct ProgramHandles {
  // The handles the program was started with (the movie player makes its window with them).
  void* instanceHandle = nullptr;
  void* previousInstanceHandle = nullptr;
  HWND mainWindowHandle = 0;
};

const ProgramHandles& Handles();

// 0 when the program ran; 1 when it ended at start-up (no engine, or one that failed its checks), so a
// script or launcher can tell that the game never started.
int WinMain(void* instance, void* previousInstance, const char* commandLine, int showCommand);

// Creates the main window over the whole screen. False when the window did not survive its creation
// (a failed start-up check destroyed it; the quit message is then already posted).
bool StartProgram(void* instance, void* previousInstance, int showCommand);
// Handles every posted message and every engine event available now, without waiting. False once the
// quit message came: the program is over and EndProgram is next. An engine that always has another frame
// ready (a free-running headless engine) keeps this busy for good: drive such an engine frame by frame.
bool PumpAvailableMessages();
// Ends the program after the quit message: drops what is left in the queue.
void EndProgram();

}  // namespace kestrine
