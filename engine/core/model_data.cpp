#include "core/model_data.h"

#include <algorithm>
#include <set>

namespace engine {

namespace {

void Grow(ModelData& data, const Vec3& p) {
  if (!data.hasBounds) {
    data.boundsMin = data.boundsMax = p;
    data.hasBounds = true;
    return;
  }
  for (int i = 0; i < 3; ++i) {
    data.boundsMin[i] = std::min(data.boundsMin[i], p[i]);
    data.boundsMax[i] = std::max(data.boundsMax[i], p[i]);
  }
}

// Where a vertex sits at rest: bent by its joints, or carried by its node.
Vec3 RestPosition(const ModelData& data, const std::vector<Affine>& rest, const ModelNodeData& node,
                  const ModelPrimitive& prim, size_t v) {
  const Vec3& p = prim.positions[v];
  if (node.skin < 0 || prim.weights.empty()) return rest[static_cast<size_t>(&node - data.nodes.data())].Point(p);
  const ModelSkinData& skin = data.skins[static_cast<size_t>(node.skin)];
  Vec3 sum;
  float total = 0;
  for (int k = 0; k < 4; ++k) {
    const float w = prim.weights[v][k];
    const size_t j = prim.joints[v][k];
    if (w <= 0 || j >= skin.joints.size()) continue;
    sum += (rest[static_cast<size_t>(skin.joints[j])] * skin.inverseBinds[j]).Point(p) * w;
    total += w;
  }
  return total > 0 ? sum * (1.0f / total) : p;
}

}  // namespace

std::vector<Affine> RestModelSpace(const ModelData& data) {
  std::vector<Affine> out(data.nodes.size());
  for (size_t i = 0; i < data.nodes.size(); ++i) {
    const ModelNodeData& n = data.nodes[i];
    const Affine local = Affine::FromTrs(n.translation, n.rotation.ToMat3(), n.scale);
    out[i] = n.parent >= 0 ? out[static_cast<size_t>(n.parent)] * local : local;
  }
  return out;
}

void FinishModelData(ModelData& data) {
  data.bones.clear();
  std::set<int> seen;
  for (const ModelSkinData& skin : data.skins)
    for (int j : skin.joints)
      if (seen.insert(j).second) data.bones.push_back(j);

  std::set<int> animated;
  for (ModelAnimationData& anim : data.animations) {
    std::set<int> nodes;
    anim.length = 0;
    for (const AnimationChannelData& ch : anim.channels) {
      nodes.insert(ch.node);
      if (!ch.times.empty()) anim.length = std::max(anim.length, ch.times.back());
    }
    anim.nodes.assign(nodes.begin(), nodes.end());
    animated.insert(nodes.begin(), nodes.end());
  }
  data.animated.assign(animated.begin(), animated.end());

  data.hasBounds = false;
  const std::vector<Affine> rest = RestModelSpace(data);
  for (const ModelNodeData& node : data.nodes) {
    if (node.mesh < 0) continue;
    for (const ModelPrimitive& prim : data.meshes[static_cast<size_t>(node.mesh)].primitives)
      for (size_t v = 0; v < prim.positions.size(); ++v) Grow(data, RestPosition(data, rest, node, prim, v));
  }
}

std::shared_ptr<const ModelData> MakePlaceholderModel(const std::string& source) {
  auto data = std::make_shared<ModelData>();
  data->source = source;
  data->placeholder = true;
  ModelMaterialData material;
  material.name = L"placeholder";
  material.color = {255, 0, 255};
  data->materials.push_back(material);

  // A box of one unit, centred on the model's origin, each face with its own corners so it lights flat.
  ModelPrimitive box;
  box.material = 0;
  const Vec3 normals[6] = {{0, 0, 1}, {0, 0, -1}, {1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}};
  for (const Vec3& n : normals) {
    const Vec3 up = std::fabs(n.y) > 0.5f ? Vec3{0, 0, 1} : Vec3{0, 1, 0};
    const Vec3 right = up.Cross(-n);
    const Vec3 centre = n * 0.5f;
    const uint32_t first = static_cast<uint32_t>(box.positions.size());
    const Vec3 corners[4] = {centre - right * 0.5f - up * 0.5f, centre + right * 0.5f - up * 0.5f,
                             centre + right * 0.5f + up * 0.5f, centre - right * 0.5f + up * 0.5f};
    const float uv[8] = {0, 1, 1, 1, 1, 0, 0, 0};
    for (int k = 0; k < 4; ++k) {
      box.positions.push_back(corners[k]);
      box.normals.push_back(n);
      box.uvs.push_back(uv[k * 2]);
      box.uvs.push_back(uv[k * 2 + 1]);
    }
    // Wound so the triangles face outwards the way the engine's own shapes do.
    for (uint32_t i : {0u, 1u, 2u, 0u, 2u, 3u}) box.indices.push_back(first + i);
  }
  ModelMeshData mesh;
  mesh.primitives.push_back(std::move(box));
  data->meshes.push_back(std::move(mesh));
  ModelNodeData node;
  node.mesh = 0;
  data->nodes.push_back(node);
  FinishModelData(*data);
  return data;
}

}  // namespace engine
