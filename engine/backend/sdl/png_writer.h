// Writes a captured frame as a PNG file (tests and tools look at what the player would see).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace engine {

// rgb: width x height pixels, three bytes each, top row first. False when the file cannot be written.
bool WritePng(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb);

}  // namespace engine
