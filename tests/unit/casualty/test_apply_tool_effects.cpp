// What a matched application does beyond the score: the tool's effect on the body and its sound, the
// step's rates, the speech it sets off, and the condition it forces.
#include <gtest/gtest.h>

#include "apply_tool_fixture.h"
#include "casualty/treatment_items.h"
#include "casualty/vitals.h"

namespace kestrine::testing {
namespace {

class EffectTest : public ApplyToolTest {
 protected:
  void SetUp() override {
    ApplyToolTest::SetUp();
    MakeBare(patient_);
  }

  // Puts a step for the tool at the location in track 0, the track staying where it is.
  TreatmentStep* Expect(TreatmentStep step) {
    TreatmentStep* list = table_.List({step});
    list[0].next = list;
    list[0].multiplier1 = list[0].multiplier2 = 1;
    patient_.currentLists[0] = list;
    return list;
  }

  TreatedPatient patient_;
};

// What one application of a tool leaves on a bare patient: the mark on the part (or the item hung on it),
// the tool's sound, and the picture or pose it sets off. -1: none expected.
TEST_F(EffectTest, EachToolLeavesItsMarkItsItemItsSoundAndItsPicture) {
  using Mark = uint32_t (*)(const Patient&);
  const Mark tourniquets = [](const Patient& p) { return p.tourniquetParts; };
  const Mark dressings = [](const Patient& p) { return p.dressingParts; };
  const Mark airways = [](const Patient& p) { return p.fittedAirways; };
  const Mark midSplint = [](const Patient& p) { return p.splintMasks[SIDE_INDEX_MIDLINE]; };
  const Mark leftSplint = [](const Patient& p) { return p.splintMasks[SIDE_INDEX_LEFT]; };
  const Mark rightSplint = [](const Patient& p) { return p.splintMasks[SIDE_INDEX_RIGHT]; };
  const Mark blanket = [](const Patient& p) { return p.blanketMask & (LOC_HEAD | LOC_FOOT); };  // head to foot
  const Mark rightSling = [](const Patient& p) { return p.cravatMasks[SIDE_INDEX_RIGHT]; };
  const Mark none = [](const Patient&) { return 0u; };
  struct Row {
    int32_t tool, part;
    Mark mark;
    uint32_t marked, items;
    int sound;
    bool loops;
    int32_t visual, pose;
  };
  const Row rows[] = {
      {TOOL_TOURNIQUET, PART_LEFT_THIGH, tourniquets, 1u << PART_LEFT_THIGH, 0, 67, false, VISUAL_LIMB_BANDS, -1},
      {TOOL_BANDAGE, PART_RIGHT_HAND, dressings, 1u << PART_RIGHT_HAND, 0, 57, false, VISUAL_DRESSING, -1},
      {TOOL_RIGID_SPLINT, PART_NECK, midSplint, LOC_NECK, ItemBit(ITEM_NECK_SPLINT), 65, true, -1, 16},
      {TOOL_RIGID_SPLINT, PART_LEFT_CALF, leftSplint, LOC_CALF, ItemBit(ITEM_LEFT_CALF_SPLINT), 65, true, -1, 16},
      {TOOL_RIGID_SPLINT, PART_RIGHT_THIGH, rightSplint, LOC_THIGH, ItemBit(ITEM_RIGHT_THIGH_SPLINT), 65, true, -1, 16},
      // The forearm's splint holds the elbow and the upper arm too.
      {TOOL_RIGID_SPLINT, PART_RIGHT_FOREARM, rightSplint, 0x1c0, ItemBit(ITEM_RIGHT_ARM_SPLINT), 65, true, -1, 16},
      // The cravat slings the arm it is tied on.
      {TOOL_CRAVAT, PART_RIGHT_FOREARM, rightSling, 0x1c0, ItemBit(ITEM_RIGHT_ARM_SLING), -1, false, -1, -1},
      // Fluids hang from the elbow of their side.
      {TOOL_HESPAN, PART_LEFT_ELBOW, none, 0, ItemBit(ITEM_LEFT_IV), -1, false, -1, -1},
      {TOOL_LACTATED_RINGERS, PART_RIGHT_ELBOW, none, 0, ItemBit(ITEM_RIGHT_IV), -1, false, -1, -1},
      {TOOL_NASAL_AIRWAY, PART_NOSE, airways, AIRWAY_NASAL, ItemBit(ITEM_NASAL_AIRWAY), -1, false, -1, -1},
      {TOOL_ET_TUBE, PART_MOUTH, airways, AIRWAY_ET_TUBE, 0, 61, false, -1, -1},
      {TOOL_AMBU_BAG_NASAL, PART_NOSE, none, 0, ItemBit(ITEM_AMBU_BAG), 56, true, -1, -1},
      {TOOL_BURN_BLANKET, PART_CHEST, blanket, LOC_HEAD | LOC_FOOT, ItemBit(ITEM_BURN_BLANKET), 60, false,
       VISUAL_BLANKET_ON, -1},
      // The stethoscope's sound plays even where there is no finding.
      {TOOL_STETHOSCOPE, PART_CHEST, none, 0, 0, 66, true, -1, -1},
      // The glove on an own soldier's neck takes out his dog tag.
      {TOOL_GLOVE, PART_NECK, none, 0, 0, -1, false, VISUAL_DOG_TAG, 16},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(std::string(kToolData[r.tool].name) + " to " + kBodyParts[r.part].displayName);
    for (int slot = kToolSoundFirst; slot <= kToolSoundLast; ++slot) Sounds().soundTable[slot]->Stop();
    TreatedPatient patient;
    MakeBare(patient);
    patient.ApplyTool(r.tool, r.part, 0, 0, 0);
    EXPECT_EQ(r.mark(patient), r.marked);
    EXPECT_EQ(patient.appliedItems, r.items);
    if (r.sound >= 0) {
      EXPECT_TRUE(Playing(r.sound));
      EXPECT_EQ(Looping(r.sound), r.loops);
    }
    EXPECT_TRUE(r.visual < 0 || patient.Showed(static_cast<TreatmentVisualKind>(r.visual)));
    EXPECT_TRUE(r.pose < 0 || patient.Animated(r.pose));
  }
}

// A second application takes the tourniquet or the blanket off again; a step without effect puts nothing
// on; each dressing stays on; the dog tag is an own soldier's only; the dead have no breath to hear.
TEST_F(EffectTest, TogglesStepsWithoutEffectAndWhoseBodyItIs) {
  Expect(Step(TOOL_TOURNIQUET, LOC_THIGH, 5, STEP_NO_EFFECT));
  patient_.ApplyTool(TOOL_TOURNIQUET, PART_RIGHT_THIGH, 0, 0, 0);
  EXPECT_EQ(patient_.score, 5);
  EXPECT_EQ(patient_.tourniquetParts, 0u);
  EXPECT_FALSE(Playing(67));
  Expect(Step(TOOL_TOURNIQUET, LOC_THIGH, 0));
  patient_.ApplyTool(TOOL_TOURNIQUET, PART_LEFT_THIGH, 0, 0, 0);
  patient_.ApplyTool(TOOL_TOURNIQUET, PART_LEFT_THIGH, 0, 0, 0);
  EXPECT_EQ(patient_.tourniquetParts, 0u);

  patient_.ApplyTool(TOOL_BURN_BLANKET, PART_CHEST, 0, 0, 0);
  patient_.ApplyTool(TOOL_BURN_BLANKET, PART_CHEST, 0, 0, 0);
  EXPECT_EQ(patient_.blanketMask, 0u);
  EXPECT_EQ(patient_.appliedItems, 0u);
  EXPECT_TRUE(patient_.Showed(VISUAL_BLANKET_OFF));

  patient_.ApplyTool(TOOL_BANDAGE, PART_RIGHT_HAND, 0, 0, 0);
  patient_.ApplyTool(TOOL_BANDAGE, PART_LEFT_HAND, 0, 0, 0);
  EXPECT_EQ(patient_.dressingParts, (1u << PART_RIGHT_HAND) | (1u << PART_LEFT_HAND));

  TreatedPatient enemy;
  MakeBare(enemy);
  enemy.appearance = 2;
  enemy.ApplyTool(TOOL_GLOVE, PART_NECK, 0, 0, 0);
  EXPECT_FALSE(enemy.Showed(VISUAL_DOG_TAG));

  Sounds().soundTable[66]->Stop();
  patient_.dead = 1;
  patient_.ApplyTool(TOOL_STETHOSCOPE, PART_CHEST, 0, 0, 0);
  EXPECT_FALSE(Playing(66));
}

TEST_F(EffectTest, ThePulseOxShowsTheFindingsReadOut) {
  ActiveStep reading;
  static_cast<TreatmentStep&>(reading) = Step(TOOL_PULSE_OX, LOC_HAND, 5, 0, "Pulse Ox to Hand:   low");
  reading.reading = "88/124";
  patient_.activeSteps.insert(patient_.activeSteps.begin(), reading);
  patient_.ApplyTool(TOOL_PULSE_OX, PART_LEFT_HAND, 0, 0, 0);
  EXPECT_EQ(patient_.pulseOxReadings[0], 88);
  EXPECT_EQ(patient_.pulseOxReadings[1], 124);
  EXPECT_EQ(patient_.pulseOxShown, 1);
  EXPECT_TRUE(Playing(64));
  EXPECT_TRUE(Looping(64));
}

TEST_F(EffectTest, TheBandageStopsThePoolsWhateverTheRateOtherStepsSetThemToTheNewRateNeverBelowZero) {
  patient_.bleedRate = 5;
  TreatmentStep bandage = Step(TOOL_BANDAGE, LOC_HAND, 5);
  bandage.bleedDelta = -1;
  Expect(bandage);
  patient_.ApplyTool(TOOL_BANDAGE, PART_RIGHT_HAND, 0, 0, 0);
  EXPECT_EQ(patient_.bleedRate, 4);
  ASSERT_FALSE(patient_.poolRates.empty());
  EXPECT_EQ(patient_.poolRates.back(), 0.0f);

  patient_.bleedRate = 3;
  patient_.secondRate = 2;
  TreatmentStep dressing = Step(TOOL_OCCLUSIVE_DRESSING, LOC_CHEST, 5);
  dressing.bleedDelta = -1;
  dressing.secondDelta = 4;
  Expect(dressing);
  patient_.ApplyTool(TOOL_OCCLUSIVE_DRESSING, PART_CHEST, 0, 0, 0);
  EXPECT_EQ(patient_.poolRates.back(), 2.0f);
  EXPECT_EQ(patient_.secondRate, 6);
  EXPECT_TRUE(Playing(58));
  patient_.bleedRate = -4;
  patient_.ApplyTool(TOOL_OCCLUSIVE_DRESSING, PART_CHEST, 0, 0, 0);
  EXPECT_EQ(patient_.poolRates.back(), 0.0f);
}

TEST_F(EffectTest, TheActionLiftsAnImpaledPatientOffTheObjectOnce) {
  patient_.currentWound = 2;
  patient_.impaled = 1;
  Expect(Step(TOOL_ACTION, LOC_ABDOMEN, 5));
  patient_.ApplyTool(TOOL_ACTION, PART_ABDOMEN, 0, 0, 0);
  EXPECT_TRUE(patient_.Showed(VISUAL_ROLL_OFF_OBJECT));
  EXPECT_TRUE(patient_.Showed(VISUAL_INJURY_PROP_START));
  EXPECT_EQ(patient_.impaled, 0);
  EXPECT_EQ(patient_.speechQueue[0].kind, 7);
  EXPECT_EQ(patient_.speechQueue[1].kind, 7);

  patient_.visuals.clear();
  patient_.ApplyTool(TOOL_ACTION, PART_ABDOMEN, 0, 0, 0);
  EXPECT_FALSE(patient_.Showed(VISUAL_ROLL_OFF_OBJECT));
  EXPECT_TRUE(patient_.Showed(VISUAL_INJURY_PROP_START));
}

TEST_F(EffectTest, TheSawTakesALegThatMayComeOffAndLeavesTenSeconds) {
  patient_.noBoots = 1;
  patient_.clockMs = 42000;
  Expect(Step(TOOL_SURVIVAL_SAW, LOC_CALF, 10, 0, "Survival Saw to Calf:   cut free"));
  patient_.ApplyTool(TOOL_SURVIVAL_SAW, PART_LEFT_CALF, 0, 0, 0);
  EXPECT_TRUE(patient_.Showed(VISUAL_LEG_STUMP));
  EXPECT_EQ(patient_.deathDeadline, 52000);
  EXPECT_EQ(patient_.timeBarLength, 52000);
  EXPECT_EQ(patient_.score, 10);
  EXPECT_EQ(patient_.LastChart(), "Survival Saw to Calf:   cut free");
  EXPECT_TRUE(patient_.Queued(7, "x"));
}

// Rolled over or back: onto the side away from his wound (a wound on both sides: onto his left), ten
// counts of turning, the pools changed over. The soldier pinned by his left leg is pulled out when that leg
// is first cut, and only then.
TEST_F(EffectTest, RollingTurnsHimAwayFromHisWoundAndTheFirstCutOfThePinnedLegPullsHimOut) {
  const struct {
    uint32_t wounded, onto;
  } kSides[] = {{LOC_LEFT, 0x40000000u}, {LOC_RIGHT, 0x80000000u}, {kSideBits, 0x80000000u}};
  for (const auto& side : kSides) {
    TreatedPatient p;
    MakeBare(p);
    p.sideBits = side.wounded;
    for (const int32_t rolled : {1, 0}) {
      p.visuals.clear();
      p.ApplyTool(TOOL_ROLLOVER_DRAG, PART_NECK, 0, 0, 0);
      EXPECT_EQ(p.rolledOver, rolled);
      EXPECT_EQ(p.rollDirection, side.onto);
      EXPECT_EQ(p.slideCounter, 10);
      EXPECT_TRUE(p.Showed(VISUAL_ROLL_OVER));
    }
  }
  const struct {
    int32_t wound, part, slide;
  } kCuts[] = {{6, PART_LEFT_CALF, -20}, {6, PART_RIGHT_CALF, -1}, {5, PART_LEFT_CALF, -1}};
  for (const auto& cut : kCuts) {
    TreatedPatient p;
    MakeBare(p);
    p.noBoots = 1;
    p.currentWound = cut.wound;
    p.ApplyTool(TOOL_SURVIVAL_SAW, cut.part, 0, 0, 0);
    EXPECT_EQ(p.slideCounter, cut.slide) << cut.wound << " " << cut.part;
    p.slideCounter = -1;
    p.ApplyTool(TOOL_SURVIVAL_SAW, cut.part, 0, 0, 0);
    EXPECT_EQ(p.slideCounter, -1) << "cut again";
  }
}

// A trouser leg cut takes away that leg's two pieces of the trousers; the trousers cut, all four.
TEST_F(EffectTest, CuttingTrousersTakesAwayTheirPiecesOfTheTrouserPicture) {
  const struct {
    int32_t part;
    uint32_t flags;
  } kCuts[] = {{PART_LEFT_THIGH, 0x2 | 0x8}, {PART_RIGHT_CALF, 0x1 | 0x4}, {PART_HIP, 0xf}, {PART_CHEST, 0}};
  for (const auto& cut : kCuts) {
    TreatedPatient p;
    p.ApplyTool(TOOL_SCISSORS, cut.part, 0, 0, 0);
    EXPECT_EQ(p.bodyFlags, cut.flags) << cut.part;
  }
}

TEST_F(EffectTest, TheCravatRestrainsThePsychoticCasualtyOnce) {
  patient_.currentWound = 41;
  patient_.ApplyTool(TOOL_CRAVAT, PART_LEFT_FOREARM, 0, 0, 0);
  patient_.ApplyTool(TOOL_CRAVAT, PART_RIGHT_FOREARM, 0, 0, 0);
  EXPECT_EQ(patient_.restrained, 1);
  EXPECT_EQ(std::count(patient_.animations.begin(), patient_.animations.end(), 46), 1);
  EXPECT_EQ(patient_.appliedItems, 0u) << "restraints are no sling";
}

// ---- speech ----

TEST_F(EffectTest, ARightActionAlwaysSaysItsClipAndAYellInTheTextSetsOffAYell) {
  SetUnlimitedSupplies(true);
  for (const char* text : {"Bandage to Hand:   he screams as it goes on", "Bandage to Hand:   he yelps"}) {
    TreatmentStep step = Step(TOOL_BANDAGE, LOC_HAND, 5, 0, text);
    step.clip = "bandhand";
    Expect(step);
    for (uint32_t seed = 1; seed <= 8; ++seed) {
      srand(seed);
      patient_.speechCount = 0;
      patient_.ApplyTool(TOOL_BANDAGE, PART_RIGHT_HAND, 0, 0, 0);
      EXPECT_TRUE(patient_.Queued(7, "x")) << text << ", seed " << seed;
      EXPECT_TRUE(patient_.Queued(1, "bandhand")) << seed;
      EXPECT_FALSE(patient_.Queued(3, ToolTable[TOOL_BANDAGE].speechKey)) << "no wrong-move remark after a right one";
    }
  }
}

TEST_F(EffectTest, AVialSpeaksWithItsDrawersKey) {
  Expect(Step(TOOL_MORPHINE, LOC_ELBOW, 5));
  SetUnlimitedSupplies(true);
  bool toolSpoke = false;
  for (uint32_t seed = 1; seed <= 40 && !toolSpoke; ++seed) {
    srand(seed);
    patient_.speechCount = 0;
    patient_.ApplyTool(TOOL_MORPHINE, PART_RIGHT_ELBOW, 0, 0, 0);
    toolSpoke = patient_.Queued(2, "medsyr");
  }
  EXPECT_TRUE(toolSpoke) << "one time in five the patient speaks about the syringe";
}

// ---- condition ----

TEST_F(EffectTest, AStepForcesItsConditionAndItsFlagsStopTheClockAndTheSpurt) {
  patient_.clockMs = 5000;
  patient_.spurting = 1;
  TreatmentStep step = Step(TOOL_ACTION, LOC_ABDOMEN, 0, STEP_STOPS_CLOCK | STEP_STOPS_SPURT);
  step.forcedCondition = FORCED_MAJOR_SHOCK;
  Expect(step);
  patient_.ApplyTool(TOOL_ACTION, PART_ABDOMEN, 0, 0, 0);
  EXPECT_EQ(patient_.shockState, SHOCK_MAJOR);
  EXPECT_EQ(patient_.paused, 1);
  EXPECT_EQ(patient_.spurting, 0);
  EXPECT_EQ(patient_.chartEntries.count, 1) << "a forced condition comes without a warning";

  TreatmentStep fatal = Step(TOOL_SURVIVAL_SAW, LOC_CALF, 0);
  fatal.forcedCondition = FORCED_DEATH;
  Expect(fatal);
  patient_.noBoots = 1;
  patient_.ApplyTool(TOOL_SURVIVAL_SAW, PART_RIGHT_CALF, 0, 0, 0);
  EXPECT_EQ(patient_.dead, 1);
}

}  // namespace
}  // namespace kestrine::testing
