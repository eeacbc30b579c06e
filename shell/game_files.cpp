#include "shell/game_files.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <system_error>

#include "engine/game_path.h"

namespace kestrine {

std::optional<std::string> RealGamePath(const std::string& gamePath) { return engine::ResolveGamePath(gamePath); }

namespace {

bool IsPlainFile(const std::string& realPath) {
  struct stat info {};
  return ::lstat(realPath.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool Exists(const std::string& realPath) {
  struct stat info {};
  return ::lstat(realPath.c_str(), &info) == 0;
}

// The folder's real path, made when `make` asks and it is missing; `why` says what stood in the way.
std::optional<std::string> ExistingFolder(const std::string& gameFolder, bool make, GameFileWrite& why) {
  why = GameFileWrite::kNoFolder;
  std::optional<std::string> real = engine::ResolveGamePath(gameFolder);
  if (!real && make) {
    std::string slashed = gameFolder;
    std::replace(slashed.begin(), slashed.end(), '\\', '/');
    std::error_code ec;
    std::filesystem::create_directories(slashed, ec);
    if (ec && ec != std::errc::file_exists && ec != std::errc::not_a_directory) why = WriteFailureOf(ec.value());
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

GameFileWrite WriteFailureOf(int errorNumber) {
  switch (errorNumber) {
    case ENOSPC:
    case EDQUOT:
      return GameFileWrite::kDiskFull;
    case EACCES:
    case EPERM:
    case EROFS:
      return GameFileWrite::kFolderReadOnly;
    case EISDIR:
      return GameFileWrite::kNotAFile;
    default:
      return GameFileWrite::kFailed;
  }
}

GameFileWrite ReplaceGameFile(const std::string& gamePath, std::string_view bytes, bool makeFolder) {
  const size_t slash = gamePath.find_last_of("\\/");
  const std::string folder = slash == std::string::npos ? "." : gamePath.substr(0, slash);
  const std::string name = slash == std::string::npos ? gamePath : gamePath.substr(slash + 1);
  if (name.empty()) return GameFileWrite::kNotAFile;
  GameFileWrite why = GameFileWrite::kNoFolder;
  const std::optional<std::string> realFolder = ExistingFolder(folder, makeFolder, why);
  if (!realFolder) return why;

  std::string target = *realFolder + "/" + name;
  if (const std::optional<std::string> existing = engine::ResolveGamePath(gamePath)) {
    target = *existing;
    // Asked by the mode bits, not by access(): a player who made a file read-only keeps it, whoever runs us.
    struct stat info {};
    if (::stat(target.c_str(), &info) != 0) return WriteFailureOf(errno);
    if (!S_ISREG(info.st_mode)) return GameFileWrite::kNotAFile;
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return GameFileWrite::kReadOnly;
  }

  const std::string temporary = target + ".tmp";
  std::FILE* file = std::fopen(temporary.c_str(), "wb");
  if (!file) return WriteFailureOf(errno);
  int error = 0;
  const auto failed = [&error](bool ok) {
    if (!ok && error == 0) error = errno != 0 ? errno : EIO;
    return !ok;
  };
  errno = 0;
  bool bad = failed(std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size());
  // On the disk before it takes the file's name, so a power cut cannot leave the file empty either.
  bad = bad || failed(std::fflush(file) == 0) || failed(::fsync(::fileno(file)) == 0);
  bad = failed(std::fclose(file) == 0) || bad;
  bad = bad || failed(std::rename(temporary.c_str(), target.c_str()) == 0);
  if (bad) {
    std::remove(temporary.c_str());
    return WriteFailureOf(error);
  }
  return GameFileWrite::kWritten;
}

bool WriteGameFile(const std::string& gamePath, std::string_view bytes, bool makeFolder) {
  return ReplaceGameFile(gamePath, bytes, makeFolder) == GameFileWrite::kWritten;
}

void RemoveLeftoverTemporary(const std::string& gamePath) {
  const std::optional<std::string> leftover = engine::ResolveGamePath(gamePath + ".tmp");
  if (leftover && IsPlainFile(*leftover)) std::remove(leftover->c_str());
}

SetAside SetGameFileAside(const std::string& gamePath, std::string& newGamePath) {
  newGamePath.clear();
  const std::optional<std::string> real = engine::ResolveGamePath(gamePath);
  if (!real || !IsPlainFile(*real)) return SetAside::kNotAFile;
  // A bounded search for a free name: a hundred damaged copies are as many as anyone keeps.
  for (int n = 1; n <= 100; ++n) {
    const std::string suffix = n == 1 ? ".damaged" : ".damaged" + std::to_string(n);
    if (Exists(*real + suffix) || engine::ResolveGamePath(gamePath + suffix)) continue;
    if (std::rename(real->c_str(), (*real + suffix).c_str()) != 0) return SetAside::kFailed;
    newGamePath = gamePath + suffix;
    return SetAside::kMoved;
  }
  return SetAside::kFailed;
}

}  // namespace kestrine
