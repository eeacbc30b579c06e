// The game's own three-float vector, used by the battlefield and the patient view. A value: copied,
// passed and returned by value; all arithmetic in floats.
#pragma once

#include "engine/engine.h"

namespace kestrine {

class Vector3 {
 public:
  float x = 0.0f;
  float y = 0.0f;
  float z = 0.0f;

  Vector3() = default;
  Vector3(float ax, float ay, float az) : x(ax), y(ay), z(az) {}
  Vector3(const Vector3& o) = default;
  explicit Vector3(const engine::EngineRef<engine::EngineVector>& v);
  virtual ~Vector3() = default;

  Vector3& operator=(const Vector3& o) = default;
  void AssignFromEngine(const engine::EngineRef<engine::EngineVector>& v);
  void Set(float ax, float ay, float az);

  Vector3 operator*(float s) const;
  // The same scaling under the name the battlefield code reads better with.
  Vector3 Scaled(float s) const;
  Vector3 operator+(Vector3 o) const;
  // this - o.
  Vector3 operator-(Vector3 o) const;
  // this - o, without copying o.
  Vector3 Difference(const Vector3& o) const;

  float Length() const;
  // Makes the vector one long and returns its former length; the zero vector stays zero and returns 0.
  float Normalize();
  // this x o.
  Vector3 VectorProduct(Vector3 o) const;
};

}  // namespace kestrine
