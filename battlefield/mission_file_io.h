// Reading and writing the game's own mission files (strategy table, patient locations, walking grid) by
// their game paths ("missions\mission3\strat"). Reads never take more than the caller's buffer, whatever
// the file's size; writes go to a temporary file that is renamed over the old one, so a failed write never
// leaves half a file behind.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kestrine {

// Reads at most `capacity` bytes of the file into `out`; `got` receives how many. False when the file does
// not exist or cannot be opened (then `got` is 0).
bool ReadMissionFile(const std::string& gamePath, uint8_t* out, size_t capacity, size_t& got);

// Replaces the file with `bytes` (creating it when its folder exists). False, with the old file untouched,
// when the folder is missing, the file is read-only, or the write fails.
bool WriteMissionFile(const std::string& gamePath, const uint8_t* bytes, size_t size);

// The first `limit` bytes of a file read byte by byte through the engine's file access (the terrain
// heights and the spawn map are read this way). A missing file reads as empty.
std::vector<uint8_t> ReadEngineFileBytes(const std::string& gamePath, size_t limit);

}  // namespace kestrine
