// The game's own files in the data tree (save games, the high-score table, mission files): read with a bound
// fixed before anything is read, written whole or not at all. Paths are game paths (backslashes, any case).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kestrine {

enum class GameFileRead { kRead, kMissing, kUnreadable };

// Reads at most `capacity` bytes of the file into `out`; `got` is how many came. kMissing when no such file.
GameFileRead ReadGameFile(const std::string& gamePath, uint8_t* out, size_t capacity, size_t& got);

// Reads the whole file as text; kUnreadable (and `text` empty) when it is larger than `limit` bytes.
GameFileRead ReadGameFileText(const std::string& gamePath, size_t limit, std::string& text);

// Replaces the file with `bytes`: written to a temporary file, put on the disk, then renamed over the old one,
// so an interrupted write leaves the old file whole. An existing file keeps the spelling it has on disk; a
// read-only one (by its mode bits) is kept and the write refused. `makeFolder` creates a missing folder (a
// fresh data tree has no savedGames folder yet). False when nothing was written.
bool WriteGameFile(const std::string& gamePath, std::string_view bytes, bool makeFolder);

}  // namespace kestrine
