#include "frontend/menu_screens.h"

#include <cstdint>

#include "frontend/player_controls_text.h"
#include "shell/asset_loader.h"
#include "shell/globals.h"
#include "shell/hotspots.h"
#include "shell/layout.h"
#include "shell/overlays.h"
#include "shell/program_state.h"
#include "shell/screen_text.h"
#include "shell/sound_table.h"
#include "shell/text_scroll_box.h"

namespace kestrine {

namespace {

using BitmapRef = engine::EngineRef<engine::EngineBitmap>;

struct MenuImages {
  BitmapRef playerControlImage;
  BitmapRef soundBarsImage;
};
MenuImages menuImages;
KESTRINE_PROGRAM_STATE(menuImages);

constexpr int kPaleR = kLabelR, kPaleG = kLabelG, kPaleB = kLabelB;

// The menu column, in the panel's design space: buttons 180 x 23 at x 75, rows 1..7 top down.
constexpr int kColumnX = 75;
constexpr int kColumnWidth = 180;
constexpr int kColumnHeight = 23;
constexpr int kRows[] = {172, 196, 219, 243, 267, 291, 314};

// How many rows of the panel image each menu shows (it grows with the number of buttons).
constexpr int kMainMenuPanel = 172;
constexpr int kFourButtonPanel = 100;
constexpr int kOptionsPanel = 75;
constexpr int kOneButtonPanel = 25;

// The buttons of the screens laid out on the whole screen: 170/640 of its width, 22 pixels high.
constexpr int kWideButtonWidth = 170;
constexpr int kWideButtonHeight = 22;

// The pause and quit panels, and their buttons' column in fractions of the screen.
constexpr int kPanelImageWidth = 229, kPanelImageHeight = 214;
constexpr double kPanelButtonX = 0.36875, kPanelButtonWidth = 0.265625;

void MenuButton(int row, const wchar_t* label) {
  AddMenuButton(Overlays().menuCanvas, PanelX(kColumnX), PanelY(kRows[row - 1]), kColumnWidth, kColumnHeight, label);
}

// A button that is there only to keep the indices of the ones after it: no pointer is ever strictly inside.
void EmptyButton() { AddHotspotRect(0, 0, 0, 0); }

// The top `rows` rows of the menu panel behind the column.
void MenuPanel(int rows) {
  if (!ScreenText().textOverlay || !Assets().menuBarsImage) return;
  ScreenText().textOverlay->DrawBitmap(Assets().menuBarsImage, 0, 0, 0, 184, rows, PanelX(75), PanelY(169), 184,
                                       screenHeight * rows / 480);
}

void CentrePanel(const BitmapRef& image) {
  if (!image) return;
  ScreenText().textOverlay->DrawBitmap(image, 0, 0, 0, kPanelImageWidth, kPanelImageHeight, FullX(206), FullY(145),
                                       kPanelImageWidth, PanelY(kPanelImageHeight));
}

void PanelButton(double y, const wchar_t* label) {
  AddMenuButton(Overlays().menuCanvas, kPanelButtonX, y, kPanelButtonWidth, kWideButtonHeight, label);
}

void WideButton(int x, int y, const wchar_t* label) {
  AddMenuButton(Overlays().menuCanvas, FullX(x), FullY(y), FullX(kWideButtonWidth), kWideButtonHeight, label);
}

void LoadOnce(BitmapRef& image, const wchar_t* path, int waitMs) {
  if (image) return;
  image = engineRoot->LoadBitmap(path, 1);
  while (!image->IsLoaded()) engineRoot->Wait(waitMs);
}

// One volume's label, its - and + buttons and its bar (rows in the panel's design space).
struct VolumeRows {
  int label, buttons, bar;
};
constexpr VolumeRows kEffectsRows{195, 220, 219};
constexpr VolumeRows kMusicRows{245, 270, 267};

void VolumeControl(const VolumeRows& rows, const wchar_t* label, int32_t volume) {
  DrawScreenText(PanelX(165), PanelY(rows.label), label, 11, ALIGN_CENTRE, kPaleR, kPaleG, kPaleB, 1, 0);
  AddHotspotRect(PanelX(75), PanelY(rows.buttons), 25, 23);   // down
  AddHotspotRect(PanelX(235), PanelY(rows.buttons), 25, 23);  // up
  ScreenText().textOverlay->SetDrawColor(200, 10, 10);
  ScreenText().textOverlay->FillRect(PanelX(93), PanelY(rows.bar), VolumeBarLength(volume), 16);
}

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

}  // namespace

BitmapRef& playerControlImage = menuImages.playerControlImage;
BitmapRef& soundBarsImage = menuImages.soundBarsImage;

int VolumeBarLength(int32_t volume) {
  return static_cast<int>(static_cast<int64_t>(volume) * 150 * screenWidth / 80518);
}

void DisclaimerScreen() {
  ClearHotspots();
  WideButton(402, 435, L"ACCEPT DISCLAIMER");
  WideButton(402, 408, L"REJECT DISCLAIMER");
}

void MainMenu() {
  ClearHotspots();
  MenuPanel(kMainMenuPanel);
  MenuButton(1, L"TRAINING");
  MenuButton(2, L"NEW GAME");
  MenuButton(3, L"LOAD GAME");
  MenuButton(4, L"OPTIONS");
  MenuButton(7, L"EXIT");
  MenuButton(5, L"PLAYER CONTROLS");
  MenuButton(6, L"CREDITS");
}

void DifficultyMenu() {
  ClearHotspots();
  MenuPanel(kFourButtonPanel);
  MenuButton(1, L"NOVICE");
  MenuButton(2, L"INTERMEDIATE");
  MenuButton(3, L"EXPERT");
  MenuButton(4, L"BACK");
}

void TrainingMenu() {
  ClearHotspots();
  ClearTextOverlay();
  ClearMenuCanvas();
  MenuPanel(kFourButtonPanel);
  MenuButton(1, L"TRAINING MISSION 1");
  MenuButton(2, L"TRAINING MISSION 2");
  MenuButton(3, L"TRAINING MISSION 3");
  MenuButton(4, L"BACK");
}

void OptionsMenu() {
  ClearHotspots();
  MenuPanel(kOptionsPanel);
  EmptyButton();
  MenuButton(1, L"VOLUME CONTROL");
  MenuButton(2, L"HIGH SCORES");
  EmptyButton();
  MenuButton(3, L"BACK");
}

void PlayerControlsScreen() {
  ClearHotspots();
  ClearMenuCanvas();
  LoadOnce(menuImages.playerControlImage, L"images\\playerControl.qpg", 100);
  ScreenText().textOverlay->DrawBitmap(playerControlImage, 0, 0, 0, 522, 230, 50, PanelY(195), 522, PanelY(260));
  MenuPanel(kOneButtonPanel);
  MenuButton(1, L"BACK");
  AddHotspotRect(50, PanelY(195), 522, 20);  // scroll up
  AddHotspotRect(50, PanelY(435), 522, 20);  // scroll down
  sharedTextBox.Draw(Overlays().menuCanvas);
}

void LayOutPlayerControls() {
  sharedTextBox.Layout(PlayerControlsText, kPlayerControlsLines, 75, PanelY(218), 515, PanelY(222));
  sharedTextBox.text->SetFontFace(L"Courier New");
}

void VolumeScreen() {
  ClearHotspots();
  ClearTextOverlay();
  ClearMenuCanvas();
  // Loaded once and kept: the picture never changes, and the screen is drawn again at every hover.
  LoadOnce(menuImages.soundBarsImage, L"images\\soundbars.qjp", 50);
  ScreenText().textOverlay->DrawBitmap(soundBarsImage, 0, 0, 0, 185, 125, PanelX(75), PanelY(169), 185,
                                       screenHeight * 125 / 480);
  MenuButton(1, L"BACK");
  VolumeControl(kEffectsRows, L"SOUND EFFECTS VOLUME", Sounds().effectsVolume);
  VolumeControl(kMusicRows, L"MUSIC VOLUME", Sounds().musicVolume);
}

void DevNotesScreen() {
  ClearHotspots();
  ClearTextOverlay();
  Overlays().menuCanvas->SetDrawColor(255, 0, 0);
  Overlays().menuCanvas->FillRect(0, 0, screenWidth, screenHeight);
  DrawScreenText(0.1, 0.4, L"MILESTONE DEV NOTES (11-9)", 12, ALIGN_LEFT, 255, 255, 0, 1, 0);
  int row = 0;
  for (const wchar_t* line : kDevNotes)
    DrawScreenText(0.1, (45 + 5 * row++) / 100.0, line, 12, ALIGN_LEFT, 255, 205, 155, 1, 0);
  AddMenuText(0.8, 0.3, 0.5, 0.09, L"MAIN MENU");
}

void PauseMenu() {
  ClearHotspots();
  WideButton(236, 178, L"QUIT");
  WideButton(236, 205, L"SAVE GAME");
  WideButton(236, 233, L"LOAD GAME");
  PanelButton(0.54375, L"CONTINUE");
  PanelButton(0.5958333333333333, L"OPTIONS");
  PanelButton(0.65, L"PLAYER CONTROLS");
  CentrePanel(Assets().pauseMenuImage);
}

void QuitConfirm() {
  ClearHotspots();
  PanelButton(0.5958333333333333, L"YES");
  PanelButton(0.65, L"NO");
  CentrePanel(Assets().quitScreenImage);
}

void KiaScreen() {
  ClearHotspots();
  ClearTextOverlay();
  LoadKiaImage();
  DrawBackdrop(Assets().kiaImage);
  WideButton(403, 435, L"MAIN MENU");
  WideButton(403, 410, L"REPLAY");
}

void ReleaseMenuImages() {
  playerControlImage.Reset();
  soundBarsImage.Reset();
}

}  // namespace kestrine
