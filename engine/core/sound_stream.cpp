#include <algorithm>
#include <cmath>

#include "core/engine_core.h"
#include "engine/engine_sound.h"

namespace engine {

EngineSoundStream::EngineSoundStream(EngineCore* core, int rate, int channels)
    : core_(core), rate_(rate), channels_(channels) {
  if (core_) core_->RegisterStream(this);
}

EngineSoundStream::~EngineSoundStream() {
  // The registry's lock first, as the mixer takes it: after this no mix can reach the stream.
  if (core_) core_->UnregisterStream(this);
}

void EngineSoundStream::Queue(const int16_t* samples, size_t frames, uintptr_t tag) {
  Block block;
  block.tag = tag;
  if (samples && frames > 0) block.samples.assign(samples, samples + frames * static_cast<size_t>(channels_));
  std::lock_guard<std::mutex> lock(mutex_);
  blocks_.push_back(std::move(block));
  RetirePlayedLocked();
}

void EngineSoundStream::SetPaused(bool paused) {
  std::lock_guard<std::mutex> lock(mutex_);
  paused_ = paused;
}

void EngineSoundStream::Reset() {
  std::lock_guard<std::mutex> lock(mutex_);
  blocks_.clear();
  played_.clear();
  position_ = 0;
  retired_ = 0;
}

uint64_t EngineSoundStream::PlayedFrames() const {
  std::lock_guard<std::mutex> lock(mutex_);
  const uint64_t inFront =
      blocks_.empty() ? 0 : std::min<uint64_t>(static_cast<uint64_t>(position_), blocks_.front().Frames(channels_));
  return retired_ + inFront;
}

std::vector<uintptr_t> EngineSoundStream::TakePlayed() {
  std::lock_guard<std::mutex> lock(mutex_);
  std::vector<uintptr_t> out;
  out.swap(played_);
  return out;
}

size_t EngineSoundStream::QueuedBlocks() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return blocks_.size();
}

void EngineSoundStream::RetirePlayedLocked() {
  while (!blocks_.empty()) {
    const size_t frames = blocks_.front().Frames(channels_);
    if (position_ < static_cast<double>(frames)) break;
    position_ -= static_cast<double>(frames);
    retired_ += frames;
    played_.push_back(blocks_.front().tag);
    blocks_.pop_front();
  }
  // Nothing left to play: the position waits at the start of whatever comes next.
  if (blocks_.empty()) position_ = 0;
}

// Linear interpolation between neighbouring frames, the next one taken from the next block when the frame
// is a block's last, so the seams between blocks are not heard.
void EngineSoundStream::MixInto(float* out, size_t frames, int deviceRate) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (paused_ || deviceRate <= 0 || rate_ <= 0) return;
  const double step = static_cast<double>(rate_) / deviceRate;
  const size_t right = channels_ > 1 ? 1 : 0;
  for (size_t i = 0; i < frames; ++i) {
    RetirePlayedLocked();
    if (blocks_.empty()) return;
    const Block& block = blocks_.front();
    const size_t count = block.Frames(channels_);
    const auto index = static_cast<size_t>(position_);
    const int16_t* a = block.samples.data() + index * static_cast<size_t>(channels_);
    const int16_t* b = a;
    if (index + 1 < count) {
      b = a + channels_;
    } else if (blocks_.size() > 1 && !blocks_[1].samples.empty()) {
      b = blocks_[1].samples.data();
    }
    const float t = static_cast<float>(position_ - std::floor(position_));
    out[2 * i] += a[0] + (b[0] - a[0]) * t;
    out[2 * i + 1] += a[right] + (b[right] - a[right]) * t;
    position_ += step;
  }
  RetirePlayedLocked();
}

}  // namespace engine
