// The fonts behind EngineTextFont: the game's face names mapped onto the Liberation fonts, opened once per
// size with FreeType, and their glyphs rendered once (monochrome, so drawn text has exactly its colour).
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

struct FT_LibraryRec_;
struct FT_FaceRec_;

namespace engine {

// One rendered character: a one-bit mask and where it sits against the pen, in whole pixels.
struct Glyph {
  int advance = 0;  // how far the pen moves after it
  int left = 0;     // from the pen to the mask's first column
  int top = 0;      // from the baseline up to the mask's first row
  int width = 0;
  int height = 0;
  std::vector<uint8_t> mask;  // width x height, row by row, 1 = ink
  // The same ink as runs of columns [from, to) of a row, in row order: painting fills runs, not pixels.
  struct Run {
    int row, from, to;
  };
  std::vector<Run> runs;
};

// One font file at one size: line metrics and the glyphs rendered so far.
class SizedFont {
 public:
  explicit SizedFont(FT_FaceRec_* face);
  ~SizedFont();
  SizedFont(const SizedFont&) = delete;
  SizedFont& operator=(const SizedFont&) = delete;

  int Ascent() const { return ascent_; }    // pixels above the baseline
  int Descent() const { return descent_; }  // pixels below it
  int LineHeight() const { return ascent_ + descent_; }

 private:
  friend class FontLibrary;
  const Glyph& GlyphOf(char32_t ch);  // the library's lock is held
  Glyph Render(char32_t ch) const;

  FT_FaceRec_* face_;
  int ascent_ = 0;
  int descent_ = 0;
  std::array<std::unique_ptr<Glyph>, 256> latin_;  // the characters the game's texts are made of
  std::unordered_map<char32_t, Glyph> others_;     // node-based: references stay valid as it grows
};

class FontLibrary {
 public:
  static constexpr const char* kFontDir = "/usr/share/fonts/truetype/liberation2/";
  static constexpr int kMinPoints = 1;
  static constexpr int kMaxPoints = 400;

  // The one library of the process (text objects are created and dropped by the hundred every frame).
  static FontLibrary& Instance();

  // Path of the font file that stands in for a face the game names: "Arial", "Ariel", "MS San Serif" and
  // "MS Sans Serif" are Liberation Sans, "Courier New" is Liberation Mono; an unknown name gets the sans face.
  static std::string FontFileFor(const std::wstring& face, bool bold, bool italic);

  // The face at a size in points (96 dpi), opened on first use and kept. Sizes are held to kMinPoints ..
  // kMaxPoints. Throws EngineError when the font file cannot be opened.
  SizedFont& Font(const std::wstring& face, bool bold, bool italic, int points);

  // The glyph of each character of the text, in order; control characters get an empty glyph with no
  // advance. The glyphs live as long as the library.
  void Glyphs(SizedFont& font, std::wstring_view text, std::vector<const Glyph*>& out);

  ~FontLibrary();
  FontLibrary(const FontLibrary&) = delete;
  FontLibrary& operator=(const FontLibrary&) = delete;

 private:
  FontLibrary();

  std::mutex mutex_;
  FT_LibraryRec_* library_ = nullptr;
  std::map<std::string, std::string> fileBytes_;  // each font file read once, shared by all its sizes
  std::map<std::pair<std::string, int>, std::unique_ptr<SizedFont>> fonts_;
};

}  // namespace engine
