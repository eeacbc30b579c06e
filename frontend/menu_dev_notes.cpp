// The developer notes (state 27): a red page of notes on the milestone and MAIN MENU.
#include "frontend/menu_screens.h"
#include "shell/engine_setup.h"
#include "shell/game_state.h"
#include "shell/hotspots.h"
#include "shell/overlays.h"
#include "shell/screen_table.h"
#include "shell/screen_text.h"

namespace kestrine {

namespace {

constexpr const wchar_t* kDevNotes[] = {
    L"The menu interface and program flow interface is in as well as the",
    L"overhead module and the patient view module.  The overhead view is",
    L"functioning with the ability to move the medic around the field.",
    L"The patient view interface allows for initial camera movement and",
    L"the ability to use the scissors on the right arm. See the",
    L"accomanying document \"Kestrine Controls\" for more information.",
    L" ",
    L" ",
    L"ESC will restore window mode and then click the 'X' to shut down the game.",
    L" ",
};

constexpr MenuButton kButtons[] = {
    OverlayTextButton(DEV_NOTES_MAIN_MENU, 0.8, 0.3, 0.5, 0.09, L"MAIN MENU"),
};
static_assert(ValidButtonTable(kButtons));

void DevNotesScreen() {
  ClearHotspots();
  ClearTextOverlay();
  Overlays().menuCanvas->SetDrawColor(255, 0, 0);
  Overlays().menuCanvas->FillRect(0, 0, Engine().screenWidth, Engine().screenHeight);
  DrawScreenText(0.1, 0.4, L"MILESTONE DEV NOTES (11-9)", 12, ALIGN_LEFT, 255, 255, 0, 1, 0);
  int row = 0;
  for (const wchar_t* line : kDevNotes)
    DrawScreenText(0.1, (45 + 5 * row++) / 100.0, line, 12, ALIGN_LEFT, 255, 205, 155, 1, 0);
  AddButtons(kButtons);
}

void EnterDevNotes() {
  ClearTextOverlay();
  DevNotesScreen();
}

void Press(int32_t button) {
  if (button == DEV_NOTES_MAIN_MENU) SetGameState(STATE_MAIN_MENU);
}

}  // namespace

void RegisterDevNotes() {
  RegisterScreen(STATE_DEV_NOTES, Screen{.enter = EnterDevNotes, .press = Press, .hover = RedrawOnHit<DevNotesScreen>});
}

}  // namespace kestrine
