// Turning the mission number and the difficulty into a loaded battlefield, and taking it down again.
#pragma once

#include <cstdint>
#include <string>

namespace kestrine {

// The whole load at the start of a mission (and before a saved mission's units are restored): the shared
// assets and sounds, the terrain, the level objects, the mission's world, the mini-map, the overhead strip.
// A mission still loaded is taken down first. The mission and difficulty are the campaign's current ones (the
// unit and casualty builders underneath still read them from the campaign's view).
void LoadMission(int32_t mission, int32_t difficulty);

// The mission's world from its folder ("mission<n>", 4 for the training missions): the ground's picture
// and heights, the crater, the units from the strategy table (or the spawn map), the casualties, their
// limits, the weapons in the pack, the spawn points and the extraction warning's time.
// The mission and difficulty set how many casualties may be awake at once.
void BuildMissionWorld(const std::string& folder, int32_t mission, int32_t difficulty);

// The mission's level objects built afresh (none for the training missions), hidden until the overhead
// view shows them.
void SetupMissionScene(int32_t mission);

// The mission's level objects, then the overhead strip (loaded once, red see-through).
void LoadOverheadImage(int32_t mission);

// Takes the loaded mission down: units, terrain, level objects, the mini-map, the probe, the ground's
// pictures and the mission's flags. Nothing when no mission is loaded.
void UnloadMission();

}  // namespace kestrine
