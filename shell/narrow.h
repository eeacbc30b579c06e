// The engine hands out wide strings; file names and the game's own texts are 8-bit. These keep the low
// byte of each character, which is all the game's file names and texts ever use.
#pragma once

#include <cstddef>

namespace kestrine {

// Narrows a zero-ended wide string inside its own buffer and returns the buffer, now 8-bit and zero-ended.
char* NarrowInPlace(wchar_t* text);

// Narrows source into destination, the terminating zero included. A source longer than the destination
// is cut so that the zero still fits: nothing is ever written past destinationSize bytes.
char* NarrowCopy(char* destination, size_t destinationSize, const wchar_t* source);

template <size_t N>
char* NarrowCopy(char (&destination)[N], const wchar_t* source) {
  return NarrowCopy(destination, N, source);
}

}  // namespace kestrine
