// When the next frame event is due, and how long the frame that ends now lasted, from real time.
// Frames are due at exact multiples of the period (no drift at 60 per second); a program that fell
// behind is not sent a burst of frames to catch up, only one frame carrying the whole time that passed.
#pragma once

#include <cstdint>

namespace engine {

class FrameClock {
 public:
  // Starts counting at nowUs; the first frame is due one period later.
  void Start(int64_t nowUs, int framesPerSecond);
  // A new rate takes effect from now, without losing the time of the frame in progress.
  void SetRate(int64_t nowUs, int framesPerSecond);
  bool Running() const { return running_; }
  // Microseconds until the next frame is due; 0 when it is due.
  int64_t UntilDue(int64_t nowUs) const;
  // Ends the due frame: its length in whole milliseconds of real time (the fraction is carried to the
  // next frame, so the lengths add up to the real time passed).
  int Take(int64_t nowUs);

 private:
  int64_t DueUs() const { return originUs_ + frames_ * 1000000 / fps_; }

  bool running_ = false;
  int64_t fps_ = 60;
  int64_t originUs_ = 0;
  int64_t frames_ = 1;
  int64_t lastUs_ = 0;
};

}  // namespace engine
