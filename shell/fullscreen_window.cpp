#include "shell/fullscreen_window.h"

#include <cstring>

#include "shell/program_state.h"

namespace kestrine {

namespace {

FullScreenWindowState fullScreenWindowState;
KESTRINE_PROGRAM_STATE(fullScreenWindowState);

}  // namespace

const FullScreenWindowState& FullScreenWindow() { return fullScreenWindowState; }

void ForgetEngineFullScreenWindow() { fullScreenWindowState.engineFullScreenWindow = 0; }

namespace {

constexpr int kTitleChars = 40;
constexpr const char* kEngineWindowTitle = "Quillary FullScreen";

}  // namespace

bool FindEngineFullScreenWindow(HWND hwnd, LPARAM) {
  char title[kTitleChars + 1] = {};
  GetWindowText(hwnd, title, kTitleChars);
  if (std::strcmp(title, kEngineWindowTitle) == 0) fullScreenWindowState.engineFullScreenWindow = hwnd;
  return true;
}

void ShowEngineFullScreenWindow(bool show) {
  EnumWindows(FindEngineFullScreenWindow, 0);
  if (!fullScreenWindowState.engineFullScreenWindow) return;
  ShowWindow(fullScreenWindowState.engineFullScreenWindow, show ? SW_MAXIMIZE : SW_MINIMIZE);
  UpdateWindow(fullScreenWindowState.engineFullScreenWindow);
}

}  // namespace kestrine
