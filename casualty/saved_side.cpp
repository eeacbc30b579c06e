#include "casualty/saved_side.h"

#include <cctype>
#include <limits>

#include "casualty/body_location.h"

namespace kestrine {

namespace {

// No 32-bit number has more significant digits; the rest of a longer one is still read past, so the
// stream stands after the number however long it was.
constexpr int kMostDigits = 10;

// One decimal number as "%d" reads it, except that a number too large for 32 bits is refused rather than
// left to the C library, which may make anything of it.
bool ReadNumber(std::FILE* stream, int32_t& out) {
  int c = std::fgetc(stream);
  while (c != EOF && std::isspace(c)) c = std::fgetc(stream);
  bool negative = false;
  if (c == '-' || c == '+') {
    negative = c == '-';
    c = std::fgetc(stream);
  }
  int64_t value = 0;
  bool sawDigit = false;
  int significant = 0;
  for (; c != EOF && std::isdigit(c); c = std::fgetc(stream)) {
    sawDigit = true;
    if (significant == 0 && c == '0') continue;  // leading zeros
    if (++significant <= kMostDigits) value = value * 10 + (c - '0');
  }
  if (c != EOF) std::ungetc(c, stream);
  if (!sawDigit || significant > kMostDigits) return false;
  if (negative) value = -value;
  if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max()) return false;
  out = static_cast<int32_t>(value);
  return true;
}

}  // namespace

bool ReadSavedSide(std::FILE* stream, int32_t& side, uint32_t& sideBits) {
  int32_t savedSide = 0;
  int32_t savedBits = 0;
  if (!ReadNumber(stream, savedSide) || !ReadNumber(stream, savedBits)) return false;
  const auto bits = static_cast<uint32_t>(savedBits);
  if ((savedSide != 0 && savedSide != 1) || (bits != LOC_RIGHT && bits != LOC_LEFT && bits != kSideBits)) return false;
  side = savedSide;
  sideBits = bits;
  return true;
}

}  // namespace kestrine
