// The patient view's HUD pictures, drawn for a 640 x 480 screen. The medbar is keyed on red: its red
// windows let through what the view draws before it (the tray, its counts and the time bar), and the 3D
// view above it. The drawer is keyed on yellow.
#include <string>

#include "tools/assetgen/canonical_path.h"
#include "tools/assetgen/image_paint.h"
#include "tools/assetgen/patient_hud_generators.h"

namespace assetgen {

namespace {

using paint::Image;
using paint::Rgb;

constexpr Rgb kKeyRed{255, 0, 0};
constexpr Rgb kKeyYellow{255, 255, 0};
constexpr Rgb kPanelTop{70, 78, 52};
constexpr Rgb kPanelBottom{38, 44, 28};
constexpr Rgb kLight{118, 128, 92};
constexpr Rgb kDark{18, 22, 12};
constexpr Rgb kButton{52, 60, 40};
constexpr Rgb kInk{215, 225, 180};
constexpr Rgb kMetal{150, 150, 140};

// The medbar covers the screen below the HUD band's top edge.
constexpr int kMedbarWidth = 640;
constexpr int kMedbarHeight = 166;
constexpr int kMedbarTop = 480 - kMedbarHeight;

// Screen rectangles, moved into the medbar's own rows.
struct Box {
  int x, y, w, h;
};
Box Local(Box b) { return {b.x, b.y - kMedbarTop, b.w, b.h}; }

void Panel(const Image& image, Box b, Rgb fill) {
  const Box l = Local(b);
  paint::Fill(image, l.x, l.y, l.w, l.h, fill);
  paint::Bevel(image, l.x, l.y, l.w, l.h, kLight, kDark);
}

void Window(const Image& image, Box b) {
  const Box l = Local(b);
  paint::Fill(image, l.x, l.y, l.w, l.h, kKeyRed);
}

// An arrow filling the box, pointing left, right, up or down.
void Arrow(const Image& image, Box b, int dx, int dy) {
  Panel(image, b, kButton);
  const Box l = Local(b);
  const int cx = l.x + l.w / 2, cy = l.y + l.h / 2;
  for (int i = 0; i < 6; ++i) {
    if (dx != 0) paint::Line(image, cx + dx * (3 - i), cy - i, cx + dx * (3 - i), cy + i, kInk);
    if (dy != 0) paint::Line(image, cx - i, cy + dy * (3 - i), cx + i, cy + dy * (3 - i), kInk);
  }
}

void WeaponIcon(const Image& image, Box b, const std::string& name) {
  Panel(image, b, kButton);
  const Box l = Local(b);
  paint::Fill(image, l.x + 6, l.y + 14, l.w - 12, 6, kMetal);
  paint::Fill(image, l.x + 8, l.y + 20, 6, 10, kMetal);
  paint::TextStyle style;
  style.size = 7;
  style.colour = kInk;
  style.align = paint::Align::Centre;
  paint::Label(image, l.x + l.w / 2, l.y + l.h - 14, name, style);
}

Image Medbar() {
  Image bar = paint::NewImage(kMedbarWidth, kMedbarHeight, kPanelBottom);
  paint::Gradient(bar, 0, 0, kMedbarWidth, kMedbarHeight, kPanelTop, kPanelBottom);
  paint::Bevel(bar, 0, 0, kMedbarWidth, kMedbarHeight, kLight, kDark);
  // What shows through: the time bar, the tray with its counts.
  Window(bar, {114, 328, 70, 17});
  Window(bar, {368, 364, 242, 56});
  // The chart's arrows and the tray's, the weapons, the way back and the buttons under their labels.
  Arrow(bar, {337, 384, 18, 28}, 0, -1);
  Arrow(bar, {337, 413, 18, 28}, 0, 1);
  Arrow(bar, {366, 369, 18, 28}, -1, 0);
  Arrow(bar, {611, 369, 18, 28}, 1, 0);
  WeaponIcon(bar, {374, 421, 38, 46}, "PISTOL");
  WeaponIcon(bar, {414, 421, 43, 46}, "RIFLE");
  WeaponIcon(bar, {460, 421, 40, 46}, "GREN");
  Panel(bar, {30, 342, 50, 50}, kButton);
  const Box back = Local({30, 342, 50, 50});
  paint::Frame(bar, back.x + 10, back.y + 10, 30, 30, kInk);
  paint::Line(bar, back.x + 10, back.y + 25, back.x + 40, back.y + 25, kInk);
  paint::Line(bar, back.x + 25, back.y + 10, back.x + 25, back.y + 40, kInk);
  for (const Box& b : {Box{352, 329, 70, 16}, Box{450, 329, 50, 16}, Box{532, 329, 70, 18}, Box{520, 420, 100, 16},
                       Box{520, 437, 100, 16}, Box{520, 455, 100, 16}})
    Panel(bar, b, kButton);
  return bar;
}

Image Drawer() {
  constexpr int kWidth = 160, kHeight = 51;
  Image drawer = paint::NewImage(kWidth, kHeight, kKeyYellow);
  paint::Gradient(drawer, 6, 0, kWidth - 6, kHeight, kPanelTop, kPanelBottom);
  paint::Bevel(drawer, 6, 0, kWidth - 6, kHeight, kLight, kDark);
  return drawer;
}

Image Skull() {
  constexpr int kSide = 12;
  Image skull = paint::NewImage(kSide, kSide, {0, 0, 0});
  paint::Disc(skull, 6, 4, 4, {235, 235, 225});
  paint::Fill(skull, 4, 7, 5, 2, {235, 235, 225});
  paint::Fill(skull, 4, 3, 2, 2, {0, 0, 0});
  paint::Fill(skull, 7, 3, 2, 2, {0, 0, 0});
  paint::Line(skull, 0, 9, 11, 11, {235, 235, 225});
  paint::Line(skull, 0, 11, 11, 9, {235, 235, 225});
  return skull;
}

}  // namespace

void WritePatientHudImages(DataTree& tree) {
  tree.WritePng(CanonicalPath("images\\tools\\medbar.qpg"), *Medbar());
  tree.WritePng(CanonicalPath("patient\\treatment\\subtray.qpg"), *Drawer());
  tree.WritePng(CanonicalPath("images\\tools\\skull-n-xbones.qjp"), *Skull());
}

}  // namespace assetgen
