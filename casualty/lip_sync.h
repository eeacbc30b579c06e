// The lip-sync timeline of a spoken line (.phn files): 8-byte little-endian records {time in ms, mouth shape}.
// A record's shape is held until 50 ms before its time, when the next record's shape starts; the first shape
// starts with the sound. The patient's speech and the briefing officer's head read the same files through
// this one reader.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kestrine {

inline constexpr int32_t kMouthShapeCount = 16;  // "ph_A" .. "ph_norm"
// The record's shape could not be shown (it was out of range): the mouth stays as it is for that record.
inline constexpr int32_t kNoMouthShape = -1;
inline constexpr size_t kLipSyncRecordBytes = 8;
// 32768 records, some 45 minutes of speech: anything bigger is not a lip-sync file, and is refused before
// anything is allocated for it.
inline constexpr size_t kMaxLipSyncBytes = 256 * 1024;

struct LipSyncRecord {
  int32_t timeMs = 0;
  int32_t shape = kNoMouthShape;  // 0..15, or kNoMouthShape
};

// The records of a timeline, up to (not including) its first record with a negative time; without such a
// record, every whole record (a trailing part of a record is ignored). A shape outside 0..15 is kept as
// kNoMouthShape so that its timing still holds.
std::vector<LipSyncRecord> ParseLipSync(std::string_view bytes);

enum class LipSyncStatus {
  Loaded,
  Missing,   // no such file, or it cannot be read
  TooLarge,  // over kMaxLipSyncBytes
};

struct LipSyncFile {
  LipSyncStatus status = LipSyncStatus::Missing;
  std::vector<LipSyncRecord> records;
};

// Reads a timeline named the game's way ("sounds\speech\ws1\x.phn"), whole, in one read.
LipSyncFile LoadLipSync(const std::string& gamePath);

}  // namespace kestrine
