#include "frontend/saved_file.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <system_error>

#include "engine/game_path.h"

namespace kestrine {

namespace {

std::string Slashed(std::string path) {
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

}  // namespace

bool ReadSavedFile(const std::string& gamePath, uint8_t* out, size_t capacity, size_t& got) {
  got = 0;
  const std::optional<std::string> real = engine::ResolveGamePath(gamePath);
  if (!real) return false;
  std::FILE* file = std::fopen(real->c_str(), "rb");
  if (!file) return false;
  got = std::fread(out, 1, capacity, file);
  std::fclose(file);
  return true;
}

bool WriteSavedFile(const std::string& gamePath, const uint8_t* bytes, size_t size) {
  const size_t slash = gamePath.find_last_of("\\/");
  const std::string folder = slash == std::string::npos ? "." : gamePath.substr(0, slash);
  const std::string name = slash == std::string::npos ? gamePath : gamePath.substr(slash + 1);
  if (name.empty()) return false;

  // A fresh data tree has no savedGames folder yet: the first save makes it.
  std::optional<std::string> realFolder = engine::ResolveGamePath(folder);
  if (!realFolder) {
    std::error_code ec;
    std::filesystem::create_directories(Slashed(folder), ec);
    realFolder = engine::ResolveGamePath(folder);
    if (!realFolder) return false;
  }
  std::error_code ec;
  if (!std::filesystem::is_directory(*realFolder, ec)) return false;

  // An existing file keeps the spelling it has on disk; a read-only one is the player's wish to keep it.
  std::string target = *realFolder + "/" + name;
  if (const std::optional<std::string> existing = engine::ResolveGamePath(gamePath)) {
    target = *existing;
    struct stat info {};
    if (::stat(target.c_str(), &info) != 0 || !S_ISREG(info.st_mode) ||
        (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
      return false;
  }

  const std::string temporary = target + ".tmp";
  std::FILE* file = std::fopen(temporary.c_str(), "wb");
  if (!file) return false;
  const bool written = std::fwrite(bytes, 1, size, file) == size;
  const bool closed = std::fclose(file) == 0;
  if (!written || !closed || std::rename(temporary.c_str(), target.c_str()) != 0) {
    std::remove(temporary.c_str());
    return false;
  }
  return true;
}

}  // namespace kestrine
