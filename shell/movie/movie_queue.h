// The movie queue: up to four movies queued by name and played in one run (PlayMovies), with a flag each
// (1 cannot be skipped, 0 a click skips it, -1 on the last entry: its still image shows after the run).
#pragma once

#include <cstddef>
#include <cstdint>

#include "engine/engine.h"

namespace kestrine {

constexpr int kMovieQueueLength = 4;
constexpr size_t kMovieNameBytes = 32;

enum MovieFlag : int32_t {
  MOVIE_SHOW_STILL_AFTER = -1,
  MOVIE_SKIPPABLE = 0,
  MOVIE_UNSKIPPABLE = 1,
};

// Written only by movie_queue.cpp, through the functions below; everyone else reads the const view.
struct MovieQueueState {
  // Each entry is "avi\<name>.avi".
  char movieNames[kMovieQueueLength][kMovieNameBytes] = {};
  int32_t movieFlags[kMovieQueueLength] = {};
  int32_t movieCount = 0;      // 0..4
  int32_t movieNextIndex = 0;  // the entry NextMovie gives next
  uint8_t movieSkipLock = 0;   // the movie playing now cannot be skipped
  // The wave-out device's error when it could not be opened for the last movie with sound, 0 when it opened.
  int32_t movieSoundFailed = 0;
  uint8_t movieCredits = 0;  // the run began with the credits
  // The still image of the fallbacks, held while it shows.
  engine::EngineRef<engine::EngineBitmap> movieStillImage;
};

const MovieQueueState& MovieQueue();

// The run of the queue: back to its first entry; a new run notes whether it began with the credits and
// forgets the last run's sound error; the wave-out device's error of this run; the queue emptied after it.
void RewindMovieQueue();
void BeginMovieRun();
void SetMovieSoundFailed(int32_t error);
void ClearMovieQueue();
// The queue's names erased and the last run forgotten (a test starts from a clean queue).
void ClearMovieNames();
void ForgetMovieRun();
// The still image shown in place of a movie, held while it shows.
void HoldMovieStill(engine::EngineRef<engine::EngineBitmap> image);
void ReleaseMovieStill();

// Queues "avi\<name>.avi" with its flag, if the file exists; a fifth movie is ignored, and so is a name too
// long for its entry.
void QueueMovie(const char* name, int32_t flag);
// Copies the next entry's file name into buffer (bufferBytes long) and sets the skip lock from its flag;
// false when every queued movie has been given out.
bool NextMovie(char* buffer, size_t bufferBytes);

}  // namespace kestrine
