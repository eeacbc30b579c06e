// The evisceration treated with real tools on real body parts, in both orders; and a saved treatment
// replayed, which must end where live play ended without a sound, a word or a used-up item.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "apply_tool_fixture.h"
#include "shell/mission_progress.h"

namespace kestrine::testing {
namespace {

using WoundTreatmentTest = ApplyToolTest;

// Wound 0, treated: bowel pushed back, then dressed, then morphine.
void TreatEvisceration(TreatedPatient& patient, bool pushBackFirst) {
  patient.ApplyTool(TOOL_SCISSORS, PART_ABDOMEN, 0, 0, 0);
  patient.ApplyTool(TOOL_GLOVE, PART_HEAD, 0, 0, 0);
  if (pushBackFirst) patient.ApplyTool(TOOL_ACTION, PART_ABDOMEN, 0, 0, 0);
  patient.ApplyTool(TOOL_OCCLUSIVE_DRESSING, PART_ABDOMEN, 0, 0, 0);
  patient.ApplyTool(TOOL_SCISSORS, PART_LEFT_ELBOW, 0, 0, 0);
}

TEST_F(WoundTreatmentTest, TheOcclusiveDressingAfterThePushBackDoublesTheMorphine) {
  TreatedPatient doubled;
  SetUpWound(doubled, WOUND_EVISCERATION, nullptr);
  TreatEvisceration(doubled, true);
  EXPECT_EQ(doubled.multipliers[1], 2);
  const int32_t before = doubled.score;
  doubled.ApplyTool(TOOL_MORPHINE, PART_LEFT_ELBOW, 0, 0, 0);
  EXPECT_EQ(doubled.score - before, 10);
  EXPECT_EQ(doubled.LastChart(), "Medicine Syringe:   10 mg morphine injected.");

  TreatedPatient plain;
  SetUpWound(plain, WOUND_EVISCERATION, nullptr);
  TreatEvisceration(plain, false);
  EXPECT_EQ(plain.multipliers[1], 1);
  const int32_t plainBefore = plain.score;
  plain.ApplyTool(TOOL_MORPHINE, PART_LEFT_ELBOW, 0, 0, 0);
  EXPECT_EQ(plain.score - plainBefore, 5);
}

// ---- replay ----

// Everything treatment leaves on a patient, as one text to compare.
std::string Snapshot(const TreatedPatient& p) {
  std::ostringstream s;
  s << "score " << p.score << " mistakes " << p.mistakes << " rates " << p.bleedRate << "," << p.secondRate;
  for (int32_t m : p.multipliers) s << " x" << m;
  for (const TreatmentStep* c : p.currentLists) s << " cursor " << c;
  for (const TreatmentStep* c : p.healthyLists) s << " cursor " << c;
  for (const TreatmentStep* c : p.kitLists) s << " cursor " << c;
  for (const ActiveStep& slot : p.activeSteps) s << " slot " << slot.points;
  for (const char* entry : p.chartEntries) s << "\nchart " << entry;
  for (const LoggedAction& a : p.doneSteps) s << "\ndone " << a.step->action << " at " << a.location;
  for (const LoggedAction& a : p.wrongActions) s << "\nwrong " << a.step->action;
  for (BodyLocation mask : p.clothingMasks) s << "\nclothing " << mask;
  s << "\ntourniquets " << p.tourniquetParts << " dressings " << p.dressingParts << " items " << p.appliedItems;
  s << "\nlast " << (p.lastStep != nullptr ? p.lastStep->action : "");
  return s.str();
}

TEST_F(WoundTreatmentTest, ReplayingTheSavedRecordsEndsWhereLivePlayEndedWithNothingEmitted) {
  ChooseDifficulty(1);
  TreatedPatient live;
  SetUpWound(live, WOUND_EVISCERATION, nullptr);
  const int32_t liveMaximum = Progress().missionScore;
  TreatEvisceration(live, true);
  live.ApplyTool(TOOL_MORPHINE, PART_LEFT_ELBOW, 0, 0, 0);
  live.ApplyTool(TOOL_OCCLUSIVE_DRESSING, PART_CHEST, 0, 0, 0);  // refused: the shirt is still on
  live.ApplyTool(TOOL_BANDAGE, PART_RIGHT_HAND, 0, 0, 0);        // nothing wrong with his hand
  live.ApplyTool(TOOL_TOURNIQUET, PART_RIGHT_THIGH, 0, 0, 0);
  live.clockMs = 9000;
  SetToolCount(TOOL_BANDAGE, 0);
  live.ApplyTool(TOOL_BANDAGE, PART_LEFT_HAND, 0, 0, 0);  // none left
  const int32_t liveGain = Progress().missionScore - liveMaximum;
  ASSERT_GT(live.score, 0);
  ASSERT_GE(live.actionRecords.count, 10);
  const std::string liveState = Snapshot(live);

  // The saved game: the pack as it was saved and silent sounds; the loader replays every record.
  int32_t savedPack[kToolCount];
  for (int i = 0; i < kToolCount; ++i) savedPack[i] = Pack().count[i];
  for (int slot = kToolSoundFirst; slot <= kToolSoundLast; ++slot) Sounds().soundTable[slot]->Stop();
  srand(77);
  const uint32_t generator = RandomState();

  SetReplayingSave(true);
  TreatedPatient replayed;
  replayed.side = live.side;
  replayed.sideBits = live.sideBits;
  SetUpWound(replayed, WOUND_EVISCERATION, nullptr);
  const int32_t replayMaximum = Progress().missionScore;
  for (const ActionRecord& record : live.actionRecords) {
    replayed.clockMs = record.clockMs;
    replayed.ApplyTool(record.tool, record.part, 0, 0, record.stock);
  }
  SetReplayingSave(false);

  EXPECT_EQ(Snapshot(replayed), liveState);
  EXPECT_EQ(Progress().missionScore - replayMaximum, liveGain);
  ASSERT_EQ(replayed.actionRecords.count, live.actionRecords.count);
  for (int i = 0; i < live.actionRecords.count; ++i) {
    EXPECT_EQ(replayed.actionRecords.entries[i].stock, live.actionRecords.entries[i].stock) << "record " << i;
  }
  EXPECT_TRUE(replayed.remarks.empty());
  EXPECT_EQ(replayed.speechCount, 0);
  EXPECT_FALSE(AnyToolSoundPlaying());
  EXPECT_EQ(RandomState(), generator) << "nothing was drawn for speech";
  for (int i = 0; i < kToolCount; ++i) EXPECT_EQ(Pack().count[i], savedPack[i]) << "tool " << i;
}

}  // namespace
}  // namespace kestrine::testing
