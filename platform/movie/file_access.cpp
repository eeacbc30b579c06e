#include "platform/movie/file_access.h"

#include <strings.h>

#include <filesystem>
#include <system_error>

namespace kestrine {

namespace {

namespace fs = std::filesystem;

// The entry of dir named like part, the exact spelling first; nothing when there is none.
std::optional<fs::path> FindEntry(const fs::path& dir, const std::string& part) {
  std::error_code ec;
  if (fs::exists(dir / part, ec)) return dir / part;
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (strcasecmp(name.c_str(), part.c_str()) == 0) return it->path();
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> ResolveGamePath(const std::string& gamePath) {
  if (gamePath.empty()) return std::nullopt;
  std::string path = gamePath;
  for (char& c : path)
    if (c == '\\') c = '/';
  fs::path resolved = path[0] == '/' ? fs::path("/") : fs::path(".");
  size_t begin = 0;
  while (begin <= path.size()) {
    size_t end = path.find('/', begin);
    if (end == std::string::npos) end = path.size();
    const std::string part = path.substr(begin, end - begin);
    begin = end + 1;
    if (part.empty() || part == ".") continue;
    if (part == "..") {
      resolved /= "..";
      continue;
    }
    std::optional<fs::path> entry = FindEntry(resolved, part);
    if (!entry) return std::nullopt;
    resolved = *entry;
  }
  return resolved.lexically_normal().string();
}

int _access(const char* gamePath, int) { return gamePath && ResolveGamePath(gamePath) ? 0 : -1; }

}  // namespace kestrine
