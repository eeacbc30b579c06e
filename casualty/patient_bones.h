// The patient's skeleton as the game knows it: 27 bone names, each with a bone number, and the invisible
// pick shape that each named bone carries so that a click on the body finds the part. A bone's number is
// also its body part's number, so a picked bone names the part directly.
#pragma once

#include <cstdint>
#include <string_view>

namespace kestrine {

// A body model may have more bones than the game names; only this many are looked at.
constexpr int kMaxBones = 38;
constexpr int kBoneTableSize = 27;

enum BoneNumber : int32_t {
  BONE_L_ANKLE = 0,
  BONE_R_ANKLE = 1,
  BONE_L_KNEE = 2,
  BONE_R_KNEE = 3,
  BONE_L_HIP = 4,
  BONE_R_HIP = 5,
  BONE_PELV = 6,
  BONE_L_HAND = 7,
  BONE_R_HAND = 8,
  BONE_L_ELBOW = 9,
  BONE_R_ELBOW = 10,
  BONE_L_SHLDR = 11,
  BONE_R_SHLDR = 12,
  BONE_SPINEBASE = 13,
  BONE_SPINE1 = 14,
  BONE_SPINE2 = 15,
  BONE_SPINE3 = 16,
  BONE_NEK = 17,
  BONE_HEAD = 18,
  BONE_LO_MOUTH = 19,
  BONE_UP_MOUTH = 20,
  BONE_L_EYE1 = 21,
  BONE_R_EYE1 = 22,
  BONE_L_CHEEK = 23,
  BONE_R_CHEEK = 24,
  // Not bones of the model: pick spheres hung under the forearms' pick shapes, at the elbow joints.
  BONE_LEFT_ELBOW = 25,
  BONE_RIGHT_ELBOW = 26,
};

extern const char* const kBoneNames[kBoneTableSize];

// The bone number of a name: exact and case-sensitive; -1 for a name not in the table.
int32_t BoneIndexFromName(std::string_view name);
int32_t BoneIndexFromName(std::wstring_view name);

enum PickShapeKind : int32_t {
  PICK_SPHERE = 0,
  PICK_CYLINDER = 1,
  PICK_BOX = 2,
};

struct Offset3 {
  float x, y, z;
};

// One row serves a bone, or a left and right pair; a pair may sit at mirrored offsets. Sizes: a sphere's
// radius a; a cylinder's length a and radius b; a box's a x b x c. The shape's actor is turned about x,
// then y, then z, and placed at the offset from its bone.
struct PickShapeRow {
  int32_t bones[2];  // the second -1 for a single bone
  int32_t kind;
  float a, b, c;
  float turnX, turnY, turnZ;
  Offset3 offsets[2];
};

constexpr int kPickShapeRowCount = 18;
extern const PickShapeRow kPickShapes[kPickShapeRowCount];

// The row of a bone number and the offset it gives that bone; null for a number no row has.
const PickShapeRow* PickShapeOf(int32_t bone, Offset3* offset);

}  // namespace kestrine
