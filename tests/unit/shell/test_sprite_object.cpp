// SpriteObject: a hidden camera-facing square at first, shown and hidden through the stage, and taken off
// the stage when it goes.
#include <gtest/gtest.h>

#include "screen_2d_fixture.h"
#include "shell/engine_setup.h"
#include "shell/sprite_object.h"

namespace kestrine {
namespace {

using SpriteObjectTest = testing::Screen2dTest;

TEST_F(SpriteObjectTest, AHiddenSixteenUnitSquareFacingTheCameraShownOnceAndTakenOffTheStageWhenItGoes) {
  engine::EngineRef<engine::EngineObject> object;
  {
    SpriteObject sprite(Engine().engineRoot, Engine().engineStage);
    ASSERT_TRUE(sprite.mesh);
    EXPECT_EQ(sprite.mesh->GetKind(), engine::EngineMesh::Kind::Plane);
    EXPECT_FLOAT_EQ(sprite.mesh->Params()[0], 16.0f);
    EXPECT_EQ(sprite.object->PointAtTarget(), Engine().engineCamera.Get());
    EXPECT_FALSE(sprite.object->Visible());
    EXPECT_EQ(sprite.visible, 0);
    EXPECT_FALSE(Engine().engineStage->Contains(sprite.object.Get()));

    sprite.Show();
    sprite.Show();  // twice is still once on the stage
    EXPECT_EQ(sprite.visible, 1);
    EXPECT_EQ(Engine().engineStage->Objects().size(), 1u);
    const auto image = Engine().engineRoot->CreateBitmap(8, 8);
    sprite.SetFrame(image);
    EXPECT_EQ(sprite.mesh->FindFace(L"front")->image.Get(), image.Get());
    EXPECT_TRUE(sprite.object->Visible());
    sprite.Hide();
    EXPECT_EQ(sprite.visible, 0);
    EXPECT_FALSE(Engine().engineStage->Contains(sprite.object.Get()));
    EXPECT_NO_THROW(sprite.Hide());

    sprite.Show();
    object = sprite.object;
  }
  EXPECT_FALSE(Engine().engineStage->Contains(object.Get()));
  EXPECT_EQ(object->RefCount(), 1);
}

}  // namespace
}  // namespace kestrine
