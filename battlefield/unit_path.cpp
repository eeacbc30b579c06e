// A unit on the walking grid: its path search, a walk to a picked point, and its steps along the path.
#include <algorithm>

#include "battlefield/unit.h"

namespace kestrine {

namespace {

constexpr float kBattlefieldEdge = 80.0f;

}  // namespace

bool Unit::FindPath(Vector3 goal) {
  cell = CellAt(pos);
  const PathSearch search = kestrine::FindPath(Nav().NavGrid, path, cell, CellAt(goal));
  targetCell = search.goal;
  // With the goal in the unit's own cell nothing was searched, and nothing is pending.
  if (!search.flooded) return true;
  pathPending = 1;
  cell = search.next;
  return search.reachable;
}

void Unit::MoveToPick(const engine::EngineRef<engine::EngineHit>& hit) {
  Vector3 point(hit->GetPoint());
  point.x = std::clamp(point.x, -kBattlefieldEdge, kBattlefieldEdge);
  point.z = std::clamp(point.z, -kBattlefieldEdge, kBattlefieldEdge);
  FindPath(point);
}

bool Unit::StepAlongPath() {
  CellIndex next = cell;
  if (!NextPathCell(path, next)) {
    ResetAction();
    return false;
  }
  prevCell = cell;
  cell = next;
  MoveToward(CellCentre());
  return true;
}

Vector3 Unit::CellCentre() const {
  const CellIndex at{std::clamp(cell.column, 0, kNavGridSize - 1), std::clamp(cell.row, 0, kNavGridSize - 1)};
  return Nav().NavGrid[at.row][at.column].position;
}

}  // namespace kestrine
