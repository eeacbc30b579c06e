// The after-action report as the debriefing shows it and save games keep it: at most 500 lines of at most
// 74 bytes each. A line may open with the formatted marker and a style byte, which the debriefing reads.
#pragma once

#include <cstdint>
#include <string_view>

namespace kestrine {

constexpr int kReportLineCapacity = 500;
constexpr int kReportLineLength = 74;  // bytes, marker and style byte included; the terminator is extra

// The first byte of a formatted line, and the style bytes that may follow it.
constexpr char kReportFormatted = '\x01';
enum ReportStyle : char {
  REPORT_STYLE_UNNECESSARY = '\x02',  // the unnecessary-treatments heading
  REPORT_STYLE_CORRECT = '\x03',      // the correct-treatments heading
  REPORT_STYLE_MISSED = '\x04',       // the missed-treatments heading
  REPORT_STYLE_WOUND_TITLE = '\x05',  // a line of the wound's title
};

// Written only through the two operations below.
struct ReportLines {
  char reportLines[kReportLineCapacity][kReportLineLength + 1]{};
  int32_t reportLineCount = 0;
};

const ReportLines& Report();

// Empties the report.
void ClearReport();

// Appends a line cut to kReportLineLength bytes. A full report keeps what it has: false, nothing written.
bool AppendReportLine(std::string_view text);

}  // namespace kestrine
