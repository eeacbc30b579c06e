// The wound table's generated textures: every texture the table names is a picture for every skin, under the
// path the game builds for it. (That the generator finds every clip and remark key the table names shows in
// the speech files' test: each is read back from the file the game asks for.)
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "casualty/wound_types.h"
#include "core/image_loader.h"
#include "generated_data.h"
#include "tools/assetgen/canonical_path.h"
#include "tools/assetgen/wound_assets.h"
#include "unit/tools/wound_table_walk.h"

namespace kestrine {
namespace {

using kestrine_test::WalkTable;

TEST(WoundAssets, EveryWoundTextureIsAPictureForEverySkin) {
  const testing::GeneratedData generated(assetgen::WriteWoundTextures);
  const assetgen::DataTree tree(generated.Dir());
  for (const std::string& name : WalkTable().textures) {
    const std::vector<std::string> paths = assetgen::WoundTexturePaths(name);
    ASSERT_EQ(paths.size(), 3u) << name;
    std::set<std::string> pictures;
    for (const std::string& path : paths) {
      const std::string bytes = testing::ReadFile(tree.PathOf(assetgen::CanonicalPath(path)));
      const auto picture = engine::DecodeImage(bytes);
      ASSERT_TRUE(picture) << path << " is missing or no picture";
      EXPECT_EQ(picture->GetWidth(), assetgen::kWoundTextureSize) << path;
      EXPECT_EQ(picture->GetHeight(), assetgen::kWoundTextureSize) << path;
      pictures.insert(bytes);
    }
    EXPECT_EQ(pictures.size(), paths.size()) << name << ": each skin tone has its own picture";
  }
}

TEST(WoundAssets, TheSkinPathsAreTheOnesTheGameLooksUnder) {
  const std::vector<std::string> paths = assetgen::WoundTexturePaths("gsw-chest");
  EXPECT_EQ(paths[0], "patient\\textures\\wlcamo\\white\\wounds\\gsw-chest.qjp");
  EXPECT_EQ(paths[1], "patient\\textures\\wlcamo\\black\\wounds\\b-gsw-chest.qjp");
  EXPECT_EQ(paths[2], "patient\\textures\\enemy\\wounds\\ar-gsw-chest.qjp");
  // The one set that loads as a picture with transparency.
  EXPECT_EQ(assetgen::WoundTexturePaths("gsw-pafn-hand")[0],
            "patient\\textures\\wlcamo\\white\\wounds\\gsw-pafn-hand.qpg");
}

}  // namespace
}  // namespace kestrine
