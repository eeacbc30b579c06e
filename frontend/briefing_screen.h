// The briefing (state 14) and the debriefing (state 20): one builder, one frame function and one mouse
// handler for both. The briefing shows the mission's title, the officer's talking head, the scrolling
// briefing, a map, the weather, the start time, the player's name, rank and medals and the objectives; the
// debriefing shows a second officer, the after-action report and the way on (next mission, replay, quit,
// save).
#pragma once

#include <cstdint>

#include "engine/engine.h"

namespace kestrine {

constexpr int kWeatherImageCount = 4;
// The weather drawn is one of the first three: the cloudy picture is never shown.
constexpr int kWeatherShown = 3;

enum BriefingKind : int32_t { BRIEFING_NONE = -1, BRIEFING_SHOWN = 0, DEBRIEFING_SHOWN = 1 };

// What the shared screen holds. Written only by the briefing screen; the speech, the screen table and the
// tests read the const view.
struct BriefingScreenState {
  int32_t briefingScreenKind = BRIEFING_NONE;  // whose pictures and head are loaded
  uint8_t isBriefing = 1;
  engine::EngineRef<engine::EngineBitmap> briefingBackdrop;
  engine::EngineRef<engine::EngineBitmap> briefingMask;
  engine::EngineRef<engine::EngineModel> briefingHead;
  int32_t briefingIdleA = 15;
  int32_t briefingIdleB = 13;
  engine::EngineRef<engine::EngineBitmap> briefingMap;
  engine::EngineRef<engine::EngineBitmap> weatherImages[kWeatherImageCount];
  int32_t weatherIndex = 0;
  engine::EngineRef<engine::EngineLight> briefingLight;
};
const BriefingScreenState& Briefing();

extern const char* const kBriefingOfficerName;
extern const char* const kDebriefingOfficerName;

// ---- the buttons, decided apart from drawing them ----
// Hot-spot indices of the briefing.
enum BriefingButton : int32_t {
  BRIEFING_LOAD_BACKPACK = 0,
  BRIEFING_START_MISSION = 1,
  BRIEFING_BACK = 2,
  BRIEFING_QUIT = 3,
  BRIEFING_SCROLL_UP = 4,
  BRIEFING_SCROLL_DOWN = 5,
  BRIEFING_SAVE = 6,
};
// Hot-spot indices of the debriefing.
enum DebriefingButton : int32_t {
  DEBRIEFING_NEXT = 0,
  DEBRIEFING_QUIT = 1,
  DEBRIEFING_REPLAY = 2,
  DEBRIEFING_SCROLL_UP = 3,
  DEBRIEFING_SCROLL_DOWN = 4,
  DEBRIEFING_SAVE = 5,
};

struct BriefingButtons {
  bool loadBackpack = true;  // greyed in the first training mission
  bool startMission = true;  // greyed at expert: the backpack screen is the only way in
  bool back = true;          // BACK to player select before the campaign's first mission; QUIT after it
  bool save = true;          // greyed in a training run
};
BriefingButtons ChooseBriefingButtons(int32_t mission, int32_t difficulty, int32_t missionMaximum, bool training);

struct DebriefingButtons {
  const wchar_t* next = nullptr;  // the first button's label; null when it is greyed
  bool save = true;
};
// maximum must be above 0 (the debriefing makes a 0 into 1 first).
DebriefingButtons ChooseDebriefingButtons(int32_t mission, int32_t score, int32_t maximum, bool training);

// ---- the screen ----
// Entry of state 14 (briefing = true) and of state 20 (false).
void BuildBriefingScreen(bool briefing);
// Every frame of states 14 and 20.
void UpdateBriefingScreen();
void BriefingMenu();
void DrawBriefingText();
void DebriefingMenu();
// Which of the two the screen is (its build says so; tests that lay out their own buttons say it here).
void MarkScreenAsBriefing(bool briefing);
// A mouse event on one of the screen's hot-spots (hotspotIndex).
void OnBriefingClick(int code, int32_t x, int32_t y);
// Hides the head and lets go of the briefing's own light; stops the message.
void HideBriefingElement();
// At shut-down.
void UnloadBriefingScreen();

}  // namespace kestrine
