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

Mat3 Mat3::Scale(Vec3 s) {
  Mat3 m;
  m.r = {s.x, 0, 0};
  m.u = {0, s.y, 0};
  m.f = {0, 0, s.z};
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

Mat3 Mat3::Inverse() const {
  const float det = Determinant();
  if (std::fabs(det) < 1e-20f) return Identity();
  // The rows of the inverse's transpose are the cross products of the columns, over the determinant.
  const float k = 1.0f / det;
  Mat3 cof;
  cof.r = u.Cross(f) * k;
  cof.u = f.Cross(r) * k;
  cof.f = r.Cross(u) * k;
  return cof.Transposed();
}

Mat3 Mat3::Orthonormalized() const {
  Vec3 fwd = f.Normalized();
  Vec3 upHint = u.Length() > 0 ? u : Vec3{0, 1, 0};
  if (fwd.Length() == 0) return Identity();
  Mat3 m = FromDirectionUp(fwd, upHint);
  // A mirrored map keeps its mirror so the handedness of what it carries is not silently changed.
  if (Determinant() < 0) m.r = -m.r;
  return m;
}

Affine Affine::FromTrs(const Vec3& translation, const Mat3& rotation, const Vec3& scale) {
  Affine a;
  a.m.r = rotation.r * scale.x;
  a.m.u = rotation.u * scale.y;
  a.m.f = rotation.f * scale.z;
  a.t = translation;
  return a;
}

bool Affine::operator==(const Affine& o) const {
  const Vec3* a[4] = {&m.r, &m.u, &m.f, &t};
  const Vec3* b[4] = {&o.m.r, &o.m.u, &o.m.f, &o.t};
  for (int i = 0; i < 4; ++i)
    if (a[i]->x != b[i]->x || a[i]->y != b[i]->y || a[i]->z != b[i]->z) return false;
  return true;
}

std::optional<Affine> Affine::Inverse() const {
  if (std::fabs(m.Determinant()) < 1e-20f) return std::nullopt;
  Affine inv;
  inv.m = m.Inverse();
  inv.t = -inv.m.Apply(t);
  return inv;
}

}  // namespace engine
