// The mission table: one row per mission, 1..10 the campaign and 11..13 the training missions. Casualty care
// reads the serious-wound caps when it draws a mission's wounds; the mission load reads the casualty counts,
// the scale factor, the camouflage and the severity mode; the mission start reads the time of day; the
// briefing shows the title, the briefing lines and the objectives (their words live in mission_texts).
#pragma once

#include <cstdint>
#include <string>

#include "shell/mission_texts.h"

namespace kestrine {

constexpr int kMissionCount = 13;
constexpr int kCampaignMissionCount = 10;
constexpr int kDifficultyCount = 3;

struct MissionDef {
  // Casualties of the mission by difficulty (novice, intermediate, expert).
  int32_t casualties[kDifficultyCount] = {};
  // By difficulty: how many of the mission's casualties may carry a serious wound.
  int32_t seriousCaps[kDifficultyCount] = {};
  // The mission's scale: unit models, the medic's speed and the camera's height.
  float factor = 1.0f;
  // Time of day as hhmm ("%04dh" on the briefing); night unless 600 < start time < 1900.
  int32_t startTime = 0;
  int32_t camouflage = 0;  // 0 woodland, 1 desert
  // 0 no special casualty; 1 one casualty is always the special one; 2 each has a 10 in 100 chance of being
  // it until one is.
  int32_t severityMode = 0;
  // Title, briefing lines (at most 30 characters each) and up to five objectives ("" = none).
  const MissionText* text = nullptr;

  const char* Title() const { return text->title; }
  int32_t BriefingCount() const { return text->briefingCount; }
  const char* BriefingLine(int32_t i) const { return text->briefing[i]; }
  const char* Objective(int32_t i) const { return text->objectives[i]; }
};

// Row index = mission number - 1.
extern const MissionDef MissionTable[kMissionCount];

// The row of a mission number; nullptr outside 1..13.
const MissionDef* FindMission(int32_t mission);
// The row of a mission number kept inside 1..13 (a number read from outside never leaves the table).
const MissionDef& MissionRow(int32_t mission);

// The number of the folder that holds a mission's terrain, pictures, spawn map and walking grid: the
// mission's own, but 4 for the training missions. (Strategy and patient-location files always go by the
// mission's own number.)
int32_t TerrainFolderNumber(int32_t mission);
// "mission<n>" with the terrain folder number.
std::string MissionFolder(int32_t mission);

// Night unless the mission starts after 600 and before 1900 (600 and 1900 themselves are night).
bool IsNightStart(int32_t startTime);

// The mission clock at the start, in ms: each casualty of the mission gives 260 s at novice, 250 s at
// intermediate and 240 s at expert. A difficulty outside 0..2 counts as novice.
int32_t MissionClockMs(const MissionDef& mission, int32_t difficulty);

}  // namespace kestrine
