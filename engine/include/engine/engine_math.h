// Small math types of the engine's own (the game uses its own Vector3 on top of EngineVector).
#pragma once

#include <cmath>
#include <cstdint>

namespace engine {

struct Vec3 {
  float x = 0, y = 0, z = 0;
  Vec3() = default;
  Vec3(float ax, float ay, float az) : x(ax), y(ay), z(az) {}
  Vec3 operator+(const Vec3& o) const { return {x + o.x, y + o.y, z + o.z}; }
  Vec3 operator-(const Vec3& o) const { return {x - o.x, y - o.y, z - o.z}; }
  Vec3 operator*(float s) const { return {x * s, y * s, z * s}; }
  float Dot(const Vec3& o) const { return x * o.x + y * o.y + z * o.z; }
  Vec3 Cross(const Vec3& o) const { return {y * o.z - z * o.y, z * o.x - x * o.z, x * o.y - y * o.x}; }
  float Length() const { return std::sqrt(Dot(*this)); }
  Vec3 Normalized() const {
    float l = Length();
    return l > 0 ? *this * (1.0f / l) : Vec3{};
  }
};

// Rotation as a 3x3 matrix whose rows are the object's right, up and forward axes in its parent's frame.
// Left-handed like the game's world: x right, y up, z forward (into the screen).
struct Mat3 {
  Vec3 r{1, 0, 0}, u{0, 1, 0}, f{0, 0, 1};
  static Mat3 Identity() { return {}; }
  // Rotation about a unit axis by degrees.
  static Mat3 AxisAngle(Vec3 axis, float degrees);
  // Built from a forward direction and an up hint.
  static Mat3 FromDirectionUp(Vec3 dir, Vec3 up);
  Mat3 operator*(const Mat3& o) const;  // this applied after o: (this * o)(v) = this(o(v))
  Vec3 Apply(const Vec3& v) const { return r * v.x + u * v.y + f * v.z; }
  Mat3 Transposed() const;
};

struct Color {
  uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Color& o) const { return r == o.r && g == o.g && b == o.b; }
  bool operator!=(const Color& o) const { return !(*this == o); }
  uint32_t Packed() const { return (uint32_t(r) << 16) | (uint32_t(g) << 8) | b; }
  static Color FromPacked(uint32_t p) { return {uint8_t(p >> 16), uint8_t(p >> 8), uint8_t(p)}; }
};

}  // namespace engine
