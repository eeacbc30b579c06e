#include <algorithm>
#include <cmath>

#include "core/geometry.h"

namespace engine {

namespace {

constexpr float kPi = 3.14159265358979f;

GeometryVertex MakeVertex(const Vec3& p, const Vec3& n, float u, float v) {
  return {p.x, p.y, p.z, n.x, n.y, n.z, u, v};
}

// Collects the triangles of one named face, each put in the order that shows it from its outer side.
class FaceCollector {
 public:
  FaceCollector(MeshTriangles& out, const wchar_t* face) : out_(out) {
    range_.face = face;
    range_.first = static_cast<uint32_t>(out_.vertices.size());
  }
  ~FaceCollector() {
    range_.count = static_cast<uint32_t>(out_.vertices.size()) - range_.first;
    if (range_.count > 0) out_.faces.push_back(range_);
  }
  FaceCollector(const FaceCollector&) = delete;
  FaceCollector& operator=(const FaceCollector&) = delete;

  void Triangle(const GeometryVertex& a, const GeometryVertex& b, const GeometryVertex& c, const Vec3& outward) {
    const Vec3 pa = PositionOf(a);
    const Vec3 cross = (PositionOf(b) - pa).Cross(PositionOf(c) - pa);
    if (cross.Length() == 0) return;  // a sliver at a sphere's pole shows nothing
    const bool keep = cross.Dot(outward) < 0;
    out_.vertices.push_back(a);
    out_.vertices.push_back(keep ? b : c);
    out_.vertices.push_back(keep ? c : b);
  }

  // A flat rectangle seen from outside; up is the image's top.
  void Quad(const Vec3& centre, const Vec3& outward, const Vec3& up, float halfRight, float halfUp) {
    const Vec3 r = up.Cross(-outward) * halfRight, u = up * halfUp;
    const GeometryVertex bl = MakeVertex(centre - r - u, outward, 0, 1), br = MakeVertex(centre + r - u, outward, 1, 1);
    const GeometryVertex tr = MakeVertex(centre + r + u, outward, 1, 0), tl = MakeVertex(centre - r + u, outward, 0, 0);
    Triangle(bl, br, tr, outward);
    Triangle(bl, tr, tl, outward);
  }

 private:
  MeshTriangles& out_;
  FaceRange range_;
};

int Segments(float asked) {
  const int n = std::isfinite(asked) ? static_cast<int>(std::clamp(asked, -1.0f, 1024.0f)) : 0;
  return n >= 3 ? std::min(n, 256) : kDefaultSegments;
}

void BuildPlane(const EngineMesh& mesh, MeshTriangles& out) {
  const float hw = MeshParam(mesh, 0) / 2, hh = MeshParam(mesh, 1) / 2;
  const Vec3 centre{MeshParam(mesh, 3), MeshParam(mesh, 4), 0};
  FaceCollector(out, L"front").Quad(centre, {0, 0, 1}, {0, 1, 0}, hw, hh);
  FaceCollector(out, L"back").Quad(centre, {0, 0, -1}, {0, 1, 0}, hw, hh);
}

void BuildBox(const EngineMesh& mesh, MeshTriangles& out) {
  const float hw = MeshParam(mesh, 0) / 2, hh = MeshParam(mesh, 1) / 2, hd = MeshParam(mesh, 2) / 2;
  FaceCollector(out, L"front").Quad({0, 0, hd}, {0, 0, 1}, {0, 1, 0}, hw, hh);
  FaceCollector(out, L"back").Quad({0, 0, -hd}, {0, 0, -1}, {0, 1, 0}, hw, hh);
  FaceCollector(out, L"right").Quad({hw, 0, 0}, {1, 0, 0}, {0, 1, 0}, hd, hh);
  FaceCollector(out, L"left").Quad({-hw, 0, 0}, {-1, 0, 0}, {0, 1, 0}, hd, hh);
  FaceCollector(out, L"top").Quad({0, hh, 0}, {0, 1, 0}, {0, 0, 1}, hw, hd);
  FaceCollector(out, L"bottom").Quad({0, -hh, 0}, {0, -1, 0}, {0, 0, 1}, hw, hd);
}

// Standing on its y axis, centred; side and caps are its one face.
void BuildCylinder(const EngineMesh& mesh, MeshTriangles& out) {
  const float hl = MeshParam(mesh, 0) / 2, radius = MeshParam(mesh, 1);
  const int n = Segments(MeshParam(mesh, 2));
  FaceCollector face(out, L"front");
  for (int i = 0; i < n; ++i) {
    const float a0 = 2 * kPi * i / n, a1 = 2 * kPi * (i + 1) / n;
    const Vec3 n0{std::cos(a0), 0, std::sin(a0)}, n1{std::cos(a1), 0, std::sin(a1)};
    const float u0 = static_cast<float>(i) / n, u1 = static_cast<float>(i + 1) / n;
    const GeometryVertex b0 = MakeVertex(n0 * radius + Vec3{0, -hl, 0}, n0, u0, 1);
    const GeometryVertex b1 = MakeVertex(n1 * radius + Vec3{0, -hl, 0}, n1, u1, 1);
    const GeometryVertex t0 = MakeVertex(n0 * radius + Vec3{0, hl, 0}, n0, u0, 0);
    const GeometryVertex t1 = MakeVertex(n1 * radius + Vec3{0, hl, 0}, n1, u1, 0);
    const Vec3 mid = (n0 + n1).Normalized();
    face.Triangle(b0, b1, t1, mid);
    face.Triangle(b0, t1, t0, mid);
    for (float sign : {1.0f, -1.0f}) {
      const Vec3 up{0, sign, 0};
      const auto rim = [&](const Vec3& dir) {
        return MakeVertex(dir * radius + Vec3{0, sign * hl, 0}, up, 0.5f + dir.x / 2, 0.5f - dir.z / 2);
      };
      face.Triangle(MakeVertex({0, sign * hl, 0}, up, 0.5f, 0.5f), rim(n0), rim(n1), up);
    }
  }
}

void BuildSphere(const EngineMesh& mesh, MeshTriangles& out) {
  const float radius = MeshParam(mesh, 0);
  const int slices = Segments(MeshParam(mesh, 1));
  const int stacks = std::max(2, slices / 2);
  FaceCollector face(out, L"front");
  const auto at = [&](int stack, int slice) {
    const float polar = kPi * stack / stacks, around = 2 * kPi * slice / slices;
    const Vec3 n{std::sin(polar) * std::cos(around), std::cos(polar), std::sin(polar) * std::sin(around)};
    return MakeVertex(n * radius, n, static_cast<float>(slice) / slices, static_cast<float>(stack) / stacks);
  };
  for (int st = 0; st < stacks; ++st)
    for (int sl = 0; sl < slices; ++sl) {
      const GeometryVertex a = at(st, sl), b = at(st, sl + 1), c = at(st + 1, sl + 1), d = at(st + 1, sl);
      const Vec3 outward = (Vec3{a.nx, a.ny, a.nz} + Vec3{c.nx, c.ny, c.nz}).Normalized();
      face.Triangle(a, b, c, outward);
      face.Triangle(a, c, d, outward);
    }
}

// Cell (c, r) is cut along its diagonal from vertex (c, r) to vertex (c + 1, r + 1); picks and collisions
// use the same two triangles (core/height_field.h).
void BuildGrid(const EngineMesh& mesh, MeshTriangles& out) {
  const int cols = mesh.GridColumns(), rows = mesh.GridRows();
  if (cols < 2 || rows < 2) return;
  const float cw = MeshParam(mesh, 2), cd = MeshParam(mesh, 3), x0 = MeshParam(mesh, 4), z0 = MeshParam(mesh, 5);
  const float sx = std::max(std::fabs(cw), 1e-6f), sz = std::max(std::fabs(cd), 1e-6f);
  const auto height = [&](int c, int r) {
    return mesh.VertexHeight(std::clamp(c, 0, cols - 1), std::clamp(r, 0, rows - 1));
  };
  std::vector<GeometryVertex> top(static_cast<size_t>(cols) * rows);
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < cols; ++c) {
      const float dhdx = (height(c + 1, r) - height(c - 1, r)) / (2 * sx);
      const float dhdz = (height(c, r - 1) - height(c, r + 1)) / (2 * sz);
      const Vec3 n = Vec3{-dhdx, 1, -dhdz}.Normalized();
      top[static_cast<size_t>(r) * cols + c] =
          MakeVertex({x0 + c * cw, height(c, r), z0 - r * cd}, n, static_cast<float>(c) / (cols - 1),
                     static_cast<float>(r) / (rows - 1));
    }
  const auto vertex = [&](int c, int r, bool upper) {
    GeometryVertex v = top[static_cast<size_t>(r) * cols + c];
    if (!upper) v.nx = -v.nx, v.ny = -v.ny, v.nz = -v.nz;
    return v;
  };
  for (const bool upper : {true, false}) {
    FaceCollector face(out, upper ? L"front" : L"back");
    const Vec3 side{0, upper ? 1.0f : -1.0f, 0};
    for (int r = 0; r + 1 < rows; ++r)
      for (int c = 0; c + 1 < cols; ++c) {
        face.Triangle(vertex(c, r, upper), vertex(c + 1, r, upper), vertex(c + 1, r + 1, upper), side);
        face.Triangle(vertex(c, r, upper), vertex(c + 1, r + 1, upper), vertex(c, r + 1, upper), side);
      }
  }
}

}  // namespace

MeshTriangles BuildMeshTriangles(const EngineMesh& mesh) {
  MeshTriangles out;
  switch (mesh.GetKind()) {
    case EngineMesh::Kind::Plane:
      BuildPlane(mesh, out);
      break;
    case EngineMesh::Kind::Box:
      BuildBox(mesh, out);
      break;
    case EngineMesh::Kind::Cylinder:
      BuildCylinder(mesh, out);
      break;
    case EngineMesh::Kind::Sphere:
      BuildSphere(mesh, out);
      break;
    case EngineMesh::Kind::Grid:
      BuildGrid(mesh, out);
      break;
  }
  for (size_t i = 0; i < out.vertices.size(); ++i) {
    const Vec3 p = PositionOf(out.vertices[i]);
    for (int k = 0; k < 3; ++k) {
      out.boundsMin[k] = i == 0 ? p[k] : std::min(out.boundsMin[k], p[k]);
      out.boundsMax[k] = i == 0 ? p[k] : std::max(out.boundsMax[k], p[k]);
    }
  }
  return out;
}

const MeshTriangles& MeshTrianglesOf(const EngineMesh& mesh) {
  auto& cache = mesh.TriangleCache();
  if (!cache || mesh.TriangleCacheRevision() != mesh.Revision()) {
    cache = std::make_shared<const MeshTriangles>(BuildMeshTriangles(mesh));
    mesh.TriangleCacheRevision() = mesh.Revision();
  }
  return *cache;
}

}  // namespace engine
