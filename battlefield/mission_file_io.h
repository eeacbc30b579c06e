// The terrain heights and the spawn map are read byte by byte through the engine's file access, as the
// mission load asks the engine for them (the game's own mission files go through shell/game_files.h).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kestrine {

// The first `limit` bytes of a file read through the engine. A missing file reads as empty.
std::vector<uint8_t> ReadEngineFileBytes(const std::string& gamePath, size_t limit);

}  // namespace kestrine
