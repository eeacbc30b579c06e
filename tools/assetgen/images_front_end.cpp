// The player-controls panel (522 x 230, stretched to 522 x 274 on the screen, the text box in its middle and
// a scroll strip at each end), the volume screen's panel (185 x 125: BACK, then a - box, a bar track and a +
// box for each volume, where the screen registers its buttons and draws its bars), the slot screen's panel
// (228 x 246, a row for each of the ten save slots 25 apart) and its SAVE/LOAD strip (229 x 23), the finish
// screen, and its medals and badges cut out on pure red.
#include <string>

#include "tools/assetgen/canonical_path.h"
#include "tools/assetgen/frontend_generators.h"
#include "tools/assetgen/image_paint.h"
#include "tools/assetgen/medal_patterns.h"

namespace assetgen {

namespace {

using paint::Align;
using paint::Image;
using paint::Rgb;
using paint::TextStyle;

constexpr Rgb kKey{255, 0, 0};
constexpr Rgb kPale{235, 247, 195};
constexpr Rgb kOliveDark{34, 42, 26};
constexpr Rgb kPanelLight{96, 110, 70};
constexpr Rgb kPanelDark{12, 14, 8};
constexpr Rgb kTrack{16, 20, 12};
constexpr Rgb kGold{212, 175, 55};

void Save(DataTree& tree, const std::string& path, const Image& image) { tree.WritePng(CanonicalPath(path), *image); }

TextStyle Style(int size, Rgb colour, bool bold = false, Align align = Align::Left) {
  TextStyle style;
  style.size = size;
  style.colour = colour;
  style.bold = bold;
  style.align = align;
  return style;
}

// A sunken place for a button's label (as on the menu panel).
void Slot(const Image& image, int x, int y, int width, int height) {
  paint::Gradient(image, x, y, width, height, {62, 76, 46}, {36, 44, 28});
  paint::Bevel(image, x, y, width, height, {128, 146, 96}, {18, 22, 12});
}

// A triangle pointing up (or down) with its tip at (cx, tipY).
void Arrow(const Image& image, int cx, int tipY, int height, bool up, Rgb colour) {
  for (int row = 0; row < height; ++row) {
    const int y = up ? tipY + row : tipY - row;
    paint::Fill(image, cx - row, y, 2 * row + 1, 1, colour);
  }
}

void ScrollStrip(const Image& image, int y, int height, bool up) {
  paint::Gradient(image, 2, y, 518, height, {70, 84, 52}, {44, 54, 32});
  paint::Bevel(image, 2, y, 518, height, {128, 146, 96}, {18, 22, 12});
  const int tip = up ? y + 4 : y + height - 5;
  for (int cx : {60, 261, 462}) Arrow(image, cx, tip, 9, up, kPale);
}

Image PlayerControls() {
  Image image = paint::NewImage(522, 230, kOliveDark);
  paint::Bevel(image, 0, 0, 522, 230, kPanelLight, kPanelDark);
  ScrollStrip(image, 1, 17, true);
  ScrollStrip(image, 212, 17, false);
  // The text box: rows start 21 pixels down and run to the lower strip.
  paint::Fill(image, 4, 20, 514, 191, {20, 24, 16});
  paint::Frame(image, 4, 20, 514, 191, {70, 84, 52});
  return image;
}

// A volume's - box, bar track and + box; the game's bar fills the track from x 18 (up to 151 long).
void VolumeRow(const Image& image, int y) {
  paint::Fill(image, 1, y, 16, 16, {70, 84, 52});
  paint::Bevel(image, 1, y, 16, 16, {128, 146, 96}, {18, 22, 12});
  paint::Fill(image, 4, y + 7, 10, 2, kPale);
  paint::Fill(image, 18, y, 151, 16, kTrack);
  paint::Frame(image, 18, y, 151, 16, {70, 84, 52});
  paint::Fill(image, 170, y, 14, 16, {70, 84, 52});
  paint::Bevel(image, 170, y, 14, 16, {128, 146, 96}, {18, 22, 12});
  paint::Fill(image, 172, y + 7, 10, 2, kPale);
  paint::Fill(image, 176, y + 3, 2, 10, kPale);
}

Image SoundBars() {
  Image image = paint::NewImage(185, 125, kOliveDark);
  paint::Bevel(image, 0, 0, 185, 125, kPanelLight, kPanelDark);
  Slot(image, 2, 3, 180, 23);
  VolumeRow(image, 53);
  VolumeRow(image, 103);
  return image;
}

// Ten sunken rows, one per save slot: the screen writes the slot's label 3 pixels into its row.
Image SlotPanel() {
  Image image = paint::NewImage(228, 246, kOliveDark);
  paint::Bevel(image, 0, 0, 228, 246, kPanelLight, kPanelDark);
  for (int slot = 0; slot < 10; ++slot) {
    const int y = 2 + 25 * slot;
    Slot(image, 3, y, 222, slot == 9 ? 246 - 2 - y : 22);
  }
  return image;
}

Image SlotStrip() {
  Image image = paint::NewImage(229, 23, kOliveDark);
  paint::Bevel(image, 0, 0, 229, 23, kPanelLight, kPanelDark);
  Slot(image, 2, 1, 225, 21);
  return image;
}

// The red cross of the medic's armband, on a white disc.
void MedicEmblem(const Image& image, int cx, int cy, int radius) {
  paint::Disc(image, cx, cy, radius + 3, {30, 30, 30});
  paint::Disc(image, cx, cy, radius, {240, 240, 232});
  const int arm = radius * 2 / 3, half = radius / 5;
  paint::Fill(image, cx - arm, cy - half, 2 * arm + 1, 2 * half + 1, {196, 28, 32});
  paint::Fill(image, cx - half, cy - arm, 2 * half + 1, 2 * arm + 1, {196, 28, 32});
}

Image Finish() {
  Image image = paint::NewImage(640, 480, {40, 46, 30});
  paint::Gradient(image, 0, 0, 640, 480, {24, 30, 20}, {70, 66, 42});
  paint::Speckle(image, 0, 0, 640, 480, 4, 7u);
  paint::Label(image, 320, 12, "SERVICE RECORD", Style(22, {236, 222, 160}, true, Align::Centre));
  paint::Line(image, 60, 46, 580, 46, {150, 140, 90});
  // The case the ribbons hang in, under the badges' row.
  paint::Fill(image, 10, 178, 620, 140, {28, 32, 22});
  paint::Bevel(image, 10, 178, 620, 140, {12, 14, 8}, {110, 120, 80});
  paint::Label(image, 350, 356, "CAMPAIGN SCORE", Style(14, kPale, true, Align::Right));
  MedicEmblem(image, 90, 410, 36);
  Slot(image, 425, 413, 174, 26);
  Slot(image, 425, 438, 174, 26);
  return image;
}

// A hanging medal: the ribbon's drape, a ring, and the medal below, on the cut-out colour.
Image FinalRibbon(int n) {
  static constexpr Rgb kMetals[8] = {{212, 175, 55}, {176, 120, 60}, {200, 200, 208}, {200, 200, 208},
                                     {212, 175, 55}, {176, 120, 60}, {120, 50, 140},  {176, 120, 60}};
  const Rgb* const pattern = kRibbonPatterns[n];
  Image image = paint::NewImage(80, 124, kKey);
  paint::Fill(image, 12, 0, 56, 44, pattern[0]);
  paint::Fill(image, 22, 0, 36, 44, pattern[1]);
  paint::Fill(image, 34, 0, 12, 44, pattern[2]);
  paint::Frame(image, 12, 0, 56, 44, {20, 20, 20});
  paint::Disc(image, 40, 50, 5, kGold);
  paint::Disc(image, 40, 50, 2, {20, 20, 20});
  const Rgb metal = kMetals[n];
  if (n % 2 == 0) {
    paint::Disc(image, 40, 88, 28, {40, 34, 20});
    paint::Disc(image, 40, 88, 26, metal);
    paint::Disc(image, 40, 88, 16, {metal.r * 3 / 4, metal.g * 3 / 4, metal.b * 3 / 4});
  } else {
    // A cross: two bars and a centre boss.
    paint::Fill(image, 14, 78, 52, 20, metal);
    paint::Fill(image, 30, 58, 20, 60, metal);
    paint::Frame(image, 14, 78, 52, 20, {40, 34, 20});
    paint::Frame(image, 30, 58, 20, 60, {40, 34, 20});
    paint::Disc(image, 40, 88, 9, {metal.r * 3 / 4, metal.g * 3 / 4, metal.b * 3 / 4});
  }
  // The number of the award in the centre tells the medals apart at a glance.
  paint::Label(image, 40, 81, std::to_string(n), Style(9, {20, 20, 20}, true, Align::Centre));
  return image;
}

// The combat badge: a wreath around a stretcher bar with the medic's cross.
Image CombatBadge() {
  Image image = paint::NewImage(160, 70, kKey);
  for (int i = 0; i < 9; ++i) {
    paint::Disc(image, 20 + i * 15, 60 - (i < 5 ? i : 8 - i) * 2, 5, {90, 120, 60});
  }
  paint::Fill(image, 10, 26, 140, 16, {200, 204, 210});
  paint::Frame(image, 10, 26, 140, 16, {60, 64, 70});
  MedicEmblem(image, 80, 30, 20);
  return image;
}

// The expert field medical badge: a silver shield with the cross.
Image ExpertBadge() {
  Image image = paint::NewImage(150, 66, kKey);
  paint::Gradient(image, 30, 2, 90, 50, {220, 224, 230}, {130, 134, 142});
  for (int row = 0; row < 12; ++row) paint::Fill(image, 30 + row * 4, 52 + row, 90 - row * 8, 1, {130, 134, 142});
  paint::Frame(image, 30, 2, 90, 50, {60, 64, 70});
  MedicEmblem(image, 75, 28, 16);
  return image;
}

// The special forces tab: gold letters on a dark arc.
Image ForcesTab() {
  Image image = paint::NewImage(170, 34, kKey);
  paint::Fill(image, 4, 4, 162, 26, {24, 26, 22});
  paint::Frame(image, 4, 4, 162, 26, {200, 170, 60});
  paint::Label(image, 85, 9, "SPECIAL FORCES", Style(11, {230, 190, 40}, true, Align::Centre));
  return image;
}

}  // namespace

void WriteFrontEndMenuImages(DataTree& tree) {
  Save(tree, "images\\playerControl.qpg", PlayerControls());
  Save(tree, "images\\soundbars.qjp", SoundBars());
  Save(tree, "images\\load.qjp", SlotPanel());
  Save(tree, "images\\load2.qjp", SlotStrip());
  Save(tree, "images\\finish-screen.qjp", Finish());
  for (int i = 0; i < 8; ++i) Save(tree, "images\\finalMedals\\ribbon" + std::to_string(i) + ".qpg", FinalRibbon(i));
  Save(tree, "images\\finalMedals\\badge0.qpg", CombatBadge());
  Save(tree, "images\\finalMedals\\badge1.qpg", ExpertBadge());
  Save(tree, "images\\finalMedals\\badge2.qpg", ForcesTab());
}

}  // namespace assetgen
