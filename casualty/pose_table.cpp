// The pose names and the match of a model's animation names to them.
#include "casualty/pose_table.h"

namespace kestrine {

const PoseName kPoseNames[kPoseNameCount] = {
    {"hold_guts", 0},
    {"hold_guts__lie", 1},
    {"hold_left_arm", 2},
    {"hold_left_arm_lie", 3},
    {"hold_left_leg", 4},
    {"hold_left_leg_lie", 5},
    {"hold_right_arm", 6},
    {"hold_right_arm_lie", 7},
    {"hold_right_leg", 8},
    {"hold_right_leg_lie", 9},
    {"holdhead", 10},
    {"holdhead2lie", 11},
    {"hold_torso", 12},
    {"holdtorso2lie", 13},
    {"leftarmsling", 14},
    {"rightarmsling", 15},
    {"liestiil", 16},
    {"liestiil", 16},
    {"off_rebar_roll", 18},
    {"ftgn_sit", 19},
    {"ftgn_sit_lie", 20},
    {"strutab_hold", 21},
    {"strutab_hold_lie", 22},
    {"ph_A", 23},
    {"ph_CHSHJ", 24},
    {"ph_CKG", 25},
    {"ph_E", 26},
    {"ph_FV", 27},
    {"ph_IU", 28},
    {"ph_MBP", 29},
    {"ph_NDTL", 30},
    {"ph_O", 31},
    {"ph_R", 32},
    {"ph_SZ", 33},
    {"ph_TH", 34},
    {"ph_WOOQ", 35},
    {"ph_blink", 36},
    {"ph_grimace", 37},
    {"ph_norm", 38},
    {"pv_idle", 39},
    {"pvidle", 39},
    {"roll_over", 41},
    {"move_stump", 42},
    {"psychoA_psycho", 43},
    {"psychoB_psycho", 44},
    {"psychoC_psycho", 45},
    {"restrain_restrain", 46},
};

int32_t PoseOfAnimationName(std::wstring_view name) {
  if (!name.empty() && name.back() < L'A') name.remove_suffix(1);
  if (name.empty()) return -1;
  for (const PoseName& row : kPoseNames) {
    const std::string_view pose = row.name;
    if (pose.size() < name.size()) continue;
    bool begins = true;
    for (size_t i = 0; i < name.size() && begins; ++i) begins = static_cast<wchar_t>(pose[i]) == name[i];
    if (begins) return row.pose;
  }
  return -1;
}

}  // namespace kestrine
