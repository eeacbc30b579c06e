// Names that data files give for other files of the data tree (the explosion's frame list, and the mission
// files' names later) are taken only when they stay inside the tree: a damaged or hostile file must not
// make the game read whatever else is on the disk.
#pragma once

#include <string>

namespace kestrine {

// False for an absolute name ("/etc", "\x", "C:x"), and for any name with a ".." part, whichever
// separator ('\' or '/') it uses.
bool StaysInDataTree(const std::string& name);

}  // namespace kestrine
