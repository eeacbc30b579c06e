// The high-score table: ten scores for each of the three difficulties, best first, kept in the binary file
// savedGames\bli. A campaign's score enters its difficulty's page when it beats a score there (a tie does
// not), the player types a name into the new row, and the table reaches the file when the high-score screen
// is left with BACK.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "shell/game_files.h"

namespace kestrine {

constexpr int32_t kHighScorePages = 3;  // novice, intermediate, expert
constexpr int32_t kHighScoresPerPage = 10;
constexpr int32_t kHighScoreRows = kHighScorePages * kHighScoresPerPage;
constexpr size_t kHighScoreNameSize = 12;
constexpr int32_t kHighScoreNameLimit = 11;  // characters a player can type; the last byte ends the name
constexpr size_t kHighScoreEntryBytes = 28;
constexpr size_t kHighScoreFileBytes = kHighScoreRows * kHighScoreEntryBytes;  // 840

constexpr const char* kHighScoreFile = "savedGames\\bli";

struct HighScoreEntry {
  int32_t score = 0;
  int32_t maximum = 0;
  // Zero-ended; the bytes after the end are kept as they are, so a file reads back as it was written.
  char name[kHighScoreNameSize] = {};
  int32_t mission = 0;
  int32_t cheat = 0;  // non-zero: shown as a cheater's entry
};

using HighScoreTable = std::array<HighScoreEntry, kHighScoreRows>;
using HighScoreFileBytes = std::array<uint8_t, kHighScoreFileBytes>;

// The table in memory with the page shown and the name being typed. Written only here, through the
// operations below; the high-score screen and everyone else read the const view.
struct HighScoreState {
  HighScoreTable table{};
  int32_t highScorePage = 0;       // 0..2, the page shown
  int32_t highScoreEntryRow = -1;  // the row being named; -1 none
  int32_t nameLength = 0;          // characters typed, 0..11
  // A damaged table file that could not be put aside: it is never written over.
  bool damagedFileInPlace = false;
  bool damageTold = false;  // the player heard of it once; the next reads find the same file and say no more
};

const HighScoreState& HighScores();

// ---- the file's bytes: 30 entries of 28 bytes, little-endian, field by field ----
// False (and `table` untouched) when fewer than 840 bytes are given: half a table is no table. Bytes past
// the 840th are not looked at. Every name is made to end within its 12 bytes.
bool DecodeHighScores(const uint8_t* bytes, size_t size, HighScoreTable& table);
HighScoreFileBytes EncodeHighScores(const HighScoreTable& table);

// ---- the table in memory ----
// The table of a first start: five names with their scores on each page, their missions and maxima
// drawn with the game's generator (one draw per filled row, in row order), the other rows empty.
void BuildDefaultTable();
// What reading the table found.
enum class HighScoreLoad {
  kFromFile,
  kDefaults,            // no file (or no plain file) to read: a first start
  kDamagedSetAside,     // the file could not be read as a table; it was renamed, the defaults are shown
  kDamagedLeftInPlace,  // the same, but it could not be renamed: it stays, and the table is not saved over it
};
// Page 0; the file's table, or the defaults. A file that is there but cannot be read as a table (too short,
// unreadable) is a player's scores all the same: it is set aside under a free name beside it (given in
// `setAsideAs`) before anything can be written in its place.
HighScoreLoad LoadHighScores(std::string* setAsideAs = nullptr);
// Replaces the file with the table (the folder is made when missing). Anything but kWritten leaves the old
// file as it was; a damaged file that could not be set aside is never written over (kFailed).
GameFileWrite SaveHighScores();

// Puts a score into its page: the first row (best first) whose score is below `score` takes it, with an
// empty name, and the rows below move down one, the page's last one dropping out. The row taken, or -1
// when the score beats nothing on the page (or the page does not exist).
int32_t InsertHighScore(HighScoreTable& table, int32_t page, int32_t score, int32_t maximum, int32_t mission);

// Name entry by virtual-key codes: A..Z and Space add a character while fewer than 11 are typed, Backspace
// and Delete empty the whole name. What a key did, so the screen knows whether to clear before redrawing.
enum NameKeyEffect : int { NAME_KEY_IGNORED = 0, NAME_KEY_ADDED = 1, NAME_KEY_EMPTIED = 2 };
NameKeyEffect TypeNameKey(HighScoreEntry& entry, int32_t& length, int key);

// A campaign's score put into page `page` of the table (InsertHighScore) and, when it took a row, that row
// opened for the player's name on the page shown. The row, or -1 with nothing changed.
int32_t EnterScoreForNaming(int32_t page, int32_t score, int32_t maximum, int32_t mission);
// No row is being named (the table opened from the options menu).
void StopNaming();
// The next page shown, after EXPERT NOVICE again.
void TurnHighScorePage();
// A key typed into the row being named (TypeNameKey); ignored when no row is.
NameKeyEffect TypeIntoNamedRow(int key);
// The player was told that the table file is damaged and stays in place: he is not told again.
void NoteDamageTold();

}  // namespace kestrine
