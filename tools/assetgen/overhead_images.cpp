// The overhead view's own pictures: the head-up display strip along the bottom of the screen, and the
// picture shown when the mission clock runs out.
//
// The strip is 640 x 125 and drawn 1:1 at the bottom of a 640 x 480 screen, so its pixel row y is screen
// row 355 + y. Its plates sit under the hot-spots and labels the overhead view puts there (a 634 x 455
// design space scaled to the screen); red is transparent, so the battlefield shows above the panel and
// through the mini-map's corner.
#include <cmath>
#include <string>

#include "tools/assetgen/canonical_path.h"
#include "tools/assetgen/image_paint.h"
#include "tools/assetgen/mission_generators.h"

namespace assetgen {

namespace {

using paint::Image;
using paint::Rgb;

constexpr int kStripWidth = 640, kStripHeight = 125;
constexpr int kStripTop = 480 - kStripHeight;
constexpr Rgb kKey{255, 0, 0};
constexpr Rgb kPanel{58, 64, 48};
constexpr Rgb kPanelLight{104, 112, 88};
constexpr Rgb kPanelDark{26, 30, 22};
constexpr Rgb kPlate{40, 46, 34};

// A design-space point on the strip.
int StripX(int designX) { return designX * 640 / 634; }
int StripY(int designY) { return designY * 480 / 455 - kStripTop; }

void Plate(const Image& image, int x, int y, int width, int height) {
  paint::Fill(image, x, y, width, height, kPlate);
  paint::Bevel(image, x, y, width, height, kPanelDark, kPanelLight);
}

void Pistol(const Image& image, int x, int y) {
  const Rgb metal{170, 174, 178};
  paint::Fill(image, x + 8, y + 16, 24, 6, metal);
  paint::Fill(image, x + 10, y + 22, 7, 14, metal);
  paint::Fill(image, x + 18, y + 22, 4, 4, {120, 124, 128});
}

void Rifle(const Image& image, int x, int y) {
  const Rgb metal{170, 174, 178};
  const Rgb stock{120, 92, 60};
  paint::Fill(image, x + 3, y + 20, 12, 6, stock);
  paint::Fill(image, x + 15, y + 19, 20, 5, metal);
  paint::Fill(image, x + 35, y + 20, 8, 2, metal);
  paint::Fill(image, x + 20, y + 24, 4, 10, metal);
  paint::Fill(image, x + 27, y + 24, 3, 8, {120, 124, 128});
}

void Grenade(const Image& image, int x, int y) {
  paint::Disc(image, x + 20, y + 28, 9, {84, 100, 62});
  paint::Line(image, x + 13, y + 28, x + 27, y + 28, {60, 72, 44});
  paint::Fill(image, x + 17, y + 15, 7, 5, {150, 150, 140});
  paint::Line(image, x + 24, y + 16, x + 30, y + 22, {150, 150, 140});
}

Image HudStrip() {
  Image image = paint::NewImage(kStripWidth, kStripHeight, kKey);
  // The panel body, and the tab that rises around the mini-map.
  const int body = 50;
  paint::Gradient(image, 0, body, kStripWidth, kStripHeight - body, kPanel, {40, 44, 34});
  paint::Line(image, 0, body, kStripWidth - 1, body, kPanelLight);
  const int mapX = StripX(19), mapY = 480 * 345 / 455 - kStripTop;
  paint::Gradient(image, mapX - 9, mapY - 6, 64 + 18, body - mapY + 7, kPanel, kPanel);
  paint::Line(image, mapX - 9, mapY - 6, mapX + 64 + 8, mapY - 6, kPanelLight);
  paint::Line(image, mapX - 9, mapY - 6, mapX - 9, body, kPanelLight);
  paint::Line(image, mapX + 64 + 8, mapY - 6, mapX + 64 + 8, body, kPanelDark);
  // The mini-map's well: the map itself is drawn into it by the overhead view.
  paint::Fill(image, mapX - 2, mapY - 2, 68, 68, kPanelDark);
  paint::Fill(image, mapX, mapY, 64, 64, {20, 22, 18});
  // Time and score beneath the map.
  Plate(image, 14, StripY(410) - 3, 80, 18);
  Plate(image, 14, StripY(435) - 3, 80, 18);
  // MENU and MOVE TEAM; VIEW PATIENT and DRAG PATIENT.
  Plate(image, StripX(115), StripY(397), 70, 25);
  Plate(image, StripX(115), StripY(420), 70, 25);
  Plate(image, StripX(228), StripY(397), 120, 22);
  Plate(image, StripX(228), StripY(420), 120, 22);
  // The three weapons.
  const int weaponY = StripY(393);
  Plate(image, StripX(370), weaponY, 40, 48);
  Plate(image, StripX(410), weaponY, 45, 48);
  Plate(image, StripX(455), weaponY, 42, 48);
  Pistol(image, StripX(370), weaponY);
  Rifle(image, StripX(410), weaponY);
  Grenade(image, StripX(455), weaponY);
  // Ready for EVAC, Return to Action and Call for Support.
  for (int designY : {393, 410, 427}) Plate(image, StripX(520), StripY(designY) - 1, 110, 17);
  paint::Line(image, 0, kStripHeight - 1, kStripWidth - 1, kStripHeight - 1, kPanelDark);
  return image;
}

Image TimeUp() {
  Image image = paint::NewImage(640, 480, {0, 0, 0});
  paint::Gradient(image, 0, 0, 640, 480, {58, 40, 28}, {12, 10, 8});
  // A stopwatch run out.
  paint::Disc(image, 320, 190, 92, {200, 196, 184});
  paint::Disc(image, 320, 190, 84, {238, 234, 220});
  paint::Fill(image, 308, 82, 24, 16, {200, 196, 184});
  for (int tick = 0; tick < 12; ++tick) {
    const double a = tick * 3.14159265 / 6;
    paint::Line(image, 320 + static_cast<int>(70 * std::sin(a)), 190 - static_cast<int>(70 * std::cos(a)),
                320 + static_cast<int>(80 * std::sin(a)), 190 - static_cast<int>(80 * std::cos(a)), {60, 56, 50});
  }
  paint::Line(image, 320, 190, 320, 122, {40, 36, 32});
  paint::Line(image, 321, 190, 321, 122, {40, 36, 32});
  paint::Disc(image, 320, 190, 5, {200, 40, 30});
  paint::TextStyle title;
  title.size = 36;
  title.bold = true;
  title.colour = {236, 220, 150};
  title.align = paint::Align::Centre;
  paint::Label(image, 320, 310, "TIME UP", title);
  return image;
}

}  // namespace

void WriteOverheadImages(DataTree& tree) {
  tree.WritePng(CanonicalPath("images\\overhead.qpg"), *HudStrip());
  tree.WritePng(CanonicalPath("images\\time-up.qjp"), *TimeUp());
}

}  // namespace assetgen
