// The walking grid: its file byte by byte, damaged files, and the build by probes (one-way links, cells cut
// off from the corner).
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

  testing::BlockCell(grid->cells, 20, 5);
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
