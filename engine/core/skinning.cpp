#include "core/skinning.h"

#include <algorithm>

namespace engine {

namespace {

struct JointMatrix {
  Affine place;
  Mat3 normal;  // the inverse transpose of place's linear part, so normals survive uneven scales
};

JointMatrix MakeJoint(const Affine& place) { return {place, place.m.Inverse().Transposed()}; }

void ExpandBatch(const ModelPrimitive& prim, const std::vector<Vec3>& positions, const std::vector<Vec3>& normals,
                 PosedBatch& batch) {
  batch.material = prim.material;
  batch.vertices.resize(prim.indices.size());
  const bool hasUv = prim.uvs.size() >= positions.size() * 2;
  for (size_t i = 0; i < prim.indices.size(); ++i) {
    const uint32_t k = prim.indices[i];
    const Vec3& p = positions[k];
    const Vec3& n = normals[k];
    batch.vertices[i] = {
        p.x, p.y, p.z, n.x, n.y, n.z, hasUv ? prim.uvs[k * 2] : 0.0f, hasUv ? prim.uvs[k * 2 + 1] : 0.0f};
  }
  for (size_t i = 0; i < positions.size(); ++i)
    for (int a = 0; a < 3; ++a) {
      batch.boundsMin[a] = i == 0 ? positions[i][a] : std::min(batch.boundsMin[a], positions[i][a]);
      batch.boundsMax[a] = i == 0 ? positions[i][a] : std::max(batch.boundsMax[a], positions[i][a]);
    }
}

}  // namespace

void PoseTriangles(const ModelData& data, const std::vector<Affine>& nodeSpace, std::vector<PosedBatch>& out) {
  size_t count = 0;
  for (const ModelNodeData& node : data.nodes)
    if (node.mesh >= 0) count += data.meshes[static_cast<size_t>(node.mesh)].primitives.size();
  out.resize(count);

  std::vector<JointMatrix> joints;
  std::vector<Vec3> positions, normals;
  size_t next = 0;
  for (size_t n = 0; n < data.nodes.size(); ++n) {
    const ModelNodeData& node = data.nodes[n];
    if (node.mesh < 0) continue;
    const bool skinned = node.skin >= 0;
    joints.clear();
    if (skinned) {
      const ModelSkinData& skin = data.skins[static_cast<size_t>(node.skin)];
      for (size_t j = 0; j < skin.joints.size(); ++j)
        joints.push_back(MakeJoint(nodeSpace[static_cast<size_t>(skin.joints[j])] * skin.inverseBinds[j]));
    }
    const JointMatrix rigid = MakeJoint(nodeSpace[n]);
    for (const ModelPrimitive& prim : data.meshes[static_cast<size_t>(node.mesh)].primitives) {
      const size_t vcount = prim.positions.size();
      positions.resize(vcount);
      normals.resize(vcount);
      const bool bends = skinned && prim.weights.size() == vcount && prim.joints.size() == vcount;
      for (size_t v = 0; v < vcount; ++v) {
        const Vec3& p = prim.positions[v];
        const Vec3& nm = prim.normals[v];
        if (!bends) {
          positions[v] = rigid.place.Point(p);
          normals[v] = rigid.normal.Apply(nm).Normalized();
          continue;
        }
        Vec3 sp, sn;
        float total = 0;
        for (int k = 0; k < 4; ++k) {
          const float w = prim.weights[v][k];
          const size_t j = prim.joints[v][k];
          if (w <= 0 || j >= joints.size()) continue;
          sp += joints[j].place.Point(p) * w;
          sn += joints[j].normal.Apply(nm) * w;
          total += w;
        }
        positions[v] = total > 0 ? sp * (1.0f / total) : rigid.place.Point(p);
        normals[v] = (total > 0 ? sn : rigid.normal.Apply(nm)).Normalized();
      }
      ExpandBatch(prim, positions, normals, out[next++]);
    }
  }
}

}  // namespace engine
