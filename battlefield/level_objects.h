// The level objects of the overhead battlefield: 30 records, of which the first `objectCount` are in use.
// Each record owns a group (what is placed, turned, scaled and put on the stage) holding the object's
// model and, for trees, a flat camera-facing billboard. A mission's layout fills the records through the
// lower-camel setters, which the placement tool also writes out as source text (level_object_writer.h).
#pragma once

#include <cstdint>
#include <vector>

#include "battlefield/level_object_types.h"
#include "engine/engine.h"
#include "shell/vector3.h"

namespace kestrine {

constexpr int kLevelObjectCapacity = 30;

// A turn about an axis given with SetOrientation, on top of the last turn about the vertical.
struct AppliedTurn {
  float ax = 0.0f, ay = 0.0f, az = 0.0f;
  float degrees = 0.0f;
};

class OverheadObject {
 public:
  engine::EngineRef<engine::EngineMesh> plane;
  engine::EngineRef<engine::EngineObject> billboard;
  engine::EngineRef<engine::EngineModel> model;
  engine::EngineRef<engine::EngineActor> group;
  int32_t type = 0;
  int32_t imageIndex = 0;
  Vector3 position;
  Vector3 axis;
  float angle = 0.0f;
  Vector3 scale;
  // The orientation as it was built up, so that a written layout turns the object the same way: the last
  // absolute turn about the vertical (rotateY) and every SetOrientation turn since.
  float yaw = 0.0f;
  std::vector<AppliedTurn> turns;
  // The scale the group was last given (by scaleBy); until then it has its own scale of 1, whatever the
  // scale fields say.
  bool scaleApplied = false;
  Vector3 appliedScale;

  // Builds the type's engine objects (any held before are destroyed first). 1 when built; 0 for a type
  // with nothing to build, which leaves the record empty with only its type stored.
  int32_t createObject(ObjType type);
  // The setters act on the group; on a record with no group they do nothing.
  void setPos(float x, float y, float z);
  void SetPosVector(Vector3 p);
  void MoveBy(float dx, float dy, float dz);
  // Adds degrees to the turn about the vertical and turns the group to the sum (replacing other turns).
  void rotateY(float degrees);
  // A further turn of the group about (ax, ay, az).
  void SetOrientation(float ax, float ay, float az, float degrees);
  // Adds d to each scale field, then applies the scale when all three are above 0.
  void scaleBy(float d);
  // What the object shows in the current view: see the .cpp.
  void Show(bool visible);
  // Takes the group off the stage and lets go of every engine object.
  void Destroy();

  bool Built() const { return group.Get() != nullptr; }
};

struct LevelObjectState {
  OverheadObject ohObjects[kLevelObjectCapacity];
  int32_t objectCount = 0;
};
// Written only in level_objects.cpp, through the operations below; everyone else reads this view.
const LevelObjectState& LevelObjectTable();

// Every record's objects let go; none in use.
void DestroyLevelObjects();
// Record `index` shown or hidden as the current view shows it (OverheadObject::Show).
void ShowLevelObject(int32_t index, bool visible);
// A new object of `type` in the record after those in use, counted: its index, or -1 (nothing counted) when
// every record is in use or the type builds nothing.
int32_t MakeLevelObject(ObjType type);
// Changes to one object in use: by the placement tool's keys, the wreck's placing.
void MoveLevelObjectTo(int32_t index, const Vector3& position);
void MoveLevelObjectBy(int32_t index, float dx, float dy, float dz);
void TurnLevelObject(int32_t index, float degrees);
void TiltLevelObject(int32_t index, float ax, float ay, float az, float degrees);
void ScaleLevelObjectBy(int32_t index, float d);
// The scale fields set, then applied (scaleBy(0)).
void SetLevelObjectScale(int32_t index, const Vector3& scale);

}  // namespace kestrine
