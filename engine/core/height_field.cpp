#include "core/height_field.h"

#include <algorithm>
#include <cmath>

#include "core/geometry.h"
#include "core/ray_tests.h"

namespace engine {

namespace {

constexpr float kEdge = 1e-5f;  // how far a crossing may sit outside its cell's span and still count

}  // namespace

HeightField::HeightField(const EngineMesh& grid) : mesh_(grid) {
  if (grid.GetKind() != EngineMesh::Kind::Grid) return;
  columns_ = grid.GridColumns();
  rows_ = grid.GridRows();
  cellWidth_ = MeshParam(grid, 2);
  cellDepth_ = MeshParam(grid, 3);
  x0_ = MeshParam(grid, 4);
  z0_ = MeshParam(grid, 5);
  if (columns_ < 2 || rows_ < 2 || !(std::fabs(cellWidth_) > 1e-9f) || !(std::fabs(cellDepth_) > 1e-9f)) return;
  if (!std::isfinite(cellWidth_ + cellDepth_ + x0_ + z0_)) return;
  const MeshTriangles& tri = MeshTrianglesOf(grid);
  lowest_ = tri.boundsMin.y;
  highest_ = tri.boundsMax.y;
  valid_ = std::isfinite(lowest_) && std::isfinite(highest_);
}

Vec3 HeightField::Vertex(int column, int row) const {
  return {x0_ + column * cellWidth_, mesh_.VertexHeight(column, row), z0_ - row * cellDepth_};
}

bool HeightField::HeightAt(float x, float z, float& height) const {
  if (!valid_) return false;
  const float u = (x - x0_) / cellWidth_, v = (z0_ - z) / cellDepth_;
  if (!(u >= 0 && v >= 0 && u <= columns_ - 1 && v <= rows_ - 1)) return false;
  const int c = std::min(static_cast<int>(u), columns_ - 2), r = std::min(static_cast<int>(v), rows_ - 2);
  const float fu = u - c, fv = v - r;
  const float ha = mesh_.VertexHeight(c, r), hb = mesh_.VertexHeight(c + 1, r);
  const float hc = mesh_.VertexHeight(c + 1, r + 1), hd = mesh_.VertexHeight(c, r + 1);
  // The diagonal runs from vertex (c, r) to (c + 1, r + 1).
  height = fu >= fv ? ha + fu * (hb - ha) + fv * (hc - hb) : ha + fv * (hd - ha) + fu * (hc - hd);
  return true;
}

bool HeightField::CellHit(int column, int row, const Vec3& a, const Vec3& d, float t0, float t1, float& t,
                          Vec3& normal) const {
  const Vec3 va = Vertex(column, row), vb = Vertex(column + 1, row);
  const Vec3 vc = Vertex(column + 1, row + 1), vd = Vertex(column, row + 1);
  const Vec3* tris[2][3] = {{&va, &vb, &vc}, {&va, &vc, &vd}};
  bool found = false;
  for (const auto& tri : tris) {
    float tt;
    if (!PathThroughTriangle(a, d, *tri[0], *tri[1], *tri[2], tt)) continue;
    if (tt < t0 - kEdge || tt > t1 + kEdge || (found && tt >= t)) continue;
    Vec3 n = (*tri[1] - *tri[0]).Cross(*tri[2] - *tri[0]).Normalized();
    if (n.y < 0) n = -n;
    t = tt;
    normal = n;
    found = true;
  }
  return found;
}

bool HeightField::Intersect(const Vec3& a, const Vec3& b, float& t, Vec3& normal) const {
  if (!valid_) return false;
  const Vec3 d = b - a;
  // In cell units: u across columns, v across rows.
  const float ua = (a.x - x0_) / cellWidth_, va = (z0_ - a.z) / cellDepth_;
  const float du = d.x / cellWidth_, dv = -d.z / cellDepth_;
  // Only the part of the segment over the grid and within its heights can meet the surface.
  SlabHit span;
  const Vec3 lo{0, lowest_, 0}, hi{static_cast<float>(columns_ - 1), highest_, static_cast<float>(rows_ - 1)};
  if (!PathThroughBox({ua, a.y, va}, {du, d.y, dv}, lo, hi, 0.0f, 1.0f, span)) return false;
  float tStart = std::max(span.tEnter, 0.0f);
  const float tEnd = std::min(span.tExit, 1.0f);
  if (tStart > tEnd) return false;

  // Walk the cells under the segment in order (a 2D grid traversal); the first crossing found is the one.
  const float us = ua + du * tStart, vs = va + dv * tStart;
  int c = std::clamp(static_cast<int>(std::floor(us)), 0, columns_ - 2);
  int r = std::clamp(static_cast<int>(std::floor(vs)), 0, rows_ - 2);
  const int stepC = du > 0 ? 1 : -1, stepR = dv > 0 ? 1 : -1;
  const float inf = std::numeric_limits<float>::infinity();
  const auto nextCross = [&](float start, float delta, int cell, int step) {
    if (std::fabs(delta) < 1e-12f) return inf;
    const float edge = static_cast<float>(step > 0 ? cell + 1 : cell);
    return (edge - start) / delta;
  };
  float tNextC = nextCross(ua, du, c, stepC), tNextR = nextCross(va, dv, r, stepR);
  const float tStepC = std::fabs(du) < 1e-12f ? inf : 1.0f / std::fabs(du);
  const float tStepR = std::fabs(dv) < 1e-12f ? inf : 1.0f / std::fabs(dv);
  // Every cell is visited at most once; the bound guards against rounding loops.
  for (int guard = columns_ + rows_ + 2; guard-- > 0;) {
    const float cellEnd = std::min({tNextC, tNextR, tEnd});
    if (CellHit(c, r, a, d, tStart, cellEnd, t, normal)) return true;
    if (cellEnd >= tEnd) return false;
    tStart = cellEnd;
    if (tNextC <= tNextR) {
      c += stepC;
      tNextC += tStepC;
    } else {
      r += stepR;
      tNextR += tStepR;
    }
    if (c < 0 || r < 0 || c > columns_ - 2 || r > rows_ - 2) return false;
  }
  return false;
}

}  // namespace engine
