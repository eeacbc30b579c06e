#include "shell/fullscreen_window.h"

#include <cstring>

namespace kestrine {

HWND engineFullScreenWindow = 0;

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
