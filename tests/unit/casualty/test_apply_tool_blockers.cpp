// What stands in a tool's way: clothing (and the scissors that cut it), the patient rolled over, a splint
// under the scalpel, the burn blanket and a cravat. Every refusal leaves only the record behind.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "apply_tool_fixture.h"
#include "casualty/treatment_blockers.h"
#include "casualty/treatment_items.h"

namespace kestrine::testing {
namespace {

class BlockerTest : public ApplyToolTest {
 protected:
  // Applies a tool that must be refused with `message`, and checks that only the record came of it.
  void ExpectRefused(TreatedPatient& patient, int32_t tool, int32_t part, const std::string& message) {
    const int32_t records = patient.actionRecords.count;
    const int32_t score = patient.score;
    const int32_t mission = Progress().missionScore;
    const int32_t charted = patient.chartEntries.count;
    const int32_t stock = Pack().count[tool];
    const size_t shown = patient.visuals.size();
    const size_t remarks = patient.remarks.size();
    patient.ApplyTool(tool, part, 0, 0, 0);
    ASSERT_EQ(patient.remarks.size(), remarks + 1);
    EXPECT_EQ(patient.LastRemark(), message);
    EXPECT_EQ(patient.actionRecords.count, records + 1);
    EXPECT_EQ(patient.score, score);
    EXPECT_EQ(Progress().missionScore, mission);
    EXPECT_EQ(patient.chartEntries.count, charted);
    EXPECT_EQ(Pack().count[tool], stock);
    EXPECT_EQ(patient.visuals.size(), shown);
  }

  static bool CutMaterial(const TreatedPatient& patient, const char* material) {
    for (const TreatmentVisual& v : patient.visuals) {
      if (v.kind == VISUAL_CLOTHING_CUT && std::strcmp(v.material, material) == 0) return true;
    }
    return false;
  }
};

TEST_F(BlockerTest, ClothingKeepsBareSkinToolsOffUntilTheScissorsCutIt) {
  TreatedPatient patient;
  SetUpWound(patient, WOUND_EVISCERATION, nullptr);
  patient.ApplyTool(TOOL_ACTION, PART_ABDOMEN, 0, 0, 0);  // pushing the bowel back needs no bare skin
  const int32_t afterAction = patient.score;
  EXPECT_GT(afterAction, 0);

  ExpectRefused(patient, TOOL_OCCLUSIVE_DRESSING, PART_ABDOMEN, kClothingInTheWay);

  patient.ApplyTool(TOOL_SCISSORS, PART_ABDOMEN, 0, 0, 0);
  EXPECT_TRUE(CutMaterial(patient, "u_waist1"));
  EXPECT_TRUE(CutMaterial(patient, "u_butt2"));
  EXPECT_TRUE(CutMaterial(patient, "u_left_leg1"));
  EXPECT_TRUE(CutMaterial(patient, "u_right_leg1"));
  EXPECT_FALSE(patient.Showed(VISUAL_BARE_SKIN)) << "bare skin is a developer view";
  EXPECT_EQ(patient.clothingMasks[SIDE_INDEX_MIDLINE], 0x6000u) << "chest and back stay covered";
  EXPECT_EQ(patient.clothingMasks[SIDE_INDEX_RIGHT], 0x11c0u) << "the boots and sleeves stay on";
  EXPECT_EQ(patient.clothingMasks[SIDE_INDEX_LEFT], 0x11c0u);

  patient.ApplyTool(TOOL_OCCLUSIVE_DRESSING, PART_ABDOMEN, 0, 0, 0);
  EXPECT_GT(patient.score, afterAction);
}

TEST_F(BlockerTest, ScissorsCutEachPieceByTheTable) {
  struct Case {
    int32_t part;
    BodyLocation right, left, midline;
    const char* alsoCut;
  };
  const Case cases[] = {
      {PART_LEFT_FOOT, 0x1fc0, 0x0fc0, 0x3e000, "leftfoot_l_boot"},
      {PART_RIGHT_FOOT, 0x0fc0, 0x1fc0, 0x3e000, "feet2_r_boot"},
      {PART_LEFT_EAR, 0x1fc0, 0x1fc0, 0x3e000, "in_helm"},
      {PART_BACK, 0x1e00, 0x1e00, 0x30000, "u_chest"},
      {PART_BUTTOCKS, 0x11c0, 0x11c0, 0x06000, "u_waist1"},
      {PART_RIGHT_UPPER_ARM, 0x1e00, 0x1fc0, 0x3e000, "u_right_arm1"},
      {PART_LEFT_THIGH, 0x1fc0, 0x11c0, 0x3e000, "u_left_leg1"},
  };
  for (const Case& c : cases) {
    TreatedPatient patient;
    patient.ApplyTool(TOOL_SCISSORS, c.part, 0, 0, 0);
    EXPECT_EQ(patient.clothingMasks[SIDE_INDEX_RIGHT], c.right) << kBodyParts[c.part].displayName;
    EXPECT_EQ(patient.clothingMasks[SIDE_INDEX_LEFT], c.left) << kBodyParts[c.part].displayName;
    EXPECT_EQ(patient.clothingMasks[SIDE_INDEX_MIDLINE], c.midline) << kBodyParts[c.part].displayName;
    EXPECT_TRUE(CutMaterial(patient, c.alsoCut)) << kBodyParts[c.part].displayName;
  }
  // Hands and neck wear nothing to cut.
  TreatedPatient patient;
  patient.ApplyTool(TOOL_SCISSORS, PART_NECK, 0, 0, 0);
  EXPECT_FALSE(patient.Showed(VISUAL_CLOTHING_CUT));
  // With skin-cut mode the skin under the cut shows.
  SetSkinCut(true);
  patient.ApplyTool(TOOL_SCISSORS, PART_HEAD, 0, 0, 0);
  ASSERT_TRUE(patient.Showed(VISUAL_BARE_SKIN));
  for (const TreatmentVisual& v : patient.visuals) {
    if (v.kind == VISUAL_BARE_SKIN) {
      EXPECT_STREQ(v.material, "head1");
    }
  }
}

TEST_F(BlockerTest, AirwaysBagsAndDripsWaitUntilHeIsOnHisBack) {
  TreatedPatient patient;
  MakeBare(patient);
  patient.currentLists[0] = table_.List({Step(TOOL_NASAL_AIRWAY, LOC_NOSE, 5)});
  patient.rolledOver = 1;
  ExpectRefused(patient, TOOL_NASAL_AIRWAY, PART_NOSE, kRolledOverInTheWay);
  ExpectRefused(patient, TOOL_HESPAN, PART_LEFT_ELBOW, kRolledOverInTheWay);
  ExpectRefused(patient, TOOL_AMBU_BAG, PART_MOUTH, kRolledOverInTheWay);
  patient.rolledOver = 0;
  patient.ApplyTool(TOOL_NASAL_AIRWAY, PART_NOSE, 0, 0, 0);
  EXPECT_EQ(patient.score, 5);
}

TEST_F(BlockerTest, AScalpelCannotCutWhereARigidSplintHolds) {
  TreatedPatient patient;
  MakeBare(patient);
  patient.ApplyTool(TOOL_RIGID_SPLINT, PART_RIGHT_THIGH, 0, 0, 0);
  EXPECT_EQ(patient.splintMasks[SIDE_INDEX_RIGHT], static_cast<BodyLocation>(LOC_THIGH));
  ExpectRefused(patient, TOOL_SURGERY_SCALPEL, PART_RIGHT_THIGH, kSplintInTheWay);

  patient.ApplyTool(TOOL_RIGID_SPLINT, PART_NECK, 0, 0, 0);
  ExpectRefused(patient, TOOL_CRICH_SCALPEL, PART_NECK, kSplintInTheWay);

  // The other thigh is free.
  EXPECT_EQ(FindBlocker(patient, TOOL_SURGERY_SCALPEL, PART_LEFT_THIGH), nullptr);
}

TEST_F(BlockerTest, TheBurnBlanketCoversEveryPartUntilItIsTakenOff) {
  TreatedPatient patient;
  MakeBare(patient);
  // The healthy lists know the blanket as on and off.
  TreatmentStep* off = table_.List({Step(TOOL_BURN_BLANKET, LOC_CHEST, 0, 0, "Burn Blanket:   on")});
  TreatmentStep* on = table_.List({Step(TOOL_BURN_BLANKET, LOC_CHEST, 0, STEP_REMOVAL, "Burn Blanket:   off")});
  off[0].next = on;
  on[0].next = off;
  patient.healthyLists[3] = off;

  patient.ApplyTool(TOOL_BURN_BLANKET, PART_CHEST, 0, 0, 0);
  EXPECT_NE(patient.blanketMask, 0u);
  EXPECT_EQ(Pack().count[TOOL_BURN_BLANKET], kFullStock - 1);

  ExpectRefused(patient, TOOL_BANDAGE, PART_RIGHT_HAND, kBlanketInTheWay);
  // The scissors are refused before they cut anything under it.
  patient.clothingMasks[SIDE_INDEX_LEFT] = kLimbClothing;
  ExpectRefused(patient, TOOL_SCISSORS, PART_LEFT_THIGH, kBlanketInTheWay);
  EXPECT_EQ(patient.clothingMasks[SIDE_INDEX_LEFT], kLimbClothing);

  patient.ApplyTool(TOOL_BURN_BLANKET, PART_CHEST, 0, 0, 0);
  EXPECT_EQ(patient.blanketMask, 0u);
  EXPECT_EQ(Pack().count[TOOL_BURN_BLANKET], kFullStock) << "the blanket taken off goes back in the pack";
  EXPECT_EQ(FindBlocker(patient, TOOL_BANDAGE, PART_RIGHT_HAND), nullptr);
}

TEST_F(BlockerTest, ASlingKeepsBareSkinToolsAndTheSplintOffItsArmAndTheHipWrapKeepsSlingsOff) {
  TreatedPatient patient;
  MakeBare(patient);
  patient.ApplyTool(TOOL_CRAVAT, PART_LEFT_FOREARM, 0, 0, 0);
  EXPECT_NE(patient.appliedItems & ItemBit(ITEM_LEFT_ARM_SLING), 0u);
  EXPECT_EQ(patient.cravatMasks[SIDE_INDEX_LEFT], 0x1c0u);

  ExpectRefused(patient, TOOL_BANDAGE, PART_LEFT_FOREARM, kCravatInTheWay);
  ExpectRefused(patient, TOOL_RIGID_SPLINT, PART_LEFT_UPPER_ARM, kCravatInTheWay);
  EXPECT_EQ(FindBlocker(patient, TOOL_BANDAGE, PART_RIGHT_FOREARM), nullptr) << "the other arm is free";

  // Untying the sling is the cravat again on the same arm.
  patient.ApplyTool(TOOL_CRAVAT, PART_LEFT_ELBOW, 0, 0, 0);
  EXPECT_EQ(patient.appliedItems & ItemBit(ITEM_LEFT_ARM_SLING), 0u);
  EXPECT_EQ(patient.cravatMasks[SIDE_INDEX_LEFT], 0u);
  EXPECT_EQ(FindBlocker(patient, TOOL_BANDAGE, PART_LEFT_FOREARM), nullptr);

  // With the hip wrap on no sling can be tied.
  patient.ApplyTool(TOOL_CRAVAT, PART_HIP, 0, 0, 0);
  EXPECT_NE(patient.appliedItems & ItemBit(ITEM_HIP_WRAP), 0u);
  ExpectRefused(patient, TOOL_CRAVAT, PART_RIGHT_FOREARM, kCravatInTheWay);
  patient.ApplyTool(TOOL_CRAVAT, PART_HIP, 0, 0, 0);
  EXPECT_EQ(patient.appliedItems & ItemBit(ITEM_HIP_WRAP), 0u);
  EXPECT_EQ(FindBlocker(patient, TOOL_CRAVAT, PART_RIGHT_FOREARM), nullptr);
}

}  // namespace
}  // namespace kestrine::testing
