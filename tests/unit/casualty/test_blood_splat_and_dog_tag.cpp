// The blood splat growing in a skin texture (never from a negative size), and the dog tag's list of
// pictures and its grow-hold-shrink showing on the menu canvas.
#include <cmath>
#include <map>
#include <string>

#include "casualty_view/blood_splat.h"
#include "casualty_view/dog_tag.h"
#include "casualty_view/model_body.h"
#include "casualty_view/texture_templates.h"
#include "unit/casualty/prop_fixture.h"
#include "shell/engine_setup.h"

namespace kestrine {
namespace {

constexpr uint32_t kWhite = 0xffffff;

uint32_t Rgb(const engine::EngineRef<engine::EngineBitmap>& image, int x, int y) {
  return image->Pixel(x, y) & 0xffffff;
}

TEST_F(PropTest, TheSplatGrowsFromItsCentreByTheSquareRootOfItsSizeAndNeverFromBelowNothing) {
  WritePicture(kBloodSplatPicture, assetgen::BloodSplatPicture());
  const auto patient = Build(31, 2);
  const engine::EngineRef<engine::EngineBitmap> skin = Engine().engineRoot->CreateBitmap(64, 64);
  skin->Clear(255, 255, 255);

  StartBloodSplat(*patient, 3, skin, 32, 32, 10);
  for (int frame = 0; frame < 10; ++frame) UpdateBloodSplat(*patient);
  // 10 frames x 0.1 x 10 = 10; sqrt(10) = 3.16: a 3 x 3 square from (31, 31).
  EXPECT_NEAR(ObjectsOf(*patient).bloodSplat->size, 10.0f, 1e-4f);
  EXPECT_NE(Rgb(skin, 32, 32), kWhite);
  EXPECT_EQ(Rgb(skin, 35, 32), kWhite);
  EXPECT_EQ(Rgb(skin, 32, 29), kWhite);
  for (int frame = 0; frame < 90; ++frame) UpdateBloodSplat(*patient);
  // 100 frames: size 100, 10 pixels across from (27, 27).
  EXPECT_NE(Rgb(skin, 33, 32), kWhite);
  EXPECT_EQ(Rgb(skin, 38, 32), kWhite);

  // A falling rate takes it to nothing at most.
  const engine::EngineRef<engine::EngineBitmap> clean = Engine().engineRoot->CreateBitmap(64, 64);
  clean->Clear(255, 255, 255);
  StartBloodSplat(*patient, 3, clean, 32, 32, -5);
  for (int frame = 0; frame < 5; ++frame) UpdateBloodSplat(*patient);
  EXPECT_EQ(ObjectsOf(*patient).bloodSplat->size, 0.0f);
  EXPECT_EQ(Rgb(clean, 32, 32), kWhite);
}

TEST_F(PropTest, AFreshDressingStartsTheSplatInItsMiddleAtTheBleedRate) {
  const auto patient = Build(31, 2);
  int32_t skin = -1, clothing = -1;
  FindBoneMaterials(ObjectsOf(*patient).textureState, PART_LEFT_THIGH, skin, clothing);
  ASSERT_GE(skin, 0);
  ObjectsOf(*patient).textureState.working[skin] = Engine().engineRoot->CreateBitmap(256, 256);
  patient->bleedRate = 7;
  patient->Body().ShowTreatmentVisual({VISUAL_DRESSING, PART_LEFT_THIGH, TOOL_BANDAGE});
  ASSERT_TRUE(ObjectsOf(*patient).bloodSplat);
  const BloodSplat& splat = *ObjectsOf(*patient).bloodSplat;
  EXPECT_EQ(splat.texture, ObjectsOf(*patient).textureState.working[skin]);
  EXPECT_EQ(splat.textureSlot, skin);
  // A thigh's dressing covers rows 20 to 120 of 256, all across.
  EXPECT_EQ(splat.x, 128);
  EXPECT_EQ(splat.y, 70);
  EXPECT_EQ(splat.rate, 7.0f);
  EXPECT_EQ(splat.size, 0.0f);
}

TEST(DogTagNames, ThirtyFivePicturesEachListedTwiceNamedByThreeCapitals) {
  std::map<std::string, int> count;
  for (const char* name : kDogTagNames) ++count[name];
  EXPECT_EQ(count.size(), 35u);
  for (const auto& [name, times] : count) {
    EXPECT_EQ(times, 2) << name;
    ASSERT_EQ(name.size(), 7u) << name;
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(name[i] >= 'A' && name[i] <= 'Z') << name;
    EXPECT_EQ(name.substr(3), ".qpg");
  }
}

TEST_F(PropTest, TheDogTagGrowsForElevenFramesHoldsAHundredShrinksAwayAndCanComeAgain) {
  DogTag tag;
  tag.image = Engine().engineRoot->CreateBitmap(64, 32);
  tag.image->Clear(0, 200, 0);
  tag.width = 64;
  tag.height = 32;
  UpdateDogTag(tag, 0.1f, 0.1f);  // not started: nothing
  EXPECT_EQ(tag.state, DOG_TAG_OFF);

  for (int round = 0; round < 2; ++round) {
    StartDogTag(tag);
    EXPECT_EQ(tag.scale, 0.01f);
    int growing = 0;
    while (tag.state == DOG_TAG_GROWING && growing < 50) {
      UpdateDogTag(tag, 0.1f, 0.1f);
      ++growing;
    }
    EXPECT_EQ(growing, 11);                 // 0.01 x 1.5^10 = 0.577 is short of 0.6
    EXPECT_NEAR(tag.scale, 0.865f, 1e-3f);  // 0.01 x 1.5^11
    int holding = 0;
    while (tag.state == DOG_TAG_HOLDING && holding < 500) {
      UpdateDogTag(tag, 200, 300);
      ++holding;
    }
    EXPECT_EQ(holding, 100);
    EXPECT_NEAR(tag.scale, 0.865f, 1e-3f);
    int shrinking = 0;
    while (tag.state == DOG_TAG_SHRINKING && shrinking < 50) {
      UpdateDogTag(tag, 0.1f, 0.1f);
      ++shrinking;
    }
    EXPECT_EQ(shrinking, 9);  // 0.865 x 0.6^8 = 0.0145, x 0.6^9 = 0.0087
    EXPECT_LT(tag.scale, 0.01f);
    EXPECT_EQ(tag.state, DOG_TAG_OFF);
  }
  // Drawn at (0.1, 0.1) of the 640 x 480 canvas and at pixel (200, 300), 55 x 27 at full size.
  EXPECT_EQ(Rgb(Overlays().menuCanvas, 64 + 50, 48 + 20), 0x00c800u);
  EXPECT_EQ(Rgb(Overlays().menuCanvas, 200 + 50, 300 + 20), 0x00c800u);
  EXPECT_NE(Rgb(Overlays().menuCanvas, 64 + 60, 48 + 20), 0x00c800u);
}

}  // namespace
}  // namespace kestrine
