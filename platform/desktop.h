// The desktop the game runs on: its size and whether a person can see anything on it. A headless run
// (KESTRINE_ENGINE=headless) has a virtual 640 x 480 desktop and no display, whatever machine it is on.
#pragma once

#include <optional>

namespace kestrine {

struct DesktopSize {
  int width = 640;
  int height = 480;
};

// The desktop's size in pixels, asked once and remembered.
DesktopSize QueryDesktopSize();
// True when windows and message boxes can be shown to someone: not headless, SDL built in, and a display
// server named in the environment with a real video driver.
bool DesktopHasDisplay();
// Whether a run on the SDL engine can show anything: a display opens with a driver that puts the picture on
// a screen. Where no display server answers, SDL would fall back to drawing where nobody sees it; that
// counts as no display, unless the environment chose such a video driver itself (SDL_VIDEODRIVER, as render
// tests and screenshots do). Only the SDL engine needs one: any other KESTRINE_ENGINE passes.
bool DisplayCanBeOpened();
// Tests fix the desktop's size (nullopt asks the system again).
void SetDesktopSizeOverride(std::optional<DesktopSize> size);

constexpr int SM_CXSCREEN = 0;
constexpr int SM_CYSCREEN = 1;
// The screen's width (SM_CXSCREEN) and height (SM_CYSCREEN); 0 for any other index.
int GetSystemMetrics(int index);

}  // namespace kestrine
