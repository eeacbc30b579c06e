#include "core/model_instance.h"

#include "core/engine_core.h"
#include "core/scene_registry.h"

namespace engine {

ModelInstance::ModelInstance(std::shared_ptr<const ModelData> data, EngineNode& owner) : data_(std::move(data)) {
  parts_.reserve(data_->nodes.size());
  for (const ModelNodeData& n : data_->nodes) {
    auto part = MakeEngine<EngineNode>(owner.Core());
    part->SetName(n.name);
    part->SetLocalTransform(n.translation, n.rotation.ToMat3(), n.scale);
    EngineNode& parent = n.parent >= 0 ? *parts_[static_cast<size_t>(n.parent)] : owner;
    parent.AddChild(part);
    parts_.push_back(part);
  }
  for (const ModelMaterialData& m : data_->materials) textures_.push_back(m.texture);
  poses_.resize(data_->nodes.size());
  if (owner.Core() && !data_->animations.empty()) {
    registry_ = &owner.Core()->Scene();
    registry_->AddModel(this);
  }
}

ModelInstance::~ModelInstance() {
  if (registry_) registry_->RemoveModel(this);
}

EngineRef<EngineNode> ModelInstance::FindPart(const std::wstring& name) const {
  for (size_t i = 0; i < data_->nodes.size(); ++i)
    if (data_->nodes[i].name == name) return parts_[i];
  return nullptr;
}

EngineRef<EngineNode> ModelInstance::Bone(int index) const {
  if (index < 0 || index >= BoneCount()) return nullptr;
  return parts_[static_cast<size_t>(data_->bones[static_cast<size_t>(index)])];
}

bool ModelInstance::SetTexture(const std::wstring& material, const EngineRef<EngineBitmap>& image) {
  bool found = false;
  for (size_t i = 0; i < data_->materials.size(); ++i)
    if (data_->materials[i].name == material) {
      if (textures_[i] != image) NoteSceneChange();
      textures_[i] = image;
      found = true;
    }
  return found;
}

void ModelInstance::ResetTexture(const std::wstring& material) {
  for (size_t i = 0; i < data_->materials.size(); ++i)
    if ((material == L"/" || data_->materials[i].name == material) && textures_[i] != data_->materials[i].texture) {
      textures_[i] = data_->materials[i].texture;
      NoteSceneChange();
    }
}

const EngineBitmap* ModelInstance::Texture(int material) const {
  if (material < 0 || material >= static_cast<int>(textures_.size())) return nullptr;
  return textures_[static_cast<size_t>(material)].Get();
}

int ModelInstance::FindAnimation(const std::wstring& name) const {
  for (size_t i = 0; i < data_->animations.size(); ++i)
    if (data_->animations[i].name == name) return static_cast<int>(i);
  return -1;
}

void ModelInstance::Play(int animation, float start, float speed, bool loop, float fadeIn, float weight) {
  player_.Play(*data_, animation, start, speed, loop, fadeIn, weight);
  ApplyPose();
}

void ModelInstance::Stop(int animation) {
  player_.Stop(animation);
  ApplyPose();
}

void ModelInstance::Advance(float seconds) {
  if (player_.Empty()) return;
  player_.Advance(*data_, seconds);
  ApplyPose();
}

void ModelInstance::ApplyPose() {
  // With nothing playing the parts keep whatever they were last given (rest, or where the game put them).
  if (player_.Empty() && !posedByTracks_) return;
  player_.Evaluate(*data_, poses_);
  for (int n : data_->animated) {
    const NodePose& p = poses_[static_cast<size_t>(n)];
    parts_[static_cast<size_t>(n)]->SetLocalTransform(p.translation, p.rotation.ToMat3(), p.scale);
  }
  posedByTracks_ = !player_.Empty();
}

void ModelInstance::NodeSpace(std::vector<Affine>& out) const {
  out.resize(data_->nodes.size());
  for (size_t i = 0; i < data_->nodes.size(); ++i) {
    const Affine local = parts_[i]->LocalTransform();
    const int parent = data_->nodes[i].parent;
    out[i] = parent >= 0 ? out[static_cast<size_t>(parent)] * local : local;
  }
}

// Every model drawn or picked asks for this, every frame: the pose is measured into a kept buffer and the
// triangles posed again only when a part moved.
const std::vector<PosedBatch>& ModelInstance::PosedBatches() {
  NodeSpace(space_);
  if (revision_ == 0 || space_ != posedSpace_) {
    PoseTriangles(*data_, space_, batches_);
    posedSpace_.swap(space_);
    ++revision_;
  }
  return batches_;
}

ModelGeometry ModelInstance::Geometry() {
  static const std::wstring kNoName;
  ModelGeometry g;
  const std::vector<PosedBatch>& batches = PosedBatches();
  g.revision = revision_;
  g.batches.reserve(batches.size());
  for (const PosedBatch& b : batches) {
    ModelBatch out;
    out.vertices = &b.vertices;
    out.boundsMin = b.boundsMin;
    out.boundsMax = b.boundsMax;
    if (b.material >= 0 && b.material < static_cast<int>(data_->materials.size())) {
      const ModelMaterialData& m = data_->materials[static_cast<size_t>(b.material)];
      out.material = &m.name;
      out.color = m.color;
      out.opacity = m.opacity;
      out.texture = Texture(b.material);
    } else {
      out.material = &kNoName;
    }
    g.batches.push_back(out);
  }
  return g;
}

ModelGeometry ModelGeometryOf(EngineNode& node) {
  ModelInstance* model = node.Model();
  return model ? model->Geometry() : ModelGeometry{};
}

}  // namespace engine
