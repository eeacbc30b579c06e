// The engine's own full-screen window, minimised while a movie plays in front and restored after.
#pragma once

#include "platform/window.h"

namespace kestrine {

// Found by its title; kept once found, even if a later search does not find it again.
extern HWND& engineFullScreenWindow;

// The search's callback: remembers a window titled exactly "Quillary FullScreen" and goes on.
bool FindEngineFullScreenWindow(HWND hwnd, LPARAM lParam);
// true maximises, false minimises the engine's window, if one was ever found.
void ShowEngineFullScreenWindow(bool show);

}  // namespace kestrine
