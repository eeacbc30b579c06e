// The player's own files under savedGames\ (high scores, save games), named the game's way: '\' separates
// folders and every part is matched without regard to case. Reads take no more than the caller's buffer,
// whatever the file's size; writes go to a temporary file renamed over the old one, so a failed write never
// leaves half a file behind, and the folder is made on the first write.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace kestrine {

// Reads at most `capacity` bytes into `out`; `got` receives how many. False when there is no such file or
// it cannot be opened (then `got` is 0).
bool ReadSavedFile(const std::string& gamePath, uint8_t* out, size_t capacity, size_t& got);

// Replaces the file with `bytes`, making its folder (one level) when missing. False, with the old file
// untouched, when the folder cannot be made or the write fails.
bool WriteSavedFile(const std::string& gamePath, const uint8_t* bytes, size_t size);

}  // namespace kestrine
