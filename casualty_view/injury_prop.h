// Something fixed to a wounded patient that makes the wound visible beyond its textures: a knife in the
// chest, a vehicle on the leg, a turban. Each kind loads its own model and moves in its own way.
//
// Where a prop goes is data: its model file, the bone it hangs on (or the stage) and the steps that place
// and turn the model, done in order on the freshly loaded model. The data generator reads the same rows, so
// the pieces of each model are drawn where the placement puts them on the body.
#pragma once

#include <cstdint>

#include "engine/engine.h"

namespace kestrine {

class Patient;

// Everything of the patient view stands this far under its place while the overhead view runs; a prop on
// the stage is put there when it is made and lifted with the rest of the view.
constexpr float kParkedDrop = -100.0f;

enum PropStepKind : int32_t {
  PROP_STEP_END = 0,
  PROP_MOVE_TO,  // MoveTo(x, y, z)
  PROP_ROTATE,   // Rotate about the axis (x, y, z) by degrees, the axis in the parent's frame
  PROP_TURN_TO,  // TurnTo(x, y, z, degrees): that turn and no other
  PROP_FACE,     // forward along (x, y, z), up (0, 1, 0)
  PROP_SCALE,    // SetScale(x, y, z)
};

struct PropStep {
  int32_t kind = PROP_STEP_END;
  float x = 0, y = 0, z = 0;
  float degrees = 0;
};

constexpr int kMaxPropSteps = 5;
constexpr int32_t kOnStage = -1;

struct PropRow {
  const wchar_t* model;
  int32_t bone;  // the bone number whose pick shape carries it, or kOnStage
  PropStep steps[kMaxPropSteps];
};

enum PropKind : int32_t {
  PROP_GUT,
  PROP_KNIFE,
  PROP_HUMMER,
  PROP_STRUT,
  PROP_FINGER,  // the row names the right hand; a wound of the left side hangs it on the left one
  PROP_PIPE,
  PROP_REBAR,
  PROP_PISTOL,
  PROP_TURBAN,
  kPropKindCount,
};

extern const PropRow kPropRows[kPropKindCount];

// The vehicle's shadow on the ground: its picture, the plane that shows it and where that plane lies.
constexpr const wchar_t* kHummerShadowPicture = L"patient\\injury\\hummer\\hum-shadow.qpg";
constexpr int kHummerShadowSize = 256;
constexpr int kHummerShadowOpacity = 100;
extern const PropStep kHummerShadowSteps[kMaxPropSteps];
// Its plane: 4 x 8 with a corner on the actor's origin.
struct PlaneMeasures {
  float width, height;
  int32_t flags;
  float a, b;
  int32_t c;
};
extern const PlaneMeasures kHummerShadowPlane;

// The steps of a row (or the shadow's) done on a node.
void ApplyPropSteps(engine::EngineNode& node, const PropStep (&steps)[kMaxPropSteps]);

class InjuryProp {
 public:
  virtual ~InjuryProp() = default;
  // Loads the model and fixes it to the patient.
  virtual void Load(Patient& patient) = 0;
  // Once a frame, from the body's motion.
  virtual void Update() {}
  // What the medic's hand sets going (pulling the knife out, ...).
  virtual void Start() {}

  // Takes the model and the shadow off the stage and lets go of every engine object the prop holds.
  void Release(const engine::EngineRef<engine::EngineStage>& stage);
  // Shows or hides the model and the shadow.
  void SetVisible(int visible);
  // Moves what stands on the stage by dy (the patient view parks and lifts its objects this way); a prop on
  // a bone goes with the body.
  void Lift(float dy);

  engine::EngineRef<engine::EngineModel> model;
  int32_t counter = 0;
  int32_t limit = 0;
  int32_t active = 0;
  uint8_t onBone = 0;  // 1: the model hangs from one of the patient's bones
  engine::EngineRef<engine::EngineBitmap> images[2];
  engine::EngineRef<engine::EngineActor> shadow;  // the vehicle's shadow on the ground
  engine::EngineRef<engine::EngineMesh> shadowPlane;

 protected:
  // The model, loaded and waited for.
  static engine::EngineRef<engine::EngineModel> LoadPropModel(const engine::EngineRef<engine::EngineRoot>& root,
                                                              const wchar_t* path);
  // Loads the row's model hidden, places it, and hangs it on the pick shape of `bone` or parks it on the
  // stage.
  void LoadRow(Patient& patient, const PropRow& row, int32_t bone);
};

}  // namespace kestrine
