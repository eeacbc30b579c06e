// The shell's globals shared by every screen: the engine objects made at start-up, the game state and
// clocks, the small switches the screens read, and the mission's shared values. One record, in globals.cpp.
#pragma once

#include <cstdint>

#include "engine/engine.h"

namespace kestrine {

struct Rect32 {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
};

// ---- game states ----
enum GameStateId : int {
  STATE_LOGOS = 0,
  STATE_DISCLAIMER = 1,
  STATE_MAIN_MENU = 2,
  STATE_LOAD_GAME = 3,
  STATE_SAVE_GAME = 4,
  STATE_DIFFICULTY = 5,
  STATE_TRAINING = 6,
  STATE_OPTIONS = 7,
  STATE_PLAYER_CONTROLS = 8,
  STATE_VOLUME = 9,
  STATE_HIGH_SCORES = 11,
  STATE_PLAYER_SELECT = 13,
  STATE_BRIEFING = 14,
  STATE_BACKPACK = 15,
  STATE_START_MISSION = 16,
  STATE_OVERHEAD = 17,
  STATE_PATIENT_VIEW = 18,
  STATE_DEBRIEFING = 20,
  STATE_KIA = 21,
  STATE_DEV_NOTES = 27,
  STATE_OPEN_PATIENT_VIEW = 28,
  STATE_PAUSE_MENU = 29,
  STATE_QUIT_CONFIRM = 30,
  STATE_FINISH = 31,
};

// How a mission ended: the values of missionEndFlag (0 while it runs).
enum MissionEnd : int32_t {
  END_RUNNING = 0,
  END_EVACUATED = 1,
  END_TIME_OUT = 2,
  END_MISTAKES = 4,
  END_FRIENDLY_FIRE = 5,
  END_TIME_OUT_SOLDIERS_OUT = 6,  // time ran out with soldiers still out in the field
};

// The one record of these globals; the names below are the ones the game uses.
struct ShellGlobals {
  // ---- engine objects (made by SetUpEngine, released by ShutDownEngine) ----
  engine::EngineRef<engine::EngineRoot> engineRoot;
  engine::EngineRef<engine::EngineStage> engineStage;
  engine::EngineRef<engine::EngineCamera> engineCamera;
  engine::EngineRef<engine::EngineLight> engineLights[2];  // 0 ambient, 1 directional
  engine::EngineRef<engine::EngineBitmap> loadingScreenImage;
  Rect32 desktopRect;
  // The logical screen of every 2D layout (640 x 480 after start-up).
  int screenWidth = 640;
  int screenHeight = 480;

  // ---- game states ----
  int32_t gameState = STATE_LOGOS;
  int32_t previousGameState = STATE_LOGOS;

  // ---- clocks (milliseconds) ----
  // 64 bits: the running sum of every frame never overflows, however long the game is left running.
  int64_t gameClock = 0;
  int32_t frameTime = 0;
  int32_t clampCountdown = 1;  // the first frame of the program is clamped too
  int32_t missionStartCountdown = 0;
  int32_t missionClock = 0;
  uint8_t skipClockFrame = 0;
  uint8_t clockFrozen = 0;

  // ---- switches ----
  uint8_t nightMission = 0;
  int32_t introPending = 0;
  int32_t logosStarted = 0;
  int64_t disclaimerAt = 0;  // game clock
  int32_t pointerX = 0;
  int32_t pointerY = 0;
  int32_t debugMode = 0;  // 0 off, 1 armed, 3 developer level
  uint8_t woundPickerAll = 0;
  uint8_t altEnemyModel = 0;
  uint8_t loserEnding = 0;

  // ---- mission ---- (where the campaign stands is shell/mission_progress.h's Campaign())
  int32_t missionEndFlag = END_RUNNING;  // a MissionEnd
  // Written by the battle, read by the after-action report: the clock time cut off when every casualty was
  // readied early (ms), and the points of the casualties brought to the landing point when time ran out.
  int32_t earlyFinishTime = 0;
  int32_t extractionBonus = 0;
};

extern ShellGlobals shellGlobals;

extern engine::EngineRef<engine::EngineRoot>& engineRoot;
extern engine::EngineRef<engine::EngineStage>& engineStage;
extern engine::EngineRef<engine::EngineCamera>& engineCamera;
extern engine::EngineRef<engine::EngineLight> (&engineLights)[2];
extern engine::EngineRef<engine::EngineBitmap>& loadingScreenImage;
extern Rect32& desktopRect;
extern int& screenWidth;
extern int& screenHeight;

extern int32_t& gameState;
extern int32_t& previousGameState;

extern int64_t& gameClock;
extern int32_t& frameTime;
extern int32_t& clampCountdown;
extern int32_t& missionStartCountdown;
extern int32_t& missionClock;
extern uint8_t& skipClockFrame;
extern uint8_t& clockFrozen;

extern uint8_t& nightMission;
extern int32_t& introPending;
extern int32_t& logosStarted;
extern int64_t& disclaimerAt;
extern int32_t& pointerX;
extern int32_t& pointerY;
extern int32_t& debugMode;
extern uint8_t& woundPickerAll;
extern uint8_t& altEnemyModel;
extern uint8_t& loserEnding;

extern int32_t& missionEndFlag;
extern int32_t& earlyFinishTime;
extern int32_t& extractionBonus;

}  // namespace kestrine
