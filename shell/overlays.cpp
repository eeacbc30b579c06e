#include "shell/overlays.h"

#include <utility>

#include "shell/engine_setup.h"
#include "shell/layout.h"
#include "shell/program_state.h"
#include "shell/screen_text.h"

namespace kestrine {

namespace {

OverlayState overlayState;
KESTRINE_PROGRAM_STATE(overlayState);

}  // namespace

const OverlayState& Overlays() { return overlayState; }

void UseFullScreenOverlay(engine::EngineRef<engine::EngineBitmap> image) {
  overlayState.fullScreenOverlay = std::move(image);
}

namespace {

constexpr int kCanvasWidth = 640;
constexpr int kCanvasHeight = 480;
constexpr int kBackLayer = 0;
constexpr int kFrontLayer = 255;

}  // namespace

void CreateOverlays() {
  overlayState.fullScreenOverlay = Engine().engineRoot->CreateBitmap(Engine().screenWidth, Engine().screenHeight);
  overlayState.fullScreenOverlayWidth = overlayState.fullScreenOverlay->GetWidth();
  overlayState.fullScreenOverlayHeight = overlayState.fullScreenOverlay->GetHeight();
  // Keyed on red like the layers in front of it: a backdrop's red window shows the 3D view behind it (the
  // briefing officer, the player's figure).
  overlayState.fullScreenOverlay->SetColorKey(255, 0, 0);
  overlayState.fullScreenOverlaySprite =
      Engine().engineCamera->CreateSprite(overlayState.fullScreenOverlay, kBackLayer);
  CreateMenuCanvas();
}

void ShowOverlay() {
  if (overlayState.fullScreenOverlaySprite) overlayState.fullScreenOverlaySprite->SetVisible(1);
}

void HideOverlay() {
  if (overlayState.fullScreenOverlaySprite) overlayState.fullScreenOverlaySprite->SetVisible(0);
}

void DrawBackdrop(const engine::EngineRef<engine::EngineBitmap>& image) {
  const int width = image->GetWidth();
  const int height = image->GetHeight();
  const int toWidth = overlayState.fullScreenOverlayWidth;
  const int toHeight = overlayState.fullScreenOverlayHeight;
  overlayState.fullScreenOverlay->DrawBitmap(image, 0, 0, 0, width, height, 0, 0, toWidth, toHeight);
}

void LoadingBar(double progress) {
  overlayState.fullScreenOverlay->SetDrawColor(200, 200, 0);
  // The bar sits just under the loading screen's art: 437 on a 480-high screen.
  const int y = static_cast<int>(static_cast<long long>(Engine().screenHeight) * 565 / 634) + 10;
  overlayState.fullScreenOverlay->FillRect(Engine().screenWidth / 2 + 70, y, TruncatePixels(progress), 10);
  Engine().engineRoot->Render();
}

void ReleaseOverlays() {
  ReleaseTextOverlaySprite();
  overlayState.fullScreenOverlay.Reset();
  overlayState.fullScreenOverlaySprite.Reset();
  overlayState.menuCanvas.Reset();
  overlayState.menuCanvasSprite.Reset();
  // The text overlay itself goes too: nothing draws after shut-down, and no image should outlive the
  // engine that shows it.
  ReleaseTextOverlay();
}

void CreateMenuCanvas() {
  overlayState.menuCanvas = Engine().engineRoot->CreateBitmap(kCanvasWidth, kCanvasHeight);
  overlayState.menuCanvas->SetDrawColor(255, 0, 0);
  overlayState.menuCanvas->FillRect(0, 0, kCanvasWidth, kCanvasHeight);
  overlayState.menuCanvas->SetColorKey(255, 0, 0);
  overlayState.menuCanvasSprite = ScreenText().textOverlaySprite->CreateSprite(overlayState.menuCanvas, kFrontLayer);
}

void ClearMenuCanvas() {
  overlayState.menuCanvas->SetDrawColor(255, 0, 0);
  overlayState.menuCanvas->FillRect(0, 0, Engine().screenWidth, Engine().screenHeight);
}

void ClearScreenLayers() {
  ClearTextOverlay();
  ClearMenuCanvas();
}

}  // namespace kestrine
