#include "tools/assetgen/tool_pictures.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace assetgen {

namespace {

using paint::Rgb;

constexpr Rgb kSteel{176, 182, 188};
constexpr Rgb kDarkSteel{86, 92, 98};
constexpr Rgb kGunmetal{46, 50, 54};
constexpr Rgb kOliveDrab{86, 98, 54};
constexpr Rgb kWhite{236, 236, 228};
constexpr Rgb kGauze{222, 214, 196};
constexpr Rgb kRed{196, 32, 32};
constexpr Rgb kBlack{20, 20, 20};
constexpr Rgb kRubber{60, 60, 66};
constexpr Rgb kClear{170, 210, 224};
constexpr Rgb kLatex{120, 170, 220};
constexpr Rgb kSkin{214, 170, 132};
constexpr Rgb kSilver{200, 204, 210};
constexpr Rgb kAmber{224, 168, 60};

struct KeyLook {
  const char* key;
  ToolPicture picture;
  Rgb accent;
};

// Every key of the tool table, lower case.
constexpr KeyLook kLooks[] = {
    {"grenade", ToolPicture::Grenade, kOliveDrab},
    {"m4_carbine", ToolPicture::Rifle, kGunmetal},
    {"pistol", ToolPicture::Pistol, kGunmetal},
    {"radio", ToolPicture::Radio, kOliveDrab},
    {"stethoscope", ToolPicture::Stethoscope, kBlack},
    {"tourniquet", ToolPicture::Tourniquet, kBlack},
    {"pulseox", ToolPicture::PulseOx, {60, 200, 90}},
    {"examine_cu", ToolPicture::Glove, kLatex},
    {"cravat", ToolPicture::Cravat, {150, 140, 100}},
    {"rigidsplint", ToolPicture::Splint, {220, 120, 40}},
    {"bandage", ToolPicture::Bandage, kGauze},
    {"medicinesyringe", ToolPicture::Syringe, kClear},
    {"vial_b", ToolPicture::Vial, {40, 80, 210}},
    {"vial_c", ToolPicture::Vial, {40, 190, 200}},
    {"vial_p", ToolPicture::Vial, {150, 60, 190}},
    {"vial_y", ToolPicture::Vial, {230, 210, 40}},
    {"vial_o", ToolPicture::Vial, {240, 130, 30}},
    {"vial_r", ToolPicture::Vial, {210, 40, 40}},
    {"scissors", ToolPicture::Scissors, kSteel},
    {"hespan", ToolPicture::IvBag, kClear},
    {"chestcatheter", ToolPicture::Catheter, kSteel},
    {"nasalairways", ToolPicture::NasalAirway, {200, 150, 110}},
    {"ettube", ToolPicture::TubeKit, kClear},
    {"gel", ToolPicture::Gel, {90, 160, 220}},
    {"laryngoscope", ToolPicture::Laryngoscope, kSteel},
    {"fastcrich", ToolPicture::TubeKit, kClear},
    {"sponge", ToolPicture::Sponge, {236, 214, 120}},
    {"scalpel", ToolPicture::Scalpel, kSteel},
    {"bagvalve", ToolPicture::BagValve, {60, 110, 200}},
    {"action", ToolPicture::Hand, kSkin},
    {"occlusivedressing", ToolPicture::Dressing, kWhite},
    {"penlight", ToolPicture::Penlight, kAmber},
    {"oralhydrationmed", ToolPicture::Powder, {90, 170, 230}},
    {"irrigationsyringe", ToolPicture::IrrigationSyringe, kClear},
    {"minorkit", ToolPicture::SurgeryKit, kOliveDrab},
    {"survivalsaw", ToolPicture::Saw, kSteel},
    {"burnblanket", ToolPicture::Blanket, kSilver},
};

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

Rgb Darker(Rgb c) { return {c.r * 3 / 5, c.g * 3 / 5, c.b * 3 / 5}; }

// Coordinates in a 100 x 100 drawing space mapped onto the rectangle.
class Canvas {
 public:
  Canvas(const paint::Image& image, int x, int y, int width, int height)
      : image_(image), x_(x), y_(y), w_(width), h_(height) {}

  int X(int u) const { return x_ + u * w_ / 100; }
  int Y(int v) const { return y_ + v * h_ / 100; }
  int W(int u) const { return std::max(1, u * w_ / 100); }
  int H(int v) const { return std::max(1, v * h_ / 100); }

  void Box(int u, int v, int du, int dv, Rgb colour) const { paint::Fill(image_, X(u), Y(v), W(du), H(dv), colour); }
  void Outline(int u, int v, int du, int dv, Rgb colour) const {
    paint::Frame(image_, X(u), Y(v), W(du), H(dv), colour);
  }
  void Segment(int u1, int v1, int u2, int v2, Rgb colour, int thickness = 1) const {
    for (int t = 0; t < thickness; ++t) paint::Line(image_, X(u1) + t, Y(v1), X(u2) + t, Y(v2), colour);
  }
  // A disc whose radius is a share of the rectangle's smaller side.
  void Round(int u, int v, int r, Rgb colour) const {
    paint::Disc(image_, X(u), Y(v), std::max(1, r * std::min(w_, h_) / 100), colour);
  }

 private:
  const paint::Image& image_;
  int x_, y_, w_, h_;
};

void DrawSyringe(const Canvas& c, Rgb barrel, bool large) {
  const int top = large ? 30 : 38, height = large ? 30 : 22;
  c.Box(12, top + height / 2 - 2, 10, 4, kDarkSteel);  // plunger handle
  c.Box(22, top + height / 2 - 1, 12, 3, kDarkSteel);  // plunger rod
  c.Box(34, top, 40, height, barrel);
  c.Outline(34, top, 40, height, kDarkSteel);
  for (int u = 40; u < 74; u += 8) c.Box(u, top, 1, height / 3, kDarkSteel);
  c.Box(74, top + height / 2 - 2, 6, 5, kDarkSteel);
  c.Segment(80, top + height / 2, 96, top + height / 2, kSteel);
}

}  // namespace

ToolLook LookOfKey(const std::string& key) {
  const std::string lower = Lower(key);
  for (const KeyLook& look : kLooks)
    if (lower == look.key) return {look.picture, look.accent};
  throw std::runtime_error("no picture for tool key \"" + key + "\"");
}

void DrawToolPicture(const paint::Image& image, int x, int y, int width, int height, const ToolLook& look) {
  const Canvas c(image, x, y, width, height);
  const Rgb a = look.accent;
  switch (look.picture) {
    case ToolPicture::Grenade:
      c.Round(50, 58, 30, a);
      c.Box(42, 18, 16, 12, kDarkSteel);
      c.Segment(58, 22, 74, 50, kDarkSteel, 2);
      c.Round(34, 20, 6, kSteel);
      break;
    case ToolPicture::Rifle:
      c.Box(6, 40, 60, 10, a);
      c.Box(66, 44, 28, 4, kDarkSteel);
      c.Box(40, 50, 8, 24, a);
      c.Box(6, 50, 14, 16, a);
      c.Box(30, 34, 16, 6, kBlack);
      break;
    case ToolPicture::Pistol:
      c.Box(20, 36, 62, 14, a);
      c.Box(24, 50, 16, 30, a);
      c.Box(42, 50, 8, 10, kDarkSteel);
      break;
    case ToolPicture::Radio:
      c.Box(24, 30, 52, 60, a);
      c.Outline(24, 30, 52, 60, kBlack);
      c.Segment(64, 30, 70, 6, kBlack, 2);
      for (int v = 40; v < 70; v += 8) c.Box(32, v, 36, 3, kBlack);
      break;
    case ToolPicture::Stethoscope:
      c.Segment(24, 10, 30, 46, a, 2);
      c.Segment(76, 10, 70, 46, a, 2);
      c.Segment(30, 46, 50, 62, a, 2);
      c.Segment(70, 46, 50, 62, a, 2);
      c.Segment(50, 62, 50, 74, a, 2);
      c.Round(50, 82, 12, kSteel);
      c.Round(50, 82, 6, kDarkSteel);
      break;
    case ToolPicture::Tourniquet:
      c.Box(8, 44, 84, 12, a);
      c.Box(40, 36, 20, 28, kSteel);
      c.Outline(40, 36, 20, 28, kDarkSteel);
      c.Segment(46, 30, 54, 70, kRed, 2);
      break;
    case ToolPicture::PulseOx:
      c.Box(18, 20, 64, 60, kGunmetal);
      c.Box(26, 28, 48, 24, kBlack);
      c.Box(30, 34, 12, 12, a);
      c.Box(46, 34, 12, 12, a);
      c.Round(36, 66, 6, kRed);
      c.Round(64, 66, 6, kSteel);
      break;
    case ToolPicture::Glove:
    case ToolPicture::Hand: {
      c.Box(26, 46, 48, 40, a);
      for (int f = 0; f < 4; ++f) c.Box(26 + f * 12, 12 + (f == 0 || f == 3 ? 10 : 0), 10, 36, a);
      c.Box(10, 44, 16, 10, a);
      if (look.picture == ToolPicture::Glove) c.Box(26, 80, 48, 8, Darker(a));
      c.Outline(26, 46, 48, 40, Darker(a));
      break;
    }
    case ToolPicture::Cravat:
      for (int v = 0; v < 50; ++v) c.Box(50 - v, 30 + v, 2 * v, 1, a);
      c.Segment(0, 30, 100, 30, Darker(a));
      break;
    case ToolPicture::Splint:
      c.Box(14, 20, 72, 60, a);
      c.Outline(14, 20, 72, 60, Darker(a));
      for (int u = 22; u < 80; u += 14) c.Round(u + 4, 50, 4, Darker(a));
      break;
    case ToolPicture::Bandage:
      c.Round(42, 50, 34, a);
      c.Round(42, 50, 12, Darker(a));
      c.Box(42, 72, 50, 12, a);
      break;
    case ToolPicture::Syringe:
      DrawSyringe(c, a, false);
      break;
    case ToolPicture::IrrigationSyringe:
      DrawSyringe(c, a, true);
      break;
    case ToolPicture::Vial:
      c.Box(22, 30, 56, 60, kClear);
      c.Outline(22, 30, 56, 60, kDarkSteel);
      c.Box(30, 14, 40, 16, a);
      c.Box(22, 56, 56, 20, a);
      break;
    case ToolPicture::Scissors:
      c.Segment(20, 16, 80, 70, a, 2);
      c.Segment(80, 16, 20, 70, a, 2);
      c.Round(18, 80, 12, kBlack);
      c.Round(82, 80, 12, kBlack);
      c.Round(18, 80, 6, a);
      c.Round(82, 80, 6, a);
      break;
    case ToolPicture::IvBag:
      c.Box(24, 10, 52, 56, a);
      c.Outline(24, 10, 52, 56, kDarkSteel);
      c.Box(30, 30, 40, 20, kWhite);
      c.Box(46, 66, 8, 8, kDarkSteel);
      c.Segment(50, 74, 50, 96, kDarkSteel);
      break;
    case ToolPicture::Catheter:
      c.Segment(8, 50, 70, 50, a, 2);
      c.Box(70, 38, 14, 24, kRed);
      c.Box(84, 46, 12, 8, kDarkSteel);
      break;
    case ToolPicture::NasalAirway:
      c.Segment(30, 14, 40, 60, a, 3);
      c.Segment(40, 60, 66, 86, a, 3);
      c.Round(30, 14, 10, Darker(a));
      break;
    case ToolPicture::BagValve:
      c.Round(40, 44, 30, a);
      c.Box(66, 38, 14, 12, kRubber);
      c.Round(86, 44, 12, kClear);
      c.Outline(74, 32, 24, 24, kRubber);
      break;
    case ToolPicture::TubeKit:
      c.Box(10, 14, 80, 72, kOliveDrab);
      c.Outline(10, 14, 80, 72, kBlack);
      c.Segment(24, 30, 76, 70, a, 3);
      c.Box(44, 8, 12, 8, kBlack);
      break;
    case ToolPicture::Gel:
      c.Box(30, 22, 40, 62, a);
      c.Box(40, 10, 20, 12, kWhite);
      c.Box(30, 84, 40, 6, Darker(a));
      break;
    case ToolPicture::Laryngoscope:
      c.Box(56, 20, 18, 66, kDarkSteel);
      c.Segment(56, 20, 14, 44, a, 4);
      c.Round(14, 44, 5, kAmber);
      break;
    case ToolPicture::Sponge:
      c.Box(16, 28, 68, 46, a);
      for (int u = 22; u < 80; u += 10)
        for (int v = 34; v < 70; v += 10) c.Round(u, v, 2, Darker(a));
      break;
    case ToolPicture::Scalpel:
      c.Box(40, 46, 56, 10, kDarkSteel);
      for (int v = 0; v < 12; ++v) c.Box(8 + v * 2, 46 - v / 2, 32 - v * 2, 1, a);
      c.Box(8, 46, 32, 6, a);
      break;
    case ToolPicture::Dressing:
      c.Box(14, 14, 72, 72, a);
      c.Outline(14, 14, 72, 72, kDarkSteel);
      c.Box(30, 30, 40, 40, kGauze);
      break;
    case ToolPicture::Penlight:
      c.Box(14, 42, 64, 14, a);
      c.Box(78, 40, 10, 18, kSteel);
      c.Box(26, 36, 4, 6, kDarkSteel);
      c.Segment(88, 48, 99, 40, {255, 250, 170});
      c.Segment(88, 50, 99, 58, {255, 250, 170});
      break;
    case ToolPicture::Powder:
      c.Box(22, 16, 56, 70, a);
      c.Box(22, 16, 56, 10, Darker(a));
      c.Box(34, 40, 32, 24, kWhite);
      break;
    case ToolPicture::SurgeryKit:
      c.Box(8, 24, 84, 56, a);
      c.Outline(8, 24, 84, 56, kBlack);
      c.Box(44, 36, 12, 32, kRed);
      c.Box(34, 46, 32, 12, kRed);
      break;
    case ToolPicture::Saw:
      c.Round(16, 50, 12, kOliveDrab);
      c.Round(84, 50, 12, kOliveDrab);
      c.Round(16, 50, 6, {0, 0, 0});
      c.Round(84, 50, 6, {0, 0, 0});
      for (int u = 26; u < 74; u += 6) c.Segment(u, 46, u + 3, 54, a);
      c.Segment(26, 50, 74, 50, a);
      break;
    case ToolPicture::Blanket:
      c.Box(10, 30, 80, 44, a);
      c.Box(10, 44, 80, 4, Darker(a));
      c.Box(10, 60, 80, 4, Darker(a));
      c.Outline(10, 30, 80, 44, kDarkSteel);
      break;
  }
}

}  // namespace assetgen
