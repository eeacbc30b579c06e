// What the screens' generated pictures share: saving one under its game name, text styles, the speckled
// full-screen backdrop, the raised slot a screen writes a button's label into, arrowheads and the medic's
// emblem.
#pragma once

#include <cstdint>
#include <string>

#include "tools/assetgen/generators.h"
#include "tools/assetgen/image_paint.h"

namespace assetgen::paint {

// PNG content under the game's name for the picture, its folders in their one spelling.
void SavePicture(DataTree& tree, const std::string& gamePath, const Image& image);

TextStyle Style(int size, Rgb colour, bool bold = false, Align align = Align::Left);

// 640 x 480, top colour to bottom colour, lightly speckled from the seed.
Image Backdrop(Rgb top, Rgb bottom, uint32_t seed);

// A bar in the menus' olive with a bevelled edge, where a screen writes a button's label.
void ButtonSlot(const Image& image, int x, int y, int width, int height);

// A triangle pointing up (or down) with its tip at (cx, tipY), height rows tall.
void Arrowhead(const Image& image, int cx, int tipY, int height, bool up, Rgb colour);

// The red cross of the medic's armband, on a white disc with a dark rim.
void MedicEmblem(const Image& image, int cx, int cy, int radius);

}  // namespace assetgen::paint
