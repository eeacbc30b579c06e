// The pieces of the game-data generator: the output tree with its writers, and the list of generators,
// one per group of game files.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "engine/engine.h"

namespace assetgen {

// The output folder. Paths are given as the game names them ("images\foo.qjp"); they are written with
// '/' and exactly the case given, since the engine matches case-insensitively anyway.
class DataTree {
 public:
  explicit DataTree(std::filesystem::path root);
  const std::filesystem::path& Root() const { return root_; }
  std::filesystem::path PathOf(const std::string& gamePath) const;

  void WriteBytes(const std::string& gamePath, const std::string& bytes);
  void WriteText(const std::string& gamePath, const std::string& text) { WriteBytes(gamePath, text); }
  // PNG content whatever the extension (the engine decodes by content); exact colours.
  void WritePng(const std::string& gamePath, const engine::EngineBitmap& image);
  // RIFF WAVE, 16-bit PCM.
  void WriteWav(const std::string& gamePath, const engine::PcmData& pcm);
  size_t FilesWritten() const { return written_; }

 private:
  std::filesystem::path root_;
  size_t written_ = 0;
};

std::string EncodePng(const engine::EngineBitmap& image);
std::string EncodeWav(const engine::PcmData& pcm);

struct Generator {
  const char* name;
  std::function<void(DataTree&)> run;
};

// Every generator, in the order they run.
const std::vector<Generator>& Generators();

}  // namespace assetgen
