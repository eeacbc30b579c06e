// Scene nodes and the camera: placements through parents, the turning calls, keep-facing, the screen
// projection and picks (nearest first, clip range, hidden and transparent shapes, the pick options).
#include <gtest/gtest.h>

#include "core/engine_internals.h"
#include "core/geometry.h"
#include "engine/engine.h"

namespace engine {
namespace {

void ExpectNear(const Vec3& actual, const Vec3& expected, float tolerance = 1e-4f) {
  EXPECT_NEAR(actual.x, expected.x, tolerance);
  EXPECT_NEAR(actual.y, expected.y, tolerance);
  EXPECT_NEAR(actual.z, expected.z, tolerance);
}

Vec3 Of(const EngineRef<EngineVector>& v) { return v->Value(); }

class SceneTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = CreateEngineRoot("headless");
    engine::CoreOf(*root_).SetTraceToStderr(false);
    stage_ = root_->CreateStage();
    camera_ = stage_->GetCamera();
  }

  // A box object on the stage, pickable unless told otherwise.
  EngineRef<EngineObject> Box(const Vec3& at, float size, int option = EngineNode::kOptionPickShape) {
    auto object = root_->CreateObject();
    object->AttachShape(root_->CreateBox(size, size, size, 1));
    object->SetPosition(at.x, at.y, at.z);
    object->SetOptionValue(option);
    stage_->AddObject(object);
    return object;
  }

  EngineRef<EngineRoot> root_;
  EngineRef<EngineStage> stage_;
  EngineRef<EngineCamera> camera_;
};

TEST_F(SceneTest, PositionsScalesAndTurnsComposeThroughParents) {
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

  // A child taken off keeps its own placement only.
  parent->RemoveChild(child);
  ExpectNear(Of(child->GetPosition()), {1, 0, 0});
}

TEST_F(SceneTest, ParentsGoneLeaveTheirChildrenStanding) {
  auto child = root_->CreateActor();
  {
    auto parent = root_->CreateActor();
    parent->SetPosition(5, 5, 5);
    parent->AddChild(child);
  }
  EXPECT_EQ(child->Parent(), nullptr);
  ExpectNear(Of(child->GetPosition()), {0, 0, 0});
  EXPECT_THROW(child->AddChild(child), EngineError);
}

TEST_F(SceneTest, TurnToIsAbsoluteAndRotateAddsInTheChosenFrame) {
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
  ExpectNear(Of(a->GetDirection()), {1, 0, 0});   // turning about world x leaves a forward along x alone
  ExpectNear(Of(b->GetDirection()), {0, -1, 0});  // about its own x (world -z), forward dips
}

TEST_F(SceneTest, PointAtOnceAndKeptFacing) {
  auto node = root_->CreateObject();
  auto target = root_->CreateObject();
  node->SetPosition(1, 2, 3);
  target->SetPosition(1, 2, 13);
  node->PointAt(target, 1);
  ExpectNear(Of(node->GetDirection()), {0, 0, 1});
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
  camera_->SetPosition(0, 0, -10);
  ExpectNear(Of(sprite->GetDirection()), {0, 0, -1});
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
}

TEST_F(SceneTest, ALightShinesAlongItsForwardAxisOrAtItsTargetFromItsSecondPoint) {
  auto sun = root_->CreateLight(3);
  sun->SetRotation(0, 1, 0, 90);  // x towards -z, z towards +x
  ExpectNear(sun->ShineDirection(), {1, 0, 0});
  auto target = root_->CreateObject();
  target->SetPosition(0, -10, 0);
  sun->SetTarget(target, 1);
  ExpectNear(sun->ShineDirection(), {0, -1, 0});
  sun->SetSecondPoint(10, -10, 0);
  ExpectNear(sun->ShineDirection(), {-1, 0, 0});  // from the second point, not from where the light stands
  sun->ClearTarget();
  ExpectNear(sun->ShineDirection(), {1, 0, 0});
}

TEST_F(SceneTest, NodesKeptFacingEachOtherOrTheirOwnChildrenStillHaveAPlace) {
  auto a = root_->CreateObject();
  auto b = root_->CreateObject();
  a->SetPosition(0, 0, 0);
  b->SetPosition(0, 0, 5);
  a->PointAt(b, 4);
  b->PointAt(a, 4);
  EXPECT_NEAR(Of(a->GetDirection()).z, 1.0f, 1e-4);
  EXPECT_NEAR(Of(b->GetDirection()).z, -1.0f, 1e-4);

  auto child = root_->CreateObject();
  a->AddChild(child);
  child->SetPosition(0, 0, 1);
  a->PointAt(child, 4);
  ExpectNear(Of(a->GetDirection()), {0, 0, 1});  // keeps its own rotation
  EXPECT_THROW(a->PointAt(a, 4), EngineError);
}

TEST_F(SceneTest, CameraMovesInItsOwnAxes) {
  camera_->SetRotation(0, 1, 0, 90);  // looking along +x
  camera_->MoveBy(0, 0, 5);
  ExpectNear(Of(camera_->GetPosition()), {5, 0, 0});
  camera_->MoveBy(1, 0, 0);  // its right is world -z
  ExpectNear(Of(camera_->GetPosition()), {5, 0, -1});
  camera_->ResetOrientation();
  ExpectNear(Of(camera_->GetDirection()), {0, 0, 1});
  camera_->SetDirectionUp(0, -1, 0, 0, 0, 1);
  ExpectNear(Of(camera_->GetDirection()), {0, -1, 0});
  ExpectNear(Of(camera_->GetUp()), {0, 0, 1});
}

TEST_F(SceneTest, TheCameraFocusIsTheViewportCentre) {
  camera_->SetPosition(0, 15, -15);
  camera_->SetRotation(1, 0, 0, 45);
  const Vec3 focus = Of(camera_->GetPosition()) + Of(camera_->GetDirection()) * 20;
  auto screen = camera_->WorldToScreen(focus.x, focus.y, focus.z);
  EXPECT_NEAR(screen->GetX(), 320, 1e-3);
  EXPECT_NEAR(screen->GetY(), 240, 1e-3);
  EXPECT_NEAR(screen->GetZ(), 20, 1e-3);

  // A letterboxed view centres on its own middle; up and right of the focus is up and right on screen.
  camera_->SetViewport(80, 60, 640, 480);
  screen = camera_->WorldToScreen(focus.x, focus.y, focus.z);
  EXPECT_NEAR(screen->GetX(), 400, 1e-3);
  EXPECT_NEAR(screen->GetY(), 300, 1e-3);
  const Vec3 offside = focus + Of(camera_->GetUp()) * 2 + Vec3{2, 0, 0};
  screen = camera_->WorldToScreen(offside.x, offside.y, offside.z);
  EXPECT_GT(screen->GetX(), 400);
  EXPECT_LT(screen->GetY(), 300);

  // Back again through the screen point at the same depth.
  const auto back =
      camera_->ScreenToWorld(static_cast<int>(screen->GetX()), static_cast<int>(screen->GetY()), screen->GetZ());
  ExpectNear(Of(back), offside, 0.1f);
}

TEST_F(SceneTest, PickFindsTheNearerOfTwoBoxes) {
  auto far = Box({0, 0, 20}, 2);
  auto near = Box({0, 0, 10}, 2);
  near->SetName(L"near");
  far->SetName(L"far");
  auto hit = camera_->Pick(320, 240);
  ASSERT_TRUE(hit);
  EXPECT_EQ(hit->GetEntity()->GetName(), L"near");
  ExpectNear(Of(hit->GetPoint()), {0, 0, 9});
  ExpectNear(Of(hit->GetSecondVector()), {0, 0, -1});

  // Off to the side the ray passes both.
  EXPECT_FALSE(camera_->Pick(0, 0));

  // Taken off the stage, the near box no longer shields the far one.
  stage_->RemoveObject(near);
  hit = camera_->Pick(320, 240);
  ASSERT_TRUE(hit);
  EXPECT_EQ(hit->GetEntity()->GetName(), L"far");
}

TEST_F(SceneTest, PickMissesPastTheFarPlaneAndBeforeTheNearOne) {
  Box({0, 0, 20}, 2);
  camera_->SetClipRange(15, 1);
  EXPECT_FALSE(camera_->Pick(320, 240));
  camera_->SetClipRange(30, 1);
  EXPECT_TRUE(camera_->Pick(320, 240));
  camera_->SetClipRange(30, 25);
  EXPECT_FALSE(camera_->Pick(320, 240));
}

TEST_F(SceneTest, PickSkipsHiddenAndUnmarkedObjectsButNotTransparentPickShapes) {
  auto body = Box({0, 0, 10}, 2, EngineNode::kOptionNotPickable);  // the skinned body in front
  auto plain = Box({0, 0, 12}, 2, 0);
  auto shape = root_->CreateActor();
  auto sphere = root_->CreateSphere(1, 0);
  sphere->SetFaceOpacity(L"front", 0);  // invisible, yet the part of the body it stands for is picked
  shape->AttachShape(sphere);
  shape->SetName(L"l_knee");
  shape->SetOptionValue(EngineNode::kOptionPickShape);
  body->AddChild(shape);  // hangs under the body, as pick shapes hang under its bones
  shape->SetPosition(0, 0, 10);

  auto hit = camera_->Pick(320, 240);
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
  auto grid = root_->CreateGrid(3, 3, 10, 10, -10, 10, 1);
  grid->SetName(L"terrain");
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c) grid->SetVertexHeight(c, r, 5, 0);
  auto ground = root_->CreateObject();
  ground->AttachShape(grid);
  ground->SetOptionValue(EngineNode::kOptionGround);
  ground->MoveTo(0, 100, 0);
  stage_->AddObject(ground);
  camera_->SetPosition(2, 150, 3);
  camera_->SetRotation(1, 0, 0, 90);  // straight down

  auto hit = camera_->Pick(320, 240);
  ASSERT_TRUE(hit);
  ExpectNear(Of(hit->GetPoint()), {2, 105, 3}, 1e-3f);
  ExpectNear(Of(hit->GetSecondVector()), {0, 1, 0});
  EXPECT_TRUE(hit->GetFlags() & EngineEntity::kFlagGround);
}

TEST_F(SceneTest, MeshesKeepTheirFacesAndTakeNewMeasures) {
  auto plane = root_->CreatePlane(16, 16, 1, 2, 3, 4);
  plane->Resize(2, 4, 9);
  EXPECT_EQ(plane->Params(), (std::vector<float>{2, 4, 1, 2, 3, 4}));
  const MeshTriangles& tri = MeshTrianglesOf(*plane);
  // The plane's centre sits at (a, b) from its object's origin.
  ExpectNear(tri.boundsMin, {1, 1, 0});
  ExpectNear(tri.boundsMax, {3, 5, 0});

  auto box = root_->CreateBox(1, 2, 3, 1);
  EXPECT_THROW(box->SetFaceColor(L"sideways", 1, 2, 3), EngineError);
  box->SetFaceOpacity(L"top", 400);
  EXPECT_EQ(box->FindFace(L"top")->opacity, 255);
  EXPECT_EQ(MeshTrianglesOf(*box).faces.size(), 6u);
  ExpectNear(MeshTrianglesOf(*box).boundsMin, {-0.5f, -1, -1.5f});  // centred, width along x and depth along z
  ExpectNear(MeshTrianglesOf(*box).boundsMax, {0.5f, 1, 1.5f});

  auto grid = root_->CreateGrid(20, 20, 9.5f, 9.5f, -90.25f, 90.25f, 1);
  grid->SetOptionPair(-25, 15);
  grid->SetVertexHeight(3, 4, 128, 0);
  EXPECT_FLOAT_EQ(grid->VertexHeight(3, 4), -5.0f);  // half way up the range
  EXPECT_FLOAT_EQ(grid->VertexHeight(0, 0), -25.0f);
  EXPECT_THROW(grid->SetVertexHeight(20, 0, 1, 0), EngineError);
  ExpectNear(MeshTrianglesOf(*grid).boundsMax, {90.25f, -5, 90.25f});
  EXPECT_TRUE(MeshTrianglesOf(*root_->CreateGrid(1, 5, 1, 1, 0, 0, 0)).vertices.empty()) << "one column: no cell";
}

TEST_F(SceneTest, TheLiveCountFollowsEveryObjectMadeAndLetGoOf) {
  const long before = EngineUnknown::LiveCount();
  {
    auto parent = root_->CreateActor();
    auto shape = root_->CreateBox(1, 1, 1, 1);
    EXPECT_EQ(EngineUnknown::LiveCount(), before + 2);
    parent->AttachShape(shape);
    stage_->AddObject(parent);
    // Held by the stage after the last reference of the test goes.
    parent = nullptr;
    shape = nullptr;
    EXPECT_EQ(EngineUnknown::LiveCount(), before + 2);
    EngineRef<EngineNode> last = stage_->Objects().back();
    stage_->RemoveObject(last);
  }
  EXPECT_EQ(EngineUnknown::LiveCount(), before);
}

}  // namespace
}  // namespace engine
