// Drawing a decoded movie frame into a window of ours, at the frame's own size.
#pragma once

#include "platform/movie/avi_frames.h"
#include "platform/window.h"

namespace kestrine {

// Draws the frame with its top left corner at (x, y) of the window's client area; false when the window has
// no canvas or the frame no pixels. The window shows it at its next PresentWindowCanvas.
bool DrawDibDraw(HWND window, int x, int y, const AviFrame& frame);

}  // namespace kestrine
