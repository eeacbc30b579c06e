// CPU drawing into engine bitmaps: clear, fill, line and the keyed stretching copy. Every operation clips
// silently at the image's edges, so callers may hand us rectangles and lines that stick out anywhere.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
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

// The first pixel of [x0, x1) that is not colour (x1 when none): eight at a time while they all are.
int64_t FirstDiffering(const uint32_t* line, int64_t x0, int64_t x1, uint32_t colour) {
  const uint64_t two = (static_cast<uint64_t>(colour) << 32) | colour;
  int64_t i = x0;
  for (; i + 8 <= x1; i += 8) {
    uint64_t w[4];
    std::memcpy(w, line + i, sizeof w);
    if (((w[0] ^ two) | (w[1] ^ two) | (w[2] ^ two) | (w[3] ^ two)) != 0) break;
  }
  while (i < x1 && line[i] == colour) ++i;
  return i;
}

// One past the last pixel of [x0, x1) that is not colour, looking from the end (x0 when none).
int64_t EndOfDiffering(const uint32_t* line, int64_t x0, int64_t x1, uint32_t colour) {
  const uint64_t two = (static_cast<uint64_t>(colour) << 32) | colour;
  int64_t end = x1;
  for (; end - 8 >= x0; end -= 8) {
    uint64_t w[4];
    std::memcpy(w, line + end - 8, sizeof w);
    if (((w[0] ^ two) | (w[1] ^ two) | (w[2] ^ two) | (w[3] ^ two)) != 0) break;
  }
  while (end > x0 && line[end - 1] == colour) --end;
  return end;
}

}  // namespace

EngineBitmap::EngineBitmap(int width, int height)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(std::make_shared<std::vector<uint32_t>>(static_cast<size_t>(width_) * static_cast<size_t>(height_), 0u)),
      rows_(static_cast<size_t>(height_)) {}

EngineBitmap::EngineBitmap(int width, int height, std::shared_ptr<const std::vector<uint32_t>> shared)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      // Never written through while shared: Own() copies first.
      pixels_(std::const_pointer_cast<std::vector<uint32_t>>(std::move(shared))),
      pixelsShared_(true),
      rows_(static_cast<size_t>(height_)) {
  for (RowState& row : rows_) row.colour = kMixedRow;
}

std::vector<uint32_t>& EngineBitmap::Own() {
  if (pixelsShared_ || pixels_.use_count() > 1) {
    pixels_ = std::make_shared<std::vector<uint32_t>>(*pixels_);
    pixelsShared_ = false;
  }
  return *pixels_;
}

void EngineBitmap::Clear(int r, int g, int b) {
  const uint32_t colour = MakeColor(r, g, b).Packed();
  for (int64_t row = 0; row < height_; ++row) FillRow(row, 0, width_, colour);
  ++revision_;
}

// Screens clear their layers and paint the same picture again every frame: what already holds the colour is
// left alone, neither written nor counted as written.
void EngineBitmap::FillRow(int64_t row, int64_t x0, int64_t x1, uint32_t colour) {
  RowState& state = rows_[static_cast<size_t>(row)];
  const bool sameColour = state.colour == colour;
  // Outside its written columns a row of this colour holds it already.
  const int64_t from = sameColour ? std::max<int64_t>(x0, state.from) : x0;
  const int64_t to = sameColour ? std::min<int64_t>(x1, state.to) : x1;
  uint32_t* line = Own().data() + row * width_;
  const int64_t first = from < to ? FirstDiffering(line, from, to, colour) : to;
  const bool wholeRow = x0 == 0 && x1 == width_;
  if (first < to) {
    const int64_t end = EndOfDiffering(line, first, to, colour);
    std::fill(line + first, line + end, colour);
    // Inside the written columns of a row of this colour, or over a whole row, the row's state is settled
    // below; only the renderer needs to hear of it.
    if (sameColour || wholeRow) {
      if (tracking_) NoteWrittenRows(first, row, end, row + 1);
    } else {
      NoteWritten(first, row, end, row + 1);
    }
  }
  if (sameColour) {
    // The written columns the fill covered hold the colour again.
    if (x0 <= state.from && x1 >= state.to) state.from = state.to = 0;
  } else if (wholeRow) {
    state = RowState{colour, 0, 0};
  }
}

void EngineBitmap::NoteWritten(int64_t x0, int64_t y0, int64_t x1, int64_t y1) {
  x0 = std::max<int64_t>(x0, 0);
  x1 = std::min<int64_t>(x1, width_);
  if (x0 >= x1) return;
  for (int64_t row = std::max<int64_t>(y0, 0); row < std::min<int64_t>(y1, height_); ++row) {
    RowState& state = rows_[static_cast<size_t>(row)];
    if (state.colour == kMixedRow) continue;
    if (state.from >= state.to) {
      state.from = static_cast<int32_t>(x0);
      state.to = static_cast<int32_t>(x1);
    } else {
      state.from = std::min(state.from, static_cast<int32_t>(x0));
      state.to = std::max(state.to, static_cast<int32_t>(x1));
    }
  }
  if (tracking_) NoteWrittenRows(x0, y0, x1, y1);
}

void EngineBitmap::TrackWrites() const {
  tracking_ = true;
  writtenUnknown_ = false;
  trackedSince_ = revision_;
  written_.assign(static_cast<size_t>(height_), RowSpan{});
}

const std::vector<EngineBitmap::RowSpan>* EngineBitmap::WrittenSince(uint64_t since) const {
  if (!tracking_ || writtenUnknown_ || since != trackedSince_) return nullptr;
  return &written_;
}

void EngineBitmap::NoteWrittenRows(int64_t x0, int64_t y0, int64_t x1, int64_t y1) const {
  x0 = std::max<int64_t>(x0, 0);
  y0 = std::max<int64_t>(y0, 0);
  x1 = std::min<int64_t>(x1, width_);
  y1 = std::min<int64_t>(y1, height_);
  if (x0 >= x1) return;
  for (int64_t row = y0; row < y1; ++row) {
    RowSpan& span = written_[static_cast<size_t>(row)];
    if (span.from >= span.to) {
      span = {static_cast<int32_t>(x0), static_cast<int32_t>(x1)};
    } else {
      span.from = std::min(span.from, static_cast<int32_t>(x0));
      span.to = std::max(span.to, static_cast<int32_t>(x1));
    }
  }
}

// A new key changes what shows, though no pixel changed: it is a new revision for the renderer.
void EngineBitmap::SetColorKey(int r, int g, int b) {
  const Color key = MakeColor(r, g, b);
  if (key_ == key) return;
  key_ = key;
  ++revision_;
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
  for (int64_t row = y0; row < y1; ++row) FillRow(row, x0, x1, color);
  ++revision_;
}

void EngineBitmap::FillPacked(int x0, int y0, int x1, int y1, uint32_t packed) {
  const int64_t left = std::max(x0, 0), right = std::min(x1, width_);
  const int64_t top = std::max(y0, 0), bottom = std::min(y1, height_);
  if (left >= right || top >= bottom) return;
  for (int64_t row = top; row < bottom; ++row) FillRow(row, left, right, packed & 0xFFFFFFu);
  ++revision_;
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
      Own()[static_cast<size_t>(py) * width_ + static_cast<size_t>(px)] = color;
      NoteWritten(px, py, px + 1, py + 1);
      drew = true;
    }
    remainder += step;
    if (remainder >= den) {
      remainder -= den;
      ++minorOffset;
    }
  }
  if (drew) ++revision_;
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
  const uint32_t* src = source.pixels_->data();
  if (&source == this) {
    snapshot = *pixels_;
    src = snapshot.data();
  }
  uint32_t* const pixels = Own().data();

  const bool useKey = keyed && source.key_.has_value();
  const uint32_t key = useKey ? source.key_->Packed() : 0;
  const size_t count = columns.size();
  const uint32_t* cols = columns.data();
  // The sampled columns only ever move on by 0, 1 or more: they are one straight run when the last is as far
  // from the first as the count says.
  const bool contiguous = cols[count - 1] - cols[0] == count - 1;
  bool drew = false;

  StretchStep rowStep(sh, dh, rowFirst - dy);
  for (int64_t row = rowFirst; row < rowEnd; ++row, rowStep.Next()) {
    const int64_t srcRow = sy + rowStep.Offset();
    if (srcRow < 0) continue;
    if (srcRow >= source.height_) break;
    const uint32_t* from = src + srcRow * source.width_;
    uint32_t* to = pixels + row * width_ + firstKept;
    size_t low = 0, high = count;
    if (contiguous) {
      // Pixel for pixel (no stretch across): a straight run of the source row.
      const uint32_t* run = from + cols[0];
      if (useKey) {
        while (low < high && run[low] == key) ++low;
        while (high > low && run[high - 1] == key) --high;
        for (size_t i = low; i < high; ++i) to[i] = run[i] == key ? to[i] : run[i];
      } else {
        std::memcpy(to, run, count * sizeof(uint32_t));
      }
    } else if (useKey) {
      low = count;
      high = 0;
      for (size_t i = 0; i < count; ++i) {
        const uint32_t v = from[cols[i]];
        if (v == key) continue;
        to[i] = v;
        low = std::min(low, i);
        high = i + 1;
      }
    } else {
      for (size_t i = 0; i < count; ++i) to[i] = from[cols[i]];
    }
    // Only the columns that took a pixel count as written: a strip of nothing but key colour (a highlight
    // with nothing highlighted) changes nothing at all.
    if (low >= high) continue;
    NoteWritten(firstKept + static_cast<int64_t>(low), row, firstKept + static_cast<int64_t>(high), row + 1);
    drew = true;
  }
  if (drew) ++revision_;
}

}  // namespace engine
