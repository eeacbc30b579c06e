// Grids for the path-search tests, built by hand: every cell open and linked to each neighbour inside the
// grid, then cells blocked or links cut as a test needs; and a point's three fields as one comparable value.
#pragma once

#include <tuple>

#include "battlefield/nav_grid.h"

namespace kestrine::testing {

// For points whose fields are exact (whole numbers, halves): EXPECT_EQ(XYZ(p), XYZ(-10, 404, 5)).
inline std::tuple<float, float, float> XYZ(const Vector3& v) { return {v.x, v.y, v.z}; }
inline std::tuple<float, float, float> XYZ(float x, float y, float z) { return {x, y, z}; }

inline void OpenNavGrid(NavCells& grid, float height = 400.0f) {
  for (int r = 0; r < kNavGridSize; ++r)
    for (int c = 0; c < kNavGridSize; ++c) {
      grid[r][c].position = Vector3(4.0f * c - 80.0f, height, 4.0f * r - 80.0f);
      grid[r][c].mask = 0;
      for (int k = 0; k < 8; ++k)
        if (InsideNavGrid(c + kNavStepX[k], r + kNavStepZ[k])) grid[r][c].mask |= static_cast<uint8_t>(1 << k);
    }
}

// Cuts the link between a cell and its neighbour k, both ways.
inline void CutLink(NavCells& grid, int column, int row, int k) {
  grid[row][column].mask &= static_cast<uint8_t>(~(1 << k));
  const int c = column + kNavStepX[k], r = row + kNavStepZ[k];
  if (InsideNavGrid(c, r)) grid[r][c].mask &= static_cast<uint8_t>(~(1 << OppositeDirection(k)));
}

inline void BlockCell(NavCells& grid, int column, int row) {
  for (int k = 0; k < 8; ++k) CutLink(grid, column, row, k);
}

}  // namespace kestrine::testing
