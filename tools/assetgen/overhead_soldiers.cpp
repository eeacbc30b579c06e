// The overhead soldiers: four bodies (woodland and desert camouflage, the enemy and its pink developer
// variant) on the shared 27-bone figure, each with the weapon points "pistol" and "muzzle" on the right
// hand and the fourteen animations the units play by index; the pistol and rifle hung on that hand; and
// the grenade.
#include <string>
#include <vector>

#include "tools/assetgen/battlefield_generators.h"
#include "tools/assetgen/canonical_path.h"
#include "tools/assetgen/model_builder.h"

namespace assetgen {

const char* const kOverheadAnimationNames[14] = {
    "idle",        "stand", "crouch",     "run",  "drag", "throw", "kneel",
    "pistolstand", "prone", "pistolhurt", "hurt", "walk", "crawl", "down",
};

namespace {

using engine::Quat;
using engine::Vec3;

const Vec3 kX{1, 0, 0}, kY{0, 1, 0}, kZ{0, 0, 1};

// The overhead camera looks down on the battle from some sixty units: a man-sized figure (1.9 units, drawn
// at 0.7 of its size by the game) would be a speck of a few pixels. The bodies, and the weapons in their
// hands, are built this many times larger, so a soldier standing shows as a figure a player can pick out
// and a wounded man lying as one nearly as long as the ring under him.
constexpr float kOverheadFigureSize = 3.0f;

struct Uniform {
  const char* path;
  engine::Color cloth, skin, gear;
};

constexpr Uniform kUniforms[] = {
    {"chars\\newSold\\ohsold\\oh_soldr.qsad", {70, 96, 52}, {196, 150, 120}, {48, 58, 36}},
    {"chars\\newSold\\dc\\oh_dcsold.qsad", {196, 170, 120}, {150, 110, 84}, {120, 100, 70}},
    {"chars\\newSold\\oharab\\oh_arab.qsad", {200, 196, 180}, {160, 118, 86}, {60, 56, 52}},
    {"chars\\newSold\\pink\\oh_arabpink.qsad", {250, 140, 200}, {160, 118, 86}, {200, 90, 150}},
};

// One part's keys: its rotation (and, for the pelvis, its place) at evenly spaced times over the length.
struct Track {
  const char* part;
  std::vector<Quat> rotations;
  std::vector<Vec3> translations = {};
};

void Animate(ModelBuilder& b, const std::string& name, float length, const std::vector<Track>& tracks) {
  std::vector<ModelBuilder::PartKeys> keys;
  for (const Track& t : tracks) {
    ModelBuilder::PartKeys k;
    k.part = b.FindPart(t.part);
    const size_t n = t.rotations.size();
    for (size_t i = 0; i < n; ++i) k.times.push_back(n > 1 ? length * static_cast<float>(i) / (n - 1) : 0.0f);
    k.rotations = t.rotations;
    k.translations = t.translations;
    keys.push_back(k);
  }
  b.AddAnimation(name, keys);
}

std::vector<Quat> Still(const Quat& q) { return {q, q}; }

// Arms hanging at the sides (the figure rests with them straight out).
std::vector<Track> ArmsDown() { return {{"l_shldr", Still(Turn(kZ, -80))}, {"r_shldr", Still(Turn(kZ, 80))}}; }

// The rifle held across the chest: right forearm forward, left arm reaching to the barrel.
std::vector<Track> RifleHold() {
  return {{"r_shldr", Still(Turn(kZ, 60))},
          {"r_elbow", Still(Turn(kY, -70))},
          {"l_shldr", Still(Turn(kY, 70) * Turn(kZ, -30))},
          {"l_elbow", Still(Turn(kY, 30))}};
}

std::vector<Track> PistolHold() { return {{"r_shldr", Still(Turn(kY, -90))}, {"l_shldr", Still(Turn(kZ, -80))}}; }

std::vector<Track> Join(std::vector<Track> a, const std::vector<Track>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// Legs swinging forward and back by `degrees` (one full stride over the animation).
std::vector<Track> Stride(float degrees) {
  return {{"l_hip", {Turn(kX, degrees), Turn(kX, -degrees), Turn(kX, degrees)}},
          {"r_hip", {Turn(kX, -degrees), Turn(kX, degrees), Turn(kX, -degrees)}},
          {"l_knee", {Turn(kX, 0), Turn(kX, -30), Turn(kX, 0)}},
          {"r_knee", {Turn(kX, -30), Turn(kX, 0), Turn(kX, -30)}}};
}

// The whole body laid down: on its back (up) or on its front.
Track Lying(bool onBack) {
  const Quat q = Turn(kX, onBack ? 90.0f : -90.0f);
  return {"pelv", {q, q}, {{0, 0.15f, 0}, {0, 0.15f, 0}}};
}

void AddAnimations(ModelBuilder& b) {
  const Quat none = Turn(kX, 0);
  Animate(b, kOverheadAnimationNames[0], 2.0f, Join(ArmsDown(), {{"spine1", {none, Turn(kX, -4), none}}}));
  Animate(b, kOverheadAnimationNames[1], 1.0f, RifleHold());
  Animate(b, kOverheadAnimationNames[2], 1.0f,
          Join(RifleHold(), {{"pelv", Still(none), {{0, 0.65f, 0}, {0, 0.65f, 0}}},
                             {"l_hip", Still(Turn(kX, 70))},
                             {"r_hip", Still(Turn(kX, 70))},
                             {"l_knee", Still(Turn(kX, -110))},
                             {"r_knee", Still(Turn(kX, -110))}}));
  Animate(b, kOverheadAnimationNames[3], 0.6f, Join(RifleHold(), Stride(45)));
  Animate(b, kOverheadAnimationNames[4], 1.2f,
          Join({{"spine1", Still(Turn(kX, -30))},
                {"l_shldr", Still(Turn(kY, 80) * Turn(kZ, -40))},
                {"r_shldr", Still(Turn(kY, -80) * Turn(kZ, 40))}},
               Stride(20)));
  Animate(b, kOverheadAnimationNames[5], 1.0f,
          {{"r_shldr", {Turn(kZ, 80), Turn(kZ, -150), Turn(kY, -80)}}, {"l_shldr", Still(Turn(kY, 60))}});
  Animate(b, kOverheadAnimationNames[6], 2.0f,
          Join(RifleHold(), {{"pelv", {none, Turn(kY, 5), none}, {{0, 0.55f, 0}, {0, 0.55f, 0}, {0, 0.55f, 0}}},
                             {"l_hip", Still(Turn(kX, 90))},
                             {"l_knee", Still(Turn(kX, -90))},
                             {"r_knee", Still(Turn(kX, -90))}}));
  Animate(b, kOverheadAnimationNames[7], 1.0f, PistolHold());
  Animate(b, kOverheadAnimationNames[8], 1.0f, Join(RifleHold(), {Lying(false)}));
  Animate(b, kOverheadAnimationNames[9], 1.0f,
          Join(PistolHold(), {{"spine1", Still(Turn(kX, -25))}, {"l_elbow", Still(Turn(kY, 90))}}));
  Animate(b, kOverheadAnimationNames[10], 1.0f, Join(RifleHold(), {{"spine1", Still(Turn(kX, -25))}}));
  Animate(b, kOverheadAnimationNames[11], 1.0f, Join(RifleHold(), Stride(30)));
  Animate(b, kOverheadAnimationNames[12], 1.6f,
          {Lying(false),
           {"l_shldr", {Turn(kY, 80), Turn(kY, 40), Turn(kY, 80)}},
           {"r_shldr", {Turn(kY, -40), Turn(kY, -80), Turn(kY, -40)}}});
  Animate(b, kOverheadAnimationNames[13], 1.0f,
          {Lying(true), {"l_shldr", Still(Turn(kZ, -30))}, {"r_shldr", Still(Turn(kZ, 30))}});
}

std::string SoldierBody(const Uniform& u) {
  ModelBuilder b;
  const int cloth = b.AddMaterial("cloth", u.cloth);
  const int skin = b.AddMaterial("skin", u.skin);
  const int gear = b.AddMaterial("gear", u.gear);
  AddHumanoidFigure(b, [&](const std::string& bone) {
    if (bone == "head" || bone.find("hand") != std::string::npos || bone.find("eye") != std::string::npos ||
        bone.find("mouth") != std::string::npos || bone == "nek")
      return skin;
    if (bone.find("ankle") != std::string::npos) return gear;
    return cloth;
  });
  // A helmet or head cloth, and the webbing.
  b.AddBox(b.FindPart("head"), gear, {0, 0.2f, 0}, {0.24f, 0.08f, 0.26f});
  b.AddBox(b.FindPart("spine2"), gear, {0, 0.06f, 0}, {0.4f, 0.05f, 0.24f});
  // Where the pistol's and the rifle's shots leave, on the hand that holds them: the weapons carry on
  // the line of the forearm (-x from the right hand), so they point wherever the arm points.
  const int hand = b.FindPart("r_hand");
  b.AddPart("pistol", hand, {-0.3f, 0.04f, 0});
  b.AddPart("muzzle", hand, {-0.95f, 0.04f, 0});
  AddAnimations(b);
  b.Enlarge(kOverheadFigureSize);
  return b.WriteSkinned();
}

// The pistol: slide and grip, the barrel toward +x and the grip toward +y (the hand holds it turned half
// round about z, so the barrel runs on along the forearm and the grip hangs down).
std::string Pistol() {
  ModelBuilder b;
  const int metal = b.AddMaterial("metal", {40, 40, 44});
  const int top = b.AddPart("pistol", -1, {});
  b.AddBox(top, metal, {0.1f, 0, 0}, {0.2f, 0.05f, 0.04f});
  b.AddBox(top, metal, {0, 0.06f, 0}, {0.05f, 0.1f, 0.035f});
  b.Enlarge(kOverheadFigureSize);
  return b.WriteRigid();
}

// The rifle: barrel toward -z, stock toward +z, magazine toward +y and sights toward -y (the hand turns
// it so the barrel runs on along the forearm, the sights up).
std::string Rifle() {
  ModelBuilder b;
  const int metal = b.AddMaterial("metal", {34, 34, 36});
  const int stock = b.AddMaterial("stock", {60, 58, 50});
  const int top = b.AddPart("m16", -1, {});
  b.AddBox(top, metal, {0, 0, -0.25f}, {0.05f, 0.07f, 0.5f});
  b.AddCylinder(top, metal, {0, 0, -0.5f}, {0, 0, -0.9f}, 0.015f, 6);
  b.AddBox(top, stock, {0, 0.02f, 0.15f}, {0.05f, 0.1f, 0.3f});
  b.AddBox(top, metal, {0, 0.1f, -0.2f}, {0.04f, 0.14f, 0.04f});
  b.AddBox(top, metal, {0, -0.06f, -0.2f}, {0.03f, 0.04f, 0.16f});
  b.Enlarge(kOverheadFigureSize);
  return b.WriteRigid();
}

std::string Grenade() {
  ModelBuilder b;
  const int olive = b.AddMaterial("grenade", {70, 84, 48});
  const int top = b.AddPart("grenade", -1, {});
  b.AddCylinder(top, olive, {0, -0.5f, 0}, {0, 0.5f, 0}, 0.45f, 10);
  b.AddBox(top, olive, {0, 0.6f, 0}, {0.2f, 0.2f, 0.2f});
  return b.WriteRigid();
}

}  // namespace

void WriteOverheadSoldiers(DataTree& tree) {
  for (const Uniform& u : kUniforms) tree.WriteBytes(CanonicalPath(u.path), SoldierBody(u));
  tree.WriteBytes(CanonicalPath("chars\\newSold\\pistol\\oh_pistol.qsad"), Pistol());
  tree.WriteBytes(CanonicalPath("chars\\newSold\\rifle\\oh_m16.qsad"), Rifle());
  tree.WriteBytes(CanonicalPath("chars\\Weap\\grenade.qsad"), Grenade());
}

}  // namespace assetgen
