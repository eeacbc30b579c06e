#include "core/path_resolver.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace engine {

namespace fs = std::filesystem;

namespace {

bool EqualNoCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
           return lower(x) == lower(y);
         });
}

std::string Join(const std::string& dir, const std::string& name) {
  if (dir.empty()) return name;
  if (dir.back() == '/') return dir + name;
  return dir + "/" + name;
}

}  // namespace

const std::vector<std::string>* PathResolver::Listing(const std::string& dir) {
  auto it = listings_.find(dir);
  if (it != listings_.end()) return &it->second;
  std::error_code ec;
  fs::directory_iterator entries(dir, ec);
  if (ec) return nullptr;
  std::vector<std::string> names;
  for (auto e = entries; e != fs::directory_iterator(); e.increment(ec)) {
    if (ec) break;
    names.push_back(e->path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return &listings_.emplace(dir, std::move(names)).first->second;
}

// The game's paths are written on a case-blind file system, so "Sounds\SFX\clip.qwv" must find
// "sounds/sfx/clip.qwv". The exact spelling is tried first, then every case-blind match in sorted order, so
// the answer never depends on the order the directory happens to list in; a disk that tells case apart may
// hold "Avi" and "avi" side by side, and the file wanted may be in either.
std::optional<std::string> PathResolver::Walk(const std::vector<std::string>& parts, size_t next,
                                              const std::string& real, const std::string& realAbs,
                                              std::vector<std::string>& visited) {
  if (next == parts.size()) {
    std::error_code ec;
    if (!fs::exists(realAbs, ec)) return std::nullopt;
    return real.empty() ? std::string(".") : real;
  }
  const std::string& part = parts[next];
  if (part == "..") return Walk(parts, next + 1, Join(real, part), Join(realAbs, part), visited);
  visited.push_back(realAbs);
  const std::vector<std::string>* names = Listing(realAbs);
  if (!names) return std::nullopt;
  const auto descend = [&](const std::string& name) {
    return Walk(parts, next + 1, Join(real, name), Join(realAbs, name), visited);
  };
  if (std::binary_search(names->begin(), names->end(), part))
    if (std::optional<std::string> found = descend(part)) return found;
  for (const std::string& name : *names)
    if (name != part && EqualNoCase(name, part))
      if (std::optional<std::string> found = descend(name)) return found;
  return std::nullopt;
}

std::optional<std::string> PathResolver::Resolve(const std::string& gamePath) {
  std::string path = gamePath;
  std::replace(path.begin(), path.end(), '\\', '/');
  if (path.empty()) return std::nullopt;

  std::vector<std::string> parts;
  for (size_t start = 0; start <= path.size();) {
    size_t end = path.find('/', start);
    if (end == std::string::npos) end = path.size();
    std::string part = path.substr(start, end - start);
    if (!part.empty() && part != ".") parts.push_back(std::move(part));
    start = end + 1;
  }

  const bool absolute = path.front() == '/';
  std::error_code ec;
  // Listings are cached under absolute directory names so a change of working directory cannot hand
  // back another tree's names; the answer keeps the caller's form (relative stays relative).
  const std::string base = absolute ? std::string("/") : fs::current_path(ec).string();
  if (ec) return std::nullopt;
  const std::string start = absolute ? "/" : "";

  std::lock_guard<std::mutex> lock(mutex_);
  std::vector<std::string> visited;
  if (std::optional<std::string> found = Walk(parts, 0, start, base, visited)) return found;
  // The game writes files too (saves, font.dat): on a miss the listings along the way are read again
  // once, so a file made or renamed since they were cached is still found. Only misses pay for this.
  for (const std::string& dir : visited) listings_.erase(dir);
  visited.clear();
  return Walk(parts, 0, start, base, visited);
}

std::optional<std::string> PathResolver::ReadFile(const std::string& gamePath, std::string* realPath) {
  std::optional<std::string> real = Resolve(gamePath);
  if (!real) return std::nullopt;
  if (realPath) *realPath = *real;
  return ReadWholeFile(*real);
}

void PathResolver::Invalidate() {
  std::lock_guard<std::mutex> lock(mutex_);
  listings_.clear();
}

std::optional<std::string> ReadWholeFile(const std::string& realPath) {
  std::error_code ec;
  if (!fs::is_regular_file(realPath, ec)) return std::nullopt;
  std::ifstream in(realPath, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return bytes;
}

}  // namespace engine
