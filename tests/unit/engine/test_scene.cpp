// Scene nodes, the camera, collisions and animations: placements through parents, the turning calls,
// keep-facing, the screen projection and picks; swept boxes stopped by walls and the ground; animations on a
// model layered, blended and driven by the clock; and the count of changes that tells a renderer to draw again.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/animation_player.h"
#include "core/geometry.h"
#include "core/height_field.h"
#include "core/model_instance.h"
#include "engine_fixture.h"

namespace engine {
namespace {

using testing::ExpectNear;
using testing::Of;

class SceneTest : public testing::EngineTest {
 protected:
  // A box object on the stage, pickable unless told otherwise.
  EngineRef<EngineObject> Box(const Vec3& at, float size, int option = EngineNode::kOptionPickShape) {
    auto object = root_->CreateObject();
    object->AttachShape(root_->CreateBox(size, size, size, 1));
    object->SetPosition(at.x, at.y, at.z);
    object->SetOptionValue(option);
    stage_->AddObject(object);
    return object;
  }
  // A unit box on the stage that tests collisions, in group 128.
  EngineRef<EngineActor> Mover() {
    auto mover = root_->CreateActor();
    mover->SetBoundingBox(-0.5f, 0.5f, -0.5f, 0.5f, -0.5f, 0.5f, 0);
    mover->SetCollisionMask(128, 0);
    stage_->AddObject(mover);
    return mover;
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
  // Where a ray dropped straight down at (x, z) meets the ground (mask 1, mode 2), or nothing.
  EngineRef<EngineHit> Drop(const EngineRef<EngineActor>& mover, float x, float z) {
    mover->MoveTo(x, 200, z);
    return mover->TestCollision(x, 0, z, 0, 1, 2, 0, 0);
  }
};

TEST_F(SceneTest, PositionsScalesAndTurnsComposeThroughParentsAndAChildOffKeepsItsOwn) {
  auto parent = root_->CreateActor();
  auto child = root_->CreateActor();
  auto grandchild = root_->CreateObject();
  parent->AddChild(child);
  child->AddChild(grandchild);
  parent->SetPosition(10, 0, 0);
  parent->SetRotation(0, 1, 0, 90);  // x turns to -z
  parent->SetScale(2, 2, 2);
  child->SetPosition(1, 0, 0);
  grandchild->SetPosition(0, 0, 3);
  ExpectNear(Of(child->GetPosition()), {10, 0, -2});
  // The grandchild's offset is scaled by both parents' scales (2 x 1) and turned by the parent: +z to +x.
  ExpectNear(Of(grandchild->GetPosition()), {16, 0, -2});
  ExpectNear(Of(grandchild->GetDirection()), {1, 0, 0});
  child->SetRotation(1, 0, 0, -90);  // the child's forward tips up, in the parent's frame
  ExpectNear(Of(grandchild->GetDirection()), {0, 1, 0});
  ExpectNear(Of(grandchild->GetUp()), {-1, 0, 0});
  parent->RemoveChild(child);
  ExpectNear(Of(child->GetPosition()), {1, 0, 0});
  // Hung under another parent, it leaves the first; a parent gone leaves its children standing.
  {
    auto other = root_->CreateActor();
    other->SetPosition(5, 5, 5);
    parent->AddChild(child);
    other->AddChild(child);
    EXPECT_TRUE(parent->Children().empty());
  }
  EXPECT_EQ(child->Parent(), nullptr);
  ExpectNear(Of(child->GetPosition()), {1, 0, 0});
  EXPECT_THROW(child->AddChild(child), EngineError);
}

TEST_F(SceneTest, TurnToIsAbsoluteRotateAddsInTheChosenFrameAndTheCameraMovesInItsOwnAxes) {
  auto node = root_->CreateActor();
  node->TurnTo(0, 1, 0, 90);
  node->TurnTo(0, 1, 0, 90);
  ExpectNear(Of(node->GetDirection()), {1, 0, 0});  // not 180: a turn-to replaces the last one
  node->Rotate(0, 1, 0, 90, 0);
  ExpectNear(Of(node->GetDirection()), {0, 0, -1});
  // Tipped forward, a further turn about x is about the parent's x (0) or the node's own x (1).
  auto a = root_->CreateActor();
  auto b = root_->CreateActor();
  for (auto* n : {&a, &b}) (*n)->SetRotation(0, 1, 0, 90);
  a->Rotate(1, 0, 0, 90, 0);
  b->Rotate(1, 0, 0, 90, 1);
  ExpectNear(Of(a->GetDirection()), {1, 0, 0});
  ExpectNear(Of(b->GetDirection()), {0, -1, 0});

  camera_->SetRotation(0, 1, 0, 90);  // looking along +x
  camera_->MoveBy(0, 0, 5);
  camera_->MoveBy(1, 0, 0);  // its right is world -z
  ExpectNear(Of(camera_->GetPosition()), {5, 0, -1});
  camera_->ResetOrientation();
  ExpectNear(Of(camera_->GetDirection()), {0, 0, 1});
  camera_->SetDirectionUp(0, -1, 0, 0, 0, 1);
  ExpectNear(Of(camera_->GetDirection()), {0, -1, 0});
  ExpectNear(Of(camera_->GetUp()), {0, 0, 1});
}

TEST_F(SceneTest, PointAtOnceOrKeptFacingAndLightsShineAtTheirTargetFromTheirSecondPoint) {
  auto node = root_->CreateObject();
  auto target = root_->CreateObject();
  node->SetPosition(1, 2, 3);
  target->SetPosition(1, 2, 13);
  node->PointAt(target, 1);
  target->SetPosition(11, 2, 3);
  ExpectNear(Of(node->GetDirection()), {0, 0, 1});  // once only
  // Under a turned parent the world direction still points at the target.
  auto parent = root_->CreateActor();
  parent->SetRotation(0, 1, 0, 45);
  parent->AddChild(node);
  node->PointAt(target, 1);
  ExpectNear(Of(node->GetDirection()), (Vec3{11, 2, 3} - Of(node->GetPosition())).Normalized());

  // Mode 4 follows the target as it moves, and moving "forward" goes towards it.
  auto sprite = root_->CreateObject();
  sprite->PointAt(camera_, 4);
  camera_->SetPosition(10, 0, 0);
  ExpectNear(Of(sprite->GetDirection()), {1, 0, 0});
  ExpectNear(Of(sprite->GetUp()), {0, 1, 0});
  sprite->MoveBy(0, 0, 2);
  ExpectNear(Of(sprite->GetPosition()), {2, 0, 0});
  // An absolute turn ends the facing.
  sprite->SetRotation(0, 1, 0, 0);
  camera_->SetPosition(0, 0, 10);
  ExpectNear(Of(sprite->GetDirection()), {0, 0, 1});
  EXPECT_FALSE(sprite->KeepsFacingTarget());
  // Kept facing a child one unit away, a node keeps its own rotation; facing itself is refused.
  auto child = root_->CreateObject();
  sprite->AddChild(child);
  child->SetPosition(0, 0, 1);
  sprite->SetRotation(0, 1, 0, 90);
  sprite->PointAt(child, 4);
  ExpectNear(Of(sprite->GetDirection()), {1, 0, 0});
  EXPECT_THROW(sprite->PointAt(sprite, 4), EngineError);

  auto sun = root_->CreateLight(3);
  sun->SetRotation(0, 1, 0, 90);
  ExpectNear(sun->ShineDirection(), {1, 0, 0});
  target->SetPosition(0, -10, 0);
  sun->SetTarget(target, 1);
  ExpectNear(sun->ShineDirection(), {0, -1, 0});
  sun->SetSecondPoint(10, -10, 0);
  ExpectNear(sun->ShineDirection(), {-1, 0, 0});  // from the second point, not from where the light stands
  sun->ClearTarget();
  ExpectNear(sun->ShineDirection(), {1, 0, 0});
}

TEST_F(SceneTest, TheCameraFocusIsTheViewportCentreAndScreenPointsGoBackToTheWorld) {
  camera_->SetPosition(0, 15, -15);
  camera_->SetRotation(1, 0, 0, 45);
  const Vec3 focus = Of(camera_->GetPosition()) + Of(camera_->GetDirection()) * 20;
  auto screen = camera_->WorldToScreen(focus.x, focus.y, focus.z);
  EXPECT_NEAR(screen->GetX(), 320, 1e-3);
  EXPECT_NEAR(screen->GetY(), 240, 1e-3);
  EXPECT_NEAR(screen->GetZ(), 20, 1e-3);
  // A letterboxed view centres on its own middle; up and right of the focus is up and right on screen.
  camera_->SetViewport(80, 60, 640, 480);
  const Vec3 offside = focus + Of(camera_->GetUp()) * 2 + Vec3{2, 0, 0};
  screen = camera_->WorldToScreen(offside.x, offside.y, offside.z);
  EXPECT_GT(screen->GetX(), 400);
  EXPECT_LT(screen->GetY(), 300);
  const auto back =
      camera_->ScreenToWorld(static_cast<int>(screen->GetX()), static_cast<int>(screen->GetY()), screen->GetZ());
  ExpectNear(Of(back), offside, 0.1f);
}

TEST_F(SceneTest, PicksFindTheNearestShownPickableThingWithinTheClipRange) {
  auto far = Box({0, 0, 20}, 2);
  auto near = Box({0, 0, 10}, 2);
  near->SetName(L"near");
  far->SetName(L"far");
  auto hit = camera_->Pick(320, 240);
  ASSERT_TRUE(hit);
  EXPECT_EQ(hit->GetEntity()->GetName(), L"near");
  ExpectNear(Of(hit->GetPoint()), {0, 0, 9});
  ExpectNear(Of(hit->GetSecondVector()), {0, 0, -1});
  EXPECT_FALSE(camera_->Pick(0, 0));  // off to the side the ray passes both
  stage_->RemoveObject(near);
  EXPECT_EQ(camera_->Pick(320, 240)->GetEntity()->GetName(), L"far");
  camera_->SetClipRange(15, 1);
  EXPECT_FALSE(camera_->Pick(320, 240));
  camera_->SetClipRange(30, 25);
  EXPECT_FALSE(camera_->Pick(320, 240));
  camera_->SetClipRange(30, 1);
  stage_->RemoveObject(far);

  // An invisible pick shape under an unpickable body is picked for the part it stands for.
  auto body = Box({0, 0, 10}, 2, EngineNode::kOptionNotPickable);
  Box({0, 0, 12}, 2, 0);
  auto shape = root_->CreateActor();
  auto sphere = root_->CreateSphere(1, 0);
  sphere->SetFaceOpacity(L"front", 0);
  shape->AttachShape(sphere);
  shape->SetName(L"l_knee");
  shape->SetOptionValue(EngineNode::kOptionPickShape);
  body->AddChild(shape);
  shape->SetPosition(0, 0, 10);
  hit = camera_->Pick(320, 240);
  ASSERT_TRUE(hit);
  EXPECT_EQ(hit->GetEntity()->GetName(), L"l_knee");
  EXPECT_NEAR(hit->GetPoint()->GetZ(), 19, 1e-3);
  shape->SetVisible(0);
  EXPECT_FALSE(camera_->Pick(320, 240));
  shape->SetVisible(1);
  body->SetVisible(0);  // hiding the body hides what hangs under it
  EXPECT_FALSE(camera_->Pick(320, 240));
}

TEST_F(SceneTest, PickOnTheGroundGivesThePointOnItsSurface) {
  auto ground = Ground({5, 5, 5, 5, 5, 5, 5, 5, 5});
  camera_->SetPosition(2, 150, 3);
  camera_->SetRotation(1, 0, 0, 90);  // straight down
  auto hit = camera_->Pick(320, 240);
  ASSERT_TRUE(hit);
  ExpectNear(Of(hit->GetPoint()), {2, 105, 3});
  ExpectNear(Of(hit->GetSecondVector()), {0, 1, 0});
  EXPECT_TRUE(hit->GetFlags() & EngineEntity::kFlagGround);
}

TEST_F(SceneTest, MeshesKeepTheirFacesAndTakeNewMeasuresAndTheLiveCountFollowsWhatIsHeld) {
  auto plane = root_->CreatePlane(16, 16, 1, 2, 3, 4);
  plane->Resize(2, 4, 9);
  EXPECT_EQ(plane->Params(), (std::vector<float>{2, 4, 1, 2, 3, 4}));
  ExpectNear(MeshTrianglesOf(*plane).boundsMin, {1, 1, 0});  // the plane's centre sits at (a, b)
  ExpectNear(MeshTrianglesOf(*plane).boundsMax, {3, 5, 0});
  auto box = root_->CreateBox(1, 2, 3, 1);
  EXPECT_THROW(box->SetFaceColor(L"sideways", 1, 2, 3), EngineError);
  box->SetFaceOpacity(L"top", 400);
  EXPECT_EQ(box->FindFace(L"top")->opacity, 255);
  EXPECT_EQ(MeshTrianglesOf(*box).faces.size(), 6u);
  ExpectNear(MeshTrianglesOf(*box).boundsMin, {-0.5f, -1, -1.5f});  // width along x and depth along z
  auto grid = root_->CreateGrid(20, 20, 9.5f, 9.5f, -90.25f, 90.25f, 1);
  grid->SetOptionPair(-25, 15);
  grid->SetVertexHeight(3, 4, 128, 0);
  EXPECT_FLOAT_EQ(grid->VertexHeight(3, 4), -5.0f);  // half way up the range
  EXPECT_FLOAT_EQ(grid->VertexHeight(0, 0), -25.0f);
  EXPECT_THROW(grid->SetVertexHeight(20, 0, 1, 0), EngineError);
  ExpectNear(MeshTrianglesOf(*grid).boundsMax, {90.25f, -5, 90.25f});
  EXPECT_TRUE(MeshTrianglesOf(*root_->CreateGrid(1, 5, 1, 1, 0, 0, 0)).vertices.empty()) << "one column: no cell";

  const long before = EngineUnknown::LiveCount();
  {
    auto parent = root_->CreateActor();
    parent->AttachShape(root_->CreateBox(1, 1, 1, 1));
    stage_->AddObject(parent);
    parent = nullptr;
    EXPECT_EQ(EngineUnknown::LiveCount(), before + 2) << "held by the stage";
    EngineRef<EngineNode> last = stage_->Objects().back();
    stage_->RemoveObject(last);
  }
  EXPECT_EQ(EngineUnknown::LiveCount(), before);
}

// ---- collisions ----

TEST_F(SceneTest, ASweptBoxStopsShortOfAWallFacingItWhenTheMasksShareABit) {
  auto mover = Mover();
  auto wall = Wall();
  auto hit = mover->TestCollision(0, 0, 20, 0, 4, 3, 0, 0);
  ASSERT_TRUE(hit);
  EXPECT_EQ(hit->GetEntity().Get(), wall.Get());
  EXPECT_NEAR(hit->GetPoint()->GetZ(), 9.5f, 0.01f);  // the box's front (0.5 ahead) touches z = 10
  EXPECT_LT(hit->GetPoint()->GetZ(), 9.5f);
  ExpectNear(Of(hit->GetSecondVector()), {0, 0, -1});
  EXPECT_EQ(hit->GetFlags() & EngineEntity::kFlagGround, 0);
  // The position alone (mode 2) goes on to the face itself.
  EXPECT_NEAR(mover->TestCollision(0, 0, 20, 0, 4, 2, 0, 0)->GetPoint()->GetZ(), 10.0f, 0.01f);
  EXPECT_FALSE(mover->TestCollision(0, 0, 9, 0, 4, 3, 0, 0));  // ends before the wall
  for (int mask : {2, 0}) EXPECT_FALSE(mover->TestCollision(0, 0, 20, 0, mask, 3, 0, 0)) << mask;
  EXPECT_TRUE(mover->TestCollision(0, 0, 20, 0, 7, 3, 0, 0));
  mover->MoveTo(6, 0, 0);
  EXPECT_FALSE(mover->TestCollision(6, 0, 20, 0, 4, 3, 0, 0));
  // The box's half width still catches the wall's edge a little to the side; its position alone does not.
  mover->MoveTo(5.4f, 0, 0);
  EXPECT_TRUE(mover->TestCollision(5.4f, 0, 20, 0, 4, 3, 0, 0));
  EXPECT_FALSE(mover->TestCollision(5.4f, 0, 20, 0, 4, 2, 0, 0));

  // Turned, the wall's near face looks along -(its forward) = -(sin 45, 0, cos 45).
  mover->MoveTo(0, 0, 0);
  wall->TurnTo(0, 1, 0, 45);
  ExpectNear(Of(mover->TestCollision(0, 0, 20, 0, 4, 2, 0, 0)->GetSecondVector()), Vec3{-0.70711f, 0, -0.70711f});
}

TEST_F(SceneTest, MoversIgnoreThemselvesTheirFamilyWhatTheyStartInsideAndWhatIsGone) {
  auto mover = Mover();
  auto wall = Wall();
  mover->AddChild(wall);  // a wall hung under the mover moves with it and is part of it
  EXPECT_FALSE(mover->TestCollision(0, 0, 20, 0, 4 | 128, 3, 0, 0));
  mover->RemoveChild(wall);
  wall->SetPosition(0, 0, 10);
  mover->MoveTo(0, 0, 10.5f);  // standing inside the wall, the mover can walk out of it
  EXPECT_FALSE(mover->TestCollision(0, 0, -5, 0, 4, 3, 0, 0));
  EXPECT_FALSE(mover->TestCollision(0, 0, 10.5f, 0, 4, 3, 0, 0)) << "a test to where it stands meets nothing";
  mover->MoveTo(0, 0, 0);
  wall->SetVisible(0);
  EXPECT_TRUE(mover->TestCollision(0, 0, 20, 0, 4, 3, 0, 0)) << "hidden things still collide";
  wall->SetCollisionMask(0, 0);
  EXPECT_FALSE(mover->TestCollision(0, 0, 20, 0, 4, 3, 0, 0));
  wall->SetCollisionMask(4, 0);
  wall.Reset();
  stage_->RemoveObject(stage_->Objects().back());
  EXPECT_FALSE(mover->TestCollision(0, 0, 20, 0, 4, 3, 0, 0));
}

TEST_F(SceneTest, WithoutABoxAnObjectCollidesWithWhatItShowsButNotWithAChildTurnedToTheCamera) {
  auto mover = Mover();
  // A crate 2 across, scaled twice, at z = 10 holding a sprite 20 across that keeps facing the camera.
  auto crate = root_->CreateObject();
  crate->AttachShape(root_->CreateBox(2, 2, 2, 1));
  crate->SetScale(2, 2, 2);
  crate->SetPosition(0, 0, 10);
  crate->SetCollisionMask(4, 0);
  auto sprite = root_->CreateActor();
  sprite->AttachShape(root_->CreateBox(10, 10, 0.05f, 1));
  crate->AddChild(sprite);
  sprite->PointAt(camera_, 4);
  for (const Vec3& eye : {Vec3{0, 0, -50}, Vec3{50, 0, 10}, Vec3{-30, 40, 60}}) {
    SCOPED_TRACE(::testing::Message() << "camera at " << eye.x << " " << eye.y << " " << eye.z);
    camera_->MoveTo(eye.x, eye.y, eye.z);
    mover->MoveTo(5, 0, 0);  // five to the side of the crate the path is free, though the sprite spreads ten
    EXPECT_FALSE(mover->TestCollision(5, 0, 20, 0, 4, 3, 0, 0));
    mover->MoveTo(0, 0, 0);
    EXPECT_NEAR(mover->TestCollision(0, 0, 20, 0, 4, 2, 0, 0)->GetPoint()->GetZ(), 8.0f, 0.01f);
  }
}

TEST_F(SceneTest, TheGroundHeightAtAndBetweenVerticesAndTheSweptBoxRestingOnIt) {
  auto mover = Mover();
  // Row 0 is the far edge (z = 10); columns run along +x from x = -10.
  auto ground = Ground({0, 10, 20,  //
                        4, 8, 12,   //
                        0, 0, 0});
  auto hit = Drop(mover, -10, 10);
  ASSERT_TRUE(hit);
  EXPECT_NEAR(hit->GetPoint()->GetY(), 100, 2e-3);
  EXPECT_EQ(hit->GetEntity().Get(), ground.Get());
  EXPECT_TRUE(hit->GetFlags() & EngineEntity::kFlagGround);
  EXPECT_NEAR(Drop(mover, 10, 10)->GetPoint()->GetY(), 120, 2e-3);
  EXPECT_NEAR(Drop(mover, 0, 0)->GetPoint()->GetY(), 108, 2e-3);
  // Half way along an edge, and inside each of a cell's two triangles (the diagonal runs from vertex
  // (0, 0) to (1, 1)): cell (0, 0) has corners 0, 10 (far) and 4, 8 (near).
  EXPECT_NEAR(Drop(mover, -5, 10)->GetPoint()->GetY(), 105, 2e-3);
  EXPECT_NEAR(Drop(mover, -2.5f, 7.5f)->GetPoint()->GetY(), 100 + 0.75f * 10 + 0.25f * (8 - 10), 2e-3);
  EXPECT_NEAR(Drop(mover, -7.5f, 2.5f)->GetPoint()->GetY(), 100 + 0.75f * 4 + 0.25f * (8 - 4), 2e-3);
  EXPECT_FALSE(Drop(mover, -10.5f, 0)) << "off the grid there is no ground";
  const HeightField field(*ground->Shapes()[0]);  // the same straight from the height field
  float h = 0;
  ASSERT_TRUE(field.HeightAt(-2.5f, 7.5f, h));
  EXPECT_NEAR(h, 7.0f, 1e-4);
  EXPECT_FALSE(field.HeightAt(0, 11, h));

  // A slope rising 10 over 10 along +x has a normal leaning back towards -x.
  auto slope = Ground({0, 10, 20, 0, 10, 20, 0, 10, 20});
  slope->MoveTo(0, 50, 0);
  mover->MoveTo(2, 80, 3);
  hit = mover->TestCollision(2, 40, 3, 0, 1, 2, 0, 0);
  ASSERT_TRUE(hit);
  EXPECT_NEAR(hit->GetPoint()->GetY(), 62, 2e-3);
  ExpectNear(Of(hit->GetSecondVector()), Vec3{-1, 1, 0}.Normalized());

  // Flat, the box's bottom rests on it; from below it lets a path through; bytes map between its heights.
  auto grid = ground->Shapes()[0];
  for (int i = 0; i < 9; ++i) grid->SetVertexHeight(i % 3, i / 3, 0, 0);
  mover->MoveTo(0, 110, 0);
  hit = mover->TestCollision(0, 90, 0, 0, 1, 3, 0, 0);
  ASSERT_TRUE(hit);
  EXPECT_NEAR(hit->GetPoint()->GetY(), 100.5f, 0.01f);
  ExpectNear(Of(hit->GetSecondVector()), {0, 1, 0});
  mover->MoveTo(0, 90, 0);
  EXPECT_FALSE(mover->TestCollision(0, 110, 0, 0, 1, 2, 0, 0));
  grid->SetOptionPair(-25, 15);
  for (int i = 0; i < 9; ++i) grid->SetVertexHeight(i % 3, i / 3, 64, 0);
  EXPECT_NEAR(Drop(mover, -3, -3)->GetPoint()->GetY(), 100 - 25 + 10, 2e-3);
}

// ---- animations ----

// Two parts: "arm" (node 0) and "jaw" (node 1). "swing" turns the arm about z 0 -> 90 over 2 s; "talk"
// moves the jaw only, 0 -> 40 over 1 s; "pose" holds the arm at 45 and the jaw at 20.
class AnimationTest : public testing::EngineTest {
 protected:
  void SetUp() override {
    auto data = std::make_shared<ModelData>();
    for (const wchar_t* name : {L"arm", L"jaw"}) {
      data->nodes.emplace_back();
      data->nodes.back().name = name;
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
    model_ = MakeEngine<EngineNode>(&CoreOf(*root_));
    model_->AttachModel(std::make_unique<ModelInstance>(data, *model_));
  }
  // The angle a part is turned about z, in degrees.
  float Angle(const wchar_t* part) {
    const Mat3 r = model_->FindPart(part)->LocalRotation();
    return std::atan2(r.r.y, r.r.x) * 180.0f / 3.14159265f;
  }

  EngineRef<EngineModel> model_;
};

TEST_F(AnimationTest, TheClockDrivesAnimationsForwardsBackwardsAndRoundAndTheirEndsHold) {
  EXPECT_FLOAT_EQ(model_->GetAnimationLength(L"swing"), 2.0f);  // from the last key
  EXPECT_FLOAT_EQ(model_->GetAnimationLength(L"pose"), 0.0f);
  model_->PlayAnimation(L"swing", 0, 1, 1.0f, 0, 0);
  EXPECT_NEAR(Angle(L"arm"), 0, 1e-3);
  root_->Wait(1000);
  EXPECT_NEAR(Angle(L"arm"), 45, 1e-2);
  CoreOf(*root_).AdvanceClock(500);  // frame events move it the same way
  EXPECT_NEAR(Angle(L"arm"), 67.5f, 1e-2);
  root_->Wait(5000);
  EXPECT_NEAR(Angle(L"arm"), 90, 1e-2);  // held at its end
  // Half speed backwards from the end, started half way.
  model_->PlayAnimation(L"swing", 0, 1, -0.5f, 1.0f, 0);
  root_->Wait(1000);
  EXPECT_NEAR(Angle(L"arm"), 22.5f, 1e-2);
  root_->Wait(4000);
  EXPECT_NEAR(Angle(L"arm"), 0, 1e-2);
  // Looping backwards wraps from the start to the end.
  model_->PlayAnimation(L"swing", 1, 1, -1.0f, 0.5f, 0);
  root_->Wait(1000);
  EXPECT_NEAR(Angle(L"arm"), 67.5f, 1e-2);
}

TEST_F(AnimationTest, ANewerAnimationMovesOnlyItsOwnPartsStoppingUncoversTheOlderAndBlendingReachesItsWeight) {
  model_->PlayAnimation(L"pose", 0, 1, 1.0f, 0, 0);
  model_->PlayAnimation(L"talk", 0, 1, 1.0f, 0.5f, 0);
  EXPECT_NEAR(Angle(L"arm"), 45, 1e-2);  // still the pose's
  EXPECT_NEAR(Angle(L"jaw"), 20, 1e-2);  // the talk's, at 0.5 s
  model_->StopAnimation(L"talk");
  model_->StopAnimation(L"pose");
  EXPECT_NEAR(Angle(L"arm"), 0, 1e-3);  // rest
  // A newer animation covering every part of an older one replaces it for good.
  model_->PlayAnimation(L"talk", 1, 1, 1.0f, 0, 0);
  model_->PlayAnimation(L"pose", 0, 1, 1.0f, 0, 0);
  EXPECT_EQ(model_->Model()->Player().Tracks().size(), 1u);
  EXPECT_NO_THROW(model_->PlayAnimation(L"no such thing", 0, 1, 1, 0, 0));
  EXPECT_NO_THROW(model_->StopAnimation(L"no such thing"));

  model_->PlayAnimationEx(L"talk", 0.0f, 1.0f, 0.2f, 0, 1.0f, 0, 1, 0);  // jaw 20 -> 40, over 0.2 s
  EXPECT_NEAR(Angle(L"jaw"), 20, 1e-2);
  root_->Wait(100);
  EXPECT_NEAR(Angle(L"jaw"), 30, 0.5f);
  root_->Wait(100);
  EXPECT_NEAR(Angle(L"jaw"), 40, 1e-2);
  model_->PlayAnimationEx(L"talk", 0.0f, 1.0f, 0.0f, 0, 0.5f, 0, 1, 0);  // at half weight, half way
  EXPECT_NEAR(Angle(L"jaw"), 30, 0.5f);

  AnimationChannelData ch;  // a channel's samples clamp to its ends, and a step holds each key
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

// ---- what tells the renderer to draw again ----

TEST_F(SceneTest, EveryChangeOfWhatIsDrawnCountsAndTheSameAgainDoesNot) {
  auto object = root_->CreateObject();
  auto child = root_->CreateObject();
  auto mesh = root_->CreateBox(1, 1, 1, 0);
  auto grid = root_->CreateGrid(4, 4, 1, 1, 0, 0, 0);
  auto light = root_->CreateLight(3);
  auto image = root_->CreateBitmap(8, 8);
  auto sprite = camera_->CreateSprite(image, 1);
  const std::pair<const char*, std::function<void()>> changes[] = {
      {"add to stage", [&] { stage_->AddObject(object); }},
      {"position", [&] { object->SetPosition(1, 2, 3); }},
      {"move by", [&] { object->MoveBy(0, 0, 1); }},
      {"rotation", [&] { object->SetRotation(0, 1, 0, 30); }},
      {"turn", [&] { object->Rotate(1, 0, 0, 10, 1); }},
      {"orientation", [&] { object->SetOrientation(1, 0, 0, 0, 1, 0); }},
      {"scale", [&] { object->SetScale(2, 2, 2); }},
      {"hidden", [&] { object->SetVisible(0); }},
      {"child", [&] { object->AddChild(child); }},
      {"child gone", [&] { object->RemoveChild(child); }},
      {"shape", [&] { object->AttachShape(mesh); }},
      {"face colour", [&] { mesh->SetFaceColor(L"top", 9, 9, 9); }},
      {"face image", [&] { mesh->SetFaceBitmap(L"top", image, 0); }},
      {"face opacity", [&] { mesh->SetFaceOpacity(L"top", 100); }},
      {"vertex height", [&] { grid->SetVertexHeight(1, 1, 5, 0); }},
      {"light colour", [&] { light->SetColor(1, 2, 3); }},
      {"light off", [&] { light->SetSwitch(0); }},
      {"light target", [&] { light->SetTarget(object, 0); }},
      {"viewport", [&] { camera_->SetViewport(10, 10, 320, 240); }},
      {"clip range", [&] { camera_->SetClipRange(50, 2); }},
      {"camera position", [&] { camera_->SetPosition(0, 5, -5); }},
      {"sprite hidden", [&] { sprite->SetVisible(0); }},
      {"new sprite", [&] { camera_->CreateSprite(image, 2); }},
      {"background", [&] { stage_->SetBackgroundColor(1, 1, 1); }},
      {"off the stage", [&] { stage_->RemoveObject(object); }},
  };
  for (const auto& [name, change] : changes) {
    const uint64_t before = SceneChangeCount();
    change();
    EXPECT_GT(SceneChangeCount(), before) << name;
    // Moving on, turning on and making another sprite change things again by their nature.
    if (std::string(name) == "move by" || std::string(name) == "turn" || std::string(name) == "new sprite") continue;
    const uint64_t after = SceneChangeCount();
    change();
    EXPECT_EQ(SceneChangeCount(), after) << name << " again";
  }
  const uint64_t before = SceneChangeCount();
  object->AttachShape(mesh);  // attached already
  object->Rotate(0, 1, 0, 0, 0);
  object->MoveBy(0, 0, 0);
  EXPECT_EQ(SceneChangeCount(), before);
}

TEST(BitmapWritesTest, ABitmapKnowsWhereItWasWrittenAndRepaintingTheColourARowHoldsOrAKeyedCopyWritesNothing) {
  auto image = MakeEngine<EngineBitmap>(64, 16);
  image->Clear(255, 0, 0);
  image->TrackWrites();
  const uint64_t since = image->Revision();
  image->SetDrawColor(255, 0, 0);
  image->FillRect(0, 0, 64, 16);  // a cleared layer cleared again: a new revision, but nothing written
  ASSERT_NE(image->WrittenSince(since), nullptr);
  for (const auto& span : *image->WrittenSince(since)) EXPECT_GE(span.from, span.to);
  // A label and its clearing: only its rows and columns were written.
  image->SetDrawColor(255, 255, 255);
  image->FillRect(10, 4, 6, 3);
  image->SetDrawColor(255, 0, 0);
  image->FillRect(0, 0, 64, 16);
  const auto& written = *image->WrittenSince(since);
  for (int row = 0; row < 16; ++row) {
    if (row >= 4 && row < 7) {
      EXPECT_EQ(written[row].from, 10) << row;
      EXPECT_EQ(written[row].to, 16) << row;
    } else {
      EXPECT_GE(written[row].from, written[row].to) << row;
    }
  }
  // Pixels handed out whole could have been written anywhere; another renderer's revision is not ours.
  EXPECT_EQ(image->WrittenSince(since + 1), nullptr);
  image->MutablePixels();
  EXPECT_EQ(image->WrittenSince(since), nullptr);

  auto canvas = MakeEngine<EngineBitmap>(32, 32);
  auto highlight = MakeEngine<EngineBitmap>(16, 16);
  highlight->Clear(255, 0, 0);
  highlight->SetColorKey(255, 0, 0);
  highlight->SetPixel(3, 2, 0x00FFFF00u);  // one pixel of ink: that pixel, and only it, lands and counts
  canvas->TrackWrites();
  const uint64_t from = canvas->Revision();
  canvas->DrawBitmap(highlight, 0, 0, 0, 16, 16, 4, 4, 16, 16);
  EXPECT_EQ(canvas->Pixel(7, 6), 0x00FFFF00u);
  EXPECT_EQ((*canvas->WrittenSince(from))[6].from, 7);
  EXPECT_EQ((*canvas->WrittenSince(from))[6].to, 8);
  EXPECT_GE((*canvas->WrittenSince(from))[5].from, (*canvas->WrittenSince(from))[5].to);
}

}  // namespace
}  // namespace engine
