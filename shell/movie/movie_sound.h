// The movie's sound: the audio stream played through the wave-out device from buffers the player keeps
// filled, and the device's position as the movie's clock.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "platform/movie/avi_audio.h"
#include "platform/movie/wave_out.h"

namespace kestrine {

constexpr int32_t kMovieSoundBufferBytes = 16384;
constexpr int kMostMovieSoundBuffers = 16;
constexpr int kFewestMovieSoundBuffers = 2;

struct MovieSound {
  const AviAudioReader* stream = nullptr;
  HWAVEOUT device = 0;
  std::array<std::vector<char>, kMostMovieSoundBuffers> buffers;
  std::array<WAVEHDR, kMostMovieSoundBuffers> headers;
  int bufferCount = 0;
  int nextBuffer = 0;
  int queued = 0;
  int32_t nextSample = 0;
  int32_t endSample = 0;
  int32_t startSample = 0;
  bool playing = false;
};

// The sound as it stands, to look at.
const MovieSound& MovieSoundState();

// Opens the device for the stream's format with notifications to `window` and prepares its buffers. False
// when the stream's samples do not fit a buffer, when the device does not open (its error is kept in
// movieSoundFailed) or when fewer than two buffers could be prepared.
bool OpenMovieSound(const AviAudioReader& stream, HWND window);
// Plays samples from `from` up to `to` (below 0: the stream's start and end); nothing when from is not
// below to.
void PlayMovieSound(int32_t from, int32_t to);
// Queues the next samples into every free buffer; the sound stops once all of it has played.
void FillMovieSound();
// Milliseconds of the stream reached by what has been heard; -1 when no sound plays.
int32_t MovieSoundPosition();
// Stops at once and closes the device.
void StopMovieSound();
// A buffer came back from `device`: it is free to be filled again.
void OnMovieSoundDone(HWAVEOUT device);
// The last movie's sound failed because there is no audio device at all (not because of its format).
bool MovieSoundHasNoDevice();

}  // namespace kestrine
