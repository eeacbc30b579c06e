// Walking-grid files from outside: whatever the bytes, a grid read from them has only mutual links inside
// the grid (so a walk along any path never leaves it), and it is written back and read again unchanged.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "battlefield/nav_grid_build.h"
#include "battlefield/nav_grid_file.h"
#include "battlefield/path_search.h"

using namespace kestrine;

namespace {

struct Tables {
  NavCells grid;
  NavCells again;
  PathTable path;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  auto t = std::make_unique<Tables>();
  if (!DecodeNavGrid(data, size, t->grid)) {
    if (size >= kNavGridFileSize && data != nullptr) {
      // Refused whole files are those with a coordinate that is not a number.
      bool anyNan = false;
      for (size_t at = 0; at + 13 <= kNavGridFileSize; at += 13)
        for (size_t f = 0; f < 3; ++f) {
          uint32_t bits = 0;
          std::memcpy(&bits, data + at + 4 * f, 4);
          anyNan |= (bits & 0x7F800000u) == 0x7F800000u;
        }
      if (!anyNan) std::abort();
    }
    return 0;
  }
  for (int r = 0; r < kNavGridSize; ++r)
    for (int c = 0; c < kNavGridSize; ++c)
      for (int k = 0; k < 8; ++k) {
        if (!(t->grid[r][c].mask & (1 << k))) continue;
        const int nc = c + kNavStepX[k], nr = r + kNavStepZ[k];
        if (!InsideNavGrid(nc, nr) || !(t->grid[nr][nc].mask & (1 << OppositeDirection(k)))) std::abort();
      }

  const std::vector<uint8_t> written = EncodeNavGrid(t->grid);
  if (!DecodeNavGrid(written.data(), written.size(), t->again) || EncodeNavGrid(t->again) != written) std::abort();
  // Positions come back bit for bit.
  for (size_t at = 0; at < kNavGridFileSize; at += 13)
    if (std::memcmp(written.data() + at, data + at, 12) != 0) std::abort();

  // A search across the grid and the walk along it stay inside.
  KeepReachableCells(t->grid);
  const PathSearch search = FindPath(t->grid, t->path, {0, 0}, {40, 40});
  CellIndex cell = search.next;
  for (int steps = 0; steps < kNavGridSize * kNavGridSize && NextPathCell(t->path, cell); ++steps)
    if (!InsideNavGrid(cell.column, cell.row)) std::abort();
  return 0;
}
