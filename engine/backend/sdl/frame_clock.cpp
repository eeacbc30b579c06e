#include "backend/sdl/frame_clock.h"

namespace engine {

void FrameClock::Start(int64_t nowUs, int framesPerSecond) {
  running_ = true;
  fps_ = framesPerSecond > 0 ? framesPerSecond : 60;
  originUs_ = nowUs;
  frames_ = 1;
  lastUs_ = nowUs;
}

void FrameClock::SetRate(int64_t nowUs, int framesPerSecond) {
  fps_ = framesPerSecond > 0 ? framesPerSecond : 60;
  originUs_ = nowUs;
  frames_ = 1;
}

int64_t FrameClock::UntilDue(int64_t nowUs) const {
  const int64_t wait = DueUs() - nowUs;
  return wait > 0 ? wait : 0;
}

int FrameClock::Take(int64_t nowUs) {
  const int64_t elapsedMs = nowUs > lastUs_ ? (nowUs - lastUs_) / 1000 : 0;
  lastUs_ += elapsedMs * 1000;
  ++frames_;
  if (DueUs() <= nowUs) {
    originUs_ = nowUs;
    frames_ = 1;
  }
  return static_cast<int>(elapsedMs);
}

}  // namespace engine
