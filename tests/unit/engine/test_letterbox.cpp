// The logical 640 x 480 screen inside windows of any shape, and pointers mapped back onto it.
#include <gtest/gtest.h>

#include "backend/sdl/letterbox.h"

namespace engine {
namespace {

TEST(Letterbox, ThePictureKeepsItsAspectWithBarsOnTheLongSideAndAMinimisedWindowDividesByNothing) {
  EXPECT_EQ(FitLetterbox(1920, 1080, 640, 480), (LetterboxRect{240, 0, 1440, 1080}));
  EXPECT_EQ(FitLetterbox(800, 1000, 640, 480), (LetterboxRect{0, 200, 800, 600}));
  EXPECT_EQ(FitLetterbox(1024, 768, 640, 480), (LetterboxRect{0, 0, 1024, 768}));
  EXPECT_EQ(FitLetterbox(640, 480, 640, 480), (LetterboxRect{0, 0, 640, 480}));
  EXPECT_EQ(FitLetterbox(0, 0, 640, 480), (LetterboxRect{0, 0, 0, 0}));
  EXPECT_EQ(WindowToLogical(FitLetterbox(0, 0, 640, 480), 640, 480, 10, 10), (LogicalPoint{0, 0}));
}

TEST(LetterboxPointer, TheCentreCornersAndBarsMapOntoTheLogicalScreen) {
  const int sizes[][2] = {{640, 480}, {1024, 768}, {1920, 1080}, {1000, 500}, {1001, 501}, {800, 1000}, {1366, 768}};
  for (const auto& s : sizes) {
    const LetterboxRect box = FitLetterbox(s[0], s[1], 640, 480);
    EXPECT_EQ(WindowToLogical(box, 640, 480, s[0] / 2, s[1] / 2), (LogicalPoint{320, 240}))
        << "window " << s[0] << " x " << s[1];
  }
  const LetterboxRect box = FitLetterbox(1920, 1080, 640, 480);
  EXPECT_EQ(WindowToLogical(box, 640, 480, 240, 0), (LogicalPoint{0, 0}));
  EXPECT_EQ(WindowToLogical(box, 640, 480, 240 + 1440 - 1, 1079), (LogicalPoint{639, 479}));
  // 2.25 window pixels per logical pixel: pixel 100 of the picture is logical pixel 44.
  EXPECT_EQ(WindowToLogical(box, 640, 480, 240 + 100, 100), (LogicalPoint{44, 44}));
  // Over a bar the pointer sticks to the nearest edge.
  EXPECT_EQ(WindowToLogical(box, 640, 480, 10, 540), (LogicalPoint{0, 240}));
  EXPECT_EQ(WindowToLogical(box, 640, 480, 1910, 540), (LogicalPoint{639, 240}));
  const LetterboxRect tall = FitLetterbox(800, 1000, 640, 480);
  EXPECT_EQ(WindowToLogical(tall, 640, 480, 400, 5), (LogicalPoint{320, 0}));
  EXPECT_EQ(WindowToLogical(tall, 640, 480, 400, 995), (LogicalPoint{320, 479}));
  // At twice the size every logical pixel is reachable.
  const LetterboxRect twice = FitLetterbox(1280, 960, 640, 480);
  for (int lx = 0; lx < 640; ++lx) {
    EXPECT_EQ(WindowToLogical(twice, 640, 480, 2 * lx, 0).x, lx);
    EXPECT_EQ(WindowToLogical(twice, 640, 480, 2 * lx + 1, 0).x, lx);
  }
}

}  // namespace
}  // namespace engine
