// EngineSound: decoded PCM with a play cursor. The headless backend advances cursors with its virtual
// clock; the SDL backend mixes from the same cursors in its audio callback.
#pragma once

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "engine/engine_ref.h"

namespace engine {

class EngineCore;

// PCM as the engine keeps it: interleaved signed 16-bit frames.
struct PcmData {
  int sampleRate = 22050;
  int channels = 1;
  std::vector<int16_t> samples;  // frames * channels
  size_t Frames() const { return channels > 0 ? samples.size() / static_cast<size_t>(channels) : 0; }
  // Length in milliseconds, rounded up so a non-empty sound lasts at least 1 ms.
  int64_t LengthMs() const {
    return sampleRate > 0 ? (static_cast<int64_t>(Frames()) * 1000 + sampleRate - 1) / sampleRate : 0;
  }
};

class EngineSound : public EngineUnknown {
 public:
  EngineSound(EngineCore* core, PcmData pcm);
  ~EngineSound() override;
  const char* InterfaceName() const override { return "EngineSound"; }

  int IsLoaded() const { return 1; }
  // loop 1 repeats until stopped; the second argument is kept for the record. Playing restarts at the start.
  void Play(int loop, int flags);
  void Stop();
  void SetVolume(int volume);  // 0..127 game scale; below 0 is silent
  void SetPan(int pan);        // -100 (left) .. 100 (right)
  int IsPlaying() const;
  // Busy: still sounding (a stopped sound is not busy).
  int IsBusy() const;

  // ---- engine-side ----
  const PcmData& Pcm() const { return pcm_; }
  // Volume, pan and loop change only on the game thread (under Mutex()): read them there, or under Mutex().
  int Volume() const { return volume_; }
  int Pan() const { return pan_; }
  bool Looping() const { return loop_; }
  // Advances the cursor by a span of the sound's own time; ends a one-shot sound at its end.
  void AdvanceMs(int64_t ms);
  // The play cursor, in frames. The mixer moves it on its own thread.
  size_t CursorFrame() const;
  bool IsPlaceholder() const { return placeholder_; }
  void MarkPlaceholder() { placeholder_ = true; }
  std::mutex& Mutex() const { return mutex_; }
  void DetachCore() { core_ = nullptr; }

  // ---- for the mixer, which already holds Mutex() ----
  bool PlayingLocked() const { return playing_; }
  size_t CursorFrameLocked() const { return cursor_; }
  // Reading samples and moving the cursor are one step under the lock.
  void AdvanceFrames(size_t frames);

 private:
  EngineCore* core_;
  PcmData pcm_;
  mutable std::mutex mutex_;
  bool playing_ = false;
  bool loop_ = false;
  size_t cursor_ = 0;                 // in frames
  int64_t remainderMilliFrames_ = 0;  // thousandths of a frame carried between advances
  int volume_ = 127;
  int pan_ = 0;
  bool placeholder_ = false;
};

}  // namespace engine
