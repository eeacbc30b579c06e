#include "frontend/save_slot_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <optional>

#include "engine/game_path.h"

namespace kestrine {

namespace {

constexpr const char* kSaveFolder = "savedGames";

bool IsSlot(int slot) { return slot >= 0 && slot < kSaveSlotCount; }

// The real folder, made when it is missing; nothing when it cannot be had.
std::optional<std::string> SaveFolder() {
  if (std::optional<std::string> found = engine::ResolveGamePath(kSaveFolder)) {
    struct stat info {};
    if (::stat(found->c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return std::nullopt;
    return found;
  }
  if (::mkdir(kSaveFolder, 0777) != 0) return std::nullopt;
  return std::string(kSaveFolder);
}

}  // namespace

std::string SaveSlotPath(int slot) { return std::string(kSaveFolder) + "\\game403" + std::to_string(slot) + ".txt"; }

SlotReadStatus ReadSaveSlotText(int slot, std::string& text) {
  text.clear();
  if (!IsSlot(slot)) return SLOT_EMPTY;
  const std::optional<std::string> real = engine::ResolveGamePath(SaveSlotPath(slot));
  if (!real) return SLOT_EMPTY;
  std::FILE* file = std::fopen(real->c_str(), "rb");
  if (!file) return SLOT_UNREADABLE;
  // One byte more than the limit tells a file that is too large from one that just fits.
  text.resize(kSaveFileLimit + 1);
  text.resize(std::fread(text.data(), 1, text.size(), file));
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed || text.size() > kSaveFileLimit) {
    text.clear();
    return SLOT_UNREADABLE;
  }
  return SLOT_READ;
}

bool WriteSaveSlotText(int slot, std::string_view text) {
  if (!IsSlot(slot)) return false;
  const std::optional<std::string> folder = SaveFolder();
  if (!folder) return false;

  std::string target = *folder + "/game403" + std::to_string(slot) + ".txt";
  if (const std::optional<std::string> existing = engine::ResolveGamePath(SaveSlotPath(slot))) {
    target = *existing;
    // Asked by the mode bits, not by access(): a player who made a save read-only keeps it, whoever runs us.
    struct stat info {};
    if (::stat(target.c_str(), &info) != 0 || (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return false;
  }

  const std::string temporary = target + ".tmp";
  std::FILE* file = std::fopen(temporary.c_str(), "wb");
  if (!file) return false;
  bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
  // On the disk before it takes the slot's name, so a power cut cannot leave the slot empty either.
  written = written && std::fflush(file) == 0 && ::fsync(::fileno(file)) == 0;
  const bool closed = std::fclose(file) == 0;
  if (!written || !closed || std::rename(temporary.c_str(), target.c_str()) != 0) {
    std::remove(temporary.c_str());
    return false;
  }
  return true;
}

bool WriteSaveToSlot(int slot, const SaveGame& save) {
  const std::string text = WriteSaveGame(save);
  if (!ReadSaveGame(text).ok) return false;
  return WriteSaveSlotText(slot, text);
}

SaveGameRead ReadSaveFromSlot(int slot) {
  std::string text;
  switch (ReadSaveSlotText(slot, text)) {
    case SLOT_READ:
      return ReadSaveGame(text);
    case SLOT_EMPTY:
      return SaveGameRead{false, {}, "no saved game in this slot"};
    case SLOT_UNREADABLE:
      break;
  }
  return SaveGameRead{false, {}, "the saved game cannot be read"};
}

}  // namespace kestrine
