// The logical screen shown inside a window of any size: scaled to fit with its aspect kept, centred,
// black bars filling the rest. The same rectangle maps a pointer in the window back to the logical
// screen, so a click lands on the pixel the player sees under the pointer.
#pragma once

namespace engine {

struct LetterboxRect {
  int x = 0, y = 0, width = 0, height = 0;
  bool operator==(const LetterboxRect&) const = default;
};

struct LogicalPoint {
  int x = 0, y = 0;
  bool operator==(const LogicalPoint&) const = default;
};

// The largest rectangle of the logical aspect that fits the window, centred. A degenerate size (a
// minimised window reports 0 x 0) gives the whole window, so nothing divides by zero.
constexpr LetterboxRect FitLetterbox(int windowWidth, int windowHeight, int logicalWidth, int logicalHeight) {
  if (windowWidth <= 0 || windowHeight <= 0 || logicalWidth <= 0 || logicalHeight <= 0)
    return {0, 0, windowWidth > 0 ? windowWidth : 0, windowHeight > 0 ? windowHeight : 0};
  const long long ww = windowWidth, wh = windowHeight, lw = logicalWidth, lh = logicalHeight;
  LetterboxRect r;
  if (ww * lh <= wh * lw) {
    // Narrower than the logical screen: full width, bars above and below.
    r.width = windowWidth;
    r.height = static_cast<int>((ww * lh + lw / 2) / lw);
    if (r.height < 1) r.height = 1;
    r.y = (windowHeight - r.height) / 2;
  } else {
    r.height = windowHeight;
    r.width = static_cast<int>((wh * lw + lh / 2) / lh);
    if (r.width < 1) r.width = 1;
    r.x = (windowWidth - r.width) / 2;
  }
  return r;
}

namespace letterbox_detail {
// Floor division that stays right for negative numerators (a pointer in the left bar).
constexpr long long FloorDiv(long long a, long long b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }
constexpr int Clamp(long long v, int lo, int hi) { return v < lo ? lo : v > hi ? hi : static_cast<int>(v); }
}  // namespace letterbox_detail

// The logical pixel under the window pixel (wx, wy). Pixel centres are mapped, so the window's centre
// lands on the logical centre for any window size; a pointer over a bar sticks to the nearest edge.
constexpr LogicalPoint WindowToLogical(const LetterboxRect& box, int logicalWidth, int logicalHeight, int wx, int wy) {
  if (box.width <= 0 || box.height <= 0 || logicalWidth <= 0 || logicalHeight <= 0) return {0, 0};
  using letterbox_detail::Clamp;
  using letterbox_detail::FloorDiv;
  const long long lx = FloorDiv((2LL * (wx - box.x) + 1) * logicalWidth, 2LL * box.width);
  const long long ly = FloorDiv((2LL * (wy - box.y) + 1) * logicalHeight, 2LL * box.height);
  return {Clamp(lx, 0, logicalWidth - 1), Clamp(ly, 0, logicalHeight - 1)};
}

}  // namespace engine
