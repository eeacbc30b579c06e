// Where a straight path p(t) = origin + dir * t first meets a box or a triangle.
#pragma once

#include "engine/engine_math.h"

namespace engine {

struct SlabHit {
  float tEnter = 0, tExit = 0;
  int axis = -1;   // the axis whose faces the path entered through (-1: it started inside on every axis)
  float side = 0;  // -1 entered through the low face, +1 through the high face
};

// The span of t in [tMin, tMax] for which the path is inside the box lo..hi (axis-aligned in the path's
// frame). False when it never is.
bool PathThroughBox(const Vec3& origin, const Vec3& dir, const Vec3& lo, const Vec3& hi, float tMin, float tMax,
                    SlabHit& hit);

// The t at which the path crosses triangle a, b, c from either side. False when it does not, or when the
// path runs along the triangle's plane.
bool PathThroughTriangle(const Vec3& origin, const Vec3& dir, const Vec3& a, const Vec3& b, const Vec3& c, float& t);

}  // namespace engine
