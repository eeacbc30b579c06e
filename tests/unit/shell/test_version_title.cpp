// The window title's version: month and day of the build date.
#include <gtest/gtest.h>

#include "shell/version_title.h"

namespace kestrine {
namespace {

TEST(MonthFromNameTest, TheTwelveMonthsInOrderAndAnythingElseIsThirteen) {
  const char* names[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  for (int i = 0; i < 12; ++i) EXPECT_EQ(MonthFromName(names[i]), i + 1) << names[i];
  for (const char* text : {"jan", "JAN", "Janu", "Ja", "", " Jan", "Sept", "Foo"}) {
    EXPECT_EQ(MonthFromName(text), 13) << "\"" << text << "\"";
  }
  EXPECT_EQ(MonthFromName(nullptr), 13);
}

TEST(WindowTitleTest, MonthAndDayOfTheBuildDateMakeTheVersion) {
  EXPECT_EQ(WindowTitleFromBuildDate("May  6 2002"), "KESTRINE (Version 5.06)");
  EXPECT_EQ(WindowTitleFromBuildDate("Dec 31 1999"), "KESTRINE (Version 12.31)");
  EXPECT_EQ(WindowTitleFromBuildDate("Jan  1 2030"), "KESTRINE (Version 1.01)");
  // An unknown month is 13; a short or empty date reads what is there.
  EXPECT_EQ(WindowTitleFromBuildDate("Foo  6 2002"), "KESTRINE (Version 13.06)");
  EXPECT_EQ(WindowTitleFromBuildDate("may 17 2002"), "KESTRINE (Version 13.17)");
  EXPECT_EQ(WindowTitleFromBuildDate("Mar"), "KESTRINE (Version 3.00)");
  EXPECT_EQ(WindowTitleFromBuildDate(""), "KESTRINE (Version 13.00)");
  EXPECT_EQ(WindowTitleFromBuildDate(nullptr), "KESTRINE (Version 13.00)");
  // This build's title carries its own date.
  EXPECT_EQ(BuildWindowTitle(), WindowTitleFromBuildDate(__DATE__));
  EXPECT_EQ(BuildWindowTitle().find("Version 13."), std::string::npos);
}

}  // namespace
}  // namespace kestrine
