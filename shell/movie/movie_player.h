// The movie player: one modal run on the GUI thread that plays the queued movies one after the other in a
// window of its own, "KESTRINE (tm)", in front of everything. Its clock is the sound's playing position
// when the movie has sound, else the system's clock (the movie clock, virtual without a display).
#pragma once

#include <cstdint>
#include <memory>

#include "platform/movie/avi_audio.h"
#include "platform/movie/avi_file.h"
#include "platform/movie/avi_frames.h"
#include "platform/window.h"

namespace kestrine {

constexpr const char* kMovieWindowTitle = "KESTRINE (tm)";
constexpr int kMostMovieStreams = 2;
// The window's command that ends the run.
constexpr int kMovieCommandStop = 102;
// A skippable movie ignores clicks before this much of it has played.
constexpr int32_t kMovieSkipAfterMs = 500;

struct MoviePlayer {
  HWND window = 0;
  std::unique_ptr<AviFile> file;
  int streamCount = 0;
  int videoStream = -1;                     // the first video stream of the first two, or -1
  int audioStream = -1;                     // the first audio stream of the first two, or -1
  std::unique_ptr<AviFrameDecoder> frames;  // the video stream's decompressor (none when it has no decoder)
  std::unique_ptr<AviAudioReader> sound;    // the audio stream
  int32_t movieStart = 0;                   // ms: the earliest stream start
  int32_t movieEnd = 0;                     // ms: the latest stream end
  int32_t currentTime = 0;
  bool playing = false;
  bool followsSound = false;  // the clock is the sound's position
  uint32_t timeBaseClock = 0;
  int32_t timeBaseMovie = 0;
};

extern MoviePlayer moviePlayer;

// Plays the queued movies (NextMovie gives them) in the window, made at the first run at (0, 0) with the
// given size and kept hidden between runs. Returns when the queue is played out, when a movie cannot be
// opened, or when the window is closed.
void RunMoviePlayer(void* instance, void* previousInstance, const char* commandLine, int showCommand, int width,
                    int height);

// Opens a movie by its game path ("avi\\ostrel.avi") as the run does for each queued one: its streams
// (the first two), the decompressor of its pictures and its sound, and its time range. False when the file
// cannot be opened; the player then holds no movie.
bool OpenMovieFile(const char* name);

// ---- for the window procedure ----
// Closes the movie's file and streams (and its sound, which reads from them).
void CloseMovieFile();
// Shows or hides the window and its picture.
void ShowMovieWindow(int showCommand);

}  // namespace kestrine
