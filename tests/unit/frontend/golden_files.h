// The hand-written save files under tests/unit/frontend/golden, and whole files read as text.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace kestrine {

inline std::string FileText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline std::string Golden(const char* name) {
  return FileText(std::filesystem::path(KESTRINE_SOURCE_DIR) / "tests/unit/frontend/golden" / name);
}

}  // namespace kestrine
