// The campaign record's fields a save keeps, listed once for both directions: gathering a save copies each
// from the running record, loading one copies each back. A field added to the list travels both ways.
#pragma once

#include <algorithm>
#include <iterator>
#include <type_traits>

#include "frontend/save_game.h"
#include "shell/mission_progress.h"

namespace kestrine {

static_assert(kSaveRibbonCount == kRibbonCount && kSaveBadgeCount == kBadgeCount);

// Calls visit(record's field, save's field) for every kept field. The record's unread flag is not kept.
template <typename Record, typename Saved, typename Visit>
void VisitSavedProgressFields(Record& record, Saved& saved, Visit visit) {
  visit(record.promotionCount, saved.promotionCount);
  visit(record.ribbonCount, saved.ribbonCount);
  visit(record.ribbonTotal, saved.ribbonTotal);
  visit(record.badgeCount, saved.badgeCount);
  visit(record.lastBadge, saved.lastBadge);
  visit(record.missionScore, saved.missionScore);
  visit(record.missionMaximum, saved.missionMaximum);
  visit(record.campaignScore, saved.campaignScore);
  visit(record.campaignMaximum, saved.campaignMaximum);
  visit(record.savedExtra, saved.savedExtra);
  visit(record.playerFigure, saved.playerFigure);
}

// One field copied, a counter array element by element.
template <typename To, typename From>
void CopySavedField(To& to, const From& from) {
  if constexpr (std::is_array_v<To>)
    std::copy(std::begin(from), std::end(from), to);
  else
    to = from;
}

}  // namespace kestrine
