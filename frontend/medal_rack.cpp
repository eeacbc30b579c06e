#include "frontend/medal_rack.h"

#include "frontend/award_texts.h"
#include "shell/asset_loader.h"
#include "shell/events.h"
#include "shell/layout.h"
#include "shell/screen_text.h"
#include "shell/wide_text.h"

namespace kestrine {

namespace {

constexpr int kRibbonsBelowBadge = 40;
constexpr int kPanelFirstRow = 30;
constexpr int kBadgeHeight = 27;
// The first badge is wider than the other two.
constexpr int kWideBadgeLeft = 35, kWideBadgeWidth = 78;
constexpr int kBadgeLeft = 52, kBadgeWidth = 43;
// The top row of a pyramid of one or two ribbons sits this far in (half a tile).
constexpr int kHalfTile = 24;
constexpr int kPanelColumns = 3;
// Ribbons 0 and 1 top the possible-medals panel; 2..4 and 5..7 are its two rows below.
constexpr int kFirstRowRibbons = 2;
constexpr int kCitationSize = 7;
constexpr int kCitationFlags = 16;
constexpr int kCitationWidth = 155, kCitationHeight = 108;

RackTile Ribbon(int32_t k, int x, int y) { return {false, k, x, y, kRibbonTileWidth, kRibbonTileHeight}; }

}  // namespace

std::vector<RackTile> EarnedRackTiles(const MissionProgress& progress, int x, int y) {
  std::vector<RackTile> tiles;
  if (progress.lastBadge == 0) tiles.push_back({true, 0, x + kWideBadgeLeft, y, kWideBadgeWidth, kBadgeHeight});
  if (progress.lastBadge == 1 || progress.lastBadge == 2)
    tiles.push_back({true, progress.lastBadge, x + kBadgeLeft, y, kBadgeWidth, kBadgeHeight});

  // One ribbon alone is centred; two share the top row; otherwise rows of three, and a total that does not
  // divide by three puts its remainder on top.
  const int32_t total = progress.ribbonTotal;
  const int32_t remainder = total % 3;
  int row = 0, col = 0;
  const int top = y + kRibbonsBelowBadge;
  for (int32_t k = 0; k < kRibbonCount; ++k) {
    if (progress.ribbonCount[k] <= 0) continue;
    if (remainder == 1 && row == 0) {
      tiles.push_back(Ribbon(k, x + kRibbonTileWidth, top));
      row = 1;
    } else if (remainder == 2 && row == 0) {
      tiles.push_back(Ribbon(k, x + kHalfTile + kRibbonTileWidth * col, top));
      if (++col == 2) {
        row = 1;
        col = 0;
      }
    } else if (total > 2) {
      tiles.push_back(Ribbon(k, x + kRibbonTileWidth * col, top + kRibbonTileHeight * row));
      if (++col == kPanelColumns) {
        ++row;
        col = 0;
      }
    }
  }
  return tiles;
}

RackTile HoveredRackRibbon(int px, int py, int x, int y) {
  RackTile none;
  none.index = -1;
  // Integer division truncates toward zero: a pointer a little above or left of a row still counts for it.
  const int row = (py - y - kPanelFirstRow) / kRibbonTileHeight;
  if (row == 1 || row == 2) {
    const int col = (px - x) / kRibbonTileWidth;
    if (col < 0 || col >= kPanelColumns) return none;
    return Ribbon(kPanelColumns * (row - 1) + col + kFirstRowRibbons, x + kRibbonTileWidth * col,
                  y + kRibbonTileHeight * row + kPanelFirstRow);
  }
  if (row == 0) {
    const int col = (px - x - kHalfTile) / kRibbonTileWidth;
    if (col == 0) return Ribbon(0, x + kHalfTile, y + kPanelFirstRow);
    if (col == 1) return Ribbon(1, x + kHalfTile + kRibbonTileWidth, y + kPanelFirstRow);
  }
  return none;
}

void DrawMedalRack(int mode, int x, int y) {
  if (mode == RACK_EARNED) {
    for (const RackTile& tile : EarnedRackTiles(Progress(), x, y)) {
      const auto& image = tile.badge ? Assets().badgeImages[tile.index] : Assets().medalImages[tile.index];
      if (!image) continue;
      const int sw = tile.badge ? image->GetWidth() : kRibbonTileWidth;
      const int sh = tile.badge ? image->GetHeight() : kRibbonTileHeight;
      ScreenText().textOverlay->DrawBitmap(image, 0, 0, 0, sw, sh, tile.x, tile.y, tile.width, tile.height);
    }
    return;
  }
  const RackTile tile = HoveredRackRibbon(Pointer().pointerX, Pointer().pointerY, x, y);
  if (tile.index < 0) return;
  if (Assets().medalImages[tile.index])
    ScreenText().textOverlay->DrawBitmap(Assets().medalImages[tile.index], 0, 0, 0, kRibbonTileWidth, kRibbonTileHeight,
                                         tile.x, tile.y, tile.width, tile.height);
  DrawTextInRect(PanelX(421), PanelY(240), kCitationWidth, kCitationHeight, WidenText(AwardDescriptions[tile.index]),
                 kCitationSize, kCitationFlags, kLabelR, kLabelG, kLabelB, 0, 0);
}

}  // namespace kestrine
