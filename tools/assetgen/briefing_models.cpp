// The officers' heads of the briefing and the debriefing and the three figures of player select.
//
// A head is a bust: shoulders, neck, head, a jaw that opens, lips, eyelids and brows. Its first sixteen
// animations are the mouth shapes in the order the lip-sync timelines number them; three of them double as
// the idles (13 a blink, 14 a blink with a frown, 15 the mouth at rest). Each is a still pose, so it reads
// the same whichever way and from wherever it is played. The bust stands where the screen's camera sees it
// through the window of its backdrop.
//
// A player-select figure is a soldier standing in the figure window, with one animation (0): a slow,
// settling breath.
#include <string>
#include <vector>

#include "casualty/lip_sync.h"
#include "tools/assetgen/canonical_path.h"
#include "tools/assetgen/frontend_generators.h"
#include "tools/assetgen/model_builder.h"
#include "tools/assetgen/mouth_shapes.h"

namespace assetgen {

namespace {

using engine::Quat;
using engine::Vec3;

const Vec3 kX{1, 0, 0}, kY{0, 1, 0}, kZ{0, 0, 1};

struct HeadLook {
  const char* path;
  Vec3 centre;  // the head's middle, in the model's own space
  engine::Color skin, hair, uniform, trim;
};

// The briefing officer is seen straight on; the debriefing officer's bust is turned and set off to the side
// of his model, as his screen places it.
const HeadLook kHeads[] = {
    {"head\\bs-major\\bs_major.qsad",
     {-0.05f, 5.85f, 0.0f},
     {204, 160, 128},
     {70, 60, 52},
     {74, 88, 60},
     {200, 170, 80}},
    {"head\\bs-jen\\bs_jen.qsad", {0.6f, 5.7f, 0.25f}, {180, 136, 104}, {40, 34, 30}, {66, 76, 60}, {180, 180, 190}},
};

// Jaw opening (degrees) and how far the lips pull in (units) for each mouth shape.
struct MouthPose {
  const char* name;
  float jaw;
  float pucker;
  float lids;   // 0 open, 1 shut
  float frown;  // the shut lids slant
};
constexpr MouthPose kMouthPoses[kestrine::kMouthShapeCount] = {
    {"ph_A", 16, 0, 0, 0},     {"ph_CH", 6, 0.02f, 0, 0}, {"ph_K", 8, 0, 0, 0},      {"ph_E", 9, -0.02f, 0, 0},
    {"ph_F", 3, 0, 0, 0},      {"ph_I", 7, -0.03f, 0, 0}, {"ph_M", 0, 0, 0, 0},      {"ph_N", 5, 0, 0, 0},
    {"ph_O", 13, 0.05f, 0, 0}, {"ph_R", 6, 0.03f, 0, 0},  {"ph_S", 3, -0.02f, 0, 0}, {"ph_TH", 5, 0, 0, 0},
    {"ph_W", 8, 0.06f, 0, 0},  {"ph_blink", 0, 0, 1, 0},  {"ph_frown", 0, 0, 1, 1},  {"ph_norm", 0, 0, 0, 0},
};

// Sizes and places below are of a bust whose head is one unit wide, made smaller by kBustScale about the head's
// middle so that the head fills about half of its window.
constexpr float kBustScale = 0.7f;

std::string Bust(const HeadLook& look) {
  ModelBuilder b;
  const int skin = b.AddMaterial("skin", look.skin);
  const int hair = b.AddMaterial("hair", look.hair);
  const int uniform = b.AddMaterial("uniform", look.uniform);
  const int trim = b.AddMaterial("trim", look.trim);
  const int eye = b.AddMaterial("eyes", {240, 240, 236});
  const int iris = b.AddMaterial("iris", {50, 60, 70});
  const int lip = b.AddMaterial("lips", {150, 90, 80});
  const int mouth = b.AddMaterial("mouth", {40, 16, 16});
  auto s = [](float x, float y, float z) { return Vec3{x * kBustScale, y * kBustScale, z * kBustScale}; };

  const Vec3 c = look.centre;
  const int chest = b.AddPart("chest", -1, Vec3{c.x, c.y - 1.25f * kBustScale, c.z});
  b.AddBox(chest, uniform, {0, 0, 0}, s(2.3f, 0.9f, 0.9f));
  b.AddBox(chest, trim, s(0, 0.3f, -0.46f), s(0.5f, 0.18f, 0.04f));
  b.AddCylinder(chest, skin, s(0, 0.4f, 0), s(0, 0.85f, 0), 0.26f * kBustScale, 10);
  const int head = b.AddPart("head", chest, s(0, 1.25f, 0));
  b.AddBox(head, skin, {0, 0, 0}, s(1.0f, 1.3f, 1.05f));
  b.AddBox(head, hair, s(0, 0.6f, 0.05f), s(1.06f, 0.24f, 1.1f));
  b.AddBox(head, skin, s(0, 0.02f, -0.58f), s(0.16f, 0.32f, 0.14f));  // nose
  for (float side : {-1.0f, 1.0f}) {
    b.AddBox(head, eye, s(0.24f * side, 0.16f, -0.53f), s(0.2f, 0.1f, 0.02f));
    b.AddBox(head, iris, s(0.24f * side, 0.16f, -0.545f), s(0.08f, 0.08f, 0.02f));
    b.AddBox(head, skin, s(0.54f * side, 0.05f, 0), s(0.08f, 0.28f, 0.2f));       // ears
    b.AddBox(head, hair, s(0.24f * side, 0.3f, -0.54f), s(0.26f, 0.05f, 0.03f));  // brows
  }
  b.AddBox(head, mouth, s(0, -0.34f, -0.52f), s(0.34f, 0.12f, 0.02f));
  const Vec3 upperLipAt = s(0, -0.28f, -0.54f), jawAt = s(0, -0.3f, -0.1f);
  const int upperLip = b.AddPart("up_mouth", head, upperLipAt);
  b.AddBox(upperLip, lip, {0, 0, 0}, s(0.4f, 0.06f, 0.05f));
  const int jaw = b.AddPart("lo_mouth", head, jawAt);
  b.AddBox(jaw, skin, s(0, -0.2f, -0.2f), s(0.8f, 0.24f, 0.7f));
  b.AddBox(jaw, lip, s(0, -0.08f, -0.46f), s(0.38f, 0.06f, 0.05f));
  // Eyelids wait inside the head while the eyes are open, and close over them in front.
  int lids[2];
  Vec3 lidOpen[2], lidShut[2];
  for (int k = 0; k < 2; ++k) {
    const float side = k == 0 ? -1.0f : 1.0f;
    lidOpen[k] = s(0.24f * side, 0.16f, -0.2f);
    lidShut[k] = s(0.24f * side, 0.16f, -0.56f);
    lids[k] = b.AddPart(k == 0 ? "r_lid" : "l_lid", head, lidOpen[k]);
    b.AddBox(lids[k], skin, {0, 0, 0}, s(0.22f, 0.12f, 0.02f));
  }

  auto still = [](int part, const Quat& q, const Vec3& t) {
    ModelBuilder::PartKeys k;
    k.part = part;
    k.times = {0.0f, 0.1f};
    k.rotations = {q, q};
    k.translations = {t, t};
    return k;
  };
  for (const MouthPose& pose : kMouthPoses) {
    std::vector<ModelBuilder::PartKeys> keys;
    keys.push_back(still(jaw, Turn(kX, pose.jaw), jawAt));
    keys.push_back(still(upperLip, {}, upperLipAt + s(0, pose.pucker * 0.5f, -pose.pucker)));
    for (int k = 0; k < 2; ++k) {
      const float side = k == 0 ? -1.0f : 1.0f;
      keys.push_back(still(lids[k], Turn(kZ, 14 * pose.frown * side), pose.lids > 0 ? lidShut[k] : lidOpen[k]));
    }
    b.AddAnimation(pose.name, keys);
  }
  return b.WriteRigid();
}

// ---- player select ----
struct FigureLook {
  engine::Color cloth, skin, hair, gear;
  float build;  // shoulder breadth
};
constexpr FigureLook kFigures[] = {
    {{74, 92, 58}, {200, 156, 124}, {120, 90, 60}, {52, 60, 40}, 1.12f},
    {{70, 88, 64}, {222, 184, 150}, {40, 32, 26}, {48, 56, 42}, 1.0f},
    {{80, 96, 60}, {168, 124, 96}, {26, 22, 20}, {56, 62, 44}, 0.9f},
};

// A soldier some 12.3 units tall, feet at y -1.9 (the figure window's floor seen from the camera), facing
// the camera (-z).
std::string Figure(const FigureLook& look) {
  ModelBuilder b;
  const int cloth = b.AddMaterial("uniform", look.cloth);
  const int skin = b.AddMaterial("skin", look.skin);
  const int hair = b.AddMaterial("hair", look.hair);
  const int gear = b.AddMaterial("gear", look.gear);
  const int boots = b.AddMaterial("boots", {34, 28, 22});
  const float w = look.build;

  const int pelvis = b.AddPart("pelv", -1, {0, 4.0f, 0});
  b.AddBox(pelvis, cloth, {0, 0, 0}, {1.8f * w, 0.9f, 1.0f});
  const int spine = b.AddPart("spine1", pelvis, {0, 0.45f, 0});
  b.AddBox(spine, cloth, {0, 1.6f, 0}, {2.2f * w, 3.2f, 1.2f});
  b.AddBox(spine, gear, {0, 1.4f, -0.66f}, {1.9f * w, 1.6f, 0.2f});  // the vest's pouches
  b.AddBox(spine, gear, {0, 1.2f, 0.7f}, {1.6f * w, 2.0f, 0.5f});    // the medic's pack
  const int head = b.AddPart("head", spine, {0, 3.3f, 0});
  b.AddCylinder(head, skin, {0, 0, 0}, {0, 0.5f, 0}, 0.32f, 10);
  b.AddBox(head, skin, {0, 1.0f, 0}, {0.95f, 1.15f, 1.0f});
  b.AddBox(head, gear, {0, 1.55f, 0}, {1.15f, 0.45f, 1.2f});  // helmet
  b.AddBox(head, hair, {0, 1.2f, 0.45f}, {0.9f, 0.5f, 0.12f});
  for (int s = 0; s < 2; ++s) {
    const float side = s == 0 ? 1.0f : -1.0f;
    const int arm = b.AddPart(s == 0 ? "l_shldr" : "r_shldr", spine, {(1.1f * w + 0.3f) * side, 3.0f, 0});
    b.AddCylinder(arm, cloth, {0, 0, 0}, {0, -2.6f, 0}, 0.34f, 8);
    b.AddBox(arm, skin, {0, -2.95f, 0}, {0.42f, 0.6f, 0.42f});
    const int leg = b.AddPart(s == 0 ? "l_hip" : "r_hip", pelvis, {0.5f * w * side, -0.4f, 0});
    b.AddCylinder(leg, cloth, {0, 0, 0}, {0, -4.9f, 0}, 0.42f, 8);
    b.AddBox(leg, boots, {0, -5.2f, -0.2f}, {0.6f, 0.6f, 1.1f});
  }
  auto track = [&b](const char* part, const std::vector<Quat>& rotations) {
    ModelBuilder::PartKeys k;
    k.part = b.FindPart(part);
    for (size_t i = 0; i < rotations.size(); ++i) k.times.push_back(1.5f * static_cast<float>(i));
    k.rotations = rotations;
    return k;
  };
  b.AddAnimation("breathe", {track("spine1", {Turn(kX, 0), Turn(kX, -2), Turn(kX, 0)}),
                             track("head", {Turn(kY, 0), Turn(kY, 6), Turn(kY, 0)}),
                             track("l_shldr", {Turn(kZ, 4), Turn(kZ, 6), Turn(kZ, 4)}),
                             track("r_shldr", {Turn(kZ, -4), Turn(kZ, -6), Turn(kZ, -4)})});
  return b.WriteRigid();
}

}  // namespace

void WriteBriefingModels(DataTree& tree) {
  for (const HeadLook& look : kHeads) tree.WriteBytes(CanonicalPath(look.path), Bust(look));
  for (int f = 0; f < 3; ++f) {
    const std::string n = std::to_string(f);
    tree.WriteBytes(CanonicalPath("chars\\playerSelect\\choose" + n + "\\choose" + n + ".qsad"), Figure(kFigures[f]));
  }
}

}  // namespace assetgen
