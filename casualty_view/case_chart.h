// The patient's case chart: the scrolling log of everything done to him that the patient view shows in a
// small window at its lower left. One per patient. Each entry is word-wrapped to the chart's width when it
// is added; the window shows the newest lines and slides back over older ones while the arrows are held.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/engine.h"

namespace kestrine {

constexpr int kChartEntryCapacity = 1000;
constexpr int kChartLineHeight = 14;
constexpr int kChartWrapWidth = 208;
constexpr int kChartImageHeight = 288;
constexpr int kChartMaxLinesPerEntry = 5;
// The window onto the chart image, in image pixels.
constexpr int kChartWindowHeight = 96;
// How far the newest line sits from the window's top edge.
constexpr int kChartWindowReach = 98;
// Lines the image holds (288 / 14); the composed text never has more.
constexpr int kChartComposedLines = kChartImageHeight / kChartLineHeight;
constexpr int kChartSlideStep = 7;

class CaseChart {
 public:
  // Makes the chart image and its text object and measures the font's character widths.
  void Create(const engine::EngineRef<engine::EngineRoot>& root);
  void Release();

  // Adds one entry (a copy of the text): wrapped into lines, and the window moved to show the newest lines.
  // An empty text adds nothing; a full chart ignores further entries.
  void AddEntry(std::string_view text);
  // The visible part of the log as one text: the lines of each entry from firstVisible on, continuation
  // lines indented, at most as many lines as the image holds.
  void ComposeVisibleText();
  // Each frame of the patient view: the chart image redrawn and its window copied onto the text overlay.
  void Draw();
  // While an arrow is held: dir < 0 slides back towards older entries, dir > 0 forward to the newest.
  void Scroll(int32_t dir);

  // The image row the window starts at, never above the image's top nor past its bottom.
  int32_t WindowRow() const;
  // The pixel width the chart counts for one byte of text.
  int32_t CharWidth(unsigned char c) const;
  // The text of line k of entry e, as it is composed (without the indent).
  std::string EntryLine(int32_t e, int32_t k) const;

  engine::EngineRef<engine::EngineTextFont> text;
  engine::EngineRef<engine::EngineBitmap> image;
  int8_t charWidth[128] = {};
  int32_t firstVisible = 0;
  int32_t topOffset = 0;
  int32_t bottom = 0;
  int32_t entryCount = 0;
  int32_t smoothOffset = 0;
  int32_t totalLines = 0;
  std::vector<std::string> entryText;
  std::string composed;
  std::vector<int32_t> entryLines;
  std::vector<std::array<int32_t, kChartMaxLinesPerEntry>> segmentLength;

 private:
  int32_t LowestSlide() const;

  int32_t composedLines_ = 0;
};

}  // namespace kestrine
