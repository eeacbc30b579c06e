// Scene nodes: placement, world transforms through parents, children and shapes, options and collision
// membership. Models, collision tests and picking build on these in their own files.
#include <algorithm>

#include "core/engine_core.h"
#include "core/model_instance.h"
#include "engine/engine_scene.h"

namespace engine {

namespace {

// Deeper than any scene the game builds; a guard against walking a runaway chain.
constexpr int kMaxDepth = 256;

}  // namespace

EngineNode::EngineNode(EngineCore* core) : core_(core) {}

EngineNode::~EngineNode() {
  // Children the game still holds must not point back at a node that is gone.
  for (auto& child : children_) child->parent_ = nullptr;
  if (collisionRegistered_ && core_) core_->Scene().RemoveCollidable(this);
  model_.reset();
}

void EngineNode::MoveTo(const EngineRef<EngineVector>& v) { Change(position_, v->Value()); }

void EngineNode::MoveBy(float dx, float dy, float dz) {
  // The node's own axes as it faces now: a node kept facing the camera moves towards or away from it.
  const Mat3 axes = KeepsFacingTarget() ? LocalTransform().m.Orthonormalized() : rotation_;
  Change(position_, position_ + axes.Apply({dx, dy, dz}));
}

Affine EngineNode::LocalTransform() const {
  const Affine own = Affine::FromTrs(position_, rotation_, scale_);
  if (!KeepsFacingTarget()) return own;
  // A target hanging under this node, or two nodes kept facing each other, would chase their own tails;
  // such a node keeps its own rotation.
  for (const EngineNode* p = pointAtTarget_.Get(); p; p = p->parent_)
    if (p == this) return own;
  static thread_local int facingDepth = 0;
  if (facingDepth > 8) return own;
  struct DepthGuard {
    int& depth;
    explicit DepthGuard(int& d) : depth(d) { ++depth; }
    ~DepthGuard() { --depth; }
  } guard(facingDepth);
  // Kept facing: the world forward axis points at the target, world up stays up, and the scale the parents
  // give is kept (so a bone turned to the camera does not shrink the skin it carries).
  const Affine parentWorld = parent_ ? parent_->WorldTransform() : Affine::Identity();
  const Vec3 worldPosition = parentWorld.Point(position_);
  const Vec3 toTarget = pointAtTarget_->WorldPosition() - worldPosition;
  if (toTarget.Length() <= 0) return own;
  const Vec3 inherited = parentWorld.AxisLengths();
  const Affine world =
      Affine::FromTrs(worldPosition, Mat3::FromDirectionUp(toTarget, {0, 1, 0}), scale_.Times(inherited));
  const auto inverse = parentWorld.Inverse();
  return inverse ? *inverse * world : own;
}

Affine EngineNode::WorldTransform() const {
  // Walk up once, then compose from the top down.
  const EngineNode* chain[kMaxDepth];
  int n = 0;
  for (const EngineNode* p = this; p && n < kMaxDepth; p = p->parent_) chain[n++] = p;
  Affine world;
  for (int i = n - 1; i >= 0; --i) {
    const EngineNode& node = *chain[i];
    if (node.KeepsFacingTarget()) {
      world = world * node.LocalTransform();
    } else {
      world = world * Affine::FromTrs(node.position_, node.rotation_, node.scale_);
    }
  }
  return world;
}

Mat3 EngineNode::WorldRotation() const { return WorldTransform().m.Orthonormalized(); }

Vec3 EngineNode::WorldPosition() const { return WorldTransform().t; }

EngineRef<EngineVector> EngineNode::GetPosition() const {
  const Vec3 p = WorldPosition();
  return MakeEngine<EngineVector>(p.x, p.y, p.z);
}

void EngineNode::EndFacing() {
  if (pointAtTarget_) NoteSceneChange();
  pointAtTarget_.Reset();
  pointAtMode_ = 0;
}

void EngineNode::SetRotation(float ax, float ay, float az, float degrees) {
  EndFacing();
  Change(rotation_, Mat3::AxisAngle({ax, ay, az}, degrees));
}

void EngineNode::Rotate(float ax, float ay, float az, float degrees, int relative) {
  const Mat3 turn = Mat3::AxisAngle({ax, ay, az}, degrees);
  Change(rotation_, relative ? rotation_ * turn : turn * rotation_);
}

void EngineNode::SetOrientation(float dx, float dy, float dz, float ux, float uy, float uz) {
  EndFacing();
  Change(rotation_, Mat3::FromDirectionUp({dx, dy, dz}, {ux, uy, uz}));
}

void EngineNode::ResetOrientation() {
  EndFacing();
  Change(rotation_, Mat3::Identity());
}

void EngineNode::PointAt(const EngineRef<EngineNode>& target, int mode) {
  if (!target) throw EngineError(kStatusInvalidArgument, "EngineObject", "PointAt an empty target");
  if (mode == 3 || mode == 4) {
    if (target.Get() == this) throw EngineError(kStatusInvalidArgument, "EngineObject", "PointAt itself");
    pointAtMode_ = mode;
    Change(pointAtTarget_, target);
    return;
  }
  EndFacing();
  pointAtMode_ = mode;
  const Affine parentWorld = parent_ ? parent_->WorldTransform() : Affine::Identity();
  const Vec3 toTarget = target->WorldPosition() - parentWorld.Point(position_);
  if (toTarget.Length() <= 0) return;
  // The world facing, expressed in the parent's frame.
  const Mat3 parentAxes = parentWorld.m.Orthonormalized();
  Change(rotation_, parentAxes.Transposed() * Mat3::FromDirectionUp(toTarget, {0, 1, 0}));
}

EngineRef<EngineVector> EngineNode::GetDirection() const {
  const Vec3 f = WorldRotation().f;
  return MakeEngine<EngineVector>(f.x, f.y, f.z);
}

EngineRef<EngineVector> EngineNode::GetUp() const {
  const Vec3 u = WorldRotation().u;
  return MakeEngine<EngineVector>(u.x, u.y, u.z);
}

void EngineNode::AttachShape(const EngineRef<EngineMesh>& mesh) {
  if (!mesh) throw EngineError(kStatusInvalidArgument, "EngineObject", "AttachShape of an empty mesh");
  if (std::find(shapes_.begin(), shapes_.end(), mesh) != shapes_.end()) return;
  shapes_.push_back(mesh);
  NoteSceneChange();
}

void EngineNode::AddChild(const EngineRef<EngineNode>& child) {
  if (!child || child.Get() == this) throw EngineError(kStatusInvalidArgument, "EngineActor", "AddChild");
  for (EngineNode* p = parent_; p; p = p->parent_)
    if (p == child.Get()) throw EngineError(kStatusInvalidArgument, "EngineActor", "AddChild would make a cycle");
  if (child->parent_ == this) return;
  if (child->parent_) child->parent_->RemoveChild(child);
  child->parent_ = this;
  children_.push_back(child);
  NoteSceneChange();
}

void EngineNode::RemoveChild(const EngineRef<EngineNode>& child) {
  auto it = std::find(children_.begin(), children_.end(), child);
  if (it == children_.end()) return;
  (*it)->parent_ = nullptr;
  children_.erase(it);
  NoteSceneChange();
}

void EngineNode::SetOptionValue(int value) {
  optionValue_ = value;
  if (value == kOptionGround) flags_ |= kFlagGround;
  UpdateCollisionRegistration();
}

void EngineNode::SetBoundingBox(float x0, float x1, float y0, float y1, float z0, float z1, int /*flags*/) {
  boxMin_ = {std::min(x0, x1), std::min(y0, y1), std::min(z0, z1)};
  boxMax_ = {std::max(x0, x1), std::max(y0, y1), std::max(z0, z1)};
  hasBox_ = true;
}

void EngineNode::SetCollisionMask(int group, int mask) {
  collisionGroup_ = group;
  collisionMask_ = mask;
  UpdateCollisionRegistration();
}

void EngineNode::UpdateCollisionRegistration() {
  const bool wanted = collisionGroup_ != 0 || optionValue_ == kOptionGround;
  if (wanted == collisionRegistered_ || !core_) return;
  if (wanted) {
    core_->Scene().AddCollidable(this);
  } else {
    core_->Scene().RemoveCollidable(this);
  }
  collisionRegistered_ = wanted;
}

void EngineNode::AttachModel(std::unique_ptr<ModelInstance> model) { model_ = std::move(model); }

}  // namespace engine
