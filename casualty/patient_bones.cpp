// The bone names and the pick shapes.
#include "casualty/patient_bones.h"

#include <string>

namespace kestrine {

const char* const kBoneNames[kBoneTableSize] = {
    "l_ankle", "r_ankle", "l_knee",  "r_knee",    "l_hip",  "r_hip",  "pelv",    "l_hand",  "r_hand",
    "l_elbow", "r_elbow", "l_shldr", "r_shldr",   "spinebase", "spine1", "spine2", "spine3", "nek",
    "head",    "lo_mouth", "up_mouth", "l_eye1", "r_eye1", "l_cheek", "r_cheek", "left_elbow", "right_elbow",
};

int32_t BoneIndexFromName(std::string_view name) {
  for (int32_t i = 0; i < kBoneTableSize; ++i)
    if (name == kBoneNames[i]) return i;
  return -1;
}

int32_t BoneIndexFromName(std::wstring_view name) {
  // Bone names are plain ASCII; anything wider is no bone of ours.
  std::string narrow;
  for (wchar_t c : name) {
    if (c <= 0 || c > 0x7f) return -1;
    narrow.push_back(static_cast<char>(c));
  }
  return BoneIndexFromName(std::string_view(narrow));
}

const PickShapeRow kPickShapes[kPickShapeRowCount] = {
    {{BONE_L_ANKLE, BONE_R_ANKLE}, PICK_CYLINDER, 0.7f, 0.2f, 0, 0, 0, 90, {{0.4f, 0, 0}, {0.4f, 0, 0}}},
    {{BONE_L_KNEE, BONE_R_KNEE}, PICK_CYLINDER, 0.9f, 0.2f, 0, 0, 0, 90, {{0.4f, 0.1f, 0}, {0.4f, 0.1f, 0}}},
    {{BONE_L_HIP, BONE_R_HIP}, PICK_CYLINDER, 1.3f, 0.2f, 0, 0, 0, 90, {{0.8f, 0, 0}, {0.8f, 0, 0}}},
    {{BONE_PELV, -1}, PICK_CYLINDER, 1.2f, 0.3f, 0, 0, 0, 90, {{0, 0, 0}, {0, 0, 0}}},
    {{BONE_L_HAND, BONE_R_HAND}, PICK_SPHERE, 0.2f, 0, 0, 0, 0, 0, {{0.2f, 0, 0}, {-0.2f, 0, 0}}},
    {{BONE_L_ELBOW, BONE_R_ELBOW}, PICK_CYLINDER, 0.7f, 0.25f, 0, 0, 0, 90, {{0.5f, 0, 0}, {-0.5f, 0, 0}}},
    {{BONE_L_SHLDR, BONE_R_SHLDR}, PICK_CYLINDER, 0.5f, 0.25f, 0, 0, 0, 90, {{0.5f, 0, 0}, {-0.5f, 0, 0}}},
    {{BONE_SPINEBASE, -1}, PICK_SPHERE, 0.5f, 0, 0, 0, 0, 0, {{0, 0.3f, 0}, {0, 0, 0}}},
    {{BONE_SPINE1, -1}, PICK_CYLINDER, 1.0f, 0.3f, 0, 90, 0, 0, {{-0.5f, 0.2f, 0}, {0, 0, 0}}},
    {{BONE_SPINE2, -1}, PICK_BOX, 1.0f, 0.2f, 1.0f, 0, 0, 0, {{0, -0.3f, 0}, {0, 0, 0}}},
    {{BONE_SPINE3, -1}, PICK_BOX, 1.2f, 0.2f, 1.0f, 0, 0, 0, {{-0.5f, 0.1f, 0}, {0, 0, 0}}},
    {{BONE_NEK, -1}, PICK_SPHERE, 0.2f, 0, 0, 0, 0, 0, {{0.4f, 0.1f, 0}, {0, 0, 0}}},
    {{BONE_HEAD, -1}, PICK_SPHERE, 0.3f, 0, 0, 0, 0, 0, {{0.5f, 0.2f, 0}, {0, 0, 0}}},
    {{BONE_LO_MOUTH, -1}, PICK_SPHERE, 0.1f, 0, 0, 0, 0, 0, {{0, 0, 0.1f}, {0, 0, 0}}},
    {{BONE_UP_MOUTH, -1}, PICK_SPHERE, 0.1f, 0, 0, 0, 0, 0, {{0, 0.1f, 0.05f}, {0, 0, 0}}},
    {{BONE_L_EYE1, BONE_R_EYE1}, PICK_SPHERE, 0.1f, 0, 0, 0, 0, 0, {{0, 0, 0}, {0, 0, 0}}},
    {{BONE_L_CHEEK, BONE_R_CHEEK}, PICK_SPHERE, 0.1f, 0, 0, 0, 0, 0, {{0.1f, 0.1f, 0.4f}, {-0.1f, 0.1f, 0.4f}}},
    {{BONE_LEFT_ELBOW, BONE_RIGHT_ELBOW}, PICK_SPHERE, 0.3f, 0, 0, 0, 0, 0, {{0, 0.5f, 0}, {0, -0.5f, 0}}},
};

const PickShapeRow* PickShapeOf(int32_t bone, Offset3* offset) {
  for (const PickShapeRow& row : kPickShapes) {
    for (int side = 0; side < 2; ++side) {
      if (row.bones[side] != bone || bone < 0) continue;
      if (offset != nullptr) *offset = row.offsets[side];
      return &row;
    }
  }
  return nullptr;
}

}  // namespace kestrine
