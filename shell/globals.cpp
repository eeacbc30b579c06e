#include "shell/globals.h"

namespace kestrine {

engine::EngineRef<engine::EngineRoot> engineRoot;
engine::EngineRef<engine::EngineStage> engineStage;
engine::EngineRef<engine::EngineCamera> engineCamera;
engine::EngineRef<engine::EngineLight> engineLights[2];
engine::EngineRef<engine::EngineBitmap> loadingScreenImage;
Rect32 desktopRect;
int screenWidth = 640;
int screenHeight = 480;

int32_t gameState = STATE_LOGOS;
int32_t previousGameState = STATE_LOGOS;

int32_t gameClock = 0;
int32_t frameTime = 0;
int32_t clampCountdown = 1;
int32_t missionStartCountdown = 0;
int32_t missionClock = 0;
uint8_t skipClockFrame = 0;
uint8_t clockFrozen = 0;

uint8_t nightMission = 0;
int32_t introPending = 0;
int32_t logosStarted = 0;
int32_t disclaimerAt = 0;
int32_t pointerX = 0;
int32_t pointerY = 0;
int32_t debugMode = 0;
uint8_t woundPickerAll = 0;
uint8_t altEnemyModel = 0;
uint8_t loserEnding = 0;

int32_t missionNumber = 1;
int32_t difficulty = 0;
uint8_t trainingRun = 0;
int32_t missionEndFlag = 0;

}  // namespace kestrine
