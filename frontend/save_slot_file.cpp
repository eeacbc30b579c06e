#include "frontend/save_slot_file.h"

#include "frontend/high_score_table.h"
#include "shell/game_files.h"

namespace kestrine {

namespace {

constexpr const char* kSaveFolder = "savedGames";

bool IsSlot(int slot) { return slot >= 0 && slot < kSaveSlotCount; }

}  // namespace

std::string SaveSlotPath(int slot) { return std::string(kSaveFolder) + "\\game403" + std::to_string(slot) + ".txt"; }

SlotReadStatus ReadSaveSlotText(int slot, std::string& text) {
  text.clear();
  if (!IsSlot(slot)) return SLOT_EMPTY;
  switch (ReadGameFileText(SaveSlotPath(slot), kSaveFileLimit, text)) {
    case GameFileRead::kRead:
      return SLOT_READ;
    case GameFileRead::kMissing:
      return SLOT_EMPTY;
    case GameFileRead::kUnreadable:
      break;
  }
  return SLOT_UNREADABLE;
}

GameFileWrite ReplaceSaveSlotText(int slot, std::string_view text) {
  if (!IsSlot(slot)) return GameFileWrite::kFailed;
  RemoveInterruptedSaves();
  return ReplaceGameFile(SaveSlotPath(slot), text, true);
}

bool WriteSaveSlotText(int slot, std::string_view text) {
  return ReplaceSaveSlotText(slot, text) == GameFileWrite::kWritten;
}

GameFileWrite SaveIntoSlot(int slot, const SaveGame& save) {
  const std::string text = WriteSaveGame(save);
  if (!ReadSaveGame(text).ok) return GameFileWrite::kFailed;
  return ReplaceSaveSlotText(slot, text);
}

bool WriteSaveToSlot(int slot, const SaveGame& save) { return SaveIntoSlot(slot, save) == GameFileWrite::kWritten; }

void RemoveInterruptedSaves() {
  for (int slot = 0; slot < kSaveSlotCount; ++slot) RemoveLeftoverTemporary(SaveSlotPath(slot));
  RemoveLeftoverTemporary(kHighScoreFile);
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
