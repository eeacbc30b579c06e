#include "backend/sdl/sound_mixer.h"

#include <algorithm>
#include <cmath>
#include <mutex>

#include "core/engine_core.h"
#include "engine/engine_sound.h"

namespace engine {

namespace {

constexpr int kMaxVolume = 127;
constexpr int kFullPan = 100;

}  // namespace

void SoundMixer::Mix(EngineCore& core, int16_t* out, size_t frames) {
  accum_.assign(frames * 2, 0.0f);
  ++pass_;
  core.ForEachSound([&](EngineSound& s) { MixSound(s, frames); });
  core.ForEachStream([&](EngineSoundStream& s) { s.MixInto(accum_.data(), frames, deviceRate_); });
  // Sounds that were unregistered since the last pass leave their resampling state behind.
  std::erase_if(phases_, [this](const auto& entry) { return entry.second.pass != pass_; });
  for (size_t i = 0; i < frames * 2; ++i)
    out[i] = static_cast<int16_t>(std::clamp(std::lround(accum_[i]), -32768L, 32767L));
}

void SoundMixer::MixSound(EngineSound& sound, size_t frames) {
  std::lock_guard<std::mutex> lock(sound.Mutex());
  Phase& phase = phases_[&sound];
  phase.pass = pass_;
  if (!sound.PlayingLocked()) return;

  const PcmData& pcm = sound.Pcm();
  const size_t total = pcm.Frames();
  if (total == 0 || pcm.sampleRate <= 0) {
    // A silent placeholder: let the cursor logic end it (or keep it looping) like any other sound.
    sound.AdvanceFrames(frames);
    return;
  }
  const size_t cursor = sound.CursorFrameLocked();
  // A Play or Stop since the last pass moved the cursor: start between frames afresh.
  if (phase.cursorAfter != cursor) phase.fraction = 0;

  const bool loop = sound.Looping();
  const double step = static_cast<double>(pcm.sampleRate) / deviceRate_;
  const int volume = sound.Volume();
  const int pan = std::clamp(sound.Pan(), -kFullPan, kFullPan);
  double pos = static_cast<double>(cursor) + phase.fraction;

  if (volume <= 0) {
    // Silent, but still running: a sound turned down to nothing ends when it would have ended.
    pos += step * static_cast<double>(frames);
  } else {
    const float gain = static_cast<float>(std::min(volume, kMaxVolume)) / kMaxVolume;
    const float leftGain = gain * (pan > 0 ? static_cast<float>(kFullPan - pan) / kFullPan : 1.0f);
    const float rightGain = gain * (pan < 0 ? static_cast<float>(kFullPan + pan) / kFullPan : 1.0f);
    const size_t channels = static_cast<size_t>(pcm.channels);
    const size_t right = channels > 1 ? 1 : 0;
    const int16_t* s = pcm.samples.data();
    for (size_t i = 0; i < frames; ++i) {
      auto index = static_cast<size_t>(pos);
      if (index >= total) {
        if (!loop) break;
        index %= total;
      }
      size_t next = index + 1;
      if (next >= total) next = loop ? 0 : index;
      const float t = static_cast<float>(pos - std::floor(pos));
      const size_t a = index * channels, b = next * channels;
      const float l = s[a] + (s[b] - s[a]) * t;
      const float r = s[a + right] + (s[b + right] - s[a + right]) * t;
      accum_[2 * i] += l * leftGain;
      accum_[2 * i + 1] += r * rightGain;
      pos += step;
    }
  }
  const double whole = std::floor(pos);
  phase.fraction = pos - whole;
  sound.AdvanceFrames(static_cast<size_t>(whole) - cursor);
  phase.cursorAfter = sound.CursorFrameLocked();
}

}  // namespace engine
