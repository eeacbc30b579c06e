// The strategy file's bytes: a 32-bit entry count, then always 35 records of 36 bytes (x, y, z, side,
// vehicle, injury, orders, type, patrol; patrol comes last on disk although it precedes orders in the
// entry). 1264 bytes in all, little-endian. The game's load and save and the data generator share these
// two functions, so the layout cannot drift between them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "battlefield/strategy_entry.h"

namespace kestrine {

constexpr int kStrategyEntryCount = 35;
constexpr size_t kStrategyRecordSize = 36;
constexpr size_t kStrategyFileSize = 4 + kStrategyEntryCount * kStrategyRecordSize;

using StrategyFileBytes = std::array<uint8_t, kStrategyFileSize>;

// Reads the count and the records field by field onto `entries`: a field the bytes do not reach keeps its
// value, and so does `count` when the file has no count. Bytes after the 35th record are ignored. The count
// is clamped to 0..35 (a corrupt count must not walk the table past its end). Each record's y also becomes
// the entry's saved y.
void DecodeStrategyFile(const uint8_t* bytes, size_t size, StrategyEntry (&entries)[kStrategyEntryCount],
                        int32_t& count);

// The file for the table: every record with its saved y (see StrategyEntry::SavedY).
StrategyFileBytes EncodeStrategyFile(const StrategyEntry (&entries)[kStrategyEntryCount], int32_t count);

}  // namespace kestrine
