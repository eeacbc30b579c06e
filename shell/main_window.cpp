#include "shell/main_window.h"

#include <cstdio>

#include "platform/control_host.h"
#include "platform/message_box.h"
#include "platform/message_queue.h"
#include "shell/browser.h"
#include "shell/engine_setup.h"
#include "shell/events.h"
#include "shell/program_state.h"

namespace kestrine {

MainWindow mainWindow;
// The window object itself lives for the whole process (its window comes and goes with each run); what a run
// leaves in it is the control and the last event of each kind.
KESTRINE_PROGRAM_STATE_RESET(mainWindow, [] {
  mainWindow.root.Reset();
  mainWindow.frameEvent.Reset();
  mainWindow.mouseEvent.Reset();
  mainWindow.keyEvent.Reset();
  mainWindow.unusedEvent.Reset();
});

const EngineConditionCheck EngineConditionChecks[kEngineConditionChecks] = {
    {0, true, "Error - Direct-X version too old. Please update.", "Vantor - Error"},
    {1, true, "Error - Unsupported color depth. Must be played in 16-bit color or better.", "Vantor - Error"},
    {2, false,
     "Warning - No 3D hardware acceleration found. Your graphics card may not support 3D acceleration, or your "
     "Direct-X version may be out of date.",
     "Vantor - Warning"},
    {3, false,
     "Warning - Your machine does not have a sound card that supports the ADPCM file format. ADPCM sounds will "
     "not be used.",
     "Vantor - Warning"},
    {7, false,
     "Warning - Warning - You are in 24-bit color. If you experience poor performance, switch to 16-bit color.",
     "Vantor - Warning"},
    {8, false, "Warning - You are in 32-bit color. If you experience poor performance, switch to 16-bit color.",
     "Vantor - Warning"},
};

namespace {

constexpr const wchar_t* kRequiredEngineVersion = L"2.2.0.0";

}  // namespace

MainWindow::MainWindow() {
  SinkEntry(engine::kEventMouse, [this](const auto& e) { return OnMouseEvent(e); });
  SinkEntry(engine::kEventFrame, [this](const auto& e) { return OnFrameEvent(e); });
  SinkEntry(engine::kEventKey, [this](const auto& e) { return OnKeyEvent(e); });
  SinkEntry(engine::kEventUnused, [this](const auto& e) { return OnUnusedEngineEvent(e); });
}

WindowClassInfo MainWindow::WindowClass() const {
  return WindowClassInfo{"AppWindow_TutorialGame", CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS, "arrow", COLOR_WINDOW + 1};
}

bool MainWindow::ProcessWindowMessage(HWND, uint32_t message, WPARAM, LPARAM, LRESULT& result, uint32_t mapId) {
  if (mapId != 0) {
    std::fprintf(stderr, "Invalid message map ID (%i)\n", static_cast<int>(mapId));
    std::fprintf(stderr, "kestrine: assertion failed in winmain (%s:%d)\n", __FILE__, __LINE__);
    return false;
  }
  if (message == WM_CREATE) {
    result = OnCreate();
    return true;
  }
  if (message == WM_DESTROY) {
    bool handled = true;
    result = OnDestroy(handled);
    return handled;
  }
  return false;
}

void MainWindow::Refuse(const char* text, const char* title, uint32_t icon, bool openDownloadPage) {
  MessageBox(Handle(), text, title, icon);
  if (openDownloadPage) OpenUrlInBrowser(kEngineDownloadPage);
  DestroyWindow(Handle());
}

LRESULT MainWindow::OnCreate() {
  AtlAxCreateControl(kEngineClassId, Handle());
  root = AtlAxGetControl(Handle());
  if (!root) {
    Refuse(
        "The Quillary Vantor cannot be found on your system.\nThis program will now redirect you to a download "
        "page and terminate.",
        "Fatal Error", MB_ICONSTOP | MB_OK, true);
    return 0;
  }
  if (root->CompareVersions(kRequiredEngineVersion, root->GetVersion()) < 0) {
    Refuse("Vantor version is out of date.\nThis program will now redirect you to an update page and terminate.",
           "Error", MB_ICONSTOP, true);
    return 0;
  }
  for (const EngineConditionCheck& check : EngineConditionChecks) {
    if (!root->TestCondition(check.condition)) continue;
    if (check.fatal) {
      Refuse(check.text, check.title, MB_ICONSTOP, false);
      return 0;
    }
    MessageBox(Handle(), check.text, check.title, MB_ICONEXCLAMATION);
  }
  DispEventAdvise(root);
  SetUpEngine(root, Handle());
  return 0;
}

LRESULT MainWindow::OnDestroy(bool& handled) {
  if (root) {
    ShutDownEngine(root, Handle());
    DispEventUnadvise(root);
    root.Reset();
    frameEvent.Reset();
    mouseEvent.Reset();
    keyEvent.Reset();
    unusedEvent.Reset();
  }
  handled = true;
  PostQuitMessage(0);
  return 0;
}

long MainWindow::OnMouseEvent(const engine::EngineRef<engine::EngineEvent>& event) {
  mouseEvent = event;
  OnMouse(mouseEvent);
  return 0;
}

long MainWindow::OnFrameEvent(const engine::EngineRef<engine::EngineEvent>& event) {
  frameEvent = event;
  OnFrame(frameEvent);
  return 0;
}

long MainWindow::OnKeyEvent(const engine::EngineRef<engine::EngineEvent>& event) {
  keyEvent = event;
  OnKey(keyEvent);
  return 0;
}

long MainWindow::OnUnusedEngineEvent(const engine::EngineRef<engine::EngineEvent>& event) {
  unusedEvent = event;
  OnUnusedEvent();
  return 0;
}

}  // namespace kestrine
