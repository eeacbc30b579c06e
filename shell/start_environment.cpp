#include "shell/start_environment.h"

#include <cstdio>
#include <cstdlib>
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

}  // namespace

bool PrepareStartEnvironment() {
  std::error_code ec;
  const fs::path start = fs::current_path(ec);
  const fs::path data = FindDataTree(start);
  if (data.empty()) return false;
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
