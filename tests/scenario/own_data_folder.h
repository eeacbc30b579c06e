// The generated data seen through links, with no savedGames of its own, as the working directory while it
// lives: a test whose game writes save games or high scores writes them into nobody else's folder.
#pragma once

#include <unistd.h>

#include <filesystem>

#include "harness.h"

namespace kestrine::scenario {

class OwnDataFolder {
 public:
  OwnDataFolder() {
    namespace fs = std::filesystem;
    char pattern[] = "/tmp/kestrine-data-XXXXXX";
    root_ = mkdtemp(pattern);
    for (const fs::directory_entry& entry : fs::directory_iterator(KESTRINE_DATA_DIR))
      if (entry.path().filename() != "savedGames") fs::create_symlink(entry.path(), root_ / entry.path().filename());
    previous_ = fs::current_path();
    fs::current_path(root_);
  }
  ~OwnDataFolder() {
    std::error_code ec;
    std::filesystem::current_path(previous_, ec);
    std::filesystem::remove_all(root_, ec);  // the links go, not what they point at
  }
  OwnDataFolder(const OwnDataFolder&) = delete;
  OwnDataFolder& operator=(const OwnDataFolder&) = delete;

  const std::filesystem::path& Root() const { return root_; }

 private:
  std::filesystem::path root_, previous_;
};

}  // namespace kestrine::scenario
