#include "shell/movie/movie_queue.h"

#include <cstdio>
#include <cstring>
#include <utility>

#include "platform/movie/file_access.h"
#include "shell/damaged_data.h"
#include "shell/program_state.h"

namespace kestrine {

namespace {

MovieQueueState movieQueueState;
KESTRINE_PROGRAM_STATE(movieQueueState);

}  // namespace

const MovieQueueState& MovieQueue() { return movieQueueState; }

void RewindMovieQueue() { movieQueueState.movieNextIndex = 0; }

void BeginMovieRun() {
  movieQueueState.movieCredits = std::strstr(movieQueueState.movieNames[0], "credits") != nullptr ? 1 : 0;
  // Only this run's movies decide whether their stills stand in for them.
  movieQueueState.movieSoundFailed = 0;
}

void SetMovieSoundFailed(int32_t error) { movieQueueState.movieSoundFailed = error; }

void ClearMovieQueue() {
  movieQueueState.movieCount = 0;
  movieQueueState.movieSkipLock = 0;
}

void ClearMovieNames() { std::memset(movieQueueState.movieNames, 0, sizeof movieQueueState.movieNames); }

void ForgetMovieRun() {
  RewindMovieQueue();
  movieQueueState.movieCredits = 0;
  SetMovieSoundFailed(0);
}

void HoldMovieStill(engine::EngineRef<engine::EngineBitmap> image) {
  movieQueueState.movieStillImage = std::move(image);
}

void ReleaseMovieStill() { movieQueueState.movieStillImage.Reset(); }

void QueueMovie(const char* name, int32_t flag) {
  if (movieQueueState.movieCount >= kMovieQueueLength) return;
  char path[kMovieNameBytes];
  const int length = std::snprintf(path, sizeof path, "avi\\%s.avi", name ? name : "");
  // A cut name would be another file's, or none at all.
  if (length < 0 || static_cast<size_t>(length) >= sizeof path) return;
  std::memcpy(movieQueueState.movieNames[movieQueueState.movieCount], path, sizeof path);
  movieQueueState.movieFlags[movieQueueState.movieCount] = flag;
  // A missing movie is never played: its entry is taken by the next one queued.
  if (_access(path, 0) == 0) {
    ++movieQueueState.movieCount;
  } else {
    NoteDamagedFile("missing movie", path);
  }
}

bool NextMovie(char* buffer, size_t bufferBytes) {
  if (movieQueueState.movieNextIndex >= movieQueueState.movieCount) return false;
  movieQueueState.movieSkipLock = movieQueueState.movieFlags[movieQueueState.movieNextIndex] > 0 ? 1 : 0;
  if (buffer && bufferBytes > 0)
    std::snprintf(buffer, bufferBytes, "%s", movieQueueState.movieNames[movieQueueState.movieNextIndex]);
  ++movieQueueState.movieNextIndex;
  return true;
}

}  // namespace kestrine
