// The patient's textures. Every picture covers a whole material: a trunk piece's every face, a limb from the
// shoulder or the hip (top row) to the wrist or the ankle (bottom row), going round it from left to right,
// so patterns wrap round left to right without a seam. The uniforms' bloodied versions share their garment's
// pattern, so swapping one in changes only the wound.
#include "tools/assetgen/patient_textures.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

#include "casualty/wound_types.h"
#include "casualty_view/texture_templates.h"
#include "tools/assetgen/canonical_path.h"
#include "tools/assetgen/image_paint.h"
#include "tools/assetgen/wound_assets.h"

namespace assetgen {

namespace {

using paint::Image;
using paint::Rgb;

constexpr int S = kPatientTextureSize;

uint32_t Hash(const std::string& text) {
  uint32_t h = 2166136261u;
  for (unsigned char c : text) h = (h ^ c) * 16777619u;
  return h;
}

// ---- smooth noise that wraps round the picture ----

uint32_t Scramble(int x, int y, uint32_t seed) {
  uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u + seed * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  return h ^ (h >> 16);
}

// 0..1, cells of `cell` pixels, wrapping every S pixels both ways.
float ValueNoise(int px, int py, int cell, uint32_t seed) {
  const int cells = S / cell;
  const float fx = static_cast<float>(px) / static_cast<float>(cell);
  const float fy = static_cast<float>(py) / static_cast<float>(cell);
  const int x0 = static_cast<int>(fx), y0 = static_cast<int>(fy);
  const float tx = fx - static_cast<float>(x0), ty = fy - static_cast<float>(y0);
  const auto at = [&](int x, int y) {
    return static_cast<float>(Scramble(x % cells, y % cells, seed) & 0xffff) / 65535.0f;
  };
  const auto smooth = [](float t) { return t * t * (3.0f - 2.0f * t); };
  const float sx = smooth(tx), sy = smooth(ty);
  const float top = at(x0, y0) + (at(x0 + 1, y0) - at(x0, y0)) * sx;
  const float bottom = at(x0, y0 + 1) + (at(x0 + 1, y0 + 1) - at(x0, y0 + 1)) * sx;
  return top + (bottom - top) * sy;
}

float Blotches(int x, int y, int size, uint32_t seed) {
  return 0.62f * ValueNoise(x, y, size, seed) + 0.28f * ValueNoise(x, y, size / 2, seed + 1) +
         0.1f * ValueNoise(x, y, size / 4, seed + 2);
}

Rgb Mix(Rgb a, Rgb b, double t) {
  const auto m = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
  return {m(a.r, b.r), m(a.g, b.g), m(a.b, b.b)};
}

Rgb At(const Image& image, int x, int y) {
  const engine::Color c = image->PixelColor(x, y);
  return {c.r, c.g, c.b};
}

void Put(const Image& image, int x, int y, Rgb c) {
  image->SetPixel(
      x, y, engine::Color{static_cast<uint8_t>(c.r), static_cast<uint8_t>(c.g), static_cast<uint8_t>(c.b)}.Packed());
}

// ---- cloth ----

enum class Camo { Woodland, Desert, Robe };
enum class Garment { Chest, Back, Waist, Butt, Arm, Leg };

struct CamoLayer {
  Rgb colour;
  float above;  // painted where the layer's noise is above this
  int size;     // blotch size in pixels
};

// The base colour and the layers laid over it, largest first.
struct CamoPattern {
  Rgb base;
  CamoLayer layers[3];
};
const CamoPattern kWoodland = {{112, 122, 76},
                               {{{96, 74, 48}, 0.54f, 64}, {{52, 68, 40}, 0.57f, 64}, {{28, 28, 24}, 0.66f, 32}}};
// The desert's third layer never shows: two colours over the base.
const CamoPattern kDesert = {{196, 178, 140},
                             {{{158, 128, 90}, 0.52f, 64}, {{120, 96, 70}, 0.62f, 32}, {{120, 96, 70}, 1.0f, 32}}};
const Rgb kRobe{190, 180, 152};

// Seams and cuffs by garment: sleeves end in a cuff at the wrist, trousers are bloused into the boots, the
// jacket has a seam down the front, the trousers one round the waist.
void Tailor(const Image& image, Garment garment, Rgb base) {
  const Rgb seam = Mix(base, {0, 0, 0}, 0.35);
  switch (garment) {
    case Garment::Arm:
      paint::Fill(image, 0, S - 14, S, 14, Mix(base, {0, 0, 0}, 0.15));
      paint::Fill(image, 0, S - 15, S, 1, seam);
      break;
    case Garment::Leg:
      paint::Fill(image, 0, S - 20, S, 20, Mix(base, {0, 0, 0}, 0.2));
      paint::Fill(image, S / 2, 0, 1, S - 20, seam);
      break;
    case Garment::Chest:
      paint::Fill(image, S / 2, 0, 2, S, seam);
      paint::Frame(image, 40, 60, 60, 50, seam);
      paint::Frame(image, S - 100, 60, 60, 50, seam);
      break;
    case Garment::Back:
      paint::Fill(image, 0, 40, S, 1, seam);
      break;
    case Garment::Waist:
      paint::Fill(image, 0, 0, S, 18, Mix(base, {0, 0, 0}, 0.12));
      paint::Fill(image, 0, 18, S, 1, seam);
      break;
    case Garment::Butt:
      paint::Fill(image, S / 2, 0, 1, S, seam);
      paint::Frame(image, 50, 40, 56, 60, seam);
      paint::Frame(image, S - 106, 40, 56, 60, seam);
      break;
  }
}

Image Cloth(Camo camo, uint32_t seed) {
  if (camo == Camo::Robe) {
    Image image = paint::NewImage(S, S, kRobe);
    // Folds hanging down the robe, and its weave.
    for (int y = 0; y < S; ++y)
      for (int x = 0; x < S; ++x) {
        const float fold = ValueNoise(x, y / 8, 32, seed);
        Put(image, x, y, Mix(kRobe, {120, 110, 88}, 0.5 * fold * fold));
      }
    for (int x = 0; x < S; x += 3) paint::Fill(image, x, 0, 1, S, Mix(kRobe, {150, 140, 116}, 0.3));
    paint::Speckle(image, 0, 0, S, S, 5, seed);
    return image;
  }
  const CamoPattern& pattern = camo == Camo::Woodland ? kWoodland : kDesert;
  Image image = paint::NewImage(S, S, pattern.base);
  for (int y = 0; y < S; ++y)
    for (int x = 0; x < S; ++x) {
      Rgb c = pattern.base;
      for (int k = 0; k < 3; ++k)
        if (Blotches(x, y, pattern.layers[k].size, seed + 17u * static_cast<uint32_t>(k + 1)) > pattern.layers[k].above)
          c = pattern.layers[k].colour;
      Put(image, x, y, c);
    }
  // The weave: every other row of threads a shade darker.
  for (int y = 0; y < S; y += 2)
    for (int x = 0; x < S; ++x) Put(image, x, y, Mix(At(image, x, y), {0, 0, 0}, 0.06));
  paint::Speckle(image, 0, 0, S, S, 7, seed);
  return image;
}

uint32_t GarmentSeed(Garment garment, Camo camo) {
  return 101u * static_cast<uint32_t>(garment) + 7u * static_cast<uint32_t>(camo) + 5u;
}

Image Uniform(Garment garment, Camo camo) {
  Image image = Cloth(camo, GarmentSeed(garment, camo));
  Tailor(image, garment, camo == Camo::Robe ? kRobe : camo == Camo::Woodland ? kWoodland.base : kDesert.base);
  return image;
}

Image Boots() {
  const Rgb leather{34, 30, 28};
  Image image = paint::NewImage(S, S, leather);
  paint::Gradient(image, 0, 0, S, S - 40, {52, 46, 42}, leather);
  // Laces up the front, the sole round the bottom.
  for (int y = 20; y < S - 50; y += 16) {
    paint::Line(image, S / 2 - 24, y, S / 2 + 24, y + 8, {70, 64, 56});
    paint::Line(image, S / 2 + 24, y, S / 2 - 24, y + 8, {70, 64, 56});
  }
  paint::Fill(image, 0, S - 36, S, 36, {16, 14, 14});
  paint::Speckle(image, 0, 0, S, S, 6, 0xb007);
  return image;
}

Image Helmet(Camo camo) {
  Image image = Cloth(camo, camo == Camo::Woodland ? 0x4e1u : 0xde5u);
  // The cover's elastic band.
  paint::Fill(image, 0, 150, S, 14, {44, 40, 30});
  paint::Fill(image, 0, 150, S, 1, {20, 20, 16});
  return image;
}

// ---- skin ----

enum class Tone { Light, Dark, Enemy };
// The same tones as the wound textures, so a wounded part matches the rest of him.
Rgb SkinColour(Tone tone) {
  switch (tone) {
    case Tone::Dark:
      return {116, 80, 58};
    case Tone::Enemy:
      return {178, 130, 94};
    default:
      return {222, 178, 146};
  }
}

enum class BodyPiece { Head, Hand, Chest, Back, Waist, Butt, Arm, Leg, Foot };

Image Skin(BodyPiece piece, Tone tone, uint32_t seed) {
  const Rgb skin = SkinColour(tone);
  Image image = paint::NewImage(S, S, skin);
  paint::Gradient(image, 0, 0, S, S, Mix(skin, {255, 255, 255}, 0.05), Mix(skin, {0, 0, 0}, 0.08));
  paint::Speckle(image, 0, 0, S, S, 4, seed);
  const Rgb crease = Mix(skin, {0, 0, 0}, 0.25);
  switch (piece) {
    case BodyPiece::Hand:
      // Knuckles and the gaps between the fingers.
      for (int k = 1; k < 4; ++k) paint::Line(image, k * S / 4, S / 2, k * S / 4, S - 1, crease);
      paint::Line(image, 20, S / 2 - 10, S - 20, S / 2 - 10, Mix(skin, {0, 0, 0}, 0.12));
      break;
    case BodyPiece::Foot:
      for (int k = 1; k < 5; ++k) paint::Line(image, k * S / 5, S - 60, k * S / 5, S - 1, crease);
      break;
    case BodyPiece::Back:
      paint::Fill(image, S / 2 - 1, 0, 3, S, Mix(skin, {0, 0, 0}, 0.1));
      break;
    case BodyPiece::Chest:
      paint::Disc(image, S / 2 - 60, 90, 6, Mix(skin, {120, 60, 50}, 0.35));
      paint::Disc(image, S / 2 + 60, 90, 6, Mix(skin, {120, 60, 50}, 0.35));
      break;
    case BodyPiece::Leg:
      // The patch the lower legs' cut ends are painted with: one colour.
      paint::Fill(image, 180, 130, 20, 10, skin);
      break;
    default:
      break;
  }
  return image;
}

// Hair over the top of the head, a ragged hairline, a beard for the enemy.
Image Head(Tone tone, Rgb hair, bool beard, uint32_t seed) {
  Image image = Skin(BodyPiece::Head, tone, seed);
  for (int x = 0; x < S; ++x) {
    const int line = 78 + static_cast<int>(26.0f * ValueNoise(x, 0, 64, seed) + 6.0f * ValueNoise(x, 0, 4, seed + 7));
    for (int y = 0; y < line; ++y) Put(image, x, y, Mix(hair, {0, 0, 0}, 0.25 * ValueNoise(x, y, 4, seed + 3)));
    if (beard) {
      const int chin = S - 50 - static_cast<int>(20.0f * ValueNoise(x, 1, 16, seed + 9));
      for (int y = chin; y < S; ++y) Put(image, x, y, Mix(hair, {0, 0, 0}, 0.3 * ValueNoise(x, y, 4, seed + 5)));
    }
  }
  return image;
}

Image Blank() { return paint::NewImage(S, S, {255, 255, 0}); }

// ---- the table ----

struct TextureSpec {
  const char* path;
  enum Kind { UNIFORM, BOOTS, HELMET, SKIN, HAIR, BLANK } kind;
  Camo camo;
  Garment garment;
  Tone tone;
  BodyPiece piece;
  Rgb hair;
  bool beard;
};

constexpr Rgb kNoHair{0, 0, 0};
constexpr Rgb kBlackHair{30, 24, 22};

TextureSpec U(const char* path, Camo camo, Garment g) {
  return {path, TextureSpec::UNIFORM, camo, g, Tone::Light, BodyPiece::Head, kNoHair, false};
}
TextureSpec Sk(const char* path, Tone tone, BodyPiece piece) {
  return {path, TextureSpec::SKIN, Camo::Woodland, Garment::Chest, tone, piece, kNoHair, false};
}
TextureSpec H(const char* path, Tone tone, Rgb hair, bool beard = false) {
  return {path, TextureSpec::HAIR, Camo::Woodland, Garment::Chest, tone, BodyPiece::Head, hair, beard};
}
TextureSpec Other(const char* path, TextureSpec::Kind kind, Camo camo = Camo::Woodland) {
  return {path, kind, camo, Garment::Chest, Tone::Light, BodyPiece::Head, kNoHair, false};
}

const std::vector<TextureSpec>& Specs() {
  static const std::vector<TextureSpec> specs = {
      U("wlcamo\\u-chest.qjp", Camo::Woodland, Garment::Chest),
      U("wlcamo\\u-back.qjp", Camo::Woodland, Garment::Back),
      U("wlcamo\\u-waist.qjp", Camo::Woodland, Garment::Waist),
      U("wlcamo\\u-butt.qjp", Camo::Woodland, Garment::Butt),
      U("wlcamo\\u-arm.qjp", Camo::Woodland, Garment::Arm),
      U("wlcamo\\u-leg.qjp", Camo::Woodland, Garment::Leg),
      Other("wlcamo\\boots.qjp", TextureSpec::BOOTS),
      Other("wlcamo\\helmet.qjp", TextureSpec::HELMET, Camo::Woodland),
      Sk("wlcamo\\white\\head.qjp", Tone::Light, BodyPiece::Head),
      Sk("wlcamo\\white\\hand.qjp", Tone::Light, BodyPiece::Hand),
      Sk("wlcamo\\white\\s-chest.qjp", Tone::Light, BodyPiece::Chest),
      Sk("wlcamo\\white\\s-back.qjp", Tone::Light, BodyPiece::Back),
      Sk("wlcamo\\white\\s-waist.qjp", Tone::Light, BodyPiece::Waist),
      Sk("wlcamo\\white\\s-butt.qjp", Tone::Light, BodyPiece::Butt),
      Sk("wlcamo\\white\\s-arm.qjp", Tone::Light, BodyPiece::Arm),
      Sk("wlcamo\\white\\s-leg.qjp", Tone::Light, BodyPiece::Leg),
      Sk("wlcamo\\white\\s-foot.qjp", Tone::Light, BodyPiece::Foot),
      U("dccamo\\white\\dc-u-chest.qjp", Camo::Desert, Garment::Chest),
      U("dccamo\\white\\dc-u-back.qjp", Camo::Desert, Garment::Back),
      U("dccamo\\white\\dc-u-waist.qjp", Camo::Desert, Garment::Waist),
      U("dccamo\\white\\dc-u-butt.qjp", Camo::Desert, Garment::Butt),
      U("dccamo\\white\\dc-u-arm.qjp", Camo::Desert, Garment::Arm),
      U("dccamo\\white\\dc-u-leg.qjp", Camo::Desert, Garment::Leg),
      Other("dccamo\\white\\dc-helmet.qjp", TextureSpec::HELMET, Camo::Desert),
      Sk("dccamo\\white\\dc-head.qjp", Tone::Light, BodyPiece::Head),
      Sk("dccamo\\white\\dc-hand.qjp", Tone::Light, BodyPiece::Hand),
      U("enemy\\u-arabchest.qjp", Camo::Robe, Garment::Chest),
      U("enemy\\u-arabback.qjp", Camo::Robe, Garment::Back),
      U("enemy\\u-arabwaist.qjp", Camo::Robe, Garment::Waist),
      U("enemy\\u-arabbutt.qjp", Camo::Robe, Garment::Butt),
      U("enemy\\u-arabarm.qjp", Camo::Robe, Garment::Arm),
      U("enemy\\u-arableg.qjp", Camo::Robe, Garment::Leg),
      Other("enemy\\zzz.qjp", TextureSpec::BLANK),
      H("enemy\\arabhead.qjp", Tone::Enemy, kBlackHair, true),
      Sk("enemy\\arabhand.qjp", Tone::Enemy, BodyPiece::Hand),
      Sk("enemy\\s-arabchest.qjp", Tone::Enemy, BodyPiece::Chest),
      Sk("enemy\\s-arabback.qjp", Tone::Enemy, BodyPiece::Back),
      Sk("enemy\\s-arabarm.qjp", Tone::Enemy, BodyPiece::Arm),
      Sk("enemy\\s-arableg.qjp", Tone::Enemy, BodyPiece::Leg),
      Sk("enemy\\s-arabfoot.qjp", Tone::Enemy, BodyPiece::Foot),
      Other("zzz.qjp", TextureSpec::BLANK),
      Sk("wlcamo\\black\\b-head.qjp", Tone::Dark, BodyPiece::Head),
      Sk("wlcamo\\black\\b-hand.qjp", Tone::Dark, BodyPiece::Hand),
      Sk("wlcamo\\black\\b-chest.qjp", Tone::Dark, BodyPiece::Chest),
      Sk("wlcamo\\black\\b-back.qjp", Tone::Dark, BodyPiece::Back),
      Sk("wlcamo\\black\\b-arm.qjp", Tone::Dark, BodyPiece::Arm),
      Sk("wlcamo\\black\\b-leg.qjp", Tone::Dark, BodyPiece::Leg),
      Sk("wlcamo\\black\\b-foot.qjp", Tone::Dark, BodyPiece::Foot),
      Sk("dccamo\\black\\dc-b-head.qjp", Tone::Dark, BodyPiece::Head),
      Sk("dccamo\\black\\dc-b-hand.qjp", Tone::Dark, BodyPiece::Hand),
      // Cropped short on the dark-skinned soldiers whatever the picture's name says.
      H("hair\\wl-b-head-plat.qjp", Tone::Dark, kBlackHair),
      H("hair\\wl-head-plat.qjp", Tone::Light, {226, 220, 196}),
      H("hair\\wl-head-red.qjp", Tone::Light, {150, 62, 28}),
      H("hair\\wl-head-brown.qjp", Tone::Light, {84, 56, 34}),
      H("hair\\wl-head-blonde.qjp", Tone::Light, {206, 170, 96}),
      H("hair\\dc-b-head-blonde.qjp", Tone::Dark, kBlackHair),
      H("hair\\dc-head-plat.qjp", Tone::Light, {226, 220, 196}),
      H("hair\\dc-head-red.qjp", Tone::Light, {150, 62, 28}),
      H("hair\\dc-head-brown.qjp", Tone::Light, {84, 56, 34}),
      H("hair\\dc-head-blonde.qjp", Tone::Light, {206, 170, 96}),
  };
  return specs;
}

Image Paint(const TextureSpec& spec) {
  const uint32_t seed = Hash(spec.path);
  switch (spec.kind) {
    case TextureSpec::UNIFORM:
      return Uniform(spec.garment, spec.camo);
    case TextureSpec::BOOTS:
      return Boots();
    case TextureSpec::HELMET:
      return Helmet(spec.camo);
    case TextureSpec::SKIN:
      return Skin(spec.piece, spec.tone, seed);
    case TextureSpec::HAIR:
      return Head(spec.tone, spec.hair, spec.beard, seed);
    default:
      return Blank();
  }
}

// ---- uniforms over wounds ----

// The garment over a clothing material, or none (a helmet, a boot, nothing).
bool GarmentOf(const char* clothing, Garment* out) {
  const std::string c = clothing;
  if (c == "u_chest")
    *out = Garment::Chest;
  else if (c == "u_back1")
    *out = Garment::Back;
  else if (c == "u_waist1")
    *out = Garment::Waist;
  else if (c == "u_butt2")
    *out = Garment::Butt;
  else if (c == "u_left_arm1" || c == "u_right_arm1")
    *out = Garment::Arm;
  else if (c == "u_left_leg1" || c == "u_right_leg1")
    *out = Garment::Leg;
  else
    return false;
  return true;
}

// Every texture set of the wound table and its steps, with the location it is laid on first.
std::map<std::string, kestrine::BodyLocation> WoundSetLocations() {
  std::map<std::string, kestrine::BodyLocation> sets;
  for (const kestrine::WoundType& row : kestrine::WoundTypeTable)
    if (*row.textureSet != '\0') sets.emplace(row.textureSet, row.location);
  for (int i = 0; i < kestrine::kStepListExtentCount; ++i)
    for (const kestrine::TreatmentStep* step = kestrine::kStepListExtents[i].list; !kestrine::IsListEnd(step); ++step)
      if (step->tool == kestrine::kTextureChange && *step->reading != '\0') sets.emplace(step->reading, step->location);
  return sets;
}

bool GarmentOfSet(const std::string& setName, Garment* out) {
  const auto sets = WoundSetLocations();
  const auto it = sets.find(setName);
  if (it == sets.end()) return false;
  const char* skin = "";
  const char* clothing = "";
  kestrine::MaterialPairForLocation(it->second | kestrine::LOC_RIGHT, &skin, &clothing);
  return GarmentOf(clothing, out);
}

constexpr Rgb kSoaked{92, 14, 12};
constexpr Rgb kDried{70, 30, 20};

// The cloth torn where the wound is and soaked dark round it; a burn scorches it in patches instead.
void Bloody(const Image& image, const std::string& setName, uint32_t seed) {
  const int cy = static_cast<int>(std::lround(WoundRow(setName) * S));
  const bool burn = setName.find("burn") != std::string::npos;
  for (int y = 0; y < S; ++y)
    for (int x = 0; x < S; ++x) {
      const Rgb c = At(image, x, y);
      if (burn) {
        const float scorch = ValueNoise(x, y, 32, seed);
        if (scorch > 0.6f) Put(image, x, y, Mix(c, {30, 24, 20}, std::min(1.0, (scorch - 0.6) * 4.0)));
        continue;
      }
      const float dx = static_cast<float>(x - S / 2), dy = static_cast<float>(y - cy) * 1.3f;
      const float reach = 34.0f + 22.0f * ValueNoise(x, y, 16, seed);
      const float d = std::sqrt(dx * dx + dy * dy);
      if (d < 9.0f + 4.0f * ValueNoise(x, y, 4, seed + 1)) {
        Put(image, x, y, {70, 6, 8});  // the tear, and the wound under it
      } else if (d < reach) {
        // Soaked through near the wound, drying at the stain's edge.
        const double t = d / reach;
        Put(image, x, y, Mix(c, t < 0.6 ? kSoaked : kDried, 0.9 - 0.3 * t));
      }
    }
}

}  // namespace

std::vector<std::string> PatientTexturePaths() {
  std::vector<std::string> paths;
  for (const TextureSpec& spec : Specs()) paths.emplace_back(spec.path);
  return paths;
}

std::vector<std::string> UniformWoundPaths(const std::string& setName) {
  Garment garment{};
  if (!GarmentOfSet(setName, &garment)) return {};
  return {"wlcamo\\uniformwounds\\u-" + setName + ".qjp", "dccamo\\uniformwounds\\dc-" + setName + ".qjp",
          "enemy\\wounds\\ar-u-" + setName + ".qjp"};
}

void WritePatientTextures(DataTree& tree) {
  for (const TextureSpec& spec : Specs())
    tree.WritePng(CanonicalPath(kestrine::kPatientTextureFolder + std::string(spec.path)), *Paint(spec));

  for (const auto& [setName, location] : WoundSetLocations()) {
    const char* skin = "";
    const char* clothing = "";
    kestrine::MaterialPairForLocation(location | kestrine::LOC_RIGHT, &skin, &clothing);
    Garment garment{};
    if (!GarmentOf(clothing, &garment)) continue;
    const std::vector<std::string> paths = UniformWoundPaths(setName);
    const Camo camos[] = {Camo::Woodland, Camo::Desert, Camo::Robe};
    for (size_t i = 0; i < paths.size(); ++i) {
      Image image = Uniform(garment, camos[i]);
      Bloody(image, setName, Hash(setName));
      tree.WritePng(CanonicalPath(kestrine::kPatientTextureFolder + paths[i]), *image);
    }
  }
}

}  // namespace assetgen
