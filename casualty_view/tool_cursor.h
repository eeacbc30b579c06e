// The picture of the tool in hand that follows the pointer over the patient view, with a cross-hair.
#pragma once

#include <cstdint>

namespace kestrine {

struct CursorSize {
  int32_t width = 0, height = 0;
};

// A large picture is halved (both sides together) until one side is 150 pixels or less.
CursorSize CursorDrawSize(int32_t width, int32_t height);
// One axis of the pointer, moved so that the picture at pointer + offset, `size` long, stays on a screen
// `screen` long and does not start before its edge.
int32_t ClampCursorAxis(int32_t pointer, int32_t offset, int32_t size, int32_t screen);
// Draws the cursor picture of `tool` at the pointer (a tool without a picture draws only the cross-hair;
// no tool in hand draws nothing).
void DrawToolCursor(int32_t tool, int32_t pointerX, int32_t pointerY);

}  // namespace kestrine
