// Which body animation may play when: the psychotic casualty's fits, the impaled man's roll, the holds that
// lock until played backwards; a hold's length and the breathing after it; lying down and lying still; the
// fits that come every eight seconds until he is restrained.
#include "shell/events.h"
#include "unit/casualty/patient_face_fixture.h"

namespace kestrine::testing {
namespace {

TEST_F(PatientFaceTest, ThePsychoticPlaysOnlyHisFitsForwardsAndAHeldSlingOnlyItsOwnPoseBackwards) {
  Patient& psychotic = Build(0, 41);
  for (int32_t pose : {0, 16, 39, 42, 47, -1, 43 | kPlayBackwards}) EXPECT_EQ(psychotic.PlayAnimation(pose), 0) << pose;
  for (int32_t pose : {43, 44, 45, 46}) EXPECT_NE(psychotic.PlayAnimation(pose), 0) << pose;

  Patient& patient = Build(1);
  ASSERT_NE(patient.PlayAnimation(14), 0);
  EXPECT_EQ(patient.holdLock, 1);
  for (int32_t n : {16, 14, 15 | kPlayBackwards, 39 | kPlayLooped}) EXPECT_EQ(patient.PlayAnimation(n), 0) << n;
  EXPECT_NE(patient.PlayAnimation(14 | kPlayBackwards), 0);
  EXPECT_EQ(patient.holdLock, 0);
  // From its end, at the pace it plays forwards.
  EXPECT_EQ(Track(L"leftarmsling")->speed, -0.6f);
  EXPECT_EQ(Track(L"leftarmsling")->time, kPoseSeconds);
  EXPECT_NE(patient.PlayAnimation(16), 0);
}

TEST_F(PatientFaceTest, OnTheRebarBackwardsStartsAtTheBeginningAndFromHisRollOnlyTheRollPlays) {
  Patient& patient = Build(0, 2);
  ASSERT_NE(patient.PlayAnimation(2 | kPlayBackwards), 0);
  EXPECT_EQ(Track(L"hold_left_arm")->time, 0.0f);
  EXPECT_EQ(Track(L"hold_left_arm")->speed, -0.6f);
  patient.pose = 18;
  EXPECT_EQ(patient.PlayAnimation(16), 0);
  EXPECT_EQ(patient.laidDown, 0);
  EXPECT_NE(patient.PlayAnimation(18), 0);
  EXPECT_EQ(patient.laidDown, 1);  // off the rebar, on the ground
}

TEST_F(PatientFaceTest, AHoldLastsItsLengthAtSixTenthsPaceThenHeBreathesAndLyingStillStaysStill) {
  Patient& patient = Build();
  ASSERT_NE(patient.PlayAnimation(2), 0);  // sitting up holding his arm: 1.5 s at 0.6
  EXPECT_EQ(patient.animationTimer, 2500);
  SetFrameTime(500);
  for (int i = 0; i < 4; ++i) patient.UpdateAnimation();
  EXPECT_EQ(Track(L"pv_idle"), nullptr);
  patient.UpdateAnimation();
  ASSERT_NE(Track(L"pv_idle"), nullptr);
  EXPECT_TRUE(Track(L"pv_idle")->loop);
  EXPECT_EQ(patient.animationTimer, -1);
  EXPECT_EQ(patient.laidDown, 0);

  EXPECT_NE(patient.PlayAnimation(16), 0);  // laid down to be treated
  EXPECT_EQ(patient.laidDown, 1);
  for (int i = 0; i < 6; ++i) patient.UpdateAnimation();
  EXPECT_EQ(patient.currentAnimation, 16);
}

TEST_F(PatientFaceTest, TheUnconsciousLieStillWithEyesShutAndThePsychoticHasFitsUntilRestrained) {
  Patient& out = Build();
  out.conscious = 0;
  out.UpdateAnimation();
  EXPECT_EQ(out.currentAnimation, 16);
  EXPECT_NE(Track(L"ph_blink"), nullptr);
  EXPECT_EQ(Track(L"ph_norm"), nullptr);
  // What was held back for the end of his animation is done when lying still has run its 2.5 s.
  out.pendingAction[2] = PENDING_RESTORE_BODY_FLAGS;
  out.savedBodyFlags = BODY_FIRST_PICTURE;
  SetFrameTime(500);
  for (int i = 0; i < 4; ++i) out.UpdateAnimation();
  EXPECT_EQ(out.bodyFlags, 0u);
  out.UpdateAnimation();
  EXPECT_EQ(out.bodyFlags, static_cast<uint32_t>(BODY_FIRST_PICTURE));
  EXPECT_EQ(out.pendingAction[2], PENDING_NONE);

  Patient& psychotic = Build(1, 41);
  SetFrameTime(10000);
  psychotic.UpdateIdleTimer();
  EXPECT_TRUE(psychotic.currentAnimation >= 43 && psychotic.currentAnimation <= 45) << psychotic.currentAnimation;
  EXPECT_TRUE(psychotic.idleTimer >= 8000 && psychotic.idleTimer < 8500) << psychotic.idleTimer;
  psychotic.restrained = 1;
  psychotic.currentAnimation = 0;
  psychotic.UpdateIdleTimer();
  EXPECT_EQ(psychotic.currentAnimation, 0);
}

}  // namespace
}  // namespace kestrine::testing
