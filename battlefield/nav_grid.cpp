#include "battlefield/nav_grid.h"

#include <algorithm>
#include <cmath>

#include "shell/program_state.h"

namespace kestrine {

namespace {

NavGridState navGridState;
KESTRINE_PROGRAM_STATE(navGridState);

}  // namespace

const NavGridState& Nav() { return navGridState; }

void SetNavGrid(const NavCells& grid) {
  std::copy(&grid[0][0], &grid[0][0] + kNavGridSize * kNavGridSize, &navGridState.NavGrid[0][0]);
}

void CopyNavGrid(NavCells& grid) {
  std::copy(&navGridState.NavGrid[0][0], &navGridState.NavGrid[0][0] + kNavGridSize * kNavGridSize, &grid[0][0]);
}

int32_t CellOf(float coordinate) {
  const double cell = std::trunc((static_cast<double>(coordinate) + 82.0) / 4.0);
  // Clamped before the conversion, so a wild or undefined coordinate still names a border cell.
  if (!(cell > 0.0)) return 0;
  if (cell >= kNavGridSize - 1) return kNavGridSize - 1;
  return static_cast<int32_t>(cell);
}

CellIndex CellAt(const Vector3& point) { return CellIndex{CellOf(point.x), CellOf(point.z)}; }

}  // namespace kestrine
