#include "battlefield/nav_grid.h"

#include <cmath>

#include "shell/program_state.h"

namespace kestrine {

NavGridState navGridState;
KESTRINE_PROGRAM_STATE(navGridState);
NavCells& NavGrid = navGridState.NavGrid;

int32_t CellOf(float coordinate) {
  const double cell = std::trunc((static_cast<double>(coordinate) + 82.0) / 4.0);
  // Clamped before the conversion, so a wild or undefined coordinate still names a border cell.
  if (!(cell > 0.0)) return 0;
  if (cell >= kNavGridSize - 1) return kNavGridSize - 1;
  return static_cast<int32_t>(cell);
}

CellIndex CellAt(const Vector3& point) { return CellIndex{CellOf(point.x), CellOf(point.z)}; }

}  // namespace kestrine
