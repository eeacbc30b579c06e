// Storage of the report lines and the one bounded way to add one.
#include "casualty/report_lines.h"

#include <cstring>

namespace kestrine {

char reportLines[kReportLineCapacity][kReportLineLength + 1];
int32_t reportLineCount = 0;

void ClearReport() { reportLineCount = 0; }

bool AppendReportLine(std::string_view text) {
  if (reportLineCount < 0 || reportLineCount >= kReportLineCapacity) return false;
  const size_t length = text.size() < static_cast<size_t>(kReportLineLength) ? text.size() : kReportLineLength;
  char* line = reportLines[reportLineCount++];
  std::memcpy(line, text.data(), length);
  line[length] = '\0';
  return true;
}

}  // namespace kestrine
