// The player controls (state 8), from the main menu or the pause menu: the controls panel with the controls
// text scrolling in the shared text box, BACK, and the two scroll strips that scroll the text while the pointer
// rests on them. Drawn every frame.
#include "engine/engine.h"
#include "frontend/menu_screens.h"
#include "frontend/player_controls_text.h"
#include "shell/asset_loader.h"
#include "shell/game_state.h"
#include "shell/hotspots.h"
#include "shell/layout.h"
#include "shell/menu_input.h"
#include "shell/overlays.h"
#include "shell/program_state.h"
#include "shell/screen_table.h"
#include "shell/screen_text.h"
#include "shell/text_scroll_box.h"

namespace kestrine {

namespace {

using BitmapRef = engine::EngineRef<engine::EngineBitmap>;

// The controls panel, loaded the first time the screen is drawn and kept until shut-down.
struct PlayerControlsPicture {
  BitmapRef playerControlImage;
};
PlayerControlsPicture playerControlsPicture;
KESTRINE_PROGRAM_STATE(playerControlsPicture);

constexpr int kPanelRows = 25;

constexpr MenuButton kButtons[] = {
    ColumnButton(CONTROLS_BACK, 1, L"BACK"),
    Strip(CONTROLS_SCROLL_UP, 50, 195, 522, 20),
    Strip(CONTROLS_SCROLL_DOWN, 50, 435, 522, 20),
};
static_assert(ValidButtonTable(kButtons));

void PlayerControlsScreen() {
  ClearHotspots();
  ClearMenuCanvas();
  LoadOnce(playerControlsPicture.playerControlImage, L"images\\playerControl.qpg", 100);
  ScreenText().textOverlay->DrawBitmap(playerControlsPicture.playerControlImage, 0, 0, 0, 522, 230, 50, PanelY(195),
                                       522, PanelY(260));
  MenuPanel(kPanelRows);
  AddButtons(kButtons);
  sharedTextBox.Draw(Overlays().menuCanvas);
}

// The controls text in the shared text box, laid out in a fixed-width face so its columns line up.
void LayOutPlayerControls() {
  sharedTextBox.Layout(PlayerControlsText, kPlayerControlsLines, 75, PanelY(218), 515, PanelY(222));
  sharedTextBox.text->SetFontFace(L"Courier New");
}

void EnterPlayerControls() {
  ClearScreenLayers();
  LayOutPlayerControls();
  PlayerControlsScreen();
}

void ScrollPlayerControls(bool hit) { ScrollWhileOnArrows(hit, CONTROLS_SCROLL_UP, CONTROLS_SCROLL_DOWN); }

void Press(int32_t button) {
  switch (button) {
    case CONTROLS_BACK:
      ClearHotspots();
      ClearScreenLayers();
      if (States().previousGameState == STATE_MAIN_MENU) {
        // Straight back, without the main menu's entry: it would start a new campaign and redraw its backdrop.
        StoreGameStateWithoutEntry(STATE_MAIN_MENU);
        MainMenu();
        sharedTextBox.Release();
      } else {
        SetGameState(States().previousGameState);
      }
      break;
    case CONTROLS_SCROLL_UP:
      sharedTextBox.ScrollUp();
      break;
    case CONTROLS_SCROLL_DOWN:
      sharedTextBox.ScrollDown();
      break;
    default:
      break;
  }
}

void ReleasePlayerControlsPicture() { playerControlsPicture.playerControlImage.Reset(); }

}  // namespace

void RegisterPlayerControls() {
  // The game's rule for this screen: the button the last pointer move lit (a move off the buttons leaves none).
  RegisterScreen(STATE_PLAYER_CONTROLS, Screen{.enter = EnterPlayerControls,
                                               .frame = PlayerControlsScreen,
                                               .press = Press,
                                               .rule = ButtonRule::kLastLit,
                                               .hover = ScrollPlayerControls});
  AddSharedAssetRelease(ReleasePlayerControlsPicture);
}

}  // namespace kestrine
