// Every label the screens draw lies inside the plate or panel its screen's picture gives it, at 640 x 480.
// Each screen is opened the way the game opens it and drawn; each label's ink, as the engine's fonts put it
// on the canvas, is found around its box and held against the box. Ink at or past a box's edge is a label
// wider than its button (or one drawn over its neighbour).
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "casualty/backpack.h"
#include "casualty/tool_table.h"
#include "engine/engine.h"
#include "harness.h"
#include "player_road.h"
#include "shell/game_state.h"
#include "shell/mission_progress.h"
#include "shell/overlays.h"
#include "shell/screen_text.h"
#include "slot_screens.h"
#include "tools/assetgen/label_plates.h"

namespace kestrine::scenario {
namespace {

namespace plates = assetgen::plates;
using Box = plates::Box;

enum class Canvas { kText, kMenu };

// One label and the box it must stay inside; `slack` is how far to each side of the box its ink is looked for
// (as far as the nearest other label allows). Ink on a box's edge rows or columns is already too much.
struct LabelCase {
  const char* what;
  Canvas canvas;
  Box box;
  int slack;
};

// The colours labels are drawn in: plain, pointed at, greyed, disabled.
bool IsLabelInk(const engine::Color& c) {
  return (c.r == 235 && c.g == 247 && c.b == 195) || (c.r == 255 && c.g == 226 && c.b == 73) ||
         (c.r == 155 && c.g == 155 && c.b == 155) || (c.r == 150 && c.g == 150 && c.b == 150);
}

struct Ink {
  int pixels = 0;
  int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;  // right and bottom inclusive
};

Ink InkAround(const engine::EngineRef<engine::EngineBitmap>& image, const Box& box, int slack) {
  Ink ink;
  const int x0 = std::max(0, box.x - slack), x1 = std::min(image->GetWidth(), box.Right() + slack);
  const int y0 = std::max(0, box.y), y1 = std::min(image->GetHeight(), box.Bottom());
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) {
      if (!IsLabelInk(image->PixelColor(x, y))) continue;
      ++ink.pixels;
      ink.left = std::min(ink.left, x);
      ink.right = std::max(ink.right, x);
      ink.top = std::min(ink.top, y);
      ink.bottom = std::max(ink.bottom, y);
    }
  return ink;
}

// The ink is there and keeps off the box's edge rows and columns.
void ExpectInside(const char* screen, const LabelCase& label) {
  SCOPED_TRACE(std::string(screen) + ": " + label.what);
  const engine::EngineRef<engine::EngineBitmap>& image =
      label.canvas == Canvas::kMenu ? Overlays().menuCanvas : ScreenText().textOverlay;
  const Ink ink = InkAround(image, label.box, label.slack);
  ASSERT_GT(ink.pixels, 0) << "no label drawn there";
  EXPECT_GT(ink.left, label.box.x);
  EXPECT_LT(ink.right, label.box.Right() - 1);
  EXPECT_GT(ink.top, label.box.y);
  EXPECT_LT(ink.bottom, label.box.Bottom() - 1);
}

// Only the rows of a box beneath `rows` of its height: a count's room under its weapon's picture.
Box Below(const Box& box, int rows) { return {box.x, box.y + rows, box.width, box.height - rows}; }

class LabelsFit : public AtTheDisclaimer {
 protected:
  void ToTheBriefing() {
    game.Click(kAccept.x, kAccept.y);
    game.Click(kNewGame.x, kNewGame.y);
    game.Click(kNovice.x, kNovice.y);
    ASSERT_EQ(States().gameState, STATE_PLAYER_SELECT);
    game.Frame(16);
    PointAndClick(game, kSelect);
    ASSERT_EQ(States().gameState, STATE_BRIEFING);
    RestThePointer();
  }
  // The pointer away from every button, so each label shows in its plain colour.
  void RestThePointer() {
    game.MoveTo(5, 5);
    game.Frames(3, 16);
  }
};

TEST_F(LabelsFit, EveryScreensLabelsLieInsideTheirBoxes) {
  ToTheBriefing();
  for (const LabelCase& label : {
           LabelCase{"START MISSION", Canvas::kMenu, plates::kBriefingStartMission, 12},
           LabelCase{"LOAD BACKPACK", Canvas::kMenu, plates::kBriefingLoadBackpack, 12},
           LabelCase{"SAVE", Canvas::kMenu, plates::kBriefingSave, 12},
           LabelCase{"BACK", Canvas::kMenu, plates::kBriefingBackOrQuit, 12},
       })
    ExpectInside("briefing", label);

  // The save screen from the briefing: BACK on the strip it is given as its plate.
  PointAndClick(game, kBriefingSave);
  ASSERT_EQ(States().gameState, STATE_SAVE_GAME);
  RestThePointer();
  const Box backPlate{358, 405, 229, 23};
  EXPECT_EQ(
      CountPixels(ScreenText().textOverlay, backPlate.x, backPlate.y, backPlate.width, backPlate.height, 255, 0, 0), 0)
      << "BACK has no plate";
  ExpectInside("save screen", {"BACK", Canvas::kMenu, backPlate, 12});

  // Back to the briefing, then its LOAD BACKPACK; the pack emptied and filled with as many different tools
  // as it takes, the lightest first, one list line each.
  PointAndClick(game, kSlotBack);
  ASSERT_EQ(States().gameState, STATE_BRIEFING);
  RestThePointer();
  PointAndClick(game, {504, 380});
  ASSERT_EQ(States().gameState, STATE_BACKPACK);
  std::vector<int> rows;
  for (int row = 0; row < kToolCount; ++row) rows.push_back(row);
  std::sort(rows.begin(), rows.end(), [](int a, int b) {
    const auto load = [](int row) {
      return ToolTable[row].weight / Pack().maxWeight + ToolTable[row].volume / Pack().maxVolume;
    };
    return load(a) < load(b);
  });
  for (int row : rows)
    while (Pack().count[row] > 0) RemoveFromBackpack(row);
  for (int row : rows) AddToBackpack(row);
  RestThePointer();
  for (const LabelCase& label : {
           LabelCase{"START MISSION", Canvas::kMenu, plates::kBackpackStartMission, 15},
           LabelCase{"BACK", Canvas::kMenu, plates::kBackpackBack, 15},
           LabelCase{"the carried list", Canvas::kText, plates::kBackpackList, 12},
       })
    ExpectInside("backpack", label);

  // START MISSION into the overhead view; the widest counts and score it shows, every stage of its display
  // drawn.
  PointAndClick(game, {267, 415});
  ASSERT_TRUE(game.RunUntilState(STATE_OVERHEAD));
  SetToolCount(0, 4);
  SetToolCount(1, 240);
  SetToolCount(2, 75);
  SetMissionScore(9999, Progress().missionMaximum);
  RestThePointer();
  FullDisplayTurn(game);
  for (const LabelCase& label : {
           LabelCase{"Time, You and Score", Canvas::kText, plates::kHudStatusColumn, 2},
           LabelCase{"MENU", Canvas::kText, plates::kHudMenu, 8},
           LabelCase{"MOVE TEAM", Canvas::kText, plates::kHudMoveTeam, 8},
           LabelCase{"VIEW PATIENT", Canvas::kText, plates::kHudViewPatient, 8},
           LabelCase{"DRAG PATIENT", Canvas::kText, plates::kHudDragPatient, 8},
           LabelCase{"pistol rounds", Canvas::kText, Below(plates::kHudPistol, plates::kHudIconRows), 0},
           LabelCase{"rifle rounds", Canvas::kText, Below(plates::kHudRifle, plates::kHudIconRows), 0},
           LabelCase{"grenades", Canvas::kText, Below(plates::kHudGrenade, plates::kHudIconRows), 0},
           LabelCase{"Ready for EVAC", Canvas::kText, plates::kHudReadyForEvac, 0},
           LabelCase{"Return to Action", Canvas::kText, plates::kHudReturnToAction, 0},
           LabelCase{"Call for Support", Canvas::kText, plates::kHudCallForSupport, 0},
       })
    ExpectInside("overhead", label);
  // Nothing written over the weapons' pictures.
  for (const Box& weapon : {plates::kHudPistol, plates::kHudRifle, plates::kHudGrenade}) {
    const Box icon{weapon.x, weapon.y, weapon.width, plates::kHudIconRows};
    EXPECT_EQ(InkAround(ScreenText().textOverlay, icon, 0).pixels, 0) << "text over the weapon at x " << weapon.x;
  }
}

TEST_F(LabelsFit, EachMedicsNameLiesOnItsPlate) {
  game.Click(kAccept.x, kAccept.y);
  game.Click(kNewGame.x, kNewGame.y);
  game.Click(kNovice.x, kNovice.y);
  ASSERT_EQ(States().gameState, STATE_PLAYER_SELECT);
  const ScreenPoint next{343, 356};
  for (int figure = 0; figure < 3; ++figure) {
    RestThePointer();
    ExpectInside(("player select, figure " + std::to_string(figure)).c_str(),
                 {"the medic's name", Canvas::kText, plates::kPlayerSelectNamePlate, 10});
    PointAndClick(game, next);
  }
}

}  // namespace
}  // namespace kestrine::scenario
