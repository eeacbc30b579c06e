// The pictures of the briefing, the debriefing and player select: the two backdrops with a red window where
// the officer's head shows through, the masks that frame the head (red inside, a name plate below), the
// weather icons, the player-select backdrop with its figure window, arrows and the panel of medals to win,
// and the three figures' stats cards. Panels sit where the screens draw their text and register their buttons.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "tools/assetgen/frontend_generators.h"
#include "tools/assetgen/label_plates.h"
#include "tools/assetgen/medal_patterns.h"
#include "tools/assetgen/screen_pictures.h"

namespace assetgen {

namespace {

using paint::Align;
using paint::Arrowhead;
using paint::Backdrop;
using paint::ButtonSlot;
using paint::Image;
using paint::Rgb;
using paint::SavePicture;
using paint::Style;

constexpr Rgb kKey{255, 0, 0};
constexpr Rgb kPale{235, 247, 195};
constexpr Rgb kGold{226, 206, 140};
constexpr Rgb kPanelLight{120, 134, 88};
constexpr Rgb kPanelDark{8, 10, 6};

// A sunken panel for text laid over it at run time.
void Panel(const Image& image, int x, int y, int width, int height) {
  paint::Gradient(image, x, y, width, height, {30, 36, 24}, {18, 22, 14});
  paint::Bevel(image, x, y, width, height, kPanelDark, kPanelLight);
}

void Panel(const Image& image, const plates::Box& b) { Panel(image, b.x, b.y, b.width, b.height); }

void SideTriangle(const Image& image, int tipX, int cy, int width, bool left, Rgb colour) {
  for (int col = 0; col < width; ++col)
    paint::Fill(image, left ? tipX + col : tipX - col, cy - col, 1, 2 * col + 1, colour);
}

// A scroll strip with arrows, over a text box.
void ScrollStrip(const Image& image, int x, int y, int width, int height, bool up) {
  ButtonSlot(image, x, y, width, height);
  const int tip = up ? y + 3 : y + height - 4;
  for (int cx : {x + width / 4, x + width / 2, x + 3 * width / 4}) Arrowhead(image, cx, tip, height - 6, up, kPale);
}

void TitleBand(const Image& image, int y, int height) {
  paint::Gradient(image, 0, y, 640, height, {44, 52, 34}, {26, 30, 20});
  paint::Line(image, 20, y + height - 1, 620, y + height - 1, {150, 140, 90});
}

void Ribbon(const Image& image, int k, int x, int y, bool dim) {
  const Rgb* const pattern = kRibbonPatterns[k];
  auto shade = [dim](Rgb c) { return dim ? Rgb{c.r / 3 + 20, c.g / 3 + 20, c.b / 3 + 20} : c; };
  paint::Fill(image, x, y, 49, 13, shade(pattern[0]));
  paint::Fill(image, x + 8, y, 33, 13, shade(pattern[1]));
  paint::Fill(image, x + 20, y, 9, 13, shade(pattern[2]));
  paint::Frame(image, x, y, 49, 13, {20, 20, 20});
}

// ---- the briefing (head window 222..397 x 80..305 on the screen) ----
Image BriefingBackdrop() {
  Image image = Backdrop({28, 34, 24}, {52, 58, 38}, 31);
  TitleBand(image, 0, 64);
  paint::Label(image, 20, 8, "OPERATIONS BRIEFING", Style(9, kGold, true));
  // Briefing text with its scroll strips, the head's window, the map and the weather.
  Panel(image, 46, 78, 178, 224);
  ScrollStrip(image, 50, 82, 166, 25, true);
  ScrollStrip(image, 50, 273, 166, 25, false);
  paint::Fill(image, 222, 80, 176, 226, kKey);
  paint::Frame(image, 410, 100, 170, 150, kPanelLight);
  paint::Label(image, 495, 84, "AREA OF OPERATIONS", Style(8, kGold, true, Align::Centre));
  Panel(image, 400, 258, 190, 67);
  // The player, his rank and his medals; the objectives.
  Panel(image, 236, 308, 156, 160);
  Panel(image, 44, 308, 186, 160);
  // The button column: START MISSION, LOAD BACKPACK, SAVE, BACK or QUIT, each plate wider than its label.
  Panel(image, plates::kBriefingButtonPanel);
  for (const plates::Box& b : {plates::kBriefingStartMission, plates::kBriefingLoadBackpack, plates::kBriefingSave,
                               plates::kBriefingBackOrQuit})
    ButtonSlot(image, b.x, b.y, b.width, b.height);
  return image;
}

// A mask that frames an officer's head: the red window the head shows through, his name plate below it.
Image HeadMask(int width, int height, Rgb back, int windowHeight, int plateInset, int plateY, int plateHeight) {
  Image image = paint::NewImage(width, height, back);
  paint::Bevel(image, 0, 0, width, height, kPanelLight, kPanelDark);
  paint::Fill(image, 8, 8, width - 16, windowHeight, kKey);
  const int plateWidth = width - 2 * plateInset;
  paint::Gradient(image, plateInset, plateY, plateWidth, plateHeight, {70, 62, 36}, {40, 34, 20});
  paint::Bevel(image, plateInset, plateY, plateWidth, plateHeight, {170, 150, 90}, {20, 16, 8});
  return image;
}

Image BriefingMask() { return HeadMask(175, 229, {40, 46, 30}, 176, 16, 188, 28); }

// ---- the debriefing (head window 389..607 x 82..310) ----
Image DebriefingBackdrop() {
  Image image = Backdrop({24, 28, 30}, {48, 52, 46}, 37);
  TitleBand(image, 0, 64);
  paint::Label(image, 20, 8, "AFTER ACTION REVIEW", Style(9, kGold, true));
  Panel(image, 46, 75, 342, 370);
  ScrollStrip(image, 50, 79, 333, 25, true);
  ScrollStrip(image, 50, 414, 333, 25, false);
  paint::Fill(image, 389, 82, 219, 229, kKey);
  // NEXT MISSION, REPLAY, SAVE, QUIT.
  Panel(image, 400, 322, 206, 112);
  for (int y : {331, 358, 384, 407}) ButtonSlot(image, 404, y, 198, 22);
  return image;
}

Image DebriefingMask() { return HeadMask(218, 228, {40, 44, 40}, 168, 24, 182, 30); }

// ---- weather: the picture on the left, room for the start time on the right ----
void Sun(const Image& image, int cx, int cy) {
  for (int i = 0; i < 8; ++i) {
    const double a = i * 3.14159265 / 4;
    paint::Line(image, cx + static_cast<int>(13 * std::cos(a)), cy + static_cast<int>(13 * std::sin(a)),
                cx + static_cast<int>(19 * std::cos(a)), cy + static_cast<int>(19 * std::sin(a)), {250, 210, 60});
  }
  paint::Disc(image, cx, cy, 10, {250, 220, 80});
}

void Cloud(const Image& image, int cx, int cy, Rgb colour) {
  paint::Disc(image, cx - 12, cy + 3, 9, colour);
  paint::Disc(image, cx, cy - 3, 12, colour);
  paint::Disc(image, cx + 13, cy + 3, 9, colour);
  paint::Fill(image, cx - 12, cy + 3, 25, 9, colour);
}

Image Weather(int kind) {
  static const char* const kNames[] = {"SUNNY", "WINDY", "PARTLY CLOUDY", "CLOUDY"};
  Image image = paint::NewImage(182, 59, {36, 48, 62});
  paint::Gradient(image, 0, 0, 182, 59, {70, 110, 160}, {36, 56, 84});
  paint::Bevel(image, 0, 0, 182, 59, {150, 170, 190}, {10, 14, 20});
  switch (kind) {
    case 0:
      Sun(image, 30, 26);
      break;
    case 1:
      for (int i = 0; i < 3; ++i) {
        const int y = 16 + 12 * i;
        paint::Line(image, 10, y, 46 - 6 * i, y, {230, 236, 240});
        paint::Line(image, 46 - 6 * i, y, 50 - 6 * i, y - 4, {230, 236, 240});
      }
      break;
    case 2:
      Sun(image, 24, 20);
      Cloud(image, 36, 30, {230, 232, 236});
      break;
    default:
      Cloud(image, 26, 22, {170, 174, 182});
      Cloud(image, 40, 32, {210, 212, 218});
      break;
  }
  paint::Label(image, 64, 8, kNames[kind], Style(8, kPale, true));
  paint::Label(image, 64, 24, "START", Style(7, {190, 200, 210}));
  // Where the start time is drawn (545 on the screen, 141 in here).
  paint::Fill(image, 112, 32, 58, 18, {20, 28, 40});
  return image;
}

// ---- player select (figure window 222..380 x 36..344) ----
Image PlayerSelectBackdrop() {
  Image image = Backdrop({30, 34, 26}, {56, 60, 40}, 41);
  paint::Label(image, 24, 8, "CHOOSE YOUR MEDIC", Style(12, kGold, true));
  Panel(image, 50, 90, 170, 270);
  ScrollStrip(image, 60, 94, 146, 12, true);
  ScrollStrip(image, 60, 348, 146, 12, false);
  paint::Fill(image, 222, 36, 158, 308, kKey);
  // The arrows under the figure.
  ButtonSlot(image, 262, 350, 52, 13);
  ButtonSlot(image, 317, 350, 52, 13);
  SideTriangle(image, 280, 356, 6, true, kPale);
  SideTriangle(image, 350, 356, 6, false, kPale);
  // The right panel: the medals to win and the stats card; the name's plate, centred on the name, reaches
  // over the panel's left edge, as the longest name is wider than the panel leaves room for.
  Panel(image, 396, 36, 230, 330);
  Panel(image, plates::kPlayerSelectNamePlate);
  Panel(image, 418, 138, 170, 80);
  for (int k = 0; k < 2; ++k) Ribbon(image, k, 451 + 49 * k, 161, true);
  for (int k = 2; k < 8; ++k) Ribbon(image, k, 427 + 49 * ((k - 2) % 3), 174 + 13 * ((k - 2) / 3), true);
  paint::Label(image, 503, 222, "Rest the pointer on a ribbon", Style(7, {180, 186, 150}, false, Align::Centre));
  for (int x : {90, 363}) ButtonSlot(image, x, 410, 180, 23);
  return image;
}

// Five bars of figures the three men differ in, out of ten.
Image StatsCard(int figure) {
  static const char* const kLabels[] = {"SPEED", "STRENGTH", "CARRY", "STAMINA", "NERVE"};
  static const int kValues[3][5] = {{6, 9, 10, 8, 7}, {7, 7, 9, 7, 9}, {10, 5, 8, 9, 8}};
  Image image = paint::NewImage(158, 115, {24, 28, 20});
  paint::Bevel(image, 0, 0, 158, 115, kPanelLight, kPanelDark);
  paint::Label(image, 79, 4, "SERVICE RECORD", Style(8, kGold, true, Align::Centre));
  for (int i = 0; i < 5; ++i) {
    const int y = 24 + 17 * i;
    paint::Label(image, 8, y, kLabels[i], Style(7, kPale));
    paint::Fill(image, 74, y + 2, 76, 9, {12, 14, 10});
    paint::Fill(image, 75, y + 3, 74 * kValues[figure][i] / 10, 7, {180, 160, 70});
  }
  return image;
}

}  // namespace

void WriteBriefingImages(DataTree& tree) {
  SavePicture(tree, "images\\briefingscreen.qjp", BriefingBackdrop());
  SavePicture(tree, "images\\briefmask.qpg", BriefingMask());
  SavePicture(tree, "images\\debriefing.qjp", DebriefingBackdrop());
  SavePicture(tree, "images\\debriefmask.qpg", DebriefingMask());
  const char* const weather[] = {"sunny", "windy", "ptcloudy", "cloudy"};
  for (int i = 0; i < 4; ++i) SavePicture(tree, std::string("images\\") + weather[i] + ".qpg", Weather(i));
  SavePicture(tree, "images\\playerselect.qjp", PlayerSelectBackdrop());
  for (int f = 0; f < 3; ++f)
    SavePicture(tree, "chars\\playerSelect\\stats" + std::to_string(f) + ".qpg", StatsCard(f));
}

}  // namespace assetgen
