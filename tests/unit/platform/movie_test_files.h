// What the movie-layer tests share: the small AVI files of the AVI fuzz corpus, a scratch folder as the
// working directory, and environment variables set for one test only.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "unit/engine/temp_tree.h"

namespace kestrine::testing {

// The test movies (tests/unit/platform/movies; the movie fuzz targets start from cut-down copies of them):
// video_audio.avi (64 x 48, 10 frames a second, 20 frames, 8,000 Hz mono, 2 s), video_only.avi (the same
// pictures), audio_only.avi (11,025 Hz stereo, 1 s) and broken ones.
inline std::filesystem::path CorpusMovie(const std::string& name) {
  return std::filesystem::path(KESTRINE_SOURCE_DIR) / "tests" / "unit" / "platform" / "movies" / name;
}

inline std::string CorpusBytes(const std::string& name) {
  std::ifstream in(CorpusMovie(name), std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// A scratch folder that is the working directory while it lives.
using ScratchFolder = engine::testing::TempTree;

// Copies a corpus movie to a path under the folder ('/' separated, made as given).
inline void CopyMovie(const ScratchFolder& folder, const std::string& corpusName, const std::string& relativePath) {
  folder.Write(relativePath, CorpusBytes(corpusName));
}

// Sets (or, with nullopt, removes) an environment variable until the end of the scope.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, std::optional<std::string> value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value) {
      setenv(name, value->c_str(), 1);
    } else {
      unsetenv(name);
    }
  }
  ~ScopedEnv() {
    if (old_) {
      setenv(name_.c_str(), old_->c_str(), 1);
    } else {
      unsetenv(name_.c_str());
    }
  }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  std::string name_;
  std::optional<std::string> old_;
};

}  // namespace kestrine::testing
