// Mixes every playing engine sound, and every sound stream (a movie's), into one stereo stream at the audio
// device's rate: volume on the game's 0..127 scale (below 0 is silent, yet the sound runs on), pan, loops,
// and resampling from each sound's own rate. The play cursors move with what was mixed, so IsPlaying and
// IsBusy follow what the player hears.
#pragma once

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace engine {

class EngineCore;
class EngineSound;

class SoundMixer {
 public:
  explicit SoundMixer(int deviceRate) : deviceRate_(deviceRate > 0 ? deviceRate : 44100) {}

  // Fills out (interleaved left/right, frames long) with the mix of every playing sound of the core.
  void Mix(EngineCore& core, int16_t* out, size_t frames);

  int DeviceRate() const { return deviceRate_; }

 private:
  // Where between two source frames a sound stopped last time, so resampling carries on without a seam.
  struct Phase {
    double fraction = 0;
    size_t cursorAfter = 0;
    uint64_t pass = 0;
  };

  void MixSound(EngineSound& sound, size_t frames);

  int deviceRate_;
  uint64_t pass_ = 0;
  std::vector<float> accum_;
  std::unordered_map<const EngineSound*, Phase> phases_;
};

}  // namespace engine
