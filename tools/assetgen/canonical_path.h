// One spelling per folder of the data tree. The game names the same folder in several cases
// ("sounds\SFX", "sounds\sfx"); on a case-sensitive disk those would become two folders, and the engine's
// case-blind lookup would find only one of them. So folders are always written in lower case; the file
// name keeps the case the game gives it.
#pragma once

#include <string>

namespace assetgen {

std::string CanonicalPath(const std::string& gamePath);

}  // namespace assetgen
