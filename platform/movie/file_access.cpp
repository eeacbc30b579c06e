#include "platform/movie/file_access.h"

#include <strings.h>

#include <filesystem>
#include <system_error>
#include <vector>

namespace kestrine {

namespace {

namespace fs = std::filesystem;

// The entries of dir named like part: the exact spelling first, then every other spelling. A disk that
// tells case apart may hold "Avi" and "avi" side by side, and the file wanted may be in either.
std::vector<fs::path> Candidates(const fs::path& dir, const std::string& part) {
  std::vector<fs::path> found;
  std::error_code ec;
  if (fs::exists(dir / part, ec)) found.push_back(dir / part);
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name != part && strcasecmp(name.c_str(), part.c_str()) == 0) found.push_back(it->path());
  }
  return found;
}

std::optional<fs::path> Resolve(const fs::path& at, const std::vector<std::string>& parts, size_t next) {
  if (next == parts.size()) return at;
  const std::string& part = parts[next];
  if (part == "..") return Resolve(at / "..", parts, next + 1);
  for (const fs::path& candidate : Candidates(at, part))
    if (std::optional<fs::path> found = Resolve(candidate, parts, next + 1)) return found;
  return std::nullopt;
}

}  // namespace

std::optional<std::string> ResolveGamePath(const std::string& gamePath) {
  if (gamePath.empty()) return std::nullopt;
  std::string path = gamePath;
  for (char& c : path)
    if (c == '\\') c = '/';
  std::vector<std::string> parts;
  size_t begin = 0;
  while (begin <= path.size()) {
    size_t end = path.find('/', begin);
    if (end == std::string::npos) end = path.size();
    std::string part = path.substr(begin, end - begin);
    if (!part.empty() && part != ".") parts.push_back(std::move(part));
    begin = end + 1;
  }
  const fs::path root = path[0] == '/' ? fs::path("/") : fs::path(".");
  std::optional<fs::path> found = Resolve(root, parts, 0);
  if (!found) return std::nullopt;
  return found->lexically_normal().string();
}

int _access(const char* gamePath, int) { return gamePath && ResolveGamePath(gamePath) ? 0 : -1; }

}  // namespace kestrine
