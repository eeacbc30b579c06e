// Files are looked at before they are read: one larger than its kind allows is refused unread, a pipe or a
// folder is no file, a path that climbs about the tree or runs past any real length ends its walk, and every
// asset found missing or unreadable is kept, once, for the player to be told.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "core/engine_internals.h"
#include "core/path_resolver.h"
#include "engine/engine_root.h"
#include "temp_tree.h"

namespace engine {
namespace {

namespace fs = std::filesystem;

class BoundedReadTest : public ::testing::Test {
 protected:
  void Write(const std::string& rel, const std::string& bytes) { tree_.Write(rel, bytes); }
  void Sparse(const std::string& rel, uint64_t size) { ASSERT_TRUE(tree_.Sparse(rel, size)); }

  testing::TempTree tree_;
  const fs::path root_ = tree_.Root();
};

constexpr uint64_t kTwoAndAHalfGigabytes = 2684354560;

TEST_F(BoundedReadTest, TheSizeOnDiskDecidesBeforeAnythingIsRead) {
  Write("ten.bin", "0123456789");
  EXPECT_EQ(ReadRealFile("ten.bin", 10).bytes, "0123456789");
  const FileRead over = ReadRealFile("ten.bin", 9);
  EXPECT_EQ(over.status, FileRead::TooLarge);
  EXPECT_EQ(over.size, 10u);
  EXPECT_TRUE(over.bytes.empty());

  Sparse("images/huge.qjp", kTwoAndAHalfGigabytes);
  PathResolver paths;
  const FileRead huge = paths.ReadAsset("IMAGES\\Huge.qjp", FileKind::Image);
  EXPECT_EQ(huge.status, FileRead::TooLarge);
  EXPECT_EQ(huge.Why(), "too large: 2684354560 bytes");
  EXPECT_FALSE(paths.ReadFile("images\\huge.qjp")) << "over even the largest limit of any kind";
}

TEST_F(BoundedReadTest, APipeOrAFolderIsNoFileAndNothingWaitsOnIt) {
  ASSERT_EQ(::mkfifo((root_ / "pipe.qtxt").c_str(), 0644), 0);
  fs::create_directories(root_ / "folder.qtxt");
  EXPECT_EQ(ReadRealFile("pipe.qtxt", 100).status, FileRead::Missing) << "nobody writes to it: no hang";
  EXPECT_EQ(ReadRealFile("folder.qtxt", 100).status, FileRead::Missing);
  EXPECT_EQ(ReadRealFile("nothing.qtxt", 100).status, FileRead::Missing);
}

TEST_F(BoundedReadTest, AClimbingPathIsWalkedOnceForEachFolderItReaches) {
  // Two spellings of one folder at each climb: 2^40 ways down if each were walked again.
  fs::create_directories(root_ / "a");
  fs::create_directories(root_ / "A");
  std::string climbing;
  for (int i = 0; i < 40; ++i) climbing += "a\\..\\";
  PathResolver paths;
  EXPECT_FALSE(paths.Resolve(climbing + "missing.qjp"));
  Write("found.qjp", "x");
  EXPECT_EQ(paths.ReadFile(climbing + "FOUND.qjp"), "x");

  EXPECT_FALSE(paths.Resolve(std::string(5000, 'a'))) << "longer than any real path";
  std::string up;
  for (int i = 0; i < 1300; ++i) up += "..\\";
  EXPECT_FALSE(paths.Resolve(up + "no such file"));
}

TEST_F(BoundedReadTest, MissingAndUnreadableAssetsAreKeptOnceEachInTheOrderMet) {
  Sparse("images/huge.qjp", kTwoAndAHalfGigabytes);
  Write("sounds/cut.qwv", "RIFF");
  auto root = CreateEngineRoot("headless");
  engine::CoreOf(*root).SetTraceToStderr(false);

  auto image = root->LoadBitmap(L"images\\huge.qjp", 1);
  EXPECT_TRUE(image->IsPlaceholder());
  EXPECT_NE(engine::CoreOf(*root).DebugLog().find("unreadable image: images\\huge.qjp (too large: 2684354560 bytes)"),
            std::string::npos)
      << engine::CoreOf(*root).DebugLog();
  root->LoadSound(L"sounds\\missing.qwv", 1);
  root->LoadSound(L"sounds\\cut.qwv", 1);
  root->LoadBitmap(L"images\\huge.qjp", 1);
  root->NoteDamagedAsset("avi\\cut.avi");
  root->OpenFile(L"sprites\\none.qtxt", 1, 2);
  EXPECT_EQ(root->DamagedAssets(), (std::vector<std::string>{"images\\huge.qjp", "sounds\\missing.qwv",
                                                              "sounds\\cut.qwv", "avi\\cut.avi",
                                                              "sprites\\none.qtxt"}));
}

}  // namespace
}  // namespace engine
