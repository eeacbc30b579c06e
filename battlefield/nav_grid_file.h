// The walking grid's file, "missions\mission<n>\grid" (by the terrain folder, so the training missions share
// mission 4's): 41 x 41 records of 13 bytes, row-major (record (r, c) at (r x 41 + c) x 13): the cell's
// ground point as three floats x, y, z and its open-direction mask. 21853 bytes, little-endian.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "battlefield/nav_grid.h"

namespace kestrine {

constexpr size_t kNavGridRecordSize = 13;
constexpr size_t kNavGridFileSize = static_cast<size_t>(kNavGridSize) * kNavGridSize * kNavGridRecordSize;

std::string NavGridFilePath(int32_t mission);

// The grid the bytes hold, onto `grid`. A file shorter than a whole grid, or with a coordinate that is not
// a number, is no grid (false, `grid` untouched): the mission computes its grid afresh rather than walk on
// what an earlier mission left in the cells. Bytes after the grid are ignored. Links that point off the
// grid or are not returned by the neighbour are dropped, so a walk can never step outside.
bool DecodeNavGrid(const uint8_t* bytes, size_t size, NavCells& grid);
std::vector<uint8_t> EncodeNavGrid(const NavCells& grid);

// Only links both cells agree on stay; links off the grid go.
void KeepMutualLinks(NavCells& grid);

// The mission's grid file read onto `grid`; false when it is missing or no grid (see DecodeNavGrid).
bool ReadNavGridFile(int32_t mission, NavCells& grid);
// Writes the grid file; false (and nothing written) when it cannot be.
bool WriteNavGridFile(int32_t mission, const NavCells& grid);

}  // namespace kestrine
