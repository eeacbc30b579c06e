// The three soldier figures the player may play: their names, as player select and the briefing show them,
// and the short biography player select scrolls beside each one.
#pragma once

#include <cstdint>

namespace kestrine {

constexpr int kFigureCount = 3;
// Rows of the biography box; a figure's rows after its last line are empty (null).
constexpr int kBiographySlots = 19;
// The box is some 155 pixels wide: no line is longer than this.
constexpr int kBiographyLineWidth = 30;

extern const char* const FigureNames[kFigureCount];
extern const char* const FigureBiographies[kFigureCount][kBiographySlots];

// The name of a figure; a figure number from outside the table (a damaged save) gives the first.
const char* FigureName(int32_t figure);

}  // namespace kestrine
