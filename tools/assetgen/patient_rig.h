// The patient's skeleton, lying on his back as the patient view finds him: head towards +z, face up (+y),
// his left side towards +x, in the model's own units (the game scales the body 3 times). The bones carry
// the frames the game's pick shapes, joint frames and props are placed in: limb bones run their x axis
// along the limb (outwards on the left arm, inwards on the right, down both legs), the spine, neck and
// head bones along the spine towards the head, the feet towards the toes; the right limbs are turned half
// round about their x axis against the left ones.
//
// PatientRig places bones and shapes in the model's space and turns them into the part frames the model
// builder wants; poses are turns given in that space too.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "tools/assetgen/model_builder.h"

namespace assetgen {

struct RigBone {
  const char* name;
  const char* parent;  // null at the top
  engine::Vec3 position;
  engine::Vec3 xAxis;  // along the bone
  engine::Vec3 yAxis;  // made square to x; z is x cross y
};

// The 27 bones of every patient body, parents first.
const std::vector<RigBone>& PatientBones();

class PatientRig {
 public:
  explicit PatientRig(ModelBuilder& builder);

  ModelBuilder& Builder() { return b_; }
  int Part(const std::string& bone) const;
  engine::Vec3 Position(const std::string& bone) const;
  // The bone's axes in model space (rows: x, y, z).
  const engine::Mat3& Frame(const std::string& bone) const;

  // An axis-aligned box of the model's space, carried by the bone.
  void Box(const std::string& bone, int material, const engine::Vec3& centre, const engine::Vec3& size);
  // A box in the bone's own frame.
  void LocalBox(const std::string& bone, int material, const engine::Vec3& centre, const engine::Vec3& size);
  // A cylinder between two model-space points; the end at b follows bendTo when given. The picture's
  // facing is a direction of the model's space.
  void Cylinder(const std::string& bone, int material, const engine::Vec3& a, const engine::Vec3& b, float radius,
                const std::string& bendTo = "", const CylinderPicture& picture = {});

  // A pose: for some bones a turn, in the model's space as the body rests (a child's turn comes on top of
  // its parent's), and for some a move of the bone's place.
  struct Pose {
    std::map<std::string, engine::Mat3> turns;
    std::map<std::string, engine::Vec3> moves;
  };
  // An animation through the poses at the times (seconds), keying every bone any of them names.
  void Animate(const std::string& name, const std::vector<float>& times, const std::vector<Pose>& poses);

 private:
  struct Placed {
    int part;
    const RigBone* bone;
    engine::Mat3 frame;  // axes in model space
  };
  const Placed& At(const std::string& bone) const;
  engine::Vec3 ToLocal(const Placed& p, const engine::Vec3& point) const;

  ModelBuilder& b_;
  std::map<std::string, Placed> bones_;
};

// The turn by degrees about an axis of the model's space.
engine::Mat3 TurnAbout(const engine::Vec3& axis, float degrees);
// The turn that takes direction `from` to direction `to`.
engine::Mat3 TurnFromTo(const engine::Vec3& from, const engine::Vec3& to);

}  // namespace assetgen
