// One casualty as the patient view shows and treats him: the skinned body on the ground with a pick shape
// on every bone, the joint frames that carry the treatment items, the ammunition on his belt, his wound,
// scores, clocks and everything done to him. The fields follow the record's order: the body's engine
// objects first, then the treatment, then the body's motion, blood, speech and state.
//
// The treatment rules talk to the body only through the patient's PatientBody: a patient built on the
// engine (the five-argument constructor) has the body that acts on the engine objects below; a patient made
// for the rules alone has NoBody (or a test's body) and no engine objects at all.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "casualty/action_record.h"
#include "casualty/ammo_pouch.h"
#include "casualty/blood_pools.h"
#include "casualty/blood_splat.h"
#include "casualty/body_location.h"
#include "casualty/body_parts.h"
#include "casualty/bounded_log.h"
#include "casualty/case_chart.h"
#include "casualty/dog_tag.h"
#include "casualty/injury_prop.h"
#include "casualty/joint_frames.h"
#include "casualty/patient_body.h"
#include "casualty/patient_bones.h"
#include "casualty/pose_table.h"
#include "casualty/texture_state.h"
#include "casualty/tool_table.h"
#include "casualty/wound_types.h"
#include "engine/engine.h"

namespace kestrine {

constexpr int kMissedStepCapacity = 50;
constexpr int kLoggedActionCapacity = 100;
constexpr int32_t kUnlimitedFreeHints = 0x7fffffff;
constexpr int32_t kLiftFrames = 30;
constexpr int kChartCapacity = 1000;
constexpr int kSpeechQueueCapacity = 5;
constexpr int kPendingActionCount = 4;

// Clothing of a new patient: the limbs from elbow to foot on both sides, and the trunk.
constexpr BodyLocation kLimbClothing = 0x1fc0;
constexpr BodyLocation kTrunkClothing = 0x3e000;
// A patient whose legs are gone wears only his sleeves on the limbs.
constexpr BodyLocation kSleevesOnly = 0x1c0;

// The picture the trousers wear, drawn from these bits: pieces cut away (the upper ones from the first
// piece picture, the lower from the second) or one of two whole pictures. The legs-gone body starts with
// both lower pieces cut away, the foot-gone body with the first whole picture.
enum BodyFlag : uint32_t {
  BODY_CUT_UPPER_A = 0x1,
  BODY_CUT_UPPER_B = 0x2,
  BODY_CUT_LOWER_A = 0x4,
  BODY_CUT_LOWER_B = 0x8,
  BODY_SECOND_PICTURE = 0x10,  // cleared when a lift ends
  BODY_FIRST_PICTURE = 0x20,
};

// Side bits of the part a patient was rolled on.
constexpr uint32_t kRolledOnLeft = 0x80000000;
constexpr uint32_t kRolledOnRight = 0x40000000;

// Item changes held back until the animation playing now ends.
enum PendingAction : int32_t {
  PENDING_NONE = -1,
  PENDING_SHOW_ITEM = 0,
  PENDING_HIDE_ITEM = 1,
  PENDING_RESTORE_BODY_FLAGS = 2,
  PENDING_ATTACH_AND_SHOW = 3,
};

// The surroundings a new patient is shown in until the patient view gives him his slot's.
constexpr int32_t kDefaultSurroundings = 6;

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

// Flags of Patient::PlayAnimation over the pose number.
constexpr int32_t kPlayBackwards = 0x10000000;
constexpr int32_t kPlayLooped = 0x20000000;
constexpr int32_t kPoseNumberMask = 0x0fffffff;

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
  // A record for the rules alone: nothing earned, no shock, all multipliers 1, free hints by the difficulty
  // in force, no engine objects. The body is NoBody unless a test gives its own.
  explicit Patient(std::unique_ptr<PatientBody> body = std::make_unique<NoBody>());
  // A casualty of the patient view: loads his body for the wound row and appearance (a casualty unit's
  // severity code: 0, 1 own soldiers, 2 enemy, 3 enemy with turban), hangs a pick shape on every named
  // bone, sets up the wound (reading it from `loading` when a save game is being loaded), makes the joint
  // frames and the ammunition, and parks the body out of sight 100 units under the ground.
  Patient(const engine::EngineRef<engine::EngineRoot>& root, const engine::EngineRef<engine::EngineStage>& stage,
          int32_t woundType, int32_t appearance, std::FILE* loading);
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

  // ---- the body ----
  // The medic takes the casualty's ammunition into his pack, once: the magazines go and the pack gains
  // rifle rounds, pistol rounds and grenades, each capped at what a full pack holds.
  void TakeAmmo();
  // The treatment models of the joint-frame slots hang on this patient while he is shown, and come off
  // when the view leaves him (other patients wear the same models).
  void AttachAppliedItems();
  void DetachAppliedItems();
  // Lets go of every engine object of the body; the patient is deleted right after.
  void ReleasePatient();

  // ---- animation ----
  // Plays body animation `n`: a pose number, with kPlayBackwards (from its end, at the pace of its play
  // forwards) and kPlayLooped. 0 when the pose is refused: the body lacks it, the psychotic casualty plays
  // only his fits, the impaled one only his roll off the rebar, and a held sling or roll lets only its own
  // pose play, backwards.
  int32_t PlayAnimation(int32_t n);
  // Each frame of the patient view, after PlayPatientSpeech: the unconscious lie still with their eyes
  // shut, a hold goes back to breathing when it is over, item changes held back for it are made, and the
  // face blinks, rests or follows the line being said.
  void UpdateAnimation();
  // Each frame of the patient view: the psychotic casualty has a fit every eight seconds or so until he is
  // restrained.
  void UpdateIdleTimer();

  // ---- once a frame, for the shown patient ----
  // The blood levels rise with the bleeding, and the arterial spurt flies (the shared drops are his).
  void UpdateSpurt();
  // The motions treatment starts: rolling off the rebar and being pulled from under the vehicle (the
  // scene's ground, his prop and its shadow slide), being turned over, and a lift; and his prop's own
  // motion. `ground` is the scene's ground model (none: nothing to slide); the slide waits while a tool
  // animation plays.
  void UpdatePatientMotion(const engine::EngineRef<engine::EngineModel>& ground, bool toolAnimationPlaying);
  // A roll replayed from a save: the body turned at once to where the roll's lift and turn leave it.
  void SettleRollAtOnce();
  // Where the body lies when nothing lifts it: higher on a raised base, higher on his front than his back.
  float RestHeight() const;

  // ---- item changes held back ----
  // While a body animation plays, an item change (a PendingAction) waits for its end, replacing any change
  // of the same item already waiting. False when nothing plays or every slot is taken: make it now.
  bool HoldBackItemChange(int32_t action, const engine::EngineRef<engine::EngineActor>& item,
                          const engine::EngineRef<engine::EngineActor>& parent = {});
  // Whether the item waits to be shown (it stays hidden until then).
  bool HoldsBackShowing(const engine::EngineRef<engine::EngineActor>& item) const;

  // ---- 1. engine objects ----
  engine::EngineRef<engine::EngineRoot> root;
  engine::EngineRef<engine::EngineStage> stage;
  engine::EngineRef<engine::EngineModel> bodyModel;
  engine::EngineRef<engine::EngineActor> patientActor;
  engine::EngineRef<engine::EngineModel> rightStump;  // the amputation body's lower legs
  engine::EngineRef<engine::EngineModel> leftStump;

  // ---- 2. the model's animations, in its order ----
  int32_t animationCount = 0;
  std::wstring animationNames[kPoseCount];

  // ---- 3..5 ----
  int32_t appearance = 0;  // 0, 1 own soldiers (dark, light skin); 2 enemy; 3 enemy with turban
  CaseChart caseChart;
  TextureState textureState;

  // ---- 6..8. bones, by bone number (shapes, pick actors) and in the model's order (names) ----
  engine::EngineRef<engine::EngineMesh> shapeMeshes[kMaxBones];
  // The pick actor of each bone: a child of the model's bone carrying its pick shape, named after it.
  // Everything hung "on a bone" hangs on these.
  engine::EngineRef<engine::EngineActor> boneFrames[kMaxBones];
  std::wstring boneNames[kMaxBones];
  int32_t boneCount = 0;

  // ---- 9. body state ----
  engine::EngineRef<engine::EngineBitmap> stumpSkin;
  int32_t slideCounter = -1;   // vehicle slide and roll turn
  uint32_t rollDirection = 0;  // kRolledOnLeft or kRolledOnRight
  int32_t noBoots = 0;         // the amputation body: his leg may be cut off
  uint32_t bodyFlags = 0;      // BodyFlag bits of the trouser picture
  uint32_t composedFlags = 0;  // the bits last drawn
  int32_t headBone = -1;       // the model's bone index of "head"

  // ---- 10..11 ----
  std::vector<std::wstring> materialNames;
  int32_t woundType = 0;  // the row the patient was built with

  // ---- 12. treatment ----
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
  BoundedLog<ActionRecord, kActionRecordCapacity> actionRecords;
  // The case chart's entries (the chart screen shows them): texts of the step tables and of the rules.
  BoundedLog<const char*, kChartCapacity> chartEntries;
  BodyLocation cravatMasks[kSideIndexCount] = {};
  BodyLocation splintMasks[kSideIndexCount] = {};
  int32_t rolledOver = 0;
  int32_t restrained = 0;  // tied with the cravat (the psychotic casualty)
  int32_t pulseOxReadings[2] = {};
  int32_t pulseOxShown = 0;
  int32_t impaled = 0;  // still lying on the object that went through him
  int32_t visited = 0;  // set once the patient view has shown him; the report skips him otherwise

  // ---- 13. what is on him ----
  uint32_t appliedItems = 0;     // bit k: treatment model k is on (TreatmentItem)
  uint32_t fittedAirways = 0;    // FittedAirway bits
  uint32_t tourniquetParts = 0;  // bit n: a tourniquet on body part n
  // Bit n: body part n held by a cravat. An arm sling marks the first mask, the hip wrap both.
  uint32_t slingMasks[2] = {};
  uint32_t dressingParts = 0;     // bit n: body part n bandaged
  uint32_t disinfectedParts = 0;  // bit n: body part n sponged clean

  // ---- 14. camera and lying ----
  int32_t cameraSaved = 0;   // 1: savedCamera holds where the camera was when the player left him
  int32_t liftCounter = -1;  // frames left of a lift, -1 idle
  int32_t laidDown = 0;      // 1 once he lies on the ground in the view; his blood pools grow only then
  engine::EngineRef<engine::EngineVector> savedCamera;

  // ---- 15. item changes waiting for the end of the animation playing ----
  int32_t pendingAction[kPendingActionCount] = {PENDING_NONE, PENDING_NONE, PENDING_NONE, PENDING_NONE};
  engine::EngineRef<engine::EngineActor> pendingItem[kPendingActionCount];
  engine::EngineRef<engine::EngineActor> pendingParent[kPendingActionCount];
  uint32_t savedBodyFlags = 0;

  // ---- 16..17 ----
  std::unique_ptr<InjuryProp> prop;    // the wound's own prop, or none
  std::unique_ptr<InjuryProp> turban;  // an enemy with turban wears one besides
  engine::EngineRef<engine::EngineActor> jointFrames[kJointFrameSlots];

  // ---- 18. bleeding ----
  int32_t bleedRate = 0;
  int32_t secondRate = 0;
  float bloodLevel = 0.0f;   // 0..1
  float bloodLevel2 = 0.0f;  // 0..1; full at death
  int32_t rollOffTime = -1;  // ms, -1 idle

  // ---- 19. belt, neck and blood ----
  AmmoPouch ammoPouch;
  DogTag dogTag;
  std::unique_ptr<BloodPool> bloodPools;  // the newest first
  std::unique_ptr<BloodSplat> bloodSplat;

  // ---- 20..21 ----
  int32_t baseRaised = 0;  // 1: the body rests at height 1.2 instead of 0
  // For each pose the model's animation index, -1 when the model has none.
  int32_t animationIndex[kPoseCount] = {};

  // ---- 22. animation and speech ----
  int32_t blinkTimer = 0;        // ms
  int32_t speechDelay = 0;       // ms before the next request plays; negative while one plays
  int32_t silenceTime = 0;       // ms
  int32_t currentAnimation = 0;  // pose of the last animation, low 8 bits
  int32_t animationTimer = -1;   // ms, -1 none
  int32_t returnToIdle = 0;
  int32_t holdLock = 0;
  int32_t idleTimer = 0;  // ms
  int32_t soundOnlySpeech = 0;
  int32_t soundStarted = 0;

  // ---- 23. where and how he lies ----
  int32_t surroundingsKind = kDefaultSurroundings;
  int32_t currentWound = 0;  // the row set up last (the developer pickers may change it)
  int32_t pose = -1;         // none
  int32_t side = 0;          // 0 or 1
  uint32_t sideBits = 0;     // LOC_RIGHT, LOC_LEFT or both

  // ---- 24. clothing, by side index (1 right, 2 left, 3 midline; 0 unused), and the blanket ----
  BodyLocation clothingMasks[kSideIndexCount] = {0, kLimbClothing, kLimbClothing, kTrunkClothing};
  BodyLocation blanketMask = 0;  // every region while the burn blanket is on

  // ---- 25. state ----
  int32_t conscious = 0;
  int32_t canSpeak = 0;
  int32_t movable = 0;
  int32_t dead = 0;
  int32_t dragged = 0;        // brought to the landing point while the view was away
  int32_t animationsOff = 0;  // no body or face animation plays while set
  int32_t spurting = 0;       // arterial spurt: 0 off, 1 on, then the fading count after death

  // ---- 26. clock (ms) and speech queue ----
  int32_t clockMs = 0;
  int32_t minorShockDeadline = 0;  // 0 = none
  int32_t majorShockDeadline = 0;
  int32_t deathDeadline = 0;
  int32_t timeBarLength = 0;
  int32_t paused = 0;
  QueuedSpeech speechQueue[kSpeechQueueCapacity];
  int32_t speechCount = 0;

  // ---- vitals and the mission's end ----
  // An own soldier (appearance 0 or 1) whose wound is a light one may go back to his unit; everyone else
  // is evacuated.
  bool IsReturnableToAction() const;

 private:
  void SetFreeHintsByDifficulty();
  // Construction, in its order.
  void LoadBodyModel(int32_t row, int32_t requestedAppearance);
  void MakePatientActor();
  void MakePickShapes();
  void MakePickActor(int32_t bone, const engine::EngineRef<engine::EngineNode>& parent);
  void ReadMaterialsAndAnimations();
  void MakeLegStumps();
  void BuildJointFrames();
  void MakeMagazines();
  // Animation and the face.
  void CarryOutPendingActions();
  void PlayFace(int32_t pose);
  // The model's animation name of a pose; empty when the body lacks it.
  std::wstring AnimationOfPose(int32_t pose) const;
  void FollowSpeech();

  std::unique_ptr<PatientBody> body_;
};

}  // namespace kestrine
