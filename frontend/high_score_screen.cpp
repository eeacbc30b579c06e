#include "frontend/high_score_screen.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "frontend/high_score_table.h"
#include "frontend/menu_screens.h"
#include "frontend/save_failure_box.h"
#include "platform/message_box.h"
#include "shell/asset_loader.h"
#include "shell/engine_setup.h"
#include "shell/game_state.h"
#include "shell/hotspots.h"
#include "shell/layout.h"
#include "shell/main_window.h"
#include "shell/mission_progress.h"
#include "shell/overlays.h"
#include "shell/screen_table.h"
#include "shell/screen_text.h"
#include "shell/wide_text.h"

namespace kestrine {

namespace {

constexpr int kPromptR = 10, kPromptG = 250, kPromptB = 10;
constexpr int kRowsTop = 245;  // the column heads; rank r sits 18 pixels a rank below
constexpr int kRowPitch = 18;
constexpr const char* kDamagedHighScoresTitle = "Damaged High Scores";

constexpr MenuButton kButtons[] = {
    ColumnButton(HIGH_SCORE_BACK, 1, L"BACK"),
    ColumnButton(HIGH_SCORE_NEXT, 2, L"NEXT"),
};
static_assert(ValidButtonTable(kButtons));

constexpr const wchar_t* kPageTitles[kHighScorePages] = {
    L"HIGH SCORES - NOVICE",
    L"HIGH SCORES - INTERMEDIATE",
    L"HIGH SCORES - EXPERT",
};

void Label(double x, double y, const std::wstring& text, int size, int align = ALIGN_LEFT) {
  DrawScreenText(x, y, text, size, align, kLabelR, kLabelG, kLabelB, 1, 0);
}

std::wstring Format(const char* format, auto... values) {
  char text[64];
  std::snprintf(text, sizeof text, format, values...);
  return WidenText(text);
}

void ClearBothLayers() {
  ClearTextOverlay();
  ClearMenuCanvas();
}

void DrawRows(int32_t page) {
  Label(75, kRowsTop, L"RANK", 10, ALIGN_CENTRE);
  Label(105, kRowsTop, L"NAME", 10);
  Label(230, kRowsTop, L"SCORE", 10);
  Label(320, kRowsTop, L"MISSION", 10);
  for (int32_t rank = 1; rank <= kHighScoresPerPage; ++rank) {
    const int32_t row = page * kHighScoresPerPage + rank - 1;
    const HighScoreEntry& e = HighScores().table[row];
    const int y = kRowsTop + kRowPitch * rank;
    // The name is shown as far as its end, and never past its twelve bytes.
    const std::string name(e.name, strnlen(e.name, kHighScoreNameSize));
    Label(75, y, Format("%2d.", rank), 10);
    Label(105, y, Format("%-12s", name.c_str()), 10);
    Label(230, y, Format("%d/%d", e.score, e.maximum), 10);
    Label(320, y, Format("%3d", e.mission), 10);
    if (e.cheat != 0) Label(275, y, L"CHEATER", 10);
    if (row == HighScores().highScoreEntryRow) OutlineRect(ScreenText().textOverlay, 70, y - 1, 280, kRowPitch);
  }
}

// Where the player finds a file: the name his file manager shows.
std::string OnDisk(std::string gamePath) {
  std::replace(gamePath.begin(), gamePath.end(), '\\', '/');
  return gamePath;
}

}  // namespace

void ReadHighScoreTable() {
  std::string setAsideAs;
  std::string text;
  switch (LoadHighScores(&setAsideAs)) {
    case HighScoreLoad::kDamagedSetAside:
      text = "The high-score table " + OnDisk(kHighScoreFile) + " was damaged and could not be read. It was kept as " +
             OnDisk(setAsideAs) + ", and a new table was begun.";
      break;
    case HighScoreLoad::kDamagedLeftInPlace:
      if (HighScores().damageTold) return;
      text = "The high-score table " + OnDisk(kHighScoreFile) +
             " is damaged and could not be read or moved aside. It is left as it is, and no scores will be saved "
             "over it.";
      break;
    case HighScoreLoad::kFromFile:
    case HighScoreLoad::kDefaults:
      return;
  }
  NoteDamageTold();
  MessageBox(mainWindow.Handle(), text.c_str(), kDamagedHighScoresTitle, MB_OK | MB_ICONEXCLAMATION);
}

bool EnterHighScore() {
  if (Campaign().trainingRun) return false;
  ReadHighScoreTable();
  // The page is the difficulty's; a difficulty from anywhere else still lands on one of the three.
  const int32_t page = std::clamp<int32_t>(Campaign().difficulty, 0, kHighScorePages - 1);
  const int32_t row =
      EnterScoreForNaming(page, Progress().campaignScore, Progress().campaignMaximum, Campaign().missionNumber);
  if (row < 0) return false;
  // The options menu's BACK leads on to the main menu: the campaign is over.
  SetGameStateReturningTo(STATE_HIGH_SCORES, STATE_MAIN_MENU);
  DrawBackdrop(Assets().openingImage);
  ShowOverlay();
  HighScoreScreen();
  return true;
}

void HighScoreScreen() {
  ClearHotspots();
  if (Assets().menuBarsImage)
    ScreenText().textOverlay->DrawBitmap(Assets().menuBarsImage, 0, 0, 0, 184, 50, PanelX(75), PanelY(169), 184,
                                         Engine().screenHeight * 50 / 480);
  AddButtons(kButtons);
  const int32_t page = std::clamp<int32_t>(HighScores().highScorePage, 0, kHighScorePages - 1);
  Label(75, PanelY(218), kPageTitles[page], 11);
  DrawRows(page);
  if (HighScores().highScoreEntryRow != -1)
    DrawScreenText(75, 150, L"You beat a high score. Type in your name.", 10, ALIGN_LEFT, kPromptR, kPromptG, kPromptB,
                   1, 0);
}

namespace {

// The button a release chose (the one the last pointer move lit; -1 for none).
void HighScoreButtonAction(int32_t button) {
  switch (button) {
    case HIGH_SCORE_BACK:
      ClearBothLayers();
      // The one way a typed name reaches the file; a failed write keeps the old file and says why.
      TellSaveFailure("The high-score table", kHighScoreFile, SaveHighScores(), "Nothing on the disk was changed.");
      // Back to the options menu without its entry (which would clear the screen again and keep the high-score
      // screen as the one to return to); the options menu is drawn here at once, not only when the pointer next
      // moves.
      StoreGameStateWithoutEntry(STATE_OPTIONS);
      OptionsMenu();
      break;
    case HIGH_SCORE_NEXT:
      ClearBothLayers();
      TurnHighScorePage();
      HighScoreScreen();
      break;
    default:
      break;
  }
}

// A pointer move that found a button: the page is drawn again with its label lit.
void HighScoreHover(bool hit) {
  if (!hit) return;
  ClearBothLayers();
  HighScoreScreen();
}

// A key of state 11: while a row is being named, a press types into it (A..Z, Space, Backspace or Delete
// empty it) and the page is drawn again; releases, and keys with no row to name, do nothing.
void HighScoreKey(int key, bool down) {
  const int32_t row = HighScores().highScoreEntryRow;
  if (!down || row < 0 || row >= kHighScoreRows) return;
  if (TypeIntoNamedRow(key) == NAME_KEY_EMPTIED) ClearTextOverlay();
  HighScoreScreen();
}

}  // namespace

void RegisterHighScoreScreen() {
  // The game's rule for this screen: the button the last pointer move lit. The screen is drawn by whoever opens
  // it (the options menu, a campaign's end).
  RegisterScreen(
      STATE_HIGH_SCORES,
      Screen{
          .press = HighScoreButtonAction, .rule = ButtonRule::kLastLit, .hover = HighScoreHover, .key = HighScoreKey});
}

}  // namespace kestrine
