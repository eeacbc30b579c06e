// The movie player's window procedure: the picture, the left-button skip, the stop command, the sound
// device's notifications, and the end of the window.
#pragma once

#include "platform/window.h"

namespace kestrine {

class MovieWindow : public WindowImpl {
 public:
  WindowClassInfo WindowClass() const override;
  bool ProcessWindowMessage(HWND hwnd, uint32_t message, WPARAM wParam, LPARAM lParam, LRESULT& result,
                            uint32_t mapId) override;
};

// Draws the frame at the current time centred in the window inside a one-pixel black frame. `everything`
// (an exposed window, a new movie) clears the whole window first; otherwise nothing is drawn when the frame
// on screen is still the right one. True when something was drawn.
bool PaintMovieWindow(bool everything);
// Makes the next paint draw everything (the movie changed, so the old picture's place must be cleared).
void RequestFullMoviePaint();

}  // namespace kestrine
