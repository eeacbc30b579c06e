#include "tools/assetgen/screen_pictures.h"

#include "tools/assetgen/canonical_path.h"

namespace assetgen::paint {

void SavePicture(DataTree& tree, const std::string& gamePath, const Image& image) {
  tree.WritePng(CanonicalPath(gamePath), *image);
}

TextStyle Style(int size, Rgb colour, bool bold, Align align) {
  TextStyle style;
  style.size = size;
  style.colour = colour;
  style.bold = bold;
  style.align = align;
  return style;
}

Image Backdrop(Rgb top, Rgb bottom, uint32_t seed) {
  Image image = NewImage(640, 480, bottom);
  Gradient(image, 0, 0, 640, 480, top, bottom);
  Speckle(image, 0, 0, 640, 480, 4, seed);
  return image;
}

void ButtonSlot(const Image& image, int x, int y, int width, int height) {
  Gradient(image, x, y, width, height, {62, 76, 46}, {36, 44, 28});
  Bevel(image, x, y, width, height, {128, 146, 96}, {18, 22, 12});
}

void Arrowhead(const Image& image, int cx, int tipY, int height, bool up, Rgb colour) {
  for (int row = 0; row < height; ++row) Fill(image, cx - row, up ? tipY + row : tipY - row, 2 * row + 1, 1, colour);
}

void MedicEmblem(const Image& image, int cx, int cy, int radius) {
  Disc(image, cx, cy, radius + 3, {30, 30, 30});
  Disc(image, cx, cy, radius, {240, 240, 232});
  const int arm = radius * 2 / 3, half = radius / 5;
  Fill(image, cx - arm, cy - half, 2 * arm + 1, 2 * half + 1, {196, 28, 32});
  Fill(image, cx - half, cy - arm, 2 * half + 1, 2 * arm + 1, {196, 28, 32});
}

}  // namespace assetgen::paint
