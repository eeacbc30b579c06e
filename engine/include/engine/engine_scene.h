// The scene: entities, scene nodes (one class behind EngineObject, EngineActor and EngineModel, since
// the game holds one object through several of these interfaces), meshes, lights, the camera with its
// sprite layers, and the stage. Angles are degrees; the world is left-handed with y up.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "engine/engine_bitmap.h"
#include "engine/engine_math.h"
#include "engine/engine_ref.h"

namespace engine {

class EngineCore;
class EngineNode;
class EngineCamera;
class EngineStage;

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

  static constexpr int kFlagGround = 1;  // the terrain grid

 protected:
  std::wstring name_;
  int flags_ = 0;
};

// A generated shape with named faces ("front", "back", "left", "right", "top", "bottom"; planes and grids
// have "front" and "back"; cylinders and spheres "front").
class EngineMesh : public EngineEntity {
 public:
  enum class Kind { Plane, Box, Cylinder, Sphere, Grid };
  struct Face {
    Color color{255, 255, 255};
    EngineRef<EngineBitmap> image;
    int imageMode = 0;
    int opacity = 255;  // 0 transparent .. 255 opaque
  };

  EngineMesh(Kind kind, std::vector<float> params);
  const char* InterfaceName() const override { return "EngineMesh"; }

  void SetFaceColor(const std::wstring& face, int r, int g, int b);
  void SetFaceBitmap(const std::wstring& face, const EngineRef<EngineBitmap>& image, int mode);
  void SetFaceOpacity(const std::wstring& face, int opacity);
  void SetVertexHeight(int column, int row, float height, int flags);
  void Resize(float a, float b, float c, float d);
  void SetOptionFlag(int flag) { optionFlag_ = flag; }
  void SetOptionPair(float a, float b) {
    optionA_ = a;
    optionB_ = b;
  }
  void SetScale(float x, float y, float z) { scale_ = {x, y, z}; }

  Kind GetKind() const { return kind_; }
  const std::vector<float>& Params() const { return params_; }
  const std::map<std::wstring, Face>& Faces() const { return faces_; }
  Face* FindFace(const std::wstring& name);
  Vec3 Scale() const { return scale_; }
  int OptionFlag() const { return optionFlag_; }
  // Grid only: heights by vertex (column, row).
  int GridColumns() const;
  int GridRows() const;
  float VertexHeight(int column, int row) const;

 private:
  Face& FaceOrThrow(const std::wstring& name, const char* op);
  Kind kind_;
  std::vector<float> params_;
  std::map<std::wstring, Face> faces_;
  std::vector<float> heights_;
  Vec3 scale_{1, 1, 1};
  int optionFlag_ = 0;
  float optionA_ = 0, optionB_ = 0;
};

class EngineHit : public EngineUnknown {
 public:
  EngineHit(EngineRef<EngineEntity> entity, Vec3 point, Vec3 second)
      : entity_(std::move(entity)), point_(point), second_(second) {}
  const char* InterfaceName() const override { return "EngineHit"; }
  EngineRef<EngineEntity> GetEntity() const { return entity_; }
  EngineRef<EngineVector> GetPoint() const { return MakeEngine<EngineVector>(point_.x, point_.y, point_.z); }
  // The surface normal at the hit.
  EngineRef<EngineVector> GetSecondVector() const {
    return MakeEngine<EngineVector>(second_.x, second_.y, second_.z);
  }
  int GetFlags() const { return entity_ ? entity_->GetFlags() : 0; }

 private:
  EngineRef<EngineEntity> entity_;
  Vec3 point_, second_;
};

// One scene node: EngineObject, EngineActor and EngineModel are this class.
class EngineNode : public EngineEntity {
 public:
  explicit EngineNode(EngineCore* core) : core_(core) {}
  const char* InterfaceName() const override { return "EngineObject"; }

  // ---- placement ----
  void SetPosition(float x, float y, float z) { position_ = {x, y, z}; }
  void MoveTo(float x, float y, float z) { position_ = {x, y, z}; }
  void MoveTo(const EngineRef<EngineVector>& v);
  // Moves in the node's own axes (right, up, forward).
  void MoveBy(float dx, float dy, float dz);
  EngineRef<EngineVector> GetPosition() const;  // world position
  // Absolute rotation about an axis.
  void SetRotation(float ax, float ay, float az, float degrees);
  void SetRotationB(float ax, float ay, float az, float degrees) { SetRotation(ax, ay, az, degrees); }
  // Adds a rotation about an axis; relative 0 = the parent's axes, 1 = the node's own axes.
  void Rotate(float ax, float ay, float az, float degrees, int relative);
  // Absolute turn about an axis (the game turns units about y).
  void TurnTo(float ax, float ay, float az, float degrees) { SetRotation(ax, ay, az, degrees); }
  void SetOrientation(float dx, float dy, float dz, float ux, float uy, float uz);
  // mode 1: point the forward axis at the target once; mode 4: keep facing the camera every frame.
  void PointAt(const EngineRef<EngineNode>& target, int mode);
  void ResetOrientation() { rotation_ = Mat3::Identity(); }
  EngineRef<EngineVector> GetDirection() const;
  EngineRef<EngineVector> GetUp() const;
  void SetScale(float x, float y, float z) { scale_ = {x, y, z}; }
  void SetScaleB(float x, float y, float z) { scale_ = {x, y, z}; }
  void SetVisible(int visible) { visible_ = visible != 0; }

  // ---- structure ----
  void AttachShape(const EngineRef<EngineMesh>& mesh);
  void AddChild(const EngineRef<EngineNode>& child);
  void RemoveChild(const EngineRef<EngineNode>& child);
  void Prepare() { prepared_ = true; }
  void SetOptionValue(int value) { optionValue_ = value; }
  void SetTag(int tag) { tag_ = tag; }
  int GetTag() const { return tag_; }
  void SetBoundingBox(float x0, float x1, float y0, float y1, float z0, float z1, int flags);
  void SetCollisionMask(int group, int mask) {
    collisionGroup_ = group;
    collisionMask_ = mask;
  }
  // Sweeps the node's box from its position to (x, y, z) against nodes whose group matches mask.
  EngineRef<EngineHit> TestCollision(float x, float y, float z, int a, int mask, int mode, int b, int c);
  EngineRef<EngineHit> TestCollision(const EngineRef<EngineVector>& to, int a, int mask, int mode, int b,
                                     int c);

  // ---- models ----
  int IsLoaded() const { return 1; }
  int IsReady() const { return 1; }
  EngineRef<EngineNode> FindPart(const std::wstring& name);
  int GetBoneCount() const;
  EngineRef<EngineNode> GetBone(int index);
  void SetMaterialTexture(const EngineRef<EngineBitmap>& image, const std::wstring& material);
  void SetMaterialTextureB(const EngineRef<EngineBitmap>& image, const std::wstring& material);
  void ResetMaterial(const std::wstring& material);
  int GetAnimationCount() const;
  std::wstring GetAnimationName(int index) const;
  float GetAnimationLength(const std::wstring& name) const;
  void PlayAnimation(const std::wstring& name, int loop, int a, float speed, float start, int b);
  void PlayAnimationEx(const std::wstring& name, float speed, float a, float blend, float b, float c, int d,
                       int e, int f);
  void StopAnimation(const std::wstring& name);

  // ---- engine-side ----
  Vec3 LocalPosition() const { return position_; }
  const Mat3& LocalRotation() const { return rotation_; }
  Vec3 Scale() const { return scale_; }
  bool Visible() const { return visible_; }
  EngineNode* Parent() const { return parent_; }
  const std::vector<EngineRef<EngineNode>>& Children() const { return children_; }
  const std::vector<EngineRef<EngineMesh>>& Shapes() const { return shapes_; }
  int OptionValue() const { return optionValue_; }
  int CollisionGroup() const { return collisionGroup_; }
  int CollisionMask() const { return collisionMask_; }
  int PointAtMode() const { return pointAtMode_; }
  EngineNode* PointAtTarget() const { return pointAtTarget_.Get(); }
  // World transform (rotation and position) through the parents.
  Mat3 WorldRotation() const;
  Vec3 WorldPosition() const;
  void DetachCore() { core_ = nullptr; }

 protected:
  EngineCore* core_;
  Vec3 position_;
  Mat3 rotation_;
  Vec3 scale_{1, 1, 1};
  bool visible_ = true;
  bool prepared_ = false;
  int optionValue_ = 0;
  int tag_ = 0;
  int collisionGroup_ = 0;
  int collisionMask_ = 0;
  Vec3 boxMin_, boxMax_;
  bool hasBox_ = false;
  int pointAtMode_ = 0;
  EngineRef<EngineNode> pointAtTarget_;
  EngineNode* parent_ = nullptr;
  std::vector<EngineRef<EngineNode>> children_;
  std::vector<EngineRef<EngineMesh>> shapes_;
};

using EngineObject = EngineNode;
using EngineActor = EngineNode;
using EngineModel = EngineNode;

class EngineLight : public EngineNode {
 public:
  EngineLight(EngineCore* core, int type) : EngineNode(core), type_(type) {}
  const char* InterfaceName() const override { return "EngineLight"; }
  void SetColor(int r, int g, int b) { color_ = EngineBitmap::MakeColor(r, g, b); }
  void SetTarget(const EngineRef<EngineNode>& target, int mode) {
    target_ = target;
    targetMode_ = mode;
  }
  void ClearTarget() { target_.Reset(); }
  void SetSecondPoint(float x, float y, float z) { second_ = {x, y, z}; }
  void SetSwitch(int on) { on_ = on != 0; }

  int Type() const { return type_; }  // 0 ambient, 3 directional
  Color LightColor() const { return color_; }
  bool On() const { return on_; }
  EngineNode* Target() const { return target_.Get(); }
  Vec3 SecondPoint() const { return second_; }

 private:
  int type_;
  Color color_{255, 255, 255};
  EngineRef<EngineNode> target_;
  int targetMode_ = 0;
  Vec3 second_;
  bool on_ = true;
};

// An image shown on the screen in front of the 3D view. Sprites made on a sprite are drawn with it.
class EngineSprite : public EngineUnknown {
 public:
  EngineSprite(EngineRef<EngineBitmap> image, int layer) : image_(std::move(image)), layer_(layer) {}
  const char* InterfaceName() const override { return "EngineSprite"; }
  EngineRef<EngineSprite> CreateSprite(const EngineRef<EngineBitmap>& image, int layer);
  void SetVisible(int visible) { visible_ = visible != 0; }

  bool Visible() const { return visible_; }
  int Layer() const { return layer_; }
  const EngineRef<EngineBitmap>& Image() const { return image_; }
  const std::vector<EngineRef<EngineSprite>>& Children() const { return children_; }

 private:
  EngineRef<EngineBitmap> image_;
  int layer_;
  bool visible_ = true;
  std::vector<EngineRef<EngineSprite>> children_;
};

struct Viewport {
  int x = 0, y = 0, width = 640, height = 480;
};

class EngineCamera : public EngineNode {
 public:
  explicit EngineCamera(EngineCore* core) : EngineNode(core) {}
  const char* InterfaceName() const override { return "EngineCamera"; }

  void SetViewport(int x, int y, int width, int height) { viewport_ = {x, y, width, height}; }
  void SetClipRange(float farPlane, float nearPlane) {
    far_ = farPlane;
    near_ = nearPlane;
  }
  void SetDirectionUp(float dx, float dy, float dz, float ux, float uy, float uz) {
    SetOrientation(dx, dy, dz, ux, uy, uz);
  }
  EngineRef<EngineSprite> CreateSprite(const EngineRef<EngineBitmap>& image, int layer);
  // Screen point (pixels of the engine's screen) of a world point; z of the result is the depth.
  EngineRef<EngineVector> WorldToScreen(float x, float y, float z);
  EngineRef<EngineVector> ScreenToWorld(int sx, int sy, float depth);
  // Nearest pickable entity under the screen point, or an empty reference.
  EngineRef<EngineHit> Pick(int sx, int sy);

  const Viewport& GetViewport() const { return viewport_; }
  float FarPlane() const { return far_; }
  float NearPlane() const { return near_; }
  static constexpr float kFieldOfViewDegrees = 60.0f;  // vertical
  const std::vector<EngineRef<EngineSprite>>& Sprites() const { return sprites_; }

 private:
  Viewport viewport_;
  float far_ = 1000, near_ = 1;
  std::vector<EngineRef<EngineSprite>> sprites_;
};

class EngineStage : public EngineUnknown {
 public:
  explicit EngineStage(EngineCore* core);
  const char* InterfaceName() const override { return "EngineStage"; }

  // Adding an object twice or removing one that is not on the stage does nothing.
  void AddObject(const EngineRef<EngineNode>& object);
  void RemoveObject(const EngineRef<EngineNode>& object);
  EngineRef<EngineCamera> GetCamera() const { return camera_; }
  void SetBackgroundColor(int r, int g, int b) { background_ = EngineBitmap::MakeColor(r, g, b); }

  Color Background() const { return background_; }
  const std::vector<EngineRef<EngineNode>>& Objects() const { return objects_; }
  bool Contains(const EngineNode* node) const;

 private:
  EngineRef<EngineCamera> camera_;
  std::vector<EngineRef<EngineNode>> objects_;
  Color background_{0, 0, 0};
};

}  // namespace engine
