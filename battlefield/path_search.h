// The path search: a flood over the walking grid from the goal back to the walker, leaving in the
// walker's own table, for every cell reached, the direction of the next step toward the goal.
//
// The flood is a repeated scan of all 1681 cells with no queue, so that the table it leaves (and with it
// the way units walk) is the same on every machine; it allocates nothing.
#pragma once

#include <cstdint>

#include "battlefield/nav_grid.h"

namespace kestrine {

enum PathCellState : int8_t {
  PATH_UNVISITED = 0,
  PATH_REACHED = 1,
  PATH_EXPANDED_ONCE = 2,
  PATH_FINISHED = 3,
};

struct PathEntry {
  int8_t state = PATH_UNVISITED;
  // The direction k (see kNavStepX) to step from this cell toward the goal.
  int8_t direction = 0;
  // Path cost from this cell to the goal.
  float cost = 0.0f;
};

// Indexed [row][column], like the grid.
using PathTable = PathEntry[kNavGridSize][kNavGridSize];

constexpr float kStraightStepCost = 10.0f;
constexpr float kDiagonalStepCost = 14.14f;

struct PathSearch {
  // The goal cell searched for: the asked one, or the nearest open cell when that one is blocked.
  CellIndex goal;
  // Where the walker's cell is afterwards: one step along the path, the start itself when the goal is
  // the start cell, or the start nudged one cell diagonally when no path exists.
  CellIndex next;
  // The goal cell is the start cell or a path to it exists.
  bool reachable = false;
  // The table was flooded (false only when the goal is the start cell).
  bool flooded = false;
};

// Floods `table` over `grid` from the goal toward the start.
PathSearch FindPath(const NavCells& grid, PathTable& table, CellIndex start, CellIndex goal);

// The cell one step on from `cell` along the table; false (and `cell` unchanged) when the table holds no
// way on from there: an unvisited cell, or a step that would leave the grid.
bool NextPathCell(const PathTable& table, CellIndex& cell);

}  // namespace kestrine
