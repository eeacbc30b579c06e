// Every injury is data: a row of the wound-type table names the wound, how it starts and deteriorates and
// where it lies, and points at up to three step lists. A step list is a run of treatment steps ended by a
// step whose tool is -1; each step says which tool on which body location is the right next move, what it
// is worth, what it does to the patient and what the medic learns. A small interpreter (step_interpreter)
// walks these lists.
#pragma once

#include <cstdint>

#include "casualty/body_location.h"

namespace kestrine {

constexpr int kWoundTypeCount = 58;
constexpr int kTrackCount = 3;        // step lists of a row: the wound's treatment tracks 0, 1, 2
constexpr int kHealthyListCount = 6;  // rows 26 and 27, lists 0-2 each
constexpr int kMaxTitleLines = 2;
constexpr int kMaxDescriptionLines = 4;

// Special tool values of a step.
constexpr int32_t kEndOfList = -1;
constexpr int32_t kTextureChange = -2;

struct TreatmentStep;
// A step list is an array of steps ended by a step whose tool is kEndOfList. A pointer to a StepList is
// the list's first step; a list cursor is a pointer into such an array (the next candidate).
using StepList = TreatmentStep;

// Step flags.
enum StepFlag : uint32_t {
  STEP_SETS_CONSCIOUS = 0x1,
  STEP_SETS_CAN_SPEAK = 0x2,
  STEP_LOGGED_WRONG = 0x10,  // the action is logged as wrong even when it matched
  STEP_NO_EFFECT = 0x20,     // the tool's visual effect is not played
  STEP_SETS_MOVABLE = 0x40,
  STEP_REMOVAL = 0x80,  // takes something off: allowed at stock 0, its next list is not merged
  STEP_STOPS_CLOCK = 0x100,
  STEP_STOPS_SPURT = 0x200,
  STEP_HINT = 0x10000000,  // may be offered as a hint
  // Never in the data: set at run time on active steps to pair the two sides of a location.
  STEP_PAIRED_SECOND = 0x20000000,
  STEP_PAIRED_FIRST = 0x40000000,
};

// Which side a step acts on, relative to the wound.
enum StepSide : int32_t {
  STEP_SIDE_ANY = 0,
  STEP_SIDE_WOUNDED = 1,
  STEP_SIDE_OTHER = 2,
};

// Condition a step forces on the patient once a tool has applied it.
enum ForcedCondition : int32_t {
  FORCED_NONE = 0,
  FORCED_MINOR_SHOCK = 1,
  FORCED_MAJOR_SHOCK = 2,
  FORCED_DEATH = 3,
};

struct TreatmentStep {
  const StepList* next = nullptr;   // becomes the cursor of the track in which this step matched
  const StepList* extra = nullptr;  // merged into the active steps when this step is applied
  int32_t tool = kEndOfList;        // a tool row, kEndOfList or kTextureChange
  int32_t multiplier1 = 0;          // become the patient's multipliers of tracks 1 and 2
  int32_t multiplier2 = 0;
  BodyLocation location = 0;  // may hold side bits
  const char* action = "";    // chart line of the action
  const char* remark = "";    // the medic's comment, shown as a timed message
  const char* reading = "";   // texture name (tool -2), Pulse Ox read-out "%d/%d", or a short finding
  const char* clip = "";      // the medic's spoken finding
  int32_t bleedDelta = 0;
  int32_t secondDelta = 0;
  int32_t points = 0;            // > 0 right, < 0 harmful, 0 a finding
  uint32_t flags = 0;            // StepFlag bits
  int32_t side = STEP_SIDE_ANY;  // StepSide
  int32_t forcedCondition = FORCED_NONE;
};

// A copy of a step followed by the step whose application placed it (null when placed at set-up).
struct ActiveStep : TreatmentStep {
  const TreatmentStep* source = nullptr;
};

// Wound condition flags.
enum ConditionFlag : uint32_t {
  WOUND_CONSCIOUS = 0x1,     // conscious at start
  WOUND_CAN_SPEAK = 0x2,     // can speak at start
  WOUND_NEVER_RANDOM = 0x4,  // never drawn by the injury picker's mission passes
  WOUND_UNMOVABLE = 0x8,     // the medic cannot carry him
  WOUND_DEBUG_ONLY = 0x10,   // offered only while the developer wound picker shows every row
};

enum WoundSeverity : int32_t {
  SEVERITY_MAJOR = 0,
  SEVERITY_MEDIUM = 1,
  SEVERITY_LITE = 2,  // may be returned to action
};

enum SideRule : int32_t {
  SIDE_RULE_RANDOM = 0,
  SIDE_RULE_FIRST = 1,
  SIDE_RULE_SECOND = 2,
};

enum DeadlineIndex : int {
  DEADLINE_MINOR_SHOCK = 0,
  DEADLINE_MAJOR_SHOCK = 1,
  DEADLINE_DEATH = 2,
};

// One row of the wound-type table, fields in the order the table is written.
struct WoundType {
  const char* textureSet;  // "" = none
  const char* remarkKey;   // the patient's spoken remarks about his wound; "" = none
  const char* title;
  int32_t titleLineCount;
  const char* titleLines[kMaxTitleLines];
  int32_t descriptionLineCount;
  const char* descriptionLines[kMaxDescriptionLines];
  int32_t bonus;          // added to the patient's maximum
  BodyLocation location;  // no side bits
  int32_t severity;       // WoundSeverity
  uint32_t conditionFlags;
  int32_t bleedRate;
  int32_t secondRate;
  const StepList* lists[kTrackCount];  // null = no such track
  int32_t poses[4];
  uint32_t maskA[3];     // by difficulty: mission bits where the row is offered first
  uint32_t maskB[3];     // by difficulty: mission bits where the row is kept out of the general draw
  int32_t sideRule;      // SideRule
  int32_t deadlines[3];  // seconds; 0 = none (DeadlineIndex)
  float spurt[6];        // arterial spurt origin x, y, z and velocity x, y, z
};

// Rows the code uses by number.
enum WoundRow : int {
  WOUND_EVISCERATION = 0,
  WOUND_CRICH_KIT = 12,
  WOUND_DEADMAN = 13,
  WOUND_ET_TUBE_KIT = 16,
  WOUND_CHEST_GUNSHOTS = 24,
  WOUND_HEALTHY = 26,
  WOUND_MORE_HEALTHY = 27,
  WOUND_HEAT_EXHAUSTION = 28,
  WOUND_HEAT_STROKE = 29,
  WOUND_FACE_LACERATIONS = 31,
  WOUND_MAJOR_SHOCK = 33,
  WOUND_MINOR_SHOCK = 34,
  WOUND_MINOR_SURGERY_KIT = 35,
  WOUND_PATIENT_DYING = 38,
  WOUND_TENSION_MULTIPLE = 44,
  WOUND_TENSION_SHRAPNEL = 47,
  WOUND_STAB_NECK = 54,
  WOUND_TRAUMATIC_DEATH = 55,
  WOUND_INVISIBLE = 57,
};

extern const WoundType WoundTypeTable[kWoundTypeCount];

// Every step list the table holds, with its number of entries (terminator included). A list is read up to
// its terminator; this lets the table check prove that each terminator sits at the end of its array.
struct StepListExtent {
  const StepList* list;
  int32_t entryCount;
};
extern const StepListExtent kStepListExtents[];
extern const int kStepListExtentCount;

// True for a row number inside the table.
inline bool IsWoundRow(int row) { return row >= 0 && row < kWoundTypeCount; }

// A tracked tool is an examination tool (glove, stethoscope, Pulse Ox, penlight): only its steps become
// active steps, so the active steps are the examination findings.
bool IsTrackedTool(int32_t tool);

// Whether a list cursor has nothing left: a null cursor or one standing on the terminator.
inline bool IsListEnd(const TreatmentStep* cursor) { return cursor == nullptr || cursor->tool == kEndOfList; }

// The steps of a list before its terminator (0 for a null list).
int StepListLength(const StepList* list);

// The terminator of a list (null for a null list).
const TreatmentStep* StepListEnd(const StepList* list);

}  // namespace kestrine
