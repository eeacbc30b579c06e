// The layout rule every 2D screen relies on: fractions below 1.0, pixels from 1.0 on, truncation toward zero,
// and the two design spaces scaled to the screen.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "shell/engine_setup.h"
#include "shell/layout.h"

namespace kestrine {
namespace {

TEST(LayoutTest, FractionsBelowOnePixelsFromOneTruncatedTowardZero) {
  EXPECT_EQ(PixelX(0.5), 320);
  EXPECT_EQ(PixelY(0.1), 48);
  EXPECT_EQ(PixelX(0.999), 639);  // still a fraction: the last column
  EXPECT_EQ(PixelX(1.0), 1);      // one pixel, not the right edge
  EXPECT_DOUBLE_EQ(ScreenX(427.5), 427.5);
  EXPECT_EQ(PixelY(0.3333), 159);  // 159.98
  EXPECT_EQ(PixelX(-0.5), -320);   // negative is below 1.0 too
  EXPECT_EQ(TruncatePixels(-2.7), -2);
  // Values no pixel can take are pinned instead of overflowing.
  EXPECT_EQ(TruncatePixels(1e12), std::numeric_limits<int>::max());
  EXPECT_EQ(TruncatePixels(std::nan("")), 0);
}

TEST(LayoutTest, DesignSpacesUseIntegerQuotientsOfTheScreenSize) {
  EXPECT_EQ(FullX(427), 427);
  EXPECT_EQ(PanelX(75), 75);    // 75.71
  EXPECT_EQ(PanelY(218), 229);  // 229.97
  EXPECT_EQ(PanelY(222), 234);  // the player-controls box: 16 rows of 14
  EXPECT_NEAR(PanelXReal(57), 57.0 * 640 / 634, 1e-9);

  SetScreenSize(800, 600);
  EXPECT_EQ(PixelX(0.5), 400);
  EXPECT_EQ(FullY(240), 300);
  EXPECT_EQ(PanelX(317), 400);
  EXPECT_EQ(PanelY(218), 287);  // 287.47
  SetScreenSize(4096, Engine().screenHeight);
  EXPECT_EQ(FullX(1000000), 6400000);  // no overflow on the way
  SetScreenSize(640, 480);
}

}  // namespace
}  // namespace kestrine
