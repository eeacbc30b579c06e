#include "shell/data_path.h"

namespace kestrine {

bool StaysInDataTree(const std::string& name) {
  if (!name.empty() && (name[0] == '/' || name[0] == '\\')) return false;
  if (name.size() >= 2 && name[1] == ':') return false;  // a drive, as the game's Windows names have them
  for (size_t start = 0; start <= name.size();) {
    size_t end = name.find_first_of("/\\", start);
    if (end == std::string::npos) end = name.size();
    if (name.compare(start, end - start, "..") == 0) return false;
    start = end + 1;
  }
  return true;
}

}  // namespace kestrine
