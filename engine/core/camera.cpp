// The camera's view of its stage: screen points of world points, rays through screen points, and picks.
#include <cmath>

#include "core/shape_hits.h"
#include "engine/engine_scene.h"

namespace engine {

namespace {

constexpr int kMaxDepth = 256;

struct CameraFrame {
  Vec3 position;
  Mat3 axes;
  float tanHalf = 0, aspect = 1;
};

CameraFrame FrameOf(const EngineCamera& camera) {
  const Affine world = camera.WorldTransform();
  const Viewport& vp = camera.GetViewport();
  CameraFrame f;
  f.position = world.t;
  f.axes = world.m.Orthonormalized();
  f.tanHalf = std::tan(EngineCamera::kFieldOfViewDegrees * 3.14159265358979f / 360.0f);
  f.aspect = vp.width > 0 && vp.height > 0 ? static_cast<float>(vp.width) / static_cast<float>(vp.height) : 1.0f;
  return f;
}

struct PickState {
  Vec3 origin, dir;
  float nearPlane, farPlane;
  RayHit best;
  EngineNode* hitNode = nullptr;
};

void PickWalk(EngineNode& node, const Affine& parentWorld, PickState& s, int depth) {
  if (depth > kMaxDepth || !node.Visible()) return;
  const Affine world = node.KeepsFacingTarget() ? node.WorldTransform() : parentWorld * node.LocalTransform();
  if (node.Pickable()) {
    RayHit hit = s.best;
    if (RayHitsNode(node, world, s.origin, s.dir, s.farPlane, hit, s.hitNode != nullptr) && hit.t >= s.nearPlane) {
      s.best = hit;
      s.hitNode = &node;
    }
  }
  for (const auto& child : node.Children()) PickWalk(*child, world, s, depth + 1);
}

}  // namespace

PickRay EngineCamera::RayThrough(float sx, float sy) const {
  const CameraFrame f = FrameOf(*this);
  const Viewport& vp = viewport_;
  const float ndcX = vp.width > 0 ? (sx - vp.x) / vp.width * 2 - 1 : 0;
  const float ndcY = vp.height > 0 ? 1 - (sy - vp.y) / vp.height * 2 : 0;
  // Forward part 1, so the distance along the ray is the camera depth.
  const Vec3 cameraDir{ndcX * f.aspect * f.tanHalf, ndcY * f.tanHalf, 1};
  return {f.position, f.axes.Apply(cameraDir)};
}

EngineRef<EngineVector> EngineCamera::WorldToScreen(float x, float y, float z) {
  const CameraFrame f = FrameOf(*this);
  const Vec3 rel = Vec3{x, y, z} - f.position;
  const float cx = rel.Dot(f.axes.r), cy = rel.Dot(f.axes.u), depth = rel.Dot(f.axes.f);
  // A point on the camera's own plane has no screen point; keep the arithmetic finite.
  const float d = std::fabs(depth) < 1e-6f ? (depth < 0 ? -1e-6f : 1e-6f) : depth;
  const float ndcX = cx / (d * f.aspect * f.tanHalf), ndcY = cy / (d * f.tanHalf);
  const float sx = viewport_.x + (ndcX + 1) / 2 * viewport_.width;
  const float sy = viewport_.y + (1 - ndcY) / 2 * viewport_.height;
  return MakeEngine<EngineVector>(sx, sy, depth);
}

EngineRef<EngineVector> EngineCamera::ScreenToWorld(int sx, int sy, float depth) {
  const PickRay ray = RayThrough(static_cast<float>(sx), static_cast<float>(sy));
  const Vec3 p = ray.origin + ray.direction * depth;
  return MakeEngine<EngineVector>(p.x, p.y, p.z);
}

EngineRef<EngineHit> EngineCamera::Pick(int sx, int sy) {
  if (!stage_ || viewport_.width <= 0 || viewport_.height <= 0) return nullptr;
  const PickRay ray = RayThrough(static_cast<float>(sx), static_cast<float>(sy));
  PickState s{ray.origin, ray.direction, near_, far_, {}, nullptr};
  // Objects hanging under another object of the stage are reached through it, once.
  for (const auto& object : stage_->Objects()) {
    if (stage_->HeldByAnotherObject(*object)) continue;
    const EngineNode* parent = object->Parent();
    PickWalk(*object, parent ? parent->WorldTransform() : Affine::Identity(), s, 0);
  }
  if (!s.hitNode) return nullptr;
  const Vec3 point = ray.origin + ray.direction * s.best.t;
  return MakeEngine<EngineHit>(EngineRef<EngineEntity>(s.hitNode), point, s.best.normal);
}

}  // namespace engine
