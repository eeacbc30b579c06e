// The developer editors' lines over the overhead view. The text overlay keeps whatever is drawn on it, so
// lines redrawn every frame with changing texts would leave the ends of longer old texts behind, and the
// lines of an editor switched off would stay for good. Each frame therefore first takes away the lines of
// the frame before, then draws its own.
#pragma once

#include <cstdint>
#include <string>

#include "battlefield/hud_text.h"

namespace kestrine {

constexpr int kDeveloperLineCapacity = 16;

struct DeveloperLinesState {
  HudBox boxes[kDeveloperLineCapacity] = {};
  int32_t count = 0;
};

// Gives back to the overlay what the lines drawn since the last call covered.
void EraseDeveloperLines();

// One left-aligned line in the developer's yellow at (x, y) (fractions of the screen below 1.0, else pixels).
void DeveloperLine(double x, double y, const std::wstring& text, int size);

}  // namespace kestrine
