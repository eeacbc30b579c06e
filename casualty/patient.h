// One casualty as the patient view treats him. This holds the treatment side of the record: the wound, the
// list cursors, the active examination findings, the scores and clocks. The body (model, bones, textures,
// props, blood, speech) hangs off the same record.
#pragma once

#include <cstdint>
#include <vector>

#include "casualty/body_location.h"
#include "casualty/bounded_log.h"
#include "casualty/tool_table.h"
#include "casualty/wound_types.h"

namespace kestrine {

constexpr int kMissedStepCapacity = 50;
constexpr int kLoggedActionCapacity = 100;
constexpr int32_t kUnlimitedFreeHints = 0x7fffffff;
constexpr int32_t kLiftFrames = 30;

// A logged application: the body location it was made on and the step it matched.
struct LoggedAction {
  BodyLocation location = 0;
  const TreatmentStep* step = nullptr;
};

enum ShockState : int32_t {
  SHOCK_NONE = -1,
  SHOCK_MINOR = 0,  // or heat stroke
  SHOCK_MAJOR = 1,
};

enum Verdict : int32_t {
  VERDICT_NONE = 0,
  VERDICT_RIGHT = 1,
  VERDICT_WRONG = 2,
};

class Patient {
 public:
  // A new record: nothing earned, no shock, all multipliers 1, free hints by the difficulty in force.
  Patient();
  virtual ~Patient();
  Patient(const Patient&) = delete;
  Patient& operator=(const Patient&) = delete;

  // ---- what the wound set-up asks of the body ----
  // The body's textures, props, blood pools and spurt hang off these. Until the body is built they do
  // nothing; the interpreter already calls them where and when the body needs to hear of the wound.
  virtual void SetUpTextureState(int32_t row);
  virtual void LoadPatientTextures(int32_t row);
  virtual void ReleaseTextureBitmaps();
  // Whether the texture of a location (one region bit and a side bit) is one of a left/right pair.
  virtual bool IsSidedTextureLocation(BodyLocation location);
  // Lays a named wound texture over the materials of a location (one region bit and a side bit).
  virtual void PaintWoundTexture(BodyLocation location, const char* texture);
  // EngineModel::ResetMaterial("/") on the body model.
  virtual void ResetModelMaterials();
  // The wound's own prop, and the turban of appearance 3.
  virtual void CreateInjuryProps(int32_t row);
  virtual void ReleaseInjuryProp();
  virtual void CreateBloodPools(int32_t row);
  // The shared drops of the arterial spurt, made when they do not exist yet.
  virtual void MakeSpurtDrops();

  // ---- the wound ----
  int32_t woundType = 0;     // the row the patient was built with
  int32_t currentWound = 0;  // the row set up last (the developer pickers may change it)
  int32_t appearance = 0;    // 0, 1 own soldiers; 2 enemy; 3 enemy with turban

  // ---- treatment ----
  int32_t score = 0;
  int32_t maxScore = 0;
  int32_t freeHints = 0;
  int32_t verdict = VERDICT_NONE;
  int32_t multipliers[kTrackCount] = {1, 1, 1};  // point multiplier per current track
  int32_t shockState = SHOCK_NONE;
  const TreatmentStep* lastStep = nullptr;  // the step matched by the latest application
  const TreatmentStep* healthyLists[kHealthyListCount] = {};
  const TreatmentStep* currentLists[kTrackCount] = {};
  const TreatmentStep* minorShockLists[kTrackCount] = {};
  const TreatmentStep* majorShockLists[kTrackCount] = {};
  const TreatmentStep* kitLists[kToolCount] = {};  // one per kit-head tool, null until first used
  // The examination findings, slots 0-2 fixed (glove on the head, stethoscope on chest and back), ended
  // by a slot with tool kEndOfList. Built per wound.
  std::vector<ActiveStep> activeSteps;
  BoundedLog<ActiveStep, kMissedStepCapacity> missedSteps;  // superseded or unfinished findings
  BoundedLog<LoggedAction, kLoggedActionCapacity> wrongActions;
  BoundedLog<LoggedAction, kLoggedActionCapacity> doneSteps;
  int32_t mistakes = 0;
  int32_t bleedRate = 0;
  int32_t secondRate = 0;

  // ---- clock (ms) ----
  int32_t clockMs = 0;
  int32_t minorShockDeadline = 0;  // 0 = none
  int32_t majorShockDeadline = 0;
  int32_t deathDeadline = 0;
  int32_t timeBarLength = 0;
  int32_t paused = 0;

  // ---- condition ----
  int32_t conscious = 0;
  int32_t canSpeak = 0;
  int32_t movable = 0;
  int32_t dead = 0;
  int32_t side = 0;       // 0 or 1
  uint32_t sideBits = 0;  // LOC_RIGHT, LOC_LEFT or both

  int32_t liftCounter = -1;  // frames left of a lift, -1 idle
};

}  // namespace kestrine
