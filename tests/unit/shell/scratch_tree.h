// A scratch data folder that is the working directory while it lives, and small sound and image files the
// engine loads by content. Shared by every test that needs game files of its own making.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

namespace kestrine::testing {

// A whole file's bytes; empty when it cannot be read.
inline std::string ReadWholeFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class ScratchTree {
 public:
  ScratchTree() {
    char pattern[] = "/tmp/kestrine-scratch-XXXXXX";
    root_ = mkdtemp(pattern);
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(root_);
  }
  ~ScratchTree() {
    std::error_code ec;
    std::filesystem::current_path(previous_, ec);
    std::filesystem::remove_all(root_, ec);
  }
  ScratchTree(const ScratchTree&) = delete;
  ScratchTree& operator=(const ScratchTree&) = delete;

  // A game path ('\' or '/') inside the tree.
  std::filesystem::path PathOf(std::string gamePath) const {
    for (char& c : gamePath)
      if (c == '\\') c = '/';
    return root_ / gamePath;
  }

  void WriteBytes(const std::string& gamePath, const std::string& bytes) const {
    const auto path = PathOf(gamePath);
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
  }

  // A 16-bit mono sound of the given number of frames: its length tells the tests which file was loaded.
  void WriteWav(const std::string& gamePath, uint32_t frames, uint32_t rate = 1000) const {
    std::string s = "RIFF";
    Le(s, 36 + frames * 2, 4);
    s += "WAVEfmt ";
    for (auto [value, bytes] : {std::pair{16u, 4}, {1u, 2}, {1u, 2}, {rate, 4}, {rate * 2, 4}, {2u, 2}, {16u, 2}})
      Le(s, value, bytes);
    s += "data";
    Le(s, frames * 2, 4);
    for (uint32_t i = 0; i < frames; ++i) Le(s, (i % 50) * 300, 2);
    WriteBytes(gamePath, s);
  }

  // A 24-bit BMP whose pixel (x, y), counted from the top, has the colour colourAt(x, y) = 0xRRGGBB.
  void WriteBmp(const std::string& gamePath, int width, int height,
                const std::function<uint32_t(int, int)>& colourAt) const {
    const uint32_t rowBytes = static_cast<uint32_t>(width * 3 + 3) / 4 * 4;
    const uint32_t dataBytes = rowBytes * static_cast<uint32_t>(height);
    std::string s = "BM";
    for (uint32_t value : {54 + dataBytes, 0u, 54u, 40u, static_cast<uint32_t>(width), static_cast<uint32_t>(height)})
      Le(s, value, 4);
    Le(s, 1, 2);
    Le(s, 24, 2);
    for (uint32_t value : {0u, dataBytes, 2835u, 2835u, 0u, 0u}) Le(s, value, 4);
    for (int y = height - 1; y >= 0; --y) {
      std::string row;
      for (int x = 0; x < width; ++x) Le(row, colourAt(x, y), 3);  // blue, green, red
      row.resize(rowBytes, '\0');
      s += row;
    }
    WriteBytes(gamePath, s);
  }
  // One colour all over.
  void WriteBmp(const std::string& gamePath, int width, int height, int r, int g, int b) const {
    const uint32_t colour = static_cast<uint32_t>(r << 16 | g << 8 | b);
    WriteBmp(gamePath, width, height, [colour](int, int) { return colour; });
  }

 private:
  static void Le(std::string& s, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) s += static_cast<char>((value >> (8 * i)) & 0xFF);
  }

  std::filesystem::path root_;
  std::filesystem::path previous_;
};

}  // namespace kestrine::testing
