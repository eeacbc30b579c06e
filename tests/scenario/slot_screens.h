// The save-slot screens and the menus that lead to them, worked with the mouse where their buttons are drawn:
// the slot rows 228 x 23 from (74, 181), 25 apart, with SAVE or LOAD and BACK beside them.
#pragma once

#include "harness.h"
#include "player_road.h"
#include "shell/game_state.h"

namespace kestrine::scenario {

constexpr ScreenPoint kAccept{487, 446}, kNewGame{165, 217}, kLoadGame{165, 242}, kNovice{165, 192},
    kSelect{453, 421};
constexpr ScreenPoint kBriefingSave{504, 405}, kDebriefingSave{504, 396};
constexpr ScreenPoint kPauseSave{321, 216}, kPauseLoad{321, 244}, kPauseQuit{321, 189}, kYes{321, 297};
constexpr ScreenPoint kSlotAct{472, 391}, kSlotBack{472, 418};
inline ScreenPoint Slot(int slot) { return {188, 192 + 25 * slot}; }

// The pointer comes to rest on the point, then clicks there.
inline void PointAndClick(Harness& game, ScreenPoint p) {
  game.MoveTo(p.x, p.y);
  game.Click(p.x, p.y);
}

// On a slot screen: the slot chosen, then SAVE or LOAD.
inline void UseSlot(Harness& game, int slot) {
  PointAndClick(game, Slot(slot));
  game.Frame(16);
  PointAndClick(game, kSlotAct);
}

// From the disclaimer (ACCEPT) or from anywhere else (as the program's own switch) to the main menu.
inline void ToTheMainMenu(Harness& game) {
  if (States().gameState == STATE_DISCLAIMER)
    game.Click(kAccept.x, kAccept.y);
  else SetGameState(STATE_MAIN_MENU);
}

// The main menu's LOAD GAME, then `slot` loaded.
inline void LoadFromTheMainMenu(Harness& game, int slot) {
  ToTheMainMenu(game);
  PointAndClick(game, kLoadGame);
  if (States().gameState != STATE_LOAD_GAME) return;
  game.Frame(16);
  UseSlot(game, slot);
}

}  // namespace kestrine::scenario
