#include "battlefield/nav_grid_build.h"

#include "battlefield/line_of_sight.h"
#include "battlefield/nav_grid_file.h"
#include "shell/engine_setup.h"
#include "shell/mission_table.h"

namespace kestrine {

namespace {

constexpr float kDropFrom = 490.0f;
constexpr float kDropTo = 310.0f;
constexpr int kGroundMask = 1;
constexpr int kGroundAndObjectsMask = 5;
constexpr float kLinkProbeHalfExtent = 0.2f;

}  // namespace

void DropCellsOnGround(NavCells& grid, const SightTest& sight) {
  for (int r = 0; r < kNavGridSize; ++r)
    for (int c = 0; c < kNavGridSize; ++c) {
      const float x = kNavCellWidth * c - 80.0f, z = kNavCellWidth * r - 80.0f;
      Vector3 point(x, kDropTo, z);
      sight(Vector3(x, kDropFrom, z), point, kGroundMask);
      grid[r][c].position = point;
    }
}

void LinkCells(NavCells& grid, const SightTest& sight) {
  for (int r = 0; r < kNavGridSize; ++r)
    for (int c = 0; c < kNavGridSize; ++c) {
      uint8_t mask = 0;
      for (int k = 0; k < 8; ++k) {
        const int nc = c + kNavStepX[k], nr = r + kNavStepZ[k];
        if (!InsideNavGrid(nc, nr)) continue;
        Vector3 to = grid[nr][nc].position;
        if (sight(grid[r][c].position, to, kGroundAndObjectsMask) == 1) mask |= static_cast<uint8_t>(1 << k);
      }
      grid[r][c].mask = mask;
    }
}

// A cell the path search from the corner cell cannot reach is closed. With mutual links "reachable" is
// "connected", so one flood from the corner answers for all 1681 cells at once (the same answer as a search
// per cell, a thousand times faster).
void KeepReachableCells(NavCells& grid) {
  bool reached[kNavGridSize][kNavGridSize] = {};
  CellIndex queue[kNavGridSize * kNavGridSize];
  int head = 0, tail = 0;
  reached[0][0] = true;
  queue[tail++] = CellIndex{0, 0};
  while (head < tail) {
    const CellIndex at = queue[head++];
    for (int k = 0; k < 8; ++k) {
      if (!(grid[at.row][at.column].mask & (1 << k))) continue;
      const int nc = at.column + kNavStepX[k], nr = at.row + kNavStepZ[k];
      if (!InsideNavGrid(nc, nr) || reached[nr][nc]) continue;
      reached[nr][nc] = true;
      queue[tail++] = CellIndex{nc, nr};
    }
  }
  for (int r = 0; r < kNavGridSize; ++r)
    for (int c = 0; c < kNavGridSize; ++c)
      if (!reached[r][c]) grid[r][c].mask = 0;
}

void ComputeNavGrid(NavCells& grid) {
  const SightTest sight = [](Vector3 from, Vector3& to, int mask) { return LineOfSight(from, to, mask); };
  DropCellsOnGround(grid, sight);
  SetSightProbeExtent(kLinkProbeHalfExtent);
  LinkCells(grid, sight);
  // Shots see with the probe's own size afterwards, as they do when the grid comes from its file: the
  // first start of a mission must play like every later one.
  SetSightProbeExtent(kSightProbeHalfExtent);
  KeepMutualLinks(grid);
  KeepReachableCells(grid);
}

void ReadOrComputeNavGrid(int32_t mission) {
  // Built on a copy of the grid in use: what the file does not reach keeps its value.
  NavCells grid;
  CopyNavGrid(grid);
  if (ReadNavGridFile(mission, grid)) {
    SetNavGrid(grid);
    // The sight probe stands on the stage from here on either way, so a mission's scene is the same
    // whether its grid was read or computed.
    SetSightProbeExtent(kSightProbeHalfExtent);
    return;
  }
  ComputeNavGrid(grid);
  SetNavGrid(grid);
  // A folder's grid file is its own mission's: a training mission borrowing the folder has other level
  // objects, and what it built must not become the grid of the mission whose folder it is.
  if (TerrainFolderNumber(mission) != mission) return;
  if (!WriteNavGridFile(mission, Nav().NavGrid))
    Engine().engineRoot->DebugPrint("walking grid not written: " + NavGridFilePath(mission));
}

}  // namespace kestrine
