// A patient's side as a save game keeps it: one line "%d %d", the side (0 right, 1 left) and the side bits.
#pragma once

#include <cstdint>
#include <cstdio>

namespace kestrine {

// Reads the two numbers at the stream's position (blanks and line ends before each are skipped, as the
// save game's own reads skip them). False, with side and bits untouched, for anything the game could not
// have written: no number, a number too long for 32 bits, a side other than 0 or 1, bits other than right,
// left or both.
bool ReadSavedSide(std::FILE* stream, int32_t& side, uint32_t& sideBits);

}  // namespace kestrine
