// The slot files on disk: written whole or not at all, read up to a bound, the player's read-only saves kept.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "frontend/save_slot_file.h"
#include "frontend/save_slot_screen.h"
#include "unit/frontend/golden_files.h"
#include "unit/shell/scratch_tree.h"

namespace kestrine {
namespace {

std::string GoldenMission() {
  return Golden("mission.txt");
}

class SaveSlotFile : public ::testing::Test {
 protected:
  testing::ScratchTree tree_;
};

TEST_F(SaveSlotFile, WriteMakesTheFolderAndReplacesTheSlot) {
  std::string text;
  EXPECT_EQ(ReadSaveSlotText(3, text), SLOT_EMPTY);
  ASSERT_TRUE(WriteSaveSlotText(3, "first\n"));
  EXPECT_EQ(FileText(tree_.PathOf("savedGames/game4033.txt")), "first\n");
  ASSERT_TRUE(WriteSaveSlotText(3, "second\n"));
  ASSERT_EQ(ReadSaveSlotText(3, text), SLOT_READ);
  EXPECT_EQ(text, "second\n");
  EXPECT_FALSE(std::filesystem::exists(tree_.PathOf("savedGames/game4033.txt.tmp")));

  EXPECT_FALSE(WriteSaveSlotText(10, "x"));
  EXPECT_FALSE(WriteSaveSlotText(-1, "x"));
  EXPECT_EQ(ReadSaveSlotText(10, text), SLOT_EMPTY);
}

TEST_F(SaveSlotFile, WhatCannotBeWrittenLeavesTheOldSave) {
  tree_.WriteBytes("savedGames/game4031.txt", "kept\n");
  chmod(tree_.PathOf("savedGames/game4031.txt").c_str(), 0444);
  EXPECT_FALSE(WriteSaveSlotText(1, "new\n"));
  EXPECT_EQ(FileText(tree_.PathOf("savedGames/game4031.txt")), "kept\n");

  // A save whose values a load would refuse is not written over a good one.
  ASSERT_TRUE(WriteSaveSlotText(2, GoldenMission()));
  SaveGame bad = ReadSaveGame(GoldenMission()).save;
  bad.musicVolume = 200;
  EXPECT_FALSE(WriteSaveToSlot(2, bad));
  EXPECT_EQ(ReadSaveFromSlot(2).save.musicVolume, 57);

  // No folder can be made where a file stands.
  std::filesystem::remove_all(tree_.PathOf("savedGames"));
  tree_.WriteBytes("savedGames", "not a folder");
  EXPECT_FALSE(WriteSaveSlotText(0, "x\n"));
  EXPECT_EQ(FileText(tree_.PathOf("savedGames")), "not a folder");
}

TEST_F(SaveSlotFile, ProgramKilledWhileWritingLeavesTheOldSave) {
  const std::string old = GoldenMission();
  ASSERT_TRUE(WriteSaveSlotText(5, old));
  const std::string longer = old + std::string(4000, ' ');

  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    // The system kills the writer (SIGXFSZ) once 100 bytes of the new save are on the disk.
    const rlimit fileLimit{100, 100};
    const rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
    setrlimit(RLIMIT_FSIZE, &fileLimit);
    WriteSaveSlotText(5, longer);
    _exit(0);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFSIGNALED(status));
  EXPECT_EQ(WTERMSIG(status), SIGXFSZ);
  EXPECT_EQ(FileText(tree_.PathOf("savedGames/game4035.txt.tmp")).size(), 100u);  // it died mid-write

  const SaveGameRead read = ReadSaveFromSlot(5);
  ASSERT_TRUE(read.ok) << read.error;
  EXPECT_EQ(WriteSaveGame(read.save), old);
  // The next save goes through over the leftover.
  EXPECT_TRUE(WriteSaveSlotText(5, old));
}

TEST_F(SaveSlotFile, FileLargerThanAnySaveIsNotTakenIn) {
  tree_.WriteBytes("savedGames/game4037.txt", std::string(kSaveFileLimit + 1, '1'));
  std::string text;
  EXPECT_EQ(ReadSaveSlotText(7, text), SLOT_UNREADABLE);
  EXPECT_TRUE(text.empty());
  EXPECT_FALSE(ReadSaveFromSlot(7).ok);
  EXPECT_FALSE(ReadSaveFromSlot(8).ok);
}

// A slot's label is its file's first line: a save copied over from Windows keeps no carriage return in it,
// and bytes no font can show (a damaged file) become question marks rather than boxes or nothing.
TEST(SlotLabel, IsTheFirstLineWithoutItsEndAndWithOnlyPrintableCharacters) {
  EXPECT_EQ(SlotLabelOf("MISSION 3 01/02/03 12:34:56\n1\n"), "MISSION 3 01/02/03 12:34:56");
  EXPECT_EQ(SlotLabelOf("DEBRIEF 10 12/31/99 23:59:59\r\n0\r\n"), "DEBRIEF 10 12/31/99 23:59:59");
  EXPECT_EQ(SlotLabelOf(std::string("BR\x01" "EF\0-\xff", 8)), "BR?EF?-?");
  EXPECT_EQ(SlotLabelOf(""), "");
}

}  // namespace
}  // namespace kestrine
