// Files named the game's way ("avi\ostrel.avi", "images\tools\ETTUBE.qpg"): '\' separates folders and every
// part is matched without regard to case, since the data tree was made for a case-blind disk. The engine's
// loads find their files this way; the game and the platform use this for the files they open themselves.
#pragma once

#include <optional>
#include <string>

namespace engine {

// The real path of an existing file or folder under the working directory (or an absolute one), or nothing.
// Usable with or without an engine root.
std::optional<std::string> ResolveGamePath(const std::string& gamePath);

}  // namespace engine
