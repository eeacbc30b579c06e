// The menu images of the shell: disclaimer, title backdrop, menu panel, medals and badges, pause and quit
// panels, the killed-in-action backdrop and the loading screen. Sizes follow the regions the screens cut
// from them; button places are drawn as empty slots the screens write their labels into.
#include <cmath>
#include <string>
#include <vector>

#include "tools/assetgen/canonical_path.h"
#include "tools/assetgen/generators.h"
#include "tools/assetgen/image_paint.h"
#include "tools/assetgen/medal_patterns.h"

namespace assetgen {

namespace {

using paint::Align;
using paint::Image;
using paint::Rgb;
using paint::TextStyle;

constexpr Rgb kPale{235, 247, 195};
constexpr Rgb kOliveDark{34, 42, 26};
constexpr Rgb kOlive{70, 84, 52};
constexpr Rgb kSlotLight{128, 146, 96};
constexpr Rgb kSlotDark{18, 22, 12};

void Save(DataTree& tree, const std::string& path, const Image& image) { tree.WritePng(CanonicalPath(path), *image); }

TextStyle Style(int size, Rgb colour, bool bold = false, Align align = Align::Left) {
  TextStyle style;
  style.size = size;
  style.colour = colour;
  style.bold = bold;
  style.align = align;
  return style;
}

// An empty button place: a sunken bar the menu's label is written into.
void Slot(const Image& image, int x, int y, int width, int height) {
  paint::Gradient(image, x, y, width, height, {62, 76, 46}, {36, 44, 28});
  paint::Bevel(image, x, y, width, height, kSlotLight, kSlotDark);
}

void Lines(const Image& image, int x, int y, int spacing, const std::vector<std::string>& lines, TextStyle style) {
  for (const std::string& line : lines) {
    paint::Label(image, x, y, line, style);
    y += spacing;
  }
}

// The red cross of the medic's armband, on a white disc.
void MedicEmblem(const Image& image, int cx, int cy, int radius) {
  paint::Disc(image, cx, cy, radius + 3, {30, 30, 30});
  paint::Disc(image, cx, cy, radius, {240, 240, 232});
  const int arm = radius * 2 / 3, half = radius / 5;
  paint::Fill(image, cx - arm, cy - half, 2 * arm + 1, 2 * half + 1, {196, 28, 32});
  paint::Fill(image, cx - half, cy - arm, 2 * half + 1, 2 * arm + 1, {196, 28, 32});
}

// A line of rolling hills, seeded so each backdrop has its own skyline.
void Hills(const Image& image, int baseY, Rgb colour, int seed) {
  for (int x = 0; x < image->GetWidth(); ++x) {
    const double h =
        22.0 + 14.0 * std::sin(x / (57.0 + 9 * seed) + seed) + 8.0 * std::sin(x / (19.0 + seed) + 2 * seed);
    const int top = baseY - static_cast<int>(h);
    paint::Fill(image, x, top, 1, image->GetHeight() - top, colour);
  }
}

Image Backdrop(Rgb top, Rgb bottom, int seed) {
  Image image = paint::NewImage(640, 480, bottom);
  paint::Gradient(image, 0, 0, 640, 480, top, bottom);
  paint::Speckle(image, 0, 0, 640, 480, 4, static_cast<uint32_t>(seed));
  return image;
}

Image Disclaimer() {
  Image image = Backdrop({22, 28, 20}, {58, 62, 40}, 1);
  paint::Label(image, 320, 36, "DISCLAIMER", Style(24, {235, 215, 150}, true, Align::Centre));
  paint::Line(image, 60, 78, 580, 78, {150, 140, 90});
  Lines(image, 60, 100, 22,
        {"Kestrine is a game. Its battles, soldiers and places are invented,",
         "and any likeness to real people or events is coincidence.", "",
         "The treatments shown are simplified so they can be played. They are",
         "no substitute for first-aid or medical training, and nothing in this",
         "game should ever be used to care for a real injury.", "",
         "If someone is hurt, call your local emergency number and follow the", "advice of trained responders.", "",
         "To play on, accept this disclaimer. To leave the game, reject it."},
        Style(12, kPale));
  MedicEmblem(image, 110, 420, 30);
  Slot(image, 400, 406, 174, 26);
  Slot(image, 400, 433, 174, 26);
  return image;
}

Image Opening() {
  Image image = Backdrop({30, 36, 48}, {150, 112, 62}, 2);
  Hills(image, 380, {58, 52, 34}, 1);
  Hills(image, 430, {38, 34, 22}, 4);
  paint::Label(image, 430, 48, "KESTRINE", Style(40, {236, 222, 160}, true, Align::Centre));
  paint::Label(image, 430, 110, "BATTLEFIELD MEDIC", Style(14, kPale, true, Align::Centre));
  MedicEmblem(image, 470, 260, 48);
  return image;
}

// The menu panel: seven bars at the menu rows, top down; screens copy the top p rows of it.
Image MenuBars() {
  Image image = paint::NewImage(184, 180, kOliveDark);
  paint::Bevel(image, 0, 0, 184, 180, {96, 110, 70}, {12, 14, 8});
  const int rows[7] = {3, 28, 53, 78, 103, 129, 153};
  for (int y : rows) Slot(image, 2, y, 180, 23);
  return image;
}

Image MainButton() {
  Image image = paint::NewImage(180, 23, kOlive);
  Slot(image, 0, 0, 180, 23);
  return image;
}

// Service ribbons: each its own pattern of stripes, so the rack tells them apart.
Image Ribbon(int n) {
  const Rgb* const pattern = kRibbonPatterns[n];
  Image image = paint::NewImage(49, 13, pattern[0]);
  paint::Fill(image, 8, 0, 33, 13, pattern[1]);
  paint::Fill(image, 20, 0, 9, 13, pattern[2]);
  paint::Fill(image, 4 + n, 0, 2, 13, {240, 240, 230});
  paint::Fill(image, 43 - n, 0, 2, 13, {240, 240, 230});
  paint::Frame(image, 0, 0, 49, 13, {20, 20, 20});
  return image;
}

Image Badge(int n) {
  const int width = n == 0 ? 78 : 43;
  Image image = paint::NewImage(width, 27, {20, 24, 16});
  if (n == 0) {
    paint::Gradient(image, 1, 4, 76, 19, {210, 214, 220}, {120, 124, 132});
    MedicEmblem(image, 39, 13, 7);
  } else if (n == 1) {
    paint::Gradient(image, 1, 1, 41, 25, {200, 204, 210}, {110, 114, 122});
    paint::Label(image, 21, 6, "EFMB", Style(8, {20, 24, 30}, true, Align::Centre));
  } else {
    paint::Fill(image, 1, 5, 41, 17, {30, 30, 30});
    paint::Label(image, 21, 7, "SF", Style(9, {230, 190, 40}, true, Align::Centre));
  }
  paint::Frame(image, 0, 0, width, 27, {10, 10, 10});
  return image;
}

// The pause and quit panels are stretched from 214 to 225 rows on screen; slots sit where the buttons land.
Image PausePanel(const std::string& title, const std::vector<int>& slotRows, const std::vector<std::string>& note) {
  Image image = paint::NewImage(229, 214, kOliveDark);
  paint::Gradient(image, 0, 0, 229, 214, {52, 62, 40}, {26, 32, 20});
  paint::Bevel(image, 0, 0, 229, 214, {120, 134, 88}, {8, 10, 6});
  paint::Label(image, 114, 6, title, Style(14, {236, 222, 160}, true, Align::Centre));
  Lines(image, 114, 40, 18, note, Style(10, kPale, false, Align::Centre));
  for (int y : slotRows) Slot(image, 28, y, 174, 22);
  return image;
}

Image KilledInAction() {
  Image image = Backdrop({16, 12, 12}, {70, 36, 28}, 3);
  paint::Label(image, 320, 90, "KILLED IN ACTION", Style(32, {230, 210, 170}, true, Align::Centre));
  paint::Label(image, 320, 150, "Your medic has fallen. The wounded wait in vain.",
               Style(12, kPale, false, Align::Centre));
  // Dog tags on their chain.
  paint::Line(image, 270, 200, 320, 250, {160, 160, 150});
  paint::Line(image, 370, 200, 320, 250, {160, 160, 150});
  paint::Fill(image, 290, 250, 44, 70, {176, 178, 170});
  paint::Frame(image, 290, 250, 44, 70, {90, 90, 84});
  paint::Fill(image, 312, 262, 44, 70, {196, 198, 190});
  paint::Frame(image, 312, 262, 44, 70, {90, 90, 84});
  Slot(image, 401, 408, 174, 26);
  Slot(image, 401, 433, 174, 26);
  return image;
}

Image LoadingScreen() {
  Image image = Backdrop({24, 30, 22}, {92, 80, 50}, 4);
  Hills(image, 470, {40, 36, 24}, 2);
  paint::Label(image, 320, 40, "KESTRINE", Style(36, {236, 222, 160}, true, Align::Centre));
  paint::Label(image, 320, 96, "BATTLEFIELD MEDIC", Style(12, kPale, true, Align::Centre));
  // A darker band for the tips, and a track for the loading bar.
  paint::Fill(image, 110, 276, 480, 130, {26, 30, 22});
  paint::Label(image, 120, 252, "FIELD NOTES", Style(11, {200, 190, 130}, true));
  paint::Label(image, 376, 434, "LOADING", Style(10, kPale, true, Align::Right));
  paint::Fill(image, 387, 434, 206, 16, {16, 18, 12});
  paint::Frame(image, 387, 434, 206, 16, {120, 124, 90});
  return image;
}

}  // namespace

void WriteShellMenuImages(DataTree& tree) {
  Save(tree, "images\\disclaimer.qjp", Disclaimer());
  Save(tree, "images\\opening.qjp", Opening());
  Save(tree, "images\\bars1.qjp", MenuBars());
  Save(tree, "images\\MainButtonM.qpg", MainButton());
  for (int i = 0; i < 8; ++i) Save(tree, "images\\medals\\medal" + std::to_string(i) + ".qjp", Ribbon(i));
  for (int j = 0; j < 3; ++j) Save(tree, "images\\medals\\badge" + std::to_string(j) + ".qjp", Badge(j));
  Save(tree, "images\\pauseMenu.qjp", PausePanel("PAUSED", {31, 57, 84, 110, 134, 159}, {}));
  Save(
      tree, "images\\quitScreen.qjp",
      PausePanel("QUIT?", {134, 159}, {"Leave the game and", "return to the main menu?", "Unsaved progress is lost."}));
  Save(tree, "images\\kia.qjp", KilledInAction());
  Save(tree, "images\\loadingscreen.qjp", LoadingScreen());
}

}  // namespace assetgen
