#include "shell/fullscreen_window.h"

#include <cstring>

#include "shell/program_state.h"

namespace kestrine {

namespace {

struct FullScreenWindowState {
  HWND engineFullScreenWindow = 0;
};
FullScreenWindowState fullScreenWindowState;
KESTRINE_PROGRAM_STATE(fullScreenWindowState);

}  // namespace

HWND& engineFullScreenWindow = fullScreenWindowState.engineFullScreenWindow;

namespace {

constexpr int kTitleChars = 40;
constexpr const char* kEngineWindowTitle = "Quillary FullScreen";

}  // namespace

bool FindEngineFullScreenWindow(HWND hwnd, LPARAM) {
  char title[kTitleChars + 1] = {};
  GetWindowText(hwnd, title, kTitleChars);
  if (std::strcmp(title, kEngineWindowTitle) == 0) engineFullScreenWindow = hwnd;
  return true;
}

void ShowEngineFullScreenWindow(bool show) {
  EnumWindows(FindEngineFullScreenWindow, 0);
  if (!engineFullScreenWindow) return;
  ShowWindow(engineFullScreenWindow, show ? SW_MAXIMIZE : SW_MINIMIZE);
  UpdateWindow(engineFullScreenWindow);
}

}  // namespace kestrine
