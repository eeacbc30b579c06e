#include "shell/layout.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "shell/engine_setup.h"

namespace kestrine {

namespace {

constexpr int kFullWidth = 640;
constexpr int kFullHeight = 480;
constexpr int kPanelWidth = 634;
constexpr int kPanelHeight = 455;

// 64-bit product so a large design value cannot overflow before the division; the quotient truncates toward
// zero like the integer layouts the screens were designed with.
int Scale(int screenSize, int value, int designSize) {
  return static_cast<int>(static_cast<int64_t>(screenSize) * value / designSize);
}

}  // namespace

double ScreenX(double x) { return x < 1.0 ? x * Engine().screenWidth : x; }
double ScreenY(double y) { return y < 1.0 ? y * Engine().screenHeight : y; }

int TruncatePixels(double value) {
  // A NaN or a value past the int range would make the conversion undefined; pin them instead.
  if (std::isnan(value)) return 0;
  if (value >= static_cast<double>(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
  if (value <= static_cast<double>(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
  return static_cast<int>(value);
}

int PixelX(double x) { return TruncatePixels(ScreenX(x)); }
int PixelY(double y) { return TruncatePixels(ScreenY(y)); }

int FullX(int a) { return Scale(Engine().screenWidth, a, kFullWidth); }
int FullY(int b) { return Scale(Engine().screenHeight, b, kFullHeight); }
int PanelX(int a) { return Scale(Engine().screenWidth, a, kPanelWidth); }
int PanelY(int b) { return Scale(Engine().screenHeight, b, kPanelHeight); }

double PanelXReal(double a) { return Engine().screenWidth * a / kPanelWidth; }
double PanelYReal(double b) { return Engine().screenHeight * b / kPanelHeight; }

}  // namespace kestrine
