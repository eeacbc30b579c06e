// The menu screens of the front end: disclaimer, main menu, difficulty, training missions, options, player
// controls, volume, the developer notes, the in-game pause menu, the quit confirmation and the
// killed-in-action screen. Each is one file (frontend/menu_*.cpp) that holds the whole screen: its buttons as a
// table of rows named by the screen's enum, its drawing, what each button does and its record of the screen
// table, registered from frontend_screens.cpp. A button's index in the hot-spot list is its name's value: the
// rows are registered in the order of their names, whatever order the table lists them in. Buttons follow the
// screen table's one rule (the button under the release, with the click tick) unless the game's design gives
// the screen another; such a screen says why where it registers.
//
// This header holds the kit the menu files share and the names others use: the buttons' names that tests
// and other screens press, and the drawing of a menu another screen returns to.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "engine/engine.h"

namespace kestrine {

// ---- the buttons' names; each value is the button's index ----
enum DisclaimerButton : int32_t { DISCLAIMER_ACCEPT, DISCLAIMER_REJECT };
enum MainMenuButton : int32_t {
  MAIN_TRAINING,
  MAIN_NEW_GAME,
  MAIN_LOAD_GAME,
  MAIN_OPTIONS,
  MAIN_EXIT,
  MAIN_PLAYER_CONTROLS,
  MAIN_CREDITS,
};
// NOVICE, INTERMEDIATE and EXPERT are the difficulties 0..2.
enum DifficultyButton : int32_t { DIFFICULTY_NOVICE, DIFFICULTY_INTERMEDIATE, DIFFICULTY_EXPERT, DIFFICULTY_BACK };
// The three training missions in their order.
enum TrainingButton : int32_t { TRAINING_MISSION_1, TRAINING_MISSION_2, TRAINING_MISSION_3, TRAINING_BACK };
// The two empty entries hit nothing: they keep VOLUME CONTROL, HIGH SCORES and BACK at 1, 2 and 4.
enum OptionsButton : int32_t { OPTIONS_EMPTY_1, OPTIONS_VOLUME, OPTIONS_HIGH_SCORES, OPTIONS_EMPTY_2, OPTIONS_BACK };
enum PlayerControlsButton : int32_t { CONTROLS_BACK, CONTROLS_SCROLL_UP, CONTROLS_SCROLL_DOWN };
enum VolumeButton : int32_t {
  VOLUME_BACK,
  VOLUME_EFFECTS_DOWN,
  VOLUME_EFFECTS_UP,
  VOLUME_MUSIC_DOWN,
  VOLUME_MUSIC_UP,
};
enum DevNotesButton : int32_t { DEV_NOTES_MAIN_MENU };
enum PauseButton : int32_t {
  PAUSE_QUIT,
  PAUSE_SAVE,
  PAUSE_LOAD,
  PAUSE_CONTINUE,
  PAUSE_OPTIONS,
  PAUSE_PLAYER_CONTROLS,
};
enum QuitButton : int32_t { QUIT_YES, QUIT_NO };
enum KiaButton : int32_t { KIA_MAIN_MENU, KIA_REPLAY };

// ---- the menus other screens draw: when they return to them, or right after switching to them ----
void MainMenu();
void OptionsMenu();
void VolumeScreen();
void QuitConfirm();

// ---- the kit ----
// Where a button sits and how it is drawn.
enum class ButtonPlace : uint8_t {
  kColumn,      // the menu column: row y (1..7) of the menu panel, 180 x 23, label size 11
  kWide,        // full-screen design space: at (x, y), the width of 170 of 640, 22 high, label size 11
  kPanel,       // the pause and quit panels' column: y a fraction of the screen, 22 high, label size 11
  kPanelBox,    // a box without label at (x, y) of the menu panel's design space, width x height pixels
  kStrip,       // a strip without label at pixel x, at y of the menu panel's design space, width x height pixels
  kNowhere,     // an empty rectangle no pointer hits: it holds its index
  kOverlayText  // a label of size 14 centred at fraction x on the text overlay, with a width x height box
};

struct MenuButton {
  int32_t name;  // the screen's name for it, which is its index
  ButtonPlace place;
  double x = 0, y = 0, width = 0, height = 0;
  const wchar_t* label = nullptr;
};

constexpr MenuButton ColumnButton(int32_t name, int row, const wchar_t* label) {
  return {.name = name, .place = ButtonPlace::kColumn, .y = static_cast<double>(row), .label = label};
}
constexpr MenuButton WideButton(int32_t name, int x, int y, const wchar_t* label) {
  return {.name = name,
          .place = ButtonPlace::kWide,
          .x = static_cast<double>(x),
          .y = static_cast<double>(y),
          .label = label};
}
constexpr MenuButton PanelButton(int32_t name, double y, const wchar_t* label) {
  return {.name = name, .place = ButtonPlace::kPanel, .y = y, .label = label};
}
constexpr MenuButton PanelBox(int32_t name, int x, int y, int width, int height) {
  return {.name = name,
          .place = ButtonPlace::kPanelBox,
          .x = static_cast<double>(x),
          .y = static_cast<double>(y),
          .width = static_cast<double>(width),
          .height = static_cast<double>(height)};
}
constexpr MenuButton Strip(int32_t name, int x, int y, int width, int height) {
  return {.name = name,
          .place = ButtonPlace::kStrip,
          .x = static_cast<double>(x),
          .y = static_cast<double>(y),
          .width = static_cast<double>(width),
          .height = static_cast<double>(height)};
}
constexpr MenuButton NoButton(int32_t name) { return {.name = name, .place = ButtonPlace::kNowhere}; }
constexpr MenuButton OverlayTextButton(int32_t name, double x, double y, double width, double height,
                                       const wchar_t* label) {
  return {.name = name,
          .place = ButtonPlace::kOverlayText,
          .x = x,
          .y = y,
          .width = width,
          .height = height,
          .label = label};
}

// The check every screen's table passes at compile time: the rows name the buttons 0..n-1, each once (every
// index has its button), and a button of the menu column sits on one of its seven rows.
template <size_t N>
constexpr bool ValidButtonTable(const MenuButton (&rows)[N]) {
  for (size_t index = 0; index < N; ++index) {
    int named = 0;
    for (const MenuButton& row : rows) named += row.name == static_cast<int32_t>(index) ? 1 : 0;
    if (named != 1) return false;
  }
  for (const MenuButton& row : rows)
    if (row.place == ButtonPlace::kColumn && (row.y < 1 || row.y > 7)) return false;
  return true;
}

// Draws and registers a screen's buttons in the order of their names (after the caller's ClearHotspots); a
// button is lit when the pointer rests on its index.
void AddButtons(std::span<const MenuButton> rows);

// The top `rows` rows of the menu panel picture behind the menu column.
void MenuPanel(int rows);
// The pause or quit panel picture in the middle of the screen.
void CentrePanel(const engine::EngineRef<engine::EngineBitmap>& image);
// Loads a picture the first time it is needed, polling every `waitMs` until it is in.
void LoadOnce(engine::EngineRef<engine::EngineBitmap>& image, const wchar_t* path, int waitMs);

// The window goes, and with it the game (its close leads to the engine's shut-down and the quit message).
void CloseGame();

// Out of the overhead view to a menu over the opening backdrop (the pause menu's screens, quitting a mission).
void LeaveMissionForMenu();

// No button is lit: whatever the pointer rested on before (on the screen before, or under a box that has
// gone) counts for nothing until the pointer moves again.
void ForgetTheLastButton();

// The developer keys of the screens that take them.
void DeveloperKeys(int key, bool down);

// The screen drawn again when the pointer comes onto one of its buttons, so that its label shows lit.
template <void (*Draw)()>
void RedrawOnHit(bool hit) {
  if (hit) Draw();
}

}  // namespace kestrine
