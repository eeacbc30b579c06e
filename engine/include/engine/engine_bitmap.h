// EngineBitmap: a CPU pixel buffer (exact RGB colours, so colour keys stay exact). Drawing is done on
// the CPU; the renderer uploads a bitmap only when its revision (its pixels or its colour key) changed.
// Bitmaps loaded from the same picture share their pixels until one of them is drawn on.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/engine_math.h"
#include "engine/engine_ref.h"

namespace engine {

class EngineBitmap : public EngineUnknown {
 public:
  EngineBitmap(int width, int height);  // zero or negative sizes are refused by EngineRoot
  // A bitmap showing pixels another holds too (width x height of them); the first to draw takes its own copy.
  EngineBitmap(int width, int height, std::shared_ptr<const std::vector<uint32_t>> shared);
  const char* InterfaceName() const override { return "EngineBitmap"; }

  int IsLoaded() const { return 1; }  // loads finish inside the call
  int GetWidth() const { return width_; }
  int GetHeight() const { return height_; }

  void Clear(int r, int g, int b);
  void SetColorKey(int r, int g, int b);
  void SetDrawColor(int r, int g, int b);
  // Filled rectangle in the draw colour; clipped at the image's edges.
  void FillRect(int x, int y, int width, int height);
  // A one-pixel line in the draw colour, both end points included; clipped at the edges.
  void DrawLine(int x1, int y1, int x2, int y2);
  // Stretching copy of the source rectangle into the destination rectangle. Source pixels equal to the
  // source's colour key are skipped. Both rectangles are clipped silently; mode is kept for the record.
  void DrawBitmap(const EngineRef<EngineBitmap>& source, int mode, int sx, int sy, int sw, int sh, int dx, int dy,
                  int dw, int dh);
  // Copies the whole source image over this one, scaled to this image's size.
  void CopyImage(const EngineRef<EngineBitmap>& source, int mode);
  // Two engine colours with no effect on drawing here; kept so a caller can read them back.
  void SetColorA(int r, int g, int b) { colorA_ = MakeColor(r, g, b); }
  void SetColorB(int r, int g, int b) { colorB_ = MakeColor(r, g, b); }

  // ---- engine-side access (renderer, text, tests) ----
  uint32_t Pixel(int x, int y) const { return (*pixels_)[static_cast<size_t>(y) * width_ + x]; }
  Color PixelColor(int x, int y) const { return Color::FromPacked(Pixel(x, y)); }
  void SetPixel(int x, int y, uint32_t packed) {
    if (x >= 0 && y >= 0 && x < width_ && y < height_) {
      Own()[static_cast<size_t>(y) * width_ + x] = packed;
      NoteWritten(x, y, x + 1, y + 1);
      ++revision_;
    }
  }
  const std::vector<uint32_t>& Pixels() const { return *pixels_; }
  // The pixels as they stand, to be shared with bitmaps made later from the same picture (see above); from now
  // on this bitmap too takes its own copy before it is drawn on.
  std::shared_ptr<const std::vector<uint32_t>> SharePixels() {
    pixelsShared_ = true;
    return pixels_;
  }
  // All the pixels, to write anywhere: a new revision.
  std::vector<uint32_t>& MutablePixels() {
    writtenUnknown_ = true;
    for (RowState& row : rows_) row.colour = kMixedRow;
    ++revision_;
    return Own();
  }
  // The pixels, for engine drawing code that writes only inside [x0, x1) x [y0, y1) (inside the image):
  // a new revision, and the place remembered for the renderer's comparison (below).
  uint32_t* PixelsToWrite(int x0, int y0, int x1, int y1) {
    NoteWritten(x0, y0, x1, y1);
    ++revision_;
    return Own().data();
  }
  // Fills [x0, x1) x [y0, y1) (clipped) with a packed colour, leaving the draw colour alone (text boxes).
  void FillPacked(int x0, int y0, int x1, int y1, uint32_t packed);
  uint64_t Revision() const { return revision_; }

  // ---- for a renderer that keeps a copy of what it shows, to tell a repaint of the same picture (a
  // screen's text redrawn every frame) from a change without comparing every pixel ----
  struct RowSpan {
    int32_t from = 0, to = 0;  // the written columns [from, to) of a row; none when from >= to
  };
  // Starts remembering, from the revision now, which pixels are written.
  void TrackWrites() const;
  // The columns of each row written since TrackWrites was called at revision `since`; null when the bitmap
  // cannot tell (it counts from another revision, or its pixels were handed out whole).
  const std::vector<RowSpan>* WrittenSince(uint64_t since) const;
  std::optional<Color> ColorKey() const { return key_; }
  Color DrawColor() const { return draw_; }
  Color ColorA() const { return colorA_; }
  Color ColorB() const { return colorB_; }
  bool IsPlaceholder() const { return placeholder_; }
  void MarkPlaceholder() { placeholder_ = true; }
  const std::string& SourcePath() const { return source_; }
  void SetSourcePath(std::string p) { source_ = std::move(p); }

  static Color MakeColor(int r, int g, int b) {
    return {static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b)};
  }

 private:
  int width_;
  int height_;
  std::shared_ptr<std::vector<uint32_t>> pixels_;  // 0x00RRGGBB; shared with other bitmaps until written
  bool pixelsShared_ = false;                      // pixels_ may be shown by other bitmaps, now or later
  std::optional<Color> key_;
  Color draw_{255, 255, 255};
  Color colorA_{255, 255, 255};
  Color colorB_{0, 0, 0};
  uint64_t revision_ = 1;
  bool placeholder_ = false;
  std::string source_;
  // Where pixels were written since trackedSince_ (only while a renderer tracks this bitmap).
  mutable bool tracking_ = false;
  mutable bool writtenUnknown_ = false;
  mutable uint64_t trackedSince_ = 0;
  mutable std::vector<RowSpan> written_;

  // What each row is known to hold: one colour except, perhaps, in the columns [from, to) written since
  // (kMixedRow: not known). Clearing a cleared row then costs nothing, and clearing a row with a label on it
  // costs the label's width.
  static constexpr uint32_t kMixedRow = 0xFF000000u;
  struct RowState {
    uint32_t colour = 0;
    int32_t from = 0, to = 0;
  };
  std::vector<RowState> rows_;

  // The pixels to write: this bitmap's own, copied first if another bitmap shares them.
  std::vector<uint32_t>& Own();
  void NoteWritten(int64_t x0, int64_t y0, int64_t x1, int64_t y1);
  void NoteWrittenRows(int64_t x0, int64_t y0, int64_t x1, int64_t y1) const;
  // Sets the pixels [x0, x1) of a row to colour, writing (and noting) only those that differ.
  void FillRow(int64_t row, int64_t x0, int64_t x1, uint32_t colour);

  // The one stretching copy behind DrawBitmap (keyed) and CopyImage (not keyed).
  void Blit(const EngineBitmap& source, int sx, int sy, int sw, int sh, int dx, int dy, int dw, int dh, bool keyed);
};

}  // namespace engine
