#include "shell/overlays.h"

#include "shell/engine_setup.h"
#include "shell/layout.h"
#include "shell/program_state.h"
#include "shell/screen_text.h"

namespace kestrine {

namespace {

struct OverlayState {
  engine::EngineRef<engine::EngineBitmap> fullScreenOverlay;
  engine::EngineRef<engine::EngineSprite> fullScreenOverlaySprite;
  int fullScreenOverlayWidth = 0;
  int fullScreenOverlayHeight = 0;
  engine::EngineRef<engine::EngineBitmap> menuCanvas;
  engine::EngineRef<engine::EngineSprite> menuCanvasSprite;
};
OverlayState overlayState;
KESTRINE_PROGRAM_STATE(overlayState);

}  // namespace

engine::EngineRef<engine::EngineBitmap>& fullScreenOverlay = overlayState.fullScreenOverlay;
engine::EngineRef<engine::EngineSprite>& fullScreenOverlaySprite = overlayState.fullScreenOverlaySprite;
int& fullScreenOverlayWidth = overlayState.fullScreenOverlayWidth;
int& fullScreenOverlayHeight = overlayState.fullScreenOverlayHeight;
engine::EngineRef<engine::EngineBitmap>& menuCanvas = overlayState.menuCanvas;
engine::EngineRef<engine::EngineSprite>& menuCanvasSprite = overlayState.menuCanvasSprite;

namespace {

constexpr int kCanvasWidth = 640;
constexpr int kCanvasHeight = 480;
constexpr int kBackLayer = 0;
constexpr int kFrontLayer = 255;

}  // namespace

void CreateOverlays() {
  fullScreenOverlay = Engine().engineRoot->CreateBitmap(Engine().screenWidth, Engine().screenHeight);
  fullScreenOverlayWidth = fullScreenOverlay->GetWidth();
  fullScreenOverlayHeight = fullScreenOverlay->GetHeight();
  // Keyed on red like the layers in front of it: a backdrop's red window shows the 3D view behind it (the
  // briefing officer, the player's figure).
  fullScreenOverlay->SetColorKey(255, 0, 0);
  fullScreenOverlaySprite = Engine().engineCamera->CreateSprite(fullScreenOverlay, kBackLayer);
  CreateMenuCanvas();
}

void ShowOverlay() {
  if (fullScreenOverlaySprite) fullScreenOverlaySprite->SetVisible(1);
}

void HideOverlay() {
  if (fullScreenOverlaySprite) fullScreenOverlaySprite->SetVisible(0);
}

void DrawBackdrop(const engine::EngineRef<engine::EngineBitmap>& image) {
  const int width = image->GetWidth();
  const int height = image->GetHeight();
  fullScreenOverlay->DrawBitmap(image, 0, 0, 0, width, height, 0, 0, fullScreenOverlayWidth, fullScreenOverlayHeight);
}

void LoadingBar(double progress) {
  fullScreenOverlay->SetDrawColor(200, 200, 0);
  // The bar sits just under the loading screen's art: 437 on a 480-high screen.
  const int y = static_cast<int>(static_cast<long long>(Engine().screenHeight) * 565 / 634) + 10;
  fullScreenOverlay->FillRect(Engine().screenWidth / 2 + 70, y, TruncatePixels(progress), 10);
  Engine().engineRoot->Render();
}

void ReleaseOverlays() {
  textOverlaySprite.Reset();
  fullScreenOverlay.Reset();
  fullScreenOverlaySprite.Reset();
  menuCanvas.Reset();
  menuCanvasSprite.Reset();
  // The text overlay itself goes too: nothing draws after shut-down, and no image should outlive the
  // engine that shows it.
  textOverlay.Reset();
}

void CreateMenuCanvas() {
  menuCanvas = Engine().engineRoot->CreateBitmap(kCanvasWidth, kCanvasHeight);
  menuCanvas->SetDrawColor(255, 0, 0);
  menuCanvas->FillRect(0, 0, kCanvasWidth, kCanvasHeight);
  menuCanvas->SetColorKey(255, 0, 0);
  menuCanvasSprite = textOverlaySprite->CreateSprite(menuCanvas, kFrontLayer);
}

void ClearMenuCanvas() {
  menuCanvas->SetDrawColor(255, 0, 0);
  menuCanvas->FillRect(0, 0, Engine().screenWidth, Engine().screenHeight);
}

void ClearScreenLayers() {
  ClearTextOverlay();
  ClearMenuCanvas();
}

}  // namespace kestrine
