// The main window's title carries the build's version: month and day of the build date.
#pragma once

#include <string>

namespace kestrine {

// 1 for "Jan" .. 12 for "Dec", compared exactly (case matters); 13 for anything else.
int MonthFromName(const char* text);
// "KESTRINE (Version %d.%02d)" with month and day of a build date written like "May  6 2002".
std::string WindowTitleFromBuildDate(const char* buildDate);
// The title of this build.
std::string BuildWindowTitle();

}  // namespace kestrine
