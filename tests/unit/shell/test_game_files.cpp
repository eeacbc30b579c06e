// The game's own files written whole or not at all, and told why when not: the cause of a failed write, the
// temporary file a killed write leaves, and a damaged file put aside under a name of its own.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "shell/game_files.h"
#include "unit/shell/scratch_tree.h"

namespace kestrine {
namespace {

namespace fs = std::filesystem;

std::string FileText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(GameFileWriteCause, TheSystemsErrorNamesTheCause) {
  const struct {
    int error;
    GameFileWrite cause;
  } cases[] = {
      {ENOSPC, GameFileWrite::kDiskFull},      {EDQUOT, GameFileWrite::kDiskFull},
      {EROFS, GameFileWrite::kFolderReadOnly}, {EACCES, GameFileWrite::kFolderReadOnly},
      {EISDIR, GameFileWrite::kNotAFile},      {EIO, GameFileWrite::kFailed},
  };
  for (const auto& c : cases) EXPECT_EQ(WriteFailureOf(c.error), c.cause) << c.error;
}

TEST(GameFileWriteCause, WhatStandsInTheWayIsNamedAndLeftAsItWas) {
  testing::ScratchTree tree;
  fs::create_directories(tree.PathOf("savedGames/slot.txt"));  // a folder where the file goes
  EXPECT_EQ(ReplaceGameFile("savedGames\\slot.txt", "x", true), GameFileWrite::kNotAFile);
  EXPECT_TRUE(fs::is_directory(tree.PathOf("savedGames/slot.txt")));

  tree.WriteBytes("savedGames/kept.txt", "mine");
  fs::permissions(tree.PathOf("savedGames/kept.txt"), fs::perms::owner_read);
  EXPECT_EQ(ReplaceGameFile("savedGames\\KEPT.txt", "x", true), GameFileWrite::kReadOnly);
  EXPECT_EQ(FileText(tree.PathOf("savedGames/kept.txt")), "mine");

  tree.WriteBytes("blocked", "a file, not a folder");
  EXPECT_EQ(ReplaceGameFile("blocked\\slot.txt", "x", true), GameFileWrite::kNoFolder);
  EXPECT_EQ(ReplaceGameFile("savedGames\\new.txt", "new", true), GameFileWrite::kWritten);
  EXPECT_EQ(FileText(tree.PathOf("savedGames/new.txt")), "new");
}

TEST(GameFileLeftovers, OnlyTheTemporaryOfAWriteCutShortIsRemoved) {
  testing::ScratchTree tree;
  tree.WriteBytes("savedGames/game4031.txt", "save");
  tree.WriteBytes("savedGames/game4031.txt.tmp", "half a sa");
  fs::create_directories(tree.PathOf("savedGames/game4032.txt.tmp/inside"));
  RemoveLeftoverTemporary("savedGames\\game4031.txt");
  RemoveLeftoverTemporary("savedGames\\game4032.txt");
  EXPECT_FALSE(fs::exists(tree.PathOf("savedGames/game4031.txt.tmp")));
  EXPECT_EQ(FileText(tree.PathOf("savedGames/game4031.txt")), "save");
  EXPECT_TRUE(fs::exists(tree.PathOf("savedGames/game4032.txt.tmp/inside")));  // no file of ours
}

TEST(GameFileSetAside, ADamagedFileTakesTheFirstFreeNameBesideIt) {
  testing::ScratchTree tree;
  tree.WriteBytes("savedGames/bli.damaged", "set aside before");
  tree.WriteBytes("savedGames/bli", "damaged");
  std::string moved;
  ASSERT_EQ(SetGameFileAside("savedGames\\bli", moved), SetAside::kMoved);
  EXPECT_EQ(moved, "savedGames\\bli.damaged2");
  EXPECT_EQ(FileText(tree.PathOf("savedGames/bli.damaged2")), "damaged");
  EXPECT_EQ(FileText(tree.PathOf("savedGames/bli.damaged")), "set aside before");
  EXPECT_FALSE(fs::exists(tree.PathOf("savedGames/bli")));

  fs::create_directories(tree.PathOf("savedGames/bli"));
  EXPECT_EQ(SetGameFileAside("savedGames\\bli", moved), SetAside::kNotAFile);
  EXPECT_TRUE(moved.empty());
  EXPECT_EQ(SetGameFileAside("savedGames\\nothing", moved), SetAside::kNotAFile);
}

}  // namespace
}  // namespace kestrine
