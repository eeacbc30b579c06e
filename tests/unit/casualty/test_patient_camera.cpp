// The patient view's camera on the headless engine: the target's glide and the arrow keys' limits.
#include <gtest/gtest.h>

#include "casualty_view/patient_camera.h"
#include "core/engine_internals.h"
#include "shell/engine_setup.h"
#include "unit/casualty/headless_stage_fixture.h"

namespace kestrine {
namespace {

using engine::Vec3;

class PatientCameraTest : public HeadlessStageTest {
 protected:
  void SetUp() override {
    HeadlessStageTest::SetUp();
    target_ = Engine().engineRoot->CreateActor();
    Engine().engineStage->AddObject(target_);
  }
  void TearDown() override {
    target_.Reset();
    HeadlessStageTest::TearDown();
  }
  Vec3 Target() const { return target_->GetPosition()->Value(); }
  float Distance() const { return (Engine().engineCamera->GetPosition()->Value() - Target()).Length(); }

  engine::EngineRef<engine::EngineActor> target_;
};

TEST_F(PatientCameraTest, TheTargetGlidesInStepsOfFourTenthsAndAShortGlideArrivesAtOnce) {
  StartCameraGlide(target_, 2.0f, 0.0f, 0.0f);
  EXPECT_EQ(Glide().stepsLeft, 5);
  EXPECT_TRUE(StepCameraGlide(target_));
  EXPECT_NEAR(Target().x, 0.4f, 1e-5f);
  for (int i = 0; i < 4; ++i) StepCameraGlide(target_);
  EXPECT_EQ(Target(), Vec3(2.0f, 0.0f, 0.0f));
  EXPECT_FALSE(StepCameraGlide(target_)) << "the glide is over";

  // Closer than one step: no steps to divide the way into, the target is there at once.
  StartCameraGlide(target_, 2.1f, 0.2f, 0.0f);
  EXPECT_EQ(Glide().stepsLeft, 0);
  EXPECT_EQ(Target(), Vec3(2.1f, 0.2f, 0.0f));
}

TEST_F(PatientCameraTest, ZoomingStopsSixUnitsOffAndTheCameraNeverSinksBelowHalfAUnit) {
  Engine().engineCamera->MoveTo(0, 3, -10);
  Engine().engineCamera->PointAt(target_, 1);
  CameraKeys keys;
  keys.up = keys.zoom = true;
  for (int frame = 0; frame < 200; ++frame) MoveCameraByKeys(Engine().engineCamera, target_, keys, 50);
  EXPECT_LE(Distance(), 6.0f);
  EXPECT_GT(Distance(), 6.0f - 0.8f * 0.5f - 1e-4f) << "the last step starts above six";

  keys = CameraKeys{};
  keys.down = true;
  for (int frame = 0; frame < 400; ++frame) MoveCameraByKeys(Engine().engineCamera, target_, keys, 50);
  EXPECT_GE(Engine().engineCamera->GetPosition()->Value().y, kCameraLowest);
  keys = CameraKeys{};
  keys.up = true;
  for (int frame = 0; frame < 400; ++frame) MoveCameraByKeys(Engine().engineCamera, target_, keys, 50);
  EXPECT_LE(CameraElevation(Engine().engineCamera->GetPosition()->Value(), Target()), 0.1f + 0.05f)
      << "raised until it looks almost straight down";
}

}  // namespace
}  // namespace kestrine
