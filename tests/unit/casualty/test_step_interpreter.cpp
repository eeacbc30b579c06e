// The treatment interpreter: the wound set-up (side, clocks, findings, tracks, maximum), the active-step
// operations, and the two wounds whose lists are given whole.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "shell/engine_setup.h"
#include "shell/mission_progress.h"
#include "wound_fixture.h"

namespace kestrine::testing {
namespace {

constexpr TreatmentStep kEnd{};

// ---- side rule ----

TEST_F(WoundTest, TheSideRuleGivesALimbOneSideBitAndAMidlineWoundBoth) {
  // Row 3: upper arm, drawn; 9: chest, drawn; 43: upper arm, first side; 6: calf, second side; 0: abdomen,
  // first side. Bits 0 below mean "the bit of the side"; a drawn side comes out both ways over the seeds.
  const int64_t cases[][3] = {
      {3, -1, 0}, {9, -1, kSideBits}, {43, 0, 0}, {6, 1, 0}, {WOUND_EVISCERATION, 0, LOC_RIGHT}};
  for (const auto& [row, fixedSide, bits] : cases) {
    std::set<int32_t> sides;
    for (uint32_t seed = 1; seed <= 16; ++seed) {
      srand(seed);
      RecordingPatient patient;
      SetUpWound(patient, static_cast<int32_t>(row), nullptr);
      if (fixedSide >= 0) {
        EXPECT_EQ(patient.side, fixedSide) << "row " << row;
      }
      EXPECT_EQ(patient.sideBits, bits != 0           ? static_cast<uint32_t>(bits)
                                  : patient.side == 0 ? LOC_RIGHT
                                                      : LOC_LEFT)
          << "row " << row;
      sides.insert(patient.side);
    }
    EXPECT_EQ(sides.size(), fixedSide >= 0 ? 1u : 2u) << "row " << row;
  }
}

TEST_F(WoundTest, ASavedOrReplayedSideIsKeptWithoutDrawingAndABrokenSavedLineFallsBackToTheRule) {
  const int row = 3;  // upper arm, side drawn
  // Loading a save, then replaying one: a broken line falls back to the rule in both.
  for (uint8_t replaying : {0, 1}) {
    SetReplayingSave(replaying);
    for (const char* line : {"1 -1073741824\n", "7 12345\n"}) {  // both side bits as a signed number; nonsense
      SCOPED_TRACE(std::string(line) + (replaying ? " replayed" : " loaded"));
      std::FILE* stream = std::tmpfile();
      ASSERT_NE(stream, nullptr);
      std::fputs(line, stream);
      std::rewind(stream);
      srand(5);
      const uint32_t before = RandomState();
      RecordingPatient patient;
      SetUpWound(patient, row, stream);
      std::fclose(stream);
      if (line[0] == '1') {
        EXPECT_EQ(patient.side, 1);
        EXPECT_EQ(patient.sideBits, kSideBits);
        EXPECT_EQ(RandomState(), before) << "a saved side draws nothing";
      } else {
        EXPECT_NE(RandomState(), before) << "the rule draws the side";
        EXPECT_EQ(patient.sideBits, patient.side == 0 ? LOC_RIGHT : LOC_LEFT);
      }
    }
  }
  RecordingPatient replayed;
  replayed.side = 1;
  replayed.sideBits = kSideBits;
  SetReplayingSave(true);
  const uint32_t before = RandomState();
  SetUpWound(replayed, row, nullptr);
  EXPECT_EQ(replayed.side, 1);
  EXPECT_EQ(replayed.sideBits, kSideBits);
  EXPECT_EQ(RandomState(), before);
}

// ---- set-up of a few rows checked by hand: clocks, condition, shock tracks, maximum ----

TEST_F(WoundTest, SetUpTakesClocksConditionAndShockTracksFromTheRow) {
  const StepList* const* minor = WoundTypeTable[WOUND_MINOR_SHOCK].lists;
  const StepList* const* major = WoundTypeTable[WOUND_MAJOR_SHOCK].lists;
  const StepList* const* heat = WoundTypeTable[WOUND_HEAT_STROKE].lists;
  struct Row {
    int32_t type;
    int32_t minorMs, majorMs, deathMs, barMs;  // the time bar: death, else major x 3/2, else minor x 3
    int32_t conscious, canSpeak, movable, secondRate;
    const StepList* const* minorTrack;
    const StepList* const* majorTrack;
  };
  const Row rows[] = {
      {WOUND_EVISCERATION, 0, 0, 0, 0, 1, 1, 1, 0, minor, major},
      {22, 240000, 0, 0, 720000, 1, 1, 1, 0, minor, major},
      {WOUND_MINOR_SHOCK, 0, 60000, 0, 90000, 1, 0, 1, 10, minor, major},
      {55, 0, 0, 1000, 1000, 0, 0, 1, 0, minor, major},
      {4, 0, 60000, 150000, 150000, 1, 0, 0, 10, minor, major},  // flags 0x9: cannot be carried
      {WOUND_HEAT_EXHAUSTION, 120000, 0, 0, 360000, 1, 1, 1, 3, heat, major},
      {WOUND_HEAT_STROKE, 0, 120000, 300000, 300000, 1, 0, 1, 8, minor, major},
      {WOUND_CHEST_GUNSHOTS, 60000, 150000, 300000, 300000, 1, 1, 1, 10, nullptr, nullptr},
      {WOUND_TENSION_MULTIPLE, 0, 60000, 150000, 150000, 1, 0, 1, 15, nullptr, nullptr},
      {WOUND_TENSION_SHRAPNEL, 0, 60000, 150000, 150000, 1, 0, 1, 15, nullptr, nullptr},
      {WOUND_STAB_NECK, 0, 90000, 200000, 200000, 1, 0, 1, 10, nullptr, nullptr},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE("row " + std::to_string(r.type));
    RecordingPatient patient;
    patient.clockMs = 1234;
    patient.dead = 1;
    SetUpWound(patient, r.type, nullptr);
    EXPECT_EQ(patient.clockMs, 0);
    EXPECT_EQ(patient.dead, 0);
    EXPECT_EQ(patient.currentWound, r.type);
    EXPECT_EQ(patient.minorShockDeadline, r.minorMs);
    EXPECT_EQ(patient.majorShockDeadline, r.majorMs);
    EXPECT_EQ(patient.deathDeadline, r.deathMs);
    EXPECT_EQ(patient.timeBarLength, r.barMs);
    EXPECT_EQ(patient.conscious, r.conscious);
    EXPECT_EQ(patient.canSpeak, r.canSpeak);
    EXPECT_EQ(patient.movable, r.movable);
    EXPECT_EQ(patient.secondRate, r.secondRate);
    for (int i = 0; i < kTrackCount; ++i) {
      EXPECT_EQ(patient.currentLists[i], WoundTypeTable[r.type].lists[i]);
      EXPECT_EQ(patient.healthyLists[i], WoundTypeTable[WOUND_HEALTHY].lists[i]);
      EXPECT_EQ(patient.healthyLists[3 + i], WoundTypeTable[WOUND_MORE_HEALTHY].lists[i]);
      EXPECT_EQ(patient.minorShockLists[i], r.minorTrack ? r.minorTrack[i] : nullptr);
      EXPECT_EQ(patient.majorShockLists[i], r.majorTrack ? r.majorTrack[i] : nullptr);
    }
  }
}

TEST_F(WoundTest, TheMaximumIsTheFindingsOnTheSlotsPlusBonusPlusFive) {
  // Wound 0: glove findings on the head and the abdomen, 5 each, bonus 20. Wound 31: glove on the head and on
  // the wounded upper arm, 5 each, bonus 15. The healthy findings around them carry nothing.
  const int32_t expected[][3] = {{WOUND_EVISCERATION, 5 + 5 + 20 + 5, 1}, {WOUND_FACE_LACERATIONS, 5 + 5 + 15 + 5, 2}};
  for (const auto& [type, maximum, bleed] : expected) {
    RecordingPatient patient;
    const int32_t before = Progress().missionMaximum;
    SetUpWound(patient, type, nullptr);
    EXPECT_EQ(patient.maxScore, maximum) << "row " << type;
    EXPECT_EQ(SumActivePoints(patient), maximum - WoundTypeTable[type].bonus - 5);
    EXPECT_EQ(Progress().missionMaximum - before, maximum);
    EXPECT_EQ(patient.bleedRate, bleed);
    EXPECT_EQ(patient.activeSteps[0].tool, TOOL_GLOVE);
    EXPECT_EQ(patient.activeSteps[1].location, LOC_CHEST);
    EXPECT_EQ(patient.activeSteps[2].location, LOC_BACK);
    EXPECT_EQ(patient.activeSteps.back().tool, kEndOfList);
    EXPECT_EQ(patient.missedSteps.count, 0);
  }
}

TEST_F(WoundTest, SetUpTellsTheBodyInOrder) {
  RecordingPatient patient;
  SetUpWound(patient, WOUND_FACE_LACERATIONS, nullptr);
  const std::vector<std::string> expected = {"SetUpTextureState 31", "LoadPatientTextures 31", "CreateInjuryProps 31",
                                             "CreateBloodPools 31", "MakeSpurtDrops"};
  EXPECT_EQ(patient.calls, expected);
}

// ---- BuildActiveSteps ----

const TreatmentStep kMixedFindings[] = {
    {.tool = TOOL_STETHOSCOPE, .location = LOC_BACK, .action = "back"},
    {.tool = TOOL_GLOVE, .location = LOC_THIGH, .action = "thigh"},
    {.tool = TOOL_BANDAGE, .location = LOC_THIGH, .action = "not a finding"},
    {.tool = kTextureChange, .location = LOC_CHEST, .reading = "skin"},
    {.tool = TOOL_PULSE_OX, .location = LOC_HAND, .action = "pulse ox"},
    {.tool = TOOL_PENLIGHT, .location = LOC_NOSE, .action = "nose"},
    {.tool = TOOL_GLOVE, .location = LOC_HIP, .action = "hip"},
    {.tool = TOOL_STETHOSCOPE, .location = LOC_CHEST, .action = "chest"},
    {.tool = TOOL_GLOVE, .location = kWholeHead, .action = "head"},
    kEnd,
};

// Each slot as "action/side"; the terminator as "end".
std::vector<std::string> Slots(const Patient& patient) {
  std::vector<std::string> slots;
  for (const ActiveStep& slot : patient.activeSteps) {
    slots.push_back(slot.tool == kEndOfList ? "end" : std::string(slot.action) + "/" + std::to_string(slot.side));
    EXPECT_EQ(slot.source, nullptr);
  }
  return slots;
}

TEST_F(WoundTest, FixedFindingsTakeSlotsZeroToTwoPairedRegionsAppearOncePerSideAndTheRestOnce) {
  RecordingPatient patient;
  BuildActiveSteps(patient, kMixedFindings);
  // Sides: 0 any, 1 wounded, 2 other. The Pulse Ox is never paired.
  EXPECT_EQ(Slots(patient), (std::vector<std::string>{"head/0", "chest/0", "back/0", "thigh/1", "thigh/2", "pulse ox/0",
                                                      "nose/0", "hip/1", "hip/2", "end"}));

  // Fixed findings missing from the list still leave their slots meaning what the exam walk expects.
  const TreatmentStep onlyThigh[] = {{.tool = TOOL_GLOVE, .location = LOC_THIGH, .points = 5}, kEnd};
  BuildActiveSteps(patient, onlyThigh);
  ASSERT_EQ(patient.activeSteps.size(), 6u);
  EXPECT_TRUE(IsGloveOnHead(patient.activeSteps[0]));
  EXPECT_EQ(patient.activeSteps[1].tool, TOOL_STETHOSCOPE);
  EXPECT_EQ(patient.activeSteps[1].location, LOC_CHEST);
  EXPECT_EQ(patient.activeSteps[2].location, LOC_BACK);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(patient.activeSteps[i].points, 0);
  EXPECT_EQ(patient.activeSteps[3].points, 5);
  EXPECT_EQ(patient.activeSteps[5].tool, kEndOfList);
  BuildActiveSteps(patient, nullptr);
  ASSERT_EQ(patient.activeSteps.size(), 4u);
  EXPECT_EQ(patient.activeSteps[3].tool, kEndOfList);
}

// ---- MergeStep ----

class MergeTest : public WoundTest {
 protected:
  void SetUp() override {
    WoundTest::SetUp();
    BuildActiveSteps(patient, kMixedFindings);
  }
  ActiveStep& Slot(int i) { return patient.activeSteps[i]; }

  RecordingPatient patient;
  const TreatmentStep source{.tool = TOOL_BANDAGE, .location = LOC_THIGH};
  const TreatmentStep olderSource{.tool = TOOL_ACTION, .location = LOC_THIGH};
};

TEST_F(MergeTest, ANodeWithoutPointsKeepsTheSlotsPointsAndSource) {
  Slot(3).points = 5;
  Slot(3).source = &olderSource;
  const TreatmentStep recheck{
      .tool = TOOL_GLOVE, .location = LOC_THIGH, .action = "re-check", .side = STEP_SIDE_WOUNDED};
  MergeStep(patient, recheck, 0, &source);
  EXPECT_STREQ(Slot(3).action, "re-check");
  EXPECT_EQ(Slot(3).points, 5);
  EXPECT_EQ(Slot(3).source, &olderSource);
  EXPECT_EQ(patient.missedSteps.count, 0);
  // Over a slot without points the node takes the slot, source and all.
  const TreatmentStep other{.tool = TOOL_GLOVE, .location = LOC_THIGH, .action = "other", .side = STEP_SIDE_OTHER};
  MergeStep(patient, other, 0, &source);
  EXPECT_STREQ(Slot(4).action, "other");
  EXPECT_EQ(Slot(4).source, &source);
}

TEST_F(MergeTest, AScoredNodeOverAScoredSlotSendsTheOldOneToMissedSteps) {
  Slot(3).points = 5;
  const TreatmentStep finding{
      .tool = TOOL_GLOVE, .location = LOC_THIGH, .action = "new", .points = 5, .side = STEP_SIDE_WOUNDED};
  MergeStep(patient, finding, 0, &source);
  ASSERT_EQ(patient.missedSteps.count, 1);
  EXPECT_STREQ(patient.missedSteps.entries[0].action, "thigh");
  EXPECT_EQ(patient.missedSteps.entries[0].points, 5);
  EXPECT_STREQ(Slot(3).action, "new");
  EXPECT_EQ(Slot(3).source, &source);

  // Placed at set-up (no source): nothing is missed.
  Slot(4).points = 5;
  const TreatmentStep other{.tool = TOOL_GLOVE, .location = LOC_THIGH, .points = 5, .side = STEP_SIDE_OTHER};
  MergeStep(patient, other, 0, nullptr);
  EXPECT_EQ(patient.missedSteps.count, 1);
  EXPECT_EQ(Slot(4).points, 5);

  // The missed steps stop at their capacity.
  for (int i = 0; i < kMissedStepCapacity + 10; ++i) {
    Slot(3).points = 5;
    MergeStep(patient, finding, 0, &source);
  }
  EXPECT_EQ(patient.missedSteps.count, kMissedStepCapacity);
}

TEST_F(MergeTest, NoMatchingSlotChangesNothingAndAddsNoSlot) {
  const size_t size = patient.activeSteps.size();
  const TreatmentStep wrongSide{.tool = TOOL_GLOVE, .location = LOC_THIGH, .action = "x", .points = 5};
  const TreatmentStep wrongTool{
      .tool = TOOL_PENLIGHT, .location = LOC_THIGH, .action = "x", .points = 5, .side = STEP_SIDE_WOUNDED};
  // Shares the right side bit with nothing but its side: a side bit alone is no place.
  const TreatmentStep sideBitOnly{
      .tool = TOOL_GLOVE, .location = LOC_RIGHT | LOC_FOOT, .action = "x", .points = 5, .side = STEP_SIDE_WOUNDED};
  const TreatmentStep untracked{
      .tool = TOOL_BANDAGE, .location = LOC_THIGH, .action = "x", .points = 5, .side = STEP_SIDE_WOUNDED};
  for (const TreatmentStep* node : {&wrongSide, &wrongTool, &sideBitOnly, &untracked}) {
    MergeStep(patient, *node, 0, &source);
  }
  ASSERT_EQ(patient.activeSteps.size(), size);
  for (const ActiveStep& slot : patient.activeSteps) EXPECT_STRNE(slot.action, "x");
}

TEST_F(MergeTest, APartMaskPairsTheTwoSidesOfASlot) {
  // A right thigh (part side 1) finds the slot whose side field is 1.
  const BodyLocation rightThigh = LOC_RIGHT | LOC_THIGH;
  const TreatmentStep first{
      .tool = TOOL_GLOVE, .location = LOC_THIGH, .action = "first", .points = -5, .side = STEP_SIDE_WOUNDED};
  const TreatmentStep second{
      .tool = TOOL_GLOVE, .location = LOC_THIGH, .action = "second", .points = -7, .side = STEP_SIDE_OTHER};
  MergeStep(patient, second, rightThigh, nullptr);
  EXPECT_STREQ(Slot(3).action, "thigh") << "the other side acts only once the pair is complete";

  MergeStep(patient, first, rightThigh, nullptr);
  EXPECT_TRUE(Slot(3).flags & STEP_PAIRED_FIRST);
  EXPECT_FALSE(Slot(3).flags & STEP_PAIRED_SECOND);
  EXPECT_STREQ(Slot(3).action, "first");
  EXPECT_STREQ(Slot(3).remark, "first");
  EXPECT_EQ(Slot(3).points, -5);

  MergeStep(patient, first, rightThigh, nullptr);
  EXPECT_TRUE(Slot(3).flags & STEP_PAIRED_SECOND);
  MergeStep(patient, second, rightThigh, nullptr);
  EXPECT_STREQ(Slot(3).action, "second");
  EXPECT_EQ(Slot(3).points, -7);
  EXPECT_STREQ(Slot(4).action, "thigh") << "the side-2 slot was never touched";

  // A part that shares only a side bit with the slot finds nothing.
  MergeStep(patient, first, LOC_RIGHT | LOC_FOOT, nullptr);
  EXPECT_STREQ(Slot(4).action, "thigh");
}

// ---- ApplyStep ----

const TreatmentStep kNextFindings[] = {
    {.tool = TOOL_GLOVE,
     .multiplier1 = 0,
     .multiplier2 = 2,
     .location = kWholeHead,
     .action = "next head",
     .points = 5},
    {.tool = TOOL_GLOVE, .location = LOC_THIGH, .action = "next thigh", .points = 5, .side = STEP_SIDE_WOUNDED},
    kEnd,
};
const TreatmentStep kExtraFindings[] = {
    {.tool = TOOL_GLOVE, .location = LOC_HIP, .action = "extra hip", .side = STEP_SIDE_WOUNDED},
    kEnd,
};

class ApplyTest : public MergeTest {};

TEST_F(ApplyTest, ARightStepAdvancesMergesNextAndExtraAndScores) {
  const TreatmentStep step{.tool = TOOL_BANDAGE,
                           .location = LOC_THIGH,
                           .points = 5,
                           .flags = STEP_SETS_CONSCIOUS | STEP_SETS_CAN_SPEAK | STEP_SETS_MOVABLE};
  const TreatmentStep* cursor = kMixedFindings;
  int32_t multipliers[3] = {1, 1, 1};
  const int32_t missionBefore = Progress().missionScore;
  ApplyStep(patient, &cursor, &step, kNextFindings, kExtraFindings, 10, multipliers, 0);
  EXPECT_EQ(cursor, kNextFindings);
  EXPECT_EQ(patient.score, 10);
  EXPECT_EQ(Progress().missionScore - missionBefore, 10);
  EXPECT_STREQ(Slot(0).action, "next head");
  EXPECT_EQ(Slot(0).source, &step);
  EXPECT_STREQ(Slot(3).action, "next thigh");
  EXPECT_STREQ(Slot(7).action, "extra hip");
  EXPECT_EQ(multipliers[0], 1);
  EXPECT_EQ(multipliers[1], 0);
  EXPECT_EQ(multipliers[2], 2);
  EXPECT_EQ(patient.conscious, 1);
  EXPECT_EQ(patient.canSpeak, 1);
  EXPECT_EQ(patient.movable, 1);
}

TEST_F(ApplyTest, RemovalNegativePointsAndAPartMaskNeverBringTheNextListIn) {
  const TreatmentStep removal{.tool = TOOL_TOURNIQUET, .location = LOC_THIGH, .flags = STEP_REMOVAL};
  const TreatmentStep harmful{.tool = TOOL_ACTION, .location = LOC_THIGH, .points = -1};
  const TreatmentStep plain{.tool = TOOL_ACTION, .location = LOC_THIGH};
  struct Case {
    const TreatmentStep* step;
    int32_t points;
    BodyLocation partMask;
  };
  const Case cases[] = {{&removal, 0, 0}, {&harmful, -1, 0}, {&plain, 0, LOC_RIGHT | LOC_THIGH}};
  for (const Case& c : cases) {
    BuildActiveSteps(patient, kMixedFindings);
    const TreatmentStep* cursor = kMixedFindings;
    int32_t multipliers[3] = {1, 1, 1};
    ApplyStep(patient, &cursor, c.step, kNextFindings, nullptr, c.points, multipliers, c.partMask);
    EXPECT_EQ(cursor, kNextFindings) << "the track still advances";
    EXPECT_STREQ(Slot(0).action, "head");
    EXPECT_STREQ(Slot(3).action, "thigh");
    EXPECT_EQ(multipliers[1], 1);
    EXPECT_EQ(multipliers[2], 1);
  }
  // The extra list is merged even so.
  BuildActiveSteps(patient, kMixedFindings);
  const TreatmentStep* cursor = kMixedFindings;
  ApplyStep(patient, &cursor, &harmful, kNextFindings, kExtraFindings, -1, nullptr, 0);
  EXPECT_STREQ(Slot(7).action, "extra hip");
}

TEST_F(ApplyTest, EachFlagSetsItsOwnConditionAndNoneIsEverCleared) {
  const TreatmentStep* cursor = kMixedFindings;
  const TreatmentStep movable{.tool = TOOL_ACTION, .location = LOC_THIGH, .flags = STEP_SETS_MOVABLE};
  ApplyStep(patient, &cursor, &movable, kNextFindings, nullptr, 0, nullptr, 0);
  EXPECT_EQ(patient.movable, 1);
  EXPECT_EQ(patient.conscious, 0);
  EXPECT_EQ(patient.canSpeak, 0);
  patient.conscious = 1;
  patient.canSpeak = 1;
  const TreatmentStep step{.tool = TOOL_ACTION, .location = LOC_THIGH};
  ApplyStep(patient, &cursor, &step, nullptr, nullptr, 0, nullptr, 0);
  EXPECT_EQ(cursor, nullptr) << "a null next ends the track";
  EXPECT_EQ(patient.conscious, 1);
  EXPECT_EQ(patient.canSpeak, 1);
  EXPECT_EQ(patient.movable, 1);
}

// ---- texture steps, splice, unfinished steps, lift ----

TEST_F(WoundTest, TextureStepsPaintTheSideTheirFieldNames) {
  struct Case {
    int32_t patientSide;
    uint32_t sideBits;
    int32_t stepSide;
    BodyLocation region;
    std::vector<BodyLocation> expected;
  };
  const Case cases[] = {
      {0, LOC_RIGHT, STEP_SIDE_ANY, LOC_THIGH, {LOC_THIGH | LOC_RIGHT, LOC_THIGH | LOC_LEFT}},
      {0, LOC_RIGHT, STEP_SIDE_ANY, LOC_CHEST, {LOC_CHEST | LOC_RIGHT}},
      {1, LOC_LEFT, STEP_SIDE_WOUNDED, LOC_THIGH, {LOC_THIGH | LOC_LEFT}},
      {1, LOC_LEFT, STEP_SIDE_OTHER, LOC_THIGH, {LOC_THIGH | LOC_RIGHT}},
      {0, kSideBits, STEP_SIDE_WOUNDED, LOC_UPPER_ARM, {LOC_UPPER_ARM | LOC_LEFT}},
      {1, kSideBits, STEP_SIDE_WOUNDED, LOC_UPPER_ARM, {LOC_UPPER_ARM | LOC_RIGHT}},
      {0, kSideBits, STEP_SIDE_OTHER, LOC_UPPER_ARM, {LOC_UPPER_ARM | LOC_RIGHT}},
      {1, kSideBits, STEP_SIDE_OTHER, LOC_UPPER_ARM, {LOC_UPPER_ARM | LOC_LEFT}},
  };
  for (const Case& c : cases) {
    RecordingPatient patient;
    patient.side = c.patientSide;
    patient.sideBits = c.sideBits;
    const TreatmentStep node{.tool = kTextureChange, .location = c.region, .reading = "t", .side = c.stepSide};
    ApplyTextureStep(patient, node);
    std::vector<BodyLocation> painted;
    for (const auto& paint : patient.paints) painted.push_back(paint.location);
    EXPECT_EQ(painted, c.expected) << "patient side " << c.patientSide << ", step side " << c.stepSide;
  }
}

TEST_F(WoundTest, ASpliceOverwritesMatchingSlotsKeepingTheirLocations) {
  RecordingPatient patient;
  SetUpWound(patient, WOUND_FACE_LACERATIONS, nullptr);
  ASSERT_GT(patient.activeSteps[0].points, 0);
  SpliceStepList(patient, WoundTypeTable[WOUND_DEADMAN].lists[0]);
  const TreatmentStep* dead = FindStep(WoundTypeTable[WOUND_DEADMAN].lists[0], TOOL_GLOVE, LOC_HEAD);
  ASSERT_NE(dead, nullptr);
  EXPECT_STREQ(patient.activeSteps[0].action, dead->action);
  EXPECT_EQ(patient.activeSteps[0].location, kWholeHead);
  EXPECT_EQ(patient.activeSteps[0].points, 0);
  EXPECT_EQ(patient.activeSteps[0].source, nullptr);
  // The glove on the arm is no head: the splice leaves it alone.
  const ActiveStep* arm = FindSlot(patient, TOOL_GLOVE, LOC_UPPER_ARM, STEP_SIDE_WOUNDED);
  ASSERT_NE(arm, nullptr);
  EXPECT_GT(arm->points, 0);
}

TEST_F(WoundTest, UnfinishedScoredSlotsAreCollectedUpToCapacityAndTheLiftCountdownRestartsAtThirty) {
  RecordingPatient patient;
  ResetPatientTimer(patient);
  EXPECT_EQ(patient.liftCounter, 30);
  SetUpWound(patient, WOUND_EVISCERATION, nullptr);
  int scored = 0;
  for (const ActiveStep& slot : patient.activeSteps) scored += (slot.tool != kEndOfList && slot.points != 0);
  CollectUnfinishedSteps(patient);
  EXPECT_EQ(patient.missedSteps.count, scored);
  for (const ActiveStep& missed : patient.missedSteps) EXPECT_NE(missed.points, 0);

  std::vector<TreatmentStep> many(kMissedStepCapacity + 20,
                                  TreatmentStep{.tool = TOOL_GLOVE, .location = LOC_NECK, .points = 5});
  many.push_back(kEnd);
  BuildActiveSteps(patient, many.data());
  patient.missedSteps.Clear();
  CollectUnfinishedSteps(patient);
  EXPECT_EQ(patient.missedSteps.count, kMissedStepCapacity);
}

// ---- ChangeWound ----

TEST_F(WoundTest, ChangeWoundReleasesTheOldWoundAndSetsTheNewOneUpAndRowsOutsideTheTableAreRefused) {
  RecordingPatient patient;
  SetUpWound(patient, 58, nullptr);  // outside the table: the fallback wound
  EXPECT_EQ(patient.currentWound, WOUND_EVISCERATION);
  SetUpWound(patient, -3, nullptr);
  EXPECT_EQ(patient.currentWound, WOUND_EVISCERATION);
  patient.calls.clear();
  const ActiveStep* before = patient.activeSteps.data();
  ChangeWound(patient, -1);
  ChangeWound(patient, kWoundTypeCount);
  EXPECT_TRUE(patient.calls.empty());
  EXPECT_EQ(patient.activeSteps.data(), before);
  EXPECT_EQ(patient.currentWound, WOUND_EVISCERATION);

  patient.lastStep = &patient.activeSteps[0];
  // An examination logged against the old findings: it must not outlive them.
  patient.doneSteps.Append({patient.activeSteps[0].location, &patient.activeSteps[0]});
  patient.wrongActions.Append({patient.activeSteps[0].location, nullptr});
  ChangeWound(patient, WOUND_FACE_LACERATIONS);
  EXPECT_EQ(patient.doneSteps.count, 0);
  EXPECT_EQ(patient.wrongActions.count, 0);
  ASSERT_GE(patient.calls.size(), 4u);
  EXPECT_EQ(std::vector<std::string>(patient.calls.begin(), patient.calls.begin() + 4),
            (std::vector<std::string>{"ReleaseTextureBitmaps", "ResetModelMaterials", "ReleaseInjuryProp",
                                      "SetUpTextureState 31"}));
  EXPECT_EQ(patient.lastStep, nullptr);
  EXPECT_EQ(patient.currentWound, WOUND_FACE_LACERATIONS);
  EXPECT_EQ(patient.currentLists[0], WoundTypeTable[WOUND_FACE_LACERATIONS].lists[0]);
}

// ---- wound 0: the evisceration ----

TEST_F(WoundTest, EviscerationMultipliersAndChestTexture) {
  RecordingPatient patient;
  SetUpWound(patient, WOUND_EVISCERATION, nullptr);
  // Every track starts at full worth: the glove on the head, which sets tracks 1 and 2, keeps both.
  EXPECT_EQ(patient.multipliers[0], 1);
  EXPECT_EQ(patient.multipliers[1], 1);
  EXPECT_EQ(patient.multipliers[2], 1);
  // Side rule 1 on a midline wound: the chest texture goes on the one chest texture, right side bit.
  ASSERT_EQ(patient.paints.size(), 1u);
  EXPECT_EQ(patient.paints[0].location, LOC_CHEST | LOC_RIGHT);
  EXPECT_EQ(patient.paints[0].texture, "intestine-chest");
}

// ---- wound 31: either bandage first ----

TEST_F(WoundTest, FaceLacerationsReachTheFinalListByBothBandageOrders) {
  const StepList* head = WoundTypeTable[WOUND_FACE_LACERATIONS].lists[0];
  const TreatmentStep* reached[2] = {nullptr, nullptr};
  for (int order = 0; order < 2; ++order) {
    RecordingPatient patient;
    SetUpWound(patient, WOUND_FACE_LACERATIONS, nullptr);
    const BodyLocation firstPlace = order == 0 ? LOC_HEAD : LOC_UPPER_ARM;
    const BodyLocation secondPlace = order == 0 ? LOC_UPPER_ARM : LOC_HEAD;
    const TreatmentStep* first = FindStep(patient.currentLists[0], TOOL_BANDAGE, firstPlace);
    ASSERT_NE(first, nullptr);
    ApplyCurrentTrackMatch(patient, 0, first);
    EXPECT_NE(patient.currentLists[0], head);
    const TreatmentStep* second = FindStep(patient.currentLists[0], TOOL_BANDAGE, secondPlace);
    ASSERT_NE(second, nullptr) << "order " << order;
    ApplyCurrentTrackMatch(patient, 0, second);
    reached[order] = patient.currentLists[0];
    EXPECT_EQ(patient.score, first->points + second->points);

    // The final list's head check took slot 0; the unexamined face finding went to the missed steps.
    ASSERT_FALSE(IsListEnd(reached[order]));
    EXPECT_STREQ(patient.activeSteps[0].action, reached[order]->action);
    EXPECT_EQ(patient.activeSteps[0].points, reached[order]->points);
    EXPECT_EQ(patient.missedSteps.count, 1);
  }
  EXPECT_EQ(reached[0], reached[1]);
}

}  // namespace
}  // namespace kestrine::testing
