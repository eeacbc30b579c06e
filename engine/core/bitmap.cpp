// CPU drawing into engine bitmaps: clear, fill, line and the keyed stretching copy. Every operation clips
// silently at the image's edges, so callers may hand us rectangles and lines that stick out anywhere.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "engine/engine_bitmap.h"

namespace engine {

namespace {

// Walks the source offsets picked for consecutive destination offsets of a stretch: destination offset k
// samples the source at the centre of its span, floor((2k + 1) * srcLen / (2 * dstLen)). Kept exact with an
// integer quotient and remainder, so a long blit needs one division to start and only additions after.
class StretchStep {
 public:
  StretchStep(int64_t srcLen, int64_t dstLen, int64_t firstK)
      : den_(2 * static_cast<uint64_t>(dstLen)),
        stepQ_(2 * static_cast<uint64_t>(srcLen) / den_),
        stepR_(2 * static_cast<uint64_t>(srcLen) % den_) {
    // (2k + 1) * srcLen stays below 2^63 for any int lengths, as k < dstLen <= INT_MAX.
    const uint64_t num = (2 * static_cast<uint64_t>(firstK) + 1) * static_cast<uint64_t>(srcLen);
    q_ = num / den_;
    r_ = num % den_;
  }
  int64_t Offset() const { return static_cast<int64_t>(q_); }
  void Next() {
    q_ += stepQ_;
    r_ += stepR_;
    if (r_ >= den_) {
      r_ -= den_;
      ++q_;
    }
  }

 private:
  uint64_t den_;
  uint64_t stepQ_;
  uint64_t stepR_;
  uint64_t q_ = 0;
  uint64_t r_ = 0;
};

}  // namespace

EngineBitmap::EngineBitmap(int width, int height)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<size_t>(width_) * static_cast<size_t>(height_), 0u) {}

void EngineBitmap::Clear(int r, int g, int b) {
  std::fill(pixels_.begin(), pixels_.end(), MakeColor(r, g, b).Packed());
  Touch();
}

// A new key changes what shows, though no pixel changed: it is a new revision for the renderer.
void EngineBitmap::SetColorKey(int r, int g, int b) {
  const Color key = MakeColor(r, g, b);
  if (key_ == key) return;
  key_ = key;
  Touch();
}

void EngineBitmap::SetDrawColor(int r, int g, int b) { draw_ = MakeColor(r, g, b); }

void EngineBitmap::FillRect(int x, int y, int width, int height) {
  // 64-bit edges: x + width may pass INT_MAX.
  const int64_t x0 = std::max<int64_t>(x, 0);
  const int64_t y0 = std::max<int64_t>(y, 0);
  const int64_t x1 = std::min<int64_t>(int64_t{x} + width, width_);
  const int64_t y1 = std::min<int64_t>(int64_t{y} + height, height_);
  if (x0 >= x1 || y0 >= y1) return;
  const uint32_t color = draw_.Packed();
  for (int64_t row = y0; row < y1; ++row) {
    uint32_t* line = pixels_.data() + row * width_;
    std::fill(line + x0, line + x1, color);
  }
  Touch();
}

void EngineBitmap::DrawLine(int x1, int y1, int x2, int y2) {
  if (width_ == 0 || height_ == 0) return;
  // Bresenham along the major axis. Step i of the major axis has minor offset round-half-up(i * dn / dm); we
  // start at the first step that can be on the image, so a line from far outside costs no more than one
  // across the image, and the pixels drawn are exactly those of the unclipped line.
  const int64_t ddx = int64_t{x2} - x1;
  const int64_t ddy = int64_t{y2} - y1;
  const bool steep = std::llabs(ddy) > std::llabs(ddx);
  const int64_t majorStart = steep ? y1 : x1;
  const int64_t minorStart = steep ? x1 : y1;
  const int64_t majorDelta = steep ? ddy : ddx;
  const int64_t minorDelta = steep ? ddx : ddy;
  const int64_t dm = std::llabs(majorDelta);
  const int64_t dn = std::llabs(minorDelta);
  const int64_t majorSign = majorDelta < 0 ? -1 : 1;
  const int64_t minorSign = minorDelta < 0 ? -1 : 1;
  const int64_t majorLimit = steep ? height_ : width_;
  const int64_t minorLimit = steep ? width_ : height_;

  int64_t first = 0;
  int64_t last = dm;
  if (majorSign > 0) {
    first = std::max<int64_t>(first, -majorStart);
    last = std::min<int64_t>(last, majorLimit - 1 - majorStart);
  } else {
    first = std::max<int64_t>(first, majorStart - (majorLimit - 1));
    last = std::min<int64_t>(last, majorStart);
  }
  if (first > last) return;

  // minor offset = floor((2 i dn + dm) / (2 dm)); the first product can pass 64 bits for far-off ends.
  const uint64_t den = 2 * static_cast<uint64_t>(dm);
  int64_t minorOffset = 0;
  uint64_t remainder = 0;
  if (dm > 0) {
    const unsigned __int128 num =
        static_cast<unsigned __int128>(2 * static_cast<uint64_t>(first)) * static_cast<uint64_t>(dn) +
        static_cast<uint64_t>(dm);
    minorOffset = static_cast<int64_t>(num / den);
    remainder = static_cast<uint64_t>(num % den);
  }
  const uint64_t step = 2 * static_cast<uint64_t>(dn);  // never more than den: at most one minor step

  const uint32_t color = draw_.Packed();
  bool drew = false;
  for (int64_t i = first; i <= last; ++i) {
    const int64_t major = majorStart + majorSign * i;
    const int64_t minor = minorStart + minorSign * minorOffset;
    if (minor >= 0 && minor < minorLimit) {
      const int64_t px = steep ? minor : major;
      const int64_t py = steep ? major : minor;
      pixels_[static_cast<size_t>(py) * width_ + static_cast<size_t>(px)] = color;
      drew = true;
    }
    remainder += step;
    if (remainder >= den) {
      remainder -= den;
      ++minorOffset;
    }
  }
  if (drew) Touch();
}

void EngineBitmap::DrawBitmap(const EngineRef<EngineBitmap>& source, int mode, int sx, int sy, int sw, int sh, int dx,
                              int dy, int dw, int dh) {
  (void)mode;  // the only mode the game uses is a plain keyed copy
  if (!source) throw EngineError(kStatusNullReference, InterfaceName(), "DrawBitmap (no source image)");
  Blit(*source, sx, sy, sw, sh, dx, dy, dw, dh, true);
}

void EngineBitmap::CopyImage(const EngineRef<EngineBitmap>& source, int mode) {
  (void)mode;
  if (!source) throw EngineError(kStatusNullReference, InterfaceName(), "CopyImage (no source image)");
  Blit(*source, 0, 0, source->GetWidth(), source->GetHeight(), 0, 0, width_, height_, false);
}

void EngineBitmap::Blit(const EngineBitmap& source, int sx, int sy, int sw, int sh, int dx, int dy, int dw, int dh,
                        bool keyed) {
  // An empty or inverted rectangle on either side copies nothing.
  if (sw <= 0 || sh <= 0 || dw <= 0 || dh <= 0) return;
  if (source.width_ == 0 || source.height_ == 0) return;

  // The scale is fixed by the two rectangles as given; clipping then drops destination pixels that fall off
  // this image and those whose source sample falls off the source image. Both clips are contiguous runs
  // because the sampling is monotonic.
  const int64_t colFirst = std::max<int64_t>(dx, 0);
  const int64_t colEnd = std::min<int64_t>(int64_t{dx} + dw, width_);
  const int64_t rowFirst = std::max<int64_t>(dy, 0);
  const int64_t rowEnd = std::min<int64_t>(int64_t{dy} + dh, height_);
  if (colFirst >= colEnd || rowFirst >= rowEnd) return;

  // Source column of every visible destination column, trimmed to the source image.
  std::vector<uint32_t> columns;
  columns.reserve(static_cast<size_t>(colEnd - colFirst));
  int64_t firstKept = colFirst;
  {
    StretchStep step(sw, dw, colFirst - dx);
    for (int64_t col = colFirst; col < colEnd; ++col, step.Next()) {
      const int64_t srcCol = sx + step.Offset();
      if (srcCol < 0) {
        firstKept = col + 1;
        continue;
      }
      if (srcCol >= source.width_) break;
      columns.push_back(static_cast<uint32_t>(srcCol));
    }
  }
  if (columns.empty()) return;

  // Copying from ourselves must read the picture as it was before this call wrote to it.
  std::vector<uint32_t> snapshot;
  const uint32_t* src = source.pixels_.data();
  if (&source == this) {
    snapshot = pixels_;
    src = snapshot.data();
  }

  const bool useKey = keyed && source.key_.has_value();
  const uint32_t key = useKey ? source.key_->Packed() : 0;
  const size_t count = columns.size();
  const uint32_t* cols = columns.data();
  bool drew = false;

  StretchStep rowStep(sh, dh, rowFirst - dy);
  for (int64_t row = rowFirst; row < rowEnd; ++row, rowStep.Next()) {
    const int64_t srcRow = sy + rowStep.Offset();
    if (srcRow < 0) continue;
    if (srcRow >= source.height_) break;
    const uint32_t* from = src + srcRow * source.width_;
    uint32_t* to = pixels_.data() + row * width_ + firstKept;
    if (useKey) {
      for (size_t i = 0; i < count; ++i) {
        const uint32_t v = from[cols[i]];
        if (v != key) to[i] = v;
      }
    } else {
      for (size_t i = 0; i < count; ++i) to[i] = from[cols[i]];
    }
    drew = true;
  }
  if (drew) Touch();
}

}  // namespace engine
