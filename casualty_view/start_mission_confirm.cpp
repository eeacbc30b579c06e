#include "casualty_view/start_mission_confirm.h"

#include "shell/hotspots.h"
#include "shell/overlays.h"
#include "shell/screen_text.h"

namespace kestrine {

namespace {

constexpr double kButtonTop = 386.0 / 455.0;
constexpr double kStartLeft = 225.0 / 634.0;
constexpr double kBackLeft = 70.0 / 634.0;
constexpr double kButtonWidth = 80.0;  // pixels
constexpr double kButtonHeight = 23.0;

}  // namespace

void StartMissionConfirm() {
  ClearHotspots();
  ClearTextOverlay();
  ClearMenuCanvas();
  AddMenuButton(Overlays().menuCanvas, kStartLeft, kButtonTop, kButtonWidth, kButtonHeight, L"START MISSION");
  AddMenuButton(Overlays().menuCanvas, kBackLeft, kButtonTop, kButtonWidth, kButtonHeight, L"BACK");
}

}  // namespace kestrine
