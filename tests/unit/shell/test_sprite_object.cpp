// SpriteObject: a hidden camera-facing square at first, shown and hidden through the stage, and taken off
// the stage when it goes.
#include <gtest/gtest.h>

#include "core/engine_core.h"
#include "engine/engine.h"
#include "shell/globals.h"
#include "shell/sprite_object.h"

namespace kestrine {
namespace {

class SpriteObjectTest : public ::testing::Test {
 protected:
  void SetUp() override {
    engineRoot = engine::CreateEngineRoot("headless");
    engineRoot->Core().SetTraceToStderr(false);
    engineStage = engineRoot->CreateStage();
    engineCamera = engineStage->GetCamera();
  }
  void TearDown() override {
    engineCamera.Reset();
    engineStage.Reset();
    engineRoot.Reset();
  }
};

TEST_F(SpriteObjectTest, StartsAsAHiddenSixteenUnitSquareFacingTheCamera) {
  SpriteObject sprite(engineRoot, engineStage);
  EXPECT_EQ(sprite.visible, 0);
  EXPECT_EQ(sprite.frames, 0);
  ASSERT_TRUE(sprite.mesh);
  EXPECT_EQ(sprite.mesh->GetKind(), engine::EngineMesh::Kind::Plane);
  EXPECT_FLOAT_EQ(sprite.mesh->Params()[0], 16.0f);
  EXPECT_FLOAT_EQ(sprite.mesh->Params()[1], 16.0f);
  ASSERT_EQ(sprite.object->Shapes().size(), 1u);
  EXPECT_EQ(sprite.object->Shapes()[0].Get(), sprite.mesh.Get());
  EXPECT_EQ(sprite.object->PointAtMode(), 4);
  EXPECT_EQ(sprite.object->PointAtTarget(), engineCamera.Get());
  EXPECT_FALSE(sprite.object->Visible());
  EXPECT_EQ(sprite.object->CollisionMask(), 0);
  EXPECT_FALSE(engineStage->Contains(sprite.object.Get()));
}

TEST_F(SpriteObjectTest, ShowHideAndFrames) {
  SpriteObject sprite(engineRoot, engineStage);
  sprite.SetPosition(1, 2, 3);
  EXPECT_FLOAT_EQ(sprite.object->LocalPosition().z, 3.0f);

  sprite.Show();
  sprite.Show();  // twice is still once on the stage
  EXPECT_EQ(sprite.visible, 1);
  EXPECT_EQ(engineStage->Objects().size(), 1u);

  const auto image = engineRoot->CreateBitmap(8, 8);
  sprite.SetFrame(image);
  EXPECT_EQ(sprite.mesh->FindFace(L"front")->image.Get(), image.Get());
  EXPECT_TRUE(sprite.object->Visible());

  sprite.Hide();
  EXPECT_EQ(sprite.visible, 0);
  EXPECT_FALSE(engineStage->Contains(sprite.object.Get()));
  EXPECT_NO_THROW(sprite.Hide());
}

TEST_F(SpriteObjectTest, DestructionTakesTheObjectOffTheStage) {
  engine::EngineRef<engine::EngineObject> object;
  {
    SpriteObject sprite(engineRoot, engineStage);
    sprite.Show();
    object = sprite.object;
  }
  EXPECT_FALSE(engineStage->Contains(object.Get()));
  EXPECT_EQ(object->RefCount(), 1);
}

}  // namespace
}  // namespace kestrine
