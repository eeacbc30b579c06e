// Scene nodes, meshes, sprites, the camera's screen layers and the stage. Models, collision and
// picking build on these in their own files.
#include <algorithm>

#include "engine/engine_event.h"
#include "engine/engine_scene.h"
#include "core/engine_core.h"

namespace engine {

// ---------------- meshes ----------------

EngineMesh::EngineMesh(Kind kind, std::vector<float> params) : kind_(kind), params_(std::move(params)) {
  switch (kind_) {
    case Kind::Box:
      for (const wchar_t* f : {L"front", L"back", L"left", L"right", L"top", L"bottom"}) faces_[f] = Face{};
      break;
    case Kind::Plane:
    case Kind::Grid:
      faces_[L"front"] = Face{};
      faces_[L"back"] = Face{};
      break;
    case Kind::Cylinder:
    case Kind::Sphere:
      faces_[L"front"] = Face{};
      break;
  }
  if (kind_ == Kind::Grid) heights_.assign(static_cast<size_t>(GridColumns()) * GridRows(), 0.0f);
}

EngineMesh::Face* EngineMesh::FindFace(const std::wstring& name) {
  auto it = faces_.find(name);
  return it == faces_.end() ? nullptr : &it->second;
}

EngineMesh::Face& EngineMesh::FaceOrThrow(const std::wstring& name, const char* op) {
  Face* f = FindFace(name);
  if (!f) throw EngineError(kStatusInvalidArgument, "EngineMesh", std::string(op) + " of unknown face " + ToUtf8(name));
  return *f;
}

void EngineMesh::SetFaceColor(const std::wstring& face, int r, int g, int b) {
  FaceOrThrow(face, "SetFaceColor").color = EngineBitmap::MakeColor(r, g, b);
}

void EngineMesh::SetFaceBitmap(const std::wstring& face, const EngineRef<EngineBitmap>& image, int mode) {
  Face& f = FaceOrThrow(face, "SetFaceBitmap");
  f.image = image;
  f.imageMode = mode;
}

void EngineMesh::SetFaceOpacity(const std::wstring& face, int opacity) {
  FaceOrThrow(face, "SetFaceOpacity").opacity = std::clamp(opacity, 0, 255);
}

int EngineMesh::GridColumns() const {
  return kind_ == Kind::Grid && !params_.empty() ? std::max(1, static_cast<int>(params_[0])) : 0;
}

int EngineMesh::GridRows() const {
  return kind_ == Kind::Grid && params_.size() > 1 ? std::max(1, static_cast<int>(params_[1])) : 0;
}

void EngineMesh::SetVertexHeight(int column, int row, float height, int /*flags*/) {
  if (kind_ != Kind::Grid) throw EngineError(kStatusInvalidArgument, "EngineMesh", "SetVertexHeight on a non-grid");
  if (column < 0 || row < 0 || column >= GridColumns() || row >= GridRows())
    throw EngineError(kStatusInvalidArgument, "EngineMesh", "SetVertexHeight outside the grid");
  heights_[static_cast<size_t>(row) * GridColumns() + column] = height;
}

float EngineMesh::VertexHeight(int column, int row) const {
  if (column < 0 || row < 0 || column >= GridColumns() || row >= GridRows()) return 0.0f;
  return heights_[static_cast<size_t>(row) * GridColumns() + column];
}

void EngineMesh::Resize(float a, float b, float c, float d) {
  // A reused plane takes its new size; the other shapes keep their kind and take the new measures.
  std::vector<float> p = {a, b, c, d};
  for (size_t i = 0; i < p.size() && i < params_.size(); ++i) params_[i] = p[i];
}

// ---------------- nodes ----------------

void EngineNode::MoveTo(const EngineRef<EngineVector>& v) { position_ = v->Value(); }

void EngineNode::MoveBy(float dx, float dy, float dz) { position_ = position_ + rotation_.Apply({dx, dy, dz}); }

Mat3 EngineNode::WorldRotation() const { return parent_ ? parent_->WorldRotation() * rotation_ : rotation_; }

Vec3 EngineNode::WorldPosition() const {
  if (!parent_) return position_;
  Vec3 s = parent_->Scale();
  Vec3 scaled{position_.x * s.x, position_.y * s.y, position_.z * s.z};
  return parent_->WorldPosition() + parent_->WorldRotation().Apply(scaled);
}

EngineRef<EngineVector> EngineNode::GetPosition() const {
  Vec3 p = WorldPosition();
  return MakeEngine<EngineVector>(p.x, p.y, p.z);
}

void EngineNode::SetRotation(float ax, float ay, float az, float degrees) {
  rotation_ = Mat3::AxisAngle({ax, ay, az}, degrees);
}

void EngineNode::Rotate(float ax, float ay, float az, float degrees, int relative) {
  Mat3 turn = Mat3::AxisAngle({ax, ay, az}, degrees);
  rotation_ = relative ? rotation_ * turn : turn * rotation_;
}

void EngineNode::SetOrientation(float dx, float dy, float dz, float ux, float uy, float uz) {
  rotation_ = Mat3::FromDirectionUp({dx, dy, dz}, {ux, uy, uz});
}

void EngineNode::PointAt(const EngineRef<EngineNode>& target, int mode) {
  pointAtMode_ = mode;
  if (mode == 4) {
    // Kept facing the target (the camera) at every frame by the renderer and the picker.
    pointAtTarget_ = target;
    return;
  }
  pointAtTarget_.Reset();
  Vec3 to = target->WorldPosition() - WorldPosition();
  if (to.Length() > 0) rotation_ = Mat3::FromDirectionUp(to, {0, 1, 0});
}

EngineRef<EngineVector> EngineNode::GetDirection() const {
  Vec3 f = WorldRotation().f;
  return MakeEngine<EngineVector>(f.x, f.y, f.z);
}

EngineRef<EngineVector> EngineNode::GetUp() const {
  Vec3 u = WorldRotation().u;
  return MakeEngine<EngineVector>(u.x, u.y, u.z);
}

void EngineNode::AttachShape(const EngineRef<EngineMesh>& mesh) {
  if (!mesh) throw EngineError(kStatusInvalidArgument, "EngineObject", "AttachShape of an empty mesh");
  if (std::find(shapes_.begin(), shapes_.end(), mesh) == shapes_.end()) shapes_.push_back(mesh);
}

void EngineNode::AddChild(const EngineRef<EngineNode>& child) {
  if (!child || child.Get() == this) throw EngineError(kStatusInvalidArgument, "EngineActor", "AddChild");
  for (EngineNode* p = parent_; p; p = p->parent_)
    if (p == child.Get()) throw EngineError(kStatusInvalidArgument, "EngineActor", "AddChild would make a cycle");
  if (child->parent_ == this) return;
  if (child->parent_) child->parent_->RemoveChild(child);
  child->parent_ = this;
  children_.push_back(child);
}

void EngineNode::RemoveChild(const EngineRef<EngineNode>& child) {
  auto it = std::find(children_.begin(), children_.end(), child);
  if (it == children_.end()) return;
  (*it)->parent_ = nullptr;
  children_.erase(it);
}

void EngineNode::SetBoundingBox(float x0, float x1, float y0, float y1, float z0, float z1, int /*flags*/) {
  boxMin_ = {std::min(x0, x1), std::min(y0, y1), std::min(z0, z1)};
  boxMax_ = {std::max(x0, x1), std::max(y0, y1), std::max(z0, z1)};
  hasBox_ = true;
}

// ---------------- sprites, camera, stage ----------------

EngineRef<EngineSprite> EngineSprite::CreateSprite(const EngineRef<EngineBitmap>& image, int layer) {
  if (!image) throw EngineError(kStatusInvalidArgument, "EngineSprite", "CreateSprite of an empty image");
  auto s = MakeEngine<EngineSprite>(image, layer);
  children_.push_back(s);
  return s;
}

EngineRef<EngineSprite> EngineCamera::CreateSprite(const EngineRef<EngineBitmap>& image, int layer) {
  if (!image) throw EngineError(kStatusInvalidArgument, "EngineCamera", "CreateSprite of an empty image");
  auto s = MakeEngine<EngineSprite>(image, layer);
  // Kept in layer order (0 back .. 255 front); equal layers keep their creation order.
  auto pos = std::upper_bound(sprites_.begin(), sprites_.end(), layer,
                              [](int l, const EngineRef<EngineSprite>& e) { return l < e->Layer(); });
  sprites_.insert(pos, s);
  return s;
}

EngineStage::EngineStage(EngineCore* core) : camera_(MakeEngine<EngineCamera>(core)) {}

void EngineStage::AddObject(const EngineRef<EngineNode>& object) {
  if (!object) throw EngineError(kStatusInvalidArgument, "EngineStage", "AddObject of an empty object");
  if (!Contains(object.Get())) objects_.push_back(object);
}

void EngineStage::RemoveObject(const EngineRef<EngineNode>& object) {
  if (!object) return;
  objects_.erase(std::remove(objects_.begin(), objects_.end(), object), objects_.end());
}

bool EngineStage::Contains(const EngineNode* node) const {
  return std::any_of(objects_.begin(), objects_.end(), [node](const auto& o) { return o.Get() == node; });
}

// ---------------- input ----------------

int EngineInput::IsInputPressed() const { return core_ && core_->Backend().AnyInputHeld() ? 0 : 1; }
int EngineInput::GetMouseX() const { return core_ ? core_->Backend().MouseX() : 0; }
int EngineInput::GetMouseY() const { return core_ ? core_->Backend().MouseY() : 0; }

}  // namespace engine
