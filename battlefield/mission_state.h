// What a loaded mission holds besides its units, strategy table and level objects: the terrain (a 20 x 20
// height grid named "terrain" on its engine object), the mini-map and the overhead view's strip, the
// casualties' numbers, the team leader, the time the extraction warning comes at, the wrecked-hummer prop,
// and whether the mission is loaded and its walking grid built.
#pragma once

#include <cstdint>

#include "engine/engine.h"

namespace kestrine {

struct MissionState {
  engine::EngineRef<engine::EngineMesh> terrainMesh;
  engine::EngineRef<engine::EngineObject> terrainObject;
  engine::EngineRef<engine::EngineBitmap> smallMapImage;  // the mini-map's picture, also known as miniMapImage
  // The overhead view's head-up strip; loaded once and kept from mission to mission.
  engine::EngineRef<engine::EngineBitmap> overheadImage;
  // Casualties made for the mission, and how many of them may wait for the medic at once.
  int32_t casualtyCount = 0;
  int32_t activeCasualtyLimit = 0;
  // The first allied soldier sent to advance (0 = none): the one the player's team orders go to.
  int32_t teamLeader = 0;
  // The extraction warning comes when the mission clock falls below this (ms).
  int32_t extractionWarnTime = 0;
  // The level object of the wrecked hummer beside a casualty it hit (-1 = none).
  int32_t propIndex = -1;
  bool missionLoaded = false;
  // The walking grid was read or computed on the mission's first entry to the overhead view.
  bool gridReady = false;
};
extern MissionState missionState;

// How many casualties may wait for the medic at once: 1 at novice, 2 at intermediate, all of them at expert
// (all but one in mission 10).
int32_t ActiveCasualtyLimit(int32_t difficulty, int32_t casualtyCount, int32_t mission);

// The lowest ground of a terrain whose lowest height byte is `lowest`: just under the lowest vertex.
float GroundLevelOf(uint8_t lowest);

}  // namespace kestrine
