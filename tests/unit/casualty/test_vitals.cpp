// The patient clock, shock and death, the step flags that stop the clock or the spurt, and the time bar.
#include <gtest/gtest.h>

#include "casualty/vitals.h"
#include "casualty_view/hud_readouts.h"
#include "shell/engine_setup.h"
#include "shell/screen_text.h"
#include "wound_fixture.h"

namespace kestrine::testing {
namespace {

constexpr engine::Color kKey{255, 0, 0};
constexpr engine::Color kBlack{0, 0, 0};
constexpr engine::Color kBarRed{240, 0, 0};
constexpr engine::Color kSkullBlue{0, 0, 255};

// The bar's box at 640 x 480: panel (116, 313) lands on pixel (117, 330); the skull row 316 on 333.
constexpr int kBarLeft = 117;
constexpr int kBarTop = 330;
constexpr int kSkullTop = 333;

class VitalsTest : public WoundTest {
 protected:
  void SetUp() override {
    WoundTest::SetUp();
    UseTextOverlay(Engine().engineRoot->CreateBitmap(Engine().screenWidth, Engine().screenHeight));
    ScreenText().textOverlay->Clear(kKey.r, kKey.g, kKey.b);
  }

  // A patient with wound 0 (no deadlines of its own) and the deadlines a test gives him, in ms.
  static void SetDeadlines(Patient& patient, int32_t minor, int32_t major, int32_t death, int32_t barLength) {
    patient.minorShockDeadline = minor;
    patient.majorShockDeadline = major;
    patient.deathDeadline = death;
    patient.timeBarLength = barLength;
  }

  // Runs whole 200 ms frames until the clock has passed `untilMs`.
  static void RunClockPast(Patient& patient, int32_t untilMs) {
    while (patient.clockMs <= untilMs) UpdateVitals(patient, kMaxVitalsStepMs);
  }

  static engine::Color At(int x, int y) { return ScreenText().textOverlay->PixelColor(x, y); }
};

// ---- the clock ----

TEST_F(VitalsTest, AFrameAdvancesTheClockByAtMost200MsAndAPausedPatientsNotAtAll) {
  VitalsPatient patient;
  SetUpWound(patient, WOUND_EVISCERATION, nullptr);
  UpdateVitals(patient, 5000);
  EXPECT_EQ(patient.clockMs, 200);
  UpdateVitals(patient, 16);
  EXPECT_EQ(patient.clockMs, 216);
  UpdateVitals(patient, -500);
  EXPECT_EQ(patient.clockMs, 216) << "a frame never runs the clock backwards";

  // Step flags stop the spurt and the clock; others do neither.
  patient.spurting = 2;
  SetPatientFlags(patient, STEP_HINT | STEP_REMOVAL);
  EXPECT_EQ(patient.paused, 0);
  EXPECT_EQ(patient.spurting, 2);
  SetPatientFlags(patient, STEP_STOPS_SPURT);
  EXPECT_EQ(patient.paused, 0);
  EXPECT_EQ(patient.spurting, 0);
  SetPatientFlags(patient, STEP_STOPS_CLOCK);
  EXPECT_EQ(patient.paused, 1);
  // Paused, he never reaches a deadline and his bar stands still.
  SetDeadlines(patient, 0, 0, 1000, 1000);
  patient.clockMs = 500;
  for (int frame = 0; frame < 50; ++frame) RunShownPatientClock(patient, 5000);
  EXPECT_EQ(patient.clockMs, 500);
  EXPECT_EQ(patient.dead, 0);
  EXPECT_EQ(At(kBarLeft + 31, kBarTop + 5), kBarRed);
  EXPECT_EQ(At(kBarLeft + 32, kBarTop + 5), kBlack) << "half the bar is left and stays so";
}

// ---- deadlines ----

TEST_F(VitalsTest, AWoundWithOnlyADeathDeadlineGoesStraightToDeath) {
  VitalsPatient patient;
  SetUpWound(patient, 38, nullptr);  // the dying patient: a death deadline of 60 s and no other
  const int32_t death = patient.deathDeadline;
  ASSERT_EQ(death, 60000);
  while (patient.clockMs <= death) {
    UpdateVitals(patient, kMaxVitalsStepMs);
    EXPECT_EQ(patient.shockState, SHOCK_NONE) << "never in shock on the way, clock " << patient.clockMs;
  }
  EXPECT_EQ(patient.dead, 1);
  EXPECT_EQ(patient.chart, std::vector<std::string>{"Warning: Patient dies"});
}

TEST_F(VitalsTest, MinorThenMajorThenDeathEachWarnedOnce) {
  VitalsPatient patient;
  SetUpWound(patient, WOUND_EVISCERATION, nullptr);
  SetDeadlines(patient, 1000, 3000, 0, 4500);

  RunClockPast(patient, 1000);
  EXPECT_EQ(patient.shockState, SHOCK_MINOR);
  EXPECT_EQ(patient.majorShockDeadline, 3000) << "the clock keeps the wound's own major deadline";
  EXPECT_EQ(patient.timeBarLength, 4500);
  EXPECT_EQ(patient.secondRate, WoundTypeTable[WOUND_MINOR_SHOCK].secondRate);

  RunClockPast(patient, 3000);
  EXPECT_EQ(patient.shockState, SHOCK_MAJOR);
  EXPECT_EQ(patient.secondRate, WoundTypeTable[WOUND_MAJOR_SHOCK].secondRate);
  const int32_t death = patient.deathDeadline;
  EXPECT_EQ(death, 3200 + WoundTypeTable[WOUND_MAJOR_SHOCK].deadlines[DEADLINE_DEATH] * 1000)
      << "no death deadline yet: one is set from the moment of major shock";
  EXPECT_EQ(death, 63200);
  EXPECT_EQ(patient.timeBarLength, death);

  RunClockPast(patient, death);
  EXPECT_EQ(patient.dead, 1);
  const std::vector<std::string> expected = {"Warning: Patient goes into minor shock",
                                             "Warning: Patient goes into major shock", "Warning: Patient dies"};
  EXPECT_EQ(patient.chart, expected);

  // Minor shock by the clock keeps a death deadline the wound already has.
  VitalsPatient dying;
  SetUpWound(dying, WOUND_EVISCERATION, nullptr);
  SetDeadlines(dying, 1000, 0, 30000, 30000);
  RunClockPast(dying, 1000);
  EXPECT_EQ(dying.shockState, SHOCK_MINOR);
  EXPECT_EQ(dying.majorShockDeadline, 0);
  EXPECT_EQ(dying.timeBarLength, 30000);
}

// A deadline is passed only once the clock is beyond it: at exactly the deadline he is still as he was.
TEST_F(VitalsTest, ADeadlineIsPassedOnlyOnceTheClockIsBeyondIt) {
  struct Row {
    int32_t minor, major, death;
    int32_t shockAfter, deadAfter;
  };
  const Row rows[] = {{1000, 0, 0, SHOCK_MINOR, 0}, {0, 1000, 0, SHOCK_MAJOR, 0}, {0, 0, 1000, SHOCK_NONE, 1}};
  for (const Row& r : rows) {
    VitalsPatient patient;
    SetUpWound(patient, WOUND_EVISCERATION, nullptr);
    SetDeadlines(patient, r.minor, r.major, r.death, 4000);
    patient.clockMs = 800;
    UpdateVitals(patient, 200);  // the clock stands at 1000 ms
    EXPECT_EQ(patient.shockState, SHOCK_NONE) << r.minor << "/" << r.major << "/" << r.death;
    EXPECT_EQ(patient.dead, 0) << r.minor << "/" << r.major << "/" << r.death;
    UpdateVitals(patient, 1);
    EXPECT_EQ(patient.shockState, r.shockAfter) << r.minor << "/" << r.major << "/" << r.death;
    EXPECT_EQ(patient.dead, r.deadAfter) << r.minor << "/" << r.major << "/" << r.death;
  }
}

// ---- forced and clock-driven shock ----

TEST_F(VitalsTest, AForcedShockSetsItsNextDeadlineAMinuteOn) {
  VitalsPatient patient;
  SetUpWound(patient, WOUND_EVISCERATION, nullptr);
  SetDeadlines(patient, 0, 9000, 20000, 20000);
  patient.clockMs = 4000;
  SetShock(patient, SHOCK_LEVEL_MINOR, 0);
  EXPECT_EQ(patient.shockState, SHOCK_MINOR);
  EXPECT_EQ(patient.majorShockDeadline, 64000);
  EXPECT_EQ(patient.timeBarLength, 96000);
  EXPECT_EQ(patient.deathDeadline, 20000) << "minor shock leaves the death deadline alone";
  EXPECT_TRUE(patient.chart.empty()) << "a step's shock is not a warning";

  patient.clockMs = 5000;
  SetShock(patient, SHOCK_LEVEL_MAJOR, 0);
  EXPECT_EQ(patient.shockState, SHOCK_MAJOR);
  EXPECT_EQ(patient.deathDeadline, 65000) << "forced major shock sets the death deadline anew";
  EXPECT_EQ(patient.timeBarLength, 65000);
}

TEST_F(VitalsTest, TheClockNeverMovesAPatientBackFromMajorToMinorShock) {
  VitalsPatient patient;
  SetUpWound(patient, WOUND_EVISCERATION, nullptr);
  SetDeadlines(patient, 1000, 90000, 0, 135000);
  SetShock(patient, SHOCK_LEVEL_MAJOR, 0);  // a step forces major shock before minor is due
  const int32_t majorRate = patient.secondRate;
  RunClockPast(patient, 1000);
  EXPECT_EQ(patient.shockState, SHOCK_MAJOR);
  EXPECT_EQ(patient.secondRate, majorRate);
  EXPECT_TRUE(patient.chart.empty());

  SetShock(patient, SHOCK_LEVEL_MINOR, 0);
  EXPECT_EQ(patient.shockState, SHOCK_MINOR) << "a step may still force minor shock";
}

TEST_F(VitalsTest, ShockChangesNothingForTheDeadOrInTheSameState) {
  VitalsPatient patient;
  SetUpWound(patient, WOUND_EVISCERATION, nullptr);
  SetShock(patient, SHOCK_LEVEL_MINOR, 1);
  const int32_t major = patient.majorShockDeadline;
  patient.clockMs = 5000;
  SetShock(patient, SHOCK_LEVEL_MINOR, 0);
  EXPECT_EQ(patient.majorShockDeadline, major) << "already in minor shock";
  EXPECT_EQ(patient.chart.size(), 1u);

  SetShock(patient, SHOCK_LEVEL_DEAD, 0);
  EXPECT_EQ(patient.dead, 1);
  EXPECT_EQ(patient.chart.size(), 1u) << "a death forced by a step is not charted";
  SetShock(patient, SHOCK_LEVEL_MAJOR, 0);
  EXPECT_EQ(patient.shockState, SHOCK_NONE);
  EXPECT_EQ(patient.secondRate, 0);
  SetShock(patient, SHOCK_LEVEL_NONE, 1);
  EXPECT_EQ(patient.dead, 1);

  VitalsPatient heat;
  SetUpWound(heat, WOUND_HEAT_EXHAUSTION, nullptr);
  SetShock(heat, SHOCK_LEVEL_MINOR, 1);
  EXPECT_EQ(heat.chart, std::vector<std::string>{"Warning: Patient worsens into heat stroke"});
}

// ---- death ----

TEST_F(VitalsTest, DieRunsOnceAndSplicesTheDeadMansFindings) {
  VitalsPatient patient;
  SetUpWound(patient, WOUND_EVISCERATION, nullptr);
  SetShock(patient, SHOCK_LEVEL_MINOR, 0);
  patient.bleedRate = 3;
  Die(patient, 1);

  EXPECT_EQ(patient.dead, 1);
  EXPECT_EQ(patient.conscious, 0);
  EXPECT_EQ(patient.canSpeak, 0);
  EXPECT_EQ(patient.shockState, SHOCK_NONE);
  EXPECT_EQ(patient.bleedRate, 0);
  EXPECT_EQ(patient.secondRate, 0);
  EXPECT_EQ(patient.poolRates, std::vector<float>{0.0f});
  const WoundType& deadman = WoundTypeTable[WOUND_DEADMAN];
  for (int track = 0; track < kTrackCount; ++track) EXPECT_EQ(patient.currentLists[track], deadman.lists[track]);
  EXPECT_EQ(patient.currentLists[1], nullptr);
  EXPECT_EQ(patient.currentLists[2], nullptr);

  const TreatmentStep* deadHead = FindStep(deadman.lists[0], TOOL_GLOVE, LOC_HEAD);
  ASSERT_NE(deadHead, nullptr);
  EXPECT_STREQ(patient.activeSteps[0].action, deadHead->action);
  EXPECT_EQ(patient.chart, std::vector<std::string>{"Warning: Patient dies"});

  // Once only: a second death changes nothing, not even lists the view has moved on since.
  patient.currentLists[0] = nullptr;
  patient.conscious = 1;
  Die(patient, 1);
  SetShock(patient, SHOCK_LEVEL_DEAD, 1);
  EXPECT_EQ(patient.currentLists[0], nullptr);
  EXPECT_EQ(patient.conscious, 1);
  EXPECT_EQ(patient.chart.size(), 1u);
  EXPECT_EQ(patient.poolRates.size(), 1u);
}

// ---- the time bar ----

TEST_F(VitalsTest, TheBarShowsTheShareOfTimeLeftRedOnABlackBoxAndTheSkullForTheDead) {
  VitalsPatient patient;
  SetDeadlines(patient, 0, 0, 0, 0);
  EXPECT_DOUBLE_EQ(TimeBarFraction(patient), 1.0) << "a bar without length is full";
  patient.timeBarLength = 4000;
  patient.clockMs = 1000;  // 0.75 of 64 = 48 pixels
  EXPECT_DOUBLE_EQ(TimeBarFraction(patient), 0.75);
  DrawTimeBar(patient);
  EXPECT_EQ(At(kBarLeft, kBarTop), kBarRed);
  EXPECT_EQ(At(kBarLeft + 47, kBarTop + 11), kBarRed);
  EXPECT_EQ(At(kBarLeft + 48, kBarTop), kBlack);
  EXPECT_EQ(At(kBarLeft + 63, kBarTop + 12), kBlack) << "the box is 64 x 13";
  EXPECT_EQ(At(kBarLeft + 10, kBarTop + 12), kBlack) << "the bar is one pixel lower than its box";
  EXPECT_EQ(At(kBarLeft + 64, kBarTop), kKey);
  EXPECT_EQ(At(kBarLeft, kBarTop + 13), kKey);
  EXPECT_EQ(At(kBarLeft - 1, kBarTop), kKey);

  patient.clockMs = 6000;
  EXPECT_DOUBLE_EQ(TimeBarFraction(patient), 0.0) << "past its length the bar is empty, never negative";
  DrawTimeBar(patient);
  EXPECT_EQ(At(kBarLeft, kBarTop), kBlack);

  patient.dead = 1;
  DrawTimeBar(patient);  // no skull picture: only the box
  EXPECT_EQ(At(kBarLeft, kSkullTop), kBlack);
  hudPictures.skull = Engine().engineRoot->CreateBitmap(10, 8);
  hudPictures.skull->Clear(kSkullBlue.r, kSkullBlue.g, kSkullBlue.b);
  patient.clockMs = 1000;
  DrawTimeBar(patient);
  EXPECT_EQ(At(kBarLeft, kSkullTop), kSkullBlue);
  EXPECT_EQ(At(kBarLeft + 9, kSkullTop + 7), kSkullBlue);
  EXPECT_EQ(At(kBarLeft + 10, kSkullTop), kBlack);
  EXPECT_EQ(At(kBarLeft, kBarTop), kBlack);
  EXPECT_EQ(At(kBarLeft + 40, kBarTop + 1), kBlack) << "no red bar for the dead";
}

TEST_F(VitalsTest, NothingIsDrawnWhileASaveIsReplayed) {
  VitalsPatient patient;
  SetUpWound(patient, WOUND_EVISCERATION, nullptr);
  SetReplayingSave(true);
  RunShownPatientClock(patient, 100);
  EXPECT_EQ(patient.clockMs, 100) << "the clock still runs";
  EXPECT_EQ(At(kBarLeft, kBarTop), kKey);
  SetReplayingSave(false);
  RunShownPatientClock(patient, 100);
  EXPECT_EQ(At(kBarLeft, kBarTop), kBarRed);
}

}  // namespace
}  // namespace kestrine::testing
