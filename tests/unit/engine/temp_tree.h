// A private folder under /tmp that is the working directory while it lives (the one before is put back after),
// and files written into it by their path under it.
#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

namespace engine::testing {

class TempTree {
 public:
  TempTree() {
    char pattern[] = "/tmp/kestrine_test_XXXXXX";
    if (mkdtemp(pattern) == nullptr) throw std::filesystem::filesystem_error("no temp folder", std::error_code());
    root_ = pattern;
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(root_);
  }
  ~TempTree() {
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
    std::filesystem::remove_all(root_, ignored);
  }
  TempTree(const TempTree&) = delete;
  TempTree& operator=(const TempTree&) = delete;

  const std::filesystem::path& Root() const { return root_; }
  void Write(const std::string& relativePath, const std::string& bytes) const {
    std::filesystem::create_directories((root_ / relativePath).parent_path());
    std::ofstream(root_ / relativePath, std::ios::binary) << bytes;
  }
  // A file that says it holds `size` bytes but takes no room on the disk.
  bool Sparse(const std::string& relativePath, uint64_t size) const {
    std::filesystem::create_directories((root_ / relativePath).parent_path());
    const int fd = ::open((root_ / relativePath).c_str(), O_CREAT | O_WRONLY | O_TRUNC, 0644);
    const bool made = fd >= 0 && ::ftruncate(fd, static_cast<off_t>(size)) == 0;
    if (fd >= 0) ::close(fd);
    return made;
  }

 private:
  std::filesystem::path root_;
  std::filesystem::path previous_;
};

}  // namespace engine::testing
