// The case chart: entries wrapped to the chart's width with the font's measured widths, composed into one
// text for the image, and a window onto the image that follows the newest line.
#include "casualty_view/case_chart.h"

#include <algorithm>

#include "shell/layout.h"
#include "shell/screen_text.h"
#include "shell/wide_text.h"

namespace kestrine {

namespace {

// Where the window lands on the screen, as fractions of it.
constexpr double kWindowX = 0.18612;
constexpr double kWindowY = 0.76044;
constexpr double kWindowWidth = 0.32808;
constexpr double kWindowHeight = 0.21099;

// The chart lays out in Arial in its pale green.
constexpr int kChartR = 240, kChartG = 253, kChartB = 199;

// A continuation line is indented by three spaces in the composed text; with the space it starts with that
// makes four.
constexpr int kIndentSpaces = 3;
constexpr const char* kIndent = "   ";
// Entries kept before the window must gather at least this many lines once the chart is long enough.
constexpr int kGatherLines = 15;
constexpr int kGatherFrom = 8;
// Whole entries passed per scroll step, up to this many lines.
constexpr int kScrollLines = 4;

}  // namespace

void CaseChart::Create(const engine::EngineRef<engine::EngineRoot>& root) {
  if (!root) return;
  image = root->CreateBitmap(kChartWrapWidth, kChartImageHeight);
  text = root->CreateText(0);
  text->SetFontFace(L"Arial");
  text->SetColor(kChartR, kChartG, kChartB);
  text->SetBackColor(0, 0, 0);
  for (int c = 1; c < 128; ++c) {
    const int w = text->TextWidth(std::wstring(1, static_cast<wchar_t>(c)));
    charWidth[c] = static_cast<int8_t>(std::clamp(w, 0, 127));
  }
  charWidth[0] = 0;
}

void CaseChart::Release() { *this = CaseChart{}; }

int32_t CaseChart::CharWidth(unsigned char c) const {
  if (c < 128) return charWidth[c];
  // A byte past the measured table counts as the widest character, so a line with one never runs over.
  return *std::max_element(std::begin(charWidth), std::end(charWidth));
}

void CaseChart::AddEntry(std::string_view entry) {
  if (entry.empty() || entryCount >= kChartEntryCapacity) return;

  std::array<int32_t, kChartMaxLinesPerEntry> segments{};
  int32_t lines = 0;
  const int32_t space = CharWidth(' ');
  const size_t n = entry.size();
  size_t lineStart = 0;
  size_t lastBreak = 0;  // a space inside the current line (never its first character); 0 none
  int32_t w = 0;
  for (size_t i = 0; i < n && lines < kChartMaxLinesPerEntry; ++i) {
    const auto c = static_cast<unsigned char>(entry[i]);
    if (c == ' ' && i > lineStart) lastBreak = i;
    w += CharWidth(c);
    if (w < kChartWrapWidth) continue;
    // The line ends at its last space, which then begins the next line. A word with no space before it is
    // broken where it reaches the edge; a single character wider than the chart stands on a line alone.
    size_t end = lastBreak > lineStart ? lastBreak : (i > lineStart ? i : i + 1);
    segments[lines++] = static_cast<int32_t>(end - lineStart);
    lineStart = end;
    lastBreak = 0;
    w = kIndentSpaces * space;
    for (size_t j = lineStart; j <= i && j < n; ++j) w += CharWidth(static_cast<unsigned char>(entry[j]));
  }
  if (lineStart < n && lines < kChartMaxLinesPerEntry) segments[lines++] = static_cast<int32_t>(n - lineStart);

  entryText.emplace_back(entry);
  segmentLength.push_back(segments);
  entryLines.push_back(lines);
  totalLines += lines;
  ++entryCount;

  if (totalLines >= kGatherFrom) {
    int32_t gathered = 0;
    int32_t e = entryCount;
    while (gathered < kGatherLines && e > 0) gathered += entryLines[--e];
    firstVisible = e;
    topOffset = (totalLines - gathered) * kChartLineHeight;
  } else {
    firstVisible = 0;
    topOffset = 0;
  }
  smoothOffset = 0;
}

std::string CaseChart::EntryLine(int32_t e, int32_t k) const {
  if (e < 0 || e >= entryCount || k < 0 || k >= entryLines[e]) return {};
  size_t start = 0;
  for (int32_t j = 0; j < k; ++j) start += static_cast<size_t>(segmentLength[e][j]);
  return entryText[e].substr(start, static_cast<size_t>(segmentLength[e][k]));
}

void CaseChart::ComposeVisibleText() {
  composed.clear();
  int32_t lines = 0;
  for (int32_t e = std::max(firstVisible, 0); e < entryCount && lines < kChartComposedLines; ++e) {
    if (lines > 0) composed += '\n';
    for (int32_t k = 0; k < entryLines[e] && lines < kChartComposedLines; ++k) {
      if (k > 0) {
        composed += '\n';
        composed += kIndent;
      }
      composed += EntryLine(e, k);
      ++lines;
    }
  }
  composedLines_ = lines;
  bottom = topOffset + lines * kChartLineHeight;
}

int32_t CaseChart::WindowRow() const {
  if (bottom <= kChartWindowReach) return 0;
  const int32_t row = (bottom - topOffset) - kChartWindowReach + smoothOffset;
  return std::clamp(row, 0, kChartImageHeight - kChartWindowHeight);
}

void CaseChart::Draw() {
  ComposeVisibleText();
  if (!image || !text || !ScreenText().textOverlay) return;
  image->Clear(0, 0, 0);
  text->DrawTextRect(image, 0, 0, kChartWrapWidth, kChartImageHeight, WidenText(composed), 0);
  ScreenText().textOverlay->DrawBitmap(image, 0, 0, WindowRow(), kChartWrapWidth, kChartWindowHeight, PixelX(kWindowX),
                                       PixelY(kWindowY), PixelX(kWindowWidth), PixelY(kWindowHeight));
}

// The lowest slide that keeps the window on the image.
int32_t CaseChart::LowestSlide() const {
  if (bottom <= kChartWindowReach) return 0;
  return std::min(0, kChartWindowReach - composedLines_ * kChartLineHeight);
}

void CaseChart::Scroll(int32_t dir) {
  ComposeVisibleText();
  const int32_t bottomBefore = bottom;
  // Older entries come in once the window has slid a window's height back, or is about to reach the top.
  const bool atTop = smoothOffset < -kChartWindowReach || smoothOffset - kChartSlideStep < LowestSlide();
  if (dir < 0 && atTop && topOffset >= 1) {
    int32_t lines = 0;
    while (firstVisible >= 1 && lines < kScrollLines) lines += entryLines[--firstVisible];
    topOffset -= lines * kChartLineHeight;
  } else if (dir >= 1 && smoothOffset >= 0 && bottom < totalLines * kChartLineHeight) {
    int32_t lines = 0;
    while (firstVisible < entryCount && lines < kScrollLines) lines += entryLines[firstVisible++];
    topOffset += lines * kChartLineHeight;
  }
  ComposeVisibleText();
  // The window keeps showing the same lines while entries come in above or go out: it moves only by as
  // much as the composed text's end moved.
  smoothOffset += bottomBefore - bottom;
  if (dir < 0) {
    // The slide stops where the window reaches the top of the image: nothing above it to show.
    smoothOffset = std::max(smoothOffset - kChartSlideStep, LowestSlide());
  } else if (smoothOffset < 0) {
    smoothOffset = std::min(smoothOffset + kChartSlideStep, 0);
  }
}

}  // namespace kestrine
