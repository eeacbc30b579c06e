// The plates and panels the generated screen pictures give the game's labels, in pixels of the 640 x 480
// screen they are drawn for. A plate is the visible button or box: it holds the label the screen draws
// there with room to spare, and covers the button's clickable rectangle. The pictures are drawn from these
// numbers and the label tests hold every label the screens draw against them.
#pragma once

namespace assetgen::plates {

struct Box {
  int x, y, width, height;
  constexpr int Right() const { return x + width; }
  constexpr int Bottom() const { return y + height; }
};

// ---- briefing: the button column (labels centred at x 504) ----
constexpr Box kBriefingButtonPanel{420, 332, 168, 124};
constexpr Box kBriefingStartMission{431, 341, 146, 23};
constexpr Box kBriefingLoadBackpack{431, 366, 146, 24};
constexpr Box kBriefingSave{431, 392, 146, 23};
constexpr Box kBriefingBackOrQuit{431, 417, 146, 24};

// ---- backpack screen: START MISSION (centred at x 267) and BACK (at x 110), and the carried list ----
constexpr Box kBackpackStartMission{197, 403, 140, 25};
constexpr Box kBackpackBack{55, 403, 110, 25};
constexpr Box kBackpackList{368, 78, 204, 392};

// ---- overhead strip (screen rows 355..479) ----
// Time, the medic's own condition and the score, one under the other below the mini-map.
constexpr Box kHudStatusColumn{14, 430, 84, 45};
constexpr Box kHudMenu{104, 418, 104, 23};
constexpr Box kHudMoveTeam{104, 442, 104, 24};
constexpr Box kHudViewPatient{219, 418, 134, 23};
constexpr Box kHudDragPatient{219, 442, 134, 24};
// The weapons: each plate's top rows hold the icon, the rest the count drawn at screen row 432.
constexpr Box kHudPistol{373, 414, 40, 48};
constexpr Box kHudRifle{413, 414, 46, 48};
constexpr Box kHudGrenade{459, 414, 42, 48};
constexpr int kHudIconRows = 17;
constexpr Box kHudReadyForEvac{524, 413, 110, 17};
constexpr Box kHudReturnToAction{524, 431, 110, 17};
constexpr Box kHudCallForSupport{524, 449, 110, 17};

// ---- player select: the plate of the medic's name (centred at x 418), over the figure window's corner ----
constexpr Box kPlayerSelectNamePlate{366, 36, 104, 25};

}  // namespace assetgen::plates
