// The mission folders: terrain heights and pictures per terrain folder (1..10; the training missions use
// folder 4), the strategy, patient-location and spawn-map files, and the overhead view's own images.
#pragma once

#include "tools/assetgen/generators.h"

namespace assetgen {

// "missions\mission<n>\": terrhm.raw, wrap.qjp, crater.qjp, smallMap.qjp, briefmap.qjp for n = 1..10.
void WriteMissionTerrains(DataTree& tree);
// "missions\mission<n>\": strat and patloc for n = 1..13, spawnmap.raw for the terrain folders.
void WriteMissionDataFiles(DataTree& tree);
// "images\overhead.qpg" (the head-up display strip) and "images\time-up.qjp".
void WriteOverheadImages(DataTree& tree);
// "missions\mission<n>\grid" for n = 1..10: the walking grid the game builds from the folder's terrain and
// its mission's level objects. Runs after every other generator: it loads the missions from the tree.
void WriteWalkingGrids(DataTree& tree);

}  // namespace assetgen
