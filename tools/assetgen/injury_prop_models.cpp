// The injury props. Each model is drawn in the patient view's own space, where the body lies (scaled 3
// times: head towards +z, face up, his left towards +x): the prop's pieces are put where they belong on
// that body, and then carried back through the placement the game gives the model (the steps of its row,
// and for a prop on a bone the pick shape of that bone on the lying skeleton), so that once the game has
// placed it, the knife sits in the neck and the vehicle on the leg.
#include <cmath>
#include <string>

#include "casualty/patient_bones.h"
#include "casualty_view/injury_props.h"
#include "tools/assetgen/canonical_path.h"
#include "tools/assetgen/model_builder.h"
#include "tools/assetgen/patient_rig.h"
#include "tools/assetgen/prop_generators.h"

namespace assetgen {

namespace {

using engine::Affine;
using engine::Color;
using engine::Mat3;
using engine::Quat;
using engine::Vec3;
using kestrine::PropStep;

constexpr float kBodyScale = 3.0f;

// Where a prop's model stands in the view: the placement of its row, under the pick shape of `bone` of the
// lying body or on the stage.
Affine PlacementOf(const PropStep (&steps)[kestrine::kMaxPropSteps], int32_t bone) {
  const auto prop = engine::MakeEngine<engine::EngineNode>(nullptr);
  kestrine::ApplyPropSteps(*prop, steps);
  if (bone < 0) return prop->LocalTransform();

  kestrine::Offset3 offset{};
  const kestrine::PickShapeRow* row = kestrine::PickShapeOf(bone, &offset);
  const auto pick = engine::MakeEngine<engine::EngineNode>(nullptr);
  if (row != nullptr) {
    pick->Rotate(1, 0, 0, row->turnX, 0);
    pick->Rotate(0, 1, 0, row->turnY, 0);
    pick->Rotate(0, 0, 1, row->turnZ, 0);
    pick->MoveTo(offset.x, offset.y, offset.z);
  }
  ModelBuilder skeleton;
  const PatientRig rig(skeleton);
  const std::string name = kestrine::kBoneNames[bone];
  const Affine onBone = Affine::FromTrs(rig.Position(name), rig.Frame(name), {1, 1, 1});
  const Affine body = Affine::FromTrs({}, Mat3::Identity(), {kBodyScale, kBodyScale, kBodyScale});
  return body * onBone * pick->LocalTransform() * prop->LocalTransform();
}

// A prop drawn in view space: one part turned back against the placement, so that what is drawn in it
// along the view's axes stands along them once placed; lengths shrink by the placement's scale.
class PropModel {
 public:
  PropModel(kestrine::PropKind kind, int32_t bone) {
    const Affine at = PlacementOf(kestrine::kPropRows[kind].steps, bone);
    scale_ = at.m.r.Length();
    origin_ = at.t;
    const Mat3 turn = at.m.Orthonormalized();
    toView_ = turn;
    part_ = b_.AddPart("prop", -1, {}, Quat::FromMat3(turn.Transposed()));
  }
  int Material(const std::string& name, Color colour) { return b_.AddMaterial(name, colour); }
  void Box(int material, const Vec3& centre, const Vec3& size, const Quat& turn = {}) {
    b_.AddBox(part_, material, In(centre), size * (1.0f / scale_), turn);
  }
  void Rod(int material, const Vec3& a, const Vec3& b, float radius, int segments = 8) {
    b_.AddCylinder(part_, material, In(a), In(b), radius / scale_, segments);
  }
  // A direction of the model's own axes, as it points in the view.
  Vec3 ViewDirection(const Vec3& own) const { return toView_.Apply(own).Normalized(); }
  std::string Write() const { return b_.WriteRigid(); }

 private:
  Vec3 In(const Vec3& view) const { return (view - origin_) * (1.0f / scale_); }

  ModelBuilder b_;
  int part_ = 0;
  float scale_ = 1;
  Vec3 origin_;
  Mat3 toView_;
};

const Color kMetal{128, 130, 136};
const Color kDarkMetal{52, 54, 58};
const Color kRust{128, 78, 48};

// The bowel out on the lower belly: a coil of loops.
std::string Gut() {
  PropModel m(kestrine::PROP_GUT, kestrine::kOnStage);
  const int bowel = m.Material("bowel", {206, 122, 124});
  const int fold = m.Material("bowel_fold", {168, 84, 90});
  const Vec3 centre{0.5f, 2.0f, 1.0f};
  constexpr int kLinks = 7;
  constexpr float kPi = 3.14159265f;
  for (int ring = 0; ring < 2; ++ring) {
    const float radius = ring == 0 ? 0.5f : 0.28f;
    const float lift = ring * 0.22f;
    for (int i = 0; i < kLinks; ++i) {
      const float a0 = 2 * kPi * i / kLinks, a1 = 2 * kPi * (i + 1) / kLinks;
      m.Rod(ring == 0 ? bowel : fold, centre + Vec3{std::cos(a0) * radius, lift, std::sin(a0) * radius},
            centre + Vec3{std::cos(a1) * radius, lift, std::sin(a1) * radius}, 0.17f, 10);
    }
  }
  return m.Write();
}

// The knife in the base of the neck, its blade along the way the Action draws it out.
std::string Knife() {
  PropModel m(kestrine::PROP_KNIFE, kestrine::BONE_SPINE2);
  const int steel = m.Material("blade", {196, 198, 206});
  const int guard = m.Material("guard", kDarkMetal);
  const int grip = m.Material("grip", {58, 40, 28});
  Vec3 out;
  for (const kestrine::KnifeStep& step : kestrine::kKnifePath) out += Vec3{step.x, step.y, step.z};
  // It comes out to his right and down towards the ground.
  const Vec3 along = m.ViewDirection(out);
  const Vec3 wound{-0.5f, 1.35f, 5.0f};
  m.Rod(steel, wound - along * 0.9f, wound + along * 0.45f, 0.06f, 6);
  m.Rod(guard, wound + along * 0.45f, wound + along * 0.55f, 0.2f, 6);
  m.Rod(grip, wound + along * 0.55f, wound + along * 1.6f, 0.12f, 8);
  return m.Write();
}

// The overturned vehicle whose edge lies on his left calf, wheels up.
const Vec3 kHummerCentre{3.1f, 1.6f, -6.8f};
const Vec3 kHummerSize{4.4f, 2.0f, 7.6f};

std::string Hummer() {
  PropModel m(kestrine::PROP_HUMMER, kestrine::kOnStage);
  const int paint = m.Material("paint", {150, 130, 90});
  const int under = m.Material("underside", {60, 56, 50});
  const int tyre = m.Material("tyre", {24, 24, 24});
  m.Box(paint, kHummerCentre, kHummerSize);
  m.Box(under, kHummerCentre + Vec3{0, kHummerSize.y / 2 + 0.1f, 0},
        {kHummerSize.x - 0.6f, 0.2f, kHummerSize.z - 1.0f});
  const float top = kHummerCentre.y + kHummerSize.y / 2 + 0.5f;
  for (float dz : {-2.6f, 2.6f})
    for (float dx : {-1.7f, 1.7f})
      m.Rod(tyre, {kHummerCentre.x + dx - 0.35f, top, kHummerCentre.z + dz},
            {kHummerCentre.x + dx + 0.35f, top, kHummerCentre.z + dz}, 0.6f, 12);
  return m.Write();
}

// A steel strut driven into the belly, standing out at a slant.
std::string Strut() {
  PropModel m(kestrine::PROP_STRUT, kestrine::BONE_SPINEBASE);
  const int steel = m.Material("strut", kMetal);
  const int rust = m.Material("rust", kRust);
  const Vec3 in{-0.2f, 1.2f, 1.3f}, out{-1.7f, 5.2f, 0.3f};
  m.Rod(steel, in, out, 0.14f, 4);
  m.Rod(rust, out - (out - in) * 0.08f, out, 0.16f, 4);
  return m.Write();
}

// The finger hanging off the end of the hand.
std::string Finger() {
  PropModel m(kestrine::PROP_FINGER, kestrine::BONE_L_HAND);
  const int skin = m.Material("finger", {214, 168, 132});
  const int raw = m.Material("raw", {150, 30, 26});
  ModelBuilder skeleton;
  const PatientRig rig(skeleton);
  const Vec3 hand = rig.Position("l_hand") * kBodyScale;
  const Vec3 along = rig.Frame("l_hand").r;
  const Vec3 from = hand + along * 1.05f + Vec3{0.12f, 0, 0}, to = from + along * 0.5f + Vec3{0.15f, -0.05f, 0};
  m.Rod(raw, from - along * 0.06f, from, 0.08f, 8);
  m.Rod(skin, from, to, 0.075f, 8);
  return m.Write();
}

// A pipe driven into the right buttock, sticking out to his side.
std::string Pipe() {
  PropModel m(kestrine::PROP_PIPE, kestrine::BONE_PELV);
  const int pipe = m.Material("pipe", kMetal);
  const int bore = m.Material("bore", {20, 20, 22});
  const Vec3 in{-0.4f, 0.45f, -0.5f}, out{-3.4f, 1.0f, -2.0f};
  m.Rod(pipe, in, out, 0.2f, 10);
  m.Rod(bore, out, out + (out - in).Normalized() * 0.02f, 0.14f, 10);
  return m.Write();
}

// The reinforcing bar he lies impaled on, standing out of a lump of concrete through his belly.
std::string Rebar() {
  PropModel m(kestrine::PROP_REBAR, kestrine::kOnStage);
  const int steel = m.Material("rebar", kRust);
  const int concrete = m.Material("concrete", {150, 146, 138});
  const Vec3 foot{0.3f, -0.6f, 1.0f}, tip{0.3f, 3.6f, 1.0f};
  m.Rod(steel, foot, tip, 0.1f, 8);
  for (float y = 2.1f; y < tip.y; y += 0.3f) m.Rod(steel, {foot.x, y, foot.z}, {foot.x, y + 0.06f, foot.z}, 0.13f, 8);
  m.Box(concrete, {1.6f, 0.1f, 1.0f}, {1.4f, 0.5f, 1.2f});
  return m.Write();
}

// The pistol in his right hand.
std::string Pistol() {
  PropModel m(kestrine::PROP_PISTOL, kestrine::BONE_R_HAND);
  const int gun = m.Material("pistol", {34, 34, 38});
  ModelBuilder skeleton;
  const PatientRig rig(skeleton);
  const Vec3 hand = rig.Position("r_hand") * kBodyScale;
  const Vec3 along = -rig.Frame("r_hand").r;  // the right arm's bones run inwards
  const Vec3 grip = hand + along * 0.5f + Vec3{0, 0.25f, 0};
  m.Rod(gun, grip, grip + along * 0.75f, 0.11f, 4);
  m.Rod(gun, grip - along * 0.05f, grip - along * 0.05f + Vec3{0, -0.1f, 0} - along.Cross({0, 1, 0}) * 0.35f, 0.09f, 4);
  return m.Write();
}

// The turban wound round the top of the head.
std::string Turban() {
  PropModel m(kestrine::PROP_TURBAN, kestrine::BONE_HEAD);
  const int cloth = m.Material("turban", {226, 220, 200});
  const int fold = m.Material("turban_fold", {200, 192, 170});
  m.Rod(cloth, {0, 1.45f, 7.3f}, {0, 1.45f, 8.3f}, 1.0f, 16);
  m.Rod(fold, {0, 1.45f, 7.7f}, {0, 1.45f, 7.95f}, 1.06f, 16);
  m.Rod(cloth, {0, 1.45f, 8.3f}, {0, 1.45f, 8.65f}, 0.75f, 16);
  return m.Write();
}

}  // namespace

std::string InjuryPropFile(kestrine::PropKind kind) {
  switch (kind) {
    case kestrine::PROP_GUT:
      return Gut();
    case kestrine::PROP_KNIFE:
      return Knife();
    case kestrine::PROP_HUMMER:
      return Hummer();
    case kestrine::PROP_STRUT:
      return Strut();
    case kestrine::PROP_FINGER:
      return Finger();
    case kestrine::PROP_PIPE:
      return Pipe();
    case kestrine::PROP_REBAR:
      return Rebar();
    case kestrine::PROP_PISTOL:
      return Pistol();
    default:
      return Turban();
  }
}

paint::Image HummerShadowPicture() {
  // Each pixel of the picture is a point of the shadow's plane; the vehicle's outline, seen from above,
  // is dark, fading out around it.
  constexpr int kSize = kestrine::kHummerShadowSize;
  const Affine plane = PlacementOf(kestrine::kHummerShadowSteps, kestrine::kOnStage);
  const kestrine::PlaneMeasures& p = kestrine::kHummerShadowPlane;
  const paint::Image image = paint::NewImage(kSize, kSize, {96, 96, 96});
  for (int v = 0; v < kSize; ++v) {
    for (int u = 0; u < kSize; ++u) {
      // The front face shows the picture's left edge at the plane's +x side, its top at +y.
      const float x = p.a + p.width / 2 - p.width * (u + 0.5f) / kSize;
      const float y = p.b + p.height / 2 - p.height * (v + 0.5f) / kSize;
      const Vec3 at = plane.Point({x, y, 0});
      const float dx = std::fabs(at.x - kHummerCentre.x) - kHummerSize.x / 2;
      const float dz = std::fabs(at.z - kHummerCentre.z) - kHummerSize.z / 2;
      const float outside = std::fmax(0.0f, std::fmax(dx, dz));
      const int shade = static_cast<int>(std::fmin(96.0f, outside * 64.0f));
      paint::Fill(image, u, v, 1, 1, {shade, shade, shade});
    }
  }
  return image;
}

void WriteInjuryProps(DataTree& tree) {
  for (int kind = 0; kind < kestrine::kPropKindCount; ++kind) {
    const std::wstring& path = kestrine::kPropRows[kind].model;
    tree.WriteBytes(CanonicalPath(std::string(path.begin(), path.end())),
                    InjuryPropFile(static_cast<kestrine::PropKind>(kind)));
  }
  const std::wstring shadow = kestrine::kHummerShadowPicture;
  tree.WritePng(CanonicalPath(std::string(shadow.begin(), shadow.end())), *HummerShadowPicture());
}

}  // namespace assetgen
