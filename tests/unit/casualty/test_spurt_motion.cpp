// The arterial spurt frame by frame (a drop more each frame, the beat weakening after death until it stops,
// drops resting at the wound while there is no spurt) and the lift. (The slides off the rebar and from under
// the vehicle and the turn after a roll are played whole in the scenario tests.)
#include <gtest/gtest.h>

#include <memory>

#include "casualty/patient.h"
#include "casualty_view/model_body.h"
#include "casualty_view/spurt.h"
#include "core/engine_internals.h"
#include "shell/engine_setup.h"
#include "shell/events.h"
#include "shell/program_state.h"
#include "unit/casualty/headless_stage_fixture.h"
#include "unit/casualty/model_patient.h"
#include "unit/casualty/wound_fixture.h"

namespace kestrine {
namespace {

using engine::Vec3;
using testing::RecordingPatient;

constexpr int32_t kStumpWound = 4;  // spurts from (-1.5, 1, -3) at (-0.05, 0.1, -0.4)
constexpr int32_t kNoSpurtWound = 31;
constexpr float kNear = 1e-4f;

class SpurtMotionTest : public HeadlessStageTest {
 protected:
  void SetUp() override {
    HeadlessStageTest::SetUp();
    MakeSpurtDrops(*Engine().engineRoot, *Engine().engineStage);
    patient_.woundType = kStumpWound;
    patient_.spurting = 1;
  }
  void TearDown() override {
    held_.reset();
    HeadlessStageTest::TearDown();
  }

  static int Visible() {
    int n = 0;
    for (const SpurtDrop& drop : Spurt().drops) n += drop.actor->Visible() ? 1 : 0;
    return n;
  }
  static Vec3 At(const SpurtDrop& drop) { return drop.actor->GetPosition()->Value(); }

  // Let go of before the engine.
  std::unique_ptr<RecordingPatient> held_ = std::make_unique<RecordingPatient>();
  RecordingPatient& patient_ = *held_;
};

TEST_F(SpurtMotionTest, AliveOneMoreDropJoinsEachFrameAndTheFirstFliesItsArc) {
  // Made once, on the stage, hidden, dark red.
  const engine::EngineNode* first = Spurt().drops[0].actor.Get();
  MakeSpurtDrops(*Engine().engineRoot, *Engine().engineStage);
  EXPECT_EQ(Spurt().drops[0].actor.Get(), first);
  EXPECT_EQ(Engine().engineStage->Objects().size(), static_cast<size_t>(kSpurtDropCount));
  EXPECT_EQ(Spurt().drops[9].mesh->FindFace(L"front")->color, (engine::Color{106, 12, 12}));
  EXPECT_EQ(Visible(), 0);

  for (int frame = 1; frame <= kSpurtDropCount; ++frame) {
    patient_.UpdateSpurt();
    EXPECT_EQ(Visible(), frame);
    EXPECT_EQ(patient_.spurting, 2);
  }
  // Drop 0: at the wound after the first frame, then gravity (0.1 a frame) bends its flight.
  const Vec3 at = At(Spurt().drops[0]);  // after 10 frames: 9 steps of flight
  EXPECT_NEAR(at.x, -1.5f - 9 * 0.05f, kNear);
  EXPECT_NEAR(at.y, 1.0f + 9 * 0.1f - 0.1f * 45, kNear);
  EXPECT_NEAR(at.z, -3.0f - 9 * 0.4f, kNear);
  // Laid along its flight.
  const Vec3 up = Spurt().drops[0].actor->GetUp()->Value();
  const Vec3 flight = Vec3(-0.05f, 0.1f - 0.9f, -0.4f).Normalized();
  EXPECT_NEAR(up.Dot(flight), 1.0f, 1e-3f);

  // No spurt: every drop rests at the wound, shown ones shown and the rest hidden ((0, 0, 0) for a wound
  // with no spurt).
  patient_.spurting = 0;
  patient_.UpdateSpurt();
  EXPECT_EQ(Visible(), kSpurtDropCount);
  EXPECT_NEAR((At(Spurt().drops[9]) - Vec3(-1.5f, 1, -3)).Length(), 0.0f, kNear);
  patient_.woundType = kNoSpurtWound;
  Spurt().drops[9].actor->SetVisible(0);
  patient_.UpdateSpurt();
  EXPECT_EQ(At(Spurt().drops[9]).Length(), 0.0f);
  EXPECT_EQ(Visible(), kSpurtDropCount - 1);
  ReleaseSpurtDrops(Engine().engineStage.Get());
  EXPECT_TRUE(Engine().engineStage->Objects().empty());
}

TEST_F(SpurtMotionTest, AfterDeathEachBeatIsWeakerAndTheSpurtStopsAfterAHundredFrames) {
  for (int i = 0; i < 3; ++i) patient_.UpdateSpurt();
  patient_.dead = 1;
  // A drop that has left the scene restarts every drop, at (100 - count) / 100 of the wound's push.
  patient_.spurting = 50;
  MoveSpurtDrop(0, Vector3(Spurt().drops[0].position.x, -20.0f, Spurt().drops[0].position.z));
  patient_.UpdateSpurt();
  EXPECT_EQ(patient_.spurting, 51);
  EXPECT_NEAR(Spurt().drops[5].velocity.x, -0.05f * 0.49f, kNear);
  EXPECT_NEAR(Spurt().drops[5].velocity.y, 0.1f * 0.49f, kNear);
  EXPECT_NEAR(Spurt().drops[5].velocity.z, -0.4f * 0.49f, kNear);

  // At the last count the push is nothing, never backwards; a drop falling straight keeps its turn.
  patient_.spurting = 100;
  MoveSpurtDrop(0, Vector3(Spurt().drops[0].position.x, -20.0f, Spurt().drops[0].position.z));
  const Vec3 turned = Spurt().drops[0].actor->GetDirection()->Value();
  patient_.UpdateSpurt();
  EXPECT_EQ(Spurt().drops[5].velocity.y, 0.0f);
  const Vec3 still = Spurt().drops[0].actor->GetDirection()->Value();
  EXPECT_NEAR(still.Dot(turned), 1.0f, 1e-5f);
  patient_.UpdateSpurt();
  EXPECT_EQ(patient_.spurting, 0);

  // Counted from a running spurt at death: 100 frames.
  RecordingPatient dying;
  dying.woundType = kStumpWound;
  dying.spurting = 2;
  dying.dead = 1;
  int frames = 0;
  while (dying.spurting != 0 && frames < 200) {
    dying.UpdateSpurt();
    ++frames;
  }
  EXPECT_EQ(frames, 100);
}

// A body on the engine that writes down the poses it is asked to play.
class PoseRecordingBody : public ModelBody {
 public:
  using ModelBody::ModelBody;
  int32_t PlayAnimation(int32_t pose) override {
    animations.push_back(pose);
    return 1;
  }
  std::vector<int32_t> animations;
};

class MotionTest : public SpurtMotionTest {
 protected:
  void SetUp() override {
    SpurtMotionTest::SetUp();
    ObjectsOf(patient_).bodyModel = Engine().engineRoot->CreateActor();
    ground_ = Engine().engineRoot->CreateActor();
  }
  void TearDown() override {
    moving_.reset();
    SpurtMotionTest::TearDown();
  }
  static float Y(const engine::EngineRef<engine::EngineNode>& node) { return node->GetPosition()->GetY(); }

  // His motion needs a body on the engine that keeps what it is given.
  std::unique_ptr<Patient> moving_ = testing::UnbuiltModelPatient<PoseRecordingBody>();
  Patient& patient_ = *moving_;
  engine::EngineRef<engine::EngineActor> ground_;
};

TEST_F(MotionTest, ALiftRaisesHimTurnsHimOverSetsHimDownAndClearsTheSecondTrouserPicture) {
  for (int32_t raised : {0, 1}) {
    const float rest = raised ? 1.2f : 0.0f;
    patient_.baseRaised = raised;
    ObjectsOf(patient_).bodyModel->ResetOrientation();
    ObjectsOf(patient_).bodyModel->MoveTo(0, rest, 0);
    patient_.bodyFlags = BODY_SECOND_PICTURE | BODY_CUT_UPPER_A;
    patient_.liftCounter = kLiftFrames;
    patient_.slideCounter = 10;  // no turn about the upright while he is lifted
    for (int i = 0; i < 10; ++i) UpdatePatientMotion(patient_, ground_, false);
    EXPECT_NEAR(Y(ObjectsOf(patient_).bodyModel), 3.2f, kNear);
    EXPECT_EQ(patient_.slideCounter, 10);
    for (int i = 0; i < 20; ++i) UpdatePatientMotion(patient_, ground_, false);
    EXPECT_EQ(patient_.liftCounter, 0);
    EXPECT_NEAR(Y(ObjectsOf(patient_).bodyModel), rest, kNear);
    EXPECT_EQ(patient_.bodyFlags, static_cast<uint32_t>(BODY_CUT_UPPER_A));
    // Thirty turns of six degrees about the long axis: face down.
    EXPECT_NEAR(ObjectsOf(patient_).bodyModel->GetUp()->GetY(), -1.0f, 1e-4f);
  }
}

}  // namespace
}  // namespace kestrine
