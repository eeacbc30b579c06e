// The side line of a save game: the pairs the game writes are read back, anything else is refused with the
// patient's side untouched, and a number too long for 32 bits is refused rather than guessed at.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "casualty/body_location.h"
#include "casualty/saved_side.h"

namespace kestrine {
namespace {

struct Read {
  bool ok = false;
  int32_t side = -7;
  uint32_t bits = 7;
  std::string rest;  // what the stream holds after the read
};

Read ReadFrom(const std::string& text) {
  std::FILE* stream = std::tmpfile();
  std::fputs(text.c_str(), stream);
  std::rewind(stream);
  Read r;
  r.ok = ReadSavedSide(stream, r.side, r.bits);
  for (int c = std::fgetc(stream); c != EOF; c = std::fgetc(stream)) r.rest += static_cast<char>(c);
  std::fclose(stream);
  return r;
}

TEST(SavedSideTest, ThePairsTheGameWritesAreReadBack) {
  // The side bits are written as signed numbers: right 0x40000000, left 0x80000000, both 0xC0000000.
  const Read right = ReadFrom("0 1073741824\n3 4 0\n");
  EXPECT_TRUE(right.ok);
  EXPECT_EQ(right.side, 0);
  EXPECT_EQ(right.bits, LOC_RIGHT);
  EXPECT_EQ(right.rest, "\n3 4 0\n") << "the next line is left for the next read";

  const Read left = ReadFrom(" \n 1\n-2147483648");
  EXPECT_TRUE(left.ok);
  EXPECT_EQ(left.bits, LOC_LEFT);
  const Read both = ReadFrom("+1 -0001073741824 ");
  EXPECT_TRUE(both.ok);
  EXPECT_EQ(both.bits, kSideBits);
}

TEST(SavedSideTest, AnythingElseIsRefusedAndChangesNothing) {
  for (const char* line : {"", "1", "x 1073741824", "2 1073741824", "0 12345", "0 0", "- 1073741824",
                           "1 -2147483649", "1 99999999999999999999999", "1 3221225472"}) {
    const Read r = ReadFrom(line);
    EXPECT_FALSE(r.ok) << line;
    EXPECT_EQ(r.side, -7) << line;
    EXPECT_EQ(r.bits, 7u) << line;
  }
}

}  // namespace
}  // namespace kestrine
