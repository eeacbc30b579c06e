// EngineBitmap: a CPU pixel buffer (exact RGB colours, so colour keys stay exact). Drawing is done on
// the CPU; the renderer uploads a bitmap only when its revision (its pixels or its colour key) changed.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/engine_math.h"
#include "engine/engine_ref.h"

namespace engine {

class EngineBitmap : public EngineUnknown {
 public:
  EngineBitmap(int width, int height);  // zero or negative sizes are refused by EngineRoot
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
  uint32_t Pixel(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }
  Color PixelColor(int x, int y) const { return Color::FromPacked(Pixel(x, y)); }
  void SetPixel(int x, int y, uint32_t packed) {
    if (x >= 0 && y >= 0 && x < width_ && y < height_) {
      pixels_[static_cast<size_t>(y) * width_ + x] = packed;
      ++revision_;
    }
  }
  const std::vector<uint32_t>& Pixels() const { return pixels_; }
  std::vector<uint32_t>& MutablePixels() {
    ++revision_;
    return pixels_;
  }
  void Touch() { ++revision_; }
  uint64_t Revision() const { return revision_; }
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
  std::vector<uint32_t> pixels_;  // 0x00RRGGBB
  std::optional<Color> key_;
  Color draw_{255, 255, 255};
  Color colorA_{255, 255, 255};
  Color colorB_{0, 0, 0};
  uint64_t revision_ = 1;
  bool placeholder_ = false;
  std::string source_;

  // The one stretching copy behind DrawBitmap (keyed) and CopyImage (not keyed).
  void Blit(const EngineBitmap& source, int sx, int sy, int sw, int sh, int dx, int dy, int dw, int dh, bool keyed);
};

}  // namespace engine
