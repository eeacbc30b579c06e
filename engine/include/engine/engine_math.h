// Small math types of the engine's own (the game uses its own Vector3 on top of EngineVector).
#pragma once

#include <cmath>
#include <cstdint>
#include <optional>

namespace engine {

struct Vec3 {
  float x = 0, y = 0, z = 0;
  Vec3() = default;
  Vec3(float ax, float ay, float az) : x(ax), y(ay), z(az) {}
  Vec3 operator+(const Vec3& o) const { return {x + o.x, y + o.y, z + o.z}; }
  Vec3 operator-(const Vec3& o) const { return {x - o.x, y - o.y, z - o.z}; }
  Vec3 operator-() const { return {-x, -y, -z}; }
  Vec3 operator*(float s) const { return {x * s, y * s, z * s}; }
  Vec3& operator+=(const Vec3& o) { return *this = *this + o; }
  bool operator==(const Vec3& o) const { return x == o.x && y == o.y && z == o.z; }
  // Component by component.
  Vec3 Times(const Vec3& o) const { return {x * o.x, y * o.y, z * o.z}; }
  float Dot(const Vec3& o) const { return x * o.x + y * o.y + z * o.z; }
  Vec3 Cross(const Vec3& o) const { return {y * o.z - z * o.y, z * o.x - x * o.z, x * o.y - y * o.x}; }
  float Length() const { return std::sqrt(Dot(*this)); }
  Vec3 Normalized() const {
    float l = Length();
    return l > 0 ? *this * (1.0f / l) : Vec3{};
  }
  float operator[](int i) const { return i == 0 ? x : i == 1 ? y : z; }
  float& operator[](int i) { return i == 0 ? x : i == 1 ? y : z; }
};

// A 3x3 linear map whose rows r, u, f are the images of the x, y and z axes: for a rotation, the object's
// right, up and forward axes in its parent's frame. Left-handed like the game's world: x right, y up,
// z forward (into the screen). Positive angles turn x towards -z about y (clockwise seen from above).
struct Mat3 {
  Vec3 r{1, 0, 0}, u{0, 1, 0}, f{0, 0, 1};
  static Mat3 Identity() { return {}; }
  // Rotation about an axis (any length; a zero axis gives no rotation) by degrees.
  static Mat3 AxisAngle(Vec3 axis, float degrees);
  // Built from a forward direction and an up hint.
  static Mat3 FromDirectionUp(Vec3 dir, Vec3 up);
  static Mat3 Scale(Vec3 s);
  Mat3 operator*(const Mat3& o) const;  // this applied after o: (this * o)(v) = this(o(v))
  Vec3 Apply(const Vec3& v) const { return r * v.x + u * v.y + f * v.z; }
  bool operator==(const Mat3& o) const { return r == o.r && u == o.u && f == o.f; }
  Mat3 Transposed() const;
  float Determinant() const { return r.Dot(u.Cross(f)); }
  // The inverse map; identity when the map is singular (a zero scale), so callers never divide by zero.
  Mat3 Inverse() const;
  // The axes made unit length and square to each other (the rotation left when scale is taken out).
  Mat3 Orthonormalized() const;
};

// A placement in space: a linear map (rotation with scale) and a move. World transforms of scene nodes,
// model parts and skinning joints are all of this kind.
struct Affine {
  Mat3 m;  // rows are the images of the x, y and z axes (scaled)
  Vec3 t;

  static Affine Identity() { return {}; }
  // Scale first, then rotate, then move: how a node sits in its parent.
  static Affine FromTrs(const Vec3& translation, const Mat3& rotation, const Vec3& scale);

  Vec3 Point(const Vec3& p) const { return m.Apply(p) + t; }
  Vec3 Direction(const Vec3& d) const { return m.Apply(d); }
  // This applied after o.
  Affine operator*(const Affine& o) const { return {m * o.m, m.Apply(o.t) + t}; }
  bool operator==(const Affine& o) const;
  // Nothing when the map is singular (an object scaled to zero has no inverse).
  std::optional<Affine> Inverse() const;
  // The length of each axis: the scale this placement carries.
  Vec3 AxisLengths() const { return {m.r.Length(), m.u.Length(), m.f.Length()}; }
};

struct Color {
  uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Color& o) const { return r == o.r && g == o.g && b == o.b; }
  bool operator!=(const Color& o) const { return !(*this == o); }
  uint32_t Packed() const { return (uint32_t(r) << 16) | (uint32_t(g) << 8) | b; }
  static Color FromPacked(uint32_t p) { return {uint8_t(p >> 16), uint8_t(p >> 8), uint8_t(p)}; }
};

}  // namespace engine
