#include "shell/engine_setup.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

#include "shell/asset_loader.h"
#include "shell/developer_keys.h"
#include "shell/game_state.h"
#include "shell/loading_screen.h"
#include "shell/mission_progress.h"
#include "shell/overlays.h"
#include "shell/program_state.h"
#include "shell/random.h"
#include "shell/screen_table.h"
#include "shell/screen_text.h"

namespace kestrine {

EngineObjects engineObjects;
KESTRINE_PROGRAM_STATE(engineObjects);

const EngineObjects& Engine() { return engineObjects; }

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
  engineObjects.desktopRect = Rect32{desktop.left, desktop.top, desktop.right, desktop.bottom};
  LeaveDebugMode();
  engineObjects.engineRoot = root;

  srand(StartSeed());

  engineObjects.engineRoot->SetOptionD(1);
  engineObjects.engineRoot->SetOptionA(1);
  engineObjects.engineRoot->SetOptionB(2);
  engineObjects.engineRoot->SetOptionC(1);
  engineObjects.engineRoot->Initialize(L"2.2.0.0", L"FULL", 1);

  engineObjects.engineStage = engineObjects.engineRoot->CreateStage();
  engineObjects.engineStage->SetBackgroundColor(0, 0, 0);
  engineObjects.engineRoot->SetDisplayMode(kViewWidth, kViewHeight, 16);
  engineObjects.engineCamera = engineObjects.engineStage->GetCamera();

  const int width = engineObjects.engineRoot->GetScreenWidth();
  const int height = engineObjects.engineRoot->GetScreenHeight();
  engineObjects.engineCamera->SetViewport((width - kViewWidth) / 2, (height - kViewHeight) / 2, kViewWidth,
                                          kViewHeight);
  engineObjects.screenWidth = kViewWidth;
  engineObjects.screenHeight = kViewHeight;

  engineObjects.engineCamera->SetPosition(0, 15, -15);
  engineObjects.engineCamera->SetClipRange(250, 1);
  engineObjects.engineCamera->SetRotation(1, 0, 0, 45);

  engineObjects.engineLights[0] = engineObjects.engineRoot->CreateLight(kLightAmbient);
  engineObjects.engineLights[0]->SetColor(100, 100, 100);
  engineObjects.engineStage->AddObject(engineObjects.engineLights[0]);

  engineObjects.engineLights[1] = engineObjects.engineRoot->CreateLight(kLightDirectional);
  engineObjects.engineLights[1]->SetColor(200, 200, 200);
  engineObjects.engineStage->AddObject(engineObjects.engineLights[1]);
  engineObjects.engineLights[1]->SetPosition(100, 100, -100);
  engineObjects.engineLights[1]->SetOrientation(0, -0.7f, 1, 0, 1, 0);

  GoToMission(1);
  ResetProgress("", 0, 0, 1);
  CreateTextOverlay();

  engineObjects.engineRoot->SetFrameRate(60);
  engineObjects.engineRoot->Start();
  engineObjects.engineRoot->Render();
  SetGameState(STATE_LOGOS);
}

void ShutDownEngine(const engine::EngineRef<engine::EngineRoot>& root, HWND) {
  engineObjects.engineRoot = root;
  if (engineObjects.engineRoot->TestCondition(5)) engineObjects.engineRoot->ExitDisplayMode();

  // What the screens hold goes first (the mission, the patient view, the backpack, the briefing, the player
  // select), then the shared overlays, the slot screens' pictures and the shared assets.
  ReleaseScreens({STATE_OVERHEAD, STATE_PATIENT_VIEW, STATE_BACKPACK, STATE_BRIEFING, STATE_PLAYER_SELECT});
  ReleaseOverlays();
  ReleaseScreens({STATE_LOAD_GAME});
  ReleaseAssets();

  ReleaseLoadingScreenImage();
  ReleaseEngine();
}

void RestoreDisplayMode() {
  engineObjects.engineRoot->SetDisplayMode(kViewWidth, kViewHeight, 16);
  engineObjects.engineRoot->Render();
  engineObjects.engineCamera->SetViewport(0, 0, kViewWidth, kViewHeight);
  engineObjects.screenWidth = kViewWidth;
  engineObjects.screenHeight = kViewHeight;
}

void UseEngine(const engine::EngineRef<engine::EngineRoot>& root, const engine::EngineRef<engine::EngineStage>& stage,
               const engine::EngineRef<engine::EngineCamera>& camera) {
  engineObjects.engineRoot = root;
  engineObjects.engineStage = stage;
  engineObjects.engineCamera = camera;
}

void UseEngineLights(const engine::EngineRef<engine::EngineLight>& ambient,
                     const engine::EngineRef<engine::EngineLight>& directional) {
  engineObjects.engineLights[0] = ambient;
  engineObjects.engineLights[1] = directional;
}

void ReleaseEngine() {
  engineObjects.engineLights[0].Reset();
  engineObjects.engineLights[1].Reset();
  engineObjects.engineCamera.Reset();
  engineObjects.engineStage.Reset();
  engineObjects.engineRoot.Reset();
}

void SetScreenSize(int width, int height) {
  engineObjects.screenWidth = width;
  engineObjects.screenHeight = height;
}

void SetDesktopRect(const Rect32& rect) { engineObjects.desktopRect = rect; }

}  // namespace kestrine
