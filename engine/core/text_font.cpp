// Measuring and drawing text into bitmaps. A line's width is the sum of its characters' advances (no kerning,
// so a string measures the same as its characters one by one: the game measures single characters to wrap
// its own texts). A line's box is the width by the font's ascent plus descent, painted in the back colour.
#include <algorithm>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "core/font_library.h"
#include "engine/engine_text.h"

namespace engine {

namespace {

// The part of an image a text call may paint, as half-open pixel ranges.
struct ClipRect {
  int64_t x0, y0, x1, y1;
};

using GlyphList = std::vector<const Glyph*>;
using LineRange = std::pair<size_t, size_t>;  // [first, end) indices into the text

int LineWidth(const GlyphList& glyphs, size_t first, size_t end) {
  int width = 0;
  for (size_t i = first; i < end; ++i) width += glyphs[i]->advance;
  return width;
}

// Paints one line with its top-left corner at (x, y): the box in the back colour, then the ink of each glyph in
// the text colour. Nothing lands outside the clip.
void PaintLine(EngineBitmap& image, const ClipRect& clip, int64_t x, int64_t y, const SizedFont& font,
               const GlyphList& glyphs, size_t first, size_t end, uint32_t ink, uint32_t back) {
  const int imageWidth = image.GetWidth();
  const int64_t boxX0 = std::max(x, clip.x0);
  const int64_t boxX1 = std::min(x + LineWidth(glyphs, first, end), clip.x1);
  const int64_t boxY0 = std::max(y, clip.y0);
  const int64_t boxY1 = std::min(y + font.LineHeight(), clip.y1);
  const int64_t baseline = y + font.Ascent();

  // The box first; rows that hold the back colour already (a text layer cleared for this frame) stay as
  // they are.
  if (boxX0 < boxX1 && boxY0 < boxY1)
    image.FillPacked(static_cast<int>(boxX0), static_cast<int>(boxY0), static_cast<int>(boxX1), static_cast<int>(boxY1),
                     back);

  // Where the ink may land: the glyphs, clipped (they may reach out of the box: a descender, a slant).
  int64_t inkX0 = INT64_MAX, inkY0 = INT64_MAX, inkX1 = INT64_MIN, inkY1 = INT64_MIN;
  for (int64_t pen = x, i = static_cast<int64_t>(first); i < static_cast<int64_t>(end); ++i) {
    const Glyph& glyph = *glyphs[static_cast<size_t>(i)];
    const int64_t gx = pen + glyph.left;
    const int64_t gy = baseline - glyph.top;
    pen += glyph.advance;
    if (glyph.mask.empty()) continue;
    inkX0 = std::min(inkX0, std::max(gx, clip.x0));
    inkY0 = std::min(inkY0, std::max(gy, clip.y0));
    inkX1 = std::max(inkX1, std::min(gx + glyph.width, clip.x1));
    inkY1 = std::max(inkY1, std::min(gy + glyph.height, clip.y1));
  }
  if (inkX0 >= inkX1 || inkY0 >= inkY1) return;
  uint32_t* pixels = image.PixelsToWrite(static_cast<int>(inkX0), static_cast<int>(inkY0), static_cast<int>(inkX1),
                                         static_cast<int>(inkY1));

  int64_t pen = x;
  for (size_t i = first; i < end; ++i) {
    const Glyph& glyph = *glyphs[i];
    const int64_t gx = pen + glyph.left;
    const int64_t gy = baseline - glyph.top;
    pen += glyph.advance;
    if (glyph.mask.empty()) continue;
    const int64_t col0 = std::max<int64_t>(0, clip.x0 - gx);
    const int64_t col1 = std::min<int64_t>(glyph.width, clip.x1 - gx);
    const int64_t row0 = std::max<int64_t>(0, clip.y0 - gy);
    const int64_t row1 = std::min<int64_t>(glyph.height, clip.y1 - gy);
    for (const Glyph::Run& run : glyph.runs) {
      if (run.row < row0 || run.row >= row1) continue;
      const int64_t from = std::max<int64_t>(run.from, col0);
      const int64_t to = std::min<int64_t>(run.to, col1);
      if (from >= to) continue;
      uint32_t* line = pixels + (gy + run.row) * imageWidth + gx;
      std::fill(line + from, line + to, ink);
    }
  }
}

// Breaks one paragraph (no line breaks inside) into lines no wider than `width`. Lines break after the last
// word that fits; the spaces at a break are dropped, while spaces opening a paragraph (an indent) are kept. A
// word wider than the whole line is split between characters rather than lost past the edge.
void WrapParagraph(std::wstring_view text, const GlyphList& glyphs, size_t first, size_t end, int width,
                   std::vector<LineRange>& lines) {
  size_t start = first;
  while (start < end) {
    int used = 0;
    size_t lastBreak = end;  // first space after the last word that ended on this line
    bool seenInk = false;
    size_t i = start;
    for (; i < end; ++i) {
      const bool space = text[i] == L' ';
      if (space && seenInk && text[i - 1] != L' ') lastBreak = i;
      const int advance = glyphs[i]->advance;
      // Spaces may hang past the edge; they are dropped at the break anyway.
      if (!space && i > start && used + advance > width) break;
      if (!space) seenInk = true;
      used += advance;
    }
    if (i == end) {
      lines.emplace_back(start, end);
      return;
    }
    size_t lineEnd = lastBreak != end ? lastBreak : i;
    size_t next = lineEnd;
    while (next < end && text[next] == L' ') ++next;
    lines.emplace_back(start, lineEnd);
    start = next;
  }
}

// Splits the text at its line breaks ("\r\n", "\n" or "\r"), wrapping each paragraph when asked.
std::vector<LineRange> LayOut(std::wstring_view text, const GlyphList& glyphs, int width, bool wrap) {
  std::vector<LineRange> lines;
  size_t start = 0;
  while (true) {
    size_t stop = start;
    while (stop < text.size() && text[stop] != L'\n' && text[stop] != L'\r') ++stop;
    if (wrap)
      WrapParagraph(text, glyphs, start, stop, width, lines);
    else
      lines.emplace_back(start, stop);
    if (stop >= text.size()) break;
    start = stop + ((text[stop] == L'\r' && stop + 1 < text.size() && text[stop + 1] == L'\n') ? 2 : 1);
  }
  return lines;
}

SizedFont& FontOf(const EngineTextFont& text) {
  return FontLibrary::Instance().Font(text.Face(), text.Bold(), text.Italic(), text.Size());
}

}  // namespace

int EngineTextFont::TextWidth(const std::wstring& text) const {
  SizedFont& font = FontOf(*this);
  GlyphList glyphs;
  FontLibrary::Instance().Glyphs(font, text, glyphs);
  return LineWidth(glyphs, 0, glyphs.size());
}

int EngineTextFont::TextHeight(const std::wstring& text) const {
  (void)text;  // every line of a face is as tall as the face, whatever it holds
  return FontOf(*this).LineHeight();
}

void EngineTextFont::DrawText(const EngineRef<EngineBitmap>& image, int x, int y, const std::wstring& text) const {
  if (!image) throw EngineError(kStatusNullReference, InterfaceName(), "DrawText (no image)");
  SizedFont& font = FontOf(*this);
  GlyphList glyphs;
  FontLibrary::Instance().Glyphs(font, text, glyphs);
  const ClipRect clip{0, 0, image->GetWidth(), image->GetHeight()};
  PaintLine(*image, clip, x, y, font, glyphs, 0, glyphs.size(), color_.Packed(), back_.Packed());
}

void EngineTextFont::DrawTextRect(const EngineRef<EngineBitmap>& image, int x, int y, int width, int height,
                                  const std::wstring& text, int flags) const {
  if (!image) throw EngineError(kStatusNullReference, InterfaceName(), "DrawTextRect (no image)");
  if (width <= 0 || height <= 0) return;
  const ClipRect clip{std::max<int64_t>(x, 0), std::max<int64_t>(y, 0),
                      std::min<int64_t>(int64_t{x} + width, image->GetWidth()),
                      std::min<int64_t>(int64_t{y} + height, image->GetHeight())};
  if (clip.x0 >= clip.x1 || clip.y0 >= clip.y1) return;

  SizedFont& font = FontOf(*this);
  GlyphList glyphs;
  FontLibrary::Instance().Glyphs(font, text, glyphs);
  const bool wrap = (flags & kWrapWords) != 0;
  const std::vector<LineRange> lines = LayOut(text, glyphs, width, wrap);

  const int lineHeight = font.LineHeight();
  int64_t top = y;
  for (const LineRange& line : lines) {
    if (top >= clip.y1) break;
    PaintLine(*image, clip, x, top, font, glyphs, line.first, line.second, color_.Packed(), back_.Packed());
    top += lineHeight;
  }
}

}  // namespace engine
