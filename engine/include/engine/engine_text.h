// EngineTextFont: a text object drawing into bitmaps (FreeType, monochrome so colours stay exact);
// EngineTextFile: a text file read line by line or byte by byte.
#pragma once

#include <string>
#include <vector>

#include "engine/engine_bitmap.h"

namespace engine {

class EngineTextFont : public EngineUnknown {
 public:
  const char* InterfaceName() const override { return "EngineTextFont"; }

  // Faces the game names: "Arial", "Ariel", "MS San Serif", "MS Sans Serif" (sans), "Courier New" (mono).
  void SetFontFace(const std::wstring& face) { face_ = face; }
  void SetSize(int points) { size_ = points; }  // points at 96 dpi
  void SetStyleA(int on) { bold_ = on != 0; }    // bold
  void SetStyleB(int on) { italic_ = on != 0; }  // italic
  void SetColor(int r, int g, int b) { color_ = EngineBitmap::MakeColor(r, g, b); }
  void SetBackColor(int r, int g, int b) { back_ = EngineBitmap::MakeColor(r, g, b); }

  int TextWidth(const std::wstring& text) const;
  int TextHeight(const std::wstring& text) const;
  // Paints the text's box in the back colour, then the glyphs; (x, y) is the box's top-left corner.
  void DrawText(const EngineRef<EngineBitmap>& image, int x, int y, const std::wstring& text) const;
  // Lays the text out inside the rectangle, from its top-left corner, one line per line break in the text;
  // flag 16 also wraps at word boundaries (else each line is cut at the right edge). Nothing is drawn outside
  // the rectangle. The rectangle is not painted; each line's box is, in the back colour.
  void DrawTextRect(const EngineRef<EngineBitmap>& image, int x, int y, int width, int height,
                    const std::wstring& text, int flags) const;

  const std::wstring& Face() const { return face_; }
  int Size() const { return size_; }
  bool Bold() const { return bold_; }
  bool Italic() const { return italic_; }
  Color TextColor() const { return color_; }
  Color BackColor() const { return back_; }

  static constexpr int kWrapWords = 16;

 private:
  std::wstring face_ = L"Arial";
  int size_ = 9;  // a fresh object's lines are 14 pixels high, the spacing of the game's scrolling texts
  bool bold_ = false;
  bool italic_ = false;
  Color color_{255, 255, 255};
  Color back_{0, 0, 0};
};

class EngineTextFile : public EngineUnknown {
 public:
  explicit EngineTextFile(std::string contents) : data_(std::move(contents)) {}
  const char* InterfaceName() const override { return "EngineTextFile"; }

  int IsLoaded() const { return 1; }
  // The next line without its line end ("\n", "\r\n" or "\r"); empty at the end of the file.
  std::wstring ReadLine();
  // The next byte (0..255), or -1 at the end of the file.
  int ReadByte();
  int IsEndOfFile() const { return pos_ >= data_.size() ? 1 : 0; }
  // Reads after closing behave as at the end of the file.
  void Close() {
    closed_ = true;
    pos_ = data_.size();
  }
  bool IsClosed() const { return closed_; }

 private:
  std::string data_;
  size_t pos_ = 0;
  bool closed_ = false;
};

}  // namespace engine
