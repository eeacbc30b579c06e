#include "shell/start_environment.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

#include "engine/engine_root.h"
#include "platform/desktop.h"

namespace kestrine {

namespace {

namespace fs = std::filesystem;

// A generated data tree has its images and its sounds.
bool IsDataTree(const fs::path& folder) {
  std::error_code ec;
  return fs::is_directory(folder / "images", ec) && fs::is_directory(folder / "sounds", ec);
}

fs::path ProgramFolder() {
  std::error_code ec;
  const fs::path program = fs::read_symlink("/proc/self/exe", ec);
  return ec ? fs::path() : program.parent_path();
}

// The data tree, or an empty path after saying where it was looked for.
fs::path FindDataTree(const fs::path& start) {
  if (const char* named = std::getenv("KESTRINE_DATA"); named && *named) {
    const fs::path folder = fs::absolute(start / named).lexically_normal();
    if (IsDataTree(folder)) return folder;
    std::fprintf(stderr, "no game data in %s (KESTRINE_DATA): it has no images and sounds folders\n",
                 folder.string().c_str());
    return {};
  }
  const fs::path beside = ProgramFolder().empty() ? fs::path() : ProgramFolder() / "data";
  if (!beside.empty() && IsDataTree(beside)) return beside;
  if (IsDataTree(start)) return start;
  std::fprintf(stderr,
               "no game data: looked in %s (next to the program) and %s (the current folder); build it with "
               "scripts/play, or set KESTRINE_DATA to the data folder\n",
               beside.string().c_str(), start.string().c_str());
  return {};
}

// Why the input script cannot be read, or "" when it is a plain file that can be. Looked at without waiting:
// a pipe is opened so that no writer is waited for, and nothing is read here (its reader keeps its own bound).
std::string InputScriptProblem(const fs::path& script) {
  const int fd = ::open(script.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    const int error = errno;
    if (error == ENOENT || error == ENOTDIR) return "there is no such file";
    return std::string("it cannot be read (") + std::strerror(error) + ")";
  }
  struct stat info {};
  const bool known = ::fstat(fd, &info) == 0;
  ::close(fd);
  if (!known) return "it cannot be read";
  if (S_ISDIR(info.st_mode)) return "it is a folder, not a file";
  if (!S_ISREG(info.st_mode)) return "it is not a plain file (a device or a pipe)";
  return {};
}

// The input script KESTRINE_INPUT names must be a file to read before anything starts: anything else ends
// the start with one line saying what it is.
bool InputScriptReadable(const fs::path& start) {
  const char* named = std::getenv("KESTRINE_INPUT");
  if (!named || !*named) return true;
  const fs::path script = fs::path(named).is_absolute() ? fs::path(named) : start / named;
  const std::string problem = InputScriptProblem(script);
  if (problem.empty()) return true;
  std::fprintf(stderr, "no input script: %s (KESTRINE_INPUT): %s\n", script.string().c_str(), problem.c_str());
  return false;
}

}  // namespace

bool PrepareStartEnvironment() {
  std::error_code ec;
  const fs::path start = fs::current_path(ec);
  const fs::path data = FindDataTree(start);
  if (data.empty()) return false;
  if (!InputScriptReadable(start)) return false;
  // Paths the person gave (the input script and its captures) keep meaning what they meant where they typed
  // them.
  engine::SetStartFolder(start.string());
  fs::current_path(data, ec);
  if (ec) {
    std::fprintf(stderr, "no game data: %s cannot be entered (%s)\n", data.string().c_str(), ec.message().c_str());
    return false;
  }
  if (!DisplayCanBeOpened()) {
    std::fputs("no display: set DISPLAY, or run with KESTRINE_ENGINE=headless\n", stderr);
    return false;
  }
  return true;
}

}  // namespace kestrine
