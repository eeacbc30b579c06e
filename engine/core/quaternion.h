// Rotations as unit quaternions, the form model files store and animations blend.
#pragma once

#include "engine/engine_math.h"

namespace engine {

struct Quat {
  float x = 0, y = 0, z = 0, w = 1;

  static Quat AxisAngle(Vec3 axis, float degrees);
  // The rotation part of a map (its axes are made unit length and square first).
  static Quat FromMat3(const Mat3& m);
  Mat3 ToMat3() const;
  Quat Normalized() const;
  float Dot(const Quat& o) const { return x * o.x + y * o.y + z * o.z + w * o.w; }
  // This applied after o.
  Quat operator*(const Quat& o) const;
};

// The shortest-path blend from a (k = 0) to b (k = 1).
Quat Slerp(const Quat& a, const Quat& b, float k);

}  // namespace engine
