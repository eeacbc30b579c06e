#include "frontend/high_score_table.h"

#include <cstring>

#include "shell/game_files.h"
#include "shell/program_state.h"
#include "shell/random.h"

namespace kestrine {

namespace {

HighScoreState highScoreState;
KESTRINE_PROGRAM_STATE(highScoreState);

constexpr int VK_BACK = 8;
constexpr int VK_SPACE = 32;
constexpr int VK_DELETE = 46;
constexpr int VK_A = 65;
constexpr int VK_Z = 90;

struct DefaultRow {
  int32_t row;
  const char* name;
  int32_t score;
};

// The scores a first start shows, to be beaten.
constexpr DefaultRow kDefaultRows[] = {
    {0, "TAVEN", 503},   {1, "DOVAN", 407},    {2, "PELK", 298},    {3, "SORLA", 175},  {4, "IVET", 109},
    {10, "MARROK", 488}, {11, "FENN", 303},    {12, "TEK", 286},    {13, "VUR", 194},   {14, "TOLA", 99},
    {20, "DOVAN", 512},  {21, "NESSIRA", 374}, {22, "QUINLA", 246}, {23, "SORLA", 138}, {24, "BARRIK", 98},
};
// Rows 0..4 of each page are filled; 5..9 stay empty.
constexpr int32_t kDefaultRowsPerPage = 5;

int32_t GetI32(const uint8_t* at) {
  const uint32_t bits = static_cast<uint32_t>(at[0]) | static_cast<uint32_t>(at[1]) << 8 |
                        static_cast<uint32_t>(at[2]) << 16 | static_cast<uint32_t>(at[3]) << 24;
  return static_cast<int32_t>(bits);
}

void PutI32(uint8_t* at, int32_t value) {
  const uint32_t bits = static_cast<uint32_t>(value);
  for (int i = 0; i < 4; ++i) at[i] = static_cast<uint8_t>(bits >> (8 * i));
}

}  // namespace

const HighScoreState& HighScores() { return highScoreState; }

bool DecodeHighScores(const uint8_t* bytes, size_t size, HighScoreTable& table) {
  if (bytes == nullptr || size < kHighScoreFileBytes) return false;
  for (HighScoreEntry& e : table) {
    e.score = GetI32(bytes);
    e.maximum = GetI32(bytes + 4);
    std::memcpy(e.name, bytes + 8, kHighScoreNameSize);
    // A name that fills all twelve bytes would run on into the next field when shown; one that ends
    // earlier keeps its bytes, so the file reads back as it was.
    if (std::memchr(e.name, '\0', kHighScoreNameSize) == nullptr) e.name[kHighScoreNameSize - 1] = '\0';
    e.mission = GetI32(bytes + 20);
    e.cheat = GetI32(bytes + 24);
    bytes += kHighScoreEntryBytes;
  }
  return true;
}

HighScoreFileBytes EncodeHighScores(const HighScoreTable& table) {
  HighScoreFileBytes bytes{};
  uint8_t* at = bytes.data();
  for (const HighScoreEntry& e : table) {
    PutI32(at, e.score);
    PutI32(at + 4, e.maximum);
    std::memcpy(at + 8, e.name, kHighScoreNameSize);
    PutI32(at + 20, e.mission);
    PutI32(at + 24, e.cheat);
    at += kHighScoreEntryBytes;
  }
  return bytes;
}

void BuildDefaultTable() {
  highScoreState.table = HighScoreTable{};
  for (int32_t row = 0; row < kHighScoreRows; ++row) {
    const int32_t place = row % kHighScoresPerPage;
    if (place >= kDefaultRowsPerPage) continue;
    HighScoreEntry& e = highScoreState.table[row];
    e.mission = kDefaultRowsPerPage - place;
    e.maximum = e.mission * 100 + rand() % 15 - 6;
  }
  for (const DefaultRow& d : kDefaultRows) {
    HighScoreEntry& e = highScoreState.table[d.row];
    std::strncpy(e.name, d.name, kHighScoreNameSize - 1);
    e.score = d.score;
  }
}

HighScoreLoad LoadHighScores(std::string* setAsideAs) {
  highScoreState.highScorePage = 0;
  highScoreState.damagedFileInPlace = false;
  if (setAsideAs) setAsideAs->clear();
  HighScoreFileBytes bytes{};
  size_t got = 0;
  const GameFileRead read = ReadGameFile(kHighScoreFile, bytes.data(), bytes.size(), got);
  if (read == GameFileRead::kRead && DecodeHighScores(bytes.data(), got, highScoreState.table))
    return HighScoreLoad::kFromFile;
  BuildDefaultTable();
  if (read == GameFileRead::kMissing) return HighScoreLoad::kDefaults;
  std::string newName;
  switch (SetGameFileAside(kHighScoreFile, newName)) {
    case SetAside::kMoved:
      if (setAsideAs) *setAsideAs = newName;
      return HighScoreLoad::kDamagedSetAside;
    case SetAside::kNotAFile:
      // A folder or a device holds no scores; the write will say what is in the way.
      return HighScoreLoad::kDefaults;
    case SetAside::kFailed:
      break;
  }
  highScoreState.damagedFileInPlace = true;
  return HighScoreLoad::kDamagedLeftInPlace;
}

GameFileWrite SaveHighScores() {
  if (highScoreState.damagedFileInPlace) return GameFileWrite::kFailed;
  const HighScoreFileBytes bytes = EncodeHighScores(highScoreState.table);
  return ReplaceGameFile(kHighScoreFile, {reinterpret_cast<const char*>(bytes.data()), bytes.size()}, true);
}

int32_t InsertHighScore(HighScoreTable& table, int32_t page, int32_t score, int32_t maximum, int32_t mission) {
  if (page < 0 || page >= kHighScorePages) return -1;
  const int32_t first = page * kHighScoresPerPage;
  const int32_t last = first + kHighScoresPerPage - 1;
  int32_t row = first;
  while (row <= last && table[row].score >= score) ++row;
  if (row > last) return -1;
  for (int32_t r = last; r > row; --r) table[r] = table[r - 1];
  table[row] = HighScoreEntry{.score = score, .maximum = maximum, .name = {}, .mission = mission, .cheat = 0};
  return row;
}

NameKeyEffect TypeNameKey(HighScoreEntry& entry, int32_t& length, int key) {
  // The length counts what is in the buffer; anything else (a row moved under the typist) is taken from it.
  if (length < 0 || length > kHighScoreNameLimit || entry.name[length] != '\0')
    length = static_cast<int32_t>(strnlen(entry.name, kHighScoreNameLimit));
  if ((key >= VK_A && key <= VK_Z) || key == VK_SPACE) {
    if (length >= kHighScoreNameLimit) return NAME_KEY_IGNORED;
    entry.name[length] = key == VK_SPACE ? ' ' : static_cast<char>(key);
    ++length;
    entry.name[length] = '\0';
    return NAME_KEY_ADDED;
  }
  if (key == VK_BACK || key == VK_DELETE) {
    if (length <= 0) return NAME_KEY_IGNORED;
    std::memset(entry.name, 0, sizeof entry.name);
    length = 0;
    return NAME_KEY_EMPTIED;
  }
  return NAME_KEY_IGNORED;
}

int32_t EnterScoreForNaming(int32_t page, int32_t score, int32_t maximum, int32_t mission) {
  const int32_t row = InsertHighScore(highScoreState.table, page, score, maximum, mission);
  if (row < 0) return row;
  highScoreState.nameLength = 0;
  highScoreState.highScoreEntryRow = row;
  highScoreState.highScorePage = page;
  return row;
}

void StopNaming() { highScoreState.highScoreEntryRow = -1; }

void TurnHighScorePage() { highScoreState.highScorePage = (highScoreState.highScorePage + 1) % kHighScorePages; }

NameKeyEffect TypeIntoNamedRow(int key) {
  const int32_t row = highScoreState.highScoreEntryRow;
  if (row < 0 || row >= kHighScoreRows) return NAME_KEY_IGNORED;
  return TypeNameKey(highScoreState.table[row], highScoreState.nameLength, key);
}

void NoteDamageTold() { highScoreState.damageTold = true; }

}  // namespace kestrine
