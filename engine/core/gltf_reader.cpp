#include "core/gltf_reader.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>

#include "core/engine_core.h"
#include "core/gltf_accessor.h"
#include "core/image_loader.h"

namespace engine {

namespace {

// Bigger than any model the game shows; a file claiming more is refused rather than allocated.
constexpr size_t kMaxNodes = 4096;
constexpr size_t kMaxFileBytes = size_t{1} << 28;

bool Finite(const Vec3& v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); }

// The file's pictures are decoded by the engine itself (by content), once each.
bool KeepImageBytes(tinygltf::Image*, const int, std::string*, std::string*, int, int, const unsigned char*, int,
                    void*) {
  return true;
}

class Reader {
 public:
  explicit Reader(const tinygltf::Model& gltf) : g_(gltf) {}

  bool Read(ModelData& out, std::string& error) {
    if (g_.nodes.size() > kMaxNodes) return Fail(error, "too many nodes");
    if (!OrderNodes(out, error)) return false;
    for (size_t i = 0; i < g_.materials.size(); ++i) out.materials.push_back(ReadMaterial(i));
    for (const tinygltf::Mesh& mesh : g_.meshes) out.meshes.push_back(ReadMesh(mesh, out.materials.size()));
    for (const tinygltf::Skin& skin : g_.skins) out.skins.push_back(ReadSkin(skin));
    for (ModelNodeData& node : out.nodes) {
      if (node.mesh >= static_cast<int>(out.meshes.size())) node.mesh = -1;
      if (node.skin >= static_cast<int>(out.skins.size())) node.skin = -1;
    }
    for (const tinygltf::Animation& anim : g_.animations) out.animations.push_back(ReadAnimation(anim));
    return true;
  }

 private:
  static bool Fail(std::string& error, const std::string& why) {
    error = why;
    return false;
  }

  // Parents before children: a walk down from the top nodes. A node claimed by two parents keeps the first;
  // a node in a loop of parents becomes a top node, which breaks the loop.
  bool OrderNodes(ModelData& out, std::string& error) {
    const size_t n = g_.nodes.size();
    std::vector<int> parent(n, -1);
    for (size_t i = 0; i < n; ++i)
      for (int c : g_.nodes[i].children) {
        if (c < 0 || static_cast<size_t>(c) >= n || static_cast<size_t>(c) == i) continue;
        if (parent[static_cast<size_t>(c)] < 0) parent[static_cast<size_t>(c)] = static_cast<int>(i);
      }
    remap_.assign(n, -1);
    std::vector<int> order;
    order.reserve(n);
    std::vector<int> stack;
    const auto walk = [&](int top) {
      stack.assign(1, top);
      while (!stack.empty()) {
        const int i = stack.back();
        stack.pop_back();
        if (remap_[static_cast<size_t>(i)] >= 0) continue;
        remap_[static_cast<size_t>(i)] = static_cast<int>(order.size());
        order.push_back(i);
        const std::vector<int>& kids = g_.nodes[static_cast<size_t>(i)].children;
        for (auto it = kids.rbegin(); it != kids.rend(); ++it)
          if (*it >= 0 && static_cast<size_t>(*it) < n && parent[static_cast<size_t>(*it)] == i &&
              remap_[static_cast<size_t>(*it)] < 0)
            stack.push_back(*it);
      }
    };
    for (size_t i = 0; i < n; ++i)
      if (parent[i] < 0) walk(static_cast<int>(i));
    for (size_t i = 0; i < n; ++i)
      if (remap_[i] < 0) {
        parent[i] = -1;
        walk(static_cast<int>(i));
      }
    for (int old : order) {
      const tinygltf::Node& src = g_.nodes[static_cast<size_t>(old)];
      ModelNodeData node;
      node.name = FromUtf8(src.name);
      node.parent =
          parent[static_cast<size_t>(old)] >= 0 ? remap_[static_cast<size_t>(parent[static_cast<size_t>(old)])] : -1;
      ReadPlacement(src, node);
      node.mesh = src.mesh >= 0 && static_cast<size_t>(src.mesh) < g_.meshes.size() ? src.mesh : -1;
      node.skin = src.skin >= 0 && static_cast<size_t>(src.skin) < g_.skins.size() ? src.skin : -1;
      out.nodes.push_back(node);
    }
    if (out.nodes.size() != n) return Fail(error, "node hierarchy");
    return true;
  }

  static void ReadPlacement(const tinygltf::Node& src, ModelNodeData& node) {
    if (src.matrix.size() == 16) {
      const auto& m = src.matrix;  // column by column
      Mat3 axes;
      axes.r = {float(m[0]), float(m[1]), float(m[2])};
      axes.u = {float(m[4]), float(m[5]), float(m[6])};
      axes.f = {float(m[8]), float(m[9]), float(m[10])};
      const Vec3 t{float(m[12]), float(m[13]), float(m[14])};
      const Vec3 s{axes.r.Length(), axes.u.Length(), axes.f.Length()};
      if (Finite(t) && Finite(s)) {
        node.translation = t;
        node.scale = s;
        node.rotation = Quat::FromMat3(axes);
      }
      return;
    }
    if (src.translation.size() == 3) {
      const Vec3 t{float(src.translation[0]), float(src.translation[1]), float(src.translation[2])};
      if (Finite(t)) node.translation = t;
    }
    if (src.rotation.size() == 4)
      node.rotation =
          Quat{float(src.rotation[0]), float(src.rotation[1]), float(src.rotation[2]), float(src.rotation[3])}
              .Normalized();
    if (src.scale.size() == 3) {
      const Vec3 s{float(src.scale[0]), float(src.scale[1]), float(src.scale[2])};
      if (Finite(s)) node.scale = s;
    }
  }

  ModelMaterialData ReadMaterial(size_t index) {
    const tinygltf::Material& src = g_.materials[index];
    ModelMaterialData m;
    m.name = FromUtf8(src.name);
    const std::vector<double>& f = src.pbrMetallicRoughness.baseColorFactor;
    const auto channel = [](double v) {
      return static_cast<uint8_t>(std::isfinite(v) ? std::lround(std::clamp(v, 0.0, 1.0) * 255) : 255);
    };
    if (f.size() == 4) {
      m.color = {channel(f[0]), channel(f[1]), channel(f[2])};
      m.opacity = channel(f[3]);
    }
    m.texture = Picture(src.pbrMetallicRoughness.baseColorTexture.index);
    return m;
  }

  EngineRef<EngineBitmap> Picture(int texture) {
    if (texture < 0 || static_cast<size_t>(texture) >= g_.textures.size()) return nullptr;
    const int source = g_.textures[static_cast<size_t>(texture)].source;
    if (source < 0 || static_cast<size_t>(source) >= g_.images.size()) return nullptr;
    auto known = pictures_.find(source);
    if (known != pictures_.end()) return known->second;
    const unsigned char* data = nullptr;
    size_t size = 0;
    EngineRef<EngineBitmap> image;
    if (BufferViewBytes(g_, g_.images[static_cast<size_t>(source)].bufferView, data, size))
      image = DecodeImage(std::string(reinterpret_cast<const char*>(data), size));
    pictures_[source] = image;
    return image;
  }

  ModelMeshData ReadMesh(const tinygltf::Mesh& mesh, size_t materialCount) {
    ModelMeshData out;
    for (const tinygltf::Primitive& prim : mesh.primitives) {
      ModelPrimitive p;
      if (ReadPrimitive(prim, p)) {
        if (p.material >= static_cast<int>(materialCount)) p.material = -1;
        out.primitives.push_back(std::move(p));
      }
    }
    return out;
  }

  int Attribute(const tinygltf::Primitive& prim, const char* name) const {
    auto it = prim.attributes.find(name);
    return it == prim.attributes.end() ? -1 : it->second;
  }

  // A primitive the engine cannot show (not triangles, no positions, broken arrays) is left out.
  bool ReadPrimitive(const tinygltf::Primitive& prim, ModelPrimitive& p) {
    if (prim.mode != TINYGLTF_MODE_TRIANGLES && prim.mode != -1) return false;
    std::vector<float> f;
    if (!ReadAccessorFloats(g_, Attribute(prim, "POSITION"), 3, f)) return false;
    const size_t count = f.size() / 3;
    p.positions.resize(count);
    for (size_t i = 0; i < count; ++i) p.positions[i] = {f[i * 3], f[i * 3 + 1], f[i * 3 + 2]};

    std::vector<uint32_t> idx;
    if (prim.indices >= 0) {
      if (!ReadAccessorUints(g_, prim.indices, 1, idx)) return false;
      for (uint32_t i : idx)
        if (i >= count) return false;
    } else {
      idx.resize(count);
      for (size_t i = 0; i < count; ++i) idx[i] = static_cast<uint32_t>(i);
    }
    idx.resize(idx.size() - idx.size() % 3);
    if (idx.empty()) return false;
    p.indices = std::move(idx);

    if (ReadAccessorFloats(g_, Attribute(prim, "NORMAL"), 3, f) && f.size() == count * 3) {
      p.normals.resize(count);
      for (size_t i = 0; i < count; ++i) p.normals[i] = Vec3{f[i * 3], f[i * 3 + 1], f[i * 3 + 2]}.Normalized();
    } else {
      MakeNormals(p);
    }
    if (ReadAccessorFloats(g_, Attribute(prim, "TEXCOORD_0"), 2, f) && f.size() == count * 2) p.uvs = f;

    std::vector<uint32_t> joints;
    if (ReadAccessorUints(g_, Attribute(prim, "JOINTS_0"), 4, joints) && joints.size() == count * 4 &&
        ReadAccessorFloats(g_, Attribute(prim, "WEIGHTS_0"), 4, f) && f.size() == count * 4) {
      p.joints.resize(count);
      p.weights.resize(count);
      for (size_t i = 0; i < count; ++i)
        for (size_t k = 0; k < 4; ++k) {
          p.joints[i][k] = static_cast<uint16_t>(std::min<uint32_t>(joints[i * 4 + k], 0xFFFF));
          const float w = f[i * 4 + k];
          p.weights[i][k] = std::isfinite(w) && w > 0 ? w : 0.0f;
        }
    }
    p.material = prim.material;
    return true;
  }

  // Without normals in the file each vertex takes the sum of its triangles' (the engine's winding: the
  // outer side is where the cross product does not point).
  static void MakeNormals(ModelPrimitive& p) {
    p.normals.assign(p.positions.size(), Vec3{});
    for (size_t i = 0; i + 2 < p.indices.size(); i += 3) {
      const Vec3 &a = p.positions[p.indices[i]], &b = p.positions[p.indices[i + 1]], &c = p.positions[p.indices[i + 2]];
      const Vec3 n = -(b - a).Cross(c - a);
      for (size_t k = 0; k < 3; ++k) p.normals[p.indices[i + k]] += n;
    }
    for (Vec3& n : p.normals) n = n.Normalized();
  }

  ModelSkinData ReadSkin(const tinygltf::Skin& skin) {
    ModelSkinData out;
    for (int j : skin.joints)
      if (j >= 0 && static_cast<size_t>(j) < remap_.size() && out.joints.size() < kMaxNodes)
        out.joints.push_back(remap_[static_cast<size_t>(j)]);
    out.inverseBinds.assign(out.joints.size(), Affine::Identity());
    std::vector<float> m;
    if (skin.joints.size() == out.joints.size() && ReadAccessorFloats(g_, skin.inverseBindMatrices, 16, m) &&
        m.size() >= out.joints.size() * 16) {
      for (size_t j = 0; j < out.joints.size(); ++j) {
        const float* c = &m[j * 16];  // column by column
        Affine a;
        a.m.r = {c[0], c[1], c[2]};
        a.m.u = {c[4], c[5], c[6]};
        a.m.f = {c[8], c[9], c[10]};
        a.t = {c[12], c[13], c[14]};
        if (Finite(a.m.r) && Finite(a.m.u) && Finite(a.m.f) && Finite(a.t)) out.inverseBinds[j] = a;
      }
    }
    return out;
  }

  ModelAnimationData ReadAnimation(const tinygltf::Animation& anim) {
    ModelAnimationData out;
    out.name = FromUtf8(anim.name);
    for (const tinygltf::AnimationChannel& ch : anim.channels) {
      AnimationChannelData c;
      if (ReadChannel(anim, ch, c)) out.channels.push_back(std::move(c));
    }
    return out;
  }

  bool ReadChannel(const tinygltf::Animation& anim, const tinygltf::AnimationChannel& ch, AnimationChannelData& c) {
    if (ch.target_node < 0 || static_cast<size_t>(ch.target_node) >= remap_.size()) return false;
    if (ch.sampler < 0 || static_cast<size_t>(ch.sampler) >= anim.samplers.size()) return false;
    int width;
    if (ch.target_path == "translation") {
      c.path = AnimationChannelData::Path::Translation;
      width = 3;
    } else if (ch.target_path == "rotation") {
      c.path = AnimationChannelData::Path::Rotation;
      width = 4;
    } else if (ch.target_path == "scale") {
      c.path = AnimationChannelData::Path::Scale;
      width = 3;
    } else {
      return false;
    }
    c.node = remap_[static_cast<size_t>(ch.target_node)];
    const tinygltf::AnimationSampler& s = anim.samplers[static_cast<size_t>(ch.sampler)];
    if (!ReadAccessorFloats(g_, s.input, 1, c.times)) return false;
    for (size_t i = 0; i < c.times.size(); ++i)
      if (!std::isfinite(c.times[i]) || c.times[i] < 0 || (i > 0 && c.times[i] < c.times[i - 1])) return false;
    std::vector<float> values;
    if (!ReadAccessorFloats(g_, s.output, width, values)) return false;
    const size_t keys = c.times.size(), w = static_cast<size_t>(width);
    c.interpolation = s.interpolation == "STEP" ? AnimationChannelData::Interpolation::Step
                                                : AnimationChannelData::Interpolation::Linear;
    if (s.interpolation == "CUBICSPLINE") {
      // In-tangent, value, out-tangent per key: the keys' values are kept and joined straight.
      if (values.size() != keys * w * 3) return false;
      c.values.resize(keys * w);
      for (size_t k = 0; k < keys; ++k)
        std::copy_n(values.begin() + static_cast<std::ptrdiff_t>((k * 3 + 1) * w), w,
                    c.values.begin() + static_cast<std::ptrdiff_t>(k * w));
    } else {
      if (values.size() != keys * w) return false;
      c.values = std::move(values);
    }
    for (float& v : c.values)
      if (!std::isfinite(v)) v = 0;
    if (width == 4)
      for (size_t k = 0; k < keys; ++k) {
        float* q = &c.values[k * 4];
        const Quat n = Quat{q[0], q[1], q[2], q[3]}.Normalized();
        q[0] = n.x, q[1] = n.y, q[2] = n.z, q[3] = n.w;
      }
    return true;
  }

  const tinygltf::Model& g_;
  std::vector<int> remap_;  // file node index to ordered index
  std::map<int, EngineRef<EngineBitmap>> pictures_;
};

}  // namespace

std::shared_ptr<ModelData> ReadModelFile(const std::string& bytes, std::string& error) {
  if (bytes.size() < 20 || bytes.size() > kMaxFileBytes) {
    error = "not a binary glTF file";
    return nullptr;
  }
  try {
    tinygltf::TinyGLTF loader;
    loader.SetImageLoader(KeepImageBytes, nullptr);
    tinygltf::Model gltf;
    std::string err, warn;
    if (!loader.LoadBinaryFromMemory(&gltf, &err, &warn, reinterpret_cast<const unsigned char*>(bytes.data()),
                                     static_cast<unsigned int>(bytes.size()))) {
      error = err.empty() ? "not a binary glTF file" : err;
      while (!error.empty() && (error.back() == '\n' || error.back() == '\r')) error.pop_back();
      return nullptr;
    }
    auto data = std::make_shared<ModelData>();
    if (!Reader(gltf).Read(*data, error)) return nullptr;
    FinishModelData(*data);
    return data;
  } catch (const std::exception& e) {
    // The library or an allocation gave up on a damaged file.
    error = std::string("unreadable: ") + e.what();
    return nullptr;
  }
}

}  // namespace engine
