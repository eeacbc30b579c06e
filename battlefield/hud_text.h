// Text on the overhead view's head-up strip. The strip is painted onto the text overlay, whose text boxes
// are painted in the overlay's see-through key colour: drawn straight on, every label would punch a hole
// through its plate, and a shorter text would leave the end of the longer one it replaced. So each label's
// area is first painted again from the strip's picture, and then only the glyphs are laid on it.
#pragma once

#include <string>

namespace kestrine {

struct HudBox {
  int x, y, width, height;
};

// The box the text would take at pixel (x, y) with the alignment (0 left, 1 right, 2 centred).
HudBox HudTextBox(int x, int y, const std::wstring& text, int size, int align, int styleA, int styleB);

// The overlay's rectangle back to what the strip's picture shows there (see-through above the strip).
void RestoreHudStrip(int x, int y, int width, int height);

// The glyphs alone at pixel (x, y) onto the text overlay, over what it holds.
void DrawHudGlyphs(int x, int y, const std::wstring& text, int size, int align, int r, int g, int b, int styleA,
                   int styleB);

}  // namespace kestrine
