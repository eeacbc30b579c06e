#include "engine/engine_math.h"

namespace engine {

Mat3 Mat3::AxisAngle(Vec3 axis, float degrees) {
  Vec3 a = axis.Normalized();
  if (a.Length() == 0) return Identity();
  const float rad = degrees * 3.14159265358979f / 180.0f;
  const float c = std::cos(rad), s = std::sin(rad), t = 1 - c;
  // Rows are the images of the unit axes, so Apply(v) = r*v.x + u*v.y + f*v.z rotates v.
  Mat3 m;
  m.r = {t * a.x * a.x + c, t * a.x * a.y + s * a.z, t * a.x * a.z - s * a.y};
  m.u = {t * a.x * a.y - s * a.z, t * a.y * a.y + c, t * a.y * a.z + s * a.x};
  m.f = {t * a.x * a.z + s * a.y, t * a.y * a.z - s * a.x, t * a.z * a.z + c};
  return m;
}

Mat3 Mat3::FromDirectionUp(Vec3 dir, Vec3 up) {
  Vec3 f = dir.Normalized();
  if (f.Length() == 0) return Identity();
  Vec3 r = up.Cross(f).Normalized();
  if (r.Length() == 0) {
    // Looking straight along the up hint: any perpendicular right axis will do.
    r = (std::fabs(f.y) < 0.9f ? Vec3{0, 1, 0} : Vec3{0, 0, 1}).Cross(f).Normalized();
  }
  Vec3 u = f.Cross(r);
  Mat3 m;
  m.r = r;
  m.u = u;
  m.f = f;
  return m;
}

Mat3 Mat3::operator*(const Mat3& o) const {
  Mat3 m;
  m.r = Apply(o.r);
  m.u = Apply(o.u);
  m.f = Apply(o.f);
  return m;
}

Mat3 Mat3::Transposed() const {
  Mat3 m;
  m.r = {r.x, u.x, f.x};
  m.u = {r.y, u.y, f.y};
  m.f = {r.z, u.z, f.z};
  return m;
}

}  // namespace engine
