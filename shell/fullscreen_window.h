// The engine's own full-screen window, minimised while a movie plays in front and restored after.
#pragma once

#include "platform/window.h"

namespace kestrine {

// Written only by fullscreen_window.cpp, through the functions below; everyone else reads the const view.
struct FullScreenWindowState {
  // Found by its title; kept once found, even if a later search does not find it again.
  HWND engineFullScreenWindow = 0;
};

const FullScreenWindowState& FullScreenWindow();

// The search's callback: remembers a window titled exactly "Quillary FullScreen" and goes on.
// Forgets the window found before (a test starts with none found).
void ForgetEngineFullScreenWindow();
bool FindEngineFullScreenWindow(HWND hwnd, LPARAM lParam);
// true maximises, false minimises the engine's window, if one was ever found.
void ShowEngineFullScreenWindow(bool show);

}  // namespace kestrine
