#include "platform/movie/draw_dib.h"

#include "platform/movie/window_canvas.h"

namespace kestrine {

bool DrawDibDraw(HWND window, int x, int y, const AviFrame& frame) {
  if (!HasWindowCanvas(window) || frame.width <= 0 || frame.height <= 0) return false;
  if (frame.pixels.size() < static_cast<size_t>(frame.width) * static_cast<size_t>(frame.height)) return false;
  BlitToCanvas(window, x, y, frame.width, frame.height, frame.pixels.data(), frame.width);
  return true;
}

}  // namespace kestrine
