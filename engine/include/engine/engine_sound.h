// EngineSound: decoded PCM with a play cursor. The headless backend advances cursors with its virtual
// clock; the SDL backend mixes from the same cursors in its audio callback.
#pragma once

#include <cstdint>
#include <deque>
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

// A sound fed while it plays, such as a movie's: its owner queues blocks of interleaved 16-bit frames at the
// stream's own rate, the audio device's mixer plays them in order, resampled like every sound, and counts the
// frames it has played; a block played to its end is handed back by its tag, so the owner can fill it again.
// Only an engine with an audio device makes streams (EngineRoot::CreateSoundStream).
class EngineSoundStream : public EngineUnknown {
 public:
  EngineSoundStream(EngineCore* core, int rate, int channels);
  ~EngineSoundStream() override;
  const char* InterfaceName() const override { return "EngineSoundStream"; }

  int Rate() const { return rate_; }
  int Channels() const { return channels_; }
  // Queues `frames` frames (Channels() samples each); `tag` comes back from TakePlayed once the last of them
  // has been played. An empty block comes back at once, in its turn.
  void Queue(const int16_t* samples, size_t frames, uintptr_t tag);
  // A paused stream is silent and keeps its place.
  void SetPaused(bool paused);
  // Drops everything queued (no tag comes back for it) and counts from 0 again.
  void Reset();
  // Frames played since the stream was made or last reset.
  uint64_t PlayedFrames() const;
  // The tags of the blocks played to their end since the last call, in the order they were queued.
  std::vector<uintptr_t> TakePlayed();
  // Blocks queued and not played out yet.
  size_t QueuedBlocks() const;

  // ---- for the mixer, on the audio device's thread ----
  // Adds the next `frames` frames of the stream at the device's rate to out (left/right pairs, full volume),
  // and moves on by what it took.
  void MixInto(float* out, size_t frames, int deviceRate);
  void DetachCore() { core_ = nullptr; }

 private:
  struct Block {
    std::vector<int16_t> samples;
    uintptr_t tag = 0;
    size_t Frames(int channels) const { return samples.size() / static_cast<size_t>(channels); }
  };
  // Pops the blocks the position has passed; the caller holds the lock.
  void RetirePlayedLocked();

  EngineCore* core_;
  const int rate_;
  const int channels_;
  mutable std::mutex mutex_;
  std::deque<Block> blocks_;
  double position_ = 0;   // frames into the front block, and the fraction towards the next one
  uint64_t retired_ = 0;  // frames of the blocks played out before the front one
  std::vector<uintptr_t> played_;
  bool paused_ = false;
};

}  // namespace engine
