// One loaded model in the scene: the parts made from the file's nodes (children of the model's node), the
// textures its materials show now, the animations playing on it, and its posed triangles.
#pragma once

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "core/animation_player.h"
#include "core/geometry.h"
#include "core/model_data.h"
#include "core/skinning.h"

namespace engine {

class SceneRegistry;

class ModelInstance {
 public:
  // Makes the parts under owner and registers with the owner's core, so the engine clock animates it.
  ModelInstance(std::shared_ptr<const ModelData> data, EngineNode& owner);
  ~ModelInstance();
  ModelInstance(const ModelInstance&) = delete;
  ModelInstance& operator=(const ModelInstance&) = delete;

  const ModelData& Data() const { return *data_; }

  // Parts by file node index; the first part of the name, or null.
  EngineNode* Part(int node) const { return parts_[static_cast<size_t>(node)].Get(); }
  EngineRef<EngineNode> FindPart(const std::wstring& name) const;
  // True the first time a missing part of this name is asked for (so it is traced once).
  bool NoteMissingPart(const std::wstring& name) { return missingParts_.insert(name).second; }
  int BoneCount() const { return static_cast<int>(data_->bones.size()); }
  EngineRef<EngineNode> Bone(int index) const;

  // Returns false when the model has no material of that name.
  bool SetTexture(const std::wstring& material, const EngineRef<EngineBitmap>& image);
  // "/" resets every material.
  void ResetTexture(const std::wstring& material);
  const EngineBitmap* Texture(int material) const;

  int FindAnimation(const std::wstring& name) const;
  void Play(int animation, float start, float speed, bool loop, float fadeIn, float weight);
  void Stop(int animation);
  // The engine clock moved on.
  void Advance(float seconds);
  const AnimationPlayer& Player() const { return player_; }

  // The current pose's triangles (posed again only when a part moved).
  ModelGeometry Geometry();
  const std::vector<PosedBatch>& PosedBatches();

  void ForgetRegistry() { registry_ = nullptr; }

 private:
  // Writes the animated parts' placements from the playing tracks.
  void ApplyPose();
  // Each file node's placement in the model's own space now.
  void NodeSpace(std::vector<Affine>& out) const;

  std::shared_ptr<const ModelData> data_;
  std::vector<EngineRef<EngineNode>> parts_;
  std::vector<EngineRef<EngineBitmap>> textures_;
  std::set<std::wstring> missingParts_;
  AnimationPlayer player_;
  std::vector<NodePose> poses_;
  bool posedByTracks_ = false;
  SceneRegistry* registry_ = nullptr;
  // Posing cache: the placements posed last, and those measured now (kept to spare an allocation a call).
  std::vector<Affine> posedSpace_;
  std::vector<Affine> space_;
  std::vector<PosedBatch> batches_;
  uint64_t revision_ = 0;
};

}  // namespace engine
