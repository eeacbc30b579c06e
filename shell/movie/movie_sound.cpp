#include "shell/movie/movie_sound.h"

#include <algorithm>
#include <limits>

#include "shell/movie/movie_queue.h"
#include "shell/program_state.h"

namespace kestrine {

namespace {

MovieSound movieSound;
KESTRINE_PROGRAM_STATE(movieSound);

}  // namespace

const MovieSound& MovieSoundState() { return movieSound; }

bool OpenMovieSound(const AviAudioReader& stream, HWND window) {
  StopMovieSound();
  const AviStreamInfo& info = stream.Info();
  if (info.sampleSize < 1 || info.sampleSize > kMovieSoundBufferBytes) return false;
  const AviWaveFormat wave = stream.Format();
  WAVEFORMATEX format;
  format.wFormatTag = WAVE_FORMAT_PCM;
  format.nChannels = static_cast<uint16_t>(wave.channels);
  format.nSamplesPerSec = static_cast<uint32_t>(wave.samplesPerSecond);
  format.nBlockAlign = static_cast<uint16_t>(wave.blockAlign);
  format.nAvgBytesPerSec = format.nSamplesPerSec * format.nBlockAlign;
  format.wBitsPerSample = static_cast<uint16_t>(wave.bitsPerSample);
  HWAVEOUT device = 0;
  MMRESULT result = waveOutOpen(&device, WAVE_MAPPER, &format, window, 0, CALLBACK_WINDOW);
  // A device busy a moment ago may be free now: one more try before the stills take over.
  if (result != MMSYSERR_NOERROR) result = waveOutOpen(&device, WAVE_MAPPER, &format, window, 0, CALLBACK_WINDOW);
  if (result != MMSYSERR_NOERROR) {
    SetMovieSoundFailed(static_cast<int32_t>(result));
    return false;
  }
  movieSound.stream = &stream;
  movieSound.device = device;
  movieSound.bufferCount = 0;
  for (int i = 0; i < kMostMovieSoundBuffers; ++i) {
    std::vector<char>& bytes = movieSound.buffers[static_cast<size_t>(i)];
    bytes.assign(static_cast<size_t>(kMovieSoundBufferBytes), 0);
    WAVEHDR& header = movieSound.headers[static_cast<size_t>(i)];
    header = WAVEHDR{};
    header.lpData = bytes.data();
    header.dwBufferLength = static_cast<uint32_t>(kMovieSoundBufferBytes);
    if (waveOutPrepareHeader(device, &header, sizeof header) != MMSYSERR_NOERROR) break;
    ++movieSound.bufferCount;
  }
  if (movieSound.bufferCount < kFewestMovieSoundBuffers) {
    StopMovieSound();
    return false;
  }
  return true;
}

void PlayMovieSound(int32_t from, int32_t to) {
  if (!movieSound.device || !movieSound.stream) return;
  const AviStreamInfo& info = movieSound.stream->Info();
  if (from < 0) from = info.start;
  if (to < 0) to = info.start + info.length;
  if (from >= to) return;
  waveOutPause(movieSound.device);
  movieSound.nextSample = from;
  movieSound.startSample = from;
  movieSound.endSample = to;
  movieSound.playing = true;
  FillMovieSound();
  if (movieSound.device) waveOutRestart(movieSound.device);
}

void FillMovieSound() {
  if (!movieSound.playing || !movieSound.stream) return;
  const int32_t sampleSize = movieSound.stream->Info().sampleSize;
  while (movieSound.queued < movieSound.bufferCount && movieSound.nextSample < movieSound.endSample) {
    const int32_t wanted = std::min(kMovieSoundBufferBytes / sampleSize, movieSound.endSample - movieSound.nextSample);
    WAVEHDR& header = movieSound.headers[static_cast<size_t>(movieSound.nextBuffer)];
    const int32_t got = movieSound.stream->Read(movieSound.nextSample, wanted, header.lpData, kMovieSoundBufferBytes);
    if (got > 0) {
      header.dwBufferLength = static_cast<uint32_t>(got * sampleSize);
      if (waveOutWrite(movieSound.device, &header, sizeof header) != MMSYSERR_NOERROR) {
        // The sound ends with what is queued already, rather than wait for samples that cannot come.
        movieSound.endSample = movieSound.nextSample;
        break;
      }
      movieSound.nextBuffer = (movieSound.nextBuffer + 1) % movieSound.bufferCount;
      ++movieSound.queued;
      movieSound.nextSample += got;
    }
    // The file holds less sound than it said: the sound ends where the data does, or it would never end.
    if (got < wanted) {
      movieSound.endSample = movieSound.nextSample;
      break;
    }
  }
  if (movieSound.nextSample >= movieSound.endSample && movieSound.queued == 0) StopMovieSound();
}

int32_t MovieSoundPosition() {
  if (!movieSound.playing || !movieSound.device || !movieSound.stream) return -1;
  MMTIME time;
  time.wType = TIME_SAMPLES;
  if (waveOutGetPosition(movieSound.device, &time, sizeof time) != MMSYSERR_NOERROR) return -1;
  const AviStreamInfo& info = movieSound.stream->Info();
  int64_t samples = time.value;
  if (time.wType == TIME_BYTES) samples /= std::max(info.sampleSize, 1);
  const int64_t rate = std::max(info.rate, 1);
  const int64_t ms = (samples * 1000 + rate / 2) / rate + AviSampleToTime(info, movieSound.startSample);
  return static_cast<int32_t>(std::clamp<int64_t>(ms, 0, std::numeric_limits<int32_t>::max()));
}

void StopMovieSound() {
  if (movieSound.device) {
    waveOutReset(movieSound.device);
    for (int i = 0; i < movieSound.bufferCount; ++i) {
      WAVEHDR& header = movieSound.headers[static_cast<size_t>(i)];
      waveOutUnprepareHeader(movieSound.device, &header, sizeof header);
    }
    waveOutClose(movieSound.device);
  }
  for (std::vector<char>& bytes : movieSound.buffers) std::vector<char>().swap(bytes);
  movieSound.device = 0;
  movieSound.stream = nullptr;
  movieSound.bufferCount = 0;
  movieSound.nextBuffer = 0;
  movieSound.queued = 0;
  movieSound.playing = false;
}

void OnMovieSoundDone(HWAVEOUT device) {
  // A device closed since (the movie was skipped) may still have a notification on its way.
  if (device == 0 || device != movieSound.device || !movieSound.playing) return;
  if (movieSound.queued > 0) --movieSound.queued;
  FillMovieSound();
}

bool MovieSoundHasNoDevice() { return MovieQueue().movieSoundFailed == static_cast<int32_t>(MMSYSERR_NODRIVER); }

}  // namespace kestrine
