#include "tools/assetgen/gltf_writer.h"

#include <algorithm>
#include <cstring>
#include <sstream>
#include <stdexcept>

#include "core/gltf.h"
#include "tools/assetgen/generators.h"

namespace assetgen {

namespace {

using engine::Affine;
using engine::Quat;
using engine::Vec3;

// The single binary buffer of the file, cut into views.
class BinaryChunk {
 public:
  explicit BinaryChunk(tinygltf::Model& model) : model_(model) {}

  int AddView(const void* data, size_t bytes, int target) {
    while (bytes_.size() % 4) bytes_.push_back(0);  // every view starts aligned for floats
    tinygltf::BufferView view;
    view.buffer = 0;
    view.byteOffset = bytes_.size();
    view.byteLength = bytes;
    view.target = target;
    const auto* p = static_cast<const unsigned char*>(data);
    bytes_.insert(bytes_.end(), p, p + bytes);
    model_.bufferViews.push_back(view);
    return static_cast<int>(model_.bufferViews.size()) - 1;
  }

  int AddAccessor(const void* data, size_t count, int componentType, int type, int target,
                  const std::vector<double>& min = {}, const std::vector<double>& max = {}) {
    const size_t size = static_cast<size_t>(tinygltf::GetComponentSizeInBytes(static_cast<uint32_t>(componentType))) *
                        static_cast<size_t>(tinygltf::GetNumComponentsInType(static_cast<uint32_t>(type)));
    tinygltf::Accessor acc;
    acc.bufferView = AddView(data, count * size, target);
    acc.componentType = componentType;
    acc.type = type;
    acc.count = count;
    acc.minValues = min;
    acc.maxValues = max;
    model_.accessors.push_back(acc);
    return static_cast<int>(model_.accessors.size()) - 1;
  }

  void Finish() {
    tinygltf::Buffer buffer;
    buffer.data = bytes_;
    model_.buffers.push_back(std::move(buffer));
  }

 private:
  tinygltf::Model& model_;
  std::vector<unsigned char> bytes_;
};

std::vector<double> Doubles(std::initializer_list<float> v) { return std::vector<double>(v.begin(), v.end()); }

void ColumnMajor(const Affine& a, float out[16]) {
  const Vec3 cols[4] = {a.m.r, a.m.u, a.m.f, a.t};
  for (int c = 0; c < 4; ++c) {
    out[c * 4 + 0] = cols[c].x;
    out[c * 4 + 1] = cols[c].y;
    out[c * 4 + 2] = cols[c].z;
    out[c * 4 + 3] = c == 3 ? 1.0f : 0.0f;
  }
}

}  // namespace

int GltfWriter::AddNode(const std::string& name, int parent, const Vec3& translation, const Quat& rotation,
                        const Vec3& scale) {
  if (parent >= static_cast<int>(nodes_.size())) throw std::invalid_argument("model node parent " + name);
  nodes_.push_back({name, parent, translation, rotation.Normalized(), scale, -1, -1});
  return static_cast<int>(nodes_.size()) - 1;
}

int GltfWriter::AddMaterial(const std::string& name, engine::Color color, int opacity,
                            const engine::EngineBitmap* image) {
  Material m{name, color, std::clamp(opacity, 0, 255), {}};
  if (image) m.png = EncodePng(*image);
  materials_.push_back(std::move(m));
  return static_cast<int>(materials_.size()) - 1;
}

void GltfWriter::AddMesh(int node, const std::vector<Primitive>& primitives, int skin) {
  if (node < 0 || node >= static_cast<int>(nodes_.size())) throw std::invalid_argument("mesh on no node");
  if (skin >= static_cast<int>(skins_.size())) throw std::invalid_argument("mesh with no such skin");
  meshes_.push_back({primitives});
  nodes_[static_cast<size_t>(node)].mesh = static_cast<int>(meshes_.size()) - 1;
  nodes_[static_cast<size_t>(node)].skin = skin;
}

int GltfWriter::AddSkin(const std::vector<int>& joints) {
  for (int j : joints)
    if (j < 0 || j >= static_cast<int>(nodes_.size())) throw std::invalid_argument("skin joint");
  skins_.push_back(joints);
  return static_cast<int>(skins_.size()) - 1;
}

void GltfWriter::AddAnimation(const std::string& name, const std::vector<Channel>& channels) {
  animations_.push_back({name, channels});
}

std::vector<Affine> GltfWriter::RestPlacements() const {
  std::vector<Affine> out(nodes_.size());
  for (size_t i = 0; i < nodes_.size(); ++i) {
    const Node& n = nodes_[i];
    const Affine local = Affine::FromTrs(n.translation, n.rotation.ToMat3(), n.scale);
    out[i] = n.parent >= 0 ? out[static_cast<size_t>(n.parent)] * local : local;
  }
  return out;
}

std::string GltfWriter::Write() const {
  tinygltf::Model model;
  model.asset.version = "2.0";
  model.asset.generator = "kestrine assetgen";
  BinaryChunk bin(model);

  for (const Material& m : materials_) {
    tinygltf::Material mat;
    mat.name = m.name;
    mat.pbrMetallicRoughness.baseColorFactor = {m.color.r / 255.0, m.color.g / 255.0, m.color.b / 255.0,
                                                m.opacity / 255.0};
    mat.pbrMetallicRoughness.metallicFactor = 0;
    if (!m.png.empty()) {
      tinygltf::Image image;
      image.name = m.name;
      image.mimeType = "image/png";
      image.bufferView = bin.AddView(m.png.data(), m.png.size(), 0);
      model.images.push_back(image);
      tinygltf::Texture texture;
      texture.source = static_cast<int>(model.images.size()) - 1;
      model.textures.push_back(texture);
      mat.pbrMetallicRoughness.baseColorTexture.index = static_cast<int>(model.textures.size()) - 1;
    }
    if (m.opacity < 255) mat.alphaMode = "BLEND";
    model.materials.push_back(mat);
  }

  for (size_t mi = 0; mi < meshes_.size(); ++mi) {
    bool skinned = false;
    for (const Node& n : nodes_)
      if (n.mesh == static_cast<int>(mi) && n.skin >= 0) skinned = true;
    tinygltf::Mesh mesh;
    for (const Primitive& p : meshes_[mi].primitives) {
      if (p.vertices.empty() || p.indices.empty()) continue;
      std::vector<float> pos, nrm, uv, wts;
      std::vector<uint16_t> jts;
      Vec3 lo = p.vertices[0].position, hi = lo;
      for (const Vertex& v : p.vertices) {
        pos.insert(pos.end(), {v.position.x, v.position.y, v.position.z});
        nrm.insert(nrm.end(), {v.normal.x, v.normal.y, v.normal.z});
        uv.insert(uv.end(), {v.u, v.v});
        jts.insert(jts.end(), v.joints.begin(), v.joints.end());
        wts.insert(wts.end(), v.weights.begin(), v.weights.end());
        for (int a = 0; a < 3; ++a) {
          lo[a] = std::min(lo[a], v.position[a]);
          hi[a] = std::max(hi[a], v.position[a]);
        }
      }
      const size_t count = p.vertices.size();
      tinygltf::Primitive prim;
      prim.mode = TINYGLTF_MODE_TRIANGLES;
      prim.material = p.material;
      prim.attributes["POSITION"] =
          bin.AddAccessor(pos.data(), count, TINYGLTF_COMPONENT_TYPE_FLOAT, TINYGLTF_TYPE_VEC3,
                          TINYGLTF_TARGET_ARRAY_BUFFER, Doubles({lo.x, lo.y, lo.z}), Doubles({hi.x, hi.y, hi.z}));
      prim.attributes["NORMAL"] = bin.AddAccessor(nrm.data(), count, TINYGLTF_COMPONENT_TYPE_FLOAT, TINYGLTF_TYPE_VEC3,
                                                  TINYGLTF_TARGET_ARRAY_BUFFER);
      prim.attributes["TEXCOORD_0"] = bin.AddAccessor(uv.data(), count, TINYGLTF_COMPONENT_TYPE_FLOAT,
                                                      TINYGLTF_TYPE_VEC2, TINYGLTF_TARGET_ARRAY_BUFFER);
      if (skinned) {
        prim.attributes["JOINTS_0"] = bin.AddAccessor(jts.data(), count, TINYGLTF_COMPONENT_TYPE_UNSIGNED_SHORT,
                                                      TINYGLTF_TYPE_VEC4, TINYGLTF_TARGET_ARRAY_BUFFER);
        prim.attributes["WEIGHTS_0"] = bin.AddAccessor(wts.data(), count, TINYGLTF_COMPONENT_TYPE_FLOAT,
                                                       TINYGLTF_TYPE_VEC4, TINYGLTF_TARGET_ARRAY_BUFFER);
      }
      prim.indices = bin.AddAccessor(p.indices.data(), p.indices.size(), TINYGLTF_COMPONENT_TYPE_UNSIGNED_INT,
                                     TINYGLTF_TYPE_SCALAR, TINYGLTF_TARGET_ELEMENT_ARRAY_BUFFER);
      mesh.primitives.push_back(prim);
    }
    model.meshes.push_back(mesh);
  }

  const std::vector<Affine> rest = RestPlacements();
  for (const std::vector<int>& joints : skins_) {
    std::vector<float> ibm(joints.size() * 16);
    for (size_t j = 0; j < joints.size(); ++j) {
      const auto inverse = rest[static_cast<size_t>(joints[j])].Inverse();
      ColumnMajor(inverse ? *inverse : Affine::Identity(), &ibm[j * 16]);
    }
    tinygltf::Skin skin;
    skin.joints = joints;
    skin.inverseBindMatrices =
        bin.AddAccessor(ibm.data(), joints.size(), TINYGLTF_COMPONENT_TYPE_FLOAT, TINYGLTF_TYPE_MAT4, 0);
    model.skins.push_back(skin);
  }

  tinygltf::Scene scene;
  for (size_t i = 0; i < nodes_.size(); ++i) {
    const Node& n = nodes_[i];
    tinygltf::Node node;
    node.name = n.name;
    node.translation = {n.translation.x, n.translation.y, n.translation.z};
    node.rotation = {n.rotation.x, n.rotation.y, n.rotation.z, n.rotation.w};
    node.scale = {n.scale.x, n.scale.y, n.scale.z};
    node.mesh = n.mesh;
    node.skin = n.skin;
    for (size_t c = 0; c < nodes_.size(); ++c)
      if (nodes_[c].parent == static_cast<int>(i)) node.children.push_back(static_cast<int>(c));
    model.nodes.push_back(node);
    if (n.parent < 0) scene.nodes.push_back(static_cast<int>(i));
  }
  model.scenes.push_back(scene);
  model.defaultScene = 0;

  for (const Animation& a : animations_) {
    tinygltf::Animation anim;
    anim.name = a.name;
    for (const Channel& ch : a.channels) {
      if (ch.times.empty()) continue;
      std::vector<float> values;
      if (ch.path == Path::Rotation) {
        if (ch.rotations.size() != ch.times.size()) throw std::invalid_argument("animation keys of " + a.name);
        for (const Quat& q : ch.rotations) {
          const Quat n = q.Normalized();
          values.insert(values.end(), {n.x, n.y, n.z, n.w});
        }
      } else {
        if (ch.vectors.size() != ch.times.size()) throw std::invalid_argument("animation keys of " + a.name);
        for (const Vec3& v : ch.vectors) values.insert(values.end(), {v.x, v.y, v.z});
      }
      tinygltf::AnimationSampler sampler;
      sampler.input = bin.AddAccessor(ch.times.data(), ch.times.size(), TINYGLTF_COMPONENT_TYPE_FLOAT,
                                      TINYGLTF_TYPE_SCALAR, 0, Doubles({ch.times.front()}), Doubles({ch.times.back()}));
      sampler.output = bin.AddAccessor(values.data(), ch.times.size(), TINYGLTF_COMPONENT_TYPE_FLOAT,
                                       ch.path == Path::Rotation ? TINYGLTF_TYPE_VEC4 : TINYGLTF_TYPE_VEC3, 0);
      sampler.interpolation = ch.step ? "STEP" : "LINEAR";
      anim.samplers.push_back(sampler);
      tinygltf::AnimationChannel channel;
      channel.sampler = static_cast<int>(anim.samplers.size()) - 1;
      channel.target_node = ch.node;
      channel.target_path = ch.path == Path::Rotation ? "rotation" : ch.path == Path::Scale ? "scale" : "translation";
      anim.channels.push_back(channel);
    }
    model.animations.push_back(anim);
  }

  bin.Finish();
  std::ostringstream out;
  tinygltf::TinyGLTF writer;
  if (!writer.WriteGltfSceneToStream(&model, out, false, true)) throw std::runtime_error("glTF writing failed");
  return out.str();
}

}  // namespace assetgen
