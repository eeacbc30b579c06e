#include "shell/font_width_table.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "shell/engine_setup.h"

namespace kestrine {

namespace {

constexpr const char* kFileName = "font.dat";
constexpr int kFirstCode = 32;
constexpr int kLastCode = 125;

}  // namespace

void WriteFontWidthTable(const std::wstring& face, int size) {
  std::error_code error;
  // Anything already there under that name (even a folder) means the table was made before.
  if (std::filesystem::exists(kFileName, error) || error) return;

  engine::EngineRef<engine::EngineTextFont> font = Engine().engineRoot->CreateText(0);
  font->SetFontFace(face);
  font->SetSize(size);
  font->SetStyleA(0);
  font->SetStyleB(0);
  font->SetColor(255, 255, 255);
  font->SetBackColor(0, 0, 0);

  std::FILE* file = std::fopen(kFileName, "w");
  if (!file) return;
  for (int code = kFirstCode; code <= kLastCode; ++code) {
    const char character[2] = {static_cast<char>(code), '\0'};
    const int width = font->TextWidth(std::wstring(1, static_cast<wchar_t>(code)));
    std::fprintf(file, "\t%d,\t// '%s'\n", width, character);
  }
  std::fclose(file);
}

}  // namespace kestrine
