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
#include "tools/assetgen/label_plates.h"
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

// A design-space column on the strip.
int StripX(int designX) { return designX * 640 / 634; }

void Plate(const Image& image, int x, int y, int width, int height) {
  paint::Fill(image, x, y, width, height, kPlate);
  paint::Bevel(image, x, y, width, height, kPanelDark, kPanelLight);
}

// A plate given in screen pixels.
void Plate(const Image& image, const plates::Box& b) { Plate(image, b.x, b.y - kStripTop, b.width, b.height); }

// The weapon pictures keep to the plate's top rows (plates::kHudIconRows): the counts go beneath them.
void Pistol(const Image& image, int x, int y) {
  const Rgb metal{170, 174, 178};
  paint::Fill(image, x + 8, y + 3, 24, 5, metal);
  paint::Fill(image, x + 10, y + 8, 6, 8, metal);
  paint::Fill(image, x + 17, y + 8, 4, 3, {120, 124, 128});
}

void Rifle(const Image& image, int x, int y) {
  const Rgb metal{170, 174, 178};
  const Rgb stock{120, 92, 60};
  paint::Fill(image, x + 3, y + 5, 12, 6, stock);
  paint::Fill(image, x + 15, y + 4, 20, 5, metal);
  paint::Fill(image, x + 35, y + 5, 8, 2, metal);
  paint::Fill(image, x + 20, y + 9, 4, 7, metal);
  paint::Fill(image, x + 27, y + 9, 3, 5, {120, 124, 128});
}

void Grenade(const Image& image, int x, int y) {
  paint::Disc(image, x + 21, y + 10, 6, {84, 100, 62});
  paint::Line(image, x + 16, y + 10, x + 26, y + 10, {60, 72, 44});
  paint::Fill(image, x + 18, y + 2, 7, 3, {150, 150, 140});
  paint::Line(image, x + 25, y + 3, x + 30, y + 8, {150, 150, 140});
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
  // Time, the medic's condition and the score, one plate beneath the map.
  Plate(image, plates::kHudStatusColumn);
  // MENU and MOVE TEAM; VIEW PATIENT and DRAG PATIENT: each plate covers its button and its label.
  for (const plates::Box& b : {plates::kHudMenu, plates::kHudMoveTeam, plates::kHudViewPatient, plates::kHudDragPatient})
    Plate(image, b);
  // The three weapons.
  for (const plates::Box& b : {plates::kHudPistol, plates::kHudRifle, plates::kHudGrenade}) Plate(image, b);
  Pistol(image, plates::kHudPistol.x, plates::kHudPistol.y - kStripTop);
  Rifle(image, plates::kHudRifle.x, plates::kHudRifle.y - kStripTop);
  Grenade(image, plates::kHudGrenade.x, plates::kHudGrenade.y - kStripTop);
  // Ready for EVAC, Return to Action and Call for Support.
  for (const plates::Box& b : {plates::kHudReadyForEvac, plates::kHudReturnToAction, plates::kHudCallForSupport})
    Plate(image, b);
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
