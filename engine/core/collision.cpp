// Collision tests: a node's box (or its position alone) swept along a straight path against the collidable
// objects whose group the test's mask selects. Boxes are tested in the obstacle's own axes with the mover's
// extent added; the ground answers from its height field under the mover's lowest point.
#include <algorithm>
#include <cmath>

#include "core/engine_core.h"
#include "core/geometry.h"
#include "core/height_field.h"
#include "core/model_instance.h"
#include "core/ray_tests.h"
#include "engine/engine_scene.h"

namespace engine {

namespace {

constexpr int kMaxDepth = 64;
// How far short of the contact a stopped mover is left, so a test from there starts outside.
constexpr float kStandOff = 1e-3f;

struct Bounds {
  Vec3 lo, hi;
  bool any = false;
  void Add(const Vec3& p) {
    if (!any) {
      lo = hi = p;
      any = true;
      return;
    }
    for (int a = 0; a < 3; ++a) {
      lo[a] = std::min(lo[a], p[a]);
      hi[a] = std::max(hi[a], p[a]);
    }
  }
  void AddBox(const Affine& place, const Vec3& boxLo, const Vec3& boxHi) {
    for (int k = 0; k < 8; ++k)
      Add(place.Point({k & 1 ? boxHi.x : boxLo.x, k & 2 ? boxHi.y : boxLo.y, k & 4 ? boxHi.z : boxLo.z}));
  }
};

// What a node shows, in its own frame: its shapes, its model at rest, and its children's (a model's parts
// carry nothing of their own, so a model is not walked into), but for children turned to face another object.
void GatherBounds(const EngineNode& node, const Affine& place, Bounds& out, int depth) {
  if (depth > kMaxDepth) return;
  for (const auto& mesh : node.Shapes()) {
    const MeshTriangles& tri = MeshTrianglesOf(*mesh);
    if (!tri.vertices.empty())
      out.AddBox(place * Affine::FromTrs({}, Mat3::Identity(), mesh->Scale()), tri.boundsMin, tri.boundsMax);
  }
  if (const ModelInstance* model = node.Model()) {
    if (model->Data().hasBounds) out.AddBox(place, model->Data().boundsMin, model->Data().boundsMax);
    return;
  }
  // A child that keeps turning to face another object (a sprite turned to the camera) has no fixed place in
  // its parent: counting it would make the obstacle's box follow the camera, and what blocks a path or a shot
  // would change with the view.
  for (const auto& child : node.Children())
    if (!child->KeepsFacingTarget()) GatherBounds(*child, place * child->LocalTransform(), out, depth + 1);
}

// An obstacle's box: centre, unit axes and half sizes, in the world.
struct OrientedBox {
  Vec3 centre;
  Vec3 axis[3];
  Vec3 half;
};

bool ObstacleBox(const EngineNode& node, const Affine& world, OrientedBox& box) {
  Vec3 lo, hi;
  Affine frame;
  if (node.HasBoundingBox()) {
    // Collision boxes are in world units along the object's axes: its scale does not stretch them.
    frame = Affine::FromTrs(world.t, world.m.Orthonormalized(), {1, 1, 1});
    lo = node.BoxMin();
    hi = node.BoxMax();
  } else {
    Bounds b;
    GatherBounds(node, Affine::Identity(), b, 0);
    if (!b.any) return false;
    frame = world;
    lo = b.lo;
    hi = b.hi;
  }
  box.centre = frame.Point((lo + hi) * 0.5f);
  const Vec3 lengths = frame.AxisLengths();
  const Vec3 axes[3] = {frame.m.r, frame.m.u, frame.m.f};
  for (int a = 0; a < 3; ++a) {
    if (!(lengths[a] > 1e-12f)) return false;  // flattened to nothing
    box.axis[a] = axes[a] * (1.0f / lengths[a]);
    box.half[a] = (hi[a] - lo[a]) * 0.5f * lengths[a];
  }
  return true;
}

bool IsRelative(const EngineNode& a, const EngineNode& b) {
  for (const EngineNode* p = &a; p; p = p->Parent())
    if (p == &b) return true;
  for (const EngineNode* p = &b; p; p = p->Parent())
    if (p == &a) return true;
  return false;
}

struct Contact {
  float t = 2;
  Vec3 normal;
  EngineNode* node = nullptr;
};

// The mover's centre path from `from` along d, with the mover's world half extents, against a box.
void AgainstBox(EngineNode& node, const OrientedBox& box, const Vec3& from, const Vec3& d, const Vec3& extent,
                Contact& best) {
  Vec3 origin, dir, grown;
  const Vec3 rel = from - box.centre;
  for (int a = 0; a < 3; ++a) {
    const Vec3& ax = box.axis[a];
    origin[a] = rel.Dot(ax);
    dir[a] = d.Dot(ax);
    grown[a] = box.half[a] + std::fabs(ax.x) * extent.x + std::fabs(ax.y) * extent.y + std::fabs(ax.z) * extent.z;
  }
  SlabHit hit;
  if (!PathThroughBox(origin, dir, -grown, grown, 0.0f, 1.0f, hit)) return;
  // Already inside at the start: let it move out rather than hold it for ever.
  if (hit.axis < 0 || hit.tEnter < 0 || hit.tEnter >= best.t) return;
  best.t = hit.tEnter;
  best.normal = box.axis[hit.axis] * hit.side;
  best.node = &node;
}

// The mover's lowest point along its path against the height field of a grid shape.
void AgainstGround(EngineNode& node, const EngineMesh& mesh, const Affine& world, const Vec3& from, const Vec3& d,
                   Contact& best) {
  const Affine place = world * Affine::FromTrs({}, Mat3::Identity(), mesh.Scale());
  const auto inverse = place.Inverse();
  if (!inverse) return;
  const HeightField field(mesh);
  float t;
  Vec3 normal;
  if (!field.Intersect(inverse->Point(from), inverse->Point(from + d), t, normal) || t >= best.t) return;
  // Only a path coming down onto the ground (or along it) is stopped; one from below passes.
  const Vec3 n = inverse->m.Transposed().Apply(normal).Normalized();
  if (n.Dot(d) > 0) return;
  best.t = t;
  best.normal = n;
  best.node = &node;
}

}  // namespace

EngineRef<EngineHit> EngineNode::TestCollision(const EngineRef<EngineVector>& to, int a, int mask, int mode, int b,
                                               int c) {
  if (!to) throw EngineError(kStatusInvalidArgument, "EngineObject", "TestCollision to an empty vector");
  const Vec3 p = to->Value();
  return TestCollision(p.x, p.y, p.z, a, mask, mode, b, c);
}

EngineRef<EngineHit> EngineNode::TestCollision(float x, float y, float z, int /*a*/, int mask, int mode, int /*b*/,
                                               int /*c*/) {
  if (!core_ || mask == 0) return nullptr;
  const Affine world = WorldTransform();
  const Vec3 from = world.t;
  const Vec3 d = Vec3{x, y, z} - from;
  if (!std::isfinite(d.x + d.y + d.z) || d.Length() == 0) return nullptr;

  // The mover: its box's centre and world half extents, or a point.
  Vec3 centreOffset, extent;
  if (mode != 2 && hasBox_) {
    const Mat3 axes = world.m.Orthonormalized();
    centreOffset = axes.Apply((boxMin_ + boxMax_) * 0.5f);
    const Vec3 half = (boxMax_ - boxMin_) * 0.5f;
    const Vec3 cols[3] = {axes.r, axes.u, axes.f};
    for (int k = 0; k < 3; ++k)
      extent[k] = std::fabs(cols[0][k]) * half.x + std::fabs(cols[1][k]) * half.y + std::fabs(cols[2][k]) * half.z;
  }
  const Vec3 centre = from + centreOffset;
  const Vec3 lowest = centre - Vec3{0, extent.y, 0};

  Contact best;
  for (EngineNode* other : core_->Scene().Collidables()) {
    const bool ground = other->OptionValue() == kOptionGround;
    const int groups = other->CollisionGroup() | (ground ? kGroundCollisionGroup : 0);
    if (!(groups & mask) || IsRelative(*this, *other)) continue;
    const Affine otherWorld = other->WorldTransform();
    bool hasGrid = false;
    for (const auto& mesh : other->Shapes())
      if (mesh->GetKind() == EngineMesh::Kind::Grid) {
        hasGrid = true;
        AgainstGround(*other, *mesh, otherWorld, lowest, d, best);
      }
    if (hasGrid) continue;
    OrientedBox box;
    if (ObstacleBox(*other, otherWorld, box)) AgainstBox(*other, box, centre, d, extent, best);
  }
  if (!best.node) return nullptr;
  const float length = d.Length();
  const float k = std::max(0.0f, best.t - kStandOff / length);
  return MakeEngine<EngineHit>(EngineRef<EngineEntity>(best.node), from + d * k, best.normal);
}

}  // namespace engine
