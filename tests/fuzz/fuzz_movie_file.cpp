// Movie files from outside, read the way the game reads them: by path from the data folder, opened by the
// movie player as it opens each queued movie, and its first pictures decoded. Whatever the bytes, the
// player holds a movie that makes sense (time range, picture sizes) or none, and never reads past the file.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "shell/movie/movie_player.h"

namespace {

namespace fs = std::filesystem;

constexpr int kFramesLooked = 4;

void Fail() { std::abort(); }

#ifdef KESTRINE_LIBFUZZER
// Under the fuzzer, inputs above this are passed over: every part of a movie shows within a few kilobytes,
// and a large input only makes each run slow. (The corpus replay also reads the game's own movies, whole.)
constexpr size_t kLargestFuzzedInput = 64 * 1024;
#endif

// A folder of our own for the file, named the way the game names a data folder's movies. The working
// directory stays as it is: the fuzzer reads its corpus relative to it.
const fs::path& Folder() {
  static const fs::path folder = [] {
    char pattern[] = "/tmp/kestrine_fuzz_movie_XXXXXX";
    if (!mkdtemp(pattern)) Fail();
    fs::create_directories(fs::path(pattern) / "Avi");
    return fs::path(pattern);
  }();
  return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kestrine;
#ifdef KESTRINE_LIBFUZZER
  if (size > kLargestFuzzedInput) return 0;
#endif
  static const std::string gamePath = Folder().string() + "\\avi\\fuzz.avi";
  std::ofstream(Folder() / "Avi/Fuzz.AVI", std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  if (!OpenMovieFile(gamePath.c_str())) {
    if (moviePlayer.file || moviePlayer.frames || moviePlayer.sound) Fail();
    return 0;
  }
  if (moviePlayer.movieStart > moviePlayer.movieEnd) Fail();
  if (moviePlayer.streamCount < 0 || moviePlayer.streamCount > kMostMovieStreams) Fail();
  if (moviePlayer.frames) {
    const AviStreamInfo& info = *moviePlayer.file->StreamInfo(moviePlayer.videoStream);
    for (int i = 0; i < kFramesLooked && i < info.length; ++i) {
      const AviFrame* frame = moviePlayer.frames->GetFrame(info.start + i);
      if (!frame) continue;
      if (frame->width <= 0 || frame->height <= 0 || frame->width > 4096 || frame->height > 4096) Fail();
      if (frame->pixels.size() != static_cast<size_t>(frame->width) * static_cast<size_t>(frame->height)) Fail();
    }
  }
  CloseMovieFile();
  return 0;
}
