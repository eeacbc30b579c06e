#include "shell/narrow.h"

namespace kestrine {

char* NarrowInPlace(wchar_t* text) {
  // Byte i lands inside wide character i / sizeof(wchar_t), which has already been read, so writing
  // forward through the same buffer never overwrites a character still to come.
  char* bytes = reinterpret_cast<char*>(text);
  size_t i = 0;
  for (;; ++i) {
    const wchar_t unit = text[i];
    bytes[i] = static_cast<char>(static_cast<unsigned long>(unit) & 0xFF);
    if (unit == L'\0') break;
  }
  return bytes;
}

char* NarrowCopy(char* destination, size_t destinationSize, const wchar_t* source) {
  if (destinationSize == 0) return destination;
  size_t i = 0;
  for (; i + 1 < destinationSize && source[i] != L'\0'; ++i)
    destination[i] = static_cast<char>(static_cast<unsigned long>(source[i]) & 0xFF);
  destination[i] = '\0';
  return destination;
}

}  // namespace kestrine
