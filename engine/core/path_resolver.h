// Turns the game's Windows paths into files of the working directory's tree: '\' becomes '/', and each
// component is matched case-insensitively (directory listings are cached).
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "engine/file_limits.h"

namespace engine {

// Where the resolver's listings come from: the disk, or a tree held in memory (tests and fuzzing, where a
// directory's names can be anything a disk allows without making a file for each).
class DirectorySource {
 public:
  virtual ~DirectorySource() = default;
  // The names in a folder, in any order; false when it is no folder that can be listed.
  virtual bool List(const std::string& dir, std::vector<std::string>& names) = 0;
  virtual bool Exists(const std::string& path) = 0;
};

// What a bounded read of a file found.
struct FileRead {
  enum Status { Read, Missing, TooLarge, Failed };
  Status status = Missing;
  std::string bytes;     // the whole file when Read
  std::string realPath;  // the file found, when one was
  uint64_t size = 0;     // its size on disk, when it was looked at
  explicit operator bool() const { return status == Read; }
  // "too large: 2684354560 bytes" and the like; empty when Read.
  std::string Why() const;
};

class PathResolver {
 public:
  // Listings from the disk, or from the source given.
  explicit PathResolver(std::unique_ptr<DirectorySource> source = nullptr);
  ~PathResolver();

  // Resolves against the current working directory. Returns the real path of an existing file or
  // directory, or nothing.
  std::optional<std::string> Resolve(const std::string& gamePath);
  // Reads a whole file of the given kind found through Resolve, refusing it unread when its size on disk is
  // over the kind's limit.
  FileRead ReadAsset(const std::string& gamePath, FileKind kind);
  // The same for a file of no particular kind (bounded by the largest limit); nothing when missing,
  // too large or unreadable. realPath, when given, receives the path that was read.
  std::optional<std::string> ReadFile(const std::string& gamePath, std::string* realPath = nullptr);
  // Forgets the cached listings (after the game wrote files, or when the working directory changed).
  void Invalidate();

 private:
  const std::vector<std::string>* Listing(const std::string& dir);
  struct WalkState;
  // Matches parts[next..] below the directory realAbs (real: the same directory in the caller's form).
  std::optional<std::string> Walk(WalkState& state, size_t next, const std::string& real, const std::string& realAbs);
  std::unique_ptr<DirectorySource> source_;
  std::mutex mutex_;
  std::map<std::string, std::vector<std::string>> listings_;
};

// The bytes of the file at a real path, at most maxBytes of them: the size on disk is looked at before
// anything is read or allocated. Only regular files are read (a folder, a device or a pipe is Missing).
FileRead ReadRealFile(const std::string& realPath, uint64_t maxBytes);
// The bytes of the file at a real path; nothing when it is no regular file, is over maxBytes or cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& realPath, uint64_t maxBytes = kLargestFileBytes);

}  // namespace engine
