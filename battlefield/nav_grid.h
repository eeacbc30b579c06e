// The coarse walking grid over the 160 x 160 battlefield: 41 x 41 cells 4 units apart, each with its
// ground point and the neighbours a unit may step to. Built once per mission, read-only afterwards.
#pragma once

#include <cstdint>

#include "shell/vector3.h"

namespace kestrine {

constexpr int kNavGridSize = 41;
constexpr float kNavCellWidth = 4.0f;

// Neighbour k of a cell is (column + kNavStepX[k], row + kNavStepZ[k]); k = 0 is one row towards -z, the
// others follow clockwise seen from above. Odd k are diagonals; the opposite of k is (k + 4) & 7.
constexpr int kNavStepX[8] = {0, 1, 1, 1, 0, -1, -1, -1};
constexpr int kNavStepZ[8] = {-1, -1, 0, 1, 1, 1, 0, -1};

constexpr int OppositeDirection(int k) { return (k + 4) & 7; }

struct NavCell {
  // x = 4 column - 80, y = the ground height, z = 4 row - 80.
  Vector3 position;
  // Bit k set: neighbour k can be entered. Kept mutual and inside the grid by whoever builds the grid;
  // a cell with no bit set is blocked.
  uint8_t mask = 0;
};

// Indexed [row][column]; row runs along z, column along x.
using NavCells = NavCell[kNavGridSize][kNavGridSize];

struct CellIndex {
  int32_t column = 0;
  int32_t row = 0;
  bool operator==(const CellIndex&) const = default;
};

struct NavGridState {
  NavCells NavGrid;
};
// Written only in nav_grid.cpp, through the operations below; everyone else reads this view.
const NavGridState& Nav();

// The mission's walking grid, read from its file or computed (tests build their own).
void SetNavGrid(const NavCells& grid);
// A copy of the grid in use, to change and set again.
void CopyNavGrid(NavCells& grid);

// The cell (column for x, row for z) a coordinate lies in: trunc((c + 82) / 4), kept inside 0..40, so
// anything off the battlefield lands in the nearest border cell.
int32_t CellOf(float coordinate);
CellIndex CellAt(const Vector3& point);

// True for a column and row inside the grid.
constexpr bool InsideNavGrid(int32_t column, int32_t row) {
  return column >= 0 && column < kNavGridSize && row >= 0 && row < kNavGridSize;
}

}  // namespace kestrine
