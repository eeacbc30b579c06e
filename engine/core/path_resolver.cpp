#include "core/path_resolver.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <set>
#include <system_error>

namespace engine {

namespace fs = std::filesystem;

namespace {

// No real path is longer (the system refuses to open one that is); a longer "path" from a data file is
// damage, and its parts would only deepen the walk.
constexpr size_t kMostPathBytes = 4096;

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

class DiskSource : public DirectorySource {
 public:
  bool List(const std::string& dir, std::vector<std::string>& names) override {
    std::error_code ec;
    fs::directory_iterator entries(dir, ec);
    if (ec) return false;
    for (auto e = entries; e != fs::directory_iterator(); e.increment(ec)) {
      if (ec) break;
      names.push_back(e->path().filename().string());
    }
    return true;
  }
  bool Exists(const std::string& path) override {
    std::error_code ec;
    return fs::exists(path, ec);
  }
};

}  // namespace

std::string FileRead::Why() const {
  switch (status) {
    case Read:
      return "";
    case Missing:
      return "missing";
    case TooLarge:
      return "too large: " + std::to_string(size) + " bytes";
    case Failed:
      break;
  }
  return "cannot be read";
}

struct PathResolver::WalkState {
  std::vector<std::string> parts;
  // Every directory whose listing the walk looked at.
  std::vector<std::string> visited;
  // A path that climbs ("..") can reach one folder along many spellings ("a/../A/../a/..."); each folder
  // is then searched once for the rest of the path, or a few such parts would take the walk exponentially long.
  bool climbs = false;
  std::set<std::string> dead;
};

PathResolver::PathResolver(std::unique_ptr<DirectorySource> source) : source_(std::move(source)) {
  if (!source_) source_ = std::make_unique<DiskSource>();
}

PathResolver::~PathResolver() = default;

const std::vector<std::string>* PathResolver::Listing(const std::string& dir) {
  auto it = listings_.find(dir);
  if (it != listings_.end()) return &it->second;
  std::vector<std::string> names;
  if (!source_->List(dir, names)) return nullptr;
  std::sort(names.begin(), names.end());
  return &listings_.emplace(dir, std::move(names)).first->second;
}

// The game's paths are written on a case-blind file system, so "Sounds\SFX\clip.qwv" must find
// "sounds/sfx/clip.qwv". The exact spelling is tried first, then every case-blind match in sorted order, so
// the answer never depends on the order the directory happens to list in; a disk that tells case apart may
// hold "Avi" and "avi" side by side, and the file wanted may be in either.
std::optional<std::string> PathResolver::Walk(WalkState& state, size_t next, const std::string& real,
                                              const std::string& realAbs) {
  if (next == state.parts.size()) {
    if (!source_->Exists(realAbs)) return std::nullopt;
    return real.empty() ? std::string(".") : real;
  }
  const std::string& part = state.parts[next];
  if (part == "..") return Walk(state, next + 1, Join(real, part), Join(realAbs, part));
  std::string key;
  if (state.climbs) {
    key = std::to_string(next) + '|' + fs::path(realAbs).lexically_normal().string();
    if (state.dead.count(key)) return std::nullopt;
  }
  state.visited.push_back(realAbs);
  const std::vector<std::string>* names = Listing(realAbs);
  if (names) {
    const auto descend = [&](const std::string& name) {
      return Walk(state, next + 1, Join(real, name), Join(realAbs, name));
    };
    if (std::binary_search(names->begin(), names->end(), part))
      if (std::optional<std::string> found = descend(part)) return found;
    for (const std::string& name : *names)
      if (name != part && EqualNoCase(name, part))
        if (std::optional<std::string> found = descend(name)) return found;
  }
  if (state.climbs) state.dead.insert(std::move(key));
  return std::nullopt;
}

std::optional<std::string> PathResolver::Resolve(const std::string& gamePath) {
  if (gamePath.empty() || gamePath.size() > kMostPathBytes) return std::nullopt;
  std::string path = gamePath;
  std::replace(path.begin(), path.end(), '\\', '/');

  WalkState state;
  for (size_t start = 0; start <= path.size();) {
    size_t end = path.find('/', start);
    if (end == std::string::npos) end = path.size();
    std::string part = path.substr(start, end - start);
    if (part == "..") state.climbs = true;
    if (!part.empty() && part != ".") state.parts.push_back(std::move(part));
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
  if (std::optional<std::string> found = Walk(state, 0, start, base)) return found;
  // The game writes files too (saves, font.dat): on a miss the listings along the way are read again
  // once, so a file made or renamed since they were cached is still found. Only misses pay for this.
  for (const std::string& dir : state.visited) listings_.erase(dir);
  state.visited.clear();
  state.dead.clear();
  return Walk(state, 0, start, base);
}

FileRead PathResolver::ReadAsset(const std::string& gamePath, FileKind kind) {
  std::optional<std::string> real = Resolve(gamePath);
  if (!real) return FileRead{};
  return ReadRealFile(*real, MaxFileBytes(kind));
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

FileRead ReadRealFile(const std::string& realPath, uint64_t maxBytes) {
  FileRead result;
  result.realPath = realPath;
  // Not blocking: a pipe named like a game file must not hang the open waiting for a writer.
  const int fd = ::open(realPath.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    result.status = errno == ENOENT || errno == ENOTDIR ? FileRead::Missing : FileRead::Failed;
    return result;
  }
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    return result;  // a folder, a device or a pipe is not a file to read
  }
  result.size = static_cast<uint64_t>(info.st_size);
  if (result.size > maxBytes) {
    ::close(fd);
    result.status = FileRead::TooLarge;
    return result;
  }
  // What the size said, and no more even if the file grows meanwhile; less if it shrank.
  result.bytes.resize(static_cast<size_t>(result.size));
  size_t got = 0;
  while (got < result.bytes.size()) {
    const ssize_t n = ::read(fd, result.bytes.data() + got, result.bytes.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      ::close(fd);
      result.bytes.clear();
      result.status = FileRead::Failed;
      return result;
    }
    if (n == 0) break;
    got += static_cast<size_t>(n);
  }
  ::close(fd);
  result.bytes.resize(got);
  result.status = FileRead::Read;
  return result;
}

std::optional<std::string> ReadWholeFile(const std::string& realPath, uint64_t maxBytes) {
  FileRead read = ReadRealFile(realPath, maxBytes);
  if (!read) return std::nullopt;
  return std::move(read.bytes);
}

}  // namespace engine
