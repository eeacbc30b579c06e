#include "core/engine_core.h"
#include "engine/engine_sound.h"

namespace engine {

EngineSound::EngineSound(EngineCore* core, PcmData pcm) : core_(core), pcm_(std::move(pcm)) {
  if (core_) core_->RegisterSound(this);
}

EngineSound::~EngineSound() {
  // Not under our own mutex: the mixer takes the registry's lock before a sound's, so unregistering
  // while holding the sound's lock could deadlock against it.
  if (core_) core_->UnregisterSound(this);
}

void EngineSound::Play(int loop, int /*flags*/) {
  std::lock_guard<std::mutex> lock(mutex_);
  // Playing a sound that already plays starts it again from the top, like firing a shot twice.
  cursor_ = 0;
  remainderMilliFrames_ = 0;
  loop_ = loop != 0;
  playing_ = true;
}

void EngineSound::Stop() {
  std::lock_guard<std::mutex> lock(mutex_);
  playing_ = false;
  cursor_ = 0;
  remainderMilliFrames_ = 0;
}

// Volume and pan are kept as the game passes them (a level below 0 is legitimate and means silence);
// whoever mixes clamps them to what the speakers can do.
void EngineSound::SetVolume(int volume) {
  std::lock_guard<std::mutex> lock(mutex_);
  volume_ = volume;
}

void EngineSound::SetPan(int pan) {
  std::lock_guard<std::mutex> lock(mutex_);
  pan_ = pan;
}

int EngineSound::IsPlaying() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return playing_ ? 1 : 0;
}

int EngineSound::IsBusy() const { return IsPlaying(); }

size_t EngineSound::CursorFrame() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return cursor_;
}

void EngineSound::AdvanceMs(int64_t ms) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (!playing_ || ms <= 0) return;
  const size_t total = pcm_.Frames();
  if (total == 0 || pcm_.sampleRate <= 0) {
    // A silent placeholder still "plays" until the first tick, so a caller that waits for it to start
    // and then to stop sees both; a looping one just stays on.
    if (!loop_) playing_ = false;
    return;
  }
  // Time is counted in thousandths of a frame (ms * rate); what does not make a whole frame is carried,
  // so a hundred 1 ms ticks move the cursor exactly as far as one 100 ms tick. 128-bit so an absurd
  // span cannot overflow.
  const __int128 scaled = static_cast<__int128>(ms) * pcm_.sampleRate + remainderMilliFrames_;
  const __int128 frames = scaled / 1000;
  remainderMilliFrames_ = static_cast<int64_t>(scaled % 1000);
  if (loop_) {
    cursor_ = static_cast<size_t>((static_cast<__int128>(cursor_) + frames) % static_cast<__int128>(total));
  } else if (static_cast<__int128>(cursor_) + frames >= static_cast<__int128>(total)) {
    cursor_ = total;
    remainderMilliFrames_ = 0;
    playing_ = false;
  } else {
    cursor_ += static_cast<size_t>(frames);
  }
}

// The mixer calls this while it holds Mutex(): it reads the samples at the cursor and moves past them
// in one step, so a Play from the game thread cannot slip in between.
void EngineSound::AdvanceFrames(size_t frames) {
  if (!playing_ || frames == 0) return;
  const size_t total = pcm_.Frames();
  if (total == 0) {
    if (!loop_) playing_ = false;
    return;
  }
  if (loop_) {
    cursor_ = (cursor_ + frames % total) % total;
  } else if (frames >= total - cursor_) {
    cursor_ = total;
    playing_ = false;
  } else {
    cursor_ += frames;
  }
}

}  // namespace engine
