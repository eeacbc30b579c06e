#include "backend/sdl/view_math.h"

#include <cmath>

namespace engine {

Mat4 Mat4::operator*(const Mat4& o) const {
  Mat4 r;
  for (int row = 0; row < 4; ++row)
    for (int col = 0; col < 4; ++col) {
      float s = 0;
      for (int k = 0; k < 4; ++k) s += At(row, k) * o.At(k, col);
      r.At(row, col) = s;
    }
  return r;
}

Vec3 Mat4::TransformPoint(const Vec3& p, float* w) const {
  const float x = At(0, 0) * p.x + At(0, 1) * p.y + At(0, 2) * p.z + At(0, 3);
  const float y = At(1, 0) * p.x + At(1, 1) * p.y + At(1, 2) * p.z + At(1, 3);
  const float z = At(2, 0) * p.x + At(2, 1) * p.y + At(2, 2) * p.z + At(2, 3);
  if (w) *w = At(3, 0) * p.x + At(3, 1) * p.y + At(3, 2) * p.z + At(3, 3);
  return {x, y, z};
}

Vec3 Mat4::TransformDirection(const Vec3& d) const {
  return {At(0, 0) * d.x + At(0, 1) * d.y + At(0, 2) * d.z, At(1, 0) * d.x + At(1, 1) * d.y + At(1, 2) * d.z,
          At(2, 0) * d.x + At(2, 1) * d.y + At(2, 2) * d.z};
}

float Mat4::Determinant3() const {
  return At(0, 0) * (At(1, 1) * At(2, 2) - At(1, 2) * At(2, 1)) -
         At(0, 1) * (At(1, 0) * At(2, 2) - At(1, 2) * At(2, 0)) +
         At(0, 2) * (At(1, 0) * At(2, 1) - At(1, 1) * At(2, 0));
}

Mat4 ModelMatrix(const Vec3& position, const Mat3& rotation, const Vec3& scale) {
  Mat4 r;
  const Vec3 axes[3] = {rotation.r * scale.x, rotation.u * scale.y, rotation.f * scale.z};
  for (int col = 0; col < 3; ++col) {
    r.At(0, col) = axes[col].x;
    r.At(1, col) = axes[col].y;
    r.At(2, col) = axes[col].z;
  }
  r.At(0, 3) = position.x;
  r.At(1, 3) = position.y;
  r.At(2, 3) = position.z;
  return r;
}

Mat4 ViewMatrix(const Vec3& cameraPosition, const Mat3& cameraRotation) {
  Mat4 v;
  const Vec3 rows[3] = {cameraRotation.r, cameraRotation.u, cameraRotation.f};
  for (int row = 0; row < 3; ++row) {
    v.At(row, 0) = rows[row].x;
    v.At(row, 1) = rows[row].y;
    v.At(row, 2) = rows[row].z;
    v.At(row, 3) = -rows[row].Dot(cameraPosition);
  }
  return v;
}

Mat4 PerspectiveMatrix(float verticalFovDegrees, float aspect, float nearPlane, float farPlane) {
  // A clip range the wrong way round or empty would invert or collapse the depth; keep it usable.
  if (nearPlane <= 0) nearPlane = 0.01f;
  if (farPlane <= nearPlane) farPlane = nearPlane + 1.0f;
  if (aspect <= 0) aspect = 1.0f;
  const float t = std::tan(verticalFovDegrees * 3.14159265358979f / 360.0f);
  Mat4 p;
  p.m.fill(0);
  p.At(0, 0) = 1.0f / (aspect * t);
  p.At(1, 1) = 1.0f / t;
  p.At(2, 2) = (farPlane + nearPlane) / (farPlane - nearPlane);
  p.At(2, 3) = -2.0f * farPlane * nearPlane / (farPlane - nearPlane);
  p.At(3, 2) = 1.0f;
  return p;
}

std::array<float, 9> NormalMatrix(const Mat4& model) {
  // Cofactor matrix of the 3 x 3 part = determinant x inverse transpose; the shader normalises, so the
  // determinant's size does not matter, only its sign (kept so mirrored objects light from the right side).
  auto a = [&](int r, int c) { return model.At(r, c); };
  float cof[3][3];
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c) {
      const int r1 = (r + 1) % 3, r2 = (r + 2) % 3, c1 = (c + 1) % 3, c2 = (c + 2) % 3;
      cof[r][c] = a(r1, c1) * a(r2, c2) - a(r1, c2) * a(r2, c1);
    }
  const float sign = model.Determinant3() < 0 ? -1.0f : 1.0f;
  std::array<float, 9> n{};
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c) n[static_cast<size_t>(c * 3 + r)] = cof[r][c] * sign;  // column-major
  return n;
}

}  // namespace engine
