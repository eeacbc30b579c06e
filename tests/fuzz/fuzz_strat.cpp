// Strategy files from outside: whatever the bytes, the count stays inside the table, and a table read
// from them is written back and read again unchanged.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "battlefield/strategy_file.h"

using namespace kestrine;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  StrategyEntry entries[kStrategyEntryCount];
  int32_t count = 0;
  DecodeStrategyFile(data, size, entries, count);
  if (count < 0 || count > kStrategyEntryCount) std::abort();

  const StrategyFileBytes written = EncodeStrategyFile(entries, count);
  // A whole file comes back byte for byte, apart from a count that had to be clamped.
  if (size >= kStrategyFileSize && std::memcmp(written.data() + 4, data + 4, kStrategyFileSize - 4) != 0) std::abort();

  StrategyEntry again[kStrategyEntryCount];
  int32_t countAgain = -1;
  DecodeStrategyFile(written.data(), written.size(), again, countAgain);
  const StrategyFileBytes rewritten = EncodeStrategyFile(again, countAgain);
  if (countAgain != count || rewritten != written) std::abort();
  return 0;
}
