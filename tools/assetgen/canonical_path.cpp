#include "tools/assetgen/canonical_path.h"

namespace assetgen {

std::string CanonicalPath(const std::string& gamePath) {
  std::string out = gamePath;
  size_t lastSeparator = out.find_last_of("\\/");
  if (lastSeparator == std::string::npos) return out;
  for (size_t i = 0; i < lastSeparator; ++i)
    if (out[i] >= 'A' && out[i] <= 'Z') out[i] = static_cast<char>(out[i] - 'A' + 'a');
  return out;
}

}  // namespace assetgen
