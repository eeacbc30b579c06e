#include "tools/assetgen/patient_rig.h"

#include <cmath>
#include <set>
#include <stdexcept>

namespace assetgen {

namespace {

using engine::Mat3;
using engine::Quat;
using engine::Vec3;

const Vec3 kX{1, 0, 0}, kY{0, 1, 0}, kZ{0, 0, 1};

// The arms rest along the sides, a little away from the body.
const Vec3 kLeftArm = Vec3{0.35f, 0, -1}.Normalized();
const Vec3 kRightArm = Vec3{-0.35f, 0, -1}.Normalized();
constexpr float kUpperArm = 0.85f;
constexpr float kForearm = 0.85f;
const Vec3 kLeftShoulder{0.55f, 0.32f, 1.6f};
const Vec3 kRightShoulder{-0.55f, 0.32f, 1.6f};

Mat3 FrameOf(const RigBone& bone) {
  const Vec3 x = bone.xAxis.Normalized();
  const Vec3 y = (bone.yAxis - x * bone.yAxis.Dot(x)).Normalized();
  Mat3 m;
  m.r = x;
  m.u = y;
  m.f = x.Cross(y);
  return m;
}

}  // namespace

const std::vector<RigBone>& PatientBones() {
  // The face's bones share one frame (x towards the crown, y to his left, z out of the face); the pick
  // shapes of the mouth and cheeks sit at offsets from them, so they stand where those offsets land on the
  // face.
  static const std::vector<RigBone> bones = {
      {"pelv", nullptr, {0, 0.32f, 0}, kX, kY},
      {"spinebase", "pelv", {0, 0.32f, 0.25f}, kZ, kY},
      {"spine1", "spinebase", {0, 0.32f, 0.55f}, kZ, -kY},
      {"spine2", "spine1", {0, 0.32f, 1.15f}, kZ, -kY},
      {"spine3", "spine2", {0, 0.32f, 1.55f}, kZ, -kY},
      {"nek", "spine3", {0, 0.32f, 1.8f}, kZ, kY},
      {"head", "nek", {0, 0.32f, 2.05f}, kZ, kY},
      {"lo_mouth", "head", {0, 0.69f, 2.4f}, kZ, kX},
      {"up_mouth", "head", {-0.1f, 0.74f, 2.46f}, kZ, kX},
      {"l_eye1", "head", {0.1f, 0.77f, 2.6f}, kZ, kX},
      {"r_eye1", "head", {-0.1f, 0.77f, 2.6f}, kZ, kX},
      {"l_cheek", "head", {0.06f, 0.34f, 2.4f}, kZ, kX},
      {"r_cheek", "head", {-0.26f, 0.34f, 2.6f}, kZ, kX},
      {"l_shldr", "spine3", kLeftShoulder, kLeftArm, kY},
      {"l_elbow", "l_shldr", kLeftShoulder + kLeftArm * kUpperArm, kLeftArm, kY},
      {"l_hand", "l_elbow", kLeftShoulder + kLeftArm * (kUpperArm + kForearm), kLeftArm, kY},
      {"r_shldr", "spine3", kRightShoulder, -kRightArm, -kY},
      {"r_elbow", "r_shldr", kRightShoulder + kRightArm * kUpperArm, -kRightArm, -kY},
      {"r_hand", "r_elbow", kRightShoulder + kRightArm * (kUpperArm + kForearm), -kRightArm, -kY},
      {"l_hip", "pelv", {0.22f, 0.25f, -0.1f}, -kZ, -kY},
      {"l_knee", "l_hip", {0.22f, 0.25f, -1.55f}, -kZ, -kY},
      {"l_ankle", "l_knee", {0.22f, 0.25f, -2.8f}, kY, -kZ},
      {"l_toe", "l_ankle", {0.22f, 0.85f, -2.86f}, kY, -kZ},
      {"r_hip", "pelv", {-0.22f, 0.25f, -0.1f}, -kZ, kY},
      {"r_knee", "r_hip", {-0.22f, 0.25f, -1.55f}, -kZ, kY},
      {"r_ankle", "r_knee", {-0.22f, 0.25f, -2.8f}, kY, kZ},
      {"r_toe", "r_ankle", {-0.22f, 0.85f, -2.86f}, kY, kZ},
  };
  return bones;
}

Mat3 TurnAbout(const Vec3& axis, float degrees) { return Mat3::AxisAngle(axis, degrees); }

Mat3 TurnFromTo(const Vec3& from, const Vec3& to) {
  const Vec3 a = from.Normalized(), b = to.Normalized();
  const float cosine = std::fmax(-1.0f, std::fmin(1.0f, a.Dot(b)));
  return Mat3::AxisAngle(a.Cross(b), std::acos(cosine) * 180.0f / 3.14159265f);
}

PatientRig::PatientRig(ModelBuilder& builder) : b_(builder) {
  for (const RigBone& bone : PatientBones()) {
    const Mat3 frame = FrameOf(bone);
    int parentPart = -1;
    Vec3 offset = bone.position;
    Mat3 local = frame;
    if (bone.parent != nullptr) {
      const Placed& parent = At(bone.parent);
      parentPart = parent.part;
      offset = parent.frame.Transposed().Apply(bone.position - parent.bone->position);
      local = parent.frame.Transposed() * frame;
    }
    const int part = b_.AddPart(bone.name, parentPart, offset, Quat::FromMat3(local));
    bones_[bone.name] = {part, &bone, frame};
  }
}

const PatientRig::Placed& PatientRig::At(const std::string& bone) const {
  const auto it = bones_.find(bone);
  if (it == bones_.end()) throw std::invalid_argument("no bone " + bone);
  return it->second;
}

int PatientRig::Part(const std::string& bone) const { return At(bone).part; }
Vec3 PatientRig::Position(const std::string& bone) const { return At(bone).bone->position; }
const Mat3& PatientRig::Frame(const std::string& bone) const { return At(bone).frame; }

Vec3 PatientRig::ToLocal(const Placed& p, const Vec3& point) const {
  return p.frame.Transposed().Apply(point - p.bone->position);
}

void PatientRig::Box(const std::string& bone, int material, const Vec3& centre, const Vec3& size) {
  const Placed& p = At(bone);
  b_.AddBox(p.part, material, ToLocal(p, centre), size, Quat::FromMat3(p.frame.Transposed()));
}

void PatientRig::LocalBox(const std::string& bone, int material, const Vec3& centre, const Vec3& size) {
  b_.AddBox(At(bone).part, material, centre, size);
}

void PatientRig::Cylinder(const std::string& bone, int material, const Vec3& a, const Vec3& b, float radius,
                          const std::string& bendTo, const CylinderPicture& picture) {
  const Placed& p = At(bone);
  CylinderPicture local = picture;
  local.facing = p.frame.Transposed().Apply(picture.facing);
  b_.AddCylinder(p.part, material, ToLocal(p, a), ToLocal(p, b), radius, 10, bendTo.empty() ? -1 : Part(bendTo), local);
}

void PatientRig::Animate(const std::string& name, const std::vector<float>& times, const std::vector<Pose>& poses) {
  if (times.size() != poses.size() || times.empty()) throw std::invalid_argument("animation " + name);
  std::set<std::string> turned, moved;
  for (const Pose& pose : poses) {
    for (const auto& [bone, turn] : pose.turns) turned.insert(bone);
    for (const auto& [bone, move] : pose.moves) moved.insert(bone);
  }
  turned.insert(moved.begin(), moved.end());
  std::vector<ModelBuilder::PartKeys> keys;
  for (const std::string& bone : turned) {
    const Placed& p = At(bone);
    const Mat3 parentFrame = p.bone->parent ? At(p.bone->parent).frame : Mat3::Identity();
    const Mat3 restLocal = parentFrame.Transposed() * p.frame;
    const Vec3 restOffset = p.bone->parent ? ToLocal(At(p.bone->parent), p.bone->position) : p.bone->position;
    ModelBuilder::PartKeys k;
    k.part = p.part;
    k.times = times;
    for (const Pose& pose : poses) {
      const auto turn = pose.turns.find(bone);
      // The turn is in the model's space as the parent rests; the parent's own turn comes on top.
      const Mat3 delta = turn == pose.turns.end() ? Mat3::Identity() : turn->second;
      k.rotations.push_back(Quat::FromMat3(parentFrame.Transposed() * delta * parentFrame * restLocal));
      if (moved.count(bone)) {
        const auto move = pose.moves.find(bone);
        const Vec3 by = move == pose.moves.end() ? Vec3{} : parentFrame.Transposed().Apply(move->second);
        k.translations.push_back(restOffset + by);
      }
    }
    keys.push_back(std::move(k));
  }
  b_.AddAnimation(name, keys);
}

}  // namespace assetgen
