#include "battlefield/path_search.h"

#include <algorithm>
#include <cstring>

namespace kestrine {

namespace {

int32_t ClampToGrid(int32_t index) { return std::clamp(index, 0, kNavGridSize - 1); }

// A blocked goal is replaced by the first open cell met scanning squares of growing radius around it,
// each square row by row from the top and each row from the left; with no open cell at all, the last
// cell scanned.
CellIndex NearestOpenCell(const NavCells& grid, CellIndex goal) {
  CellIndex last = goal;
  for (int32_t radius = 1; radius < kNavGridSize; ++radius) {
    for (int32_t row = goal.row - radius; row <= goal.row + radius; ++row) {
      for (int32_t column = goal.column - radius; column <= goal.column + radius; ++column) {
        last = CellIndex{ClampToGrid(column), ClampToGrid(row)};
        if (grid[last.row][last.column].mask != 0) return last;
      }
    }
  }
  return last;
}

// Pass after pass over every cell in row order: a cell reached (state 1) or expanded once (state 2) moves
// up a state and offers each open neighbour its cost plus the step. A cell reached in a pass at a place
// the scan has not yet passed is expanded in that same pass. The flood ends when a pass changes nothing
// or once the start cell has been expanded.
//
// Each row keeps a bit per cell in state 1 or 2, and the scan visits those bits in column order, reading
// the row's bits afresh after every cell: that is exactly the cells a full scan would expand, in the same
// order, without looking at the finished and unvisited ones. A cell's second expansion offers its
// neighbours what its first did unless its own cost fell in between, and then it can change nothing (the
// neighbours' costs only fall); so it looks at its neighbours only after such a fall (and the goal, whose
// only expansion it is, always).
void Flood(const NavCells& grid, PathTable& table, CellIndex start, CellIndex goal) {
  static_assert(kNavGridSize < 64, "a row's cells fit in one 64-bit word");
  constexpr int32_t kCells = kNavGridSize * kNavGridSize;
  // The open directions of every cell, with any link out of the grid (bad data, never a way) dropped.
  uint8_t open[kCells];
  for (int32_t row = 0, i = 0; row < kNavGridSize; ++row)
    for (int32_t column = 0; column < kNavGridSize; ++column, ++i) {
      uint8_t inside = 0xFF;
      if (row == 0) inside &= 0b01111100;
      if (row == kNavGridSize - 1) inside &= 0b11000111;
      if (column == 0) inside &= 0b00011111;
      if (column == kNavGridSize - 1) inside &= 0b11110001;
      open[i] = grid[row][column].mask & inside;
    }
  constexpr int32_t kOffset[8] = {-kNavGridSize, -kNavGridSize + 1, 1,  kNavGridSize + 1,
                                  kNavGridSize,  kNavGridSize - 1,  -1, -kNavGridSize - 1};
  constexpr float kStepCost[8] = {kStraightStepCost, kDiagonalStepCost, kStraightStepCost, kDiagonalStepCost,
                                  kStraightStepCost, kDiagonalStepCost, kStraightStepCost, kDiagonalStepCost};
  PathEntry* const cells = &table[0][0];

  uint64_t live[kNavGridSize] = {};
  uint64_t fell[kNavGridSize] = {};
  live[goal.row] = uint64_t{1} << goal.column;
  fell[goal.row] = uint64_t{1} << goal.column;
  const PathEntry& startEntry = table[start.row][start.column];
  bool changed = true;
  while (changed && startEntry.state <= PATH_REACHED) {
    changed = false;
    for (int32_t row = 0; row < kNavGridSize; ++row) {
      for (int32_t column = -1;;) {
        const uint64_t ahead = live[row] & (~uint64_t{0} << (column + 1));
        if (ahead == 0) break;
        column = __builtin_ctzll(ahead);
        const int32_t index = row * kNavGridSize + column;
        const uint64_t bit = uint64_t{1} << column;
        PathEntry& cell = cells[index];
        if (++cell.state == PATH_FINISHED) {
          live[row] &= ~bit;
          if ((fell[row] & bit) == 0) continue;
          fell[row] &= ~bit;
        }
        for (unsigned mask = open[index]; mask != 0; mask &= mask - 1) {
          const int k = __builtin_ctz(mask);  // directions in order 0..7
          PathEntry& next = cells[index + kOffset[k]];
          if (next.state == PATH_FINISHED) continue;
          const float cost = cell.cost + kStepCost[k];
          if (next.state == PATH_UNVISITED) {
            next.state = PATH_REACHED;
            next.cost = cost;
            live[row + kNavStepZ[k]] |= uint64_t{1} << (column + kNavStepX[k]);
          } else if (cost < next.cost) {  // reached or expanded once
            next.cost = cost;
            if (next.state == PATH_EXPANDED_ONCE) fell[row + kNavStepZ[k]] |= uint64_t{1} << (column + kNavStepX[k]);
          } else {
            continue;
          }
          next.direction = static_cast<int8_t>(OppositeDirection(k));
          changed = true;
        }
      }
    }
  }
}

}  // namespace

PathSearch FindPath(const NavCells& grid, PathTable& table, CellIndex start, CellIndex goal) {
  start = CellIndex{ClampToGrid(start.column), ClampToGrid(start.row)};
  goal = CellIndex{ClampToGrid(goal.column), ClampToGrid(goal.row)};
  if (grid[goal.row][goal.column].mask == 0) goal = NearestOpenCell(grid, goal);

  PathSearch result;
  result.goal = goal;
  std::memset(static_cast<void*>(table), 0, sizeof(PathTable));
  table[goal.row][goal.column].state = PATH_EXPANDED_ONCE;
  table[goal.row][goal.column].cost = 0.0f;
  if (goal == start) {
    result.next = start;
    result.reachable = true;
    return result;
  }

  result.flooded = true;
  Flood(grid, table, start, goal);
  result.next = start;
  if (table[start.row][start.column].state != PATH_UNVISITED) {
    result.reachable = NextPathCell(table, result.next);
  } else {
    // No way: the walker is nudged one cell diagonally.
    result.next = CellIndex{ClampToGrid(start.column + 1), ClampToGrid(start.row + 1)};
  }
  return result;
}

bool NextPathCell(const PathTable& table, CellIndex& cell) {
  if (!InsideNavGrid(cell.column, cell.row)) return false;
  const PathEntry& entry = table[cell.row][cell.column];
  if (entry.state == PATH_UNVISITED || entry.direction < 0 || entry.direction > 7) return false;
  const CellIndex next{cell.column + kNavStepX[entry.direction], cell.row + kNavStepZ[entry.direction]};
  if (!InsideNavGrid(next.column, next.row)) return false;
  cell = next;
  return true;
}

}  // namespace kestrine
