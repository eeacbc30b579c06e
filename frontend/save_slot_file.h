// The ten save slots on disk, "savedGames\game4030.txt" to "game4039.txt" under the game's folder. A slot
// is replaced whole or not at all: the new text goes to a temporary file that is renamed over the old one,
// so a save cut short (a full disk, the program killed) leaves the old save as it was.
#pragma once

#include <string>
#include <string_view>

#include "frontend/save_game.h"
#include "shell/game_files.h"

namespace kestrine {

constexpr int kSaveSlotCount = 10;

// The game path of a slot's file ("savedGames\game403<slot>.txt").
std::string SaveSlotPath(int slot);

enum SlotReadStatus : int {
  SLOT_READ = 0,
  SLOT_EMPTY = 1,       // no file (or no such slot)
  SLOT_UNREADABLE = 2,  // there, but it cannot be opened or is larger than any save
};

// Reads a slot's file whole; never more than kSaveFileLimit bytes are taken in.
SlotReadStatus ReadSaveSlotText(int slot, std::string& text);

// Replaces a slot's file with `text`, making the savedGames folder when it is missing. Anything but kWritten
// leaves the old file untouched: the folder cannot be made, the slot's file is read-only (the player keeps it
// so) or no file, the disk is full. The temporary files of saves cut short earlier are cleared away first.
GameFileWrite ReplaceSaveSlotText(int slot, std::string_view text);
bool WriteSaveSlotText(int slot, std::string_view text);

// Writes the save in its kind's layout into the slot. A save whose text would not read back (a value
// outside what a load accepts) is not written either (kFailed): the old save is worth more than an
// unloadable one.
GameFileWrite SaveIntoSlot(int slot, const SaveGame& save);
bool WriteSaveToSlot(int slot, const SaveGame& save);

// Removes what saves cut short (the program killed mid-save) left in the savedGames folder: the temporary
// files of the ten slots and of the high-score table. The saves themselves are never touched.
void RemoveInterruptedSaves();

// Reads and checks a slot's save; nothing of the running game is touched.
SaveGameRead ReadSaveFromSlot(int slot);

}  // namespace kestrine
