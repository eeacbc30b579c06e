// A copy of the generated data tree in a folder of its own, for running the game on damaged data. It is made
// of links (a link costs nothing): a folder becomes a real one, of links to its files, only when a file in
// it is replaced by bytes of a test's choosing. Damage() spoils the tree the way a bad disk or a broken copy
// would, always the same way: every sound cut inside its header, every picture random bytes, every model
// empty, every movie cut to its first third. The thousands of speech lines, read only during missions,
// stay whole so that the copy takes a moment rather than a minute.
#pragma once

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace kestrine::scenario {

// The working directory while it lives: the game reads its data from where it was started.
class InFolder {
 public:
  explicit InFolder(const std::filesystem::path& folder) : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(folder);
  }
  ~InFolder() { std::filesystem::current_path(previous_); }
  InFolder(const InFolder&) = delete;
  InFolder& operator=(const InFolder&) = delete;

 private:
  std::filesystem::path previous_;
};

class DamagedTree {
 public:
  explicit DamagedTree(const std::filesystem::path& data) : data_(data) {
    char pattern[] = "/tmp/kestrine_damaged_XXXXXX";
    root_ = mkdtemp(pattern);
    LinkEntriesOf("");
  }
  ~DamagedTree() {
    std::error_code ec;
    std::filesystem::remove_all(root_, ec);  // the links go, never what they point at
  }
  DamagedTree(const DamagedTree&) = delete;
  DamagedTree& operator=(const DamagedTree&) = delete;

  const std::filesystem::path& Root() const { return root_; }

  // Puts bytes in place of the file at a '/'-separated path of the tree.
  void Replace(const std::string& relative, const std::string& bytes) const {
    MakeReal(std::filesystem::path(relative).parent_path());
    std::filesystem::remove(root_ / relative);
    std::ofstream(root_ / relative, std::ios::binary) << bytes;
  }
  void Remove(const std::string& relative) const {
    MakeReal(std::filesystem::path(relative).parent_path());
    std::filesystem::remove(root_ / relative);
  }

  void Damage() const {
    namespace fs = std::filesystem;
    std::vector<std::string> files;
    for (auto it = fs::recursive_directory_iterator(data_); it != fs::recursive_directory_iterator(); ++it) {
      const std::string relative = fs::relative(it->path(), data_).generic_string();
      if (it->is_directory() && Lower(relative) == "sounds/speech") it.disable_recursion_pending();
      if (it->is_regular_file()) files.push_back(relative);
    }
    std::sort(files.begin(), files.end());
    std::mt19937 random(20020506);
    for (const std::string& file : files) {
      const std::string kind = Lower(fs::path(file).extension().string());
      if (kind == ".qwv") {
        Replace(file, Head(file, 40));  // the format chunk, but never the data chunk
      } else if (kind == ".qjp" || kind == ".qpg") {
        std::string noise(fs::file_size(data_ / file), '\0');
        for (char& c : noise) c = static_cast<char>(random() & 0xFF);
        Replace(file, noise);
      } else if (kind == ".qsad") {
        Replace(file, "");
      } else if (kind == ".avi") {
        Replace(file, Head(file, fs::file_size(data_ / file) / 3));
      }
    }
  }

 private:
  static std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
  }
  // Links everything in the data folder `relative` into the same folder of the copy.
  void LinkEntriesOf(const std::filesystem::path& relative) const {
    for (const auto& entry : std::filesystem::directory_iterator(data_ / relative))
      std::filesystem::create_symlink(entry.path(), root_ / relative / entry.path().filename());
  }
  // Turns each linked folder on the way to `relative` into a real folder of links.
  void MakeReal(const std::filesystem::path& relative) const {
    std::filesystem::path at;
    for (const auto& part : relative) {
      at /= part;
      if (!std::filesystem::is_symlink(root_ / at)) continue;
      std::filesystem::remove(root_ / at);
      std::filesystem::create_directory(root_ / at);
      LinkEntriesOf(at);
    }
  }
  std::string Head(const std::string& relative, size_t bytes) const {
    std::ifstream in(data_ / relative, std::ios::binary);
    std::string head(bytes, '\0');
    in.read(head.data(), static_cast<std::streamsize>(bytes));
    head.resize(static_cast<size_t>(in.gcount()));
    return head;
  }

  std::filesystem::path data_;
  std::filesystem::path root_;
};

}  // namespace kestrine::scenario
