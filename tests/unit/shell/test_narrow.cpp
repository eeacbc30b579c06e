// Narrowing engine strings to 8-bit text: in place, into another buffer, and cut to fit.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "shell/narrow.h"

namespace kestrine {
namespace {

TEST(NarrowTest, InPlaceKeepsTheLowByteOfEachCharacter) {
  std::wstring text = L"explo01.qpg";
  const char* narrow = NarrowInPlace(text.data());
  EXPECT_STREQ(narrow, "explo01.qpg");
  EXPECT_EQ(static_cast<const void*>(narrow), static_cast<const void*>(text.data()));

  wchar_t wide[] = {0x141, 0x2062, L'z', 0};  // high bytes dropped: 'A', 'b', 'z'
  EXPECT_STREQ(NarrowInPlace(wide), "Abz");

  wchar_t empty[] = {0};
  EXPECT_STREQ(NarrowInPlace(empty), "");
}

TEST(NarrowTest, CopyIncludesTheTerminatorAndIsCutToFit) {
  char buffer[16];
  std::memset(buffer, 'x', sizeof buffer);
  EXPECT_EQ(NarrowCopy(buffer, L"GP2OV"), buffer);
  EXPECT_EQ(std::string(buffer, 7), std::string("GP2OV\0x", 7));  // nothing written past the terminator

  char small[8];
  std::memset(small, 'x', sizeof small);
  NarrowCopy(small, L"sounds\\speech\\medic\\SendEvac1.qwv");
  EXPECT_EQ(std::string(small, 8), std::string("sounds\\\0", 8));

  char guard[4] = {'a', 'b', 'c', 'd'};
  NarrowCopy(guard, 0, L"text");  // no room at all: untouched
  EXPECT_EQ(guard[0], 'a');
  NarrowCopy(guard, 1, L"text");
  EXPECT_EQ(std::string(guard, 2), std::string("\0b", 2));
}

}  // namespace
}  // namespace kestrine
