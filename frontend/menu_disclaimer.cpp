// The disclaimer (state 1), the first screen of every start, drawn every frame over its backdrop: ACCEPT leads to
// the main menu, REJECT closes the game.
#include "frontend/menu_screens.h"
#include "frontend/save_slot_file.h"
#include "shell/asset_loader.h"
#include "shell/game_state.h"
#include "shell/hotspots.h"
#include "shell/overlays.h"
#include "shell/screen_table.h"

namespace kestrine {

namespace {

constexpr MenuButton kButtons[] = {
    WideButton(DISCLAIMER_ACCEPT, 402, 435, L"ACCEPT DISCLAIMER"),
    WideButton(DISCLAIMER_REJECT, 402, 408, L"REJECT DISCLAIMER"),
};
static_assert(ValidButtonTable(kButtons));

void DisclaimerScreen() {
  ClearHotspots();
  AddButtons(kButtons);
}

void EnterDisclaimer() {
  // The first screen of every start: what a save cut short by a kill left behind goes now.
  RemoveInterruptedSaves();
  DrawBackdrop(Assets().disclaimerImage);
  ShowOverlay();
  DisclaimerScreen();
}

void Press(int32_t button) {
  switch (button) {
    case DISCLAIMER_ACCEPT:
      SetGameState(STATE_MAIN_MENU);
      ReleaseDisclaimerImage();
      break;
    case DISCLAIMER_REJECT:
      ReleaseDisclaimerImage();
      CloseGame();
      break;
    default:
      break;
  }
}

}  // namespace

void RegisterDisclaimer() {
  // The game's rule for the disclaimer: the button under the release, without the click tick.
  RegisterScreen(
      STATE_DISCLAIMER,
      Screen{
          .enter = EnterDisclaimer, .frame = DisclaimerScreen, .press = Press, .rule = ButtonRule::kUnderPointerQuiet});
}

}  // namespace kestrine
