#include "shell/game_files.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <system_error>

#include "engine/game_path.h"

namespace kestrine {

namespace {

std::optional<std::string> ExistingFolder(const std::string& gameFolder, bool make) {
  std::optional<std::string> real = engine::ResolveGamePath(gameFolder);
  if (!real && make) {
    std::string slashed = gameFolder;
    std::replace(slashed.begin(), slashed.end(), '\\', '/');
    std::error_code ec;
    std::filesystem::create_directories(slashed, ec);
    real = engine::ResolveGamePath(gameFolder);
  }
  struct stat info {};
  if (!real || ::stat(real->c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return std::nullopt;
  return real;
}

}  // namespace

GameFileRead ReadGameFile(const std::string& gamePath, uint8_t* out, size_t capacity, size_t& got) {
  got = 0;
  const std::optional<std::string> real = engine::ResolveGamePath(gamePath);
  if (!real) return GameFileRead::kMissing;
  // Only a file: opening a pipe named like one would wait for a writer that never comes.
  struct stat info {};
  if (::stat(real->c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return GameFileRead::kUnreadable;
  std::FILE* file = std::fopen(real->c_str(), "rb");
  if (!file) return GameFileRead::kUnreadable;
  got = std::fread(out, 1, capacity, file);
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  return failed ? GameFileRead::kUnreadable : GameFileRead::kRead;
}

GameFileRead ReadGameFileText(const std::string& gamePath, size_t limit, std::string& text) {
  // One byte more than the limit tells a file that is too large from one that just fits.
  text.resize(limit + 1);
  size_t got = 0;
  GameFileRead status = ReadGameFile(gamePath, reinterpret_cast<uint8_t*>(text.data()), text.size(), got);
  text.resize(got);
  if (status == GameFileRead::kRead && got > limit) status = GameFileRead::kUnreadable;
  if (status != GameFileRead::kRead) text.clear();
  return status;
}

bool WriteGameFile(const std::string& gamePath, std::string_view bytes, bool makeFolder) {
  const size_t slash = gamePath.find_last_of("\\/");
  const std::string folder = slash == std::string::npos ? "." : gamePath.substr(0, slash);
  const std::string name = slash == std::string::npos ? gamePath : gamePath.substr(slash + 1);
  if (name.empty()) return false;
  const std::optional<std::string> realFolder = ExistingFolder(folder, makeFolder);
  if (!realFolder) return false;

  std::string target = *realFolder + "/" + name;
  if (const std::optional<std::string> existing = engine::ResolveGamePath(gamePath)) {
    target = *existing;
    // Asked by the mode bits, not by access(): a player who made a file read-only keeps it, whoever runs us.
    struct stat info {};
    if (::stat(target.c_str(), &info) != 0 || !S_ISREG(info.st_mode) ||
        (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
      return false;
  }

  const std::string temporary = target + ".tmp";
  std::FILE* file = std::fopen(temporary.c_str(), "wb");
  if (!file) return false;
  bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  // On the disk before it takes the file's name, so a power cut cannot leave the file empty either.
  written = written && std::fflush(file) == 0 && ::fsync(::fileno(file)) == 0;
  const bool closed = std::fclose(file) == 0;
  if (!written || !closed || std::rename(temporary.c_str(), target.c_str()) != 0) {
    std::remove(temporary.c_str());
    return false;
  }
  return true;
}

}  // namespace kestrine
