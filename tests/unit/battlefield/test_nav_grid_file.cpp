// The walking grid: its file byte by byte, corrupt and short files, and the build by probes (the drop onto
// the ground, the links, one-way links, cells cut off from the corner).
#include <gtest/gtest.h>

#include <bit>
#include <cstring>
#include <memory>
#include <vector>

#include "battlefield/nav_grid_build.h"
#include "battlefield/nav_grid_file.h"
#include "battlefield/path_search.h"
#include "nav_grid_fixture.h"

namespace kestrine {
namespace {

struct Grid {
  NavCells cells;
};
struct Table {
  PathTable entries;
};

std::unique_ptr<Grid> OpenGrid() {
  auto grid = std::make_unique<Grid>();
  testing::OpenNavGrid(grid->cells);
  return grid;
}

uint32_t Le32(const std::vector<uint8_t>& bytes, size_t at) {
  return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | static_cast<uint32_t>(bytes[at + 3]) << 24;
}

TEST(NavGridFile, RecordsLieRowByRowAndReadBackByteForByte) {
  auto grid = OpenGrid();
  grid->cells[2][5].position = Vector3(-60.0f, 401.25f, -72.0f);
  testing::BlockCell(grid->cells, 7, 3);
  const std::vector<uint8_t> bytes = EncodeNavGrid(grid->cells);
  ASSERT_EQ(bytes.size(), 21853u);
  // Record (row 2, column 5) at (2 x 41 + 5) x 13 = 1131: x, y, z, then the mask.
  EXPECT_EQ(Le32(bytes, 1131), std::bit_cast<uint32_t>(-60.0f));
  EXPECT_EQ(Le32(bytes, 1135), std::bit_cast<uint32_t>(401.25f));
  EXPECT_EQ(Le32(bytes, 1139), std::bit_cast<uint32_t>(-72.0f));
  EXPECT_EQ(bytes[1143], 0xFF);
  EXPECT_EQ(bytes[(3 * 41 + 7) * 13 + 12], 0);
  // The corner cell links only east, south-east and south.
  EXPECT_EQ(bytes[12], 0b00011100);

  auto read = std::make_unique<Grid>();
  ASSERT_TRUE(DecodeNavGrid(bytes.data(), bytes.size(), read->cells));
  EXPECT_EQ(EncodeNavGrid(read->cells), bytes);
}

TEST(NavGridFile, AShortOrDamagedFileIsNoGridAndLeavesTheCellsAlone) {
  auto grid = OpenGrid();
  std::vector<uint8_t> bytes = EncodeNavGrid(grid->cells);
  auto target = std::make_unique<Grid>();
  target->cells[0][0].position = Vector3(1, 2, 3);
  EXPECT_FALSE(DecodeNavGrid(bytes.data(), bytes.size() - 1, target->cells));
  EXPECT_FALSE(DecodeNavGrid(bytes.data(), 0, target->cells));
  const float nan = std::bit_cast<float>(0x7FC00000u);
  std::memcpy(&bytes[(40 * 41 + 40) * 13 + 4], &nan, 4);
  EXPECT_FALSE(DecodeNavGrid(bytes.data(), bytes.size(), target->cells));
  EXPECT_EQ(target->cells[0][0].position.x, 1.0f);
  EXPECT_EQ(target->cells[0][0].mask, 0);
}

TEST(NavGridFile, LinksOffTheGridOrNotReturnedAreDropped) {
  auto grid = OpenGrid();
  std::vector<uint8_t> bytes = EncodeNavGrid(grid->cells);
  bytes[12] = 0xFF;                     // the corner claims links off the grid
  bytes[(10 * 41 + 10) * 13 + 12] = 0;  // (10, 10) closed, but its neighbours still link to it
  auto read = std::make_unique<Grid>();
  ASSERT_TRUE(DecodeNavGrid(bytes.data(), bytes.size(), read->cells));
  EXPECT_EQ(read->cells[0][0].mask, 0b00011100);
  EXPECT_EQ(read->cells[10][11].mask & (1 << 6), 0);  // west of (column 11, row 10) is (10, 10)
  EXPECT_EQ(read->cells[9][10].mask & (1 << 4), 0);
  EXPECT_NE(read->cells[9][10].mask & (1 << 0), 0);
}

// ---- the build ----

TEST(NavGridBuild, CellsRestWhereTheDropMeetsTheGroundOrAt310) {
  auto grid = std::make_unique<Grid>();
  std::vector<int> masks;
  DropCellsOnGround(grid->cells, [&](Vector3 from, Vector3& to, int mask) {
    masks.push_back(mask);
    EXPECT_EQ(from.y, 490.0f);
    EXPECT_EQ(to.y, 310.0f);
    if (from.x > 0.0f) return 1;  // no ground east of x = 0
    to.y = 400.5f;
    return 0;
  });
  EXPECT_EQ(masks.size(), 1681u);
  EXPECT_EQ(masks.front(), 1);
  const NavCell& corner = grid->cells[0][0];
  EXPECT_EQ(corner.position.x, -80.0f);
  EXPECT_EQ(corner.position.z, -80.0f);
  EXPECT_EQ(corner.position.y, 400.5f);
  EXPECT_EQ(grid->cells[3][40].position.x, 80.0f);
  EXPECT_EQ(grid->cells[3][40].position.z, -68.0f);
  EXPECT_EQ(grid->cells[3][40].position.y, 310.0f);
}

TEST(NavGridBuild, ALinkSeenOnlyOneWayIsNoLinkAndCellsCutOffFromTheCornerClose) {
  auto grid = OpenGrid();
  // A wall along column 20 (x = 0) with one gap at row 5; a one-way view from (3, 3) to (4, 3).
  LinkCells(grid->cells, [](Vector3 from, Vector3& to, int mask) {
    EXPECT_EQ(mask, 5);
    const bool crossesWall = (from.x < 0.0f) != (to.x < 0.0f) || from.x == 0.0f || to.x == 0.0f;
    const bool gap = from.z == -60.0f && to.z == -60.0f;
    if (crossesWall && !gap) return 0;
    if (from.x == -68.0f && from.z == -68.0f && to.x == -64.0f && to.z == -68.0f) return 1;
    if (from.x == -64.0f && from.z == -68.0f && to.x == -68.0f && to.z == -68.0f) return 0;
    return 1;
  });
  KeepMutualLinks(grid->cells);
  EXPECT_EQ(grid->cells[3][3].mask & (1 << 2), 0);
  EXPECT_EQ(grid->cells[3][4].mask & (1 << 6), 0);
  KeepReachableCells(grid->cells);
  // Column 20 is closed but for the gap, the far side is reached through it.
  EXPECT_EQ(grid->cells[10][20].mask, 0);
  EXPECT_NE(grid->cells[5][20].mask, 0);
  EXPECT_NE(grid->cells[40][40].mask, 0);

  // Close the gap: everything beyond the wall is cut off from the corner.
  testing::BlockCell(grid->cells, 20, 5);
  KeepReachableCells(grid->cells);
  EXPECT_EQ(grid->cells[40][40].mask, 0);
  EXPECT_EQ(grid->cells[5][21].mask, 0);
  EXPECT_NE(grid->cells[5][19].mask, 0);
}

// The closing must answer as the path search from the corner answers, cell by cell.
TEST(NavGridBuild, ClosedCellsAreExactlyThoseThePathSearchFromTheCornerCannotReach) {
  auto grid = OpenGrid();
  uint32_t seed = 12345;
  for (int i = 0; i < 900; ++i) {
    seed = seed * 1103515245u + 12345u;
    const int column = static_cast<int>(seed >> 8) % kNavGridSize, row = static_cast<int>(seed >> 20) % kNavGridSize;
    if (column + row > 0) testing::BlockCell(grid->cells, column, row);
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
