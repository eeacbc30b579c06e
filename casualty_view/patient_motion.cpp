// The body's motions treatment starts, once a frame for the shown patient.
#include <algorithm>

#include "casualty/body_model_choice.h"
#include "casualty/patient.h"
#include "casualty_view/model_body.h"
#include "shell/events.h"
#include "engine/engine.h"

namespace kestrine {

namespace {

// Rolling off the rebar moves the scene only once the roll has got this far (ms left).
constexpr int32_t kRollOffMovingMs = 4000;
constexpr float kSlideStep = 0.2f;
// Pulled from under the vehicle: the scene slides from this count up to the idle -1.
constexpr int32_t kSlideStart = -20;
constexpr int32_t kSlideIdle = -1;
constexpr int32_t kMoveStumpPose = 42;
constexpr float kTurnDegrees = 4.0f;
constexpr float kLiftTurnDegrees = 6.0f;
constexpr float kLiftStep = 0.4f;
constexpr float kLiftTop = 3.2f;
constexpr int32_t kRisingAbove = 20;  // lift frames left
constexpr int32_t kSinkingBelow = 5;
constexpr float kRaisedRest = 1.2f;
// Turned onto his front he lies higher than on his back (his face and toes stand out further): where the
// lift's four sinking steps leave him.
constexpr float kOnFrontRise = 1.6f;

void Slide(const engine::EngineRef<engine::EngineNode>& node, float dx) {
  if (node) node->MoveBy(dx, 0.0f, 0.0f);
}

// Turned onto the side he is rolled on: the left turns about the downward axis, the right about the upward.
void TurnOnto(engine::EngineNode& body, uint32_t direction, float degrees) {
  body.Rotate(0.0f, direction == kRolledOnLeft ? -1.0f : 1.0f, 0.0f, degrees, 0);
}

}  // namespace

void UpdatePatientMotion(Patient& patient, const engine::EngineRef<engine::EngineModel>& ground,
                         bool toolAnimationPlaying) {
  BodyObjects& o = ObjectsOf(patient);
  engine::EngineRef<engine::EngineModel> propModel;
  engine::EngineRef<engine::EngineActor> propShadow;
  if (o.prop) {
    propModel = o.prop->model;
    propShadow = o.prop->shadow;
  }

  // Rolled off the rebar: the ground and the rebar slide away under him while the roll plays out.
  if (patient.rollOffTime > 0 && patient.rollOffTime < kRollOffMovingMs) {
    Slide(ground, kSlideStep);
    Slide(propModel, kSlideStep);
  }
  if (patient.rollOffTime > 0) patient.rollOffTime -= Clock().frameTime;

  if (o.prop) o.prop->Update();

  // Pulled from under the vehicle: the scene, the vehicle, its shadow and his left lower leg slide back.
  if (!toolAnimationPlaying) {
    if (patient.currentWound == kAmputationBodyWound && patient.slideCounter == kSlideStart)
      patient.Body().PlayAnimation(kMoveStumpPose);
    if (patient.slideCounter < kSlideIdle) {
      Slide(ground, -kSlideStep);
      Slide(propModel, -kSlideStep);
      Slide(propShadow, -kSlideStep);
      Slide(o.leftStump, -kSlideStep);
      ++patient.slideCounter;
    }
  }

  if (!o.bodyModel) return;
  if (patient.liftCounter < 1) {
    // Turned over onto the side he was rolled on.
    if (patient.slideCounter >= 0) {
      --patient.slideCounter;
      TurnOnto(*o.bodyModel, patient.rollDirection, kTurnDegrees);
    }
    return;
  }

  o.bodyModel->Rotate(0.0f, 0.0f, 1.0f, kLiftTurnDegrees, 0);
  const engine::Vec3 at = o.bodyModel->LocalPosition();
  const float rest = patient.RestHeight();
  float height = at.y;
  if (patient.liftCounter > kRisingAbove) height = std::min(height + kLiftStep, kLiftTop);
  // He is set down on the ground again, not left hanging where the last step ends.
  if (patient.liftCounter < kSinkingBelow && height > rest) height = std::max(height - kLiftStep, rest);
  --patient.liftCounter;
  if (patient.liftCounter == 0) {
    height = rest;
    patient.bodyFlags &= ~static_cast<uint32_t>(BODY_SECOND_PICTURE);
  }
  o.bodyModel->MoveTo(at.x, height, at.z);
}

float Patient::RestHeight() const { return (baseRaised ? kRaisedRest : 0.0f) + (rolledOver ? kOnFrontRise : 0.0f); }

void Patient::SettleRollAtOnce() {
  BodyObjects& o = ObjectsOf(*this);
  if (!o.bodyModel) return;
  // Laid down higher on his front, lower on his back, wherever the body is parked meanwhile.
  const engine::Vec3 at = o.bodyModel->LocalPosition();
  o.bodyModel->MoveTo(at.x, at.y + (rolledOver ? kOnFrontRise : -kOnFrontRise), at.z);
  // The lift turns him over about his length, then he is turned onto his side, a step for each count left.
  o.bodyModel->Rotate(0.0f, 0.0f, 1.0f, kLiftTurnDegrees * static_cast<float>(kLiftFrames), 0);
  if (slideCounter >= 0) TurnOnto(*o.bodyModel, rollDirection, kTurnDegrees * static_cast<float>(slideCounter + 1));
  slideCounter = kSlideIdle;
  liftCounter = -1;
  bodyFlags &= ~static_cast<uint32_t>(BODY_SECOND_PICTURE);
}

}  // namespace kestrine
