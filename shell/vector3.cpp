#include "shell/vector3.h"

#include <cmath>

namespace kestrine {

Vector3::Vector3(const engine::EngineRef<engine::EngineVector>& v) { AssignFromEngine(v); }

void Vector3::AssignFromEngine(const engine::EngineRef<engine::EngineVector>& v) {
  x = v->GetX();
  y = v->GetY();
  z = v->GetZ();
}

void Vector3::Set(float ax, float ay, float az) {
  x = ax;
  y = ay;
  z = az;
}

Vector3 Vector3::operator*(float s) const { return Vector3(s * x, s * y, s * z); }

Vector3 Vector3::Scaled(float s) const { return *this * s; }

Vector3 Vector3::operator+(Vector3 o) const { return Vector3(x + o.x, y + o.y, z + o.z); }

Vector3 Vector3::operator-(Vector3 o) const { return Vector3(x - o.x, y - o.y, z - o.z); }

Vector3 Vector3::Difference(const Vector3& o) const { return Vector3(x - o.x, y - o.y, z - o.z); }

float Vector3::Length() const { return std::sqrt(x * x + y * y + z * z); }

float Vector3::Normalize() {
  // The length is taken in double so that long battlefield vectors keep their last digits.
  const float length = static_cast<float>(
      std::sqrt(static_cast<double>(x) * x + static_cast<double>(y) * y + static_cast<double>(z) * z));
  if (length == 0.0f) {
    Set(0.0f, 0.0f, 0.0f);
    return 0.0f;
  }
  x /= length;
  y /= length;
  z /= length;
  return length;
}

Vector3 Vector3::VectorProduct(Vector3 o) const {
  return Vector3(y * o.z - z * o.y, z * o.x - x * o.z, x * o.y - y * o.x);
}

}  // namespace kestrine
