// The matrices of the 3D view: where points land on the screen and in the depth range.
#include <gtest/gtest.h>

#include <cmath>

#include "backend/sdl/view_math.h"

namespace engine {
namespace {

// Normalised device coordinates of a world point.
Vec3 Project(const Mat4& viewProjection, const Vec3& p) {
  float w = 0;
  const Vec3 clip = viewProjection.TransformPoint(p, &w);
  return {clip.x / w, clip.y / w, clip.z / w};
}

TEST(ViewMath, TheClipRangeIsTheDepthRangeAndTheFieldOfViewIsVerticalWidenedByTheAspect) {
  const Mat4 p = PerspectiveMatrix(60, 4.0f / 3, 1, 250);
  EXPECT_NEAR(Project(p, {0, 0, 1}).z, -1, 1e-5);
  EXPECT_NEAR(Project(p, {0, 0, 250}).z, 1, 1e-4);
  EXPECT_LT(Project(p, {0, 0, 100}).z, 1);
  const float edge = 10 * std::tan(30 * 3.14159265f / 180);
  EXPECT_NEAR(Project(p, {0, edge, 10}).y, 1, 1e-5);
  EXPECT_NEAR(Project(p, {edge * 4 / 3, 0, 10}).x, 1, 1e-5);
  EXPECT_NEAR(Project(p, {-edge, 0, 10}).x, -0.75f, 1e-5);
}

TEST(ViewMath, ModelMatrixScalesThenTurnsThenMoves) {
  const Mat4 m = ModelMatrix({10, 0, 0}, Mat3::AxisAngle({0, 1, 0}, 90), {2, 1, 1});
  const Vec3 p = m.TransformPoint({1, 0, 0});
  // x scaled to 2, turned a quarter about y (x goes to -z in this left-handed world), moved by 10.
  EXPECT_NEAR(p.x, 10, 1e-5);
  EXPECT_NEAR(p.z, -2, 1e-5);
  EXPECT_GT(m.Determinant3(), 0);
  EXPECT_LT(ModelMatrix({}, Mat3::Identity(), {-1, 1, 1}).Determinant3(), 0);
}

TEST(ViewMath, NormalsStayPerpendicularUnderUnevenScale) {
  const Mat4 m = ModelMatrix({}, Mat3::AxisAngle({0, 0, 1}, 30), {4, 1, 1});
  const std::array<float, 9> n = NormalMatrix(m);
  // A surface along (1, 1, 0) in the object with normal (1, -1, 0).
  const Vec3 tangent = m.TransformDirection({1, 1, 0});
  const Vec3 normal{n[0] * 1 + n[3] * -1, n[1] * 1 + n[4] * -1, n[2] * 1 + n[5] * -1};
  EXPECT_NEAR(tangent.Dot(normal), 0, 1e-4);
  // Mirrored objects keep their normals pointing out.
  const std::array<float, 9> mirrored = NormalMatrix(ModelMatrix({}, Mat3::Identity(), {-1, 1, 1}));
  EXPECT_GT(mirrored[4], 0);
}

}  // namespace
}  // namespace engine
