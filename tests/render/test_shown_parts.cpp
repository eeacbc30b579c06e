// A screen layer is drawn only where it shows anything, as a few rectangles: the parts found in its pixels
// cover every shown pixel once, and leave a frame's hole out.
#include <gtest/gtest.h>

#include "backend/sdl/texture_cache.h"

namespace engine::testing {
namespace {

const Color kKey{255, 0, 255};

// A picture all of the key colour but the rectangles given, which are grey.
std::vector<uint32_t> Picture(int width, int height, const std::vector<ShownArea>& shown) {
  std::vector<uint32_t> pixels(static_cast<size_t>(width) * height, kKey.Packed());
  for (const ShownArea& r : shown)
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) pixels[static_cast<size_t>(y) * width + x] = 0x808080;
  return pixels;
}

// How many of the parts hold the pixel.
int Covering(const std::vector<ShownArea>& parts, int x, int y) {
  int n = 0;
  for (const ShownArea& p : parts) n += x >= p.left && x < p.right && y >= p.top && y < p.bottom ? 1 : 0;
  return n;
}

TEST(ShownParts, AFrameRoundAHoleIsItsFourSidesEachShownPixelInOnePart) {
  // A 40-pixel band above and below, 30-pixel columns left and right: the overhead view's frame.
  const std::vector<ShownArea> frame = {{0, 0, 640, 40}, {0, 440, 640, 480}, {0, 40, 30, 440}, {610, 40, 640, 440}};
  const auto pixels = Picture(640, 480, frame);
  const auto parts = ShownParts(pixels, 640, 480, kKey);
  ASSERT_EQ(parts.size(), 4u);
  int outside = 0, twice = 0;
  for (int y = 0; y < 480; ++y)
    for (int x = 0; x < 640; ++x) {
      const bool shown = pixels[static_cast<size_t>(y) * 640 + x] != kKey.Packed();
      const int n = Covering(parts, x, y);
      outside += shown && n == 0 ? 1 : 0;
      twice += n > 1 ? 1 : 0;
    }
  EXPECT_EQ(outside, 0);
  EXPECT_EQ(twice, 0);
  // The hole is drawn nowhere: the drawn area is the frame's, give or take the grid's rows at the corners.
  int drawn = 0;
  for (const ShownArea& p : parts) drawn += (p.right - p.left) * (p.bottom - p.top);
  const int framePixels = 640 * 480 - 580 * 400;
  EXPECT_GE(drawn, framePixels);
  EXPECT_LE(drawn, framePixels + 2 * 2 * 580 * 15);
  EXPECT_EQ(Covering(parts, 320, 240), 0);
}

TEST(ShownParts, NothingShownIsNoPartAndScatteredDotsAreOneBoundingRectangle) {
  EXPECT_TRUE(ShownParts(Picture(64, 48, {}), 64, 48, kKey).empty());
  // Without a key colour every pixel shows.
  EXPECT_EQ(ShownParts(Picture(64, 48, {}), 64, 48, std::nullopt), (std::vector<ShownArea>{{0, 0, 64, 48}}));
  // A dot every 32 pixels across a 640 x 480 layer: 300 parts would be too many to draw one by one.
  std::vector<ShownArea> dots;
  for (int y = 5; y < 480; y += 32)
    for (int x = 3; x < 640; x += 32) dots.push_back({x, y, x + 1, y + 1});
  const auto parts = ShownParts(Picture(640, 480, dots), 640, 480, kKey);
  ASSERT_EQ(parts.size(), 1u);
  EXPECT_EQ(parts[0], (ShownArea{3, 5, 612, 454}));
  // A picture of odd size: the parts stay inside it.
  const auto edge = ShownParts(Picture(37, 21, {{30, 17, 37, 21}}), 37, 21, kKey);
  ASSERT_EQ(edge.size(), 1u);
  EXPECT_EQ(edge[0], (ShownArea{30, 17, 37, 21}));
}

}  // namespace
}  // namespace engine::testing
