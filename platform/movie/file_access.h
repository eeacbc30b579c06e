// Files named the game's way ("avi\ostrel.avi"): '\' separates folders and every part is matched without
// regard to case, since the data tree was made for a case-blind disk.
#pragma once

#include <optional>
#include <string>

namespace kestrine {

// The real path of an existing file or folder under the working directory (or an absolute one), or
// nothing.
std::optional<std::string> ResolveGamePath(const std::string& gamePath);

// 0 when the file exists (every mode is treated as a test for existence), -1 otherwise.
int _access(const char* gamePath, int mode);

}  // namespace kestrine
