// Collision tests: a swept box stopped by a wall with the wall's normal, masks choosing what counts, the
// ground answering from its height field (heights at and between vertices), and movers never caught by
// themselves or by what they start inside.
#include <gtest/gtest.h>

#include "core/engine_internals.h"
#include "core/height_field.h"
#include "engine/engine.h"

namespace engine {
namespace {

void ExpectNear(const Vec3& actual, const Vec3& expected, float tolerance = 1e-3f) {
  EXPECT_NEAR(actual.x, expected.x, tolerance);
  EXPECT_NEAR(actual.y, expected.y, tolerance);
  EXPECT_NEAR(actual.z, expected.z, tolerance);
}

Vec3 Of(const EngineRef<EngineVector>& v) { return v->Value(); }

class CollisionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = CreateEngineRoot("headless");
    engine::CoreOf(*root_).SetTraceToStderr(false);
    stage_ = root_->CreateStage();
    mover_ = root_->CreateActor();
    mover_->SetBoundingBox(-0.5f, 0.5f, -0.5f, 0.5f, -0.5f, 0.5f, 0);
    mover_->SetCollisionMask(128, 0);
    stage_->AddObject(mover_);
  }

  // A wall 10 wide and high and 1 thick whose near face is at z = 10, in collision group 4.
  EngineRef<EngineObject> Wall() {
    auto wall = root_->CreateObject();
    wall->SetBoundingBox(-5, 5, -5, 5, 0, 1, 0);
    wall->SetCollisionMask(4, 0);
    wall->SetPosition(0, 0, 10);
    wall->SetName(L"wall");
    stage_->AddObject(wall);
    return wall;
  }

  // A 3 x 3 vertex ground of 10-unit cells over x -10..10, z 10..-10, at y 100, heights given row by row.
  EngineRef<EngineObject> Ground(const float (&heights)[9]) {
    auto grid = root_->CreateGrid(3, 3, 10, 10, -10, 10, 1);
    for (int i = 0; i < 9; ++i) grid->SetVertexHeight(i % 3, i / 3, heights[i], 0);
    auto ground = root_->CreateObject();
    ground->AttachShape(grid);
    ground->SetOptionValue(EngineNode::kOptionGround);
    ground->MoveTo(0, 100, 0);
    stage_->AddObject(ground);
    return ground;
  }

  // Where a ray dropped straight down at (x, z) meets the ground (mask 1, mode 2), or nothing. The point
  // is left a hair (a thousandth) above the contact.
  EngineRef<EngineHit> Drop(float x, float z) {
    mover_->MoveTo(x, 200, z);
    return mover_->TestCollision(x, 0, z, 0, 1, 2, 0, 0);
  }

  EngineRef<EngineRoot> root_;
  EngineRef<EngineStage> stage_;
  EngineRef<EngineActor> mover_;
};

TEST_F(CollisionTest, ASweptBoxStopsShortOfAWallFacingIt) {
  auto wall = Wall();
  auto hit = mover_->TestCollision(0, 0, 20, 0, 4, 3, 0, 0);
  ASSERT_TRUE(hit);
  EXPECT_EQ(hit->GetEntity().Get(), wall.Get());
  EXPECT_EQ(hit->GetEntity()->GetName(), L"wall");
  // The box's front (0.5 ahead of its position) touches z = 10.
  EXPECT_NEAR(hit->GetPoint()->GetZ(), 9.5f, 0.01f);
  EXPECT_LT(hit->GetPoint()->GetZ(), 9.5f);
  ExpectNear(Of(hit->GetSecondVector()), {0, 0, -1});
  EXPECT_EQ(hit->GetFlags() & EngineEntity::kFlagGround, 0);

  // The position alone (mode 2) goes on to the face itself.
  hit = mover_->TestCollision(0, 0, 20, 0, 4, 2, 0, 0);
  ASSERT_TRUE(hit);
  EXPECT_NEAR(hit->GetPoint()->GetZ(), 10.0f, 0.01f);

  // A path that ends before the wall, or passes beside it, is free.
  EXPECT_FALSE(mover_->TestCollision(0, 0, 9, 0, 4, 3, 0, 0));
  mover_->MoveTo(6, 0, 0);
  EXPECT_FALSE(mover_->TestCollision(6, 0, 20, 0, 4, 3, 0, 0));
  // The box's half width still catches the wall's edge a little to the side; its position alone does not.
  mover_->MoveTo(5.4f, 0, 0);
  EXPECT_TRUE(mover_->TestCollision(5.4f, 0, 20, 0, 4, 3, 0, 0));
  EXPECT_FALSE(mover_->TestCollision(5.4f, 0, 20, 0, 4, 2, 0, 0));
}

TEST_F(CollisionTest, MasksThatShareNoBitWithTheGroupLetThePathThrough) {
  Wall();
  EXPECT_FALSE(mover_->TestCollision(0, 0, 20, 0, 2, 3, 0, 0));
  EXPECT_FALSE(mover_->TestCollision(0, 0, 20, 0, 0, 3, 0, 0));
  EXPECT_TRUE(mover_->TestCollision(0, 0, 20, 0, 4 | 1, 3, 0, 0));
  EXPECT_TRUE(mover_->TestCollision(0, 0, 20, 0, 7, 3, 0, 0));
}

TEST_F(CollisionTest, ATurnedWallGivesItsTurnedNormalAndSlidingFollowsIt) {
  auto wall = Wall();
  wall->SetPosition(0, 0, 10);
  wall->TurnTo(0, 1, 0, 45);
  auto hit = mover_->TestCollision(0, 0, 20, 0, 4, 2, 0, 0);
  ASSERT_TRUE(hit);
  const Vec3 normal = Of(hit->GetSecondVector());
  // The wall's near face now looks along -(its forward) = -(sin 45, 0, cos 45).
  ExpectNear(normal, Vec3{-0.70711f, 0, -0.70711f});
  // Sliding along the wall (the normal crossed with up) runs square to the normal, in the ground plane.
  const Vec3 slide = normal.Cross({0, 1, 0});
  EXPECT_NEAR(slide.Dot(normal), 0, 1e-5);
  EXPECT_NEAR(slide.y, 0, 1e-5);
}

TEST_F(CollisionTest, MoversIgnoreThemselvesTheirFamilyAndWhatTheyStartInside) {
  auto wall = Wall();
  // A wall hung under the mover moves with it and is part of it.
  mover_->AddChild(wall);
  EXPECT_FALSE(mover_->TestCollision(0, 0, 20, 0, 4 | 128, 3, 0, 0));
  mover_->RemoveChild(wall);
  wall->SetPosition(0, 0, 10);
  // Standing inside the wall, the mover can walk out of it.
  mover_->MoveTo(0, 0, 10.5f);
  EXPECT_FALSE(mover_->TestCollision(0, 0, -5, 0, 4, 3, 0, 0));
  // A test to where it already stands goes nowhere and meets nothing.
  EXPECT_FALSE(mover_->TestCollision(0, 0, 10.5f, 0, 4, 3, 0, 0));
}

TEST_F(CollisionTest, HiddenObjectsStillCollideAndGoneOnesDoNot) {
  auto wall = Wall();
  wall->SetVisible(0);
  EXPECT_TRUE(mover_->TestCollision(0, 0, 20, 0, 4, 3, 0, 0));
  wall->SetCollisionMask(0, 0);
  EXPECT_FALSE(mover_->TestCollision(0, 0, 20, 0, 4, 3, 0, 0));
  wall->SetCollisionMask(4, 0);
  wall.Reset();
  stage_->RemoveObject(stage_->Objects().back());
  EXPECT_FALSE(mover_->TestCollision(0, 0, 20, 0, 4, 3, 0, 0));
}

TEST_F(CollisionTest, ObjectsWithoutABoxCollideWithWhatTheyShow) {
  auto crate = root_->CreateObject();
  crate->AttachShape(root_->CreateBox(2, 2, 2, 1));
  crate->SetScale(2, 2, 2);  // shapes scale with their object: 4 units across
  crate->SetPosition(0, 0, 10);
  crate->SetCollisionMask(4, 0);
  auto hit = mover_->TestCollision(0, 0, 20, 0, 4, 2, 0, 0);
  ASSERT_TRUE(hit);
  EXPECT_NEAR(hit->GetPoint()->GetZ(), 8.0f, 0.01f);
}

TEST_F(CollisionTest, AChildTurnedToTheCameraTakesNoPartWhereverTheCameraIs) {
  // A crate 2 across at z = 10 holding a sprite 20 across that keeps facing the camera.
  auto crate = root_->CreateObject();
  crate->AttachShape(root_->CreateBox(2, 2, 2, 1));
  crate->SetPosition(0, 0, 10);
  crate->SetCollisionMask(4, 0);
  auto sprite = root_->CreateActor();
  sprite->AttachShape(root_->CreateBox(20, 20, 0.1f, 1));
  crate->AddChild(sprite);
  auto camera = stage_->GetCamera();
  sprite->PointAt(camera, 4);
  for (const Vec3& eye : {Vec3{0, 0, -50}, Vec3{50, 0, 10}, Vec3{-30, 40, 60}}) {
    SCOPED_TRACE(testing::Message() << "camera at " << eye.x << " " << eye.y << " " << eye.z);
    camera->MoveTo(eye.x, eye.y, eye.z);
    // Five to the side of the crate the path is free, though the sprite spreads ten each way.
    mover_->MoveTo(5, 0, 0);
    EXPECT_FALSE(mover_->TestCollision(5, 0, 20, 0, 4, 3, 0, 0));
    // Straight at it, the crate's near face (z = 9) stops the box's front (0.5 ahead).
    mover_->MoveTo(0, 0, 0);
    auto hit = mover_->TestCollision(0, 0, 20, 0, 4, 3, 0, 0);
    ASSERT_TRUE(hit);
    EXPECT_NEAR(hit->GetPoint()->GetZ(), 8.5f, 0.01f);
  }
}

TEST_F(CollisionTest, TheGroundHeightAtAndBetweenVertices) {
  // Row 0 is the far edge (z = 10); columns run along +x from x = -10.
  auto ground = Ground({0, 10, 20,  //
                        4, 8, 12,   //
                        0, 0, 0});
  // At vertices.
  auto hit = Drop(-10, 10);
  ASSERT_TRUE(hit);
  EXPECT_NEAR(hit->GetPoint()->GetY(), 100, 2e-3);
  EXPECT_EQ(hit->GetEntity().Get(), ground.Get());
  EXPECT_TRUE(hit->GetFlags() & EngineEntity::kFlagGround);
  EXPECT_NEAR(Drop(10, 10)->GetPoint()->GetY(), 120, 2e-3);
  EXPECT_NEAR(Drop(0, 0)->GetPoint()->GetY(), 108, 2e-3);
  // Half way along an edge, and inside each of a cell's two triangles (the diagonal runs from vertex
  // (0, 0) to (1, 1)): cell (0, 0) has corners 0, 10 (far) and 4, 8 (near).
  EXPECT_NEAR(Drop(-5, 10)->GetPoint()->GetY(), 105, 2e-3);
  EXPECT_NEAR(Drop(-2.5f, 7.5f)->GetPoint()->GetY(), 100 + 0 + 0.75f * 10 + 0.25f * (8 - 10), 2e-3);
  EXPECT_NEAR(Drop(-7.5f, 2.5f)->GetPoint()->GetY(), 100 + 0.75f * 4 + 0.25f * (8 - 4), 2e-3);
  // Off the grid there is no ground.
  EXPECT_FALSE(Drop(-10.5f, 0));

  // The same heights straight from the height field, in the grid's own frame.
  const HeightField field(*ground->Shapes()[0]);
  float h = 0;
  ASSERT_TRUE(field.HeightAt(-2.5f, 7.5f, h));
  EXPECT_NEAR(h, 7.0f, 1e-4);
  EXPECT_FALSE(field.HeightAt(0, 11, h));
}

TEST_F(CollisionTest, TheGroundStopsASweptBoxByItsLowestPointWithTheSlopeNormal) {
  auto ground = Ground({0, 0, 0,  //
                        0, 0, 0,  //
                        0, 0, 0});
  mover_->MoveTo(0, 110, 0);
  auto hit = mover_->TestCollision(0, 90, 0, 0, 1, 3, 0, 0);
  ASSERT_TRUE(hit);
  EXPECT_NEAR(hit->GetPoint()->GetY(), 100.5f, 0.01f);  // the box's bottom rests on the ground
  ExpectNear(Of(hit->GetSecondVector()), {0, 1, 0});
  // From below, the ground lets a path through.
  mover_->MoveTo(0, 90, 0);
  EXPECT_FALSE(mover_->TestCollision(0, 110, 0, 0, 1, 2, 0, 0));

  // A slope rising 10 over 10 along +x has a normal leaning back towards -x.
  auto slope = Ground({0, 10, 20, 0, 10, 20, 0, 10, 20});
  slope->MoveTo(0, 50, 0);
  mover_->MoveTo(2, 80, 3);
  hit = mover_->TestCollision(2, 40, 3, 0, 1, 2, 0, 0);
  ASSERT_TRUE(hit);
  EXPECT_NEAR(hit->GetPoint()->GetY(), 62, 2e-3);
  ExpectNear(Of(hit->GetSecondVector()), Vec3{-1, 1, 0}.Normalized());
  // The ground's height range maps height-map bytes between its two heights.
  auto grid = ground->Shapes()[0];
  grid->SetOptionPair(-25, 15);
  for (int i = 0; i < 9; ++i) grid->SetVertexHeight(i % 3, i / 3, 64, 0);
  EXPECT_NEAR(Drop(-3, -3)->GetPoint()->GetY(), 100 - 25 + 10, 2e-3);
}

}  // namespace
}  // namespace engine
