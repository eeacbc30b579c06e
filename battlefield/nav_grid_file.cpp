#include "battlefield/nav_grid_file.h"

#include <cmath>
#include <memory>

#include "battlefield/mission_bytes.h"
#include "shell/game_files.h"
#include "shell/mission_table.h"

namespace kestrine {

std::string NavGridFilePath(int32_t mission) { return "missions\\" + MissionFolder(mission) + "\\grid"; }

void KeepMutualLinks(NavCells& grid) {
  // Decided on the links as they stand before any is dropped, so the scan order does not matter.
  uint8_t kept[kNavGridSize][kNavGridSize] = {};
  for (int r = 0; r < kNavGridSize; ++r)
    for (int c = 0; c < kNavGridSize; ++c)
      for (int k = 0; k < 8; ++k) {
        if (!(grid[r][c].mask & (1 << k))) continue;
        const int nc = c + kNavStepX[k], nr = r + kNavStepZ[k];
        if (InsideNavGrid(nc, nr) && (grid[nr][nc].mask & (1 << OppositeDirection(k))))
          kept[r][c] |= static_cast<uint8_t>(1 << k);
      }
  for (int r = 0; r < kNavGridSize; ++r)
    for (int c = 0; c < kNavGridSize; ++c) grid[r][c].mask = kept[r][c];
}

bool DecodeNavGrid(const uint8_t* bytes, size_t size, NavCells& grid) {
  if (size < kNavGridFileSize) return false;
  struct Cells {
    NavCells cells;
  };
  auto holder = std::make_unique<Cells>();
  NavCells& read = holder->cells;
  MissionByteReader in(bytes, kNavGridFileSize);
  for (auto& row : read)
    for (NavCell& cell : row) {
      in.ReadF32(cell.position.x);
      in.ReadF32(cell.position.y);
      in.ReadF32(cell.position.z);
      in.ReadU8(cell.mask);
      if (!std::isfinite(cell.position.x) || !std::isfinite(cell.position.y) || !std::isfinite(cell.position.z))
        return false;
    }
  KeepMutualLinks(read);
  for (int r = 0; r < kNavGridSize; ++r)
    for (int c = 0; c < kNavGridSize; ++c) grid[r][c] = read[r][c];
  return true;
}

std::vector<uint8_t> EncodeNavGrid(const NavCells& grid) {
  std::vector<uint8_t> bytes(kNavGridFileSize);
  MissionByteWriter out(bytes.data(), bytes.size());
  for (const auto& row : grid)
    for (const NavCell& cell : row) {
      out.WriteF32(cell.position.x);
      out.WriteF32(cell.position.y);
      out.WriteF32(cell.position.z);
      out.WriteU8(cell.mask);
    }
  return bytes;
}

bool ReadNavGridFile(int32_t mission, NavCells& grid) {
  std::vector<uint8_t> bytes(kNavGridFileSize);
  size_t got = 0;
  if (ReadGameFile(NavGridFilePath(mission), bytes.data(), bytes.size(), got) != GameFileRead::kRead) return false;
  return DecodeNavGrid(bytes.data(), got, grid);
}

bool WriteNavGridFile(int32_t mission, const NavCells& grid) {
  const std::vector<uint8_t> bytes = EncodeNavGrid(grid);
  return WriteGameFile(NavGridFilePath(mission), {reinterpret_cast<const char*>(bytes.data()), bytes.size()}, false);
}

}  // namespace kestrine
