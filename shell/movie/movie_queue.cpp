#include "shell/movie/movie_queue.h"

#include <cstdio>
#include <cstring>

#include "platform/movie/file_access.h"
#include "shell/damaged_data.h"
#include "shell/program_state.h"

namespace kestrine {

namespace {

struct MovieQueueState {
  char movieNames[kMovieQueueLength][kMovieNameBytes] = {};
  int32_t movieFlags[kMovieQueueLength] = {};
  int32_t movieCount = 0;
  int32_t movieNextIndex = 0;
  uint8_t movieSkipLock = 0;
  int32_t movieSoundFailed = 0;
  uint8_t movieCredits = 0;
  engine::EngineRef<engine::EngineBitmap> movieStillImage;
};
MovieQueueState movieQueueState;
KESTRINE_PROGRAM_STATE(movieQueueState);

}  // namespace

char (&movieNames)[kMovieQueueLength][kMovieNameBytes] = movieQueueState.movieNames;
int32_t (&movieFlags)[kMovieQueueLength] = movieQueueState.movieFlags;
int32_t& movieCount = movieQueueState.movieCount;
int32_t& movieNextIndex = movieQueueState.movieNextIndex;
uint8_t& movieSkipLock = movieQueueState.movieSkipLock;
int32_t& movieSoundFailed = movieQueueState.movieSoundFailed;
uint8_t& movieCredits = movieQueueState.movieCredits;
engine::EngineRef<engine::EngineBitmap>& movieStillImage = movieQueueState.movieStillImage;

void QueueMovie(const char* name, int32_t flag) {
  if (movieCount >= kMovieQueueLength) return;
  char path[kMovieNameBytes];
  const int length = std::snprintf(path, sizeof path, "avi\\%s.avi", name ? name : "");
  // A cut name would be another file's, or none at all.
  if (length < 0 || static_cast<size_t>(length) >= sizeof path) return;
  std::memcpy(movieNames[movieCount], path, sizeof path);
  movieFlags[movieCount] = flag;
  // A missing movie is never played: its entry is taken by the next one queued.
  if (_access(path, 0) == 0) {
    ++movieCount;
  } else {
    NoteDamagedFile("missing movie", path);
  }
}

bool NextMovie(char* buffer, size_t bufferBytes) {
  if (movieNextIndex >= movieCount) return false;
  movieSkipLock = movieFlags[movieNextIndex] > 0 ? 1 : 0;
  if (buffer && bufferBytes > 0) std::snprintf(buffer, bufferBytes, "%s", movieNames[movieNextIndex]);
  ++movieNextIndex;
  return true;
}

}  // namespace kestrine
