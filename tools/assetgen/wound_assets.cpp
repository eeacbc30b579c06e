// The wound table's names and textures.
//
// Textures: the skin of the wounded part, by skin tone, with the wound painted on by kind (bullet holes,
// cuts, fragment wounds, bruises, burns, stumps...), read from the words of the texture's name.
#include "tools/assetgen/wound_assets.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <utility>

#include "casualty/wound_types.h"
#include "tools/assetgen/canonical_path.h"
#include "tools/assetgen/image_paint.h"
#include "tools/assetgen/synth.h"

namespace assetgen {

namespace {

using kestrine::BodyLocation;
using kestrine::kStepListExtentCount;
using kestrine::kStepListExtents;
using kestrine::kTextureChange;
using kestrine::TreatmentStep;
using kestrine::WoundType;
using kestrine::WoundTypeTable;
using paint::Image;
using paint::Rgb;

// ---- the names ----

// The finding the medic speaks: the action text after "<Tool> to <Place>:".
std::string SpokenWords(const TreatmentStep& step) {
  const char* colon = std::strchr(step.action, ':');
  std::string words = colon != nullptr ? colon + 1 : step.action;
  words.erase(0, words.find_first_not_of(' '));
  return words.empty() ? std::string(step.remark) : words;
}

// The part of him a patient complains about, in his words.
const char* HurtPart(BodyLocation location) {
  using namespace kestrine;
  if (location & LOC_HAND) return "hand";
  if (location & (LOC_ELBOW | LOC_UPPER_ARM | LOC_FOREARM | LOC_SHOULDER)) return "arm";
  if (location & (LOC_THIGH | LOC_CALF | LOC_KNEE)) return "leg";
  if (location & LOC_FOOT) return "foot";
  if (location & LOC_CHEST) return "chest";
  if (location & LOC_BACK) return "back";
  if (location & (LOC_ABDOMEN | LOC_HIP | LOC_BUTTOCK)) return "gut";
  if (location & LOC_NOSE) return "nose";
  if (location & LOC_EAR) return "ears";
  if (location & LOC_EYE) return "eyes";
  if (location & LOC_NECK) return "neck";
  if (location & (LOC_HEAD | LOC_MOUTH)) return "head";
  return "body";
}

uint32_t Hash(const std::string& text) {
  uint32_t h = 2166136261u;
  for (unsigned char c : text) h = (h ^ c) * 16777619u;
  return h;
}

// ---- the textures ----

struct SkinTone {
  const char* prefix;  // where the game looks for this skin's wound textures
  Rgb skin;
};
// Light and dark own soldiers and the enemy; the desert skins fall back to the woodland ones.
const SkinTone kSkins[] = {
    {"wlcamo\\white\\wounds\\", {222, 178, 146}},
    {"wlcamo\\black\\wounds\\b-", {116, 80, 58}},
    {"enemy\\wounds\\ar-", {178, 130, 94}},
};

Rgb Mix(Rgb a, Rgb b, double t) {
  auto m = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
  return {m(a.r, b.r), m(a.g, b.g), m(a.b, b.b)};
}

constexpr Rgb kBlood{120, 10, 12};
constexpr Rgb kDarkBlood{70, 4, 6};
constexpr Rgb kRaw{190, 50, 50};
constexpr Rgb kBone{232, 226, 204};
constexpr Rgb kBruise{92, 56, 110};
constexpr Rgb kChar{38, 30, 26};
constexpr Rgb kSoot{60, 56, 52};

class Painter {
 public:
  Painter(Image image, uint32_t seed) : image_(std::move(image)), noise_(seed) {}

  int Random(int lo, int hi) { return lo + static_cast<int>(noise_.Unit() * static_cast<float>(hi - lo)); }

  // A ragged patch: overlapping discs around a centre.
  void Blotch(int cx, int cy, int radius, Rgb colour) {
    for (int k = 0; k < 6; ++k) {
      const int r = std::max(1, radius * Random(55, 100) / 100);
      paint::Disc(image_, cx + Random(-radius / 2, radius / 2), cy + Random(-radius / 2, radius / 2), r, colour);
    }
  }
  void Trickle(int x, int y, int length, Rgb colour) {
    int px = x;
    for (int step = 0; step < length; step += 4) {
      const int nx = px + Random(-1, 2);
      paint::Line(image_, px, y + step, nx, y + step + 4, colour);
      paint::Line(image_, px + 1, y + step, nx + 1, y + step + 4, colour);
      px = nx;
    }
  }
  void Hole(int cx, int cy, int radius, Rgb skin) {
    paint::Disc(image_, cx, cy, radius * 2, Mix(skin, kBruise, 0.45));
    paint::Disc(image_, cx, cy, radius + 1, kBlood);
    paint::Disc(image_, cx, cy, radius - 1, kDarkBlood);
    Trickle(cx, cy + radius, Random(12, 30), kBlood);
  }
  // A gash: raw edges either side of a dark line, with a few drops running from it.
  void Cut(int x1, int y1, int x2, int y2) {
    paint::Line(image_, x1, y1 - 2, x2, y2 - 2, kRaw);
    paint::Line(image_, x1, y1 + 2, x2, y2 + 2, kRaw);
    paint::Line(image_, x1, y1 - 1, x2, y2 - 1, kBlood);
    paint::Line(image_, x1, y1 + 1, x2, y2 + 1, kBlood);
    paint::Line(image_, x1, y1, x2, y2, kDarkBlood);
    for (int drop = 0; drop < 2; ++drop) {
      const int at = Random(1, 9);
      Trickle(x1 + (x2 - x1) * at / 10, y1 + (y2 - y1) * at / 10 + 2, Random(4, 12), kBlood);
    }
  }
  Image& image() { return image_; }

 private:
  Image image_;
  synth::Noise noise_;
};

// Whether a word of the name (the parts between hyphens) is the given one.
bool Has(const std::string& name, const char* word) {
  size_t start = 0;
  while (start <= name.size()) {
    const size_t end = std::min(name.find('-', start), name.size());
    if (name.compare(start, end - start, word) == 0) return true;
    start = end + 1;
  }
  return false;
}

// The wound, by the words of its name.
void PaintWound(Painter& p, const std::string& name, Rgb skin) {
  constexpr int S = kWoundTextureSize;
  const int c = S / 2;
  if (name == "red") {
    // The placeholder patient's set: the skin washed red all over.
    paint::Fill(p.image(), 0, 0, S, S, Mix(skin, {200, 16, 16}, 0.7));
    return;
  }
  if (Has(name, "burn")) {
    for (int k = 0; k < 40; ++k) p.Blotch(p.Random(0, S), p.Random(0, S), p.Random(6, 16), Mix(skin, kRaw, 0.6));
    for (int k = 0; k < 25; ++k) p.Blotch(p.Random(0, S), p.Random(0, S), p.Random(3, 7), {236, 214, 190});
    for (int k = 0; k < 14; ++k) p.Blotch(p.Random(0, S), p.Random(0, S), p.Random(4, 10), kChar);
    return;
  }
  if (Has(name, "bruise") || Has(name, "crush") || Has(name, "fx")) {
    p.Blotch(c, c, S / 4, Mix(skin, {170, 150, 80}, 0.5));
    p.Blotch(c, c, S / 5, Mix(skin, kBruise, 0.6));
    p.Blotch(c, c, S / 8, Mix(skin, kBruise, 0.85));
  }
  if (Has(name, "crush")) {
    for (int k = 0; k < 10; ++k) p.Blotch(p.Random(c - 40, c + 40), p.Random(c - 40, c + 40), 5, kBlood);
  }
  if (Has(name, "fx")) {
    paint::Disc(p.image(), c, c, 7, kBlood);
    paint::Disc(p.image(), c, c - 2, 4, kBone);
    p.Trickle(c, c + 6, 30, kBlood);
  }
  if (Has(name, "gsw")) {
    p.Hole(c - 18, c - 10, 4, skin);
    p.Hole(c + 16, c + 14, 4, skin);
  }
  if (Has(name, "shrap")) {
    const int count = Has(name, "small") ? 3 : Has(name, "deep") ? 5 : 9;
    for (int k = 0; k < count; ++k) p.Hole(p.Random(20, S - 20), p.Random(20, S - 30), p.Random(2, 4), skin);
    if (Has(name, "deep") || Has(name, "groin") || Has(name, "upperarm")) p.Blotch(c, c + 20, 16, kBlood);
  }
  if (Has(name, "las") || Has(name, "blast")) {
    const int count = Has(name, "blast") ? 7 : 3;
    for (int k = 0; k < count; ++k) {
      const int x = p.Random(16, S - 56), y = p.Random(20, S - 30);
      p.Cut(x, y, x + p.Random(24, 44), y + p.Random(-12, 12));
    }
  }
  if (Has(name, "blast")) {
    for (int k = 0; k < 12; ++k) p.Blotch(p.Random(10, S - 10), p.Random(10, S - 10), p.Random(3, 8), kSoot);
  }
  if (Has(name, "amp")) {
    paint::Fill(p.image(), 0, S - 36, S, 36, kRaw);
    for (int k = 0; k < 8; ++k) p.Blotch(p.Random(0, S), S - p.Random(20, 44), 8, kBlood);
    paint::Disc(p.image(), c, S - 18, 10, kBone);
    paint::Disc(p.image(), c, S - 18, 4, {200, 160, 120});
  }
  if (Has(name, "impale") || Has(name, "rebar")) {
    p.Blotch(c, c, 26, kBlood);
    paint::Disc(p.image(), c, c, 10, kDarkBlood);
    p.Trickle(c - 6, c + 10, 40, kBlood);
  }
  if (Has(name, "stab")) {
    p.Blotch(c, c, 14, Mix(skin, kBlood, 0.5));
    p.Cut(c - 10, c - 4, c + 10, c + 4);
  }
  if (Has(name, "bite")) {
    p.Blotch(c, c, 30, Mix(skin, kRaw, 0.35));
    paint::Disc(p.image(), c - 8, c, 2, kDarkBlood);
    paint::Disc(p.image(), c + 8, c, 2, kDarkBlood);
  }
  if (Has(name, "intestine")) {
    for (int k = 0; k < 6; ++k) {
      const int x = c + p.Random(-30, 30), y = c + p.Random(-20, 30);
      paint::Disc(p.image(), x, y, 12, {196, 110, 120});
      paint::Disc(p.image(), x, y, 8, {222, 150, 150});
    }
    p.Blotch(c, c + 20, 14, kBlood);
  }
  if (Has(name, "ear") || Has(name, "nose")) {
    for (int k = 0; k < 4; ++k) p.Trickle(c + p.Random(-20, 20), c - 10, p.Random(20, 50), kBlood);
  }
}

Image SkinBackground(Rgb skin, uint32_t seed) {
  constexpr int S = kWoundTextureSize;
  Image image = paint::NewImage(S, S, skin);
  paint::Gradient(image, 0, 0, S, S, Mix(skin, {255, 255, 255}, 0.05), Mix(skin, {0, 0, 0}, 0.08));
  paint::Speckle(image, 0, 0, S, S, 4, seed);
  return image;
}

// Where PaintWound puts the wound's middle: an amputation at the picture's bottom edge, the rest in the middle.
double PaintedRow(const std::string& name) { return Has(name, "amp") ? 0.93 : 0.5; }

Image WoundTexture(const std::string& name, Rgb skin, uint32_t seed) {
  constexpr int S = kWoundTextureSize;
  Image image = SkinBackground(skin, seed);
  Painter painter(image, seed);
  PaintWound(painter, name, skin);
  // A limb's picture runs its whole length: the wound moves up or down to the segment it is on.
  const int shift = static_cast<int>(std::lround((WoundRow(name) - PaintedRow(name)) * S));
  if (shift == 0) return image;
  const Image background = SkinBackground(skin, seed);
  Image moved = SkinBackground(skin, seed);
  for (int y = 0; y < S; ++y)
    for (int x = 0; x < S; ++x)
      if (image->Pixel(x, y) != background->Pixel(x, y)) moved->SetPixel(x, y + shift, image->Pixel(x, y));
  return moved;
}

}  // namespace

double WoundRow(const std::string& name) {
  // The body's limb pictures run from the shoulder or the hip (top) to the wrist or the ankle (bottom), the
  // elbow or the knee half-way.
  if (Has(name, "burn")) return 0.5;  // all over
  if (Has(name, "amp") && Has(name, "thigh")) return 0.43;  // the thigh's cut end, just above the knee
  if (Has(name, "upperarm") || Has(name, "arm")) return 0.35;
  if (Has(name, "forearm")) return 0.8;
  if (Has(name, "thigh")) return 0.27;
  if (Has(name, "calf")) return 0.78;
  if (Has(name, "leg")) return 0.3;
  return PaintedRow(name);
}

WoundAssetNames CollectWoundAssetNames() {
  WoundAssetNames names;
  for (const WoundType& row : WoundTypeTable) {
    if (*row.textureSet != '\0') names.textures.insert(row.textureSet);
    if (*row.remarkKey != '\0') names.remarkKeys.emplace(row.remarkKey, HurtPart(row.location));
  }
  for (int i = 0; i < kStepListExtentCount; ++i) {
    for (const TreatmentStep* step = kStepListExtents[i].list; !kestrine::IsListEnd(step); ++step) {
      if (step->tool == kTextureChange && *step->reading != '\0') names.textures.insert(step->reading);
      if (*step->clip != '\0') names.clips.emplace(step->clip, SpokenWords(*step));
    }
  }
  return names;
}

std::vector<std::string> WoundTexturePaths(const std::string& name) {
  // Only one texture name gets the transparent picture format.
  const char* extension = name == "gsw-pafn-hand" ? ".qpg" : ".qjp";
  std::vector<std::string> paths;
  for (const SkinTone& skin : kSkins)
    paths.push_back("patient\\textures\\" + std::string(skin.prefix) + name + extension);
  return paths;
}

void WriteWoundTextures(DataTree& tree) {
  const WoundAssetNames names = CollectWoundAssetNames();
  for (const std::string& name : names.textures) {
    const std::vector<std::string> paths = WoundTexturePaths(name);
    for (size_t i = 0; i < paths.size(); ++i) {
      const Image image = WoundTexture(name, kSkins[i].skin, Hash(name));
      tree.WritePng(CanonicalPath(paths[i]), *image);
    }
  }
}

}  // namespace assetgen
