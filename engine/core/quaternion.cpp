#include "core/quaternion.h"

#include <algorithm>
#include <cmath>

namespace engine {

Quat Quat::AxisAngle(Vec3 axis, float degrees) {
  const Vec3 a = axis.Normalized();
  if (a.Length() == 0) return {};
  const float half = degrees * 3.14159265358979f / 360.0f;
  const float s = std::sin(half);
  return {a.x * s, a.y * s, a.z * s, std::cos(half)};
}

Quat Quat::FromMat3(const Mat3& source) {
  const Mat3 m = source.Orthonormalized();
  // Element (row i, column j) of the usual matrix is component i of the image of axis j.
  const float m00 = m.r.x, m11 = m.u.y, m22 = m.f.z;
  const float m21 = m.u.z, m12 = m.f.y, m02 = m.f.x, m20 = m.r.z, m10 = m.r.y, m01 = m.u.x;
  Quat q;
  const float trace = m00 + m11 + m22;
  if (trace > 0) {
    const float s = std::sqrt(trace + 1.0f) * 2;
    q = {(m21 - m12) / s, (m02 - m20) / s, (m10 - m01) / s, 0.25f * s};
  } else if (m00 > m11 && m00 > m22) {
    const float s = std::sqrt(1.0f + m00 - m11 - m22) * 2;
    q = {0.25f * s, (m01 + m10) / s, (m02 + m20) / s, (m21 - m12) / s};
  } else if (m11 > m22) {
    const float s = std::sqrt(1.0f + m11 - m00 - m22) * 2;
    q = {(m01 + m10) / s, 0.25f * s, (m12 + m21) / s, (m02 - m20) / s};
  } else {
    const float s = std::sqrt(1.0f + m22 - m00 - m11) * 2;
    q = {(m02 + m20) / s, (m12 + m21) / s, 0.25f * s, (m10 - m01) / s};
  }
  return q.Normalized();
}

Mat3 Quat::ToMat3() const {
  const Quat q = Normalized();
  const float xx = q.x * q.x, yy = q.y * q.y, zz = q.z * q.z;
  const float xy = q.x * q.y, xz = q.x * q.z, yz = q.y * q.z, wx = q.w * q.x, wy = q.w * q.y, wz = q.w * q.z;
  Mat3 m;
  m.r = {1 - 2 * (yy + zz), 2 * (xy + wz), 2 * (xz - wy)};
  m.u = {2 * (xy - wz), 1 - 2 * (xx + zz), 2 * (yz + wx)};
  m.f = {2 * (xz + wy), 2 * (yz - wx), 1 - 2 * (xx + yy)};
  return m;
}

Quat Quat::Normalized() const {
  const float l = std::sqrt(Dot(*this));
  if (!(l > 1e-12f) || !std::isfinite(l)) return {};
  return {x / l, y / l, z / l, w / l};
}

Quat Quat::operator*(const Quat& o) const {
  return {w * o.x + x * o.w + y * o.z - z * o.y, w * o.y - x * o.z + y * o.w + z * o.x,
          w * o.z + x * o.y - y * o.x + z * o.w, w * o.w - x * o.x - y * o.y - z * o.z};
}

Quat Slerp(const Quat& a, const Quat& target, float k) {
  Quat b = target;
  float d = a.Dot(b);
  if (d < 0) {
    b = {-b.x, -b.y, -b.z, -b.w};
    d = -d;
  }
  float wa = 1 - k, wb = k;
  if (d < 0.9995f) {
    const float angle = std::acos(std::clamp(d, -1.0f, 1.0f));
    const float s = std::sin(angle);
    wa = std::sin((1 - k) * angle) / s;
    wb = std::sin(k * angle) / s;
  }
  return Quat{a.x * wa + b.x * wb, a.y * wa + b.y * wb, a.z * wa + b.z * wb, a.w * wa + b.w * wb}.Normalized();
}

}  // namespace engine
