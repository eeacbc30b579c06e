// Telling the player that the game's data is damaged: each missing or unreadable file is traced where it is
// met; once the start-up is over, one box counts them and names the first, and says how to mend the tree.
#pragma once

#include <string>

namespace kestrine {

// A file the game reads itself (a movie) that is missing or cannot be opened: traced as "<what>: <path>"
// and counted with the engine's damaged assets.
void NoteDamagedFile(const std::string& what, const std::string& path);

// After start-up: the box, when anything loaded so far was missing or unreadable; nothing otherwise.
void ReportDamagedData();

}  // namespace kestrine
