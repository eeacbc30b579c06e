// The stripes of the eight service ribbons (outer, middle, centre), shared by the small rack tiles of the
// briefing and the hanging medals of the finish screen so a ribbon looks the same on both.
#pragma once

#include "tools/assetgen/image_paint.h"

namespace assetgen {

inline constexpr paint::Rgb kRibbonPatterns[8][3] = {
    {{200, 160, 40}, {30, 60, 140}, {200, 160, 40}},  {{140, 30, 40}, {230, 230, 220}, {30, 50, 120}},
    {{40, 110, 60}, {230, 200, 60}, {40, 110, 60}},   {{90, 40, 110}, {230, 230, 220}, {90, 40, 110}},
    {{30, 50, 120}, {200, 60, 50}, {230, 230, 220}},  {{180, 120, 40}, {40, 40, 40}, {180, 120, 40}},
    {{60, 140, 170}, {230, 230, 220}, {140, 30, 40}}, {{230, 190, 40}, {140, 30, 40}, {40, 110, 60}}};

}  // namespace assetgen
