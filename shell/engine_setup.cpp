#include "shell/engine_setup.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

#include "shell/asset_loader.h"
#include "shell/game_state.h"
#include "shell/globals.h"
#include "shell/mission_progress.h"
#include "shell/overlays.h"
#include "shell/random.h"
#include "shell/screen_table.h"
#include "shell/screen_text.h"

namespace kestrine {

namespace {

constexpr int kViewWidth = 640;
constexpr int kViewHeight = 480;
constexpr int kLightAmbient = 0;
constexpr int kLightDirectional = 3;

// The generator is seeded from the time, so that no two games play alike. KESTRINE_SEED=<number> fixes the
// seed instead, so that a scripted run plays the same game every time it is run.
uint32_t StartSeed() {
  const auto fromTheTime = static_cast<uint32_t>(std::time(nullptr));
  const char* text = std::getenv("KESTRINE_SEED");
  if (!text || !*text) return fromTheTime;
  const std::string seed(text);
  uint64_t value = 0;
  bool number = seed.size() <= 10;
  for (const char c : seed) {
    if (!number) break;
    number = c >= '0' && c <= '9';
    value = value * 10 + static_cast<uint64_t>(c - '0');
  }
  if (number && value <= UINT32_MAX) return static_cast<uint32_t>(value);
  std::fprintf(stderr, "KESTRINE_SEED is not a number from 0 to 4294967295: the game is seeded from the time\n");
  return fromTheTime;
}

}  // namespace

void SetUpEngine(const engine::EngineRef<engine::EngineRoot>& root, HWND) {
  RECT desktop;
  GetClientRect(GetDesktopWindow(), &desktop);
  desktopRect = Rect32{desktop.left, desktop.top, desktop.right, desktop.bottom};
  debugMode = 0;
  engineRoot = root;

  srand(StartSeed());

  engineRoot->SetOptionD(1);
  engineRoot->SetOptionA(1);
  engineRoot->SetOptionB(2);
  engineRoot->SetOptionC(1);
  engineRoot->Initialize(L"2.2.0.0", L"FULL", 1);

  engineStage = engineRoot->CreateStage();
  engineStage->SetBackgroundColor(0, 0, 0);
  engineRoot->SetDisplayMode(kViewWidth, kViewHeight, 16);
  engineCamera = engineStage->GetCamera();

  const int width = engineRoot->GetScreenWidth();
  const int height = engineRoot->GetScreenHeight();
  engineCamera->SetViewport((width - kViewWidth) / 2, (height - kViewHeight) / 2, kViewWidth, kViewHeight);
  screenWidth = kViewWidth;
  screenHeight = kViewHeight;

  engineCamera->SetPosition(0, 15, -15);
  engineCamera->SetClipRange(250, 1);
  engineCamera->SetRotation(1, 0, 0, 45);

  engineLights[0] = engineRoot->CreateLight(kLightAmbient);
  engineLights[0]->SetColor(100, 100, 100);
  engineStage->AddObject(engineLights[0]);

  engineLights[1] = engineRoot->CreateLight(kLightDirectional);
  engineLights[1]->SetColor(200, 200, 200);
  engineStage->AddObject(engineLights[1]);
  engineLights[1]->SetPosition(100, 100, -100);
  engineLights[1]->SetOrientation(0, -0.7f, 1, 0, 1, 0);

  GoToMission(1);
  ResetProgress("", 0, 0, 1);
  CreateTextOverlay();

  engineRoot->SetFrameRate(60);
  engineRoot->Start();
  engineRoot->Render();
  SetGameState(STATE_LOGOS);
}

void ShutDownEngine(HWND) {
  if (engineRoot->TestCondition(5)) engineRoot->ExitDisplayMode();

  // What the screens hold goes first (the mission, the patient view, the backpack, the briefing, the player
  // select), then the shared overlays, the slot screens' pictures and the shared assets.
  ReleaseScreens({STATE_OVERHEAD, STATE_PATIENT_VIEW, STATE_BACKPACK, STATE_BRIEFING, STATE_PLAYER_SELECT});
  ReleaseOverlays();
  ReleaseScreens({STATE_LOAD_GAME});
  ReleaseAssets();

  loadingScreenImage.Reset();
  engineLights[0].Reset();
  engineLights[1].Reset();
  engineCamera.Reset();
  engineStage.Reset();
  engineRoot.Reset();
}

}  // namespace kestrine
