// High-score files from outside: any bytes give either no table or thirty entries whose names end within
// their twelve bytes; a table read writes back as it was read, and typing into any row stays inside it.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "frontend/high_score_table.h"

using namespace kestrine;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  HighScoreTable table{};
  if (!DecodeHighScores(data, size, table)) {
    if (size >= kHighScoreFileBytes) std::abort();
    return 0;
  }
  bool everyNameEnded = true;
  for (size_t row = 0; row < kHighScoreRows; ++row)
    if (std::memchr(data + row * kHighScoreEntryBytes + 8, 0, kHighScoreNameSize) == nullptr) everyNameEnded = false;
  const HighScoreFileBytes written = EncodeHighScores(table);
  if (everyNameEnded && std::memcmp(written.data(), data, written.size()) != 0) std::abort();

  for (HighScoreEntry& e : table) {
    if (std::memchr(e.name, 0, kHighScoreNameSize) == nullptr) std::abort();
    // A length that does not match the name (as a file could never say) is taken from the name itself.
    int32_t length = e.score;
    for (int key : {65, 32, 81, 8, 90}) TypeNameKey(e, length, key);
    if (length < 0 || length > kHighScoreNameLimit || e.name[length] != '\0') std::abort();
  }
  return 0;
}
