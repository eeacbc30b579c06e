// The mouse rules the 2D screens share. A left-button release picks one of a screen's buttons by the screen's
// rule (the screen table's record says which, shell/screen_table.h). Screens with a scrolling text box stop its
// scrolling when the pointer leaves their buttons, and the player-controls screen scrolls while the pointer
// rests on an arrow.
#pragma once

#include <cstdint>

namespace kestrine {

// How a left-button release picks a button. Every screen's buttons follow the first unless the game's design
// gives that screen another.
enum class ButtonRule : uint8_t {
  kUnderPointer,       // a fresh hit test at the release, with the click tick
  kUnderPointerQuiet,  // a fresh hit test without the click tick (the rollover tick when the lit button changes)
  kLastLit,            // the button the last pointer move lit, with no test and no tick (-1 after a move off)
};

// The button a release at (x, y) chose by `rule`; -1 for none.
int32_t PickButton(ButtonRule rule, int32_t x, int32_t y);

// A mouse event of a screen with a scrolling text box: true (consumed) when the pointer is on one of its
// buttons; otherwise the box stops scrolling.
bool HoverOverTextBoxButtons(int32_t x, int32_t y);

// After a hover test: the shared text box scrolls up while the pointer is on button `upButton`, down while
// it is on `downButton`, and not at all elsewhere.
void ScrollWhileOnArrows(bool hit, int32_t upButton, int32_t downButton);

}  // namespace kestrine
