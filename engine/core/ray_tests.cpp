#include "core/ray_tests.h"

#include <cmath>
#include <limits>

namespace engine {

bool PathThroughBox(const Vec3& origin, const Vec3& dir, const Vec3& lo, const Vec3& hi, float tMin, float tMax,
                    SlabHit& hit) {
  float enter = -std::numeric_limits<float>::infinity(), exit = std::numeric_limits<float>::infinity();
  int axis = -1;
  float side = 0;
  for (int a = 0; a < 3; ++a) {
    const float o = origin[a], d = dir[a];
    if (std::fabs(d) < 1e-12f) {
      if (o < lo[a] || o > hi[a]) return false;  // running alongside, outside this slab
      continue;
    }
    float t0 = (lo[a] - o) / d, t1 = (hi[a] - o) / d;
    float s = -1;
    if (t0 > t1) {
      std::swap(t0, t1);
      s = 1;
    }
    if (t0 > enter) {
      enter = t0;
      axis = a;
      side = s;
    }
    if (t1 < exit) exit = t1;
    if (enter > exit) return false;
  }
  if (exit < tMin || enter > tMax) return false;
  hit.tEnter = enter;
  hit.tExit = exit;
  hit.axis = axis;
  hit.side = side;
  return true;
}

bool PathThroughTriangle(const Vec3& origin, const Vec3& dir, const Vec3& a, const Vec3& b, const Vec3& c, float& t) {
  const Vec3 e1 = b - a, e2 = c - a;
  const Vec3 p = dir.Cross(e2);
  const float det = e1.Dot(p);
  if (std::fabs(det) < 1e-12f) return false;
  const float inv = 1.0f / det;
  const Vec3 s = origin - a;
  const float u = s.Dot(p) * inv;
  if (u < 0 || u > 1) return false;
  const Vec3 q = s.Cross(e1);
  const float v = dir.Dot(q) * inv;
  if (v < 0 || u + v > 1) return false;
  t = e2.Dot(q) * inv;
  return true;
}

}  // namespace engine
