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

// Each entry is "avi\<name>.avi".
extern char (&movieNames)[kMovieQueueLength][kMovieNameBytes];
extern int32_t (&movieFlags)[kMovieQueueLength];
extern int32_t& movieCount;      // 0..4
extern int32_t& movieNextIndex;  // the entry NextMovie gives next
extern uint8_t& movieSkipLock;   // the movie playing now cannot be skipped
// The wave-out device's error when it could not be opened for the last movie with sound, 0 when it opened.
extern int32_t& movieSoundFailed;
extern uint8_t& movieCredits;  // the run began with the credits
// The still image of the fallbacks, held while it shows.
extern engine::EngineRef<engine::EngineBitmap>& movieStillImage;

// Queues "avi\<name>.avi" with its flag, if the file exists; a fifth movie is ignored, and so is a name too
// long for its entry.
void QueueMovie(const char* name, int32_t flag);
// Copies the next entry's file name into buffer (bufferBytes long) and sets the skip lock from its flag;
// false when every queued movie has been given out.
bool NextMovie(char* buffer, size_t bufferBytes);

}  // namespace kestrine
