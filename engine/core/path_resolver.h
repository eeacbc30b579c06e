// Turns the game's Windows paths into files of the working directory's tree: '\' becomes '/', and each
// component is matched case-insensitively (directory listings are cached).
#pragma once

#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace engine {

class PathResolver {
 public:
  // Resolves against the current working directory. Returns the real path of an existing file or
  // directory, or nothing.
  std::optional<std::string> Resolve(const std::string& gamePath);
  // Reads a whole file found through Resolve; nothing when missing or unreadable.
  std::optional<std::string> ReadFile(const std::string& gamePath);
  // Forgets the cached listings (after the game wrote files, or when the working directory changed).
  void Invalidate();

 private:
  const std::vector<std::string>* Listing(const std::string& dir);
  std::mutex mutex_;
  std::map<std::string, std::vector<std::string>> listings_;
};

}  // namespace engine
