// FreeType behind the text objects. Faces are opened from memory (each file read once) at one size each;
// glyphs are hinted for monochrome output and rendered one bit deep, so a text's pixels are exactly its colour
// and a colour key next to them stays exact.
#include "core/font_library.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cstdlib>
#include <cwctype>
#include <optional>

#include "core/path_resolver.h"
#include "engine/engine_error.h"

namespace engine {

namespace {

constexpr int kDpi = 96;

std::wstring Lowered(const std::wstring& s) {
  std::wstring out(s);
  for (wchar_t& c : out) c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
  return out;
}

[[noreturn]] void FontFailure(const std::string& what) { throw EngineError(kStatusFailed, "EngineTextFont", what); }

// Control characters are neither drawn nor measured.
bool IsControl(char32_t ch) { return ch < 0x20 || ch == 0x7F; }

const Glyph& EmptyGlyph() {
  static const Glyph empty;
  return empty;
}

// Pixels from FreeType's 26.6 fixed point, rounded to the nearest whole pixel.
int RoundedPixels(long v26_6) { return static_cast<int>((v26_6 + 32) >> 6); }

}  // namespace

// ---- SizedFont ----

SizedFont::SizedFont(FT_FaceRec_* face) : face_(face) {
  // FreeType rounds scalable fonts' ascender up and descender down to whole pixels already.
  const FT_Size_Metrics& m = face_->size->metrics;
  ascent_ = static_cast<int>((m.ascender + 63) >> 6);
  descent_ = static_cast<int>((-m.descender + 63) >> 6);
}

SizedFont::~SizedFont() { FT_Done_Face(face_); }

const Glyph& SizedFont::GlyphOf(char32_t ch) {
  if (IsControl(ch)) return EmptyGlyph();
  if (ch < latin_.size()) {
    std::unique_ptr<Glyph>& slot = latin_[ch];
    if (!slot) slot = std::make_unique<Glyph>(Render(ch));
    return *slot;
  }
  auto found = others_.find(ch);
  if (found == others_.end()) found = others_.emplace(ch, Render(ch)).first;
  return found->second;
}

Glyph SizedFont::Render(char32_t ch) const {
  Glyph glyph;
  // A character the font lacks becomes its missing-glyph box, as on any desktop.
  const FT_UInt index = FT_Get_Char_Index(face_, ch);
  if (FT_Load_Glyph(face_, index, FT_LOAD_TARGET_MONO) != 0) return glyph;
  FT_GlyphSlot slot = face_->glyph;
  glyph.advance = RoundedPixels(slot->advance.x);
  if (FT_Render_Glyph(slot, FT_RENDER_MODE_MONO) != 0) return glyph;

  const FT_Bitmap& bitmap = slot->bitmap;
  glyph.left = slot->bitmap_left;
  glyph.top = slot->bitmap_top;
  glyph.width = static_cast<int>(bitmap.width);
  glyph.height = static_cast<int>(bitmap.rows);
  glyph.mask.assign(static_cast<size_t>(glyph.width) * glyph.height, 0);
  const int pitch = std::abs(bitmap.pitch);
  for (int row = 0; row < glyph.height; ++row) {
    // A negative pitch means the rows are stored bottom first.
    const int storedRow = bitmap.pitch >= 0 ? row : glyph.height - 1 - row;
    const unsigned char* line = bitmap.buffer + static_cast<size_t>(storedRow) * pitch;
    uint8_t* out = glyph.mask.data() + static_cast<size_t>(row) * glyph.width;
    for (int col = 0; col < glyph.width; ++col) {
      if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO)
        out[col] = (line[col >> 3] >> (7 - (col & 7))) & 1;
      else  // a renderer that ignored the mono request: threshold its coverage
        out[col] = line[col] >= 128 ? 1 : 0;
    }
    for (int col = 0; col < glyph.width;) {
      if (!out[col]) {
        ++col;
        continue;
      }
      const int from = col;
      while (col < glyph.width && out[col]) ++col;
      glyph.runs.push_back(Glyph::Run{row, from, col});
    }
  }
  return glyph;
}

// ---- FontLibrary ----

FontLibrary& FontLibrary::Instance() {
  static FontLibrary library;
  return library;
}

FontLibrary::FontLibrary() {
  FT_Library lib = nullptr;
  if (FT_Init_FreeType(&lib) != 0) FontFailure("FreeType initialisation");
  library_ = lib;
}

FontLibrary::~FontLibrary() {
  fonts_.clear();  // faces go before the library that made them
  FT_Done_FreeType(library_);
}

std::string FontLibrary::FontFileFor(const std::wstring& face, bool bold, bool italic) {
  const std::wstring name = Lowered(face);
  const bool mono = name == L"courier new";
  // "Ariel" and "MS San Serif" are spelled that way in the game's own code; they mean the usual faces.
  std::string file = mono ? "LiberationMono" : "LiberationSans";
  if (bold && italic)
    file += "-BoldItalic";
  else if (bold)
    file += "-Bold";
  else if (italic)
    file += "-Italic";
  else
    file += "-Regular";
  return std::string(kFontDir) + file + ".ttf";
}

SizedFont& FontLibrary::Font(const std::wstring& face, bool bold, bool italic, int points) {
  const int size = std::clamp(points, kMinPoints, kMaxPoints);
  std::string file = FontFileFor(face, bold, italic);

  std::lock_guard<std::mutex> lock(mutex_);
  auto key = std::make_pair(file, size);
  auto found = fonts_.find(key);
  if (found != fonts_.end()) return *found->second;

  auto bytes = fileBytes_.find(file);
  if (bytes == fileBytes_.end()) {
    std::optional<std::string> contents = ReadWholeFile(file, MaxFileBytes(FileKind::Font));
    if (!contents) FontFailure("SetFontFace (font file missing: " + file + ")");
    bytes = fileBytes_.emplace(file, std::move(*contents)).first;
  }

  FT_Face ftFace = nullptr;
  if (FT_New_Memory_Face(library_, reinterpret_cast<const FT_Byte*>(bytes->second.data()),
                         static_cast<FT_Long>(bytes->second.size()), 0, &ftFace) != 0)
    FontFailure("SetFontFace (unreadable font file: " + file + ")");
  if (FT_Set_Char_Size(ftFace, 0, static_cast<FT_F26Dot6>(size) * 64, kDpi, kDpi) != 0) {
    FT_Done_Face(ftFace);
    FontFailure("SetSize (" + std::to_string(size) + " points)");
  }
  auto font = std::make_unique<SizedFont>(ftFace);
  SizedFont& result = *font;
  fonts_.emplace(std::move(key), std::move(font));
  return result;
}

void FontLibrary::Glyphs(SizedFont& font, std::wstring_view text, std::vector<const Glyph*>& out) {
  out.clear();
  out.reserve(text.size());
  std::lock_guard<std::mutex> lock(mutex_);
  for (wchar_t c : text) out.push_back(&font.GlyphOf(static_cast<char32_t>(c)));
}

}  // namespace engine
