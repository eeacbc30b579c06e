// CPU drawing into bitmaps: fills and lines at and beyond the edges, and the keyed stretching copy clipped at
// both rectangles' edges, each checked against a slow, obviously correct model of what should land where.
#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "engine/engine_bitmap.h"

namespace engine {
namespace {

constexpr uint32_t kRed = 0xFF0000;
constexpr uint32_t kGrey = 0x404040;

EngineRef<EngineBitmap> Filled(int width, int height, uint32_t packed) {
  auto image = MakeEngine<EngineBitmap>(width, height);
  const Color c = Color::FromPacked(packed);
  image->Clear(c.r, c.g, c.b);
  image->SetDrawColor(255, 0, 0);
  return image;
}

// Every pixel different, so a test can tell which source pixel landed where.
EngineRef<EngineBitmap> Numbered(int width, int height) {
  auto image = MakeEngine<EngineBitmap>(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) image->SetPixel(x, y, 0x010000u + static_cast<uint32_t>(y * 256 + x));
  return image;
}

// The stretch as a formula: destination pixel X samples source column sx + floor((X - dx + 0.5) * sw / dw).
std::vector<uint32_t> ModelBlit(const EngineBitmap& src, int sx, int sy, int sw, int sh, int dx, int dy, int dw, int dh,
                                bool keyed, int width, int height) {
  std::vector<uint32_t> out(static_cast<size_t>(width) * height, kGrey);
  if (sw <= 0 || sh <= 0 || dw <= 0 || dh <= 0) return out;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if (x < dx || y < dy || int64_t{x} >= int64_t{dx} + dw || int64_t{y} >= int64_t{dy} + dh) continue;
      const int64_t srcX = sx + static_cast<int64_t>(std::floor((x - dx + 0.5) * sw / dw));
      const int64_t srcY = sy + static_cast<int64_t>(std::floor((y - dy + 0.5) * sh / dh));
      if (srcX < 0 || srcY < 0 || srcX >= src.GetWidth() || srcY >= src.GetHeight()) continue;
      const uint32_t v = src.Pixel(static_cast<int>(srcX), static_cast<int>(srcY));
      if (keyed && src.ColorKey() && v == src.ColorKey()->Packed()) continue;
      out[static_cast<size_t>(y) * width + x] = v;
    }
  }
  return out;
}

int CountPixels(const EngineBitmap& image, uint32_t packed) {
  int n = 0;
  for (uint32_t v : image.Pixels()) n += v == packed ? 1 : 0;
  return n;
}

TEST(BitmapFill, RectanglesAreClippedAtEveryEdgeAndOnlyRealChangesMarkTheImage) {
  auto image = MakeEngine<EngineBitmap>(7, 5);
  const uint64_t before = image->Revision();
  image->Clear(255, 0, 0);
  EXPECT_EQ(CountPixels(*image, kRed), 35);
  EXPECT_GT(image->Revision(), before);
  const uint64_t cleared = image->Revision();
  image->SetColorKey(255, 0, 0);
  const uint64_t keyed = image->Revision();
  EXPECT_GT(keyed, cleared) << "what shows changed, though no pixel did";
  image->SetColorKey(255, 0, 0);
  EXPECT_EQ(image->Revision(), keyed) << "a key set every frame must not upload the image every frame";

  const int cases[][4] = {
      {-3, 2, 5, 3},
      {6, 2, 10, 3},
      {2, -4, 3, 6},
      {2, 5, 3, 100},
      {-5, -5, 20, 20},
      {0, 0, 10, 8},
      {9, 7, 1, 1},
      {10, 0, 5, 5},
      {0, 8, 5, 5},
      {3, 3, 0, 4},
      {3, 3, -2, 4},  // empty, inverted
      {INT_MAX - 1, 0, INT_MAX, 3},
      {INT_MIN, INT_MIN, INT_MAX, INT_MAX},  // past the int range
  };
  for (const auto& [x0, y0, w, h] : cases) {
    auto filled = Filled(10, 8, kGrey);
    filled->FillRect(x0, y0, w, h);
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 10; ++x) {
        const bool inside = x >= x0 && y >= y0 && int64_t{x} < int64_t{x0} + w && int64_t{y} < int64_t{y0} + h;
        ASSERT_EQ(filled->Pixel(x, y), inside ? kRed : kGrey) << x0 << "," << y0 << " " << w << "x" << h;
      }
  }
}

// A line's pixels: one per step of the longer axis, each within half a pixel of the true line.
void ExpectFaithfulLine(const EngineBitmap& image, int64_t x1, int64_t y1, int64_t x2, int64_t y2) {
  const bool steep = std::llabs(y2 - y1) > std::llabs(x2 - x1);
  const int majorSize = steep ? image.GetHeight() : image.GetWidth();
  const int minorSize = steep ? image.GetWidth() : image.GetHeight();
  const int64_t m1 = steep ? y1 : x1, m2 = steep ? y2 : x2, n1 = steep ? x1 : y1, n2 = steep ? x2 : y2;
  for (int major = 0; major < majorSize; ++major) {
    int count = 0, minorHit = -1;
    for (int minor = 0; minor < minorSize; ++minor)
      if (image.Pixel(steep ? minor : major, steep ? major : minor) == kRed) ++count, minorHit = minor;
    if (major < std::min(m1, m2) || major > std::max(m1, m2)) {
      ASSERT_EQ(count, 0) << "pixel beyond the line's ends at " << major;
      continue;
    }
    const long double ideal =
        m1 == m2 ? n1 : n1 + static_cast<long double>(n2 - n1) * (major - m1) / static_cast<long double>(m2 - m1);
    if (ideal > 0.5L && ideal < minorSize - 1.5L) {
      ASSERT_EQ(count, 1) << "step " << major;
    }
    ASSERT_LE(count, 1) << "step " << major;
    if (count == 1) {
      ASSERT_LE(std::fabs(static_cast<long double>(minorHit) - ideal), 0.5L + 1e-9L) << major;
    }
  }
}

TEST(BitmapLine, LinesIncludeBothEndsKeepThePixelsOfTheWholeLineWhenClippedAndOutsideDrawNothing) {
  auto image = Filled(10, 6, kGrey);
  image->DrawLine(2, 1, 6, 1);      // horizontal, both ends included
  image->DrawLine(-5, 4, 30, 4);    // across the whole image
  image->DrawLine(9, -10, 9, 100);  // down the last column
  image->DrawLine(0, 5, 0, 5);      // a single point in the corner
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 10; ++x) {
      const bool on = (y == 1 && x >= 2 && x <= 6) || y == 4 || x == 9 || (x == 0 && y == 5);
      ASSERT_EQ(image->Pixel(x, y), on ? kRed : kGrey) << x << "," << y;
    }

  auto outside = Filled(8, 8, kGrey);
  const uint64_t before = outside->Revision();
  outside->DrawLine(-5, -1, 20, -1);
  outside->DrawLine(8, 0, 8, 7);
  outside->DrawLine(-10, 5, -2, 30);  // steep, passing left of the image
  outside->DrawLine(INT_MIN, INT_MAX, INT_MIN, INT_MIN);
  EXPECT_EQ(CountPixels(*outside, kRed), 0);
  EXPECT_EQ(outside->Revision(), before);

  std::mt19937 rng(1234);
  std::uniform_int_distribution<int> near(-40, 60);
  for (int round = 0; round < 300; ++round) {
    const int x1 = near(rng), y1 = near(rng), x2 = near(rng), y2 = near(rng);
    // The same line drawn whole on a large canvas, then compared with the window a small image sees.
    constexpr int kOffset = 50;
    auto whole = Filled(160, 160, kGrey);
    whole->DrawLine(x1 + kOffset, y1 + kOffset, x2 + kOffset, y2 + kOffset);
    auto clipped = Filled(20, 15, kGrey);
    clipped->DrawLine(x1, y1, x2, y2);
    for (int y = 0; y < 15; ++y)
      for (int x = 0; x < 20; ++x)
        ASSERT_EQ(clipped->Pixel(x, y), whole->Pixel(x + kOffset, y + kOffset))
            << "line " << x1 << "," << y1 << " - " << x2 << "," << y2 << " at " << x << "," << y;
    ExpectFaithfulLine(*whole, x1 + kOffset, y1 + kOffset, x2 + kOffset, y2 + kOffset);
  }
  // Far-away ends still cross the image correctly.
  const int64_t far[][4] = {{-1000000000, -999999990, 1000000000, 1000000010},
                            {INT_MIN, 3, INT_MAX, 4},
                            {5, INT_MIN, 6, INT_MAX},
                            {INT_MAX, INT_MIN + 7, INT_MIN, INT_MAX - 3},
                            {-300, 7, 700, 2}};
  for (const auto& l : far) {
    auto small = Filled(16, 12, kGrey);
    small->DrawLine(static_cast<int>(l[0]), static_cast<int>(l[1]), static_cast<int>(l[2]), static_cast<int>(l[3]));
    ExpectFaithfulLine(*small, l[0], l[1], l[2], l[3]);
  }
}

TEST(BitmapBlit, StretchesByThePixelCentresAndClipsAtEveryEdgeOfBothRectanglesLikeTheModel) {
  auto source = Numbered(4, 4);
  auto grown = Filled(8, 8, kGrey);
  grown->DrawBitmap(source, 0, 0, 0, 4, 4, 0, 0, 8, 8);
  auto shrunk = Filled(2, 2, kGrey);
  shrunk->DrawBitmap(source, 0, 0, 0, 4, 4, 0, 0, 2, 2);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) {
      ASSERT_EQ(grown->Pixel(x, y), source->Pixel(x / 2, y / 2)) << x << "," << y;
      if (x < 2 && y < 2) {
        ASSERT_EQ(shrunk->Pixel(x, y), source->Pixel(2 * x + 1, 2 * y + 1));
      }
    }

  // Named edge cases first, then random rectangles: sx, sy, sw, sh, dx, dy, dw, dh.
  std::vector<std::array<int, 8>> cases = {
      {0, 0, 5, 4, -2, 1, 5, 4},      {0, 0, 5, 4, 10, 1, 5, 4}, {0, 0, 5, 4, 1, -3, 5, 4},
      {0, 0, 5, 4, 1, 9, 5, 4},       {0, 0, 5, 4, -7, 5, 9, 9}, {-2, 0, 5, 4, 1, 1, 5, 4},
      {7, 0, 5, 4, 1, 1, 5, 4},       {0, -3, 5, 4, 1, 1, 5, 4}, {6, 5, 5, 4, 1, 1, 10, 8},
      {-3, -3, 15, 13, 0, 0, 13, 11}, {1, 0, 3, 4, 1, 2, 7, 3},  {0, 0, 9, 7, 2, 3, 9, 7},  // uneven; unscaled
  };
  std::mt19937 rng(99);
  std::uniform_int_distribution<int> pos(-12, 20);
  std::uniform_int_distribution<int> size(-2, 25);
  for (int round = 0; round < 500; ++round)
    cases.push_back({pos(rng), pos(rng), size(rng), size(rng), pos(rng), pos(rng), size(rng), size(rng)});
  auto keyed = Numbered(9, 7);
  keyed->SetPixel(4, 4, 0x123456);
  keyed->SetPixel(2, 2, 0x123456);
  keyed->SetColorKey(0x12, 0x34, 0x56);
  for (const auto& [sx, sy, sw, sh, dx, dy, dw, dh] : cases) {
    auto target = Filled(13, 11, kGrey);
    target->SetColorKey(0x01, 0x00, 0x00);  // the target's own key plays no part
    const uint64_t before = target->Revision();
    target->DrawBitmap(keyed, 0, sx, sy, sw, sh, dx, dy, dw, dh);
    const auto expected = ModelBlit(*keyed, sx, sy, sw, sh, dx, dy, dw, dh, true, 13, 11);
    ASSERT_EQ(target->Pixels(), expected)
        << sx << "," << sy << " " << sw << "x" << sh << " -> " << dx << "," << dy << " " << dw << "x" << dh;
    if (CountPixels(*target, kGrey) == 13 * 11) {
      ASSERT_EQ(target->Revision(), before) << "nothing landed";
    }
  }
  auto target = Filled(6, 6, kGrey);
  target->DrawBitmap(MakeEngine<EngineBitmap>(0, 0), 0, 0, 0, 4, 4, 0, 0, 6, 6);  // nothing to sample from
  EXPECT_EQ(CountPixels(*target, kGrey), 36);
  EXPECT_THROW(target->DrawBitmap(EngineRef<EngineBitmap>(), 0, 0, 0, 1, 1, 0, 0, 1, 1), EngineError);
  EXPECT_THROW(target->CopyImage(EngineRef<EngineBitmap>(), 0), EngineError);
}

TEST(BitmapBlit, HugeRectanglesNeitherOverflowNorCrawl) {
  auto source = Numbered(4, 4);
  auto target = Filled(8, 8, kGrey);
  // Source pixel (0, 0) covers hundreds of millions of target pixels, so the visible window is all of it.
  target->DrawBitmap(source, 0, 0, 0, 4, 4, 0, 0, INT_MAX, INT_MAX);
  EXPECT_EQ(CountPixels(*target, source->Pixel(0, 0)), 64);
  // Squeezed the other way: the window samples far into a source that isn't there, so nothing lands.
  auto untouched = Filled(8, 8, kGrey);
  untouched->DrawBitmap(source, 0, 0, 0, INT_MAX, INT_MAX, 0, 0, 8, 8);
  untouched->DrawBitmap(source, 0, INT_MIN, INT_MIN, 4, 4, INT_MAX, INT_MAX, INT_MAX, INT_MAX);
  EXPECT_EQ(CountPixels(*untouched, kGrey), 64);
}

TEST(BitmapBlit, CopyingWithinOneImageReadsTheOriginalAndCopyImageScalesTheWholeSourceIgnoringItsKey) {
  auto image = Numbered(8, 3);
  const auto original = image->Pixels();
  image->DrawBitmap(image, 0, 0, 0, 7, 3, 1, 0, 7, 3);  // shift right by one, overlapping itself
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 8; ++x) ASSERT_EQ(image->Pixel(x, y), original[y * 8 + (x > 0 ? x - 1 : 0)]) << x << "," << y;

  auto source = Numbered(4, 2);
  source->SetPixel(0, 0, kRed);
  source->SetColorKey(255, 0, 0);
  auto target = Filled(8, 6, kGrey);
  const uint64_t before = target->Revision();
  target->CopyImage(source, 0);
  EXPECT_EQ(target->Pixels(), ModelBlit(*source, 0, 0, 4, 2, 0, 0, 8, 6, false, 8, 6));
  EXPECT_EQ(target->Pixel(0, 0), kRed);  // the key colour is copied like any other
  EXPECT_EQ(target->Pixel(7, 5), source->Pixel(3, 1));
  EXPECT_GT(target->Revision(), before);
}

}  // namespace
}  // namespace engine
