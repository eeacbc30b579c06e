// The generated prop and blood data as the game finds it: every prop model, the vehicle's shadow, the blood
// pool keyed on red, the 64 x 64 splat keyed on yellow, and a picture for each of the 35 dog tags.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "casualty_view/blood_pools.h"
#include "casualty_view/blood_splat.h"
#include "casualty_view/dog_tag.h"
#include "casualty_view/injury_prop.h"
#include "core/image_loader.h"
#include "generated_data.h"
#include "tools/assetgen/prop_generators.h"
#include "unit/shell/scratch_tree.h"

namespace {

using namespace kestrine;
using Picture = engine::EngineRef<engine::EngineBitmap>;

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

class PropDataTest : public ::testing::Test {
 protected:
  void SetUp() override {
    assetgen::DataTree tree(std::filesystem::current_path());
    assetgen::WriteInjuryProps(tree);
    assetgen::WriteBloodAndDogTags(tree);
  }
  static std::string Bytes(const std::string& path) { return kestrine::testing::ReadGameFile(path); }
  static Picture Read(const std::string& path) {
    const std::string bytes = Bytes(path);
    return bytes.empty() ? Picture{} : engine::DecodeImage(bytes);
  }

  kestrine::testing::ScratchTree scratch_;
};

TEST_F(PropDataTest, EveryPropModelAndTheShadowAreThere) {
  for (const PropRow& row : kPropRows) EXPECT_GT(Bytes(Narrow(row.model)).size(), 100u) << Narrow(row.model);
  const Picture shadow = Read(Narrow(kHummerShadowPicture));
  ASSERT_TRUE(shadow);
  EXPECT_EQ(shadow->GetWidth(), 256);
  // Dark under the vehicle somewhere, and not everywhere.
  uint32_t darkest = 0xffffff, lightest = 0;
  for (uint32_t p : shadow->Pixels()) {
    darkest = std::min(darkest, p & 0xff);
    lightest = std::max(lightest, p & 0xff);
  }
  EXPECT_LT(darkest, 16u);
  EXPECT_GT(lightest, 64u);
}

TEST_F(PropDataTest, TheBloodPicturesAreKeyedAroundTheBlood) {
  const Picture splat = Read(Narrow(kBloodSplatPicture));
  ASSERT_TRUE(splat);
  EXPECT_EQ(splat->GetWidth(), 64);
  EXPECT_EQ(splat->GetHeight(), 64);
  EXPECT_EQ(splat->Pixel(0, 0) & 0xffffff, 0xffff00u);
  EXPECT_NE(splat->Pixel(32, 32) & 0xffffff, 0xffff00u);

  const Picture pool = Read(Narrow(kBloodPoolPicture));
  ASSERT_TRUE(pool);
  EXPECT_EQ(pool->Pixel(0, 0) & 0xffffff, 0xff0000u);
  const int middle = pool->GetWidth() / 2;
  EXPECT_NE(pool->Pixel(middle, middle) & 0xffffff, 0xff0000u);
}

TEST_F(PropDataTest, EachDogTagOfTheListHasItsPicture) {
  for (const char* name : kDogTagNames) {
    const Picture tag = Read(std::string(kDogTagFolder) + name);
    ASSERT_TRUE(tag) << name;
    EXPECT_GT(tag->GetWidth(), 100) << name;
  }
  // Different soldiers, different tags.
  EXPECT_NE(Bytes(std::string(kDogTagFolder) + kDogTagNames[0]), Bytes(std::string(kDogTagFolder) + kDogTagNames[1]));
}

}  // namespace
