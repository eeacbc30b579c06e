// The blood pools of a wound: where they lie by side, which of them grows and how fast, the rate set by
// id, rolling him over, lying on the ground (or the stage when the ground failed to load), and letting go.
#include <cmath>

#include "casualty_view/blood_pools.h"
#include "casualty_view/model_body.h"
#include "unit/casualty/prop_fixture.h"
#include "shell/engine_setup.h"

namespace kestrine {
namespace {

constexpr int32_t kEvisceration = 0;  // pools at (1, 1)
constexpr int32_t kFaceWound = 31;    // pools at (1, 6)
constexpr int32_t kNoPoolWound = 3;

int PoolCount(const Patient& patient) {
  int count = 0;
  for (const BloodPool* pool = ObjectsOf(patient).bloodPools.get(); pool != nullptr; pool = pool->next.get()) ++count;
  return count;
}

TEST(BloodPoolOffsetsTable, TwentyEightWoundsBleedOntoTheGround) {
  int withPools = 0;
  for (const BloodPoolOffset& at : BloodPoolOffsets) withPools += at.x != 0 || at.z != 0;
  EXPECT_EQ(withPools, 28);
  // Three rows checked by hand; the tests below lean on the first two.
  EXPECT_EQ(BloodPoolOffsets[kEvisceration].x, 1.0f);
  EXPECT_EQ(BloodPoolOffsets[kFaceWound].z, 6.0f);
  EXPECT_EQ(BloodPoolOffsets[54].x, -2.1f);
  EXPECT_EQ(BloodPoolOffsets[54].z, 6.6f);
}

TEST_F(PropTest, AWoundsTwoPoolsLieMirroredBySideAndOnlyTheNewerGrows) {
  const auto patient = Build(kEvisceration, 2);
  for (int32_t side : {1, 0}) {
    patient->side = side;
    CreateBloodPools(*patient, kEvisceration);
    ASSERT_EQ(PoolCount(*patient), 2) << side;
    const BloodPool& shown = *ObjectsOf(*patient).bloodPools;
    const BloodPool& other = *shown.next;
    EXPECT_EQ(shown.x, side == 1 ? -1.0f : 1.0f);
    EXPECT_EQ(other.x, side == 1 ? 1.0f : -1.0f);
    EXPECT_EQ(shown.z, 1.0f);
    EXPECT_EQ(shown.visible, 1);
    EXPECT_EQ(other.visible, 0);
    EXPECT_EQ(shown.id, kWoundPoolId);
    EXPECT_EQ(other.id, kWoundPoolId);
    EXPECT_EQ(shown.rate, 1.0f);  // the row's bleed rate
    EXPECT_EQ(shown.mesh->Scale().x, 0.001f);
    EXPECT_EQ(shown.actor->GetPosition()->GetY(), kParkedDrop);
  }

  CreateBloodPools(*patient, kNoPoolWound);
  EXPECT_EQ(PoolCount(*patient), 0);
}

TEST_F(PropTest, PoolsGrowByTheirRateOnlyWhileHeLiesStillAndRatesGoByIdAndNeverBelowZero) {
  const auto patient = Build(kFaceWound, 2);
  ASSERT_EQ(PoolCount(*patient), 2);
  BloodPool& growing = *ObjectsOf(*patient).bloodPools;
  BloodPool& resting = *growing.next;

  SetBloodPoolRate(*patient, 7, 50);  // no pool has id 7
  EXPECT_NE(growing.rate, 50.0f);
  EXPECT_NE(resting.rate, 50.0f);
  SetBloodPoolRate(*patient, kWoundPoolId, 50);
  EXPECT_EQ(resting.rate, 50.0f);

  UpdateBloodPools(*patient);  // not laid down yet
  EXPECT_EQ(growing.size, 0.0f);
  patient->laidDown = 1;
  patient->animationTimer = 400;  // a timed animation moves him
  UpdateBloodPools(*patient);
  EXPECT_EQ(growing.size, 0.0f);

  patient->animationTimer = -1;
  UpdateBloodPools(*patient);
  UpdateBloodPools(*patient);
  EXPECT_NEAR(growing.size, 0.01f, 1e-6f);  // 2 x 0.0001 x 50
  EXPECT_NEAR(growing.mesh->Scale().x, 0.1f, 1e-5f);
  EXPECT_NEAR(growing.mesh->Scale().z, 0.1f, 1e-5f);
  EXPECT_EQ(growing.mesh->Scale().y, 0.001f);
  EXPECT_EQ(resting.size, 0.0f);
  EXPECT_EQ(resting.mesh->Scale().x, 0.001f);

  // The body's hook: a rate for the wound's pools; a negative one stops them.
  patient->Body().SetBloodPoolRate(-20);
  UpdateBloodPools(*patient);
  EXPECT_EQ(growing.rate, 0.0f);
  EXPECT_NEAR(growing.size, 0.01f, 1e-6f);

  // Rolled over, the other pool grows; rolled back, the first again.
  SetBloodPoolRate(*patient, kWoundPoolId, 100);
  ToggleBloodPools(*patient);
  UpdateBloodPools(*patient);
  EXPECT_NEAR(resting.size, 0.01f, 1e-6f);
  EXPECT_NEAR(growing.size, 0.01f, 1e-6f);
  ToggleBloodPools(*patient);
  UpdateBloodPools(*patient);
  EXPECT_NEAR(growing.size, 0.02f, 1e-6f);
  EXPECT_NEAR(resting.size, 0.01f, 1e-6f);

  // A pool without an id keeps out of both.
  AddBloodPool(*patient, 3, 0, 0);
  SetBloodPoolRate(*patient, -1, 9);
  ToggleBloodPools(*patient);
  EXPECT_EQ(ObjectsOf(*patient).bloodPools->visible, 0);
  EXPECT_EQ(ObjectsOf(*patient).bloodPools->rate, 9.0f);
}

TEST_F(PropTest, PoolsLieOnTheGroundAtTheirPlacesWhateverItsScaleOrOnTheStageWithoutOne) {
  const auto patient = Build(kFaceWound, 2);
  patient->side = 1;
  CreateBloodPools(*patient, kFaceWound);
  const BloodPool& pool = *ObjectsOf(*patient).bloodPools;  // at (-1, 6)

  const engine::EngineRef<engine::EngineModel> ground = Engine().engineRoot->CreateActor();
  ground->SetScale(4, 4, 4);
  ground->MoveTo(0, 0, 0);
  Engine().engineStage->AddObject(ground);
  AddBloodPoolsToScene(*patient, ground);
  EXPECT_EQ(pool.actor->Parent(), ground.Get());
  const engine::Vec3 at = pool.actor->GetPosition()->Value();
  EXPECT_NEAR(at.x, -1.0f, 1e-5f);
  EXPECT_NEAR(at.y, 0.0f, 1e-5f);
  EXPECT_NEAR(at.z, 6.0f, 1e-5f);
  EXPECT_NEAR(pool.actor->WorldTransform().AxisLengths().x, 1.0f, 1e-5f);
  EXPECT_TRUE(pool.actor->Visible());
  EXPECT_TRUE(pool.next->actor->Visible());

  // The ground slides under him: the blood goes with it.
  ground->MoveTo(-3, 0, 0);
  EXPECT_NEAR(pool.actor->GetPosition()->GetX(), -4.0f, 1e-5f);

  RemoveBloodPoolsFromScene(*patient);
  EXPECT_EQ(pool.actor->Parent(), nullptr);
  EXPECT_FALSE(pool.actor->Visible());
  EXPECT_EQ(pool.actor->GetPosition()->GetY(), kParkedDrop);

  AddBloodPoolsToScene(*patient, nullptr);
  EXPECT_TRUE(Engine().engineStage->Contains(pool.actor.Get()));
  EXPECT_EQ(pool.actor->GetPosition()->GetX(), -1.0f);
  EXPECT_EQ(pool.actor->GetPosition()->GetY(), 0.0f);

  const size_t onStage = Engine().engineStage->Objects().size();
  ground->AddChild(pool.actor);
  ReleaseBloodPools(*patient);
  EXPECT_FALSE(ObjectsOf(*patient).bloodPools);
  EXPECT_EQ(ground->Children().size(), 0u);
  EXPECT_EQ(Engine().engineStage->Objects().size(), onStage - 2);
}

}  // namespace
}  // namespace kestrine
