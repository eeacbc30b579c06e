#include "core/shape_hits.h"

#include "core/geometry.h"
#include "core/height_field.h"
#include "core/model_instance.h"
#include "core/ray_tests.h"

namespace engine {

namespace {

// The ray in a frame given by its world placement: same t, local origin and direction.
struct LocalRay {
  Vec3 origin, dir;
  Mat3 normalToWorld;  // inverse transpose of the placement's linear part
};

bool ToLocal(const Affine& place, const Vec3& origin, const Vec3& dir, LocalRay& out) {
  const auto inverse = place.Inverse();
  if (!inverse) return false;  // scaled to nothing: nothing to hit
  out.origin = inverse->Point(origin);
  out.dir = inverse->Direction(dir);
  out.normalToWorld = inverse->m.Transposed();
  return true;
}

bool Closer(float t, float maxT, const RayHit& best, bool found) {
  return t >= 0 && t <= maxT && (!found || t < best.t);
}

void Record(RayHit& best, float t, const Vec3& localNormal, const LocalRay& ray, const Vec3& worldDir) {
  Vec3 n = ray.normalToWorld.Apply(localNormal).Normalized();
  if (n.Dot(worldDir) > 0) n = -n;
  best.t = t;
  best.normal = n;
}

bool HitTriangles(const std::vector<GeometryVertex>& vertices, const Vec3& lo, const Vec3& hi, const LocalRay& ray,
                  const Vec3& worldDir, float maxT, RayHit& best, bool found) {
  SlabHit span;
  if (vertices.empty() || !PathThroughBox(ray.origin, ray.dir, lo, hi, 0.0f, found ? best.t : maxT, span)) return false;
  bool hit = false;
  for (size_t i = 0; i + 2 < vertices.size(); i += 3) {
    const Vec3 a = PositionOf(vertices[i]), b = PositionOf(vertices[i + 1]), c = PositionOf(vertices[i + 2]);
    float t;
    if (!PathThroughTriangle(ray.origin, ray.dir, a, b, c, t) || !Closer(t, maxT, best, found || hit)) continue;
    Record(best, t, (b - a).Cross(c - a), ray, worldDir);
    hit = true;
  }
  return hit;
}

bool HitGrid(const EngineMesh& mesh, const LocalRay& ray, const Vec3& worldDir, float maxT, RayHit& best, bool found) {
  const HeightField field(mesh);
  if (!field.Valid()) return false;
  const float reach = found ? best.t : maxT;
  float k;
  Vec3 normal;
  if (!field.Intersect(ray.origin, ray.origin + ray.dir * reach, k, normal)) return false;
  const float t = k * reach;
  if (!Closer(t, maxT, best, found)) return false;
  Record(best, t, normal, ray, worldDir);
  return true;
}

}  // namespace

bool RayHitsNode(EngineNode& node, const Affine& world, const Vec3& origin, const Vec3& dir, float maxT, RayHit& best,
                 bool found) {
  bool hit = false;
  for (const auto& meshRef : node.Shapes()) {
    const EngineMesh& mesh = *meshRef;
    LocalRay ray;
    if (!ToLocal(world * Affine::FromTrs({}, Mat3::Identity(), mesh.Scale()), origin, dir, ray)) continue;
    if (mesh.GetKind() == EngineMesh::Kind::Grid) {
      hit |= HitGrid(mesh, ray, dir, maxT, best, found || hit);
    } else {
      const MeshTriangles& tri = MeshTrianglesOf(mesh);
      hit |= HitTriangles(tri.vertices, tri.boundsMin, tri.boundsMax, ray, dir, maxT, best, found || hit);
    }
  }
  if (ModelInstance* model = node.Model()) {
    LocalRay ray;
    if (ToLocal(world, origin, dir, ray))
      for (const PosedBatch& batch : model->PosedBatches())
        hit |= HitTriangles(batch.vertices, batch.boundsMin, batch.boundsMax, ray, dir, maxT, best, found || hit);
  }
  return hit;
}

}  // namespace engine
