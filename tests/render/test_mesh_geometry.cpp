// What the renderer relies on in the generated shapes' triangles: every face wound so culling keeps its outer
// side, images reading the right way round, grids where their heights say.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/geometry.h"

namespace engine {
namespace {

const FaceRange* Face(const MeshTriangles& g, const wchar_t* name) {
  for (const auto& f : g.faces)
    if (f.face == name) return &f;
  return nullptr;
}

// The winding the renderer culls by: seen from the side the face is on, front faces turn one way.
bool FacesOutward(const MeshTriangles& g, const FaceRange& f) {
  for (uint32_t i = f.first; i < f.first + f.count; i += 3) {
    const GeometryVertex &a = g.vertices[i], &b = g.vertices[i + 1], &c = g.vertices[i + 2];
    const Vec3 pa{a.px, a.py, a.pz};
    const Vec3 cross = (Vec3{b.px, b.py, b.pz} - pa).Cross(Vec3{c.px, c.py, c.pz} - pa);
    const Vec3 n = Vec3{a.nx + b.nx + c.nx, a.ny + b.ny + c.ny, a.nz + b.nz + c.nz};
    if (cross.Dot(n) >= 0) return false;
  }
  return true;
}

TEST(MeshTrianglesForDrawing, EveryFaceOfEveryKindIsNamedAndWound) {
  const EngineMesh meshes[] = {
      EngineMesh(EngineMesh::Kind::Plane, {4, 2, 0, 0, 0, 1}),   EngineMesh(EngineMesh::Kind::Box, {1, 2, 3, 1}),
      EngineMesh(EngineMesh::Kind::Cylinder, {2, 0.5f, 0, 1}),   EngineMesh(EngineMesh::Kind::Sphere, {1, 0}),
      EngineMesh(EngineMesh::Kind::Grid, {4, 3, 1, 1, 0, 0, 0}),
  };
  for (const EngineMesh& mesh : meshes) {
    const MeshTriangles g = BuildMeshTriangles(mesh);
    EXPECT_EQ(g.faces.size(), mesh.Faces().size());
    for (const auto& f : g.faces) {
      EXPECT_TRUE(mesh.Faces().count(f.face)) << "a face the game can colour";
      EXPECT_GT(f.count, 0u);
      EXPECT_EQ(f.count % 3, 0u);
      EXPECT_TRUE(FacesOutward(g, f));
    }
  }
}

TEST(MeshTrianglesForDrawing, BoxIsCentredWithItsMeasures) {
  const MeshTriangles g = BuildMeshTriangles(EngineMesh(EngineMesh::Kind::Box, {1, 2, 3, 1}));
  float maxX = 0, maxY = 0, maxZ = 0, minZ = 0;
  for (const auto& v : g.vertices) {
    maxX = std::max(maxX, v.px);
    maxY = std::max(maxY, v.py);
    maxZ = std::max(maxZ, v.pz);
    minZ = std::min(minZ, v.pz);
  }
  EXPECT_FLOAT_EQ(maxX, 0.5f);
  EXPECT_FLOAT_EQ(maxY, 1.0f);
  EXPECT_FLOAT_EQ(maxZ, 1.5f);
  EXPECT_FLOAT_EQ(minZ, -1.5f);
  const FaceRange* front = Face(g, L"front");
  ASSERT_NE(front, nullptr);
  for (uint32_t i = front->first; i < front->first + front->count; ++i) EXPECT_FLOAT_EQ(g.vertices[i].pz, 1.5f);
}

// Seen from in front (from +z), the viewer's left is +x: the image's left edge must be there.
TEST(MeshTrianglesForDrawing, PlaneImagesReadTheRightWayFromEachSide) {
  const MeshTriangles g = BuildMeshTriangles(EngineMesh(EngineMesh::Kind::Plane, {4, 2, 0, 0, 0, 1}));
  for (const wchar_t* name : {L"front", L"back"}) {
    const FaceRange* f = Face(g, name);
    ASSERT_NE(f, nullptr);
    for (uint32_t i = f->first; i < f->first + f->count; ++i) {
      const GeometryVertex& v = g.vertices[i];
      const bool leftEdge = std::wstring(name) == L"front" ? v.px > 0 : v.px < 0;
      EXPECT_FLOAT_EQ(v.u, leftEdge ? 0.0f : 1.0f);
      EXPECT_FLOAT_EQ(v.v, v.py > 0 ? 0.0f : 1.0f);  // the image's top row at the top
    }
  }
}

TEST(MeshTrianglesForDrawing, GridFollowsItsHeightsAndStartsAtItsCorner) {
  EngineMesh grid(EngineMesh::Kind::Grid, {3, 2, 2, 5, -1, 4, 0});
  grid.SetVertexHeight(2, 1, 7, 0);
  const MeshTriangles g = BuildMeshTriangles(grid);
  const FaceRange* top = Face(g, L"front");
  ASSERT_NE(top, nullptr);
  EXPECT_EQ(top->count, 2u * 1u * 2u * 3u);  // 2 x 1 cells, two triangles each
  bool sawRaised = false, sawCorner = false;
  for (uint32_t i = top->first; i < top->first + top->count; ++i) {
    const GeometryVertex& v = g.vertices[i];
    if (v.px == 3 && v.pz == -1) {  // column 2 (x = -1 + 2 x 2), row 1 (z = 4 - 5)
      EXPECT_FLOAT_EQ(v.py, 7);
      sawRaised = true;
    } else {
      EXPECT_FLOAT_EQ(v.py, 0);
    }
    if (v.px == -1 && v.pz == 4) {
      EXPECT_FLOAT_EQ(v.u, 0);
      EXPECT_FLOAT_EQ(v.v, 0);
      sawCorner = true;
    }
    EXPECT_GT(v.ny, 0) << "the upper side looks up";
  }
  EXPECT_TRUE(sawRaised);
  EXPECT_TRUE(sawCorner);
}

TEST(MeshTrianglesForDrawing, RoundShapesTakeDefaultSegmentsWhenAskedForNone) {
  const MeshTriangles zero = BuildMeshTriangles(EngineMesh(EngineMesh::Kind::Cylinder, {2, 1, 0, 1}));
  const MeshTriangles eight = BuildMeshTriangles(EngineMesh(EngineMesh::Kind::Cylinder, {2, 1, 8, 1}));
  EXPECT_EQ(zero.vertices.size(), static_cast<size_t>(kDefaultSegments) * 4 * 3);
  EXPECT_EQ(eight.vertices.size(), 8u * 4 * 3);
  for (const auto& v : eight.vertices) EXPECT_LE(std::hypot(v.px, v.pz), 1.0001f);
}

TEST(MeshTrianglesForDrawing, DegenerateGridMakesNothing) {
  EXPECT_TRUE(BuildMeshTriangles(EngineMesh(EngineMesh::Kind::Grid, {1, 5, 1, 1, 0, 0, 0})).vertices.empty());
}

}  // namespace
}  // namespace engine
