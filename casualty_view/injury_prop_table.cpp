// The injury props' models and placements, the vehicle's shadow, and the path the knife comes out along.
#include <array>

#include "casualty/patient_bones.h"
#include "casualty_view/injury_prop.h"
#include "casualty_view/injury_props.h"

namespace kestrine {

namespace {

constexpr PropStep MoveTo(float x, float y, float z) { return {PROP_MOVE_TO, x, y, z, 0}; }
constexpr PropStep Rotate(float x, float y, float z, float degrees) { return {PROP_ROTATE, x, y, z, degrees}; }
constexpr PropStep TurnTo(float x, float y, float z, float degrees) { return {PROP_TURN_TO, x, y, z, degrees}; }
constexpr PropStep FaceForward() { return {PROP_FACE, 0, 0, 1, 0}; }
constexpr PropStep Scale(float s) { return {PROP_SCALE, s, s, s, 0}; }

}  // namespace

const PropRow kPropRows[kPropKindCount] = {
    {L"patient\\injury\\pv-gut2\\gut.qsad", kOnStage, {Scale(2), MoveTo(0.5f, 2, 1), TurnTo(1, 0, 0, 90)}},
    {L"patient\\injury\\knife\\knife.qsad",
     BONE_SPINE2,
     {MoveTo(0, 0, 0), Rotate(0, 0, 1, 240), Rotate(0, 1, 0, 180), MoveTo(0.5f, 0.4f, 1.4f)}},
    {L"patient\\injury\\hummer\\hummer.qsad", kOnStage, {Scale(3), MoveTo(5, 0, -14), TurnTo(0, 1, 0, -165)}},
    {L"patient\\injury\\finger\\strut_obj.qsad",
     BONE_SPINEBASE,
     {FaceForward(), Scale(3), MoveTo(-1, 2, 1), TurnTo(1, 0, 0, 90)}},
    {L"patient\\injury\\finger\\finger.qsad",
     BONE_R_HAND,
     {Rotate(0, 0, 1, 180), Rotate(0, 1, 0, 90), MoveTo(-0.2f, 0, -0.1f)}},
    {L"patient\\injury\\pv-pipebutt\\pipe.qsad", BONE_PELV, {Rotate(0, 1, 0, 90), MoveTo(-0.5f, -0.15f, 0.15f)}},
    {L"patient\\injury\\finger\\rebar_obj.qsad", kOnStage, {Scale(3)}},
    {L"patient\\injury\\finger\\pv_pistol.qsad",
     BONE_R_HAND,
     {Rotate(0, 1, 0, -90), Rotate(1, 0, 0, 180), MoveTo(0, 0, 0.1f)}},
    {L"patient\\injury\\turban\\turban2.qsad", BONE_HEAD, {Scale(3), MoveTo(0, 0, 0), FaceForward()}},
};

// Laid flat face up, its far edge at the actor's origin so that it spreads from behind the vehicle towards
// the patient, and turned about the upright: so it stays flat on the ground, under the vehicle.
const PropStep kHummerShadowSteps[kMaxPropSteps] = {Scale(6), MoveTo(-12, 0.01f, -33), TurnTo(1, 0, 0, -90),
                                                    Rotate(0, 1, 0, 20)};
const PlaneMeasures kHummerShadowPlane = {4, 8, 0, 2.0f, -4.0f, 4};

namespace {

// Eleven steps up and out, six flatter, nine falling away, then the end.
constexpr std::array<KnifeStep, kKnifePathLength> MakeKnifePath() {
  std::array<KnifeStep, kKnifePathLength> path{};
  int at = 0;
  const auto run = [&](int count, KnifeStep step) {
    for (int i = 0; i < count; ++i) path[at++] = step;
  };
  run(11, {-0.1f, 0.1f, 0.1f});
  run(6, {-0.1f, -0.1f, 0.2f});
  run(9, {-0.1f, -0.2f, 0.2f});
  path[at] = {0, 0, 0};
  return path;
}

}  // namespace

constexpr std::array<KnifeStep, kKnifePathLength> kKnifePath = MakeKnifePath();

}  // namespace kestrine
