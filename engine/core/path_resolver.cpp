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

// The game's paths are written on a case-blind file system, so "Sounds\SFX\clip.qwv" must find
// "sounds/sfx/clip.qwv". An exact match wins; otherwise the first case-blind match in sorted order,
// so the answer never depends on the order the directory happens to list in.
const std::string* Match(const std::vector<std::string>& names, const std::string& wanted) {
  const std::string* found = nullptr;
  for (const std::string& name : names) {
    if (name == wanted) return &name;
    if (!found && EqualNoCase(name, wanted)) found = &name;
  }
  return found;
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

std::optional<std::string> PathResolver::Resolve(const std::string& gamePath) {
  std::string path = gamePath;
  std::replace(path.begin(), path.end(), '\\', '/');
  if (path.empty()) return std::nullopt;

  const bool absolute = path.front() == '/';
  std::error_code ec;
  // Listings are cached under absolute directory names so a change of working directory cannot hand
  // back another tree's names; the answer keeps the caller's form (relative stays relative).
  const std::string base = absolute ? std::string("/") : fs::current_path(ec).string();
  if (ec) return std::nullopt;

  std::lock_guard<std::mutex> lock(mutex_);
  std::vector<std::string> visited;
  auto walk = [&]() -> std::optional<std::string> {
    std::string real = absolute ? "/" : "";
    std::string realAbs = base;
    size_t start = 0;
    while (start <= path.size()) {
      size_t end = path.find('/', start);
      if (end == std::string::npos) end = path.size();
      const std::string part = path.substr(start, end - start);
      start = end + 1;
      if (part.empty() || part == ".") continue;
      std::string name = part;
      if (part != "..") {
        visited.push_back(realAbs);
        const std::vector<std::string>* names = Listing(realAbs);
        const std::string* hit = names ? Match(*names, part) : nullptr;
        if (!hit) return std::nullopt;
        name = *hit;
      }
      real = Join(real, name);
      realAbs = Join(realAbs, name);
    }
    std::error_code existsError;
    if (!fs::exists(realAbs, existsError)) return std::nullopt;
    return real.empty() ? std::string(".") : real;
  };
  if (std::optional<std::string> found = walk()) return found;
  // The game writes files too (saves, font.dat): on a miss the listings along the way are read again
  // once, so a file made or renamed since they were cached is still found. Only misses pay for this.
  for (const std::string& dir : visited) listings_.erase(dir);
  visited.clear();
  return walk();
}

std::optional<std::string> PathResolver::ReadFile(const std::string& gamePath) {
  std::optional<std::string> real = Resolve(gamePath);
  if (!real) return std::nullopt;
  std::error_code ec;
  if (!fs::is_regular_file(*real, ec)) return std::nullopt;
  std::ifstream in(*real, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return bytes;
}

void PathResolver::Invalidate() {
  std::lock_guard<std::mutex> lock(mutex_);
  listings_.clear();
}

}  // namespace engine
