// The path search over hand-built grids: the cell of a coordinate, a walk across an open grid, a blocked
// goal, a goal in the walker's own cell, cut-off parts of the grid, and the walk ending where a table has
// no way on; the walking grid's file byte by byte, damaged files, and the build by probes (one-way links,
// cells cut off from the corner).
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <vector>

#include "battlefield/nav_grid_build.h"
#include "battlefield/nav_grid_file.h"
#include "battlefield/path_search.h"
#include "nav_grid_fixture.h"
#include "shell/random.h"

namespace kestrine {
namespace {

using testing::BlockCell;
using testing::CutLink;
using testing::OpenNavGrid;

TEST(CellOf, TruncatesFromTheWesternEdgeAndKeepsInsideTheGrid) {
  EXPECT_EQ(CellOf(-82.0f), 0);
  EXPECT_EQ(CellOf(81.9f), 40);
  EXPECT_EQ(CellOf(-78.0f), 1);
  EXPECT_EQ(CellOf(-78.01f), 0);
  EXPECT_EQ(CellOf(0.0f), 20);
  // Nonsense from outside still names a border cell.
  EXPECT_EQ(CellOf(std::numeric_limits<float>::quiet_NaN()), 0);
  EXPECT_EQ(CellOf(1e30f), 40);
  EXPECT_EQ(CellOf(-1e30f), 0);
}

class PathSearchTest : public ::testing::Test {
 protected:
  void SetUp() override { OpenNavGrid(t_->grid); }

  PathSearch Search(CellIndex start, CellIndex goal) { return FindPath(t_->grid, t_->table, start, goal); }
  const PathEntry& At(int column, int row) const { return t_->table[row][column]; }
  int VisitedCells() const {
    int n = 0;
    for (const auto& row : t_->table)
      for (const PathEntry& e : row) n += e.state != PATH_UNVISITED;
    return n;
  }
  // Follows the table from `from`; the number of steps to `goal`, or -1 when it stops or runs longer
  // than the grid has cells (a cycle).
  int StepsToGoal(CellIndex from, CellIndex goal) const {
    for (int steps = 0; steps <= kNavGridSize * kNavGridSize; ++steps) {
      if (from == goal) return steps;
      if (!NextPathCell(t_->table, from)) return -1;
    }
    return -1;
  }

  struct Tables {
    NavCells grid;
    PathTable table;
    PathTable plain;
  };
  std::unique_ptr<Tables> t_ = std::make_unique<Tables>();
};

TEST_F(PathSearchTest, CornerToCornerOfAnOpenGridGoesDiagonally) {
  const PathSearch s = Search({0, 0}, {40, 40});
  EXPECT_TRUE(s.reachable);
  EXPECT_TRUE(s.flooded);
  EXPECT_EQ(s.goal, (CellIndex{40, 40}));
  // Already one step on when the search returns.
  EXPECT_EQ(s.next, (CellIndex{1, 1}));
  // 40 diagonal steps of 14.14.
  EXPECT_NEAR(At(0, 0).cost, 565.6f, 0.01f);
  EXPECT_EQ(At(0, 0).direction, 3);  // +x, +z
  EXPECT_EQ(StepsToGoal({0, 0}, {40, 40}), 40);
  // From anywhere the flood reached, the chain ends at the goal.
  EXPECT_EQ(StepsToGoal({40, 0}, {40, 40}), 40);
}

TEST_F(PathSearchTest, ABlockedGoalBecomesTheFirstOpenCellFromTheTopLeft) {
  // The goal (20, 20) and its whole first ring are blocked; in the second ring, row gz - 2 starts with
  // two blocked cells.
  for (int r = 19; r <= 21; ++r)
    for (int c = 19; c <= 21; ++c) BlockCell(t_->grid, c, r);
  for (int c : {18, 19, 21}) BlockCell(t_->grid, c, 18);
  const PathSearch s = Search({2, 2}, {20, 20});
  EXPECT_TRUE(s.reachable);
  EXPECT_EQ(s.goal, (CellIndex{20, 18}));
  EXPECT_GE(StepsToGoal({2, 2}, {20, 18}), 1);
}

TEST_F(PathSearchTest, AGoalInTheWalkersOwnCellSearchesNothing) {
  const PathSearch s = Search({7, 9}, {7, 9});
  EXPECT_TRUE(s.reachable);
  EXPECT_FALSE(s.flooded);
  EXPECT_EQ(s.next, (CellIndex{7, 9}));
  EXPECT_EQ(VisitedCells(), 1);
  EXPECT_EQ(At(7, 9).state, PATH_EXPANDED_ONCE);
  EXPECT_EQ(At(7, 9).cost, 0.0f);
}

TEST_F(PathSearchTest, CutOffPartsOfTheGridAreNotReachedAndTheWalkerIsNudged) {
  for (int r = 0; r < kNavGridSize; ++r) BlockCell(t_->grid, 20, r);
  PathSearch s = Search({5, 10}, {30, 10});
  EXPECT_FALSE(s.reachable);
  EXPECT_EQ(s.next, (CellIndex{6, 11}));
  // A failed search leaves nothing to walk: the stepping stops instead of heading north off the grid.
  CellIndex walker = s.next;
  EXPECT_FALSE(NextPathCell(t_->table, walker));
  EXPECT_EQ(walker, (CellIndex{6, 11}));

  // The nudge stays inside the grid.
  s = Search({40, 40}, {5, 5});
  EXPECT_FALSE(s.reachable);
  EXPECT_EQ(s.next, (CellIndex{40, 40}));
}

TEST_F(PathSearchTest, NeighboursWhoseMasksDoNotLinkThemAreApart) {
  // Four open cells in a row, the middle two linked only away from each other; all else blocked.
  for (int r = 0; r < kNavGridSize; ++r)
    for (int c = 0; c < kNavGridSize; ++c)
      if (r != 10 || c < 9 || c > 12) BlockCell(t_->grid, c, r);
  CutLink(t_->grid, 10, 10, 2);  // (10,10) - (11,10)
  ASSERT_NE(t_->grid[10][10].mask, 0);
  ASSERT_NE(t_->grid[10][11].mask, 0);
  EXPECT_FALSE(Search({10, 10}, {11, 10}).reachable);
  EXPECT_TRUE(Search({9, 10}, {10, 10}).reachable);
}

TEST_F(PathSearchTest, BadLinksAndBadTablesNeverLeadOffTheGrid) {
  // A link pointing out of the grid (bad data) is not followed.
  t_->grid[0][0].mask = 0xFF;
  EXPECT_TRUE(Search({0, 0}, {3, 0}).reachable);
  EXPECT_EQ(StepsToGoal({0, 0}, {3, 0}), 3);
  // A visited cell whose direction leaves the grid gives no step.
  t_->table[0][5].state = PATH_FINISHED;
  t_->table[0][5].direction = 0;
  CellIndex at{5, 0};
  EXPECT_FALSE(NextPathCell(t_->table, at));
  EXPECT_EQ(at, (CellIndex{5, 0}));
}

// The flood as the rules state it, scanning every cell of every pass: the search skips the cells that have
// nothing to do, and must leave exactly the table this leaves.
void PlainFlood(const NavCells& grid, PathTable& table, CellIndex start) {
  bool changed = true;
  while (changed && table[start.row][start.column].state <= 1) {
    changed = false;
    for (int r = 0; r < kNavGridSize; ++r)
      for (int c = 0; c < kNavGridSize; ++c) {
        PathEntry& e = table[r][c];
        if (e.state != 1 && e.state != 2) continue;
        ++e.state;
        for (int k = 0; k < 8; ++k) {
          if ((grid[r][c].mask & (1 << k)) == 0) continue;
          PathEntry& n = table[r + kNavStepZ[k]][c + kNavStepX[k]];
          const float cost = e.cost + ((k & 1) != 0 ? 14.14f : 10.0f);
          if (n.state == 0) {
            n.state = 1;
          } else if (n.state > 2 || cost >= n.cost) {
            continue;
          }
          n.cost = cost;
          n.direction = static_cast<int8_t>((k + 4) & 7);
          changed = true;
        }
      }
  }
}

TEST_F(PathSearchTest, LeavesTheTableAFullScanOfEveryPassLeaves) {
  PathTable& plain = t_->plain;
  srand(7);
  for (int trial = 0; trial < 40; ++trial) {
    OpenNavGrid(t_->grid);
    for (int cut = 0; cut < 700; ++cut) CutLink(t_->grid, rand() % 41, rand() % 41, rand() % 8);
    const CellIndex start{rand() % 41, rand() % 41}, goal{rand() % 41, rand() % 41};
    const PathSearch s = Search(start, goal);
    if (!s.flooded) continue;
    for (auto& row : plain)
      for (PathEntry& e : row) e = PathEntry{};
    plain[s.goal.row][s.goal.column].state = 2;
    PlainFlood(t_->grid, plain, start);
    for (int r = 0; r < kNavGridSize; ++r)
      for (int c = 0; c < kNavGridSize; ++c) {
        const PathEntry &a = t_->table[r][c], &b = plain[r][c];
        ASSERT_TRUE(a.state == b.state && a.direction == b.direction && a.cost == b.cost)
            << "trial " << trial << " cell " << c << "," << r;
      }
  }
}

// ---- the walking grid's file and build ----

struct Grid {
  NavCells cells;
};
struct Table {
  PathTable entries;
};

std::unique_ptr<Grid> OpenGrid() {
  auto grid = std::make_unique<Grid>();
  OpenNavGrid(grid->cells);
  return grid;
}

TEST(NavGridFile, RecordsLieRowByRowAndReadBackByteForByte) {
  auto grid = OpenGrid();
  grid->cells[2][5].position = Vector3(-60.0f, 401.25f, -72.0f);
  const std::vector<uint8_t> bytes = EncodeNavGrid(grid->cells);
  ASSERT_EQ(bytes.size(), 21853u);
  // Record (row 2, column 5) at (2 x 41 + 5) x 13 = 1131: x, y, z, then the mask.
  const float y = 401.25f;
  EXPECT_EQ(std::memcmp(&bytes[1135], &y, 4), 0);
  EXPECT_EQ(bytes[1143], 0xFF);
  EXPECT_EQ(bytes[12], 0b00011100);  // the corner links only east, south-east and south

  auto read = std::make_unique<Grid>();
  ASSERT_TRUE(DecodeNavGrid(bytes.data(), bytes.size(), read->cells));
  EXPECT_EQ(EncodeNavGrid(read->cells), bytes);
}

TEST(NavGridFile, AShortOrDamagedFileIsNoGridAndOneWayLinksAreDropped) {
  std::vector<uint8_t> bytes = EncodeNavGrid(OpenGrid()->cells);
  auto read = std::make_unique<Grid>();
  read->cells[0][0].position = Vector3(1, 2, 3);
  EXPECT_FALSE(DecodeNavGrid(bytes.data(), bytes.size() - 1, read->cells));
  std::vector<uint8_t> damaged = bytes;
  const float nan = std::bit_cast<float>(0x7FC00000u);
  std::memcpy(&damaged[(40 * 41 + 40) * 13 + 4], &nan, 4);
  EXPECT_FALSE(DecodeNavGrid(damaged.data(), damaged.size(), read->cells));
  EXPECT_EQ(read->cells[0][0].position.x, 1.0f);  // untouched

  bytes[12] = 0xFF;                     // the corner claims links off the grid
  bytes[(10 * 41 + 10) * 13 + 12] = 0;  // (10, 10) closed, but its neighbours still link to it
  ASSERT_TRUE(DecodeNavGrid(bytes.data(), bytes.size(), read->cells));
  EXPECT_EQ(read->cells[0][0].mask, 0b00011100);
  EXPECT_EQ(read->cells[10][11].mask & (1 << 6), 0);
  EXPECT_NE(read->cells[9][10].mask & (1 << 0), 0);
}

TEST(NavGridBuild, ALinkSeenOnlyOneWayIsNoLinkAndCellsCutOffFromTheCornerClose) {
  auto grid = OpenGrid();
  // A wall along column 20 (x = 0) with one gap at row 5 (z = -60); (3, 3) sees (4, 3) but not back.
  LinkCells(grid->cells, [](Vector3 from, Vector3& to, int mask) {
    EXPECT_EQ(mask, 5);
    const bool crossesWall = (from.x < 0.0f) != (to.x < 0.0f) || from.x == 0.0f || to.x == 0.0f;
    if (crossesWall && !(from.z == -60.0f && to.z == -60.0f)) return 0;
    return from.x == -64.0f && from.z == -68.0f && to.x == -68.0f && to.z == -68.0f ? 0 : 1;
  });
  KeepMutualLinks(grid->cells);
  EXPECT_EQ(grid->cells[3][3].mask & (1 << 2), 0);
  KeepReachableCells(grid->cells);
  EXPECT_EQ(grid->cells[10][20].mask, 0);
  EXPECT_NE(grid->cells[40][40].mask, 0);  // reached through the gap

  BlockCell(grid->cells, 20, 5);
  KeepReachableCells(grid->cells);
  EXPECT_EQ(grid->cells[40][40].mask, 0);
  EXPECT_NE(grid->cells[5][19].mask, 0);
}

// The closing must answer as the path search from the corner answers, cell by cell.
TEST(NavGridBuild, ClosedCellsAreExactlyThoseThePathSearchFromTheCornerCannotReach) {
  auto grid = OpenGrid();
  uint32_t seed = 12345;
  for (int i = 0; i < 900; ++i) {
    seed = seed * 1103515245u + 12345u;
    const int column = static_cast<int>(seed >> 8) % kNavGridSize, row = static_cast<int>(seed >> 20) % kNavGridSize;
    if (column + row > 0) BlockCell(grid->cells, column, row);
  }
  auto closed = std::make_unique<Grid>(*grid);
  KeepReachableCells(closed->cells);
  auto table = std::make_unique<Table>();
  int reachable = 0;
  for (int r = 0; r < kNavGridSize; ++r)
    for (int c = 0; c < kNavGridSize; ++c) {
      const bool found = FindPath(grid->cells, table->entries, {0, 0}, {c, r}).reachable && grid->cells[r][c].mask != 0;
      reachable += found;
      EXPECT_EQ(closed->cells[r][c].mask, found ? grid->cells[r][c].mask : 0) << c << "," << r;
    }
  EXPECT_GT(reachable, 50);
  EXPECT_LT(reachable, 1600);
}

}  // namespace
}  // namespace kestrine
