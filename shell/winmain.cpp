#include "shell/winmain.h"

#include "platform/control_host.h"
#include "platform/desktop.h"
#include "platform/message_queue.h"
#include "shell/main_window.h"
#include "shell/program_state.h"
#include "shell/version_title.h"

namespace kestrine {

namespace {

ProgramHandles programHandles;
KESTRINE_PROGRAM_STATE(programHandles);

}  // namespace

const ProgramHandles& Handles() { return programHandles; }

bool StartProgram(void* instance, void* previousInstance, int showCommand) {
  const std::string title = BuildWindowTitle();
  programHandles.instanceHandle = instance;
  programHandles.previousInstanceHandle = previousInstance;
  AtlAxWinInit();

  const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  programHandles.mainWindowHandle = mainWindow.Create(0, screen, title.c_str(), WS_POPUP | WS_VISIBLE, 0);
  if (!programHandles.mainWindowHandle) return false;
  ShowWindow(programHandles.mainWindowHandle, showCommand);
  return true;
}

bool PumpAvailableMessages() {
  MSG msg;
  while (true) {
    while (PeekMessage(&msg, 0, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) return false;
      DispatchMessage(&msg);
    }
    if (!PumpMessageSource(0) && PendingMessageCount() == 0) return true;
  }
}

void EndProgram() {
  ClearMessageQueue();
  programHandles.mainWindowHandle = 0;
}

int WinMain(void* instance, void* previousInstance, const char*, int showCommand) {
  const bool started = StartProgram(instance, previousInstance, showCommand);
  MSG msg;
  while (GetMessage(&msg, 0, 0, 0) > 0) DispatchMessage(&msg);
  EndProgram();
  return started ? 0 : 1;
}

}  // namespace kestrine
