// The player figure chosen on the player-select screen (0, 1 or 2), as the backpack reads it for its
// limits. The campaign record keeps the figure with the medals and scores; it takes this over when built.
#pragma once

#include <cstdint>

namespace kestrine {

int32_t ChosenPlayerFigure();
void SetChosenPlayerFigure(int32_t figure);

}  // namespace kestrine
