// The path search over hand-built grids: the cell of a coordinate, a walk across an open grid, a blocked
// goal, a goal in the walker's own cell, cut-off parts of the grid, and the walk ending where a table has
// no way on.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

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
  EXPECT_EQ(CellOf(-90.0f), 0);  // trunc(-2) is -2, kept at 0
  EXPECT_EQ(CellOf(95.0f), 40);
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

}  // namespace
}  // namespace kestrine
