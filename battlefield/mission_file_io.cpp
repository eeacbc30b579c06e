#include "battlefield/mission_file_io.h"

#include <sys/stat.h>

#include <cstdio>
#include <optional>

#include "engine/engine.h"
#include "engine/game_path.h"
#include "shell/globals.h"
#include "shell/wide_text.h"

namespace kestrine {

bool ReadMissionFile(const std::string& gamePath, uint8_t* out, size_t capacity, size_t& got) {
  got = 0;
  const std::optional<std::string> real = engine::ResolveGamePath(gamePath);
  if (!real) return false;
  std::FILE* file = std::fopen(real->c_str(), "rb");
  if (!file) return false;
  got = std::fread(out, 1, capacity, file);
  std::fclose(file);
  return true;
}

bool WriteMissionFile(const std::string& gamePath, const uint8_t* bytes, size_t size) {
  const size_t slash = gamePath.find_last_of("\\/");
  const std::string folder = slash == std::string::npos ? "." : gamePath.substr(0, slash);
  const std::string name = slash == std::string::npos ? gamePath : gamePath.substr(slash + 1);
  const std::optional<std::string> realFolder = engine::ResolveGamePath(folder);
  if (!realFolder || name.empty()) return false;

  // An existing file keeps the spelling it has on disk; a read-only one is the player's wish to keep it.
  std::string target = *realFolder + "/" + name;
  if (const std::optional<std::string> existing = engine::ResolveGamePath(gamePath)) {
    target = *existing;
    struct stat info {};
    if (::stat(target.c_str(), &info) != 0 || (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return false;
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

std::vector<uint8_t> ReadEngineFileBytes(const std::string& gamePath, size_t limit) {
  std::vector<uint8_t> bytes;
  engine::EngineRef<engine::EngineTextFile> file = engineRoot->OpenFile(WidenText(gamePath), 1, 2);
  while (!file->IsLoaded()) engineRoot->Wait(100);
  for (int b; bytes.size() < limit && (b = file->ReadByte()) >= 0;) bytes.push_back(static_cast<uint8_t>(b));
  file->Close();
  return bytes;
}

}  // namespace kestrine
