// What the campaign's awards and ranks are called: the rank shown under the player's name on the briefing,
// and a citation for each ribbon (0..7) and each badge (8..10), shown when the pointer rests on the award.
#pragma once

#include <cstdint>

#include "shell/mission_progress.h"

namespace kestrine {

constexpr int kRankTitleCount = 4;
constexpr int kAwardDescriptionCount = kRibbonCount + kBadgeCount;

// Indexed by the number of promotions.
extern const char* const RankTitles[kRankTitleCount];
// Ribbons 0..7, then badges 0..2.
extern const char* const AwardDescriptions[kAwardDescriptionCount];

// The title for a number of promotions. Replayed missions can promote past the last rank (and a save game
// can hold any number), so the count is held to the table: below 0 the first title, above it the last.
const char* RankTitle(int32_t promotionCount);

}  // namespace kestrine
