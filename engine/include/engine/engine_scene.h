// The scene: entities, scene nodes (one class behind EngineObject, EngineActor and EngineModel, since
// the game holds one object through several of these interfaces), meshes, lights, the camera with its
// sprite layers, and the stage.
//
// Conventions of every call here: angles are degrees; the world is left-handed with x right, y up and
// z forward (into the screen); a positive turn about y takes x towards -z (clockwise seen from above).
// Positions are in the parent's frame unless a call says "world". An object's scale reaches its shapes
// and its children.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/engine_bitmap.h"
#include "engine/engine_changes.h"
#include "engine/engine_math.h"
#include "engine/engine_ref.h"

namespace engine {

class EngineCore;
class EngineNode;
class EngineCamera;
class EngineStage;
class ModelInstance;
struct MeshTriangles;

class EngineVector : public EngineUnknown {
 public:
  EngineVector(float x, float y, float z) : v_(x, y, z) {}
  const char* InterfaceName() const override { return "EngineVector"; }
  float GetX() const { return v_.x; }
  float GetY() const { return v_.y; }
  float GetZ() const { return v_.z; }
  Vec3 Value() const { return v_; }

 private:
  Vec3 v_;
};

// Named base of engine objects.
class EngineEntity : public EngineUnknown {
 public:
  const char* InterfaceName() const override { return "EngineEntity"; }
  const std::wstring& GetName() const { return name_; }
  void SetName(const std::wstring& n) { name_ = n; }
  int GetFlags() const { return flags_; }
  void SetFlags(int f) { flags_ = f; }

  // Carried by the ground (an object given option value 255), so a hit can tell ground from obstacles.
  static constexpr int kFlagGround = 0x40000;

 protected:
  std::wstring name_;
  int flags_ = 0;
};

// A generated shape with named faces, each with its own colour, image and opacity:
// - box: "front" (+z), "back" (-z), "left" (-x), "right" (+x), "top" (+y), "bottom" (-y);
// - plane: "front" (looking along +z, where an object pointed at the camera turns it) and "back";
// - grid: "front" (the upper side) and "back";
// - cylinder and sphere: "front" (the whole surface).
// Shapes are centred on their object's origin unless said otherwise. The triangles the renderer draws and
// that picks test are built by core/geometry.h from the measures below.
class EngineMesh : public EngineEntity {
 public:
  enum class Kind { Plane, Box, Cylinder, Sphere, Grid };
  struct Face {
    Color color{255, 255, 255};
    EngineRef<EngineBitmap> image;
    int opacity = 255;  // 0 transparent (not drawn) .. 255 opaque
  };

  // The measures, in the order EngineRoot's Create call takes them:
  // - Plane (width along x, height along y, flags, a, b, c): a and b move the plane's centre from its object's
  //   origin along x and y (a plane of width 4 with a = 2 has its left edge on the origin); c is kept.
  // - Box (width x, height y, depth z, flags).
  // - Cylinder (length along y, radius, segments (below 3: 16), variant (kept)): centred, both ends capped.
  // - Sphere (radius, segments around (below 3: 16)).
  // - Grid (columns, rows, cell width, cell depth, x0, z0, flags): columns x rows vertices; vertex (c, r)
  //   stands at x = x0 + c * cell width, z = z0 - r * cell depth (row 0 is the far edge), at its height.
  EngineMesh(Kind kind, std::vector<float> params);
  ~EngineMesh() override;
  const char* InterfaceName() const override { return "EngineMesh"; }

  // An unknown face name is a failed call.
  void SetFaceColor(const std::wstring& face, int r, int g, int b);
  void SetFaceBitmap(const std::wstring& face, const EngineRef<EngineBitmap>& image, int mode);
  // 0 (invisible) .. 255 (opaque); values outside are clamped.
  void SetFaceOpacity(const std::wstring& face, int opacity);
  // Grid only: the height of vertex (column, row). With a height range set (SetOptionPair) the height is
  // on a 0..256 scale across that range, as height-map bytes are; without one it is in units.
  void SetVertexHeight(int column, int row, float height, int flags);
  // New measures for the shape's kind: plane (width, height); box (width, height, depth); cylinder
  // (length, radius); sphere (radius). A grid keeps its layout. The other measures stay.
  void Resize(float width, float height, float depth);
  // Kept for the record; the terrain sets 1 once its heights are in.
  void SetOptionFlag(int flag) { optionFlag_ = flag; }
  // Grid: the height range (low, high) that vertex heights 0..256 span. Other kinds ignore it.
  void SetOptionPair(float low, float high);
  // Scales the shape in its object's frame (the blood pools grow this way).
  void SetScale(float x, float y, float z);

  Kind GetKind() const { return kind_; }
  const std::vector<float>& Params() const { return params_; }
  const std::map<std::wstring, Face>& Faces() const { return faces_; }
  Face* FindFace(const std::wstring& name);
  const Face* FindFace(const std::wstring& name) const;
  Vec3 Scale() const { return scale_; }
  int OptionFlag() const { return optionFlag_; }
  // Grid only: vertex counts, and the height of a vertex in units (the range applied). Outside the grid: 0.
  int GridColumns() const;
  int GridRows() const;
  float VertexHeight(int column, int row) const;
  // Counts every change of the shape's triangles (measures, heights, range), for caches.
  uint64_t Revision() const { return revision_; }

  // Engine-side: the triangle cache of core/geometry.h.
  std::shared_ptr<const MeshTriangles>& TriangleCache() const { return triangles_; }
  uint64_t& TriangleCacheRevision() const { return trianglesRevision_; }

 private:
  Face& FaceOrThrow(const std::wstring& name, const char* op);
  // The triangles changed: a new revision, and a change of the picture.
  void Changed();
  Kind kind_;
  std::vector<float> params_;
  std::map<std::wstring, Face> faces_;
  std::vector<float> heights_;  // as given
  bool hasHeightRange_ = false;
  float heightLow_ = 0, heightHigh_ = 0;
  Vec3 scale_{1, 1, 1};
  int optionFlag_ = 0;
  uint64_t revision_ = 1;
  mutable std::shared_ptr<const MeshTriangles> triangles_;
  mutable uint64_t trianglesRevision_ = 0;
};

// What a pick or a collision test found.
class EngineHit : public EngineUnknown {
 public:
  EngineHit(EngineRef<EngineEntity> entity, Vec3 point, Vec3 second)
      : entity_(std::move(entity)), point_(point), second_(second) {}
  const char* InterfaceName() const override { return "EngineHit"; }
  // The object hit (the object carrying the shape or model, with its name, tag and flags).
  EngineRef<EngineEntity> GetEntity() const { return entity_; }
  // Pick: the world point hit. Collision test: where the moving object stops (its position, not its box's
  // edge), just short of the contact.
  EngineRef<EngineVector> GetPoint() const { return MakeEngine<EngineVector>(point_.x, point_.y, point_.z); }
  // The unit surface normal of what was hit, at the hit, in world axes.
  EngineRef<EngineVector> GetSecondVector() const { return MakeEngine<EngineVector>(second_.x, second_.y, second_.z); }
  // The hit object's flags (EngineEntity::kFlagGround for the ground).
  int GetFlags() const { return entity_ ? entity_->GetFlags() : 0; }
  Vec3 Point() const { return point_; }
  Vec3 Normal() const { return second_; }

 private:
  EngineRef<EngineEntity> entity_;
  Vec3 point_, second_;
};

// One scene node: EngineObject, EngineActor and EngineModel are this class. A loaded model is a node
// whose children are its parts (the file's named nodes: bones and parts), so things hung on a bone
// follow it as it animates.
class EngineNode : public EngineEntity {
 public:
  explicit EngineNode(EngineCore* core);
  ~EngineNode() override;
  const char* InterfaceName() const override { return "EngineObject"; }

  // Option values (SetOptionValue). Picks report only objects marked pickable: a pick shape (hit even when
  // every face is fully transparent, the patient's bone shapes) or the ground. Everything else, 250
  // included, is seen but never picked.
  static constexpr int kOptionNotPickable = 250;
  static constexpr int kOptionPickShape = 254;
  // The ground: pickable, flagged kFlagGround, and in collision group 1 (the ground group) besides any
  // group of its own.
  static constexpr int kOptionGround = 255;
  static constexpr int kGroundCollisionGroup = 1;

  // ---- placement ----
  void SetPosition(float x, float y, float z) { Change(position_, Vec3{x, y, z}); }
  void MoveTo(float x, float y, float z) { Change(position_, Vec3{x, y, z}); }
  void MoveTo(const EngineRef<EngineVector>& v);
  // Moves by (dx, dy, dz) along the node's own right, up and forward axes (as it faces now, a node kept
  // facing the camera included), in its parent's units.
  void MoveBy(float dx, float dy, float dz);
  // The world position.
  EngineRef<EngineVector> GetPosition() const;
  // Absolute rotation: the node turned by degrees about the axis (ax, ay, az) from no rotation. Ends any
  // keep-facing mode.
  void SetRotation(float ax, float ay, float az, float degrees);
  void SetRotationB(float ax, float ay, float az, float degrees) { SetRotation(ax, ay, az, degrees); }
  // A further turn by degrees about the axis: relative 0 = the axis is in the parent's frame, 1 = in the
  // node's own frame.
  void Rotate(float ax, float ay, float az, float degrees, int relative);
  // The same as SetRotation (the game turns units and level objects about y with it).
  void TurnTo(float ax, float ay, float az, float degrees) { SetRotation(ax, ay, az, degrees); }
  // Forward axis along (dx, dy, dz), up axis as near (ux, uy, uz) as it can be, in the parent's frame.
  // Ends any keep-facing mode.
  void SetOrientation(float dx, float dy, float dz, float ux, float uy, float uz);
  // Points the forward axis at the target's world position, world up kept up. mode 1 (or any mode but 3
  // and 4): once, now. mode 3 and mode 4: kept facing the target whenever the node is placed (drawn,
  // picked, asked for its position), whatever its parents do; the game keeps sprites and eyes on the
  // camera this way.
  void PointAt(const EngineRef<EngineNode>& target, int mode);
  // No rotation; ends any keep-facing mode.
  void ResetOrientation();
  // The world forward and up axes (unit length).
  EngineRef<EngineVector> GetDirection() const;
  EngineRef<EngineVector> GetUp() const;
  // Scale along the node's own axes; reaches its shapes and children. SetScaleB is the same.
  void SetScale(float x, float y, float z) { Change(scale_, Vec3{x, y, z}); }
  void SetScaleB(float x, float y, float z) { Change(scale_, Vec3{x, y, z}); }
  // 0 hides the node and everything under it (not drawn, not picked); hidden objects still collide.
  void SetVisible(int visible) { Change(visible_, visible != 0); }

  // ---- structure ----
  // Attaches a shape (once; a second attach of the same mesh does nothing).
  void AttachShape(const EngineRef<EngineMesh>& mesh);
  // Makes child a child of this node (taken from any former parent). A cycle is a failed call.
  void AddChild(const EngineRef<EngineNode>& child);
  // Removing a node that is not a child does nothing.
  void RemoveChild(const EngineRef<EngineNode>& child);
  // Nothing to do: nodes are always ready to draw.
  void Prepare() {}
  // See the option values above.
  void SetOptionValue(int value);
  void SetTag(int tag) { tag_ = tag; }
  int GetTag() const { return tag_; }
  // The collision box: x0..x1, y0..y1, z0..z1 around the node's position, along its own axes, in world
  // units (the node's scale does not change it). flags are kept. A node without a box collides with the
  // bounds of its shapes and models (and of its children's).
  void SetBoundingBox(float x0, float x1, float y0, float y1, float z0, float z1, int flags);
  // group: the collision groups the node is in (bits); mask: kept (tests name their own mask).
  void SetCollisionMask(int group, int mask);
  // Sweeps the node from its world position to the world point (x, y, z) against every other collidable
  // object (not this node, its parents or its children) whose collision group shares a bit with mask.
  // mode 2 sweeps the position alone (a ray: a ground test); any other mode sweeps the node's collision
  // box (a node without one sweeps its position alone). a, b and c are kept. The ground answers from its
  // height field. Returns the first contact, or an empty reference when the way is free. Objects the box
  // is already inside are passed through, so a node can always move out of an overlap.
  EngineRef<EngineHit> TestCollision(float x, float y, float z, int a, int mask, int mode, int b, int c);
  EngineRef<EngineHit> TestCollision(const EngineRef<EngineVector>& to, int a, int mask, int mode, int b, int c);

  // ---- models (a node that is not a model answers as a model without parts, materials or animations) ----
  int IsLoaded() const { return 1; }  // loads finish inside EngineRoot::LoadModel
  int IsReady() const { return 1; }
  // The model's part (a node of the file) of that exact name. A missing part is traced once and answered
  // with the model itself, so whatever the game hangs on it stays with the model.
  EngineRef<EngineNode> FindPart(const std::wstring& name);
  // Bones are the joints of the model's skins, in the file's skin order (none for a rigid model).
  int GetBoneCount() const;
  // Bone 0 .. count - 1; any other index gives an empty reference.
  EngineRef<EngineNode> GetBone(int index);
  // Shows image on every triangle of the named material, in place of the file's texture; the image's
  // colour key shows through. A material the model lacks is not an error: nothing happens.
  void SetMaterialTexture(const EngineRef<EngineBitmap>& image, const std::wstring& material);
  // The same (the level objects' foliage uses it).
  void SetMaterialTextureB(const EngineRef<EngineBitmap>& image, const std::wstring& material);
  // Gives the material its file texture back; "/" resets every material.
  void ResetMaterial(const std::wstring& material);
  // The file's materials by index; an index out of range gives an empty name.
  int GetMaterialCount() const;
  std::wstring GetMaterialName(int index) const;
  int GetAnimationCount() const;
  // The file's animation names by index; an index out of range gives an empty name.
  std::wstring GetAnimationName(int index) const;
  // In seconds; 0 for a name the model lacks.
  float GetAnimationLength(const std::wstring& name) const;
  // Plays the named animation from start (seconds, clamped to its length) at speed (1 = as authored;
  // negative plays backwards). loop 0 plays it once and holds its last pose (its start when backwards)
  // until it is stopped or another animation takes the same parts; loop 1 wraps round. An animation
  // moves only the parts it has keys for, over whatever older animations do; playing one that is
  // already playing starts it again. mode (1 from the game) and b are kept. A name the model lacks
  // does nothing.
  void PlayAnimation(const std::wstring& name, int loop, int mode, float speed, float start, int b);
  // The same with blending: (name, speed, start, fadeIn seconds over which it blends in, a, weight 0..1
  // of its pull on the parts it moves, loop, mode, b). a, mode and b are kept.
  void PlayAnimationEx(const std::wstring& name, float speed, float start, float fadeIn, float a, float weight,
                       int loop, int mode, int b);
  // Ends the named animation: the parts it moved go back to what older animations or their rest pose say.
  void StopAnimation(const std::wstring& name);

  // ---- engine-side ----
  Vec3 LocalPosition() const { return position_; }
  const Mat3& LocalRotation() const { return rotation_; }
  Vec3 Scale() const { return scale_; }
  // Animation sets parts this way.
  void SetLocalTransform(const Vec3& position, const Mat3& rotation, const Vec3& scale) {
    Change(position_, position);
    Change(rotation_, rotation);
    Change(scale_, scale);
  }
  bool Visible() const { return visible_; }
  EngineNode* Parent() const { return parent_; }
  const std::vector<EngineRef<EngineNode>>& Children() const { return children_; }
  const std::vector<EngineRef<EngineMesh>>& Shapes() const { return shapes_; }
  int OptionValue() const { return optionValue_; }
  bool Pickable() const { return optionValue_ == kOptionPickShape || optionValue_ == kOptionGround; }
  int CollisionGroup() const { return collisionGroup_; }
  int CollisionMask() const { return collisionMask_; }
  bool HasBoundingBox() const { return hasBox_; }
  Vec3 BoxMin() const { return boxMin_; }
  Vec3 BoxMax() const { return boxMax_; }
  int PointAtMode() const { return pointAtMode_; }
  EngineNode* PointAtTarget() const { return pointAtTarget_.Get(); }
  // True while the node is kept facing its target (PointAt modes 3 and 4).
  bool KeepsFacingTarget() const { return pointAtTarget_ && (pointAtMode_ == 3 || pointAtMode_ == 4); }
  // The node's placement in its parent (position, rotation, scale; a kept facing applied) and in the world.
  Affine LocalTransform() const;
  Affine WorldTransform() const;
  // World rotation (unit axes) and position through the parents.
  Mat3 WorldRotation() const;
  Vec3 WorldPosition() const;
  // The model this node is (null for a plain object or a part).
  ModelInstance* Model() const { return model_.get(); }
  void AttachModel(std::unique_ptr<ModelInstance> model);
  EngineCore* Core() const { return core_; }
  // The core is going away first (only at exit): forget it.
  void DetachCore() { core_ = nullptr; }

 protected:
  void EndFacing();
  void UpdateCollisionRegistration();
  // Assigns a value the picture depends on, counting the change when there is one.
  template <class T>
  static void Change(T& field, const T& value) {
    if (field == value) return;
    field = value;
    NoteSceneChange();
  }

  EngineCore* core_;
  Vec3 position_;
  Mat3 rotation_;
  Vec3 scale_{1, 1, 1};
  bool visible_ = true;
  int optionValue_ = 0;
  int tag_ = 0;
  int collisionGroup_ = 0;
  int collisionMask_ = 0;
  bool collisionRegistered_ = false;
  Vec3 boxMin_, boxMax_;
  bool hasBox_ = false;
  int pointAtMode_ = 0;
  EngineRef<EngineNode> pointAtTarget_;
  EngineNode* parent_ = nullptr;
  std::vector<EngineRef<EngineNode>> children_;
  std::vector<EngineRef<EngineMesh>> shapes_;
  std::unique_ptr<ModelInstance> model_;
};

using EngineObject = EngineNode;
using EngineActor = EngineNode;
using EngineModel = EngineNode;

// A light: type 0 ambient (colour everywhere), 3 directional (shines along its forward axis, or at its
// target). Placed and turned like any node.
class EngineLight : public EngineNode {
 public:
  EngineLight(EngineCore* core, int type) : EngineNode(core), type_(type) {}
  const char* InterfaceName() const override { return "EngineLight"; }
  void SetColor(int r, int g, int b) { Change(color_, EngineBitmap::MakeColor(r, g, b)); }
  // The light shines at the target's world position until ClearTarget (every mode alike).
  void SetTarget(const EngineRef<EngineNode>& target, int /*mode*/) { Change(target_, target); }
  void ClearTarget() { Change(target_, EngineRef<EngineNode>()); }
  // The world point a targeted light shines from (its own position until this is set).
  void SetSecondPoint(float x, float y, float z) {
    Change(second_, Vec3{x, y, z});
    Change(hasSecond_, true);
  }
  // 0 off, anything else on.
  void SetSwitch(int on) { Change(on_, on != 0); }

  int Type() const { return type_; }
  Color LightColor() const { return color_; }
  bool On() const { return on_; }
  EngineNode* Target() const { return target_.Get(); }
  Vec3 SecondPoint() const { return second_; }
  bool HasSecondPoint() const { return hasSecond_; }
  // The world direction the light travels (unit length; zero when it cannot tell).
  Vec3 ShineDirection() const;

 private:
  int type_;
  Color color_{255, 255, 255};
  EngineRef<EngineNode> target_;
  Vec3 second_;
  bool hasSecond_ = false;
  bool on_ = true;
};

// An image shown on the screen in front of the 3D view. Sprites made on a sprite are drawn with it.
class EngineSprite : public EngineUnknown {
 public:
  EngineSprite(EngineRef<EngineBitmap> image, int layer) : image_(std::move(image)), layer_(layer) {}
  const char* InterfaceName() const override { return "EngineSprite"; }
  EngineRef<EngineSprite> CreateSprite(const EngineRef<EngineBitmap>& image, int layer);
  void SetVisible(int visible) {
    if (visible_ == (visible != 0)) return;
    visible_ = visible != 0;
    NoteSceneChange();
  }

  bool Visible() const { return visible_; }
  int Layer() const { return layer_; }
  const EngineRef<EngineBitmap>& Image() const { return image_; }
  // In layer order, like the camera's sprites.
  const std::vector<EngineRef<EngineSprite>>& Children() const { return children_; }

 private:
  EngineRef<EngineBitmap> image_;
  int layer_;
  bool visible_ = true;
  std::vector<EngineRef<EngineSprite>> children_;
};

struct Viewport {
  int x = 0, y = 0, width = 640, height = 480;
  bool operator==(const Viewport&) const = default;
};

// A ray into the stage: origin, and a direction whose camera-forward part is 1, so the distance along it
// is the camera depth.
struct PickRay {
  Vec3 origin, direction;
};

// The camera of a stage: a node (placed, turned and moved like one) with a viewport on the screen, a clip
// range and a fixed vertical field of view. Screen points are pixels of the engine's screen, y down.
class EngineCamera : public EngineNode {
 public:
  explicit EngineCamera(EngineCore* core) : EngineNode(core) {}
  const char* InterfaceName() const override { return "EngineCamera"; }

  // The screen rectangle the 3D view fills.
  void SetViewport(int x, int y, int width, int height) { Change(viewport_, Viewport{x, y, width, height}); }
  // Depths (distances along the camera's forward axis) from nearPlane to farPlane are seen.
  void SetClipRange(float farPlane, float nearPlane) {
    Change(far_, farPlane);
    Change(near_, nearPlane);
  }
  // Forward along (dx, dy, dz), up as near (ux, uy, uz) as it can be.
  void SetDirectionUp(float dx, float dy, float dz, float ux, float uy, float uz) {
    SetOrientation(dx, dy, dz, ux, uy, uz);
  }
  // A screen image on layer 0 (back) .. 255 (front), drawn over the 3D view.
  EngineRef<EngineSprite> CreateSprite(const EngineRef<EngineBitmap>& image, int layer);
  // The screen point of a world point: x and y in pixels of the engine's screen, z the camera depth
  // (negative behind the camera, where x and y mean nothing).
  EngineRef<EngineVector> WorldToScreen(float x, float y, float z);
  // The world point at camera depth `depth` under the screen point (sx, sy).
  EngineRef<EngineVector> ScreenToWorld(int sx, int sy, float depth);
  // The nearest pickable object (see EngineNode's option values) under the screen point (sx, sy), seen
  // within the clip range on this camera's stage, visible and with its parents visible; an empty
  // reference when there is none. The hit's point is where the ray met it, its second vector the normal.
  EngineRef<EngineHit> Pick(int sx, int sy);

  const Viewport& GetViewport() const { return viewport_; }
  float FarPlane() const { return far_; }
  float NearPlane() const { return near_; }
  static constexpr float kFieldOfViewDegrees = 60.0f;  // vertical
  const std::vector<EngineRef<EngineSprite>>& Sprites() const { return sprites_; }
  // The ray through a screen point.
  PickRay RayThrough(float sx, float sy) const;
  // The stage that made this camera (null once it is gone).
  EngineStage* Stage() const { return stage_; }
  void SetStage(EngineStage* stage) { stage_ = stage; }

 private:
  Viewport viewport_;
  float far_ = 1000, near_ = 1;
  std::vector<EngineRef<EngineSprite>> sprites_;
  EngineStage* stage_ = nullptr;
};

class EngineStage : public EngineUnknown {
 public:
  explicit EngineStage(EngineCore* core);
  ~EngineStage() override;
  const char* InterfaceName() const override { return "EngineStage"; }

  // Adding an object twice or removing one that is not on the stage does nothing.
  void AddObject(const EngineRef<EngineNode>& object);
  void RemoveObject(const EngineRef<EngineNode>& object);
  EngineRef<EngineCamera> GetCamera() const { return camera_; }
  void SetBackgroundColor(int r, int g, int b) {
    const Color colour = EngineBitmap::MakeColor(r, g, b);
    if (colour == background_) return;
    background_ = colour;
    NoteSceneChange();
  }

  Color Background() const { return background_; }
  const std::vector<EngineRef<EngineNode>>& Objects() const { return objects_; }
  bool Contains(const EngineNode* node) const;
  // True when a parent of the object (or a parent's parent...) is on the stage too: walks over the stage
  // (drawing, picking) reach the object through that one, so they pass it over at the top.
  bool HeldByAnotherObject(const EngineNode& object) const;

 private:
  EngineRef<EngineCamera> camera_;
  std::vector<EngineRef<EngineNode>> objects_;  // in the order they were added
  std::vector<const EngineNode*> sorted_;       // the same objects by address, for Contains
  Color background_{0, 0, 0};
};

}  // namespace engine
