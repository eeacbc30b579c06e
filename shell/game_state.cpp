#include "shell/game_state.h"

#include <string>

#include "shell/engine_setup.h"
#include "shell/program_state.h"
#include "shell/screen_table.h"

namespace kestrine {

GameStates gameStates;
KESTRINE_PROGRAM_STATE(gameStates);

const GameStates& States() { return gameStates; }

namespace {

constexpr int32_t kLastGameState = 31;

bool Refused(int32_t n) {
  if (n < 0 || n > kLastGameState) {
    // No screen answers such a state; storing it would leave every handler doing nothing for good.
    if (Engine().engineRoot) Engine().engineRoot->DebugPrint("game state " + std::to_string(n) + " refused");
    return true;
  }
  return false;
}

}  // namespace

int32_t StoredGameState(int32_t requested) {
  if (requested == STATE_START_MISSION) return STATE_OVERHEAD;
  if (requested == STATE_OPEN_PATIENT_VIEW) return STATE_PATIENT_VIEW;
  return requested;
}

void SetGameState(int32_t n) {
  if (Refused(n)) return;
  // The new screen is built while gameState still holds the one being left (some entries ask which).
  const Screen* screen = ScreenToRun(n);
  if (screen && screen->enter) screen->enter();
  if (gameStates.gameState != STATE_OPTIONS) gameStates.previousGameState = gameStates.gameState;
  gameStates.gameState = StoredGameState(n);
  if (Engine().engineRoot) Engine().engineRoot->DebugPrint("game state " + std::to_string(gameStates.gameState));
}

void SetGameStateReturningTo(int32_t n, int32_t previous) {
  SetGameState(n);
  gameStates.previousGameState = previous;
}

void StoreGameStateWithoutEntry(int32_t n) {
  if (Refused(n)) return;
  gameStates.gameState = n;
}

}  // namespace kestrine
