// The case chart with a fake font six pixels to every character: wrapping, the entry limit, the window on
// the newest lines and scrolling back and forth.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "casualty_view/case_chart.h"

namespace kestrine {
namespace {

CaseChart SixPixelChart() {
  CaseChart chart;
  for (int8_t& w : chart.charWidth) w = 6;
  return chart;
}

std::string Repeat(char c, int n) { return std::string(static_cast<size_t>(n), c); }

// Pieces joined (appended one by one).
std::string Cat(std::initializer_list<std::string> pieces) {
  std::string out;
  for (const std::string& piece : pieces) out.append(piece);
  return out;
}

TEST(CaseChart, ALongEntryBreaksAtItsLastSpaceBeforeTheEdgeAndContinuesIndented) {
  CaseChart chart = SixPixelChart();
  // 34 characters make 204 pixels; the 35th reaches 210, past the 208 of the chart.
  chart.AddEntry(Cat({Repeat('a', 30), " ", Repeat('b', 10)}));
  ASSERT_EQ(chart.entryLines[0], 2);
  EXPECT_EQ(chart.EntryLine(0, 0), Repeat('a', 30));
  EXPECT_EQ(chart.EntryLine(0, 1), Cat({" ", Repeat('b', 10)})) << "the space begins the next line";

  // A continuation starts four spaces (24 pixels) in, so it holds its space and 30 more characters; a word
  // with no space to break at is cut at the edge.
  chart.AddEntry(Cat({Repeat('a', 34), " ", Repeat('c', 35)}));
  ASSERT_EQ(chart.entryLines[1], 3);
  EXPECT_EQ(chart.EntryLine(1, 0), Repeat('a', 34));
  EXPECT_EQ(chart.EntryLine(1, 1), Cat({" ", Repeat('c', 30)}));
  EXPECT_EQ(chart.EntryLine(1, 2), Repeat('c', 5));

  chart.AddEntry("next");
  chart.ComposeVisibleText();
  EXPECT_EQ(chart.composed, Cat({Repeat('a', 30), "\n    ", Repeat('b', 10), "\n", Repeat('a', 34), "\n    ",
                                 Repeat('c', 30), "\n   ", Repeat('c', 5), "\nnext"}));
  EXPECT_EQ(chart.totalLines, 6);
  EXPECT_EQ(chart.bottom, 6 * 14);
}

TEST(CaseChart, AnEntryKeepsAtMostFiveLinesAndTheChartAThousandEntries) {
  CaseChart chart = SixPixelChart();
  std::string words;
  for (char c = 'a'; c < 'a' + 8; ++c) {
    if (!words.empty()) words.append(" ");
    words.append(Repeat(c, 30));
  }
  chart.AddEntry(words);
  ASSERT_EQ(chart.entryLines[0], 5);
  EXPECT_EQ(chart.EntryLine(0, 4), Cat({" ", Repeat('e', 30)})) << "the sixth to eighth words are not kept";
  EXPECT_EQ(chart.totalLines, 5);

  chart.AddEntry("");
  EXPECT_EQ(chart.entryCount, 1) << "an empty text adds nothing";
  for (int i = 1; i < 1000; ++i) chart.AddEntry("x");
  chart.AddEntry("one too many");
  EXPECT_EQ(chart.entryCount, 1000);
  EXPECT_EQ(chart.entryText.back(), "x");
  EXPECT_EQ(chart.totalLines, 5 + 999);
}

TEST(CaseChart, TextIsCopiedAndBytesPastTheTableCountAsTheWidest) {
  CaseChart chart = SixPixelChart();
  chart.charWidth['W'] = 12;
  std::string buffer = "Bandage applied";
  chart.AddEntry(buffer);
  buffer = "overwritten....";
  EXPECT_EQ(chart.EntryLine(0, 0), "Bandage applied");
  EXPECT_EQ(chart.CharWidth(0xE9), 12);
  // 18 bytes of 12 pixels reach 216: the line breaks after 17.
  chart.AddEntry(Repeat('\xE9', 18));
  EXPECT_EQ(chart.entryLines[1], 2);
}

TEST(CaseChart, TheComposedTextHoldsLinesOfAnyLength) {
  // Characters one pixel wide put 200 on a line: the fifteen newest lines gathered are three thousand.
  CaseChart chart;
  for (int8_t& w : chart.charWidth) w = 1;
  for (int i = 0; i < 20; ++i) chart.AddEntry(Repeat(static_cast<char>('a' + i), 200));
  chart.ComposeVisibleText();
  EXPECT_EQ(chart.composed.size(), 15u * 200u + 14u);
  EXPECT_EQ(chart.composed.substr(chart.composed.size() - 200), Repeat('t', 200));
}

TEST(CaseChart, FromEightLinesTheWindowShowsTheNewestWithFifteenLinesGatheredBehindIt) {
  CaseChart chart = SixPixelChart();
  for (int i = 0; i < 7; ++i) chart.AddEntry("line " + std::to_string(i));
  chart.ComposeVisibleText();
  EXPECT_EQ(chart.firstVisible, 0);
  EXPECT_EQ(chart.WindowRow(), 0) << "seven lines fit the window";

  for (int i = 7; i < 20; ++i) chart.AddEntry("line " + std::to_string(i));
  EXPECT_EQ(chart.firstVisible, 5);
  EXPECT_EQ(chart.topOffset, 70);
  chart.ComposeVisibleText();
  EXPECT_EQ(chart.bottom, 280);
  // The window's 96 rows end at the last of the fifteen composed lines: rows 112..208.
  EXPECT_EQ(chart.WindowRow(), 15 * 14 - 98);
}

TEST(CaseChart, ScrollingSlidesSevenPixelsBringsInWholeEntriesAndStopsAtTheTop) {
  CaseChart chart = SixPixelChart();
  for (int i = 0; i < 20; ++i) chart.AddEntry("line " + std::to_string(i));
  chart.ComposeVisibleText();
  for (int i = 0; i < 15; ++i) chart.Scroll(-1);
  EXPECT_EQ(chart.smoothOffset, -105);
  EXPECT_EQ(chart.firstVisible, 5) << "nothing brought in before the window slid its height";
  chart.Scroll(-1);
  EXPECT_EQ(chart.firstVisible, 1) << "four one-line entries at a time";
  EXPECT_EQ(chart.topOffset, 14);

  for (int i = 0; i < 60; ++i) {
    chart.Scroll(-1);
    ASSERT_GE(chart.WindowRow(), 0);
  }
  EXPECT_EQ(chart.firstVisible, 0);
  EXPECT_EQ(chart.WindowRow(), 0) << "held at the first line";
  EXPECT_EQ(chart.smoothOffset, 98 - 280);

  for (int i = 0; i < 60; ++i) chart.Scroll(+1);
  EXPECT_EQ(chart.smoothOffset, 0);
  EXPECT_EQ(chart.WindowRow(), 280 - 98) << "back on the newest line";
}

TEST(CaseChart, ALongChartScrolledBackAndForthReturnsToItsNewestLine) {
  CaseChart chart = SixPixelChart();
  for (int i = 0; i < 40; ++i) chart.AddEntry("line " + std::to_string(i));
  for (int i = 0; i < 300; ++i) chart.Scroll(-1);
  EXPECT_EQ(chart.firstVisible, 0);
  EXPECT_EQ(chart.WindowRow(), 0);
  for (int i = 0; i < 300; ++i) chart.Scroll(+1);
  chart.ComposeVisibleText();
  EXPECT_EQ(chart.bottom, 40 * 14);
  EXPECT_EQ(chart.smoothOffset, 0);
  EXPECT_EQ(chart.EntryLine(39, 0), "line 39");
}

}  // namespace
}  // namespace kestrine
