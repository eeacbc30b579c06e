#include "shell/globals.h"

#include "shell/program_state.h"

namespace kestrine {

ShellGlobals shellGlobals;
KESTRINE_PROGRAM_STATE(shellGlobals);

engine::EngineRef<engine::EngineRoot>& engineRoot = shellGlobals.engineRoot;
engine::EngineRef<engine::EngineStage>& engineStage = shellGlobals.engineStage;
engine::EngineRef<engine::EngineCamera>& engineCamera = shellGlobals.engineCamera;
engine::EngineRef<engine::EngineLight> (&engineLights)[2] = shellGlobals.engineLights;
engine::EngineRef<engine::EngineBitmap>& loadingScreenImage = shellGlobals.loadingScreenImage;
Rect32& desktopRect = shellGlobals.desktopRect;
int& screenWidth = shellGlobals.screenWidth;
int& screenHeight = shellGlobals.screenHeight;

int32_t& gameState = shellGlobals.gameState;
int32_t& previousGameState = shellGlobals.previousGameState;

int64_t& gameClock = shellGlobals.gameClock;
int32_t& frameTime = shellGlobals.frameTime;
int32_t& clampCountdown = shellGlobals.clampCountdown;
int32_t& missionStartCountdown = shellGlobals.missionStartCountdown;
int32_t& missionClock = shellGlobals.missionClock;
uint8_t& skipClockFrame = shellGlobals.skipClockFrame;
uint8_t& clockFrozen = shellGlobals.clockFrozen;

uint8_t& nightMission = shellGlobals.nightMission;
int32_t& introPending = shellGlobals.introPending;
int32_t& logosStarted = shellGlobals.logosStarted;
int64_t& disclaimerAt = shellGlobals.disclaimerAt;
int32_t& pointerX = shellGlobals.pointerX;
int32_t& pointerY = shellGlobals.pointerY;
int32_t& debugMode = shellGlobals.debugMode;
uint8_t& woundPickerAll = shellGlobals.woundPickerAll;
uint8_t& altEnemyModel = shellGlobals.altEnemyModel;
uint8_t& loserEnding = shellGlobals.loserEnding;

int32_t& missionEndFlag = shellGlobals.missionEndFlag;
int32_t& earlyFinishTime = shellGlobals.earlyFinishTime;
int32_t& extractionBonus = shellGlobals.extractionBonus;

}  // namespace kestrine
