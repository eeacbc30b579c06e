// The images several screens share, the loading of them and of the sound table, the loading bar's
// progress, and the release of everything at shut-down.
#pragma once

#include <cstdint>

#include "engine/engine.h"

namespace kestrine {

using BitmapRef = engine::EngineRef<engine::EngineBitmap>;

// ---- loading bar ----
extern double& loadingProgress;      // pixels drawn so far
extern double& loadingStep;          // pixels per loaded asset
extern int32_t& loadingStepDivisor;  // 80: 200 / 80 = 2 pixels a step on the first, long load
extern uint8_t& sharedAssetsLoaded;  // set once the first complete LoadAllAssets has run

// ---- shared images of LoadAllAssets ----
constexpr int kMarkerImageCount = 10;   // 0..4 used
constexpr int kLevelTextureCount = 20;  // 0..13 used
extern BitmapRef& gridBitmap;
extern BitmapRef (&markerImages)[kMarkerImageCount];
extern BitmapRef& extractionMarkerImage;
extern BitmapRef (&levelTextures)[kLevelTextureCount];
extern BitmapRef& wreckImage;
extern BitmapRef& soldierIconImage;
extern BitmapRef& gridMaskImage;
extern BitmapRef& crosshairImage;
extern BitmapRef& roofBreakImage;
extern BitmapRef& kiaImage;

// ---- menu images of LoadMenuImages ----
constexpr int kMedalImageCount = 8;
constexpr int kBadgeImageCount = 3;
extern BitmapRef& disclaimerImage;
extern BitmapRef& openingImage;
extern BitmapRef& menuBarsImage;
extern BitmapRef& mainButtonImage;
extern BitmapRef (&medalImages)[kMedalImageCount];
extern BitmapRef (&badgeImages)[kBadgeImageCount];
extern BitmapRef& pauseMenuImage;
extern BitmapRef& quitScreenImage;

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
