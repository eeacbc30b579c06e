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
  // Reads a whole file found through Resolve; nothing when missing or unreadable. realPath, when given,
  // receives the path that was read.
  std::optional<std::string> ReadFile(const std::string& gamePath, std::string* realPath = nullptr);
  // Forgets the cached listings (after the game wrote files, or when the working directory changed).
  void Invalidate();

 private:
  const std::vector<std::string>* Listing(const std::string& dir);
  // Matches parts[next..] below the directory realAbs (real: the same directory in the caller's form),
  // noting every directory whose listing it looked at.
  std::optional<std::string> Walk(const std::vector<std::string>& parts, size_t next, const std::string& real,
                                  const std::string& realAbs, std::vector<std::string>& visited);
  std::mutex mutex_;
  std::map<std::string, std::vector<std::string>> listings_;
};

// The bytes of the file at a real path; nothing when it is no regular file or cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& realPath);

}  // namespace engine
