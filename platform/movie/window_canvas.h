// The pixels of a window of ours. Every such window has a canvas in memory (32-bit 0x00RRGGBB, its
// client size); when the desktop has a display the canvas is also shown in an SDL window of its own,
// borderless at the window's place, which Present updates. Without a display there is no SDL window and
// the canvas stays in memory, where tests can read it.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/window.h"

namespace kestrine {

using CanvasColor = uint32_t;  // 0x00RRGGBB
constexpr CanvasColor kCanvasBlack = 0x000000;

// Makes the canvas of hwnd (a window already made) at rect's size, hidden. topmost keeps its SDL window
// above the others. A second call for the same window replaces the first.
void CreateWindowCanvas(HWND hwnd, const char* title, const RECT& rect, bool topmost);
void DestroyWindowCanvas(HWND hwnd);
bool HasWindowCanvas(HWND hwnd);
// Shows (and raises) or hides the SDL window; nothing without a display. Hidden on a display, the canvas lets
// its pixels and its SDL window go, and shows black when it shows again.
void ShowWindowCanvas(HWND hwnd, bool visible);
// The SDL window's identifier, 0 when there is none: input for it belongs to hwnd.
uint32_t WindowCanvasSdlId(HWND hwnd);
// The window whose SDL window has this identifier, 0 for none.
HWND WindowOfCanvasSdlId(uint32_t sdlId);

// Drawing, clipped to the canvas. FrameCanvasRect draws the rectangle's one-pixel outline inside it.
void FillCanvasRect(HWND hwnd, const RECT& rect, CanvasColor colour);
void FrameCanvasRect(HWND hwnd, const RECT& rect, CanvasColor colour);
// Copies width x height pixels (rows of stride pixels) with their top left corner at (x, y).
void BlitToCanvas(HWND hwnd, int x, int y, int width, int height, const uint32_t* pixels, int stride);
// Shows what was drawn in the SDL window.
void PresentWindowCanvas(HWND hwnd);

// One pixel of the canvas; nothing outside it or for a window without one.
std::optional<CanvasColor> CanvasPixel(HWND hwnd, int x, int y);

}  // namespace kestrine
