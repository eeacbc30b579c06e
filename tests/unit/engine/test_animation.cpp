// Animations on a model: time and its ends (backwards, looping, held), layering (a newer animation moves
// only the parts it has keys for), blending in, stopping back to what lies under, and the clock driving it.
#include <gtest/gtest.h>

#include "core/animation_player.h"
#include "core/engine_internals.h"
#include "core/model_instance.h"
#include "engine/engine.h"

namespace engine {
namespace {

// Two parts: "arm" (node 0) and "jaw" (node 1). "swing" turns the arm about z 0 -> 90 over 2 s; "talk"
// moves the jaw only, 0 -> 40 over 1 s; "pose" holds the arm at 45 and the jaw at 20.
std::shared_ptr<ModelData> TwoParts() {
  auto data = std::make_shared<ModelData>();
  for (const wchar_t* name : {L"arm", L"jaw"}) {
    ModelNodeData n;
    n.name = name;
    data->nodes.push_back(n);
  }
  const auto turn = [](int node, std::vector<float> times, std::vector<float> degrees) {
    AnimationChannelData ch;
    ch.node = node;
    ch.path = AnimationChannelData::Path::Rotation;
    ch.times = std::move(times);
    for (float d : degrees) {
      const Quat q = Quat::AxisAngle({0, 0, 1}, d);
      ch.values.insert(ch.values.end(), {q.x, q.y, q.z, q.w});
    }
    return ch;
  };
  data->animations.push_back({L"swing", 0, {turn(0, {0, 2}, {0, 90})}, {}});
  data->animations.push_back({L"talk", 0, {turn(1, {0, 1}, {0, 40})}, {}});
  data->animations.push_back({L"pose", 0, {turn(0, {0}, {45}), turn(1, {0}, {20})}, {}});
  FinishModelData(*data);
  return data;
}

class AnimationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = CreateEngineRoot("headless");
    engine::CoreOf(*root_).SetTraceToStderr(false);
    model_ = MakeEngine<EngineNode>(&engine::CoreOf(*root_));
    model_->AttachModel(std::make_unique<ModelInstance>(TwoParts(), *model_));
  }
  // The angle a part is turned about z, in degrees.
  float Angle(const wchar_t* part) {
    const Mat3 r = model_->FindPart(part)->LocalRotation();
    return std::atan2(r.r.y, r.r.x) * 180.0f / 3.14159265f;
  }

  EngineRef<EngineRoot> root_;
  EngineRef<EngineModel> model_;
};

TEST_F(AnimationTest, LengthsComeFromTheLastKey) {
  EXPECT_FLOAT_EQ(model_->GetAnimationLength(L"swing"), 2.0f);
  EXPECT_FLOAT_EQ(model_->GetAnimationLength(L"talk"), 1.0f);
  EXPECT_FLOAT_EQ(model_->GetAnimationLength(L"pose"), 0.0f);
}

TEST_F(AnimationTest, TheEngineClockDrivesPlayingAnimations) {
  model_->PlayAnimation(L"swing", 0, 1, 1.0f, 0, 0);
  EXPECT_NEAR(Angle(L"arm"), 0, 1e-3);
  root_->Wait(1000);
  EXPECT_NEAR(Angle(L"arm"), 45, 1e-2);
  engine::CoreOf(*root_).AdvanceClock(500);  // frame events move it the same way
  EXPECT_NEAR(Angle(L"arm"), 67.5f, 1e-2);
  root_->Wait(5000);
  EXPECT_NEAR(Angle(L"arm"), 90, 1e-2);  // held at its end

  // Half speed backwards from the end, started half way.
  model_->PlayAnimation(L"swing", 0, 1, -0.5f, 1.0f, 0);
  EXPECT_NEAR(Angle(L"arm"), 45, 1e-2);
  root_->Wait(1000);
  EXPECT_NEAR(Angle(L"arm"), 22.5f, 1e-2);
  root_->Wait(4000);
  EXPECT_NEAR(Angle(L"arm"), 0, 1e-2);

  // Looping backwards wraps from the start to the end.
  model_->PlayAnimation(L"swing", 1, 1, -1.0f, 0.5f, 0);
  root_->Wait(1000);
  EXPECT_NEAR(Angle(L"arm"), 67.5f, 1e-2);
}

TEST_F(AnimationTest, ANewerAnimationMovesOnlyItsOwnPartsAndStoppingUncoversTheOlder) {
  model_->PlayAnimation(L"pose", 0, 1, 1.0f, 0, 0);
  model_->PlayAnimation(L"talk", 0, 1, 1.0f, 0.5f, 0);
  EXPECT_NEAR(Angle(L"arm"), 45, 1e-2);  // still the pose's
  EXPECT_NEAR(Angle(L"jaw"), 20, 1e-2);  // the talk's, at 0.5 s
  model_->StopAnimation(L"talk");
  EXPECT_NEAR(Angle(L"jaw"), 20, 1e-2);  // the pose's again
  model_->StopAnimation(L"pose");
  EXPECT_NEAR(Angle(L"arm"), 0, 1e-3);  // rest
  EXPECT_NEAR(Angle(L"jaw"), 0, 1e-3);

  // A newer animation covering every part of an older one replaces it for good.
  model_->PlayAnimation(L"talk", 1, 1, 1.0f, 0, 0);
  model_->PlayAnimation(L"pose", 0, 1, 1.0f, 0, 0);
  EXPECT_EQ(model_->Model()->Player().Tracks().size(), 1u);
  EXPECT_NO_THROW(model_->PlayAnimation(L"no such thing", 0, 1, 1, 0, 0));
  EXPECT_NO_THROW(model_->StopAnimation(L"no such thing"));
}

TEST_F(AnimationTest, BlendingInReachesItsWeightOverItsFadeTime) {
  model_->PlayAnimation(L"pose", 0, 1, 1.0f, 0, 0);                      // jaw at 20
  model_->PlayAnimationEx(L"talk", 0.0f, 1.0f, 0.2f, 0, 1.0f, 0, 1, 0);  // jaw towards 40, over 0.2 s
  EXPECT_NEAR(Angle(L"jaw"), 20, 1e-2);
  root_->Wait(100);
  EXPECT_NEAR(Angle(L"jaw"), 30, 0.5f);
  root_->Wait(100);
  EXPECT_NEAR(Angle(L"jaw"), 40, 1e-2);
  // At half weight it stays half way.
  model_->PlayAnimationEx(L"talk", 0.0f, 1.0f, 0.0f, 0, 0.5f, 0, 1, 0);
  EXPECT_NEAR(Angle(L"jaw"), 30, 0.5f);
}

TEST(AnimationChannel, SamplesClampToTheEndsAndStepHoldsEachKey) {
  AnimationChannelData ch;
  ch.path = AnimationChannelData::Path::Translation;
  ch.times = {1, 2};
  ch.values = {0, 0, 0, 10, 20, 30};
  float v[4];
  SampleChannel(ch, 0.5f, v);
  EXPECT_FLOAT_EQ(v[0], 0);
  SampleChannel(ch, 1.5f, v);
  EXPECT_FLOAT_EQ(v[1], 10);
  SampleChannel(ch, 9, v);
  EXPECT_FLOAT_EQ(v[2], 30);
  ch.interpolation = AnimationChannelData::Interpolation::Step;
  SampleChannel(ch, 1.9f, v);
  EXPECT_FLOAT_EQ(v[0], 0);
}

}  // namespace
}  // namespace engine
