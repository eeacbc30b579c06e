// The one switch between screens: SetGameState runs the entry actions of the new state's screen (the screen
// table, shell/screen_table.h, where each subsystem registers its own), then stores it. It runs inside the calling handler; nothing is
// queued, so the next event already sees the new state.
#pragma once

#include <cstdint>

namespace kestrine {

// The game states: each is one screen of the screen table (shell/screen_table.h).
enum GameStateId : int {
  STATE_LOGOS = 0,
  STATE_DISCLAIMER = 1,
  STATE_MAIN_MENU = 2,
  STATE_LOAD_GAME = 3,
  STATE_SAVE_GAME = 4,
  STATE_DIFFICULTY = 5,
  STATE_TRAINING = 6,
  STATE_OPTIONS = 7,
  STATE_PLAYER_CONTROLS = 8,
  STATE_VOLUME = 9,
  STATE_HIGH_SCORES = 11,
  STATE_PLAYER_SELECT = 13,
  STATE_BRIEFING = 14,
  STATE_BACKPACK = 15,
  STATE_START_MISSION = 16,
  STATE_OVERHEAD = 17,
  STATE_PATIENT_VIEW = 18,
  STATE_DEBRIEFING = 20,
  STATE_KIA = 21,
  STATE_DEV_NOTES = 27,
  STATE_OPEN_PATIENT_VIEW = 28,
  STATE_PAUSE_MENU = 29,
  STATE_QUIT_CONFIRM = 30,
  STATE_FINISH = 31,
};

// The state the game is in and the one it came from. Written only by the switch below; everyone else reads the
// const view.
struct GameStates {
  int32_t gameState = STATE_LOGOS;
  int32_t previousGameState = STATE_LOGOS;
};

const GameStates& States();

// n in 0..31 (anything else is refused and traced); 16 (start a mission) is stored as 17 and 28 (open the patient view)
// as 18. Leaving the options menu (7) never changes previousGameState, so screens opened from it return past it. Each
// switch traces "game state <n>" with the stored state.
void SetGameState(int32_t n);

// Stores n as the game state and nothing else: no entry runs and previousGameState stays as it is. For the
// few screens that come back to a state whose screen they draw themselves (a BACK that redraws the options
// menu, the quit box's NO over the briefing), and for the steps that must see a state before its switch runs.
// Every caller says why it skips the entry. n in 0..31, as for SetGameState; stored as given (16 stays 16).
void StoreGameStateWithoutEntry(int32_t n);

// Switches to state n through SetGameState, then keeps `previous` as the state to come back to in place of
// the one being left. For the screens opened over a state that their BACK must not return to: the options
// and the controls opened from the main menu, the high-score entry at the campaign's end (both come back to
// the main menu), and the options opened from the paused battle (they come back to the overhead view).
void SetGameStateReturningTo(int32_t n, int32_t previous);

// The state a request is stored as.
int32_t StoredGameState(int32_t requested);

}  // namespace kestrine
