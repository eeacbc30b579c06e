// One casualty as the patient view treats him. This holds the treatment side of the record: the wound, the
// list cursors, the active examination findings, the scores and clocks. The body (model, bones, textures,
// props, blood) is the patient's PatientBody.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "casualty/action_record.h"
#include "casualty/body_location.h"
#include "casualty/body_parts.h"
#include "casualty/bounded_log.h"
#include "casualty/patient_body.h"
#include "casualty/tool_table.h"
#include "casualty/wound_types.h"

namespace kestrine {

constexpr int kMissedStepCapacity = 50;
constexpr int kLoggedActionCapacity = 100;
constexpr int32_t kUnlimitedFreeHints = 0x7fffffff;
constexpr int32_t kLiftFrames = 30;
constexpr int kChartCapacity = 1000;
constexpr int kSpeechQueueCapacity = 5;

// Clothing of a new patient: the limbs from elbow to foot on both sides, and the trunk.
constexpr BodyLocation kLimbClothing = 0x1fc0;
constexpr BodyLocation kTrunkClothing = 0x3e000;

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

// A speech request waiting its turn; the name is kept in the request itself.
struct QueuedSpeech {
  int32_t kind = 0;
  std::string name;
};

enum Verdict : int32_t {
  VERDICT_NONE = 0,
  VERDICT_RIGHT = 1,
  VERDICT_WRONG = 2,
};

enum DispositionChoice : int32_t {
  DISPOSITION_EVACUATE = 0,
  DISPOSITION_RETURN_TO_ACTION = 1,
};

// The casualty unit's state after the call: back in action, or readied for evacuation.
constexpr int32_t kCasualtyInAction = 0;
constexpr int32_t kCasualtyReadied = 2;
constexpr int32_t kNoCasualtyChange = -1;

class Patient {
 public:
  // A new record: nothing earned, no shock, all multipliers 1, free hints by the difficulty in force. The
  // body is NoBody until the body is built.
  explicit Patient(std::unique_ptr<PatientBody> body = std::make_unique<NoBody>());
  virtual ~Patient();
  Patient(const Patient&) = delete;
  Patient& operator=(const Patient&) = delete;

  // ---- treatment ----
  // Puts a tool to a body part: the one way the player treats a casualty. The two middle arguments are the
  // clicked point, which the rules do not read. savedStock is used only while a save game is replayed.
  void ApplyTool(int32_t tool, int32_t part, int32_t clickX, int32_t clickY, int32_t savedStock);
  // Scores the call to evacuate (choice 0) or to return the casualty to action (1). Returns the state his
  // unit takes: kCasualtyReadied or kCasualtyInAction (kNoCasualtyChange for any other choice).
  int32_t JudgeDisposition(int32_t choice);
  // Queues a speech request of a kind (0..9) for the speech player.
  void QueueSpeech(int32_t kind, std::string_view name);
  // The medic's remark in the patient view's remark box.
  virtual void ShowRemark(std::string_view text);
  // A line in the patient's case chart; the text must outlive the chart (a literal or a step's text).
  virtual void AddChartEntry(const char* text);

  // Where the rules tell the body what a wound or a treatment does to it.
  PatientBody& Body() { return *body_; }

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

  // ---- vitals and the mission's end ----
  // An own soldier (appearance 0 or 1) whose wound is a light one may go back to his unit; everyone else
  // is evacuated.
  bool IsReturnableToAction() const;
  int32_t visited = 0;       // set once the patient view has shown him; the report skips him otherwise
  int32_t spurting = 0;      // arterial spurt: 0 off, 1 on, then the fading count after death
  float bloodLevel2 = 0.0f;  // 0..1; full at death

  // ---- what has been done to him ----
  BoundedLog<ActionRecord, kActionRecordCapacity> actionRecords;
  // The case chart's entries (the chart screen shows them): texts of the step tables and of the rules.
  BoundedLog<const char*, kChartCapacity> chartEntries;
  // Masks by side index (SideIndex: 1 right, 2 left, 3 midline; index 0 unused).
  BodyLocation clothingMasks[kSideIndexCount] = {0, kLimbClothing, kLimbClothing, kTrunkClothing};
  BodyLocation cravatMasks[kSideIndexCount] = {};
  BodyLocation splintMasks[kSideIndexCount] = {};
  BodyLocation blanketMask = 0;  // every region while the burn blanket is on
  int32_t rolledOver = 0;
  uint32_t tourniquetParts = 0;  // bit n: a tourniquet on body part n
  // Bit n: body part n held by a cravat. An arm sling marks the first mask, the hip wrap both.
  uint32_t slingMasks[2] = {};
  uint32_t dressingParts = 0;     // bit n: body part n bandaged
  uint32_t disinfectedParts = 0;  // bit n: body part n sponged clean
  uint32_t appliedItems = 0;      // bit k: treatment model k is on (TreatmentItem)
  uint32_t fittedAirways = 0;     // FittedAirway bits
  int32_t restrained = 0;         // tied with the cravat (the psychotic casualty)
  int32_t pulseOxReadings[2] = {};
  int32_t pulseOxShown = 0;
  int32_t noBoots = 0;  // the amputation body: his leg may be cut off
  int32_t impaled = 0;  // still lying on the object that went through him

  // ---- speech ----
  QueuedSpeech speechQueue[kSpeechQueueCapacity];
  int32_t speechCount = 0;
  int32_t speechDelay = 0;  // ms before the next request plays

 private:
  std::unique_ptr<PatientBody> body_;
};

}  // namespace kestrine
