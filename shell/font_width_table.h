// A development aid: the pixel width of every printable character of a font, written once as C source
// lines into "font.dat" in the working directory so text layouts can be checked by hand. The game never
// reads it back.
#pragma once

#include <string>

namespace kestrine {

// Does nothing when "font.dat" already exists or cannot be created.
void WriteFontWidthTable(const std::wstring& face, int size);

}  // namespace kestrine
