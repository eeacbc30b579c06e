// The patient view's scene files.
#include <algorithm>
#include <cmath>
#include <string>

#include "tools/assetgen/canonical_path.h"
#include "tools/assetgen/image_paint.h"
#include "tools/assetgen/model_builder.h"
#include "tools/assetgen/patient_scene_generators.h"
#include "tools/assetgen/screen_pictures.h"
#include "shell/mission_table.h"

namespace assetgen {

using engine::Vec3;
using paint::Image;
using paint::Rgb;
using paint::SavePicture;

// The sheets hold two to three frames a row, so frames are cut from more than one row.
const ToolSheet kToolSheets[7] = {
    {"suvival-saw", 128, 128, 4, 2}, {"syringe-anim", 64, 64, 4, 2},    {"scissor-animation", 128, 128, 4, 2},
    {"irrgsyng-anm", 85, 85, 9, 3},  {"Spong-animation", 85, 85, 6, 3}, {"larynscope-animation2", 85, 85, 9, 3},
    {"gel-animation", 85, 85, 9, 3},
};

namespace {

constexpr Rgb kRedKey{255, 0, 0};
constexpr float kPi = 3.14159265f;

void SaveModel(DataTree& tree, const std::string& path, const ModelBuilder& model) {
  tree.WriteBytes(CanonicalPath(path), model.WriteRigid());
}

// ---- surroundings ----

enum class Feature { Road, Brush, Wall, OpenGround, Tent, TentWall, Buildings, Lower };

struct SurroundingsDef {
  const char* path;
  Feature feature;
  int32_t level;  // the mission the folder is named after
  int shade;      // darker (negative) or lighter than the land's own colour
};

// Folder names as the game gives them; the files are the model names.
const SurroundingsDef kSurroundings[24] = {
    {"patient\\world\\sky\\level_1\\level1road\\level1road.qsad", Feature::Road, 1, 0},
    {"patient\\world\\sky\\level_1\\level1brush\\level1brush.qsad", Feature::Brush, 1, -20},
    {"patient\\world\\sky\\level_1\\level1wall\\level1wall.qsad", Feature::Wall, 1, 0},
    {"patient\\world\\sky\\level_2\\level2road\\level2road.qsad", Feature::Road, 2, 0},
    {"patient\\world\\sky\\level_2\\level2road2\\level2road2.qsad", Feature::Road, 2, -10},
    {"patient\\world\\sky\\level_3\\level3.qsad", Feature::OpenGround, 3, 0},
    {"patient\\world\\sky\\level_4\\level4road\\level4road.qsad", Feature::Road, 4, 0},
    {"patient\\world\\sky\\level_4\\level4wall\\level4wall.qsad", Feature::Wall, 4, 0},
    {"patient\\world\\sky\\level_4\\level4wall2\\level4wall2.qsad", Feature::Wall, 4, -5},
    {"patient\\world\\sky\\level_5\\level5.qsad", Feature::OpenGround, 5, 0},
    {"patient\\world\\sky\\level_6\\level6tentwall\\level6tentwall.qsad", Feature::TentWall, 6, 0},
    {"patient\\world\\sky\\level_6\\level6road\\level6road.qsad", Feature::Road, 6, 0},
    {"patient\\world\\sky\\level_6\\level6tent\\level6tent.qsad", Feature::Tent, 6, 0},
    {"patient\\world\\sky\\level_7\\level7road\\level7road.qsad", Feature::Road, 7, 0},
    {"patient\\world\\sky\\level_7\\level7road2\\level7road2.qsad", Feature::Road, 7, -5},
    {"patient\\world\\sky\\level_7\\level7roadbuild\\level7roadbuild.qsad", Feature::Buildings, 7, 0},
    {"patient\\world\\sky\\level_8\\level8road\\level8road.qsad", Feature::Road, 8, 0},
    {"patient\\world\\sky\\level_8\\level8road2\\level8road2.qsad", Feature::Buildings, 8, 0},
    {"patient\\world\\sky\\level_9\\level9road\\level9road.qsad", Feature::Road, 9, 0},
    {"patient\\world\\sky\\level_9\\level9lower\\level9lower.qsad", Feature::Lower, 9, -7},
    {"patient\\world\\sky\\level_9\\level9lower2\\level9lower2.qsad", Feature::Lower, 9, -12},
    {"patient\\world\\sky\\level_10\\level10wall\\level10wall.qsad", Feature::Wall, 10, 0},
    {"patient\\world\\sky\\level_10\\level10wallc\\level10wallc.qsad", Feature::Wall, 10, -5},
    {"patient\\world\\sky\\level_10\\level10tent\\level10tent.qsad", Feature::Tent, 10, 0},
};

// The ground is the land the level's mission is fought in, told by the camouflage its soldiers wear: green
// earth for woodland, sand for desert.
Rgb GroundOf(const SurroundingsDef& def) {
  const bool desert = kestrine::MissionRow(def.level).camouflage == 1;
  const Rgb land = desert ? Rgb{160, 140, 100} : Rgb{78, 96, 52};
  auto shaded = [&def](int v) { return std::clamp(v + def.shade, 0, 255); };
  return {shaded(land.r), shaded(land.g), shaded(land.b)};
}

engine::Color ColorOf(Rgb c) {
  return engine::Color{static_cast<uint8_t>(c.r), static_cast<uint8_t>(c.g), static_cast<uint8_t>(c.b)};
}

// A surroundings model at scale 1 (the game shows it 4 times larger): a ground slab whose top is at 0
// round the patient at the origin, and the kind's feature beyond him.
ModelBuilder Surroundings(int kind) {
  const SurroundingsDef& def = kSurroundings[kind];
  ModelBuilder b;
  const int ground = b.AddMaterial("ground", ColorOf(GroundOf(def)));
  const int root = b.AddPart("sky", -1, {});
  b.AddBox(root, ground, {0, -0.1f, 0}, {24, 0.2f, 24});
  // The sky closes the view round the ground's edge, a horizon band below it.
  const int sky = b.AddMaterial("sky", {150, 185, 220});
  const bool desert = kestrine::MissionRow(def.level).camouflage == 1;
  const int haze = b.AddMaterial("haze", desert ? engine::Color{175, 170, 150} : engine::Color{118, 134, 102});
  for (int side = 0; side < 4; ++side) {
    const Vec3 along = side < 2 ? Vec3{0, 0, 1} : Vec3{1, 0, 0};
    const float sign = side % 2 == 0 ? 1.0f : -1.0f;
    const Vec3 edge = side < 2 ? Vec3{12.0f * sign, 0, 0} : Vec3{0, 0, 12.0f * sign};
    const Vec3 size = along * 24.0f + (side < 2 ? Vec3{0.1f, 0, 0} : Vec3{0, 0, 0.1f});
    b.AddBox(root, haze, edge + Vec3{0, 0.5f, 0}, size + Vec3{0, 1.0f, 0});
    b.AddBox(root, sky, edge + Vec3{0, 5.0f, 0}, size + Vec3{0, 8.0f, 0});
  }
  const float shift = 0.3f * static_cast<float>(kind % 3);
  switch (def.feature) {
    case Feature::Road: {
      const int road = b.AddMaterial("road", {90, 86, 80});
      b.AddBox(root, road, {3.0f + shift, 0.005f, 0}, {2.5f, 0.02f, 24});
      break;
    }
    case Feature::Brush: {
      const int brush = b.AddMaterial("brush", {60, 96, 44});
      for (int i = 0; i < 6; ++i)
        b.AddBox(root, brush, {4.0f + (i % 2), 0.3f, -5.0f + 2.0f * i}, {0.8f, 0.6f, 0.8f}, Turn({0, 1, 0}, 20.0f * i));
      break;
    }
    case Feature::Wall: {
      const int wall = b.AddMaterial("wall", {170, 160, 140});
      b.AddBox(root, wall, {5.0f + shift, 0.75f, 0}, {0.4f, 1.5f, 12});
      break;
    }
    case Feature::OpenGround: {
      const int rock = b.AddMaterial("rock", {120, 112, 100});
      for (int i = 0; i < 8; ++i) {
        const float a = 45.0f * i * kPi / 180.0f;
        b.AddBox(root, rock, {9.0f * std::cos(a), 0.25f, 9.0f * std::sin(a)}, {1.0f, 0.5f, 0.8f});
      }
      break;
    }
    case Feature::Tent:
    case Feature::TentWall: {
      // The canvas wears the camouflage net the game lays on "lambert8".
      const int canvas = b.AddMaterial("lambert8", {96, 100, 70});
      const int pole = b.AddMaterial("pole", {90, 70, 50});
      b.AddBox(root, canvas, {4.5f, 1.2f, 0}, {0.1f, 2.4f, 8}, Turn({0, 0, 1}, 20.0f));
      b.AddBox(root, canvas, {0, 2.6f, 0}, {9, 0.1f, 8});
      b.AddCylinder(root, pole, {4.0f, 0, 4.0f}, {4.0f, 2.6f, 4.0f}, 0.08f, 6);
      b.AddCylinder(root, pole, {4.0f, 0, -4.0f}, {4.0f, 2.6f, -4.0f}, 0.08f, 6);
      if (def.feature == Feature::TentWall) {
        const int wall = b.AddMaterial("wall", {170, 160, 140});
        b.AddBox(root, wall, {-6.0f, 0.75f, 0}, {0.4f, 1.5f, 12});
      }
      break;
    }
    case Feature::Buildings: {
      const int wall = b.AddMaterial("building", {180, 170, 150});
      const int road = b.AddMaterial("road", {90, 86, 80});
      b.AddBox(root, road, {3.0f, 0.005f, 0}, {2.5f, 0.02f, 24});
      b.AddBox(root, wall, {7.0f, 1.5f, -3.0f}, {3, 3, 4});
      b.AddBox(root, wall, {7.5f, 2.0f, 3.0f}, {3, 4, 3});
      break;
    }
    case Feature::Lower: {
      const int bank = b.AddMaterial("bank", {110, 100, 80});
      b.AddBox(root, bank, {6.0f, 0.8f, 0}, {3, 1.6f, 14}, Turn({0, 0, 1}, 12.0f));
      break;
    }
  }
  return b;
}

// ---- backdrop billboards ----

struct BillboardDef {
  const char* path;
  bool bush;
  Rgb colour;
  float heightFactor;  // how much of the picture stands above its foot
};

const BillboardDef kBillboards[9] = {
    {"patient\\world\\objects\\bush.qjp", true, {56, 104, 40}, 0.984375f},
    {"patient\\world\\objects\\palmbush.qjp", true, {70, 120, 50}, 0.9453125f},
    {"patient\\world\\objects\\rock.qjp", false, {128, 120, 108}, 0.8125f},
    {"patient\\world\\objects\\rock1.qjp", false, {140, 128, 110}, 0.8984375f},
    {"patient\\world\\objects\\rock2.qjp", false, {118, 110, 100}, 0.8671875f},
    {"patient\\world\\objects\\rock3.qjp", false, {150, 140, 120}, 0.90625f},
    {"patient\\world\\objects\\rock4.qjp", false, {110, 104, 96}, 0.8125f},
    {"patient\\world\\objects\\rock5.qjp", false, {136, 126, 112}, 0.8984375f},
    {"patient\\world\\objects\\rock6.qjp", false, {124, 116, 104}, 0.765625f},
};

// The picture's object rests on a line (1 - heightFactor) up from its bottom edge: the game stands the plane
// so that line meets the ground.
Image BillboardPicture(const BillboardDef& def, uint32_t seed) {
  constexpr int kSize = 128;
  Image image = paint::NewImage(kSize, kSize, kRedKey);
  const int foot = static_cast<int>(kSize * def.heightFactor);
  if (def.bush) {
    for (int i = 0; i < 7; ++i) {
      const int cx = 24 + (i * 37) % 80;
      const int cy = foot - 20 - (i * 23) % 50;
      paint::Disc(image, cx, cy, 18 + i % 3 * 4, def.colour);
    }
  } else {
    paint::Disc(image, kSize / 2, foot - 30, 34, def.colour);
    paint::Fill(image, kSize / 2 - 40, foot - 30, 80, 30, def.colour);
  }
  // Speckle only what is drawn: the key colour must stay exact round it.
  paint::Speckle(image, 0, 0, kSize, foot, 18, seed);
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x) {
      const engine::Color c = image->PixelColor(x, y);
      if (c.r > 200 && c.g < 60 && c.b < 60) image->SetPixel(x, y, engine::Color{255, 0, 0}.Packed());
    }
  return image;
}

// ---- treatment pictures ----

struct TreatmentPictureDef {
  const char* name;
  Rgb colour;
};

const TreatmentPictureDef kTreatmentPictures[13] = {
    {"chstwrap", {230, 226, 214}},
    {"occlusiveDressingLB", {200, 210, 220}},
    {"tourniquet", {40, 40, 40}},
    {"cut", {200, 150, 120}},
    {"cut2", {200, 150, 120}},
    {"cut3", {200, 150, 120}},
    {"cut4", {200, 150, 120}},
    {"nosebandage", {236, 232, 222}},
    {"ear-head-bandage", {236, 232, 222}},
    {"bandage-any", {236, 232, 222}},
    {"neck-bandage", {236, 232, 222}},
    {"headbandage", {236, 232, 222}},
    {"abdomenbandage", {236, 232, 222}},
};

Image TreatmentPicture(const TreatmentPictureDef& def, int index) {
  Image image = paint::NewImage(64, 64, def.colour);
  // Gauze weave or cut edges, so the picture reads as cloth on the body.
  for (int i = 0; i < 64; i += 6)
    paint::Line(image, 0, i, 63, i, {def.colour.r - 30, def.colour.g - 30, def.colour.b - 30});
  paint::Speckle(image, 0, 0, 64, 64, 12, 0x5eed0000u + static_cast<uint32_t>(index));
  return image;
}

// ---- treatment models ----

struct TreatmentModelDef {
  const char* path;
  Rgb colour;
  Vec3 size;
};

const TreatmentModelDef kTreatmentModels[] = {
    {"patient\\treatment3d\\rigidsplintleftarm.qsad", {200, 120, 40}, {0.12f, 0.7f, 0.12f}},
    {"patient\\treatment3d\\rarmrigidsplint.qsad", {200, 120, 40}, {0.12f, 0.7f, 0.12f}},
    {"patient\\treatment3d\\ruplegrigidsplint.qsad", {200, 120, 40}, {0.15f, 0.9f, 0.15f}},
    {"patient\\treatment3d\\rlowlegrigidsplint.qsad", {200, 120, 40}, {0.15f, 0.9f, 0.15f}},
    {"patient\\treatment3d\\luplegrigidsplint.qsad", {200, 120, 40}, {0.15f, 0.9f, 0.15f}},
    {"patient\\treatment3d\\llowlegsplint.qsad", {200, 120, 40}, {0.15f, 0.9f, 0.15f}},
    {"patient\\treatment3d\\rigidsplinthead.qsad", {220, 160, 60}, {0.4f, 0.2f, 0.4f}},
    {"patient\\treatment3d\\chestcatheder.qsad", {220, 220, 230}, {0.04f, 0.4f, 0.04f}},
    {"patient\\treatment3d\\ivfluids.qsad", {200, 220, 240}, {0.2f, 0.35f, 0.08f}},
    {"patient\\treatment3D\\nasalairway.qsad", {230, 200, 170}, {0.04f, 0.12f, 0.04f}},
    {"patient\\treatment3D\\burnblanket.qsad", {210, 200, 120}, {1.4f, 0.04f, 3.2f}},
    {"patient\\treatment3D\\left_arm_sling.qsad", {220, 210, 190}, {0.3f, 0.5f, 0.1f}},
    {"patient\\treatment3D\\right_arm_sling.qsad", {220, 210, 190}, {0.3f, 0.5f, 0.1f}},
    {"patient\\treatment3D\\legwrapr.qsad", {220, 210, 190}, {0.25f, 0.3f, 0.25f}},
    {"patient\\treatment3D\\legwrapl.qsad", {220, 210, 190}, {0.25f, 0.3f, 0.25f}},
    {"patient\\treatment3d\\fastcrich.qsad", {230, 230, 235}, {0.05f, 0.1f, 0.05f}},
    {"patient\\treatment3D\\waistcravat.qsad", {120, 110, 80}, {0.9f, 0.15f, 0.5f}},
    {"patient\\treatment3D\\leg_wrap_amputation.qsad", {230, 220, 200}, {0.3f, 0.3f, 0.3f}},
};

ModelBuilder TreatmentModel(const TreatmentModelDef& def) {
  ModelBuilder b;
  const int material = b.AddMaterial("item", ColorOf(def.colour));
  const int root = b.AddPart("item", -1, {});
  b.AddBox(root, material, {0, 0, 0}, def.size);
  return b;
}

// The bag-valve mask: the bag and the mask whose "mouthpiece" material the game textures when it is used.
ModelBuilder AmbuBag() {
  ModelBuilder b;
  const int bag = b.AddMaterial("bag", {60, 90, 200});
  const int mouthpiece = b.AddMaterial("mouthpiece", {220, 230, 240});
  const int root = b.AddPart("ambu_bag", -1, {});
  const int pump = b.AddPart("bag", root, {0, 0.1f, 0.25f});
  b.AddCylinder(pump, bag, {0, 0, -0.15f}, {0, 0, 0.15f}, 0.09f, 10);
  b.AddBox(root, mouthpiece, {0, 0, 0}, {0.18f, 0.1f, 0.14f});
  ModelBuilder::PartKeys keys;
  keys.part = pump;
  keys.times = {0.0f, 0.4f, 0.8f};
  keys.rotations = {engine::Quat{}, Turn({1, 0, 0}, 10.0f), engine::Quat{}};
  b.AddAnimation("pump", {keys});
  return b;
}

// ---- tool animation sheets ----

Image ToolSheetPicture(const ToolSheet& sheet, int index) {
  const int rows = (sheet.frameCount + sheet.perRow - 1) / sheet.perRow;
  Image image = paint::NewImage(sheet.frameWidth * sheet.perRow, sheet.frameHeight * rows, kRedKey);
  const Rgb tool{200 - 20 * index, 200, 210};
  for (int i = 0; i < sheet.frameCount; ++i) {
    const int x0 = (i % sheet.perRow) * sheet.frameWidth;
    const int y0 = (i / sheet.perRow) * sheet.frameHeight;
    // The tool moves a little from frame to frame, and each frame carries its number.
    const int w = sheet.frameWidth;
    const int h = sheet.frameHeight;
    const int dx = (i * w / 10) % (w / 3);
    paint::Fill(image, x0 + w / 6 + dx, y0 + h / 3, w / 2, h / 6, tool);
    paint::Line(image, x0 + w / 6 + dx, y0 + h / 2, x0 + w / 2 + dx, y0 + h - 4, {60, 60, 60});
    paint::Label(image, x0 + 2, y0 + 2, std::to_string(i), {.size = 8, .colour = {255, 255, 255}});
  }
  return image;
}

// ---- the patient's pictures ----

Image Shadow(int width, int height) {
  // The ground shows through round the dark patch (the game keys red out of it).
  Image image = paint::NewImage(width, height, kRedKey);
  paint::Disc(image, width / 2, height / 2, std::min(width, height) / 2 - 2, {40, 40, 40});
  return image;
}

// The trousers as the game composes them, both legs side by side (the left leg on the left), the waist at
// the top. The pieces pictures show what a cut leaves where its piece is taken away: the bare leg inside
// the cut edges of the cloth.
constexpr int kTrouserWidth = 140;
constexpr int kTrouserHeight = 400;
constexpr Rgb kTrouserCloth{86, 92, 58};
constexpr Rgb kTrouserSkin{222, 178, 146};

Image Trousers(Rgb cloth, uint32_t seed) {
  Image image = paint::NewImage(kTrouserWidth, kTrouserHeight, cloth);
  paint::Speckle(image, 0, 0, kTrouserWidth, kTrouserHeight, 12, seed);
  // The seam down each leg and the belt line.
  for (int x : {35, 105}) paint::Fill(image, x, 0, 1, kTrouserHeight, {52, 56, 34});
  paint::Fill(image, 0, 0, kTrouserWidth, 12, {48, 44, 30});
  return image;
}

Image TrouserPieces(uint32_t seed) {
  Image image = paint::NewImage(kTrouserWidth, kTrouserHeight, kTrouserSkin);
  paint::Speckle(image, 0, 0, kTrouserWidth, kTrouserHeight, 6, seed);
  // Frayed edges of the cloth across the leg every few rows.
  for (int y = 0; y < kTrouserHeight; y += 40) paint::Line(image, 0, y, kTrouserWidth - 1, y + 6, {70, 74, 46});
  return image;
}

Image RolledUpTrousers() {
  // Rolled up over the knees: cloth above, bare calves below.
  Image image = Trousers(kTrouserCloth, 0x70a1u);
  paint::Fill(image, 0, 260, kTrouserWidth, kTrouserHeight - 260, kTrouserSkin);
  paint::Fill(image, 0, 250, kTrouserWidth, 10, {64, 68, 42});
  return image;
}

}  // namespace

void WritePatientScene(DataTree& tree) {
  for (int kind = 0; kind < 24; ++kind) SaveModel(tree, kSurroundings[kind].path, Surroundings(kind));
  for (int i = 0; i < 9; ++i) SavePicture(tree, kBillboards[i].path, BillboardPicture(kBillboards[i], 0xb111u + i));
  for (int i = 0; i < 13; ++i)
    SavePicture(tree, std::string("patient\\treatment\\") + kTreatmentPictures[i].name + ".qpg",
                TreatmentPicture(kTreatmentPictures[i], i));
  for (const TreatmentModelDef& def : kTreatmentModels) SaveModel(tree, def.path, TreatmentModel(def));
  SaveModel(tree, "patient\\treatment3D\\ambu_bag.qsad", AmbuBag());
  for (int i = 0; i < 7; ++i)
    SavePicture(tree, std::string("patient\\treatment\\") + kToolSheets[i].name + ".qpg",
                ToolSheetPicture(kToolSheets[i], i));
  SavePicture(tree, "patient\\shadow0.qpg", Shadow(128, 128));
  SavePicture(tree, "patient\\shadow.qpg", Shadow(128, 256));
  SavePicture(tree, "patient\\trousers\\base.qpg", Trousers(kTrouserCloth, 0x70a0u));
  SavePicture(tree, "patient\\trousers\\cut-upper.qpg", TrouserPieces(0x70b0u));
  SavePicture(tree, "patient\\trousers\\cut-lower.qpg", TrouserPieces(0x70b1u));
  SavePicture(tree, "patient\\trousers\\whole1.qpg", RolledUpTrousers());
  SavePicture(tree, "patient\\trousers\\whole2.qpg", Trousers({60, 52, 40}, 0x70c0u));
}

}  // namespace assetgen
