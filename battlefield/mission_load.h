// Turning the mission number and the difficulty into a loaded battlefield, and taking it down again.
#pragma once

#include <cstdint>
#include <string>

namespace kestrine {

// The whole load at the start of a mission (and before a saved mission's units are restored): the shared
// assets and sounds, the terrain, the level objects, the mission's world, the mini-map, the overhead strip.
// A mission still loaded is taken down first.
void LoadMission();

// The mission's world from its folder ("mission<n>", 4 for the training missions): the ground's picture
// and heights, the crater, the units from the strategy table (or the spawn map), the casualties, their
// limits, the weapons in the pack, the spawn points and the extraction warning's time.
void BuildMissionWorld(const std::string& folder);

// The mission's level objects built afresh (none for the training missions), hidden until the overhead
// view shows them.
void SetupMissionScene(int32_t mission);

// The level objects, then the overhead strip (loaded once, red see-through).
void LoadOverheadImage();

// Takes the loaded mission down: units, terrain, level objects, the mini-map, the probe, the ground's
// pictures and the mission's flags. Nothing when no mission is loaded.
void UnloadMission();

}  // namespace kestrine
