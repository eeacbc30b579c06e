// Save files: the three kinds read from and written to the exact bytes players' files have (the hand-written
// files under golden/), every damaged file turned away whole, and the slot files on disk: written whole or
// not at all (a bad save or a killed writer leaves the old one), read up to a bound.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "frontend/save_failure_box.h"
#include "frontend/save_game.h"
#include "frontend/save_slot_file.h"
#include "frontend/save_slot_screen.h"
#include "unit/shell/scratch_tree.h"

namespace kestrine {
namespace {

using testing::ReadWholeFile;

std::string Golden(const char* name) {
  return ReadWholeFile(std::filesystem::path(KESTRINE_SOURCE_DIR) / "tests/unit/frontend/golden" / name);
}

// The golden text with its first `from` replaced by `to` (which must be there).
std::string Edited(const char* name, const std::string& from, const std::string& to) {
  std::string text = Golden(name);
  const size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

TEST(SaveGame, MissionFileReadsAndIsWrittenBackByteForByte) {
  const std::string text = Golden("mission.txt");
  const SaveGameRead read = ReadSaveGame(text);
  ASSERT_TRUE(read.ok) << read.error;
  const SaveGame& s = read.save;
  EXPECT_EQ(s.kind, SAVE_MISSION);
  EXPECT_EQ(s.date + " " + s.time, "07/14/24 21:05:33");
  ASSERT_EQ(s.battle.units.size(), 5u);
  EXPECT_EQ(s.battle.firstPatientUnit, 3);
  EXPECT_EQ(s.battle.units[2],
            (SavedUnit{-40.0625f, 2.5f, 55.0f, 1, 0, 0, 0, 0, 7, -40.0f, 2.5f, 55.0f, 0, -10, 12000}));
  EXPECT_EQ(s.battle.units[3].x, 0.1f);
  EXPECT_EQ(s.battle.backpack.count[1], 240);
  ASSERT_EQ(s.battle.patients.size(), 3u);
  EXPECT_EQ(s.battle.patients[1].sideBits, INT32_MIN);  // the left side bit
  EXPECT_EQ(s.battle.patients[2].sideBits, -0x40000000);
  EXPECT_EQ(s.battle.patients[1].savedWord, 32);
  ASSERT_EQ(s.battle.patients[0].actions.size(), 3u);
  const ActionRecord& action = s.battle.patients[0].actions[2];
  EXPECT_EQ(std::vector<int32_t>({action.tool, action.part, action.clockMs, action.stock}),
            std::vector<int32_t>({11, 3, 9800, 6}));
  EXPECT_EQ(s.battle.patients[2].clockMs, 0);
  EXPECT_EQ(s.battle.missionClock, 412345);
  EXPECT_EQ(WriteMissionSave(s), text);
}

TEST(SaveGame, BriefingAndDebriefingFilesReadAndAreWrittenBackByteForByte) {
  const std::string brief = Golden("brief.txt");
  const SaveGameRead b = ReadSaveGame(brief);
  ASSERT_TRUE(b.ok) << b.error;
  EXPECT_EQ(b.save.kind, SAVE_BRIEFING);
  EXPECT_EQ(b.save.progress, (SavedProgress{2, {1, 0, 0, 1, 1, 1, 1, 0}, 5, {1, 1, 0}, 1, 33, 48, 1412, 1890, 7, 2}));
  EXPECT_EQ(std::pair(b.save.effectsVolume, b.save.musicVolume), std::pair(127, 87));
  EXPECT_EQ(WriteBriefingSave(b.save), brief);

  const std::string debrief = Golden("debrief.txt");
  const SaveGameRead d = ReadSaveGame(debrief);
  ASSERT_TRUE(d.ok) << d.error;
  ASSERT_EQ(d.save.reportLines.size(), 4u);
  EXPECT_EQ(d.save.reportLines[0], "\x01Mission Score: -14/640");
  EXPECT_EQ(d.save.reportLines[1], "");
  EXPECT_EQ(d.save.reportLines[2].size(), 74u);  // the longest line the report makes survives whole
  EXPECT_EQ(std::pair(d.save.effectsVolume, d.save.musicVolume), std::pair(110, 120));
  EXPECT_EQ(WriteDebriefingSave(d.save), debrief);
}

TEST(SaveGame, DebriefingWithoutReportLinesKeepsItsVolumes) {
  SaveGame save = ReadSaveGame(Golden("debrief.txt")).save;
  save.reportLines.clear();
  const std::string text = WriteDebriefingSave(save);
  EXPECT_NE(text.find("1 1 1 \n0\n110 120\n"), std::string::npos);
  EXPECT_EQ(ReadSaveGame(text).save, save);
  // Files from before had the count glued to the volumes; they read as no lines and the volumes.
  const std::string ours = "\n0\n110 120\n";
  std::string oldText = text;
  oldText.replace(oldText.find(ours), ours.size(), "\n0110 120\n");
  const SaveGameRead old = ReadSaveGame(oldText);
  ASSERT_TRUE(old.ok) << old.error;
  EXPECT_TRUE(old.save.reportLines.empty());
  EXPECT_EQ(old.save.effectsVolume, 110);
  EXPECT_EQ(old.save.musicVolume, 120);
}

TEST(SaveGame, WindowsLineEndsAndOverlongReportLinesStillRead) {
  std::string crlf;
  for (char c : Golden("mission.txt")) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  const SaveGameRead read = ReadSaveGame(crlf);
  ASSERT_TRUE(read.ok) << read.error;
  EXPECT_EQ(read.save, ReadSaveGame(Golden("mission.txt")).save);

  const SaveGameRead longer = ReadSaveGame(Edited("debrief.txt", "Vidoduv captured", std::string(90, 'x')));
  ASSERT_TRUE(longer.ok) << longer.error;
  EXPECT_EQ(longer.save.reportLines[3], std::string(74, 'x'));

  // Carriage returns at a line's end are line end, however many: kept, each save and load would lose one.
  const SaveGameRead returns = ReadSaveGame(Edited("debrief.txt", "Vidoduv captured", "Vidoduv captured\r\r"));
  ASSERT_TRUE(returns.ok) << returns.error;
  EXPECT_EQ(returns.save.reportLines[3], "Vidoduv captured");
  EXPECT_EQ(ReadSaveGame(WriteSaveGame(returns.save)).save, returns.save);
}

TEST(SaveGame, FileCutAfterAnyLineIsRejected) {
  for (const char* name : {"mission.txt", "brief.txt", "debrief.txt"}) {
    const std::string text = Golden(name);
    for (size_t end = text.find('\n'); end + 1 < text.size(); end = text.find('\n', end + 1)) {
      EXPECT_FALSE(ReadSaveGame(text.substr(0, end + 1)).ok) << name << " cut after byte " << end;
    }
    // Only the very last newline may be missing.
    EXPECT_TRUE(ReadSaveGame(text.substr(0, text.size() - 1)).ok) << name;
  }
}

TEST(SaveGame, ValuesTheGameCannotHoldRejectTheFile) {
  std::string records = "1 0 1001\n";
  for (int i = 0; i < 1001; ++i) records += "8 18 1200 1 ";
  records += "\n";
  std::string report = "600";
  for (int i = 0; i < 600; ++i) report += "line\n";

  const struct {
    const char* file;
    std::string from, to;
  } cases[] = {
      {"brief.txt", "BRIEF--", "BRIEFED"},
      {"brief.txt", "BRIEF-- 4", "BRIEF-- 14"},
      {"brief.txt", "BRIEF-- 4", "BRIEF-- 0"},
      {"brief.txt", "\n2\n", "\n3\n"},
      {"brief.txt", "7 2\n", "7 3\n"},
      {"brief.txt", "127 87", "128 87"},
      {"brief.txt", "127 87", "127 87 5"},
      {"brief.txt", "127 87\n", "127 87\nmore\n"},
      {"brief.txt", "1412", "99999999999"},
      {"brief.txt", "09:08:07", "09:08:07:00:00:00:00"},
      {"debrief.txt", "4\x01Mission", report + "\x01Mission"},
      {"debrief.txt", "4\x01Mission", "5\x01Mission"},
      {"mission.txt", "\n5\n", "\n30\n"},
      {"mission.txt", "\n5\n", "\n6\n"},
      {"mission.txt", "0 0 3 5\n1 -12.5", "0 0 3 6\n1 -12.5"},
      {"mission.txt", "0 0 0 3 5\n2 18", "0 0 0 2 5\n2 18"},
      {"mission.txt", "-12.500000 4.250000", "nan 4.250000"},
      {"mission.txt", "-12.500000 4.250000", "-12.5x 4.250000"},
      {"mission.txt", "20.000000 3.000000", "2000.000000 3.000000"},
      {"mission.txt", "1 1 17 0 1 3 5", "1 1 58 0 1 3 5"},
      {"mission.txt", "4 7 0\n", "35 7 0\n"},
      {"mission.txt", "3\n1 1073741824", "8\n1 1073741824"},
      {"mission.txt", "1 1073741824", "1 5"},
      {"mission.txt", "1 0 3\n8 18 1200 1 5 15 4300 1 11 3 9800 6 \n", records},
      {"mission.txt", "20 13 500 1 ", "48 13 500 1 "},
      {"mission.txt", "20 13 500 1 ", "20 27 500 1 "},
      {"mission.txt", "20 13 500 1 ", "20 13 500 "},
      {"mission.txt", "57\n4 240", "57\n4 240 1"},
      {"mission.txt", "57\n4 240", "57\n-4 240"},
      {"mission.txt", "0\n\n97 57", "0\nx\n97 57"},
      {"mission.txt", "412345", "9999999"},
  };
  for (const auto& c : cases) {
    const SaveGameRead read = ReadSaveGame(Edited(c.file, c.from, c.to));
    EXPECT_FALSE(read.ok) << c.file << ": " << c.to.substr(0, 40);
    EXPECT_FALSE(read.error.empty());
  }
  EXPECT_FALSE(ReadSaveGame(Golden("brief.txt").insert(3, 1, '\0')).ok);
  EXPECT_FALSE(ReadSaveGame("").ok);
}

TEST(SaveGame, SevenPatientsReadAndAnEighthRejectsTheFile) {
  // The golden file's three patients, then more like its last: no actions, clock 0.
  const std::string sides = "3\n1 1073741824\n0 -2147483648\n0 -1073741824\n";
  const std::string last = "2600\n0 0 0\n\n0\n";
  for (const int n : {7, 8}) {
    std::string more = std::to_string(n) + "\n1 1073741824\n0 -2147483648\n0 -1073741824\n";
    std::string blocks = last;
    for (int k = 3; k < n; ++k) {
      more += "0 -1073741824\n";
      blocks += "0 0 0\n\n0\n";
    }
    std::string text = Edited("mission.txt", last, blocks);
    text.replace(text.find(sides), sides.size(), more);
    const SaveGameRead read = ReadSaveGame(text);
    EXPECT_EQ(read.ok, n == 7) << n << " patients: " << read.error;
    if (read.ok) {
      EXPECT_EQ(read.save.battle.patients.size(), 7u);
    }
  }
}

// ---- the slot files ----

class SaveSlotFile : public ::testing::Test {
 protected:
  testing::ScratchTree tree_;
};

TEST_F(SaveSlotFile, WriteMakesTheFolderAndReplacesTheSlot) {
  std::string text;
  EXPECT_EQ(ReadSaveSlotText(3, text), SLOT_EMPTY);
  ASSERT_TRUE(WriteSaveSlotText(3, "first\n"));
  EXPECT_EQ(ReadWholeFile(tree_.PathOf("savedGames/game4033.txt")), "first\n");
  ASSERT_TRUE(WriteSaveSlotText(3, "second\n"));
  ASSERT_EQ(ReadSaveSlotText(3, text), SLOT_READ);
  EXPECT_EQ(text, "second\n");
  EXPECT_FALSE(std::filesystem::exists(tree_.PathOf("savedGames/game4033.txt.tmp")));

  EXPECT_FALSE(WriteSaveSlotText(10, "x"));
  EXPECT_FALSE(WriteSaveSlotText(-1, "x"));
  EXPECT_EQ(ReadSaveSlotText(10, text), SLOT_EMPTY);
}

TEST_F(SaveSlotFile, WhatCannotBeWrittenLeavesTheOldSave) {
  // A save whose values a load would refuse is not written over a good one.
  ASSERT_TRUE(WriteSaveSlotText(2, Golden("mission.txt")));
  SaveGame bad = ReadSaveGame(Golden("mission.txt")).save;
  bad.musicVolume = 200;
  EXPECT_FALSE(WriteSaveToSlot(2, bad));
  EXPECT_EQ(ReadSaveFromSlot(2).save.musicVolume, 57);

  // No folder can be made where a file stands.
  std::filesystem::remove_all(tree_.PathOf("savedGames"));
  tree_.WriteBytes("savedGames", "not a folder");
  EXPECT_FALSE(WriteSaveSlotText(0, "x\n"));
  EXPECT_EQ(ReadWholeFile(tree_.PathOf("savedGames")), "not a folder");
}

TEST_F(SaveSlotFile, AFailedSaveSaysWhatFailedAndALeftoverOfAnotherSlotGoesAtTheNextSave) {
  std::filesystem::create_directories(tree_.PathOf("savedGames/game4036.txt"));
  EXPECT_EQ(ReplaceSaveSlotText(6, "x\n"), GameFileWrite::kNotAFile);
  tree_.WriteBytes("savedGames/game4038.txt.tmp", "half");
  tree_.WriteBytes("savedGames/bli.tmp", "half");
  ASSERT_EQ(ReplaceSaveSlotText(1, "x\n"), GameFileWrite::kWritten);
  EXPECT_FALSE(std::filesystem::exists(tree_.PathOf("savedGames/game4038.txt.tmp")));
  EXPECT_FALSE(std::filesystem::exists(tree_.PathOf("savedGames/bli.tmp")));

  const struct {
    GameFileWrite cause;
    const char* text;
  } told[] = {
      {GameFileWrite::kDiskFull, "The game was not saved: the disk is full. Kept."},
      {GameFileWrite::kNotAFile,
       "The game was not saved: savedGames/game4036.txt is not a file (a folder or a device is in its place). Kept."},
      {GameFileWrite::kReadOnly, "The game was not saved: savedGames/game4036.txt is read-only. Kept."},
      {GameFileWrite::kFolderReadOnly, "The game was not saved: the folder savedGames is read-only. Kept."},
      {GameFileWrite::kNoFolder,
       "The game was not saved: the folder savedGames cannot be made (something else has its name). Kept."},
      {GameFileWrite::kFailed, "The game was not saved: savedGames/game4036.txt could not be written. Kept."},
  };
  for (const auto& t : told) EXPECT_EQ(SaveFailureText("The game", SaveSlotPath(6), t.cause, "Kept."), t.text);
}

TEST_F(SaveSlotFile, ProgramKilledWhileWritingLeavesTheOldSave) {
  const std::string old = Golden("mission.txt");
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
  EXPECT_EQ(ReadWholeFile(tree_.PathOf("savedGames/game4035.txt.tmp")).size(), 100u);  // it died mid-write

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
  EXPECT_EQ(SlotLabelOf(std::string("BR\x01"
                                    "EF\0-\xff",
                                    8)),
            "BR?EF?-?");
  EXPECT_EQ(SlotLabelOf(""), "");
}

}  // namespace
}  // namespace kestrine
