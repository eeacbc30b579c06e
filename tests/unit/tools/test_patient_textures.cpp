// The generated patient textures as the game finds them: every picture a texture set, the hair or the blank
// can name is there at 256 pixels; the blank is see-through; the leg's patch for the cut ends is one colour;
// the bloodied uniforms are found first by the wound look-up and differ from their garment only at the wound.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "casualty/wound_types.h"
#include "casualty_view/texture_templates.h"
#include "core/image_loader.h"
#include "generated_data.h"
#include "tools/assetgen/canonical_path.h"
#include "tools/assetgen/patient_textures.h"
#include "tools/assetgen/wound_assets.h"
#include "unit/shell/scratch_tree.h"

namespace {

using namespace kestrine;
using Picture = engine::EngineRef<engine::EngineBitmap>;

class PatientTexturesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    assetgen::DataTree tree(std::filesystem::current_path());
    assetgen::WritePatientTextures(tree);
    assetgen::WriteWoundTextures(tree);
  }
  static Picture Read(const std::string& path) {
    const std::string bytes = kestrine::testing::ReadGameFile(kPatientTextureFolder + path);
    return bytes.empty() ? Picture{} : engine::DecodeImage(bytes);
  }

  kestrine::testing::ScratchTree scratch_;
};

TEST_F(PatientTexturesTest, EveryPictureATextureSetHairOrTheBlankNamesIsThereAt256Pixels) {
  std::set<std::string> named{kBlankTexture};
  const auto none = [](const std::string&) { return false; };
  for (int32_t appearance = 0; appearance < 4; ++appearance)
    for (int32_t camo = 0; camo < 2; ++camo) {
      TextureState state;
      SetUpTextureState(state, WOUND_HEALTHY, 0, appearance, camo, none);
      for (const TextureRow& row : state.rows)
        if (*row.material != '\0') named.insert(row.path);
      for (int32_t variant = 1; variant <= 4; ++variant) named.insert(HairTexture(camo, appearance, variant));
    }
  EXPECT_EQ(named.size(), 60u);
  const std::vector<std::string> listed = assetgen::PatientTexturePaths();
  EXPECT_EQ(std::set<std::string>(listed.begin(), listed.end()), named);
  for (const std::string& path : named) {
    const Picture picture = Read(path);
    ASSERT_TRUE(picture) << path;
    EXPECT_EQ(picture->GetWidth(), 256) << path;
    EXPECT_EQ(picture->GetHeight(), 256) << path;
  }
  for (const char* blank : {"zzz.qjp", "enemy\\zzz.qjp"}) {
    const Picture picture = Read(blank);
    for (int i = 0; i < 256; i += 15) EXPECT_EQ(picture->PixelColor(i, 255 - i), (engine::Color{255, 255, 0})) << blank;
  }
  const Picture leg = Read("wlcamo\\white\\s-leg.qjp");
  for (int y = 130; y < 140; ++y)
    for (int x = 180; x < 200; ++x) EXPECT_EQ(leg->Pixel(x, y), leg->Pixel(180, 130));
  EXPECT_NE(leg->Pixel(0, 0), leg->Pixel(180, 130)) << "the rest of the skin is not one flat colour";
}

TEST_F(PatientTexturesTest, BloodiedUniformsAreFoundFirstAndDifferFromTheirGarmentOnlyAtTheWound) {
  TextureState woodland;
  SetUpTextureState(woodland, WOUND_HEALTHY, 0, 1, 0);
  ApplyWoundTextureSet(woodland, "gsw-thigh", "s_left_leg1", "u_left_leg1");
  EXPECT_EQ(woodland.rows[FindTextureRow(woodland, "u_left_leg1")].path, "wlcamo\\uniformwounds\\u-gsw-thigh.qjp");
  EXPECT_EQ(woodland.rows[FindTextureRow(woodland, "s_left_leg1")].path, "wlcamo\\white\\wounds\\gsw-thigh.qjp");
  TextureState enemy;
  SetUpTextureState(enemy, WOUND_HEALTHY, 0, 2, 1);
  ApplyWoundTextureSet(enemy, "gsw-thigh", "s_left_leg1", "u_left_leg1");
  EXPECT_EQ(enemy.rows[FindTextureRow(enemy, "u_left_leg1")].path, "enemy\\wounds\\ar-u-gsw-thigh.qjp");
  TextureState desert;
  SetUpTextureState(desert, WOUND_HEALTHY, 0, 0, 1);
  ApplyWoundTextureSet(desert, "gsw-thigh", "s_left_leg1", "u_left_leg1");
  EXPECT_EQ(desert.rows[FindTextureRow(desert, "u_left_leg1")].path, "dccamo\\uniformwounds\\dc-gsw-thigh.qjp");

  // The thigh's wound high on the leg's picture, near the hip; the rest of the trousers as they were.
  const Picture plain = Read("wlcamo\\u-leg.qjp");
  const Picture torn = Read("wlcamo\\uniformwounds\\u-gsw-thigh.qjp");
  ASSERT_TRUE(plain && torn);
  EXPECT_NE(torn->Pixel(128, 69), plain->Pixel(128, 69));
  for (int x = 0; x < 256; x += 5) EXPECT_EQ(torn->Pixel(x, 200), plain->Pixel(x, 200)) << x;

  // A head or a hand wound has no uniform over it to bloody: the helmet stays.
  EXPECT_TRUE(assetgen::UniformWoundPaths("las-face").empty());
  EXPECT_TRUE(assetgen::UniformWoundPaths("gsw-hand").empty());
  EXPECT_EQ(assetgen::UniformWoundPaths("gsw-chest").size(), 3u);
}

}  // namespace
