// Building the walking grid of a mission that has no grid file yet, by probing the battlefield: each cell is
// dropped onto the ground, each link to a neighbour is kept when a small probe passes along it both ways
// (walls, buildings and the rise of the ground block it), and every cell that cannot be walked to from the
// corner cell (0, 0) is closed.
#pragma once

#include <cstdint>
#include <functional>

#include "battlefield/nav_grid.h"
#include "shell/vector3.h"

namespace kestrine {

// A line-of-sight test: 1 when the segment from `from` to `to` is free of what `mask` selects; 0 when it is
// not, with `to` moved to where the probe stopped.
using SightTest = std::function<int(Vector3 from, Vector3& to, int mask)>;

// Each cell's point: dropped from 490 down to 310 at x = 4 column - 80, z = 4 row - 80; it rests where the
// drop meets the ground (mask 1), or at 310 where it meets nothing.
void DropCellsOnGround(NavCells& grid, const SightTest& sight);
// Each cell's mask: bit k set when the segment from its point to neighbour k's point is free (mask 5: the
// ground and the level objects), for neighbours inside the grid.
void LinkCells(NavCells& grid, const SightTest& sight);
// Closes (mask 0) every cell that cannot be walked to from cell (0, 0) along the links; cell (0, 0) itself
// keeps its links. The links must be mutual (KeepMutualLinks).
void KeepReachableCells(NavCells& grid);

// The whole build on the mission's battlefield (terrain and level objects on the stage), with the game's
// line-of-sight probe: the drop, the probe narrowed to 0.2 for the links (and given its own size back for the
// shots after them), the links, only mutual links kept, the reachable cells.
void ComputeNavGrid(NavCells& grid);

// The first entry to a mission's overhead view: NavGrid from the mission's grid file, or computed and
// written to it (when the file cannot be written, the computed grid is used all the same). A mission on
// another mission's terrain folder uses what it computed but leaves that folder's file alone.
void ReadOrComputeNavGrid(int32_t mission);

}  // namespace kestrine
