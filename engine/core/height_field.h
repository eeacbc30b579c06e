// A grid mesh read as a height field: the ground's height at a point and where a path first meets it,
// found from the few cells under the path rather than by testing every triangle. Everything here is in
// the grid mesh's own space (before the mesh's scale).
#pragma once

#include "engine/engine_scene.h"

namespace engine {

class HeightField {
 public:
  explicit HeightField(const EngineMesh& grid);
  // False for a mesh that is not a grid of at least 2 x 2 vertices with non-zero cells.
  bool Valid() const { return valid_; }

  // The surface height over (x, z), cut into the same two triangles per cell the renderer draws. False
  // (and no height) outside the grid.
  bool HeightAt(float x, float z, float& height) const;
  // The first t in [0, 1] at which the segment a..b meets the surface, with the surface's upward unit
  // normal there.
  bool Intersect(const Vec3& a, const Vec3& b, float& t, Vec3& normal) const;

 private:
  Vec3 Vertex(int column, int row) const;
  // The two triangles of cell (column, row) tested against the segment; the nearer crossing in [t0, t1].
  bool CellHit(int column, int row, const Vec3& a, const Vec3& d, float t0, float t1, float& t, Vec3& normal) const;

  const EngineMesh& mesh_;
  bool valid_ = false;
  int columns_ = 0, rows_ = 0;
  float cellWidth_ = 0, cellDepth_ = 0, x0_ = 0, z0_ = 0;
  float lowest_ = 0, highest_ = 0;
};

}  // namespace engine
