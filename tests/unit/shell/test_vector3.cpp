// Vector3: conversion from the engine's vectors, arithmetic, length, normalisation and the vector product.
#include <gtest/gtest.h>

#include "engine/engine.h"
#include "shell/vector3.h"

namespace kestrine {
namespace {

void ExpectVector(const Vector3& v, float x, float y, float z) {
  EXPECT_FLOAT_EQ(v.x, x);
  EXPECT_FLOAT_EQ(v.y, y);
  EXPECT_FLOAT_EQ(v.z, z);
}

TEST(Vector3Test, EngineVectorsConvertAndAnEmptyOneIsAFailedEngineCall) {
  const auto engineVector = engine::MakeEngine<engine::EngineVector>(7.0f, 8.0f, -9.0f);
  ExpectVector(Vector3(engineVector), 7.0f, 8.0f, -9.0f);
  Vector3 assigned(1, 1, 1);
  assigned.AssignFromEngine(engineVector);
  ExpectVector(assigned, 7.0f, 8.0f, -9.0f);
  const engine::EngineRef<engine::EngineVector> none;
  EXPECT_THROW(Vector3{none}, engine::EngineError);
}

TEST(Vector3Test, ArithmeticLeavesItsOperandsAlone) {
  const Vector3 a(1, 2, 3), b(4, -5, 6);
  ExpectVector(a * 2.5f, 2.5f, 5.0f, 7.5f);
  ExpectVector(a.Scaled(-2.0f), -2, -4, -6);
  ExpectVector(a + b, 5, -3, 9);
  ExpectVector(a.Difference(b), -3, 7, -3);
  ExpectVector(b - a, 3, -7, 3);
  ExpectVector(a, 1, 2, 3);
  ExpectVector(Vector3(0, 0, 1).VectorProduct(Vector3(0, 1, 0)), -1, 0, 0);
  ExpectVector(Vector3(2, 3, 4).VectorProduct(Vector3(5, 6, 7)), -3, 6, -3);
  ExpectVector(Vector3(2, 3, 4).VectorProduct(Vector3(4, 6, 8)), 0, 0, 0);  // parallel
}

TEST(Vector3Test, LengthAndNormalisation) {
  EXPECT_FLOAT_EQ(Vector3(-2, -3, 6).Length(), 7.0f);
  EXPECT_FLOAT_EQ(Vector3().Length(), 0.0f);

  Vector3 zero;
  EXPECT_EQ(zero.Normalize(), 0.0f);
  ExpectVector(zero, 0, 0, 0);
  Vector3 v(3, 0, 4);
  EXPECT_FLOAT_EQ(v.Normalize(), 5.0f);
  ExpectVector(v, 0.6f, 0.0f, 0.8f);
  Vector3 big(3e5f, -4e5f, 0);
  EXPECT_FLOAT_EQ(big.Normalize(), 5e5f);
  EXPECT_NEAR(big.Length(), 1.0f, 1e-6f);
}

}  // namespace
}  // namespace kestrine
