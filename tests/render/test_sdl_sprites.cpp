// The screen layers over the 3D view: layer order, red-keyed overlays, sprites made on sprites, and
// uploads only when an image changed.
#include <gtest/gtest.h>

#include "backend/sdl/sprite_renderer.h"
#include "render/sdl_fixture.h"

namespace engine::testing {
namespace {

class SdlSprites : public SdlFixture {
 protected:
  // A screen-sized image keyed on red and cleared to it: invisible until something is drawn on it.
  EngineRef<EngineBitmap> KeyedOverlay() {
    auto image = root_->CreateBitmap(640, 480);
    image->Clear(255, 0, 0);
    image->SetColorKey(255, 0, 0);
    return image;
  }
  EngineRef<EngineBitmap> Filled(Color c) {
    auto image = root_->CreateBitmap(640, 480);
    image->Clear(c.r, c.g, c.b);
    return image;
  }
};

// Only the part of a layer that shows anything is drawn; when the drawing moves, so does that part.
TEST_F(SdlSprites, AKeyedLayersDrawingIsShownWhereverItMovesToAndAnEmptyLayerShowsNothing) {
  stage_->SetBackgroundColor(40, 40, 40);
  auto overlay = KeyedOverlay();
  auto sprite = camera_->CreateSprite(overlay, 1);
  EXPECT_TRUE(PixelNear(Capture(), 320, 240, {40, 40, 40}));
  overlay->SetDrawColor(255, 255, 255);
  overlay->FillRect(0, 0, 2, 2);
  auto frame = Capture();
  EXPECT_TRUE(PixelNear(frame, 0, 0, {255, 255, 255}));
  EXPECT_TRUE(PixelNear(frame, 1, 1, {255, 255, 255}));
  EXPECT_TRUE(PixelNear(frame, 2, 2, {40, 40, 40}));
  overlay->Clear(255, 0, 0);
  overlay->FillRect(630, 470, 10, 10);
  frame = Capture();
  EXPECT_TRUE(PixelNear(frame, 0, 0, {40, 40, 40}));
  EXPECT_TRUE(PixelNear(frame, 639, 479, {255, 255, 255}));
  EXPECT_TRUE(PixelNear(frame, 630, 470, {255, 255, 255}));
  EXPECT_TRUE(PixelNear(frame, 629, 469, {40, 40, 40}));
}

TEST_F(SdlSprites, LayersAreDrawnInLayerOrderNotCreationOrder) {
  auto front = KeyedOverlay();
  front->SetDrawColor(255, 255, 0);
  front->FillRect(0, 0, 200, 200);
  auto a = camera_->CreateSprite(front, 1);
  auto b = camera_->CreateSprite(Filled({0, 0, 180}), 0);
  auto frame = Capture();
  EXPECT_TRUE(PixelNear(frame, 10, 10, {255, 255, 0}));
  EXPECT_TRUE(PixelNear(frame, 300, 300, {0, 0, 180}));
}

TEST_F(SdlSprites, HiddenLayerLetsTheOnesBehindShow) {
  auto back = camera_->CreateSprite(Filled({0, 0, 180}), 0);
  auto cover = camera_->CreateSprite(Filled({0, 120, 0}), 1);
  EXPECT_TRUE(PixelNear(Capture(), 320, 240, {0, 120, 0}));
  cover->SetVisible(0);
  EXPECT_TRUE(PixelNear(Capture(), 320, 240, {0, 0, 180}));
  back->SetVisible(0);
  EXPECT_TRUE(PixelNear(Capture(), 320, 240, {0, 0, 0}));
}

// The menu canvas hangs under the text overlay: drawn over it, and hidden with it.
TEST_F(SdlSprites, ChildSpriteIsDrawnWithItsParent) {
  auto backdrop = camera_->CreateSprite(Filled({0, 0, 180}), 0);
  auto textImage = KeyedOverlay();
  textImage->SetDrawColor(255, 255, 255);
  textImage->FillRect(0, 0, 100, 100);
  auto text = camera_->CreateSprite(textImage, 1);
  auto canvasImage = KeyedOverlay();
  canvasImage->SetDrawColor(250, 0, 250);
  canvasImage->FillRect(50, 50, 100, 100);
  auto canvas = text->CreateSprite(canvasImage, 255);
  auto frame = Capture();
  EXPECT_TRUE(PixelNear(frame, 10, 10, {255, 255, 255}));
  EXPECT_TRUE(PixelNear(frame, 75, 75, {250, 0, 250}));  // the canvas over the text
  EXPECT_TRUE(PixelNear(frame, 140, 140, {250, 0, 250}));
  EXPECT_TRUE(PixelNear(frame, 300, 300, {0, 0, 180}));
  text->SetVisible(0);
  frame = Capture();
  EXPECT_TRUE(PixelNear(frame, 75, 75, {0, 0, 180}));
  EXPECT_TRUE(PixelNear(frame, 10, 10, {0, 0, 180}));
}

TEST_F(SdlSprites, ImageIsUploadedOnlyWhenItChanged) {
  auto overlay = KeyedOverlay();
  auto sprite = camera_->CreateSprite(overlay, 1);
  root_->Render();
  const uint64_t first = backend_->TextureUploads();
  root_->Render();
  root_->Render();
  EXPECT_EQ(backend_->TextureUploads(), first) << "nothing changed, nothing to upload";

  overlay->SetDrawColor(0, 255, 0);
  overlay->FillRect(10, 10, 5, 5);
  auto frame = Capture();
  EXPECT_EQ(backend_->TextureUploads(), first + 1);
  EXPECT_TRUE(PixelNear(frame, 12, 12, {0, 255, 0})) << "the changed pixels must show, not a stale texture";

  overlay->SetColorKey(0, 255, 0);  // a new key changes what shows, though no pixel changed
  frame = Capture();
  EXPECT_EQ(backend_->TextureUploads(), first + 2);
  EXPECT_TRUE(PixelNear(frame, 12, 12, {0, 0, 0}));      // the green square is now the see-through part
  EXPECT_TRUE(PixelNear(frame, 300, 300, {255, 0, 0}));  // and red an ordinary colour
}

// Once a layer has been shown, a change to a few of its pixels goes up alone. Wherever it falls it shows: on a
// shown part, far from every part, or as a hole of the key colour in a part that was shown whole.
TEST_F(SdlSprites, SmallChangesToAShownLayerShowWhereverTheyFall) {
  stage_->SetBackgroundColor(40, 40, 40);
  auto overlay = KeyedOverlay();
  overlay->SetDrawColor(200, 200, 200);
  overlay->FillRect(0, 400, 640, 80);  // a strip shown whole
  overlay->SetDrawColor(255, 255, 255);
  overlay->FillRect(100, 100, 3, 3);  // a dot among the key colour
  auto sprite = camera_->CreateSprite(overlay, 1);
  EXPECT_TRUE(PixelNear(Capture(), 101, 101, {255, 255, 255}));
  overlay->FillRect(103, 101, 1, 1);  // the first change after the layer was shown is uploaded whole
  auto frame = Capture();
  EXPECT_TRUE(PixelNear(frame, 103, 101, {255, 255, 255}));
  EXPECT_TRUE(PixelNear(frame, 103, 100, {40, 40, 40})) << "the key colour beside the dot lets the view through";

  overlay->SetDrawColor(0, 255, 0);
  overlay->FillRect(102, 100, 1, 1);
  frame = Capture();
  EXPECT_TRUE(PixelNear(frame, 102, 100, {0, 255, 0}));
  EXPECT_TRUE(PixelNear(frame, 101, 101, {255, 255, 255}));

  overlay->SetDrawColor(255, 255, 0);
  overlay->FillRect(600, 50, 2, 2);
  frame = Capture();
  EXPECT_TRUE(PixelNear(frame, 601, 51, {255, 255, 0}));
  EXPECT_TRUE(PixelNear(frame, 102, 100, {0, 255, 0}));

  overlay->SetDrawColor(255, 0, 0);
  overlay->FillRect(320, 440, 4, 4);
  overlay->FillRect(100, 100, 1, 1);
  frame = Capture();
  EXPECT_TRUE(PixelNear(frame, 321, 441, {40, 40, 40}));
  EXPECT_TRUE(PixelNear(frame, 300, 440, {200, 200, 200}));
  EXPECT_TRUE(PixelNear(frame, 100, 100, {40, 40, 40}));
  EXPECT_TRUE(PixelNear(frame, 601, 51, {255, 255, 0}));
}

// A face picture with no see-through texel is drawn without the key test; once a few of its pixels take the key
// colour, the view behind shows through them.
TEST_F(SdlSprites, AFacePictureThatTakesTheKeyColourShowsThroughThere) {
  stage_->SetBackgroundColor(40, 40, 40);
  auto mesh = AddFacingPlane(10, 20, {255, 255, 255})->Shapes().front();
  auto picture = root_->CreateBitmap(64, 64);
  picture->Clear(0, 0, 200);
  picture->SetColorKey(255, 0, 0);
  mesh->SetFaceBitmap(L"front", picture, 1);
  EXPECT_TRUE(PixelNear(Capture(), 320, 240, {0, 0, 200}, 1));
  picture->SetDrawColor(0, 200, 0);
  picture->FillRect(0, 0, 8, 8);
  EXPECT_TRUE(PixelNear(Capture(), 320, 240, {0, 0, 200}, 1));
  picture->SetDrawColor(255, 0, 0);
  picture->FillRect(24, 24, 16, 16);
  auto frame = Capture();
  EXPECT_TRUE(PixelNear(frame, 320, 240, {40, 40, 40}, 1));
  EXPECT_TRUE(PixelNear(frame, 320, 320, {0, 0, 200}, 1));
}

// The view is not drawn under rows a layer covers whole; once a pixel there lets the view through, the view is
// drawn there again. A layer over the whole screen hides all of it until it is hidden itself.
TEST_F(SdlSprites, RowsALayerCoversWholeHideTheViewUntilAPixelThereLetsItThrough) {
  AddFacingPlane(100, 20, {0, 150, 0});  // over the whole screen
  auto overlay = KeyedOverlay();
  overlay->SetDrawColor(0, 0, 200);
  overlay->FillRect(0, 398, 640, 82);
  overlay->SetDrawColor(255, 0, 0);
  overlay->FillRect(10, 398, 1, 1);  // the strip's top row lets the view through at one pixel
  auto sprite = camera_->CreateSprite(overlay, 1);
  auto frame = Capture();
  EXPECT_TRUE(PixelNear(frame, 320, 200, {0, 150, 0}));
  EXPECT_TRUE(PixelNear(frame, 10, 398, {0, 150, 0}));
  EXPECT_TRUE(PixelNear(frame, 320, 440, {0, 0, 200}));
  overlay->FillRect(20, 20, 1, 1);  // the first change after the layer was shown is uploaded whole
  Capture();
  overlay->FillRect(320, 440, 4, 4);
  frame = Capture();
  EXPECT_TRUE(PixelNear(frame, 321, 441, {0, 150, 0}));
  EXPECT_TRUE(PixelNear(frame, 300, 440, {0, 0, 200}));

  auto cover = camera_->CreateSprite(Filled({90, 90, 90}), 2);
  EXPECT_TRUE(PixelNear(Capture(), 320, 200, {90, 90, 90}));
  cover->SetVisible(0);
  EXPECT_TRUE(PixelNear(Capture(), 320, 200, {0, 150, 0}));
}

// A face image replaced by a fresh one of the same size (its memory likely where the old one was) must show the
// fresh one's pixels, never the old texture; and an image painted over where it hangs (as the patient's wounds
// are) shows its new pixels.
TEST_F(SdlSprites, ReplacedOrRepaintedFaceImageIsNeverConfusedWithTheOldOne) {
  auto plane = AddFacingPlane(10, 20, {255, 255, 255});
  auto mesh = plane->Shapes().front();
  for (int i = 0; i < 6; ++i) {
    const uint8_t level = static_cast<uint8_t>(40 * (i + 1));
    {
      auto image = root_->CreateBitmap(32, 32);
      image->Clear(level, level, 0);
      mesh->SetFaceBitmap(L"front", image, 1);
    }
    EXPECT_TRUE(PixelNear(Capture(), 320, 240, {level, level, 0}, 1)) << "image " << i;
  }
  auto painted = root_->CreateBitmap(32, 32);
  painted->Clear(0, 0, 200);
  mesh->SetFaceBitmap(L"front", painted, 1);
  EXPECT_TRUE(PixelNear(Capture(), 320, 240, {0, 0, 200}, 1));
  painted->SetDrawColor(0, 200, 200);
  painted->FillRect(8, 8, 16, 16);
  EXPECT_TRUE(PixelNear(Capture(), 320, 240, {0, 200, 200}, 1));
}

// A picture nobody holds any more can never be drawn again: its texture goes with the next frame. A hidden one
// that is still held keeps its texture, and shows again without a new upload.
TEST_F(SdlSprites, TextureOfAPictureNobodyHoldsGoesAndAHiddenHeldOneStays) {
  auto mesh = AddFacingPlane(10, 20, {255, 255, 255})->Shapes().front();
  {
    auto first = root_->CreateBitmap(32, 32);
    first->Clear(200, 0, 0);
    mesh->SetFaceBitmap(L"front", first, 1);
    EXPECT_TRUE(PixelNear(Capture(), 320, 240, {200, 0, 0}, 1));
  }
  const size_t withFirst = backend_->CachedTextures();
  auto second = root_->CreateBitmap(32, 32);
  second->Clear(0, 200, 0);
  mesh->SetFaceBitmap(L"front", second, 1);
  EXPECT_TRUE(PixelNear(Capture(), 320, 240, {0, 200, 0}, 1));
  EXPECT_EQ(backend_->CachedTextures(), withFirst) << "the replaced picture's texture is let go, the new one's came";

  auto overlay = KeyedOverlay();
  overlay->SetDrawColor(0, 0, 255);
  overlay->FillRect(0, 0, 20, 20);
  auto sprite = camera_->CreateSprite(overlay, 1);
  EXPECT_TRUE(PixelNear(Capture(), 10, 10, {0, 0, 255}));
  const uint64_t uploads = backend_->TextureUploads();
  const size_t withOverlay = backend_->CachedTextures();
  EXPECT_EQ(withOverlay, withFirst + 1);
  sprite->SetVisible(0);
  EXPECT_FALSE(PixelNear(Capture(), 10, 10, {0, 0, 255}));
  EXPECT_EQ(backend_->CachedTextures(), withOverlay) << "hidden but held: kept";
  sprite->SetVisible(1);
  EXPECT_TRUE(PixelNear(Capture(), 10, 10, {0, 0, 255}));
  EXPECT_EQ(backend_->TextureUploads(), uploads) << "shown again without a new upload";
}

TEST(SpriteDrawOrder, ChildrenBelowTheParentsLayerComeFirst) {
  auto image = MakeEngine<EngineBitmap>(4, 4);
  EngineSprite parent(image, 10);
  parent.AddRef();  // on the stack: never let a reference delete it
  auto above = parent.CreateSprite(image, 255);
  auto below = parent.CreateSprite(image, 0);
  auto same = parent.CreateSprite(image, 10);
  auto order = SpriteDrawOrder(parent);
  ASSERT_EQ(order.size(), 4u);
  EXPECT_EQ(order[0], below.Get());
  EXPECT_EQ(order[1], &parent);
  EXPECT_EQ(order[2], same.Get());
  EXPECT_EQ(order[3], above.Get());
}

}  // namespace
}  // namespace engine::testing
