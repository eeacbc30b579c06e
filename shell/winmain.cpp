#include "shell/winmain.h"

#include "platform/control_host.h"
#include "platform/desktop.h"
#include "platform/message_queue.h"
#include "shell/main_window.h"
#include "shell/program_state.h"
#include "shell/version_title.h"

namespace kestrine {

namespace {

struct ProgramHandles {
  void* instanceHandle = nullptr;
  void* previousInstanceHandle = nullptr;
  HWND mainWindowHandle = 0;
};
ProgramHandles programHandles;
KESTRINE_PROGRAM_STATE(programHandles);

}  // namespace

void*& instanceHandle = programHandles.instanceHandle;
void*& previousInstanceHandle = programHandles.previousInstanceHandle;
HWND& mainWindowHandle = programHandles.mainWindowHandle;

bool StartProgram(void* instance, void* previousInstance, int showCommand) {
  const std::string title = BuildWindowTitle();
  instanceHandle = instance;
  previousInstanceHandle = previousInstance;
  AtlAxWinInit();

  const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  mainWindowHandle = mainWindow.Create(0, screen, title.c_str(), WS_POPUP | WS_VISIBLE, 0);
  if (!mainWindowHandle) return false;
  ShowWindow(mainWindowHandle, showCommand);
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
  mainWindowHandle = 0;
}

int WinMain(void* instance, void* previousInstance, const char*, int showCommand) {
  const bool started = StartProgram(instance, previousInstance, showCommand);
  MSG msg;
  while (GetMessage(&msg, 0, 0, 0) > 0) DispatchMessage(&msg);
  EndProgram();
  return started ? 0 : 1;
}

}  // namespace kestrine
