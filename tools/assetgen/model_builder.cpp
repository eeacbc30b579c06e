#include "tools/assetgen/model_builder.h"

#include <cmath>
#include <map>
#include <stdexcept>

namespace assetgen {

namespace {

using engine::Quat;
using engine::Vec3;

constexpr float kPi = 3.14159265358979f;

// Any unit vector square to d.
Vec3 Perpendicular(const Vec3& d) {
  const Vec3 helper = std::fabs(d.y) < 0.9f ? Vec3{0, 1, 0} : Vec3{1, 0, 0};
  return d.Cross(helper).Normalized();
}

}  // namespace

Quat Turn(const Vec3& axis, float degrees) { return Quat::AxisAngle(axis, degrees); }

int ModelBuilder::AddPart(const std::string& name, int parent, const Vec3& offset, const Quat& rotation) {
  if (parent >= static_cast<int>(parts_.size())) throw std::invalid_argument("part parent of " + name);
  parts_.push_back({name, parent, offset, rotation.Normalized()});
  return static_cast<int>(parts_.size()) - 1;
}

int ModelBuilder::FindPart(const std::string& name) const {
  for (size_t i = 0; i < parts_.size(); ++i)
    if (parts_[i].name == name) return static_cast<int>(i);
  return -1;
}

Vec3 ModelBuilder::RestPosition(int part) const {
  Vec3 p;
  for (int i = part; i >= 0; i = parts_[static_cast<size_t>(i)].parent) {
    const Part& at = parts_[static_cast<size_t>(i)];
    p = at.rotation.ToMat3().Apply(p) + at.offset;
  }
  return p;
}

int ModelBuilder::AddMaterial(const std::string& name, engine::Color color,
                              const engine::EngineRef<engine::EngineBitmap>& image, int opacity) {
  materials_.push_back({name, color, image, opacity});
  return static_cast<int>(materials_.size()) - 1;
}

namespace {

// Triangles of one piece, each put in the order that shows it from outside (the engine's winding: the
// cross product points away from whoever sees it).
struct PieceTriangles {
  std::vector<Vec3> positions;
  std::vector<uint32_t>* indices;
  void Triangle(uint32_t a, uint32_t b, uint32_t c, const Vec3& outward) {
    const Vec3 cross = (positions[b] - positions[a]).Cross(positions[c] - positions[a]);
    const bool keep = cross.Dot(outward) < 0;
    indices->insert(indices->end(), {a, keep ? b : c, keep ? c : b});
  }
};

}  // namespace

void ModelBuilder::AddBox(int part, int material, const Vec3& centre, const Vec3& size, const Quat& rotation) {
  if (part < 0 || part >= PartCount()) throw std::invalid_argument("box on no part");
  const engine::Mat3 turn = rotation.ToMat3();
  Piece piece{part, material, {}, {}};
  PieceTriangles tri{{}, &piece.indices};
  const Vec3 half = size * 0.5f;
  const Vec3 normals[6] = {{0, 0, 1}, {0, 0, -1}, {1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}};
  for (const Vec3& n : normals) {
    const Vec3 up = std::fabs(n.y) > 0.5f ? Vec3{0, 0, 1} : Vec3{0, 1, 0};
    const Vec3 right = up.Cross(-n);
    const Vec3 c = n.Times(half);
    const Vec3 r = right.Times(half), u = up.Times(half);
    const Vec3 local[4] = {c - r - u, c + r - u, c + r + u, c - r + u};
    const float uv[8] = {0, 1, 1, 1, 1, 0, 0, 0};
    const auto first = static_cast<uint32_t>(piece.corners.size());
    const Vec3 outward = turn.Apply(n);
    for (int k = 0; k < 4; ++k) {
      const Vec3 p = centre + turn.Apply(local[k]);
      piece.corners.push_back({p, outward, uv[k * 2], uv[k * 2 + 1], -1});
      tri.positions.push_back(p);
    }
    tri.Triangle(first, first + 1, first + 2, outward);
    tri.Triangle(first, first + 2, first + 3, outward);
  }
  pieces_.push_back(std::move(piece));
}

void ModelBuilder::AddCylinder(int part, int material, const Vec3& a, const Vec3& b, float radius, int segments,
                               int bendTo, const CylinderPicture& picture) {
  if (part < 0 || part >= PartCount()) throw std::invalid_argument("cylinder on no part");
  if (bendTo >= PartCount()) throw std::invalid_argument("cylinder bending to no part");
  const Vec3 axis = (b - a).Normalized();
  if (axis.Length() == 0) throw std::invalid_argument("cylinder of no length");
  const int n = std::max(segments, 3);
  // The picture's middle column (half way round from e1) on the side it should face.
  const Vec3 across = picture.facing - axis * picture.facing.Dot(axis);
  const Vec3 e1 = across.Length() > 1e-4f ? -across.Normalized() : Perpendicular(axis), e2 = axis.Cross(e1);
  const float vA = picture.vA, vB = picture.vB;
  Piece piece{part, material, {}, {}};
  PieceTriangles tri{{}, &piece.indices};
  const auto add = [&](const Vec3& p, const Vec3& normal, float u, float v, int bend) {
    piece.corners.push_back({p, normal, u, v, bend});
    tri.positions.push_back(p);
    return static_cast<uint32_t>(piece.corners.size() - 1);
  };
  for (int i = 0; i < n; ++i) {
    const float a0 = 2 * kPi * i / n, a1 = 2 * kPi * (i + 1) / n;
    const Vec3 d0 = e1 * std::cos(a0) + e2 * std::sin(a0), d1 = e1 * std::cos(a1) + e2 * std::sin(a1);
    const float u0 = static_cast<float>(i) / n, u1 = static_cast<float>(i + 1) / n;
    const uint32_t s0 = add(a + d0 * radius, d0, u0, vA, -1), s1 = add(a + d1 * radius, d1, u1, vA, -1);
    const uint32_t t1 = add(b + d1 * radius, d1, u1, vB, bendTo), t0 = add(b + d0 * radius, d0, u0, vB, bendTo);
    const Vec3 mid = (d0 + d1).Normalized();
    tri.Triangle(s0, s1, t1, mid);
    tri.Triangle(s0, t1, t0, mid);
    // Caps.
    const uint32_t ca = add(a, -axis, 0.5f, 0.5f, -1), ra0 = add(a + d0 * radius, -axis, 0.5f, 0.5f, -1),
                   ra1 = add(a + d1 * radius, -axis, 0.5f, 0.5f, -1);
    tri.Triangle(ca, ra0, ra1, -axis);
    const uint32_t cb = add(b, axis, 0.5f, 0.5f, bendTo), rb0 = add(b + d0 * radius, axis, 0.5f, 0.5f, bendTo),
                   rb1 = add(b + d1 * radius, axis, 0.5f, 0.5f, bendTo);
    tri.Triangle(cb, rb0, rb1, axis);
  }
  pieces_.push_back(std::move(piece));
}

void ModelBuilder::AddAnimation(const std::string& name, const std::vector<PartKeys>& keys) {
  for (const PartKeys& k : keys) {
    if (k.part < 0 || k.part >= PartCount()) throw std::invalid_argument("animation " + name + " of no part");
    if (k.rotations.size() != k.times.size() || (!k.translations.empty() && k.translations.size() != k.times.size()))
      throw std::invalid_argument("animation " + name + ": keys and times differ in number");
  }
  animations_.push_back({name, keys});
}

void ModelBuilder::Enlarge(float factor) {
  for (Part& p : parts_) p.offset = p.offset * factor;
  for (Piece& piece : pieces_)
    for (Corner& c : piece.corners) c.position = c.position * factor;
  for (Animation& a : animations_)
    for (PartKeys& k : a.keys)
      for (Vec3& t : k.translations) t = t * factor;
}

void ModelBuilder::AddAnimations(GltfWriter& writer, const std::vector<int>& nodeOfPart) const {
  for (const Animation& a : animations_) {
    std::vector<GltfWriter::Channel> channels;
    for (const PartKeys& k : a.keys) {
      GltfWriter::Channel rot;
      rot.node = nodeOfPart[static_cast<size_t>(k.part)];
      rot.path = GltfWriter::Path::Rotation;
      rot.times = k.times;
      rot.rotations = k.rotations;
      channels.push_back(rot);
      if (!k.translations.empty()) {
        GltfWriter::Channel move;
        move.node = rot.node;
        move.path = GltfWriter::Path::Translation;
        move.times = k.times;
        move.vectors = k.translations;
        channels.push_back(move);
      }
    }
    writer.AddAnimation(a.name, channels);
  }
}

std::string ModelBuilder::Write(bool skinned) const {
  GltfWriter writer;
  std::vector<int> nodeOfPart;
  for (const Part& p : parts_)
    nodeOfPart.push_back(
        writer.AddNode(p.name, p.parent >= 0 ? nodeOfPart[static_cast<size_t>(p.parent)] : -1, p.offset, p.rotation));
  for (const MaterialSpec& m : materials_) writer.AddMaterial(m.name, m.color, m.opacity, m.image.Get());

  if (skinned) {
    // One mesh over the whole figure, each corner bound to its part (or the part it bends to).
    const std::vector<engine::Affine> rest = writer.RestPlacements();
    std::map<int, GltfWriter::Primitive> byMaterial;
    for (const Piece& piece : pieces_) {
      GltfWriter::Primitive& prim = byMaterial[piece.material];
      prim.material = piece.material;
      const auto base = static_cast<uint32_t>(prim.vertices.size());
      const engine::Affine& place = rest[static_cast<size_t>(nodeOfPart[static_cast<size_t>(piece.part)])];
      for (const Corner& c : piece.corners) {
        GltfWriter::Vertex v;
        v.position = place.Point(c.position);
        v.normal = place.m.Apply(c.normal).Normalized();
        v.u = c.u;
        v.v = c.v;
        v.joints = {static_cast<uint16_t>(c.bendTo >= 0 ? c.bendTo : piece.part), 0, 0, 0};
        v.weights = {1, 0, 0, 0};
        prim.vertices.push_back(v);
      }
      for (uint32_t i : piece.indices) prim.indices.push_back(base + i);
    }
    std::vector<GltfWriter::Primitive> prims;
    for (auto& [material, prim] : byMaterial) prims.push_back(std::move(prim));
    const int meshNode = writer.AddNode("mesh", -1, {});
    writer.AddMesh(meshNode, prims, writer.AddSkin(nodeOfPart));
  } else {
    for (int part = 0; part < PartCount(); ++part) {
      std::map<int, GltfWriter::Primitive> byMaterial;
      for (const Piece& piece : pieces_) {
        if (piece.part != part) continue;
        GltfWriter::Primitive& prim = byMaterial[piece.material];
        prim.material = piece.material;
        const auto base = static_cast<uint32_t>(prim.vertices.size());
        for (const Corner& c : piece.corners) {
          GltfWriter::Vertex v;
          v.position = c.position;
          v.normal = c.normal;
          v.u = c.u;
          v.v = c.v;
          prim.vertices.push_back(v);
        }
        for (uint32_t i : piece.indices) prim.indices.push_back(base + i);
      }
      if (byMaterial.empty()) continue;
      std::vector<GltfWriter::Primitive> prims;
      for (auto& [material, prim] : byMaterial) prims.push_back(std::move(prim));
      writer.AddMesh(nodeOfPart[static_cast<size_t>(part)], prims);
    }
  }
  AddAnimations(writer, nodeOfPart);
  return writer.Write();
}

std::string ModelBuilder::WriteSkinned() const { return Write(true); }
std::string ModelBuilder::WriteRigid() const { return Write(false); }

void AddHumanoidFigure(ModelBuilder& b, const std::function<int(const std::string& bone)>& materialOf) {
  struct Bone {
    const char* name;
    const char* parent;
    Vec3 offset;
  };
  static const Bone kBones[] = {
      {"pelv", nullptr, {0, 1.0f, 0}},
      {"spinebase", "pelv", {0, 0.08f, 0}},
      {"spine1", "spinebase", {0, 0.12f, 0}},
      {"spine2", "spine1", {0, 0.12f, 0}},
      {"spine3", "spine2", {0, 0.12f, 0}},
      {"nek", "spine3", {0, 0.14f, 0}},
      {"head", "nek", {0, 0.1f, 0}},
      {"lo_mouth", "head", {0, 0.04f, -0.11f}},
      {"up_mouth", "head", {0, 0.07f, -0.11f}},
      {"l_eye1", "head", {0.04f, 0.13f, -0.1f}},
      {"r_eye1", "head", {-0.04f, 0.13f, -0.1f}},
      {"l_cheek", "head", {0.06f, 0.09f, -0.09f}},
      {"r_cheek", "head", {-0.06f, 0.09f, -0.09f}},
      {"l_shldr", "spine3", {0.2f, 0.1f, 0}},
      {"l_elbow", "l_shldr", {0.28f, 0, 0}},
      {"l_hand", "l_elbow", {0.26f, 0, 0}},
      {"r_shldr", "spine3", {-0.2f, 0.1f, 0}},
      {"r_elbow", "r_shldr", {-0.28f, 0, 0}},
      {"r_hand", "r_elbow", {-0.26f, 0, 0}},
      {"l_hip", "pelv", {0.1f, -0.05f, 0}},
      {"l_knee", "l_hip", {0, -0.45f, 0}},
      {"l_ankle", "l_knee", {0, -0.42f, 0}},
      {"l_toe", "l_ankle", {0, -0.06f, -0.14f}},
      {"r_hip", "pelv", {-0.1f, -0.05f, 0}},
      {"r_knee", "r_hip", {0, -0.45f, 0}},
      {"r_ankle", "r_knee", {0, -0.42f, 0}},
      {"r_toe", "r_ankle", {0, -0.06f, -0.14f}},
  };
  for (const Bone& bone : kBones) b.AddPart(bone.name, bone.parent ? b.FindPart(bone.parent) : -1, bone.offset);
  const auto part = [&](const char* name) { return b.FindPart(name); };
  const auto box = [&](const char* bone, const Vec3& centre, const Vec3& size) {
    b.AddBox(part(bone), materialOf(bone), centre, size);
  };
  const auto limb = [&](const char* bone, const char* to, float radius) {
    const int from = part(bone), end = part(to);
    const Vec3 length = b.RestPosition(end) - b.RestPosition(from);
    b.AddCylinder(from, materialOf(bone), {}, length, radius, 8, end);
  };
  box("pelv", {0, 0, 0}, {0.34f, 0.18f, 0.2f});
  box("spine1", {0, 0.06f, 0}, {0.34f, 0.12f, 0.2f});
  box("spine2", {0, 0.06f, 0}, {0.38f, 0.12f, 0.22f});
  box("spine3", {0, 0.07f, 0}, {0.42f, 0.14f, 0.24f});
  limb("nek", "head", 0.06f);
  box("head", {0, 0.1f, 0}, {0.2f, 0.24f, 0.22f});
  box("lo_mouth", {0, 0, 0}, {0.06f, 0.02f, 0.02f});
  box("up_mouth", {0, 0, 0}, {0.06f, 0.02f, 0.02f});
  box("l_eye1", {0, 0, 0}, {0.03f, 0.03f, 0.02f});
  box("r_eye1", {0, 0, 0}, {0.03f, 0.03f, 0.02f});
  for (const char* side : {"l_", "r_"}) {
    const std::string s = side;
    limb((s + "shldr").c_str(), (s + "elbow").c_str(), 0.06f);
    limb((s + "elbow").c_str(), (s + "hand").c_str(), 0.05f);
    box((s + "hand").c_str(), {s == "l_" ? 0.06f : -0.06f, 0, 0}, {0.12f, 0.04f, 0.08f});
    limb((s + "hip").c_str(), (s + "knee").c_str(), 0.08f);
    limb((s + "knee").c_str(), (s + "ankle").c_str(), 0.06f);
    box((s + "ankle").c_str(), {0, -0.03f, -0.05f}, {0.1f, 0.06f, 0.24f});
  }
}

}  // namespace assetgen
