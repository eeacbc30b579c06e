// The game's own files in the data tree (save games, the high-score table, mission files): read with a bound
// fixed before anything is read, written whole or not at all. Paths are game paths (backslashes, any case).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kestrine {

// The real path of an existing file or folder named by a game path, or nothing: the engine's lookup, for the
// game's folders that see the engine only through the shell.
std::optional<std::string> RealGamePath(const std::string& gamePath);

enum class GameFileRead { kRead, kMissing, kUnreadable };

// Reads at most `capacity` bytes of the file into `out`; `got` is how many came. kMissing when no such file.
GameFileRead ReadGameFile(const std::string& gamePath, uint8_t* out, size_t capacity, size_t& got);

// Reads the whole file as text; kUnreadable (and `text` empty) when it is larger than `limit` bytes.
GameFileRead ReadGameFileText(const std::string& gamePath, size_t limit, std::string& text);

// What became of a write, so the player can be told why his file was not saved.
enum class GameFileWrite {
  kWritten,
  kDiskFull,        // no room left on the disk (or in the player's quota)
  kNotAFile,        // a folder, a device or a pipe stands where the file goes
  kReadOnly,        // the file is read-only
  kFolderReadOnly,  // the folder (or the whole disk) takes no new files
  kNoFolder,        // the folder is missing and cannot be made (something else has its name)
  kFailed,          // any other refusal of the disk
};

// Replaces the file with `bytes`: written to a temporary file ("<name>.tmp"), put on the disk, then renamed over
// the old one, so an interrupted write leaves the old file whole. An existing file keeps the spelling it has on
// disk; a read-only one (by its mode bits) is kept and the write refused. `makeFolder` creates a missing folder
// (a fresh data tree has no savedGames folder yet). On any failure nothing of the old file is touched.
GameFileWrite ReplaceGameFile(const std::string& gamePath, std::string_view bytes, bool makeFolder);
// The same; false when nothing was written.
bool WriteGameFile(const std::string& gamePath, std::string_view bytes, bool makeFolder);

// The cause of a failed write or open, from the system's error number.
GameFileWrite WriteFailureOf(int errorNumber);

// Removes the temporary file a write of `gamePath` left behind when it was cut short (the program killed
// between writing and renaming). Only a plain file of that name goes.
void RemoveLeftoverTemporary(const std::string& gamePath);

// A damaged file put out of the way under a free name beside it ("bli" becomes "bli.damaged", or
// "bli.damaged2" when that is taken, and so on), so nothing written later can replace its bytes.
enum class SetAside { kMoved, kNotAFile, kFailed };
SetAside SetGameFileAside(const std::string& gamePath, std::string& newGamePath);

}  // namespace kestrine
