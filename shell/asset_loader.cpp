#include "shell/asset_loader.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "shell/engine_setup.h"
#include "shell/explosion.h"
#include "shell/loading_screen.h"
#include "shell/mission_frames.h"
#include "shell/mission_progress.h"
#include "shell/overlays.h"
#include "shell/program_state.h"
#include "shell/random.h"
#include "shell/sound_table.h"

namespace kestrine {

namespace {

SharedAssets sharedAssets;
KESTRINE_PROGRAM_STATE(sharedAssets);

}  // namespace

const SharedAssets& Assets() { return sharedAssets; }

void ReleaseDisclaimerImage() { sharedAssets.disclaimerImage.Reset(); }

void LoadKiaImage() {
  if (sharedAssets.kiaImage) return;
  sharedAssets.kiaImage = Engine().engineRoot->LoadBitmap(L"images\\kia.qjp", 1);
  while (!sharedAssets.kiaImage->IsLoaded()) Engine().engineRoot->Wait(100);
}

void UseLevelTexture(int slot, BitmapRef image) { sharedAssets.levelTextures[slot] = std::move(image); }

void UseMarkerImage(int marker, BitmapRef image) { sharedAssets.markerImages[marker] = std::move(image); }

void UseSoldierIcon(BitmapRef image) { sharedAssets.soldierIconImage = std::move(image); }

void UseExtractionMarker(BitmapRef image) { sharedAssets.extractionMarkerImage = std::move(image); }

void SetSharedAssetsLoaded(bool loaded) { sharedAssets.sharedAssetsLoaded = loaded ? 1 : 0; }

void SetLoadingBar(double progress, double step) {
  sharedAssets.loadingProgress = progress;
  sharedAssets.loadingStep = step;
}

namespace {

// One shared image of the mission load: where it goes, its file, its load mode and its key colour.
struct SharedImage {
  BitmapRef* target;
  const wchar_t* path;
  int mode;
  bool keyed;
  int r, g, b;
};

// In load order. The trees' crowns and the markers are cut out on pure red; the soldier icon on black and
// the crosshair on green, since red is part of their artwork.
const SharedImage kSharedImages[] = {
    {&sharedAssets.markerImages[0], L"images\\start\\start.qpg", 1, true, 255, 0, 0},
    {&sharedAssets.markerImages[1], L"images\\start\\spawn.qpg", 1, true, 255, 0, 0},
    {&sharedAssets.markerImages[2], L"images\\start\\startv.qpg", 1, true, 255, 0, 0},
    {&sharedAssets.markerImages[3], L"images\\start\\Extraction.qpg", 2, true, 255, 0, 0},
    {&sharedAssets.markerImages[4], L"images\\start\\Patrol.qpg", 1, true, 255, 0, 0},
    {&sharedAssets.extractionMarkerImage, L"images\\start\\Extraction.qpg", 0, true, 255, 0, 0},
    {&sharedAssets.levelTextures[0], L"terrain\\trees\\datepalmt.qjp", 0, true, 255, 0, 0},
    {&sharedAssets.levelTextures[1], L"terrain\\trees\\datepalm45.qjp", 0, true, 255, 0, 0},
    {&sharedAssets.levelTextures[2], L"terrain\\trees\\trunk1.qjp", 2, true, 255, 0, 0},
    {&sharedAssets.levelTextures[3], L"terrain\\trees\\pinetop.qpg", 0, true, 255, 0, 0},
    {&sharedAssets.levelTextures[4], L"terrain\\trees\\pinetop.qpg", 0, true, 255, 0, 0},
    {&sharedAssets.levelTextures[5], L"terrain\\trees\\trunk21.qjp", 1, true, 255, 0, 0},
    {&sharedAssets.levelTextures[6], L"terrain\\trees\\eucalyptus45.qjp", 2, true, 255, 0, 0},
    {&sharedAssets.levelTextures[7], L"terrain\\trees\\eucalyptus45.qjp", 2, true, 255, 0, 0},
    {&sharedAssets.levelTextures[8], L"terrain\\trees\\trunk31.qjp", 1, true, 255, 0, 0},
    {&sharedAssets.levelTextures[9], L"terrain\\trees\\oliv45.qjp", 1, true, 255, 0, 0},
    {&sharedAssets.levelTextures[10], L"terrain\\trees\\oliv45.qjp", 1, true, 255, 0, 0},
    {&sharedAssets.levelTextures[11], L"terrain\\trees\\trunk1.qjp", 1, true, 255, 0, 0},
    {&sharedAssets.levelTextures[12], L"images\\tools\\grenade.qpg", 1, true, 255, 0, 0},
    {&sharedAssets.levelTextures[13], L"terrain\\tent\\camonet1.qpg", 1, true, 255, 0, 0},
    {&sharedAssets.wreckImage, L"images\\wrckheli.qpg", 1, true, 255, 0, 0},
    {&sharedAssets.soldierIconImage, L"images\\sldricon.qpg", 1, true, 0, 0, 0},
    {&sharedAssets.gridMaskImage, L"images\\grid1msk.qpg", 1, false, 0, 0, 0},
    {&sharedAssets.crosshairImage, L"images\\crosshair.qpg", 1, true, 0, 255, 0},
    {&sharedAssets.roofBreakImage, L"structures\\transparents\\b1roofbreak.qpg", 1, true, 255, 0, 0},
    {&sharedAssets.kiaImage, L"images\\kia.qjp", 1, false, 0, 0, 0},
};

// The first mission load shows its progress on the bar for these, one step each, in this order.
constexpr int kBarSoundSlots[] = {2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 18, 19,
                                  20, 21, 53, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34};
// ... and loads these after them without moving the bar.
constexpr int kQuietSoundSlots[] = {35, 36, 37, 56, 57, 58, 59, 60, 61, 62, 63, 64, 65, 66, 67,
                                    38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 51};

template <class Ref>
void WaitUntilLoaded(const Ref& asset, int stepMs) {
  while (!asset->IsLoaded()) Engine().engineRoot->Wait(stepMs);
}

void LoadSlotPolled(int slot, const std::wstring& path, int stepMs) {
  SetSoundSlot(slot, Engine().engineRoot->LoadSound(path, 1));
  WaitUntilLoaded(Sounds().soundTable[slot], stepMs);
}

std::wstring MusicPath(const wchar_t* kind, int mission) {
  return L"sounds\\music\\GP" + std::to_wstring(MissionMusicNumber(mission)) + kind + L".qwv";
}

}  // namespace

void AdvanceLoadingBar() {
  sharedAssets.loadingProgress += sharedAssets.loadingStep;
  LoadingBar(sharedAssets.loadingProgress);
}

bool WaitForAsset(const BitmapRef& image) {
  if (image->IsLoaded()) {
    AdvanceLoadingBar();
    return true;
  }
  Engine().engineRoot->Wait(100);
  return false;
}

bool WaitForSound(const engine::EngineRef<engine::EngineSound>& sound) {
  if (sound->IsLoaded()) {
    AdvanceLoadingBar();
    return true;
  }
  Engine().engineRoot->Wait(100);
  return false;
}

bool WaitForModel(const engine::EngineRef<engine::EngineModel>& model) {
  if (model->IsLoaded()) {
    AdvanceLoadingBar();
    return true;
  }
  Engine().engineRoot->Wait(100);
  return false;
}

void LoadAllAssets() {
  sharedAssets.loadingProgress = 0.0;
  if (!sharedAssets.sharedAssetsLoaded) {
    sharedAssets.gridBitmap = Engine().engineRoot->LoadBitmap(L"images\\GridBitmap.qpg", 1);
    WaitUntilLoaded(sharedAssets.gridBitmap, 100);
    sharedAssets.gridBitmap->SetColorKey(255, 0, 0);
  }
  // Every mission is scored from nothing: the last one's score went into the campaign at its debriefing.
  EndMission(END_RUNNING);
  ClearMissionScore();
  ShowLoadingScreen();

  ReleaseSoundSlot(SOUND_PATIENT_MUSIC);
  ReleaseSoundSlot(SOUND_OVERHEAD_MUSIC);
  ReleaseSoundSlot(SOUND_RADIO_CHATTER);
  LoadSlotPolled(SOUND_PATIENT_MUSIC, MusicPath(L"PV", Campaign().missionNumber), 50);
  LoadSlotPolled(SOUND_OVERHEAD_MUSIC, MusicPath(L"OV", Campaign().missionNumber), 50);
  const int chatter = rand() % 17 + 1;
  LoadSlotPolled(SOUND_RADIO_CHATTER, L"sounds\\Speech\\RadioWalla\\X" + std::to_wstring(chatter) + L".qwv", 50);

  if (sharedAssets.sharedAssetsLoaded) {
    sharedAssets.loadingStep = 5.0;
    // A fresh, hidden explosion for every mission, so one still burning when the last mission ended never
    // shows up in the next.
    InitExplosion();
    return;
  }
  sharedAssets.loadingStep = static_cast<double>(200 / sharedAssets.loadingStepDivisor);
  InitExplosion();

  for (const SharedImage& entry : kSharedImages) {
    *entry.target = Engine().engineRoot->LoadBitmap(entry.path, entry.mode);
    while (!WaitForAsset(*entry.target)) {
    }
    if (entry.keyed) (*entry.target)->SetColorKey(entry.r, entry.g, entry.b);
  }
  for (int slot : kBarSoundSlots) {
    SetSoundSlot(slot, Engine().engineRoot->LoadSound(SoundSlotPath(slot), 1));
    while (!WaitForSound(Sounds().soundTable[slot])) {
    }
  }
  for (int slot : kQuietSoundSlots) LoadSlotPolled(slot, SoundSlotPath(slot), 50);

  sharedAssets.sharedAssetsLoaded = 1;
}

void LoadMenuImages() {
  sharedAssets.loadingStep = static_cast<double>(200 / sharedAssets.loadingStepDivisor);

  sharedAssets.disclaimerImage = Engine().engineRoot->LoadBitmap(L"images\\disclaimer.qjp", 0);
  WaitUntilLoaded(sharedAssets.disclaimerImage, 100);
  sharedAssets.openingImage = Engine().engineRoot->LoadBitmap(L"images\\opening.qjp", 0);
  WaitUntilLoaded(sharedAssets.openingImage, 100);

  // The disclaimer shows while the rest of the menu loads.
  CreateOverlays();
  DrawBackdrop(sharedAssets.disclaimerImage);
  Engine().engineRoot->Render();

  sharedAssets.menuBarsImage = Engine().engineRoot->LoadBitmap(L"images\\bars1.qjp", 1);
  WaitUntilLoaded(sharedAssets.menuBarsImage, 100);
  sharedAssets.mainButtonImage = Engine().engineRoot->LoadBitmap(L"images\\MainButtonM.qpg", 1);
  WaitUntilLoaded(sharedAssets.mainButtonImage, 100);

  for (int i = 0; i < kMedalImageCount; ++i)
    sharedAssets.medalImages[i] = Engine().engineRoot->LoadBitmap(L"images\\medals\\medal" + std::to_wstring(i) + L".qjp", 1);
  for (int j = 0; j < kBadgeImageCount; ++j)
    sharedAssets.badgeImages[j] = Engine().engineRoot->LoadBitmap(L"images\\medals\\badge" + std::to_wstring(j) + L".qjp", 1);
  sharedAssets.pauseMenuImage = Engine().engineRoot->LoadBitmap(L"images\\pauseMenu.qjp", 1);
  sharedAssets.quitScreenImage = Engine().engineRoot->LoadBitmap(L"images\\quitScreen.qjp", 1);

  LoadSlotPolled(SOUND_TICK_CLICK, SoundSlotPath(SOUND_TICK_CLICK), 100);
  LoadSlotPolled(SOUND_TICK_HOVER, SoundSlotPath(SOUND_TICK_HOVER), 100);
}

namespace {

// The program's make-up, filled once at start-up: a reset of the program's state leaves it alone.
std::vector<void (*)()>& SharedAssetReleases() {
  static std::vector<void (*)()> releases;
  return releases;
}

}  // namespace

void AddSharedAssetRelease(void (*release)()) {
  std::vector<void (*)()>& releases = SharedAssetReleases();
  if (release && std::find(releases.begin(), releases.end(), release) == releases.end()) releases.push_back(release);
}

void ReleaseAssets() {
  for (void (*release)() : SharedAssetReleases()) release();
  sharedAssets.openingImage.Reset();
  for (auto& texture : sharedAssets.levelTextures) texture.Reset();
  sharedAssets.wreckImage.Reset();
  ReleaseAllSoundSlots();
  for (auto& medal : sharedAssets.medalImages) medal.Reset();
  for (auto& badge : sharedAssets.badgeImages) badge.Reset();
  sharedAssets.pauseMenuImage.Reset();
  sharedAssets.quitScreenImage.Reset();
  sharedAssets.disclaimerImage.Reset();
  sharedAssets.soldierIconImage.Reset();
  sharedAssets.roofBreakImage.Reset();
  ReleaseExplosion();
  sharedAssets.gridBitmap.Reset();
  sharedAssets.gridMaskImage.Reset();
  sharedAssets.menuBarsImage.Reset();
  sharedAssets.mainButtonImage.Reset();
  sharedAssets.crosshairImage.Reset();
  sharedAssets.kiaImage.Reset();
  for (auto& marker : sharedAssets.markerImages) marker.Reset();
  sharedAssets.extractionMarkerImage.Reset();
}

}  // namespace kestrine
