// An unchanged screen is not drawn again: presenting it costs no drawing, while any change of what it shows (an
// object moved, a sprite hidden, a bitmap's pixels) brings a new picture, and a text layer repainted with the
// same words does not. The picture kept meanwhile is still the one a capture reads.
#include <gtest/gtest.h>

#include "render/sdl_fixture.h"

namespace engine::testing {
namespace {

class SdlRedraw : public SdlFixture {
 protected:
  void SetUp() override {
    SdlFixture::SetUp();
    plane_ = AddFacingPlane(10, 20, {0, 200, 0});
    text_ = root_->CreateBitmap(640, 480);
    text_->Clear(255, 0, 0);
    text_->SetColorKey(255, 0, 0);
    font_ = root_->CreateText(0);
    font_->SetSize(14);
    font_->SetColor(255, 255, 255);
    font_->SetBackColor(255, 0, 0);
    sprite_ = camera_->CreateSprite(text_, 1);
    PaintLabel(L"Weight:");
    root_->Render();
  }

  // What a screen does every frame: clear its text layer, write its label.
  void PaintLabel(const std::wstring& label) {
    text_->SetDrawColor(255, 0, 0);
    text_->FillRect(0, 0, 640, 480);
    font_->DrawText(text_, 20, 20, label);
  }

  // Presents the stage; true when that drew a new picture.
  bool Drew() {
    const int before = backend_->DrawnFrames();
    root_->Render();
    return backend_->DrawnFrames() > before;
  }

  EngineRef<EngineNode> plane_;
  EngineRef<EngineBitmap> text_;
  EngineRef<EngineTextFont> font_;
  EngineRef<EngineSprite> sprite_;
};

TEST_F(SdlRedraw, OnlyAChangeOfWhatIsShownIsDrawn) {
  EXPECT_FALSE(Drew());
  // The same label painted again, twice (the first repaint is drawn once, to take a copy to compare with).
  PaintLabel(L"Weight:");
  Drew();
  PaintLabel(L"Weight:");
  EXPECT_FALSE(Drew());

  PaintLabel(L"Volume:");
  EXPECT_TRUE(Drew());
  plane_->SetPosition(1, 0, 20);
  EXPECT_TRUE(Drew());
  EXPECT_FALSE(Drew());
  sprite_->SetVisible(0);
  EXPECT_TRUE(Drew());
  stage_->SetBackgroundColor(0, 0, 90);
  EXPECT_TRUE(Drew());
  EXPECT_FALSE(Drew());
}

TEST_F(SdlRedraw, ThePictureKeptIsWhatTheSceneShows) {
  for (int i = 0; i < 3; ++i) {
    PaintLabel(L"Weight:");
    root_->Render();
  }
  stage_->SetBackgroundColor(0, 0, 90);
  root_->Render();
  // A pixel written by hand is a change too; the capture after a present that drew nothing new shows it.
  text_->SetPixel(600, 400, 0x00FFFF00u);
  root_->Render();
  root_->Render();
  auto frame = CaptureLast();
  ASSERT_TRUE(frame);
  EXPECT_TRUE(PixelNear(frame, 600, 400, {255, 255, 0}));
  EXPECT_TRUE(PixelNear(frame, 5, 470, {0, 0, 90}));
  EXPECT_TRUE(PixelNear(frame, 320, 240, {0, 200, 0}));
}

}  // namespace
}  // namespace engine::testing
