// The path resolver over directory listings from outside: a tree of any names a disk allows (held in memory,
// so that every input makes a tree of its own at no cost) and game paths to find in it. Whatever the names,
// the walk ends, and what it finds exists and matches the game path part by part, without regard to case.
//
// Input: lines of '/'-separated paths that make the tree, then a zero byte, then lines of game paths ('\' or
// '/') to resolve from the tree's root. Without a zero byte the tree's own paths are looked up in capitals.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/path_resolver.h"

namespace {

constexpr size_t kMostLines = 64;
constexpr size_t kMostParts = 16;

void Fail() { std::abort(); }

std::vector<std::string> Split(const std::string& text, const char* separators) {
  std::vector<std::string> parts;
  for (size_t start = 0; start <= text.size();) {
    size_t end = text.find_first_of(separators, start);
    if (end == std::string::npos) end = text.size();
    parts.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

std::string Normal(const std::string& path) {
  std::string n = std::filesystem::path(path).lexically_normal().string();
  while (n.size() > 1 && n.back() == '/') n.pop_back();
  return n;
}

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameNoCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (Lower(a[i]) != Lower(b[i])) return false;
  return true;
}

class TreeSource : public engine::DirectorySource {
 public:
  std::map<std::string, std::set<std::string>> folders{{"/", {}}};
  std::set<std::string> files;

  void Add(const std::string& line) {
    std::string at = "/";
    size_t depth = 0;
    const std::vector<std::string> parts = Split(line, "/");
    for (size_t i = 0; i < parts.size() && depth < kMostParts; ++i) {
      const std::string& name = parts[i];
      if (name.empty() || name == "." || name == "..") continue;  // no disk holds such a name
      ++depth;
      folders[at].insert(name);
      at = at == "/" ? "/" + name : at + "/" + name;
      if (i + 1 < parts.size()) folders[at];
      else files.insert(at);
    }
  }
  bool List(const std::string& dir, std::vector<std::string>& names) override {
    auto it = folders.find(Normal(dir));
    if (it == folders.end()) return false;
    names.assign(it->second.begin(), it->second.end());
    return true;
  }
  bool Exists(const std::string& path) override {
    const std::string n = Normal(path);
    return folders.count(n) != 0 || files.count(n) != 0;
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const size_t zero = input.find('\0');
  std::vector<std::string> treeLines = Split(input.substr(0, zero), "\n");
  if (treeLines.size() > kMostLines) treeLines.resize(kMostLines);
  std::vector<std::string> lookups;
  if (zero == std::string::npos) {
    for (std::string line : treeLines) {
      for (char& c : line) c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
      lookups.push_back(line);
    }
  } else {
    lookups = Split(input.substr(zero + 1), "\n");
    if (lookups.size() > kMostLines) lookups.resize(kMostLines);
  }

  auto owned = std::make_unique<TreeSource>();
  TreeSource& tree = *owned;
  for (const std::string& line : treeLines) tree.Add(line);
  engine::PathResolver paths(std::move(owned));

  for (const std::string& lookup : lookups) {
    const std::string gamePath = "/" + lookup;
    const std::optional<std::string> found = paths.Resolve(gamePath);
    if (paths.Resolve(gamePath) != found) Fail();  // the cached listings answer the same
    if (!found) continue;
    if (!tree.Exists(*found)) Fail();
    // Part for part the game's path, each found without regard to case.
    std::vector<std::string> wanted;
    for (const std::string& part : Split(gamePath, "/\\"))
      if (!part.empty() && part != ".") wanted.push_back(part);
    std::vector<std::string> got;
    for (const std::string& part : Split(*found, "/"))
      if (!part.empty()) got.push_back(part);
    if (got.size() != wanted.size()) Fail();
    for (size_t i = 0; i < got.size(); ++i)
      if (!SameNoCase(got[i], wanted[i])) Fail();
  }
  return 0;
}
