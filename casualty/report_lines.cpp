// Storage of the report lines and the one bounded way to add one.
#include "casualty/report_lines.h"

#include <cstring>

#include "shell/program_state.h"

namespace kestrine {

ReportLines report;
KESTRINE_PROGRAM_STATE(report);

const ReportLines& Report() { return report; }

void ClearReport() { report.reportLineCount = 0; }

bool AppendReportLine(std::string_view text) {
  if (report.reportLineCount < 0 || report.reportLineCount >= kReportLineCapacity) return false;
  const size_t length = text.size() < static_cast<size_t>(kReportLineLength) ? text.size() : kReportLineLength;
  char* line = report.reportLines[report.reportLineCount++];
  std::memcpy(line, text.data(), length);
  line[length] = '\0';
  return true;
}

}  // namespace kestrine
