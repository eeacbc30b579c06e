// The 3D view on the real renderer: where things land through the camera, faces, images, keys, opacity,
// lights, viewport and clip range.
#include <gtest/gtest.h>

#include "render/sdl_fixture.h"

namespace engine::testing {
namespace {

constexpr Color kBackground{40, 40, 40};
constexpr Color kGreen{0, 200, 0};

class SdlStage : public SdlFixture {
 protected:
  void SetUp() override {
    SdlFixture::SetUp();
    if (HasFatalFailure()) return;
    stage_->SetBackgroundColor(kBackground.r, kBackground.g, kBackground.b);
  }
};

// A 10-unit plane 20 units away fills +-104 pixels around the centre with a 60 degree vertical field
// of view (5 / (20 tan 30) x 240), and as much across since the pixels are square.
TEST_F(SdlStage, ColouredPlaneCoversTheExpectedPixelsAndMovesWithTheCamera) {
  AddFacingPlane(10, 20, kGreen);
  auto frame = Capture();
  EXPECT_TRUE(PixelNear(frame, 320, 240, kGreen));
  EXPECT_TRUE(PixelNear(frame, 320, 240 - 95, kGreen));
  EXPECT_TRUE(PixelNear(frame, 320 + 95, 240, kGreen));
  EXPECT_TRUE(PixelNear(frame, 320 - 95, 240 + 95, kGreen));
  EXPECT_TRUE(PixelNear(frame, 320, 240 - 115, kBackground));
  EXPECT_TRUE(PixelNear(frame, 320 + 115, 240, kBackground));
  EXPECT_TRUE(PixelNear(frame, 5, 5, kBackground));

  camera_->SetPosition(10, 0, 0);  // the plane is now left of the view's middle
  frame = Capture();
  EXPECT_TRUE(PixelNear(frame, 320, 240, kBackground));
  // x = -10 at depth 20: 10 / (20 tan 30 x 4/3) x 320 = 208 pixels left of the centre.
  EXPECT_TRUE(PixelNear(frame, 320 - 208, 240, kGreen));
}

TEST_F(SdlStage, APlaneSeenFromBehindShowsItsBackFaceUntilItIsKeptFacingTheCamera) {
  auto plane = AddFacingPlane(10, 20, kGreen, {0, 0, 210});
  plane->SetRotation(0, 1, 0, 0);  // front turned away from the camera
  EXPECT_TRUE(PixelNear(Capture(), 320, 240, {0, 0, 210}));
  plane->PointAt(camera_, 4);
  EXPECT_TRUE(PixelNear(Capture(), 320, 240, kGreen));
}

TEST_F(SdlStage, ViewportLimitsTheViewAndTheBackground) {
  camera_->SetViewport(320, 0, 320, 240);
  AddFacingPlane(10, 20, kGreen);
  auto frame = Capture();
  EXPECT_TRUE(PixelNear(frame, 100, 100, {0, 0, 0}));  // outside the viewport: the screen's black
  EXPECT_TRUE(PixelNear(frame, 400, 300, {0, 0, 0}));
  EXPECT_TRUE(PixelNear(frame, 330, 10, kBackground));
  EXPECT_TRUE(PixelNear(frame, 480, 120, kGreen));  // the viewport's own centre
}

TEST_F(SdlStage, TheClipRangeDropsWhatLiesOutsideItAndTheNearerObjectHidesTheFartherOne) {
  AddFacingPlane(4, 10, {200, 200, 0});
  AddFacingPlane(10, 20, kGreen);
  auto frame = Capture();
  EXPECT_TRUE(PixelNear(frame, 320, 240, {200, 200, 0}));
  EXPECT_TRUE(PixelNear(frame, 320 + 95, 240, kGreen));
  camera_->SetClipRange(15, 11);  // far plane before the green one, near plane behind the yellow one
  EXPECT_TRUE(PixelNear(Capture(), 320 + 95, 240, kBackground));
  EXPECT_TRUE(PixelNear(Capture(), 320, 240, kBackground));
  camera_->SetClipRange(100, 15);  // the yellow one is in front of the near plane
  EXPECT_TRUE(PixelNear(Capture(), 320, 240, kGreen));
}

TEST_F(SdlStage, HiddenObjectAndItsChildrenAreNotDrawn) {
  auto parent = AddFacingPlane(10, 20, kGreen);
  auto childMesh = root_->CreateBox(2, 2, 2, 1);
  for (const wchar_t* f : {L"front", L"back", L"left", L"right", L"top", L"bottom"})
    childMesh->SetFaceColor(f, 250, 0, 250);
  auto child = root_->CreateObject();
  child->AttachShape(childMesh);
  parent->AddChild(child);
  child->SetPosition(0, 0, 5);  // in the parent's frame: 5 units towards the camera
  EXPECT_TRUE(PixelNear(Capture(), 320, 240, {250, 0, 250}));
  parent->SetVisible(0);
  EXPECT_TRUE(PixelNear(Capture(), 320, 240, kBackground));
}

TEST_F(SdlStage, FaceImageIsUprightAndItsKeyColourIsTransparent) {
  auto image = root_->CreateBitmap(64, 64);
  image->Clear(255, 0, 0);
  image->SetColorKey(255, 0, 0);
  image->SetDrawColor(0, 0, 230);
  image->FillRect(0, 0, 32, 32);  // top-left quarter blue, the rest keyed away
  auto plane = AddFacingPlane(10, 20, {255, 255, 255});
  auto mesh = plane->Shapes().front();
  mesh->SetFaceBitmap(L"front", image, 1);
  auto frame = Capture();
  EXPECT_TRUE(PixelNear(frame, 320 - 50, 240 - 50, {0, 0, 230}, 2));
  EXPECT_TRUE(PixelNear(frame, 320 + 50, 240 - 50, kBackground));
  EXPECT_TRUE(PixelNear(frame, 320 - 50, 240 + 50, kBackground));
  EXPECT_TRUE(PixelNear(frame, 320 + 50, 240 + 50, kBackground));
}

TEST_F(SdlStage, OpacityBlendsWithWhatIsBehindAndZeroHides) {
  stage_->SetBackgroundColor(0, 0, 0);
  AddFacingPlane(10, 20, {0, 0, 200});
  auto glass = AddFacingPlane(4, 10, {200, 0, 0});
  auto mesh = glass->Shapes().front();
  mesh->SetFaceOpacity(L"front", 128);
  EXPECT_TRUE(PixelNear(Capture(), 320, 240, {100, 0, 100}, 3));
  mesh->SetFaceOpacity(L"front", 0);
  EXPECT_TRUE(PixelNear(Capture(), 320, 240, {0, 0, 200}));
}

TEST_F(SdlStage, AmbientAndDirectionalLightScaleTheColours) {
  AddFacingPlane(10, 20, {0, 200, 0});
  auto ambient = root_->CreateLight(0);
  ambient->SetColor(50, 50, 50);
  stage_->AddObject(ambient);
  auto sun = root_->CreateLight(3);
  sun->SetColor(100, 100, 100);
  stage_->AddObject(sun);
  sun->SetOrientation(0, 0, 1, 0, 1, 0);                        // shining along +z, onto the face turned to the camera
  EXPECT_TRUE(PixelNear(Capture(), 320, 240, {0, 118, 0}, 2));  // 200 x 150 / 255
  sun->SetOrientation(0, 0, -1, 0, 1, 0);                       // from behind: only the ambient light reaches it
  EXPECT_TRUE(PixelNear(Capture(), 320, 240, {0, 39, 0}, 2));   // 200 x 50 / 255
  sun->SetSwitch(0);
  ambient->SetSwitch(0);
  EXPECT_TRUE(PixelNear(Capture(), 320, 240, {0, 200, 0}));  // no light at all: colours as they are
}

// The game's own view: from (0, 15, -15), tilted 45 degrees down, the screen's centre looks at the origin.
TEST_F(SdlStage, EveryKindOfShapeIsDrawnUnderTheGameCamera) {
  camera_->SetPosition(0, 15, -15);
  camera_->SetRotation(1, 0, 0, 45);
  camera_->SetClipRange(250, 1);
  struct Case {
    const char* name;
    EngineRef<EngineMesh> mesh;
  };
  Case cases[] = {
      {"box", root_->CreateBox(4, 4, 4, 1)},
      {"cylinder", root_->CreateCylinder(4, 2, 0, 1)},
      {"sphere", root_->CreateSphere(2, 0)},
      {"grid", root_->CreateGrid(5, 5, 4, 4, -8, 8, 0)},
  };
  for (Case& c : cases) {
    for (const auto& [face, unused] : c.mesh->Faces()) c.mesh->SetFaceColor(face, 220, 120, 20);
    auto object = root_->CreateObject();
    object->AttachShape(c.mesh);
    stage_->AddObject(object);
    EXPECT_TRUE(PixelNear(Capture(), 320, 240, {220, 120, 20})) << c.name;
    EXPECT_TRUE(PixelNear(Capture(), 5, 5, kBackground)) << c.name;
    stage_->RemoveObject(object);
  }
}

TEST_F(SdlStage, GridHeightsRaiseTheTerrain) {
  camera_->SetPosition(0, 0, -30);  // level with the ground, looking along it
  auto grid = root_->CreateGrid(5, 5, 4, 4, -8, 8, 0);
  grid->SetFaceColor(L"front", 0, 160, 0);
  auto ground = root_->CreateObject();
  ground->AttachShape(grid);
  stage_->AddObject(ground);
  EXPECT_TRUE(PixelNear(Capture(), 320, 200, kBackground));        // flat: seen edge-on, nothing above the horizon
  for (int c = 0; c < 5; ++c) grid->SetVertexHeight(c, 0, 10, 0);  // the far edge rises into view
  EXPECT_TRUE(PixelNear(Capture(), 320, 200, {0, 160, 0}));
}

TEST_F(SdlStage, MeshScaleAndObjectScaleBothApply) {
  auto plane = AddFacingPlane(2, 20, kGreen);
  EXPECT_TRUE(PixelNear(Capture(), 320 + 50, 240, kBackground));
  plane->Shapes().front()->SetScale(3, 3, 3);
  EXPECT_TRUE(PixelNear(Capture(), 320 + 50, 240, kGreen));
  plane->Shapes().front()->SetScale(1, 1, 1);
  plane->SetScale(3, 1, 1);
  EXPECT_TRUE(PixelNear(Capture(), 320 + 50, 240, kGreen));
  EXPECT_TRUE(PixelNear(Capture(), 320, 240 - 50, kBackground));
}

// A loaded model in its pose: the stand-in for a missing file is a magenta box of one unit.
TEST_F(SdlStage, LoadedModelIsDrawnWhereItsNodeStands) {
  auto model = root_->LoadModel(L"models\\not_there.qsad", 0);
  model->SetPosition(0, 0, 10);
  model->SetScale(4, 4, 4);  // its near side 8 away: +-104 pixels around the centre
  stage_->AddObject(model);
  auto frame = Capture();
  EXPECT_TRUE(PixelNear(frame, 320, 240, {255, 0, 255}));
  EXPECT_TRUE(PixelNear(frame, 320 + 95, 240 - 95, {255, 0, 255}));
  EXPECT_TRUE(PixelNear(frame, 320 + 115, 240, kBackground));
  model->SetPosition(-6, 0, 10);
  frame = Capture();
  EXPECT_TRUE(PixelNear(frame, 320, 240, kBackground));
  EXPECT_TRUE(PixelNear(frame, 320 - 150, 240, {255, 0, 255}));
  model->SetVisible(0);
  EXPECT_TRUE(PixelNear(Capture(), 320 - 150, 240, kBackground));
}

TEST_F(SdlStage, NoStageGivesABlackScreen) {
  root_->SetDisplayMode(640, 480, 16);
  backend_->Present(nullptr);
  EXPECT_TRUE(PixelNear(CaptureLast(), 320, 240, {0, 0, 0}));
}

}  // namespace
}  // namespace engine::testing
