// The after-action report: the mission's result and scores, each casualty's treatments, the style bytes the
// debriefing reads, its bounds, and the casualties let go on the way.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "casualty/after_action_report.h"
#include "casualty/casualty_slots.h"
#include "casualty/report_lines.h"
#include "casualty_view/patient_view_teardown.h"
#include "shell/mission_frames.h"
#include "shell/mission_progress.h"
#include "wound_fixture.h"

namespace kestrine::testing {
namespace {

constexpr TreatmentStep kEnd{};
constexpr TreatmentStep kTourniquetTakenOff{.tool = TOOL_TOURNIQUET, .location = LOC_THIGH, .flags = STEP_REMOVAL};
constexpr TreatmentStep kSplintNotNeeded{.tool = TOOL_RIGID_SPLINT, .location = LOC_FOREARM, .points = -1};
constexpr TreatmentStep kMovedTooSoon{.tool = TOOL_ROLLOVER_DRAG, .location = LOC_NECK, .points = -1};

const std::string kRule = "\x01" + std::string(kReportRuleLength, '-');

std::vector<std::string> Report() {
  std::vector<std::string> lines;
  const ReportLines& report = kestrine::Report();
  for (int i = 0; i < report.reportLineCount; ++i) lines.emplace_back(report.reportLines[i]);
  return lines;
}

class ReportTest : public WoundTest {
 protected:
  void SetUp() override {
    WoundTest::SetUp();
    GoToMission(3);
    EndMission(static_cast<MissionEnd>(3));  // no end is named 3: the report words no result
    MissionProgress campaign = Progress();
    campaign.campaignScore = 200;
    campaign.campaignMaximum = 300;
    RestoreProgress(campaign);
  }

  // A patient of wound `row` in a slot, seen in the patient view or not, with no finding left worth points.
  VitalsPatient& Place(int slot, int32_t row, int32_t appearance, int32_t visited) {
    auto patient = std::make_unique<VitalsPatient>(&releases_);
    SetUpWound(*patient, row, nullptr);
    for (ActiveStep& finding : patient->activeSteps) finding.points = 0;
    patient->appearance = appearance;
    patient->visited = visited;
    VitalsPatient& placed = *patient;
    PlaceCasualty(slot, std::move(patient));
    return placed;
  }

  // The heading of a patient's part of the report for a wound; the description is for novices only.
  static std::vector<std::string> WoundHeading(int32_t row) {
    const WoundType& wound = WoundTypeTable[row];
    std::vector<std::string> lines = {kRule};
    for (int i = 0; i < wound.titleLineCount; ++i) lines.push_back(std::string("\x01\x05") + wound.titleLines[i]);
    for (int i = 0; i < wound.descriptionLineCount && Campaign().difficulty == 0; ++i)
      lines.push_back(wound.descriptionLines[i]);
    lines.push_back("");
    return lines;
  }

  static void Append(std::vector<std::string>& to, const std::vector<std::string>& lines) {
    to.insert(to.end(), lines.begin(), lines.end());
  }

  static bool AllSlotsEmpty() {
    for (int slot = 0; slot < kCasualtySlotCount; ++slot) {
      if (HasCasualty(slot)) return false;
    }
    return true;
  }

  int releases_ = 0;
};

// ---- the whole report ----

TEST_F(ReportTest, GoldenReportForAMissionWithFourCasualties) {
  const StepList* faceTrack = WoundTypeTable[WOUND_FACE_LACERATIONS].lists[0];
  const TreatmentStep* faceBandage = FindStep(faceTrack, TOOL_BANDAGE, LOC_HEAD);
  ASSERT_NE(faceBandage, nullptr);
  ASSERT_TRUE(faceBandage->flags & STEP_HINT);

  // Slot 0: an own soldier, his face bandaged and his arm examined, rightly sent back to his unit.
  VitalsPatient& first = Place(0, WOUND_FACE_LACERATIONS, 1, 1);
  ASSERT_EQ(first.side, 0);
  first.activeSteps[0].points = 5;  // the head exam still to do
  const ActiveStep* armExam = FindSlot(first, TOOL_GLOVE, LOC_UPPER_ARM, STEP_SIDE_WOUNDED);
  ASSERT_NE(armExam, nullptr);
  first.doneSteps.Append({0xc0040000, faceBandage});
  first.doneSteps.Append({LOC_RIGHT | armExam->location, armExam});
  first.doneSteps.Append({0x40000200, &kTourniquetTakenOff});
  first.wrongActions.Append({0x80000100, &kSplintNotNeeded});
  first.wrongActions.Append({0xc0000008, &kMovedTooSoon});
  first.wrongActions.Append({0x40000200, &kTourniquetTakenOff});
  first.verdict = VERDICT_RIGHT;
  // Slot 1: the enemy leader, well treated, never opened.
  VitalsPatient& leader = Place(1, WOUND_EVISCERATION, 3, 0);
  leader.score = 9;
  leader.maxScore = 10;
  // Slot 3: an own soldier never opened.
  Place(3, WOUND_FACE_LACERATIONS, 0, 0);
  // Slot 4: an enemy wrongly sent back to action, nothing done.
  VitalsPatient& enemy = Place(4, WOUND_FACE_LACERATIONS, 2, 1);
  enemy.verdict = VERDICT_WRONG;
  SetCurrentPatient(&enemy);

  EndMission(END_EVACUATED);
  SetEarlyFinishTime(95000);
  SetMissionScores(40, 100);
  SetLoserEnding(false);
  TearDownPatientView(true);

  std::vector<std::string> expected = {"\x01Time Bonus:         3", "\x01Mission Score: 43/100",
                                       "\x01Total Score:       243/400", ""};
  Append(expected, WoundHeading(WOUND_FACE_LACERATIONS));
  Append(expected,
         {"\x01\x03"
          "Correct treatments:",
          "Bandage to head", "Glove to right upper arm", "Removed Tourniquet from right thigh", "Returned to action",
          "", "\x01\x04Missed treatments:", "Glove to head", "Bandage to right upper arm", "",
          "\x01\x02Unnecessary treatments:", "Rigid Splint to left forearm", "Moved before stabilizing", "", "", ""});
  Append(expected, {"Vidoduv captured"});
  Append(expected, WoundHeading(WOUND_FACE_LACERATIONS));
  Append(expected, {"\x01\x03"
                    "Correct treatments:",
                    "", "\x01\x04Missed treatments:", "Bandage to head", "Bandage to right upper arm", "",
                    "\x01\x02Unnecessary treatments:", "Attempted return to action", ""});
  EXPECT_EQ(Report(), expected);
  EXPECT_EQ(Progress().missionScore, 43);
  EXPECT_EQ(Outcome().loserEnding, 0) << "the leader was captured";
  EXPECT_EQ(releases_, 4) << "every casualty let go once";
  EXPECT_TRUE(AllSlotsEmpty());
  EXPECT_EQ(Slots().currentPatient, nullptr);
}

TEST_F(ReportTest, VerdictLinesFollowTheCallAndWhoHeIs) {
  struct Case {
    int32_t appearance;
    int32_t verdict;
    const char* correct;      // after "Correct treatments:"
    const char* missed;       // after "Missed treatments:" and the wound's two missed bandages
    const char* unnecessary;  // after "Unnecessary treatments:"
  };
  const Case cases[] = {
      {0, VERDICT_NONE, nullptr, "Return to action", nullptr},
      {2, VERDICT_NONE, nullptr, "Ready for Evac", nullptr},
      {1, VERDICT_RIGHT, "Returned to action", nullptr, nullptr},
      {2, VERDICT_RIGHT, "Called for Evac", nullptr, nullptr},
      {0, VERDICT_WRONG, nullptr, nullptr, "Readied for Evac"},
      {2, VERDICT_WRONG, nullptr, nullptr, "Attempted return to action"},
  };
  ASSERT_GT(WoundTypeTable[WOUND_FACE_LACERATIONS].descriptionLineCount, 0);
  for (const Case& c : cases) {
    ChooseDifficulty(c.verdict == VERDICT_WRONG ? 1 : 0);  // past novice, no description
    ClearReport();
    VitalsPatient& patient = Place(0, WOUND_FACE_LACERATIONS, c.appearance, 1);
    patient.verdict = c.verdict;
    WriteAfterActionReport();
    std::vector<std::string> expected = {"\x01Mission Score: " + std::to_string(Progress().missionScore) + "/" +
                                             std::to_string(Progress().missionMaximum),
                                         "\x01Total Score:       " + std::to_string(200 + Progress().missionScore) +
                                             "/" + std::to_string(300 + Progress().missionMaximum),
                                         ""};
    Append(expected, WoundHeading(WOUND_FACE_LACERATIONS));
    expected.push_back(
        "\x01\x03"
        "Correct treatments:");
    if (c.correct) expected.push_back(c.correct);
    Append(expected, {"", "\x01\x04Missed treatments:", "Bandage to head", "Bandage to right upper arm"});
    if (c.missed) expected.push_back(c.missed);
    Append(expected, {"", "\x01\x02Unnecessary treatments:"});
    if (c.unnecessary) expected.push_back(c.unnecessary);
    expected.push_back("");
    EXPECT_EQ(Report(), expected) << "appearance " << c.appearance << ", verdict " << c.verdict;
  }
}

// ---- the mission's end and the scores ----

TEST_F(ReportTest, TheMissionEndFlagWordsTheResultAndMovesTheScore) {
  struct Case {
    int32_t flag;
    int32_t scoreBefore;
    std::vector<std::string> lines;  // before the score lines
    int32_t scoreAfter;
  };
  SetEarlyFinishTime(240000);  // a point for every whole 30 s left: 8
  SetExtractionBonus(12);
  const Case cases[] = {
      {1, 40, {"\x01Time Bonus:         8"}, 48},
      {2, 40, {"\x01Time ran out"}, 40},
      {3, 40, {}, 40},
      {4, 40, {"\x01You performed improper treatments!"}, 0},
      {4, -7, {"\x01You performed improper treatments!"}, -7},
      {5, 40, {"\x01You were shooting at our own!"}, 0},
      {5, -7, {"\x01You were shooting at our own!"}, -7},
      {6,
       40,
       {"\x01Not all wounded extracted properly:",
        "\x01"
        "12 point deduction",
        ""},
       28},
  };
  for (const Case& c : cases) {
    EndMission(static_cast<MissionEnd>(c.flag));
    SetMissionScores(c.scoreBefore, 90);
    WriteAfterActionReport();
    std::vector<std::string> expected = c.lines;
    Append(expected, {"\x01Mission Score: " + std::to_string(c.scoreAfter) + "/90",
                      "\x01Total Score:       " + std::to_string(200 + c.scoreAfter) + "/390", ""});
    EXPECT_EQ(Report(), expected) << "flag " << c.flag << ", score " << c.scoreBefore;
    EXPECT_EQ(Progress().missionScore, c.scoreAfter) << "flag " << c.flag;
  }
}

TEST_F(ReportTest, OnlyCampaignMissionsShowTheTotal) {
  GoToMission(12);
  SetMissionScores(15, 30);
  WriteAfterActionReport();
  EXPECT_EQ(Report(), (std::vector<std::string>{"\x01Mission Score: 15/30", ""}));
  GoToMission(10);
  WriteAfterActionReport();
  EXPECT_EQ(Report(), (std::vector<std::string>{"\x01Mission Score: 15/30", "\x01Total Score:       215/330", ""}));
}

TEST_F(ReportTest, TheFirstTrainingMissionScoresItselfAndListsNoCasualty) {
  GoToMission(kTrainingMission);
  EndMission(END_TIME_OUT);
  VitalsPatient& leader = Place(0, WOUND_EVISCERATION, 3, 1);
  leader.score = 10;
  leader.maxScore = 10;
  Place(1, WOUND_FACE_LACERATIONS, 0, 1);
  SetMissionScores(12, 50);
  SetLoserEnding(false);
  TearDownPatientView(true);
  EXPECT_EQ(Report(), (std::vector<std::string>{"\x01Time ran out", ""}));
  EXPECT_EQ(Progress().missionMaximum, 12) << "the maximum becomes what was scored";
  EXPECT_EQ(Outcome().loserEnding, 1) << "the leader was not judged";
  EXPECT_EQ(releases_, 2);
  EXPECT_TRUE(AllSlotsEmpty());
}

// ---- the enemy leader ----

TEST_F(ReportTest, TheEnemyLeaderIsCapturedOnlyAliveAndTreatedToMoreThan79Percent) {
  struct Case {
    int32_t score;
    int32_t maxScore;
    int32_t dead;
    const char* line;
    uint8_t loserEnding;
  };
  const Case cases[] = {
      {80, 100, 0, "Vidoduv captured", 0},
      {79, 100, 0, "Vidoduv not properly treated: 79/100", 1},
      {100, 100, 1, "Vidoduv died", 1},
      {0, 0, 0, "Vidoduv not properly treated: 0/0", 1},
      {-5, 100, 0, "Vidoduv not properly treated: -5/100", 1},
  };
  for (const Case& c : cases) {
    VitalsPatient& leader = Place(2, WOUND_EVISCERATION, 3, 0);
    leader.score = c.score;
    leader.maxScore = c.maxScore;
    leader.dead = c.dead;
    WriteAfterActionReport();
    const std::vector<std::string> lines = Report();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), c.line) << c.score << "/" << c.maxScore;
    EXPECT_EQ(Outcome().loserEnding, c.loserEnding) << c.score << "/" << c.maxScore;
  }
}

// ---- missed treatments ----

TEST_F(ReportTest, AStepIsDoneOnlyWithTheSameToolPlaceSideAndDirection) {
  VitalsPatient patient;
  const TreatmentStep bandage{
      .tool = TOOL_BANDAGE, .location = LOC_UPPER_ARM, .flags = STEP_HINT, .side = STEP_SIDE_WOUNDED};
  TreatmentStep logged = bandage;
  patient.doneSteps.Append({0x40000080, &logged});
  EXPECT_TRUE(IsStepDone(patient, bandage));
  logged.side = STEP_SIDE_OTHER;
  EXPECT_FALSE(IsStepDone(patient, bandage));
  logged = bandage;
  logged.location = LOC_FOREARM;
  EXPECT_FALSE(IsStepDone(patient, bandage));
  logged = bandage;
  logged.flags |= STEP_REMOVAL;
  EXPECT_FALSE(IsStepDone(patient, bandage)) << "taking it off is not putting it on";
  logged = bandage;
  logged.tool = TOOL_CRAVAT;
  EXPECT_FALSE(IsStepDone(patient, bandage));
}

TEST_F(ReportTest, AKitProcedureRunToItsEndIsNotMissed) {
  // The wound asks for the crich kit on the neck; the kit logs its own parts' steps.
  const TreatmentStep woundStep{.tool = TOOL_CRICH_KIT, .location = LOC_NECK, .points = 15, .flags = STEP_HINT};
  const TreatmentStep tubeLast{.tool = TOOL_CRICH_TUBE, .location = LOC_NECK, .points = 5};
  const TreatmentStep afterSponge[] = {tubeLast, kEnd};
  const TreatmentStep spongeFirst{.next = afterSponge, .tool = TOOL_CRICH_SPONGE, .location = LOC_NECK};
  const TreatmentStep surgeryLast{.tool = TOOL_SURGERY_SCALPEL, .location = LOC_NECK};

  VitalsPatient patient;
  patient.doneSteps.Append({0xc0000008, &spongeFirst});
  EXPECT_FALSE(IsStepDone(patient, woundStep)) << "the procedure is under way, not complete";
  patient.doneSteps.Append({0xc0000008, &surgeryLast});
  EXPECT_FALSE(IsStepDone(patient, woundStep)) << "another kit's last step";
  patient.doneSteps.Append({0xc0000010, &tubeLast});
  EXPECT_FALSE(IsStepDone(patient, woundStep)) << "completed on another place";
  patient.doneSteps.Append({0xc0000008, &tubeLast});
  EXPECT_TRUE(IsStepDone(patient, woundStep));
}

TEST_F(ReportTest, TheMissedWalkEndsOnAChainThatLoopsBack) {
  TreatmentStep first[3] = {};
  TreatmentStep second[2] = {};
  first[0] = {.tool = TOOL_GLOVE, .location = LOC_HAND};  // no hint: passed over within its list
  first[1] = {.next = second, .tool = TOOL_BANDAGE, .location = LOC_HEAD, .flags = STEP_HINT};
  second[0] = {.next = first, .tool = TOOL_MORPHINE, .location = LOC_ELBOW, .flags = STEP_HINT};
  VitalsPatient patient;
  const std::vector<const TreatmentStep*> missed = MissedHintSteps(patient, first);
  EXPECT_EQ(missed, (std::vector<const TreatmentStep*>{&first[1], &second[0]}));

  patient.doneSteps.Append({0xc0040000, &first[1]});
  EXPECT_EQ(MissedHintSteps(patient, first), std::vector<const TreatmentStep*>{&second[0]})
      << "a done step still leads on to its next list";
  EXPECT_TRUE(MissedHintSteps(patient, nullptr).empty());
}

// ---- bounds ----

TEST_F(ReportTest, LinesAreCutTo74BytesAndTheReportStopsAt500) {
  ClearReport();
  EXPECT_TRUE(AppendReportLine(std::string("\x01\x05") + std::string(100, 'x')));
  EXPECT_EQ(std::strlen(kestrine::Report().reportLines[0]), static_cast<size_t>(kReportLineLength));
  EXPECT_EQ(std::string(kestrine::Report().reportLines[0], 2), "\x01\x05");
  for (int i = 1; i < kReportLineCapacity; ++i) ASSERT_TRUE(AppendReportLine("line"));
  EXPECT_FALSE(AppendReportLine("one too many"));
  EXPECT_EQ(kestrine::Report().reportLineCount, kReportLineCapacity);
  EXPECT_STREQ(kestrine::Report().reportLines[kReportLineCapacity - 1], "line");
}

// ---- the teardown ----

TEST_F(ReportTest, TheTeardownLetsEveryoneGoOnceAndWritesANewReportOnlyWhenAskedWithAFirstCasualty) {
  // Without a casualty in the first slot, a report loaded from a save stays.
  AppendReportLine("loaded from a save");
  Place(3, WOUND_FACE_LACERATIONS, 0, 1);
  SetLoserEnding(false);
  TearDownPatientView(true);
  EXPECT_EQ(Report(), std::vector<std::string>{"loaded from a save"});
  EXPECT_EQ(Outcome().loserEnding, 0);
  EXPECT_EQ(releases_, 1);
  EXPECT_TRUE(AllSlotsEmpty());

  // Not asked for a report: the old one stays, and everyone goes, once.
  Place(0, WOUND_FACE_LACERATIONS, 0, 1);
  Place(6, WOUND_FACE_LACERATIONS, 0, 1);
  SetCurrentPatient(Slots().casualties[6].get());
  TearDownPatientView(false);
  EXPECT_EQ(Report(), std::vector<std::string>{"loaded from a save"});
  EXPECT_EQ(releases_, 3);
  EXPECT_TRUE(AllSlotsEmpty());
  EXPECT_EQ(Slots().currentPatient, nullptr);
  TearDownPatientView(false);
  EXPECT_EQ(releases_, 3) << "nobody is let go twice";

  // A new report is written from scratch.
  Place(0, WOUND_FACE_LACERATIONS, 0, 0);
  SetMissionScores(5, 10);
  TearDownPatientView(true);
  EXPECT_EQ(Report(), (std::vector<std::string>{"\x01Mission Score: 5/10", "\x01Total Score:       205/310", ""}));
  EXPECT_EQ(Outcome().loserEnding, 1);
}

}  // namespace
}  // namespace kestrine::testing
