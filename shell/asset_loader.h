// The images several screens share, the loading of them and of the sound table, the loading bar's
// progress, and the release of everything at shut-down.
#pragma once

#include <cstdint>

#include "engine/engine.h"

namespace kestrine {

using BitmapRef = engine::EngineRef<engine::EngineBitmap>;

constexpr int kMarkerImageCount = 10;   // 0..4 used
constexpr int kLevelTextureCount = 20;  // 0..13 used
constexpr int kMedalImageCount = 8;
constexpr int kBadgeImageCount = 3;

// Written only by asset_loader.cpp, through the functions below; everyone else reads the const view.
struct SharedAssets {
  // ---- loading bar ----
  double loadingProgress = 0.0;     // pixels drawn so far
  double loadingStep = 0.0;         // pixels per loaded asset
  int32_t loadingStepDivisor = 80;  // 80: 200 / 80 = 2 pixels a step on the first, long load
  uint8_t sharedAssetsLoaded = 0;   // set once the first complete LoadAllAssets has run

  // ---- shared images of LoadAllAssets ----
  BitmapRef gridBitmap;
  BitmapRef markerImages[kMarkerImageCount];
  BitmapRef extractionMarkerImage;
  BitmapRef levelTextures[kLevelTextureCount];
  BitmapRef wreckImage;
  BitmapRef soldierIconImage;
  BitmapRef gridMaskImage;
  BitmapRef crosshairImage;
  BitmapRef roofBreakImage;
  BitmapRef kiaImage;

  // ---- menu images of LoadMenuImages ----
  BitmapRef disclaimerImage;
  BitmapRef openingImage;
  BitmapRef menuBarsImage;
  BitmapRef mainButtonImage;
  BitmapRef medalImages[kMedalImageCount];
  BitmapRef badgeImages[kBadgeImageCount];
  BitmapRef pauseMenuImage;
  BitmapRef quitScreenImage;
};

const SharedAssets& Assets();

// The disclaimer's backdrop is let go once the player has answered it.
void ReleaseDisclaimerImage();
// The KIA screen's backdrop, loaded the first time it shows and kept.
void LoadKiaImage();
// Images made elsewhere in place of the loaded ones (tests draw with plain images); an empty reference lets
// the image go.
void UseLevelTexture(int slot, BitmapRef image);
void UseMarkerImage(int marker, BitmapRef image);
void UseSoldierIcon(BitmapRef image);
void UseExtractionMarker(BitmapRef image);
// Whether the next LoadAllAssets is a later mission's (music and chatter only).
void SetSharedAssetsLoaded(bool loaded);
// The loading bar's position and step, as a long load left them.
void SetLoadingBar(double progress, double step);

// At every mission start: the mission's music and radio chatter; the first time also every shared asset.
void LoadAllAssets();
// Once, before the disclaimer: its backdrop, the menu images and the two hot-spot ticks.
void LoadMenuImages();
// At shut-down: the shared pictures of the subsystems above the shell first (in the order they were added),
// then every shared engine reference of the shell that is held.
void ReleaseAssets();
// Adds a release of shared pictures a subsystem above the shell keeps until shut-down (the tool pictures);
// called by its registration function at start-up. Adding the same function again does nothing.
void AddSharedAssetRelease(void (*release)());

// One step of the loading bar: loadingProgress += loadingStep, then the bar is redrawn.
void AdvanceLoadingBar();
// One polling step each: true (and a loading-bar step) once the engine reports the asset loaded, else a
// 100 ms wait and false. Callers repeat until true.
bool WaitForAsset(const BitmapRef& image);
bool WaitForSound(const engine::EngineRef<engine::EngineSound>& sound);
bool WaitForModel(const engine::EngineRef<engine::EngineModel>& model);

}  // namespace kestrine
