// Models built from primitives: parts (the bones of a figure, or the pieces of a vehicle, tree, building
// or prop) carrying boxes and cylinders in named materials, and keyframed named animations. The same
// parts and shapes are written either skinned (one mesh bent by every part, for figures) or rigid (each
// part carries its own shapes, for things whose pieces move whole).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "tools/assetgen/gltf_writer.h"

namespace assetgen {

// How a cylinder wears its material's picture: the picture goes once round it, its rows running from vA at
// the end a to vB at the end b, and its middle column on the side `facing` points to (any side when facing
// is zero).
struct CylinderPicture {
  float vA = 1.0f;
  float vB = 0.0f;
  engine::Vec3 facing{};
};

class ModelBuilder {
 public:
  // A part placed in its parent (-1: at the model's top) at rest. Returns its index.
  int AddPart(const std::string& name, int parent, const engine::Vec3& offset, const engine::Quat& rotation = {});
  // The part of that name, or -1.
  int FindPart(const std::string& name) const;
  int PartCount() const { return static_cast<int>(parts_.size()); }
  const std::string& PartName(int part) const { return parts_[static_cast<size_t>(part)].name; }
  // Where a part stands at rest, in the model's own space.
  engine::Vec3 RestPosition(int part) const;

  // A named material; image (optional) is its picture, written into the file.
  int AddMaterial(const std::string& name, engine::Color color,
                  const engine::EngineRef<engine::EngineBitmap>& image = nullptr, int opacity = 255);

  // A box of the given size centred at centre in the part's frame, turned by rotation. The picture of its
  // material covers each face whole.
  void AddBox(int part, int material, const engine::Vec3& centre, const engine::Vec3& size,
              const engine::Quat& rotation = {});
  // A capped cylinder from a to b in the part's frame. In a skinned model, with bendTo set, the ring at b
  // follows that part (a limb bending at its joint); otherwise the whole cylinder follows its part.
  void AddCylinder(int part, int material, const engine::Vec3& a, const engine::Vec3& b, float radius, int segments = 8,
                   int bendTo = -1, const CylinderPicture& picture = {});

  // Keys of one part: rotations (and, when given, translations) at the times, in the part's parent frame.
  struct PartKeys {
    int part = 0;
    std::vector<float> times;
    std::vector<engine::Quat> rotations;
    std::vector<engine::Vec3> translations;
  };
  void AddAnimation(const std::string& name, const std::vector<PartKeys>& keys);

  // Everything built so far (parts' places, shapes, animated moves) made `factor` times larger about the
  // model's origin.
  void Enlarge(float factor);

  // The file: skinned (every part a joint of one skin over a "mesh" node at the top) or rigid.
  std::string WriteSkinned() const;
  std::string WriteRigid() const;

 private:
  struct Part {
    std::string name;
    int parent;
    engine::Vec3 offset;
    engine::Quat rotation;
  };
  struct Corner {
    engine::Vec3 position;  // in the part's frame
    engine::Vec3 normal;
    float u, v;
    int bendTo;  // -1: follows its own part
  };
  struct Piece {
    int part;
    int material;
    std::vector<Corner> corners;
    std::vector<uint32_t> indices;
  };
  std::string Write(bool skinned) const;
  void AddAnimations(GltfWriter& writer, const std::vector<int>& nodeOfPart) const;

  std::vector<Part> parts_;
  struct MaterialSpec {
    std::string name;
    engine::Color color;
    engine::EngineRef<engine::EngineBitmap> image;
    int opacity;
  };
  std::vector<MaterialSpec> materials_;
  std::vector<Piece> pieces_;
  struct Animation {
    std::string name;
    std::vector<PartKeys> keys;
  };
  std::vector<Animation> animations_;
};

// The rotation about an axis by degrees (the engine's sense of turning).
engine::Quat Turn(const engine::Vec3& axis, float degrees);

// A standing figure facing -z (towards a camera in front of it), its left side at +x, feet at y 0, about
// 1.9 units tall: 27 bones named as the game's bodies name them (pelv at the top of the tree, then
// spinebase, spine1..3, nek, head, lo_mouth, up_mouth, l_eye1, r_eye1, l_cheek, r_cheek, l_shldr,
// l_elbow, l_hand, r_shldr, r_elbow, r_hand, l_hip, l_knee, l_ankle, l_toe, r_hip, r_knee, r_ankle,
// r_toe), carrying box and cylinder limbs. Add the materials first; materialOf gives the material for the
// shapes hung on each bone.
void AddHumanoidFigure(ModelBuilder& builder, const std::function<int(const std::string& bone)>& materialOf);

}  // namespace assetgen
