// Frame pacing from a clock the test holds: when frames are due and how long each one lasted.
#include <gtest/gtest.h>

#include "backend/sdl/frame_clock.h"

namespace engine {
namespace {

TEST(FrameClock, FramesAreDueAtExactMultiplesOfThePeriod) {
  FrameClock clock;
  clock.Start(0, 60);
  EXPECT_EQ(clock.UntilDue(0), 16666);
  EXPECT_EQ(clock.UntilDue(16000), 666);
  EXPECT_EQ(clock.UntilDue(20000), 0);
  int64_t total = 0;
  int64_t now = 0;
  for (int frame = 1; frame <= 60; ++frame) {
    now += clock.UntilDue(now);  // woken exactly when due
    total += clock.Take(now);
  }
  EXPECT_EQ(now, 1000000) << "sixty frames at 60 per second end at one second, no drift";
  EXPECT_EQ(total, 1000) << "and their lengths add up to it";
}

TEST(FrameClock, LengthIsTheRealTimeWithFractionsCarriedAndASlowFrameIsOneLongFrame) {
  FrameClock clock;
  clock.Start(0, 60);
  EXPECT_EQ(clock.Take(16666), 16);
  EXPECT_EQ(clock.Take(33333), 17);  // the 0.666 ms left over from the first frame counts here
  EXPECT_EQ(clock.Take(50000), 17);  // 16 + 17 + 17: the 50 ms that passed
  EXPECT_EQ(clock.Take(300000), 250) << "the game sees the whole time that passed";
  EXPECT_EQ(clock.UntilDue(300000), 16666) << "the next frame a full period later, not at once";
}

TEST(FrameClock, ANewRateTakesEffectFromNowAndNonsenseFallsBackToSixty) {
  FrameClock clock;
  clock.Start(0, 60);
  clock.SetRate(10000, 20);
  EXPECT_EQ(clock.UntilDue(10000), 50000);
  EXPECT_EQ(clock.Take(60000), 60) << "the frame in progress keeps the time it already had";
  FrameClock nonsense;
  nonsense.Start(0, 0);
  EXPECT_EQ(nonsense.UntilDue(0), 16666);
}

}  // namespace
}  // namespace engine
