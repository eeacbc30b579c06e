// The matrices of the 3D view: where an object stands, where the camera looks from, and the
// perspective of its fixed field of view. The world is left-handed (x right, y up, z forward), and so
// is OpenGL's clip space, so nothing is mirrored on the way.
#pragma once

#include <array>

#include "engine/engine_math.h"

namespace engine {

// Column-major 4 x 4, as OpenGL takes it: m[column * 4 + row].
struct Mat4 {
  std::array<float, 16> m{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
  float& At(int row, int column) { return m[static_cast<size_t>(column * 4 + row)]; }
  float At(int row, int column) const { return m[static_cast<size_t>(column * 4 + row)]; }
  Mat4 operator*(const Mat4& o) const;
  // The point transformed with w = 1; the result's w is returned separately for projections.
  Vec3 TransformPoint(const Vec3& p, float* w = nullptr) const;
  // The upper-left 3 x 3 part applied to a direction.
  Vec3 TransformDirection(const Vec3& d) const;
  // Determinant of the upper-left 3 x 3: negative when the transform mirrors (and flips winding).
  float Determinant3() const;
};

// Object to world: scale, then rotate (rows of Mat3 are the object's axes), then move.
Mat4 ModelMatrix(const Vec3& position, const Mat3& rotation, const Vec3& scale);
// World to camera: the camera's right, up and forward axes become x, y and z (depth).
Mat4 ViewMatrix(const Vec3& cameraPosition, const Mat3& cameraRotation);
// Camera to clip space; depth nearPlane maps to -1 and farPlane to +1.
Mat4 PerspectiveMatrix(float verticalFovDegrees, float aspect, float nearPlane, float farPlane);

// The normal matrix (inverse transpose of the 3 x 3 part), so lighting stays right under uneven scales.
std::array<float, 9> NormalMatrix(const Mat4& model);

}  // namespace engine
