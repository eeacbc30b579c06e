#include "shell/version_title.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace kestrine {

namespace {

constexpr const char* kMonthNames[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

}  // namespace

int MonthFromName(const char* text) {
  if (!text) return 13;
  for (int i = 0; i < 12; ++i)
    if (std::strcmp(text, kMonthNames[i]) == 0) return i + 1;
  return 13;
}

std::string WindowTitleFromBuildDate(const char* buildDate) {
  // "May  6 2002": the month is the first three characters, the day the number at 4 (its blank padding
  // skipped). A date shorter than that simply has less to read.
  const std::string date = buildDate ? buildDate : "";
  const std::string upToDay = date.substr(0, 6);
  const int day = upToDay.size() > 4 ? std::atoi(upToDay.c_str() + 4) : 0;
  const int month = MonthFromName(upToDay.substr(0, 3).c_str());
  char title[64];
  std::snprintf(title, sizeof title, "KESTRINE (Version %d.%02d)", month, day);
  return title;
}

std::string BuildWindowTitle() { return WindowTitleFromBuildDate(__DATE__); }

}  // namespace kestrine
