// What tells the renderer that a screen must be drawn again: every change of what is drawn counts, giving a
// thing what it has already counts nothing; and a bitmap knows where it was written since a renderer took its
// copy, while repainting a row with the colour it holds writes nothing.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/engine_internals.h"
#include "engine/engine.h"

namespace engine {
namespace {

class SceneChangesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = CreateEngineRoot("headless");
    CoreOf(*root_).SetTraceToStderr(false);
    stage_ = root_->CreateStage();
    camera_ = stage_->GetCamera();
    object_ = root_->CreateObject();
    child_ = root_->CreateObject();
    mesh_ = root_->CreateBox(1, 1, 1, 0);
    grid_ = root_->CreateGrid(4, 4, 1, 1, 0, 0, 0);
    light_ = root_->CreateLight(3);
    image_ = root_->CreateBitmap(8, 8);
    sprite_ = camera_->CreateSprite(image_, 1);
  }

  // Every call that changes what the screen shows, each given a value the thing does not have yet.
  std::vector<std::pair<std::string, std::function<void()>>> Changes() {
    return {
        {"add to stage", [this] { stage_->AddObject(object_); }},
        {"position", [this] { object_->SetPosition(1, 2, 3); }},
        {"move by", [this] { object_->MoveBy(0, 0, 1); }},
        {"rotation", [this] { object_->SetRotation(0, 1, 0, 30); }},
        {"turn", [this] { object_->Rotate(1, 0, 0, 10, 1); }},
        {"orientation", [this] { object_->SetOrientation(1, 0, 0, 0, 1, 0); }},
        {"scale", [this] { object_->SetScale(2, 2, 2); }},
        {"hidden", [this] { object_->SetVisible(0); }},
        {"child", [this] { object_->AddChild(child_); }},
        {"child gone", [this] { object_->RemoveChild(child_); }},
        {"shape", [this] { object_->AttachShape(mesh_); }},
        {"face colour", [this] { mesh_->SetFaceColor(L"top", 9, 9, 9); }},
        {"face image", [this] { mesh_->SetFaceBitmap(L"top", image_, 0); }},
        {"face opacity", [this] { mesh_->SetFaceOpacity(L"top", 100); }},
        {"vertex height", [this] { grid_->SetVertexHeight(1, 1, 5, 0); }},
        {"light colour", [this] { light_->SetColor(1, 2, 3); }},
        {"light off", [this] { light_->SetSwitch(0); }},
        {"light target", [this] { light_->SetTarget(object_, 0); }},
        {"viewport", [this] { camera_->SetViewport(10, 10, 320, 240); }},
        {"clip range", [this] { camera_->SetClipRange(50, 2); }},
        {"camera position", [this] { camera_->SetPosition(0, 5, -5); }},
        {"sprite hidden", [this] { sprite_->SetVisible(0); }},
        {"new sprite", [this] { camera_->CreateSprite(image_, 2); }},
        {"background", [this] { stage_->SetBackgroundColor(1, 1, 1); }},
        {"off the stage", [this] { stage_->RemoveObject(object_); }},
    };
  }

  EngineRef<EngineRoot> root_;
  EngineRef<EngineStage> stage_;
  EngineRef<EngineCamera> camera_;
  EngineRef<EngineObject> object_, child_;
  EngineRef<EngineMesh> mesh_, grid_;
  EngineRef<EngineLight> light_;
  EngineRef<EngineBitmap> image_;
  EngineRef<EngineSprite> sprite_;
};

TEST_F(SceneChangesTest, EveryChangeOfWhatIsDrawnCountsAndTheSameAgainDoesNot) {
  for (auto& [name, change] : Changes()) {
    const uint64_t before = SceneChangeCount();
    change();
    EXPECT_GT(SceneChangeCount(), before) << name;
    // Moving on, turning on and making another sprite change things again by their nature.
    if (name == "move by" || name == "turn" || name == "new sprite") continue;
    const uint64_t after = SceneChangeCount();
    change();
    EXPECT_EQ(SceneChangeCount(), after) << name << " again";
  }
  const uint64_t before = SceneChangeCount();
  object_->AttachShape(mesh_);  // attached already
  object_->Rotate(0, 1, 0, 0, 0);
  object_->MoveBy(0, 0, 0);
  EXPECT_EQ(SceneChangeCount(), before);
}

TEST(BitmapWritesTest, RepaintingWithTheColourARowHoldsWritesNothing) {
  auto image = MakeEngine<EngineBitmap>(64, 16);
  image->Clear(255, 0, 0);
  image->TrackWrites();
  const uint64_t since = image->Revision();

  // A cleared layer cleared again: a new revision, but nothing written.
  image->SetDrawColor(255, 0, 0);
  image->FillRect(0, 0, 64, 16);
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
  EXPECT_EQ(image->PixelColor(12, 5), (Color{255, 0, 0}));

  // Pixels handed out whole could have been written anywhere; another renderer's revision is not ours.
  EXPECT_EQ(image->WrittenSince(since + 1), nullptr);
  image->MutablePixels();
  EXPECT_EQ(image->WrittenSince(since), nullptr);
}

TEST(BitmapWritesTest, AKeyedCopyOfNothingButKeyChangesNothing) {
  auto canvas = MakeEngine<EngineBitmap>(32, 32);
  auto highlight = MakeEngine<EngineBitmap>(16, 16);
  highlight->Clear(255, 0, 0);
  highlight->SetColorKey(255, 0, 0);
  const uint64_t before = canvas->Revision();
  canvas->DrawBitmap(highlight, 0, 0, 0, 16, 16, 4, 4, 16, 16);
  EXPECT_EQ(canvas->Revision(), before);
  // One pixel of ink: that pixel, and only it, lands and counts.
  highlight->SetPixel(3, 2, 0x00FFFF00u);
  canvas->TrackWrites();
  const uint64_t since = canvas->Revision();
  canvas->DrawBitmap(highlight, 0, 0, 0, 16, 16, 4, 4, 16, 16);
  EXPECT_GT(canvas->Revision(), before);
  EXPECT_EQ(canvas->Pixel(7, 6), 0x00FFFF00u);
  EXPECT_EQ(canvas->Pixel(8, 6), 0u);
  const auto& written = *canvas->WrittenSince(since);
  EXPECT_EQ(written[6].from, 7);
  EXPECT_EQ(written[6].to, 8);
  EXPECT_GE(written[5].from, written[5].to);
}

}  // namespace
}  // namespace engine
