// The path search as the battle runs it: one search across an open battlefield, one through a
// serpentine of walls (the longest way a grid can make), and the reachability pass of the grid builder
// (a search from the corner cell to every one of the 1681 cells).
#include <benchmark/benchmark.h>

#include <memory>

#include "battlefield/nav_grid.h"
#include "battlefield/path_search.h"

namespace {

using namespace kestrine;

// Every cell open and linked to every neighbour inside the grid.
void OpenGrid(NavCells& grid) {
  for (int r = 0; r < kNavGridSize; ++r)
    for (int c = 0; c < kNavGridSize; ++c) {
      grid[r][c].position = Vector3(4.0f * c - 80.0f, 400.0f, 4.0f * r - 80.0f);
      grid[r][c].mask = 0;
      for (int k = 0; k < 8; ++k)
        if (InsideNavGrid(c + kNavStepX[k], r + kNavStepZ[k])) grid[r][c].mask |= static_cast<uint8_t>(1 << k);
    }
}

void Block(NavCells& grid, int column, int row) {
  grid[row][column].mask = 0;
  for (int k = 0; k < 8; ++k) {
    const int c = column + kNavStepX[k], r = row + kNavStepZ[k];
    if (InsideNavGrid(c, r)) grid[r][c].mask &= static_cast<uint8_t>(~(1 << OppositeDirection(k)));
  }
}

// Walls on every odd column, open at the far end of one and the near end of the next: a single corridor
// winding across the whole grid.
void SerpentineGrid(NavCells& grid) {
  OpenGrid(grid);
  bool gapAtTop = true;
  for (int column = 1; column < kNavGridSize - 1; column += 2, gapAtTop = !gapAtTop)
    for (int row = gapAtTop ? 1 : 0; row < (gapAtTop ? kNavGridSize : kNavGridSize - 1); ++row)
      Block(grid, column, row);
}

struct Tables {
  NavCells grid;
  PathTable table;
};

struct Fixture {
  std::unique_ptr<Tables> tables = std::make_unique<Tables>();
  NavCells* grid = &tables->grid;
  PathTable* table = &tables->table;
};

void BM_FindPathOpen(benchmark::State& state) {
  Fixture f;
  OpenGrid(*f.grid);
  for (auto _ : state) {
    PathSearch s = FindPath(*f.grid, *f.table, {0, 0}, {40, 40});
    benchmark::DoNotOptimize(s);
  }
}
BENCHMARK(BM_FindPathOpen)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_FindPathSerpentine(benchmark::State& state) {
  Fixture f;
  SerpentineGrid(*f.grid);
  for (auto _ : state) {
    PathSearch s = FindPath(*f.grid, *f.table, {0, 0}, {40, 40});
    if (!s.reachable) state.SkipWithError("the serpentine must be passable");
    benchmark::DoNotOptimize(s);
  }
}
BENCHMARK(BM_FindPathSerpentine)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

void ReachabilityPass(benchmark::State& state, void (*build)(NavCells&)) {
  Fixture f;
  build(*f.grid);
  for (auto _ : state) {
    int reached = 0;
    for (int r = 0; r < kNavGridSize; ++r)
      for (int c = 0; c < kNavGridSize; ++c) reached += FindPath(*f.grid, *f.table, {0, 0}, {c, r}).reachable;
    benchmark::DoNotOptimize(reached);
  }
}

void BM_ReachabilityOpen(benchmark::State& state) { ReachabilityPass(state, OpenGrid); }
BENCHMARK(BM_ReachabilityOpen)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_ReachabilitySerpentine(benchmark::State& state) { ReachabilityPass(state, SerpentineGrid); }
BENCHMARK(BM_ReachabilitySerpentine)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
