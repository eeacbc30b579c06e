// The wound table's generated names and textures: the generator finds every clip, remark key and texture
// the table names, and every texture is a picture for every skin, under the path the game builds for it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "casualty/wound_types.h"
#include "tools/assetgen/canonical_path.h"
#include "tools/assetgen/wound_assets.h"
#include "unit/tools/wound_table_walk.h"

namespace {

namespace fs = std::filesystem;
using namespace kestrine;
using kestrine_test::TableNames;
using kestrine_test::WalkTable;

struct GeneratedTree {
  fs::path dir = fs::temp_directory_path() / ("kestrine-wound-assets-" + std::to_string(::getpid()));
  ~GeneratedTree() {
    std::error_code ec;
    fs::remove_all(dir, ec);
  }
};

const assetgen::DataTree& Generated() {
  static const GeneratedTree generated;
  static const assetgen::DataTree tree = [] {
    fs::remove_all(generated.dir);
    assetgen::DataTree made(generated.dir);
    assetgen::WriteWoundTextures(made);
    return made;
  }();
  return tree;
}

std::string Read(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

fs::path OnDisk(const std::string& gamePath) { return Generated().PathOf(assetgen::CanonicalPath(gamePath)); }

TEST(WoundAssets, TheGeneratorFindsEveryNameTheTableUses) {
  const TableNames table = WalkTable();
  const assetgen::WoundAssetNames generated = assetgen::CollectWoundAssetNames();
  for (const std::string& clip : table.clips) EXPECT_EQ(generated.clips.count(clip), 1u) << clip;
  for (const std::string& key : table.remarkKeys) EXPECT_EQ(generated.remarkKeys.count(key), 1u) << key;
  for (const std::string& name : table.textures) EXPECT_EQ(generated.textures.count(name), 1u) << name;
  EXPECT_GT(table.clips.size(), 200u);
  EXPECT_GT(table.remarkKeys.size(), 40u);
}

TEST(WoundAssets, EveryWoundTextureIsAPictureForEverySkin) {
  for (const std::string& name : WalkTable().textures) {
    const std::vector<std::string> paths = assetgen::WoundTexturePaths(name);
    ASSERT_EQ(paths.size(), 3u) << name;
    std::set<std::string> pictures;
    for (const std::string& path : paths) {
      const std::string bytes = Read(OnDisk(path));
      ASSERT_GT(bytes.size(), 24u) << path << " is missing";
      EXPECT_EQ(bytes.compare(0, 8, "\x89PNG\r\n\x1a\n"), 0) << path;
      // The picture's size from its header: big-endian width and height.
      auto be32 = [&](size_t at) {
        return (static_cast<uint32_t>(static_cast<uint8_t>(bytes[at])) << 24) |
               (static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 1])) << 16) |
               (static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 2])) << 8) |
               static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 3]));
      };
      EXPECT_EQ(be32(16), static_cast<uint32_t>(assetgen::kWoundTextureSize)) << path;
      EXPECT_EQ(be32(20), static_cast<uint32_t>(assetgen::kWoundTextureSize)) << path;
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
