// The patient's animations, named as the game's pose table names them: sitting up holding a wound and
// lying back down holding it, lying still or breathing, the arm slings, rolling over, rolling off the
// rebar, pulling the trapped leg, the psychotic fits and the restraints; and the sixteen mouth shapes,
// each a held pose of the jaw (or the eyes) that the lip-sync switches between.
//
// Turns are given in the model's space as the body rests (see patient_rig.h): +z towards the head, +y up
// out of his front, +x to his left. A limb is aimed by the directions its two segments should take, as
// the trunk rests; when the trunk sits up the arms go with it.
#include <string>
#include <vector>

#include "tools/assetgen/patient_generators.h"
#include "tools/assetgen/patient_rig.h"

namespace assetgen {

namespace {

using engine::Mat3;
using engine::Vec3;
using Pose = PatientRig::Pose;

const Vec3 kAlongX{1, 0, 0}, kAlongZ{0, 0, 1};

Vec3 Mirror(const Vec3& v) { return {-v.x, v.y, v.z}; }

// Aims a two-segment limb: the upper segment towards `upper`, the lower towards `lower`.
void Aim(const PatientRig& rig, Pose& pose, const std::string& root, const std::string& middle, const std::string& end,
         const Vec3& upper, const Vec3& lower) {
  const Vec3 rest = rig.Position(middle) - rig.Position(root);
  const Mat3 first = TurnFromTo(rest, upper);
  pose.turns[root] = first;
  pose.turns[middle] = first.Transposed() * TurnFromTo(rig.Position(end) - rig.Position(middle), lower);
}

// Both arms, the right one the mirror of the left.
void Arms(const PatientRig& rig, Pose& pose, const Vec3& upper, const Vec3& lower) {
  Aim(rig, pose, "l_shldr", "l_elbow", "l_hand", upper, lower);
  Aim(rig, pose, "r_shldr", "r_elbow", "r_hand", Mirror(upper), Mirror(lower));
}

// The trunk raised towards sitting by degrees.
Pose SitUp(float degrees) {
  Pose pose;
  pose.turns["spinebase"] = TurnAbout(kAlongX, -degrees);
  return pose;
}

Pose LyingWith(Pose pose) {
  pose.turns.erase("spinebase");
  return pose;
}

constexpr float kSit = 55.0f;
constexpr float kSitForward = 68.0f;

struct Hold {
  const char* sitting;
  const char* lying;
  Pose pose;
};

std::vector<Hold> Holds(const PatientRig& rig) {
  std::vector<Hold> holds;
  // Both hands on the belly.
  Pose guts = SitUp(kSit);
  Arms(rig, guts, {-0.05f, 0.35f, -0.94f}, {-0.75f, 0.07f, -0.66f});
  holds.push_back({"hold_guts", "hold_guts__lie", guts});
  // The other hand on the wounded forearm.
  Pose leftArm = SitUp(kSit);
  Aim(rig, leftArm, "r_shldr", "r_elbow", "r_hand", {0.45f, 0.55f, -0.7f}, {0.86f, -0.22f, -0.45f});
  holds.push_back({"hold_left_arm", "hold_left_arm_lie", leftArm});
  Pose rightArm = SitUp(kSit);
  Aim(rig, rightArm, "l_shldr", "l_elbow", "l_hand", Mirror({0.45f, 0.55f, -0.7f}), Mirror({0.86f, -0.22f, -0.45f}));
  holds.push_back({"hold_right_arm", "hold_right_arm_lie", rightArm});
  // Reaching forward to a thigh drawn up, the foot kept on the ground.
  Pose leftLeg = SitUp(kSitForward);
  Aim(rig, leftLeg, "l_shldr", "l_elbow", "l_hand", {-0.05f, 0.8f, -0.6f}, {-0.1f, 0.9f, -0.42f});
  Aim(rig, leftLeg, "r_shldr", "r_elbow", "r_hand", {0.35f, 0.8f, -0.5f}, {0.3f, 0.9f, -0.3f});
  Aim(rig, leftLeg, "l_hip", "l_knee", "l_ankle", {0, 0.42f, -0.91f}, {0, -0.42f, -0.91f});
  holds.push_back({"hold_left_leg", "hold_left_leg_lie", leftLeg});
  Pose rightLeg = SitUp(kSitForward);
  Aim(rig, rightLeg, "r_shldr", "r_elbow", "r_hand", Mirror({-0.05f, 0.8f, -0.6f}), Mirror({-0.1f, 0.9f, -0.42f}));
  Aim(rig, rightLeg, "l_shldr", "l_elbow", "l_hand", Mirror({0.35f, 0.8f, -0.5f}), Mirror({0.3f, 0.9f, -0.3f}));
  Aim(rig, rightLeg, "r_hip", "r_knee", "r_ankle", {0, 0.42f, -0.91f}, {0, -0.42f, -0.91f});
  holds.push_back({"hold_right_leg", "hold_right_leg_lie", rightLeg});
  // Both hands to the head.
  Pose head = SitUp(kSit);
  Arms(rig, head, {0.15f, 0.55f, 0.82f}, {-0.77f, -0.49f, 0.41f});
  holds.push_back({"holdhead", "holdhead2lie", head});
  // Both hands on the chest.
  Pose torso = SitUp(kSit);
  Arms(rig, torso, {0, 0.6f, -0.8f}, {-0.7f, -0.26f, 0.66f});
  holds.push_back({"hold_torso", "holdtorso2lie", torso});
  // The foot gone: sitting forward towards the legs.
  Pose foot = SitUp(kSitForward);
  Arms(rig, foot, {0.05f, 0.75f, -0.66f}, {0, 0.55f, -0.83f});
  holds.push_back({"ftgn_sit", "ftgn_sit_lie", foot});
  // The strut through the belly holds him half up.
  Pose strut = SitUp(30.0f);
  Arms(rig, strut, {-0.05f, 0.35f, -0.94f}, {-0.75f, 0.07f, -0.66f});
  holds.push_back({"strutab_hold", "strutab_hold_lie", strut});
  return holds;
}

void AddBodyPoses(PatientRig& rig) {
  const Pose rest;
  for (const Hold& hold : Holds(rig)) {
    // Sitting up into the hold, then lying back keeping it.
    rig.Animate(hold.sitting, {0, 1.5f}, {rest, hold.pose});
    rig.Animate(hold.lying, {0, 2.0f}, {hold.pose, LyingWith(hold.pose)});
  }
  Pose leftSling, rightSling;
  Aim(rig, leftSling, "l_shldr", "l_elbow", "l_hand", {0.1f, 0.45f, -0.89f}, {-0.9f, 0.35f, 0.25f});
  Aim(rig, rightSling, "r_shldr", "r_elbow", "r_hand", Mirror({0.1f, 0.45f, -0.89f}), Mirror({-0.9f, 0.35f, 0.25f}));
  rig.Animate("leftarmsling", {0, 1.0f}, {leftSling, leftSling});
  rig.Animate("rightarmsling", {0, 1.0f}, {rightSling, rightSling});
  // Lying still: every part back at rest, so it is keyed from the top of the body.
  Pose still;
  still.turns["pelv"] = Mat3::Identity();
  rig.Animate("liestiil", {0, 1.0f}, {still, still});

  // Breathing.
  Pose breath;
  breath.turns["spine2"] = TurnAbout(kAlongX, -2.5f);
  rig.Animate("pv_idle", {0, 1.5f, 3.0f}, {rest, breath, rest});

  // Rolled over his right side onto his front, lifted clear of the ground on the way; he lies higher on
  // his front, where his face and toes stand out further than his back.
  Pose side, front;
  side.turns["pelv"] = TurnAbout(kAlongZ, 90);
  side.moves["pelv"] = {0, 0.8f, 0};
  front.turns["pelv"] = TurnAbout(kAlongZ, 180);
  front.moves["pelv"] = {0, 0.24f, 0};
  rig.Animate("roll_over", {0, 1.0f, 2.0f}, {rest, side, front});

  // Off the rebar: half onto his right side and back.
  Pose off;
  off.turns["pelv"] = TurnAbout(kAlongZ, 30);
  off.moves["pelv"] = {0, 0.3f, 0};
  rig.Animate("off_rebar_roll", {0, 1.0f, 2.0f}, {rest, off, rest});

  // The trapped left leg pulled out.
  Pose pull;
  Aim(rig, pull, "l_hip", "l_knee", "l_ankle", {0.25f, 0.15f, -0.96f}, {0.25f, 0.15f, -0.96f});
  rig.Animate("move_stump", {0, 0.6f, 1.2f}, {rest, pull, rest});

  // Fits: flailing arms and a shaking head, kicking legs, a writhing trunk.
  Pose armsUp, armsOut, headLeft, headRight;
  Arms(rig, armsUp, {0.3f, 0.6f, -0.74f}, {0.2f, 0.9f, 0.3f});
  Arms(rig, armsOut, {0.9f, 0.3f, 0.3f}, {0.7f, 0.7f, 0});
  armsUp.turns["nek"] = TurnAbout(kAlongZ, 30);
  armsOut.turns["nek"] = TurnAbout(kAlongZ, -30);
  rig.Animate("psychoA_psycho", {0, 0.3f, 0.6f, 0.9f, 1.2f}, {rest, armsUp, armsOut, armsUp, rest});
  Pose kickLeft, kickRight;
  Aim(rig, kickLeft, "l_hip", "l_knee", "l_ankle", {0, 0.5f, -0.87f}, {0, 0.2f, -0.98f});
  Aim(rig, kickRight, "r_hip", "r_knee", "r_ankle", {0, 0.5f, -0.87f}, {0, 0.2f, -0.98f});
  rig.Animate("psychoB_psycho", {0, 0.3f, 0.6f, 0.9f, 1.2f}, {rest, kickLeft, kickRight, kickLeft, rest});
  Pose twistLeft = SitUp(20), twistRight = SitUp(20);
  twistLeft.turns["spine1"] = TurnAbout(kAlongZ, 15);
  twistRight.turns["spine1"] = TurnAbout(kAlongZ, -15);
  rig.Animate("psychoC_psycho", {0, 0.4f, 0.8f, 1.2f}, {rest, twistLeft, twistRight, rest});

  // Tied: the arms crossed on the chest.
  Pose tied;
  Arms(rig, tied, {-0.1f, 0.6f, -0.79f}, {-0.9f, 0.3f, 0.3f});
  rig.Animate("restrain_restrain", {0, 1.0f}, {rest, tied});
}

// The mouth shapes in lip-sync order: how far the jaw drops for each (degrees).
struct MouthShape {
  const char* name;
  float jaw;
};
constexpr MouthShape kMouthShapes[] = {
    {"ph_A", 25},  {"ph_CHSHJ", 8}, {"ph_CKG", 10}, {"ph_E", 12}, {"ph_FV", 4},    {"ph_IU", 8},
    {"ph_MBP", 0}, {"ph_NDTL", 7},  {"ph_O", 18},   {"ph_R", 9},  {"ph_SZ", 5},    {"ph_TH", 6},
    {"ph_WOOQ", 10}, {"ph_blink", 0}, {"ph_grimace", 6}, {"ph_norm", 0},
};
constexpr float kMouthShapeLength = 0.2f;

void AddMouthShapes(PatientRig& rig) {
  for (const MouthShape& shape : kMouthShapes) {
    Pose pose;
    // The jaw drops towards his chin.
    pose.turns["lo_mouth"] = TurnAbout(kAlongX, -shape.jaw);
    pose.turns["up_mouth"] = Mat3::Identity();
    const std::string name = shape.name;
    if (name == "ph_blink" || name == "ph_norm") {
      // Closed eyes sink under the lids; the resting face opens them again.
      const Vec3 sink = name == "ph_blink" ? Vec3{0, -0.04f, 0} : Vec3{};
      for (const char* eye : {"l_eye1", "r_eye1"}) pose.moves[eye] = sink;
    }
    if (name == "ph_grimace")
      for (const char* cheek : {"l_cheek", "r_cheek"}) pose.moves[cheek] = {0, 0, 0.02f};
    rig.Animate(name, {0, kMouthShapeLength}, {pose, pose});
  }
}

}  // namespace

void AddPatientPoses(PatientRig& rig) {
  AddBodyPoses(rig);
  AddMouthShapes(rig);
}

}  // namespace assetgen
