#include "frontend/menu_screens.h"

#include "battlefield/overhead_leave.h"
#include "platform/message_queue.h"
#include "shell/asset_loader.h"
#include "shell/developer_keys.h"
#include "shell/engine_setup.h"
#include "shell/hotspots.h"
#include "shell/layout.h"
#include "shell/overlays.h"
#include "shell/screen_text.h"
#include "shell/winmain.h"

namespace kestrine {

namespace {

// The menu column, in the panel's design space: buttons 180 x 23 at x 75, rows 1..7 top down.
constexpr int kColumnX = 75;
constexpr int kColumnWidth = 180;
constexpr int kColumnHeight = 23;
constexpr int kRows[] = {172, 196, 219, 243, 267, 291, 314};

// The buttons of the screens laid out on the whole screen: 170/640 of its width, 22 pixels high.
constexpr int kWideButtonWidth = 170;
constexpr int kWideButtonHeight = 22;

// The pause and quit panels, and their buttons' column in fractions of the screen.
constexpr int kPanelImageWidth = 229, kPanelImageHeight = 214;
constexpr double kPanelButtonX = 0.36875, kPanelButtonWidth = 0.265625;

void AddButton(const MenuButton& b) {
  const int x = static_cast<int>(b.x), y = static_cast<int>(b.y);
  const int width = static_cast<int>(b.width), height = static_cast<int>(b.height);
  switch (b.place) {
    case ButtonPlace::kColumn:
      AddMenuButton(Overlays().menuCanvas, PanelX(kColumnX), PanelY(kRows[y - 1]), kColumnWidth, kColumnHeight,
                    b.label);
      break;
    case ButtonPlace::kWide:
      AddMenuButton(Overlays().menuCanvas, FullX(x), FullY(y), FullX(kWideButtonWidth), kWideButtonHeight, b.label);
      break;
    case ButtonPlace::kPanel:
      AddMenuButton(Overlays().menuCanvas, kPanelButtonX, b.y, kPanelButtonWidth, kWideButtonHeight, b.label);
      break;
    case ButtonPlace::kPanelBox:
      AddHotspotRect(PanelX(x), PanelY(y), width, height);
      break;
    case ButtonPlace::kStrip:
      AddHotspotRect(x, PanelY(y), width, height);
      break;
    case ButtonPlace::kNowhere:
      AddHotspotRect(0, 0, 0, 0);
      break;
    case ButtonPlace::kOverlayText:
      AddMenuText(b.x, b.y, b.width, b.height, b.label);
      break;
  }
}

}  // namespace

void AddButtons(std::span<const MenuButton> rows) {
  for (int32_t index = 0; index < static_cast<int32_t>(rows.size()); ++index)
    for (const MenuButton& row : rows)
      if (row.name == index) AddButton(row);
}

void MenuPanel(int rows) {
  if (!ScreenText().textOverlay || !Assets().menuBarsImage) return;
  ScreenText().textOverlay->DrawBitmap(Assets().menuBarsImage, 0, 0, 0, 184, rows, PanelX(75), PanelY(169), 184,
                                       Engine().screenHeight * rows / 480);
}

void CentrePanel(const engine::EngineRef<engine::EngineBitmap>& image) {
  if (!image) return;
  ScreenText().textOverlay->DrawBitmap(image, 0, 0, 0, kPanelImageWidth, kPanelImageHeight, FullX(206), FullY(145),
                                       kPanelImageWidth, PanelY(kPanelImageHeight));
}

void LoadOnce(engine::EngineRef<engine::EngineBitmap>& image, const wchar_t* path, int waitMs) {
  if (image) return;
  image = Engine().engineRoot->LoadBitmap(path, 1);
  while (!image->IsLoaded()) Engine().engineRoot->Wait(waitMs);
}

void CloseGame() { PostMessage(Handles().mainWindowHandle, WM_CLOSE, 0, 0); }

void LeaveMissionForMenu() {
  LeaveOverhead();
  DrawBackdrop(Assets().openingImage);
  ShowOverlay();
}

void ForgetTheLastButton() { ForgetHotspot(); }

void DeveloperKeys(int key, bool down) { DeveloperKey(key, down ? 1 : 0); }

}  // namespace kestrine
