// Painting for the generated images: fills, gradients, bevelled panels, speckled textures and labels
// drawn with the engine's own text (so the fonts and sizes match what the game draws at run time).
#pragma once

#include <cstdint>
#include <string>

#include "engine/engine.h"

namespace assetgen::paint {

using Image = engine::EngineRef<engine::EngineBitmap>;

struct Rgb {
  int r, g, b;
};

enum class Align { Left, Right, Centre };

Image NewImage(int width, int height, Rgb fill);
void Fill(const Image& image, int x, int y, int width, int height, Rgb colour);
// Top colour to bottom colour, row by row.
void Gradient(const Image& image, int x, int y, int width, int height, Rgb top, Rgb bottom);
// A raised (or sunken) one-pixel frame around the rectangle.
void Bevel(const Image& image, int x, int y, int width, int height, Rgb light, Rgb dark);
void Frame(const Image& image, int x, int y, int width, int height, Rgb colour);
void Disc(const Image& image, int cx, int cy, int radius, Rgb colour);
void Line(const Image& image, int x1, int y1, int x2, int y2, Rgb colour);
// Darkens or lightens random pixels of the rectangle by up to amount, from a seed (deterministic).
void Speckle(const Image& image, int x, int y, int width, int height, int amount, uint32_t seed);

struct TextStyle {
  int size = 12;
  Rgb colour{235, 235, 235};
  bool bold = false;
  Align align = Align::Left;
  const wchar_t* face = L"Arial";
};
// Text with no box behind it; x is the left edge, the right edge or the centre by the alignment.
void Label(const Image& image, int x, int y, const std::string& text, const TextStyle& style);
int LabelWidth(const std::string& text, const TextStyle& style);
int LabelHeight(const std::string& text, const TextStyle& style);

}  // namespace assetgen::paint
