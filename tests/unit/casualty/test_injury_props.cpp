// The injury props of the wounds that show an object: which prop each wound gets and where it hangs, the
// turban besides, letting go of both, and how the knife and the gut move when the medic's hand starts them.
#include <type_traits>
#include <typeinfo>

#include "casualty_view/injury_props.h"
#include "casualty_view/model_body.h"
#include "shell/engine_setup.h"
#include "shell/sound_table.h"
#include "unit/casualty/prop_fixture.h"

namespace kestrine {
namespace {

using engine::Vec3;

// A prop is let go of through its base.
static_assert(std::has_virtual_destructor_v<InjuryProp>);

// The move of a node since `before`, in the node's own axes (what MoveBy was given).
Vec3 OwnMove(const engine::EngineNode& node, const Vec3& before) {
  const Vec3 d = node.LocalPosition() - before;
  const engine::Mat3& axes = node.LocalRotation();
  return {d.Dot(axes.r), d.Dot(axes.u), d.Dot(axes.f)};
}

void ExpectNear(const Vec3& got, const Vec3& want) {
  EXPECT_NEAR(got.x, want.x, 1e-4f);
  EXPECT_NEAR(got.y, want.y, 1e-4f);
  EXPECT_NEAR(got.z, want.z, 1e-4f);
}

TEST_F(PropTest, EachPropWoundGetsItsPropOnItsBoneOrParkedOnTheStageAndHidden) {
  const struct {
    int32_t wound;
    const std::type_info& kind;
    int32_t bone;  // -1: on the stage
  } rows[] = {
      {0, typeid(GutProp), -1},
      {1, typeid(StrutProp), BONE_SPINEBASE},
      {2, typeid(RebarProp), -1},
      {6, typeid(HummerProp), -1},
      {40, typeid(PipeProp), BONE_PELV},
      {41, typeid(PistolProp), BONE_R_HAND},
      {54, typeid(KnifeProp), BONE_SPINE2},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.wound);
    const auto patient = Build(row.wound, 2);
    ASSERT_TRUE(ObjectsOf(*patient).prop);
    const InjuryProp& prop = *ObjectsOf(*patient).prop;
    EXPECT_EQ(typeid(prop), row.kind);
    EXPECT_FALSE(ObjectsOf(*patient).turban);
    ASSERT_TRUE(prop.model);
    EXPECT_FALSE(prop.model->Visible());
    EXPECT_EQ(prop.onBone, row.bone >= 0 ? 1 : 0);
    if (row.bone >= 0) {
      EXPECT_EQ(prop.model->Parent(), ObjectsOf(*patient).boneFrames[row.bone].Get());
    } else {
      EXPECT_TRUE(Engine().engineStage->Contains(prop.model.Get()));
      EXPECT_LT(prop.model->GetPosition()->GetY(), -90.0f);  // parked under the view with the rest of it
    }
    patient->Body().ReleasePatient();
  }
  // The vehicle's shadow lies on the stage with it, hidden too.
  const auto pinned = Build(6, 2);
  ASSERT_TRUE(ObjectsOf(*pinned).prop->shadow);
  EXPECT_TRUE(Engine().engineStage->Contains(ObjectsOf(*pinned).prop->shadow.Get()));
  EXPECT_FALSE(ObjectsOf(*pinned).prop->shadow->Visible());
  // Wounds without an object show none.
  EXPECT_FALSE(ObjectsOf(*Build(31, 2)).prop);
}

TEST_F(PropTest, TheFingerHangsOnTheHandOfTheWoundedSide) {
  const auto patient = Build(20, 2);
  for (int32_t side : {1, 0}) {
    patient->side = side;
    patient->Body().CreateInjuryProps(20);
    ASSERT_TRUE(ObjectsOf(*patient).prop);
    EXPECT_EQ(ObjectsOf(*patient).prop->model->Parent(),
              ObjectsOf(*patient).boneFrames[side == 1 ? BONE_L_HAND : BONE_R_HAND].Get());
  }
}

TEST_F(PropTest, AnEnemyWithATurbanWearsItBesidesHisWoundsPropAndLosesBothWhenLetGo) {
  const size_t before = Engine().engineStage->Objects().size();
  const auto patient = Build(0, 3);  // the gut out, and the turban
  ASSERT_TRUE(ObjectsOf(*patient).prop);
  ASSERT_TRUE(ObjectsOf(*patient).turban);
  EXPECT_EQ(ObjectsOf(*patient).turban->model->Parent(), ObjectsOf(*patient).boneFrames[BONE_HEAD].Get());
  const engine::EngineRef<engine::EngineModel> gut = ObjectsOf(*patient).prop->model;
  const engine::EngineRef<engine::EngineModel> turban = ObjectsOf(*patient).turban->model;

  // The Action starts the wound's prop, never the turban.
  patient->Body().ShowTreatmentVisual({VISUAL_INJURY_PROP_START, PART_ABDOMEN, TOOL_ACTION});
  EXPECT_EQ(ObjectsOf(*patient).prop->active, 1);
  EXPECT_EQ(ObjectsOf(*patient).turban->active, 0);

  patient->Body().ReleasePatient();
  EXPECT_FALSE(ObjectsOf(*patient).prop);
  EXPECT_FALSE(ObjectsOf(*patient).turban);
  EXPECT_EQ(turban->Parent(), nullptr);
  EXPECT_EQ(turban->RefCount(), 1);  // only this test still holds them
  EXPECT_EQ(gut->RefCount(), 1);
  EXPECT_EQ(Engine().engineStage->Objects().size(), before);
}

TEST_F(PropTest, TheKnifeComesOutAlongItsPathThenTheWoundSpurtsAndTheKnifeStops) {
  const auto patient = Build(54, 2);
  InjuryProp& knife = *ObjectsOf(*patient).prop;
  const Vec3 start = knife.model->LocalPosition();
  knife.Update();  // not started: stays in
  EXPECT_EQ(knife.model->LocalPosition(), start);

  knife.Start();
  for (int frame = 0; frame < 26; ++frame) knife.Update();
  // 11 x (-0.1, 0.1, 0.1) + 6 x (-0.1, -0.1, 0.2) + 9 x (-0.1, -0.2, 0.2)
  ExpectNear(OwnMove(*knife.model, start), {-2.6f, -1.3f, 4.1f});
  EXPECT_EQ(patient->spurting, 0);

  const Vec3 out = knife.model->LocalPosition();
  knife.Update();
  EXPECT_EQ(patient->spurting, 1);
  EXPECT_EQ(knife.active, 0);
  // Stopped: it neither moves nor restarts the spurt the frames after.
  patient->spurting = 2;
  knife.Update();
  EXPECT_EQ(patient->spurting, 2);
  EXPECT_EQ(knife.model->LocalPosition(), out);
}

TEST_F(PropTest, AKnifeStartedWhileASaveIsReplayedStaysIn) {
  const auto patient = Build(54, 2);
  SetReplayingSave(true);
  ObjectsOf(*patient).prop->Start();
  SetReplayingSave(false);
  const Vec3 start = ObjectsOf(*patient).prop->model->LocalPosition();
  for (int frame = 0; frame < 30; ++frame) ObjectsOf(*patient).prop->Update();
  EXPECT_EQ(ObjectsOf(*patient).prop->model->LocalPosition(), start);
  EXPECT_EQ(patient->spurting, 0);
}

TEST_F(PropTest, TheGutMakesExactlyTenSmallMovesBackIn) {
  const auto patient = Build(0, 2);
  InjuryProp& gut = *ObjectsOf(*patient).prop;
  const Vec3 start = gut.model->LocalPosition();
  gut.Start();
  for (int frame = 0; frame < 25; ++frame) gut.Update();
  ExpectNear(OwnMove(*gut.model, start), {0, -0.1f, 0.8f});
}

}  // namespace
}  // namespace kestrine
