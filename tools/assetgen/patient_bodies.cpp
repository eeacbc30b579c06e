// The patient bodies and the amputation body's lower legs. Every body has a skin layer and, just outside
// it, the clothing, each in the materials of the game's body parts: the scissors make a clothing material
// see-through and the skin under it shows. The pouch on the belly is where his magazines sit.
#include <cmath>
#include <map>
#include <string>

#include "tools/assetgen/canonical_path.h"
#include "tools/assetgen/patient_generators.h"
#include "tools/assetgen/patient_rig.h"

namespace assetgen {

namespace {

using engine::Color;
using engine::Vec3;

const Color kSkin{214, 168, 132};
const Color kUniform{78, 98, 60};
const Color kBoot{34, 30, 28};
const Color kHelmet{84, 92, 62};
const Color kCutEnd{196, 150, 124};
const Color kRawEnd{120, 24, 20};

// A material whose own picture is one colour, under a white material colour: the pictures the game puts on
// it show in their own colours (the engine tints a picture with its material's colour).
int PlainMaterial(ModelBuilder& b, const std::string& name, Color colour) {
  const auto picture = engine::MakeEngine<engine::EngineBitmap>(2, 2);
  picture->Clear(colour.r, colour.g, colour.b);
  return b.AddMaterial(name, {255, 255, 255}, picture);
}

// The body's materials, by name, in the order they are written.
class Materials {
 public:
  explicit Materials(ModelBuilder& b) : b_(b) {}
  int operator()(const std::string& name, Color colour) {
    const auto it = ids_.find(name);
    if (it != ids_.end()) return it->second;
    return ids_[name] = PlainMaterial(b_, name, colour);
  }

 private:
  ModelBuilder& b_;
  std::map<std::string, int> ids_;
};

// Clothing stands this much outside the skin.
constexpr float kCloth = 0.02f;

Vec3 Grown(const Vec3& size, float by) { return {size.x + 2 * by, size.y + 2 * by, size.z + 2 * by}; }

// A piece of the trunk: skin and clothing boxes.
void TrunkPiece(PatientRig& rig, Materials& m, const std::string& bone, const char* skin, const char* cloth,
                const Vec3& centre, const Vec3& size) {
  rig.Box(bone, m(skin, kSkin), centre, size);
  rig.Box(bone, m(cloth, kUniform), centre, Grown(size, kCloth));
}

// Which half of a limb's pictures a segment wears: a limb's textures run from the shoulder or the hip at
// the top to the wrist or the ankle at the bottom, so bands and dressings land on the segment they are for;
// their middle is on top as he lies, where the medic looks.
enum class Half { Upper, Lower };
CylinderPicture LimbPicture(Half half) {
  const float top = half == Half::Upper ? 0.0f : 0.5f;
  return {top, top + 0.5f, {0, 1, 0}};
}

// A limb segment from a bone to the next, bending with it: skin and, when given, clothing.
void LimbPiece(PatientRig& rig, Materials& m, const std::string& bone, const std::string& to, const char* skin,
               const char* cloth, float radius, Half half) {
  const Vec3 a = rig.Position(bone), b = rig.Position(to);
  rig.Cylinder(bone, m(skin, kSkin), a, b, radius, to, LimbPicture(half));
  if (cloth != nullptr) rig.Cylinder(bone, m(cloth, kUniform), a, b, radius + kCloth, to, LimbPicture(half));
}

// The foot, toes up, with its boot.
Vec3 FootCentre(PatientRig& rig, const std::string& ankle) { return rig.Position(ankle) + Vec3{0, 0.3f, -0.03f}; }
const Vec3 kFootSize{0.2f, 0.64f, 0.24f};
constexpr float kCalfRadius = 0.15f;
constexpr float kThighRadius = 0.2f;

void Foot(PatientRig& rig, Materials& m, const std::string& ankle, const char* boot) {
  rig.Box(ankle, m("feet1", kSkin), FootCentre(rig, ankle), kFootSize);
  rig.Box(ankle, m(boot, kBoot), FootCentre(rig, ankle), Grown(kFootSize, kCloth));
}

// A flat disc closing a limb where it ends, carried by `bone`, at `at`, facing along `along`.
void Cap(PatientRig& rig, int material, const std::string& bone, const Vec3& at, const Vec3& along, float radius) {
  rig.Cylinder(bone, material, at - along * 0.01f, at + along * 0.02f, radius);
}

void Body(PatientRig& rig, const PatientBodyShape& shape) {
  Materials m(rig.Builder());
  // Trunk: hips, buttocks, belly, lower back, chest and back.
  TrunkPiece(rig, m, "pelv", "s_waist1", "u_waist1", {0, 0.42f, -0.12f}, {0.8f, 0.22f, 0.5f});
  TrunkPiece(rig, m, "pelv", "s_butt1", "u_butt2", {0, 0.18f, -0.12f}, {0.8f, 0.26f, 0.5f});
  TrunkPiece(rig, m, "spinebase", "s_chest1", "u_waist1", {0, 0.46f, 0.4f}, {0.78f, 0.28f, 0.5f});
  TrunkPiece(rig, m, "spinebase", "s_back1", "u_back1", {0, 0.17f, 0.4f}, {0.78f, 0.3f, 0.5f});
  TrunkPiece(rig, m, "spine2", "s_chest1", "u_chest", {0, 0.48f, 1.2f}, {0.96f, 0.32f, 1.1f});
  TrunkPiece(rig, m, "spine3", "s_back1", "u_back1", {0, 0.16f, 1.2f}, {0.96f, 0.32f, 1.1f});
  // The webbing belt with the ammunition pouch across the belly.
  rig.Box("spinebase", m("pouch", {52, 60, 40}), {0, 0.64f, 0.55f}, {0.86f, 0.06f, 0.18f});

  // Neck and head: the helmet over the crown and the back of the head, its lining inside it.
  rig.Cylinder("nek", m("head1", kSkin), {0, 0.34f, 1.75f}, {0, 0.4f, 2.2f}, 0.13f, "head");
  rig.Box("head", m("head1", kSkin), {0, 0.5f, 2.52f}, {0.5f, 0.56f, 0.62f});
  rig.Box("head", m("helmet1", kHelmet), {0, 0.44f, 2.63f}, {0.6f, 0.52f, 0.48f});
  rig.Box("head", m("in_helm", {60, 58, 48}), {0, 0.44f, 2.63f}, {0.57f, 0.49f, 0.45f});
  rig.Box("l_eye1", m("l_eye", {236, 236, 230}), {0.1f, 0.775f, 2.6f}, {0.09f, 0.03f, 0.05f});
  rig.Box("r_eye1", m("r_eye", {236, 236, 230}), {-0.1f, 0.775f, 2.6f}, {0.09f, 0.03f, 0.05f});
  rig.Box("lo_mouth", m("teethtounge", {170, 70, 70}), {0, 0.77f, 2.4f}, {0.16f, 0.03f, 0.06f});
  rig.Box("up_mouth", m("head1", kSkin), {0, 0.785f, 2.45f}, {0.16f, 0.02f, 0.03f});

  // Arms: sleeves to the wrists, bare hands.
  LimbPiece(rig, m, "l_shldr", "l_elbow", "s_left_arm2", "u_left_arm1", 0.12f, Half::Upper);
  LimbPiece(rig, m, "l_elbow", "l_hand", "s_left_arm2", "u_left_arm1", 0.1f, Half::Lower);
  LimbPiece(rig, m, "r_shldr", "r_elbow", "s_right_arm2", "u_right_arm1", 0.12f, Half::Upper);
  LimbPiece(rig, m, "r_elbow", "r_hand", "s_right_arm2", "u_right_arm1", 0.1f, Half::Lower);
  rig.LocalBox("l_hand", m("l_hand1", kSkin), {0.17f, 0, 0}, {0.34f, 0.08f, 0.2f});
  rig.LocalBox("r_hand", m("r_hand1", kSkin), {-0.17f, 0, 0}, {0.34f, 0.08f, 0.2f});

  // Legs.
  LimbPiece(rig, m, "l_hip", "l_knee", "s_left_leg1", "u_left_leg1", kThighRadius, Half::Upper);
  LimbPiece(rig, m, "r_hip", "r_knee", "s_right_leg1", "u_right_leg1", kThighRadius, Half::Upper);
  const Vec3 down{0, 0, -1};
  if (shape.lowerLegs) {
    LimbPiece(rig, m, "l_knee", "l_ankle", "s_left_leg1", "u_left_leg1", kCalfRadius, Half::Lower);
    LimbPiece(rig, m, "r_knee", "r_ankle", "s_right_leg1", "u_right_leg1", kCalfRadius, Half::Lower);
    Foot(rig, m, "r_ankle", "r_boot");
    if (shape.leftFoot) {
      Foot(rig, m, "l_ankle", "l_boot");
    } else {
      Cap(rig, m("stump_end", kRawEnd), "l_knee", rig.Position("l_ankle"), down, kCalfRadius + kCloth);
    }
  } else {
    const int end = shape.kneeCaps ? m("blinn32", kCutEnd) : m("stump_end", kRawEnd);
    Cap(rig, end, "l_hip", rig.Position("l_knee"), down, kThighRadius + kCloth);
    Cap(rig, end, "r_hip", rig.Position("r_knee"), down, kThighRadius + kCloth);
  }
}

// The amputation body's lower leg hangs on the pick shape of its knee: turned a quarter round about z on
// the knee bone, 0.4 down the shin and 0.1 along the bone's y, and scaled (3, 2.6, 3) there. Its shapes
// are the body's calf and foot, carried into that frame.
class StumpFrame {
 public:
  StumpFrame(const PatientRig& rig, const std::string& knee) {
    const engine::Mat3& bone = rig.Frame(knee);
    const engine::Mat3 onKnee = bone * TurnAbout({0, 0, 1}, 90);
    axes_ = onKnee;
    origin_ = rig.Position(knee) + bone.Apply({0.4f, 0.1f, 0});
  }
  Vec3 Point(const Vec3& model) const { return Unscale(axes_.Transposed().Apply(model - origin_)); }
  // Sizes of a box of the model's space: the frame's axes are the model's, in another order.
  Vec3 Size(const Vec3& model) const {
    const Vec3 s = axes_.Transposed().Apply(model);
    return Unscale({std::fabs(s.x), std::fabs(s.y), std::fabs(s.z)});
  }
  float Radius(float model) const { return model / kScale.x; }
  // A direction of the model's space in the frame (scale left out: only its way matters).
  Vec3 Direction(const Vec3& model) const { return axes_.Transposed().Apply(model); }

 private:
  static Vec3 Unscale(const Vec3& v) { return {v.x / kScale.x, v.y / kScale.y, v.z / kScale.z}; }
  static inline const Vec3 kScale{3, 2.6f, 3};
  engine::Mat3 axes_;
  Vec3 origin_;
};

}  // namespace

std::string PatientBodyFile(const PatientBodyShape& shape) {
  ModelBuilder b;
  PatientRig rig(b);
  Body(rig, shape);
  AddPatientPoses(rig);
  return b.WriteSkinned();
}

std::string PatientStumpFile(bool right) {
  // Read the body's own places off its skeleton.
  ModelBuilder skeleton;
  PatientRig rig(skeleton);
  const std::string side = right ? "r_" : "l_";
  const std::string prefix = right ? "feet2_" : "leftfoot_";
  const StumpFrame frame(rig, side + "knee");
  const Vec3 knee = rig.Position(side + "knee"), ankle = rig.Position(side + "ankle");

  ModelBuilder b;
  const int part = b.AddPart(right ? "stub_r" : "stub_l", -1, {});
  const int skin = PlainMaterial(b, prefix + (right ? "s_right_leg1" : "s_left_leg1"), kSkin);
  const int boot = PlainMaterial(b, prefix + (right ? "r_boot" : "l_boot"), kBoot);
  const int end = PlainMaterial(b, prefix + "blinn32", kCutEnd);
  b.AddCylinder(part, skin, frame.Point(knee), frame.Point(ankle), frame.Radius(kCalfRadius), 10, -1,
                {0.5f, 1.0f, frame.Direction({0, 1, 0})});
  b.AddBox(part, boot, frame.Point(FootCentre(rig, side + "ankle")), frame.Size(Grown(kFootSize, kCloth)));
  b.AddCylinder(part, end, frame.Point(knee + Vec3{0, 0, 0.01f}), frame.Point(knee - Vec3{0, 0, 0.02f}),
                frame.Radius(kCalfRadius + 0.005f), 10);
  return b.WriteRigid();
}

void WritePatientBodies(DataTree& tree) {
  tree.WriteBytes(CanonicalPath("patient\\pv-sold\\pv_sold.qsad"), PatientBodyFile({}));
  tree.WriteBytes(CanonicalPath("patient\\injury\\pv-legsgone\\pv_legzgone.qsad"),
                  PatientBodyFile({false, true, false}));
  tree.WriteBytes(CanonicalPath("patient\\injury\\pv-ftgn\\pv_ftgn.qsad"), PatientBodyFile({true, false, false}));
  tree.WriteBytes(CanonicalPath("patient\\injury\\pv-legamp\\pv_legamp.qsad"), PatientBodyFile({false, true, true}));
  tree.WriteBytes(CanonicalPath("patient\\injury\\pv-pipebutt\\pv_pipebutt.qsad"), PatientBodyFile({}));
  tree.WriteBytes(CanonicalPath("patient\\injury\\pv-legamp\\stub-r\\stub_r.qsad"), PatientStumpFile(true));
  tree.WriteBytes(CanonicalPath("patient\\injury\\pv-legamp\\stub-l\\stub_l.qsad"), PatientStumpFile(false));
}

}  // namespace assetgen
