// The mouse rules the menu screens share. A left-button release picks a button by one of three rules,
// depending on the screen: a fresh click test (with its tick), a fresh hover test (no tick), or the button
// the last pointer move left highlighted. Screens with a scrolling text box stop its scrolling when the
// pointer leaves their buttons, and the player-controls screen scrolls while the pointer rests on an arrow.
#pragma once

#include <cstdint>

namespace kestrine {

// The button a release at (x, y) chose; -1 for none.
int32_t ButtonByClick(int32_t x, int32_t y);
int32_t ButtonByHover(int32_t x, int32_t y);
int32_t ButtonLastHovered();

// A mouse event of a screen with a scrolling text box: true (consumed) when the pointer is on one of its
// buttons; otherwise the box stops scrolling.
bool HoverOverTextBoxButtons(int32_t x, int32_t y);

// After a hover test: the shared text box scrolls up while the pointer is on button `upButton`, down while
// it is on `downButton`, and not at all elsewhere.
void ScrollWhileOnArrows(bool hit, int32_t upButton, int32_t downButton);

}  // namespace kestrine
