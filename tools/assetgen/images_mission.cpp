// The shared images of the mission load: the grid, the strategy markers, the tree and tent textures (the
// grenade picture among them is the tool pictures' own), the wreck, the soldier icon, the grid mask, the
// crosshair and the broken roof. Cut-outs sit on the key colour the loader gives each image (red for most,
// black for the soldier icon, green for the crosshair), and the artwork itself never uses that exact colour.
#include <algorithm>
#include <cmath>
#include <string>

#include "tools/assetgen/generators.h"
#include "tools/assetgen/screen_pictures.h"

namespace assetgen {

namespace {

using paint::Align;
using paint::Image;
using paint::Rgb;
using paint::SavePicture;

constexpr Rgb kRedKey{255, 0, 0};

Image GridBitmap() {
  Image image = paint::NewImage(128, 128, kRedKey);
  for (int i = 0; i < 128; i += 16) {
    paint::Line(image, i, 0, i, 127, {40, 90, 40});
    paint::Line(image, 0, i, 127, i, {40, 90, 40});
  }
  return image;
}

// A strategy marker: a ringed disc with its letter.
Image Marker(Rgb colour, const std::string& letter) {
  Image image = paint::NewImage(32, 32, kRedKey);
  paint::Disc(image, 16, 16, 14, {20, 20, 20});
  paint::Disc(image, 16, 16, 12, colour);
  paint::Label(image, 16, 8, letter, paint::Style(11, {20, 20, 20}, true, Align::Centre));
  return image;
}

// Fronds radiating from the centre (a palm seen from above).
Image PalmTop() {
  Image image = paint::NewImage(128, 128, kRedKey);
  for (int f = 0; f < 9; ++f) {
    const double a = f * 2.0 * 3.14159265 / 9.0;
    for (int w = -2; w <= 2; ++w) {
      const int ex = 64 + static_cast<int>(60 * std::cos(a)) + w, ey = 64 + static_cast<int>(60 * std::sin(a));
      paint::Line(image, 64, 64 + w, ex, ey, {52 + 8 * (f % 3), 120 - 6 * w, 40});
    }
  }
  paint::Disc(image, 64, 64, 7, {96, 74, 40});
  return image;
}

// Fronds drooping from a crown (a palm seen from the side).
Image PalmSide() {
  Image image = paint::NewImage(128, 128, kRedKey);
  for (int f = 0; f < 8; ++f) {
    const int dir = f % 2 == 0 ? 1 : -1;
    const int reach = 20 + 7 * f;
    for (int t = 0; t <= reach; ++t) {
      const int x = 64 + dir * t;
      const int y = 40 - (f % 4) * 4 + (t * t) / (reach + 10);
      paint::Fill(image, x, y, 2, 3, {50 + 6 * (f % 4), 118 - 4 * (f % 3), 38});
    }
  }
  paint::Disc(image, 64, 40, 6, {100, 78, 42});
  return image;
}

// Layered triangles of a conifer.
Image PineTop() {
  Image image = paint::NewImage(128, 128, kRedKey);
  for (int layer = 0; layer < 5; ++layer) {
    const int top = 6 + layer * 22, height = 40;
    for (int row = 0; row < height; ++row) {
      const int half = 6 + (row * (14 + layer * 9)) / height;
      paint::Fill(image, 64 - half, top + row, 2 * half, 1, {26 + 4 * layer, 70 + 5 * layer, 34});
    }
  }
  paint::Speckle(image, 20, 0, 88, 128, 6, 3);
  // Speckling also touched the key around the branches; put it back.
  for (int y = 0; y < 128; ++y)
    for (int x = 0; x < 128; ++x) {
      const engine::Color c = image->PixelColor(x, y);
      if (c.r > 200 && c.g < 20 && c.b < 20) image->SetPixel(x, y, engine::Color{255, 0, 0}.Packed());
    }
  return image;
}

// A loose crown of round leaf clusters in the tree's own green.
Image LeafCrown(Rgb leaf, uint32_t seed) {
  Image image = paint::NewImage(128, 128, kRedKey);
  uint32_t state = seed;
  auto next = [&state](int range) {
    state = state * 1103515245u + 12345u;
    return static_cast<int>((state >> 16) % static_cast<uint32_t>(range));
  };
  for (int i = 0; i < 26; ++i) {
    const int cx = 24 + next(80), cy = 20 + next(70), r = 9 + next(9);
    const int shade = next(30) - 15;
    paint::Disc(image, cx, cy, r, {leaf.r + shade, leaf.g + shade, leaf.b + shade});
  }
  return image;
}

Image Trunk(Rgb bark, Rgb mark, int ringEvery) {
  Image image = paint::NewImage(32, 128, bark);
  for (int y = 0; y < 128; y += ringEvery) paint::Fill(image, 0, y, 32, 2, mark);
  paint::Fill(image, 0, 0, 4, 128, {bark.r / 2, bark.g / 2, bark.b / 2});
  paint::Fill(image, 28, 0, 4, 128, {bark.r / 2, bark.g / 2, bark.b / 2});
  paint::Speckle(image, 0, 0, 32, 128, 10, static_cast<uint32_t>(ringEvery));
  return image;
}

// A camouflage net: knotted mesh with leaf patches, open between the cords.
Image CamoNet() {
  Image image = paint::NewImage(128, 128, kRedKey);
  for (int i = 0; i < 128; i += 8) {
    paint::Line(image, i, 0, i, 127, {70, 66, 44});
    paint::Line(image, 0, i, 127, i, {70, 66, 44});
  }
  const Rgb patches[3] = {{60, 80, 40}, {96, 84, 50}, {40, 56, 32}};
  for (int y = 0; y < 128; y += 16)
    for (int x = 0; x < 128; x += 16)
      if ((x / 16 * 3 + y / 16 * 5) % 4 != 0) paint::Disc(image, x + 8, y + 8, 6, patches[(x + y) / 16 % 3]);
  return image;
}

Image WreckedHelicopter() {
  Image image = paint::NewImage(128, 128, kRedKey);
  paint::Disc(image, 64, 60, 22, {44, 44, 42});
  paint::Fill(image, 58, 76, 12, 44, {50, 50, 46});
  paint::Fill(image, 50, 114, 28, 6, {40, 40, 38});
  paint::Line(image, 14, 30, 112, 88, {30, 30, 28});
  paint::Line(image, 20, 96, 104, 24, {30, 30, 28});
  paint::Disc(image, 70, 54, 8, {20, 18, 16});
  paint::Speckle(image, 40, 36, 48, 48, 12, 9);
  return image;
}

// The plate under every unit: a broad ring (black is clear) with a dark rim, which the game tints by side.
// The game makes the plate a fifth of the picture's size in units: 24 pixels give 4.8 units, a ring round
// a soldier standing in it and long enough for a wounded man lying on it.
Image SoldierIcon() {
  constexpr int kSize = 24;
  constexpr double kCentre = (kSize - 1) / 2.0;
  Image image = paint::NewImage(kSize, kSize, {0, 0, 0});
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x) {
      const double d = std::hypot(x - kCentre, y - kCentre);
      if (d < 7.0 || d > 11.9) continue;
      // A dark rim on both edges keeps even the medic's white ring apart from pale sand.
      const uint8_t v = d < 8.0 || d > 10.9 ? 40 : 255;
      image->SetPixel(x, y, engine::Color{v, v, v}.Packed());
    }
  return image;
}

// Dark at the edges, clear in the middle.
Image GridMask() {
  Image image = paint::NewImage(128, 128, {0, 0, 0});
  for (int y = 0; y < 128; ++y)
    for (int x = 0; x < 128; ++x) {
      const double d = std::hypot(x - 63.5, y - 63.5) / 90.0;
      const int v = static_cast<int>(255.0 * std::max(0.0, 1.0 - d * d));
      image->SetPixel(
          x, y, engine::Color{static_cast<uint8_t>(v), static_cast<uint8_t>(v), static_cast<uint8_t>(v)}.Packed());
    }
  return image;
}

Image Crosshair() {
  Image image = paint::NewImage(32, 32, {0, 255, 0});
  const Rgb yellow{255, 240, 40};
  paint::Line(image, 16, 2, 16, 12, yellow);
  paint::Line(image, 16, 20, 16, 30, yellow);
  paint::Line(image, 2, 16, 12, 16, yellow);
  paint::Line(image, 20, 16, 30, 16, yellow);
  paint::Fill(image, 15, 15, 3, 3, {230, 40, 30});
  return image;
}

// Roof slab with a blasted hole through which the room below shows.
Image RoofBreak() {
  Image image = paint::NewImage(128, 128, {150, 144, 132});
  paint::Speckle(image, 0, 0, 128, 128, 14, 11);
  for (int y = 0; y < 128; ++y) {
    const int half = 34 - std::abs(y - 64) / 2 + ((y * 7) % 11) - 5;
    if (half > 0 && std::abs(y - 64) < 50) paint::Fill(image, 64 - half, y, 2 * half, 1, kRedKey);
  }
  return image;
}

}  // namespace

void WriteShellMissionImages(DataTree& tree) {
  SavePicture(tree, "images\\GridBitmap.qpg", GridBitmap());
  SavePicture(tree, "images\\start\\start.qpg", Marker({240, 240, 230}, "S"));
  SavePicture(tree, "images\\start\\spawn.qpg", Marker({230, 140, 40}, "E"));
  SavePicture(tree, "images\\start\\startv.qpg", Marker({90, 160, 230}, "V"));
  SavePicture(tree, "images\\start\\Extraction.qpg", Marker({60, 200, 80}, "H"));
  SavePicture(tree, "images\\start\\Patrol.qpg", Marker({230, 220, 60}, "P"));

  SavePicture(tree, "terrain\\trees\\datepalmt.qjp", PalmTop());
  SavePicture(tree, "terrain\\trees\\datepalm45.qjp", PalmSide());
  SavePicture(tree, "terrain\\trees\\trunk1.qjp", Trunk({120, 94, 60}, {84, 64, 40}, 6));
  SavePicture(tree, "terrain\\trees\\pinetop.qpg", PineTop());
  SavePicture(tree, "terrain\\trees\\trunk21.qjp", Trunk({110, 62, 40}, {70, 40, 26}, 17));
  SavePicture(tree, "terrain\\trees\\eucalyptus45.qjp", LeafCrown({70, 110, 96}, 6));
  SavePicture(tree, "terrain\\trees\\trunk31.qjp", Trunk({190, 180, 160}, {150, 130, 110}, 23));
  SavePicture(tree, "terrain\\trees\\oliv45.qjp", LeafCrown({104, 116, 80}, 9));
  // Level texture 12, "images\\tools\\grenade.qpg", is the grenade's cursor picture: the tool pictures write it.
  SavePicture(tree, "terrain\\tent\\camonet1.qpg", CamoNet());

  SavePicture(tree, "images\\wrckheli.qpg", WreckedHelicopter());
  SavePicture(tree, "images\\sldricon.qpg", SoldierIcon());
  SavePicture(tree, "images\\grid1msk.qpg", GridMask());
  SavePicture(tree, "images\\crosshair.qpg", Crosshair());
  SavePicture(tree, "structures\\transparents\\b1roofbreak.qpg", RoofBreak());
}

}  // namespace assetgen
