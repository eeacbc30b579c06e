// The treatment content checked against a medic's own table, written from field casualty care (massive
// bleeding, airway, respiration, circulation, hypothermia and head, in that order) and not from the wound
// tables: what threatens each casualty's life, what the first treatment must be, and which moves must be
// harmful. A medic who follows the hints with the patient's clock running must be told the oracle's first
// move, must never be sent to a drip or a blanket while a massive bleed still runs, and must end with the
// patient alive and every point earned.
#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "casualty/hints.h"
#include "casualty/vitals.h"
#include "hint_player.h"
#include "shell/mission_progress.h"
#include "shell/screen_text.h"
#include "treatment_oracle.h"

namespace kestrine::testing {
namespace {

constexpr int32_t kClickMs = 8000;
constexpr int kMaxClicks = 80;
constexpr int32_t kWatchAfterMs = 300000;

bool IsFluid(int32_t tool) { return tool == TOOL_IV || tool == TOOL_HESPAN || tool == TOOL_LACTATED_RINGERS; }

std::string StateName(const Patient& patient) {
  if (patient.dead) return "dead";
  if (patient.shockState == SHOCK_MINOR) return "minor shock";
  if (patient.shockState == SHOCK_MAJOR) return "major shock";
  return "no shock";
}

class TreatmentOracleTest : public ApplyToolTest {
 protected:
  void SetUp() override {
    ApplyToolTest::SetUp();
    textOverlay = engineRoot->CreateBitmap(640, 480);
  }
};

// One click of a hint-following run: the hinted step (null when nothing is left to hint) and how the
// patient stood after it was done.
struct Click {
  const TreatmentStep* step = nullptr;
  bool done = false;
  bool pausedAfter = false;
  std::string line;
};

struct HintRun {
  std::vector<Click> clicks;
  int32_t charged = 0;
  int32_t kitPaid = 0;

  std::string Transcript() const {
    std::string text;
    for (const Click& click : clicks) text += "\n    " + click.line;
    return text;
  }
};

void RunClock(Patient& patient, int32_t ms) {
  for (int32_t t = 0; t < ms; t += kMaxVitalsStepMs) UpdateVitals(patient, kMaxVitalsStepMs);
}

// Follows the hints on a set-up casualty: one hinted move every 8 s of his clock until nothing is left to
// hint. Each click asks for the hint (paying for it as a player does) and does what it names.
HintRun FollowHints(TreatedPatient& patient) {
  HintRun run;
  for (int n = 0; n < kMaxClicks; ++n) {
    RunClock(patient, kClickMs);
    Click click;
    const int32_t before = patient.score;
    const std::string hint = BuildHint(patient);
    run.charged += before - patient.score;
    click.step = FindHintStep(patient);
    char line[160];
    std::snprintf(line, sizeof line, "%5.1f s  %-11s  %s", patient.clockMs / 1000.0, StateName(patient).c_str(),
                  hint.c_str());
    click.line = line;
    if (click.step != nullptr) {
      const int32_t kitPaid = DoHintedStep(patient, *click.step);
      click.done = kitPaid >= 0;
      click.line += click.done ? "   -> " + patient.LastChart() : "   -> cannot be done";
      if (click.done) run.kitPaid += kitPaid;
    }
    click.pausedAfter = patient.paused != 0;
    run.clicks.push_back(click);
    if (click.step == nullptr || !click.done) break;
  }
  return run;
}

bool IsMove(const TreatmentStep& step, const OracleMove& move) {
  return move.tool != TOOL_NONE && step.tool == move.tool && RegionsOverlap(step.location, move.region) &&
         (move.side == STEP_SIDE_ANY || step.side == move.side);
}

bool IsOraclesFirst(const TreatmentStep& step, const OracleRow& oracle) {
  return IsMove(step, oracle.first) || IsMove(step, oracle.alsoFirst);
}

bool IsTreatment(const TreatmentStep& step) { return !IsTrackedTool(step.tool); }

// Checks a run against the oracle: the first treatment hinted is the oracle's, and while a massive bleed
// runs no hint names a drip or a blanket and nothing stops his clock.
void CheckAgainstOracle(const HintRun& run, const OracleRow& oracle, const std::string& where) {
  const TreatmentStep* firstTreatment = nullptr;
  for (const Click& click : run.clicks) {
    if (click.step != nullptr && IsTreatment(*click.step)) {
      firstTreatment = click.step;
      break;
    }
  }
  if (oracle.first.tool == TOOL_NONE) {
    EXPECT_EQ(firstTreatment, nullptr) << where << ": nothing is to be done for him" << run.Transcript();
  } else {
    ASSERT_NE(firstTreatment, nullptr) << where << ": no treatment is ever hinted" << run.Transcript();
    EXPECT_TRUE(IsOraclesFirst(*firstTreatment, oracle))
        << where << ": the first treatment hinted is \"" << firstTreatment->action << "\"" << run.Transcript();
  }
  if (!oracle.massiveBleed) return;
  // A massive bleed is found at a glance and stopped before anything else, examinations included.
  ASSERT_FALSE(run.clicks.empty());
  EXPECT_TRUE(run.clicks[0].step != nullptr && IsOraclesFirst(*run.clicks[0].step, oracle))
      << where << ": the very first hint must stop the bleeding" << run.Transcript();
  bool controlled = false;
  for (const Click& click : run.clicks) {
    if (click.step == nullptr) break;
    if (!controlled) {
      EXPECT_FALSE(IsFluid(click.step->tool) || click.step->tool == TOOL_BURN_BLANKET)
          << where << ": a drip or the blanket hinted while he still bleeds out" << run.Transcript();
    }
    if (IsOraclesFirst(*click.step, oracle) && click.done) controlled = true;
    if (!controlled) {
      EXPECT_FALSE(click.pausedAfter) << where << ": his clock stopped while he still bleeds out" << run.Transcript();
    }
  }
  EXPECT_TRUE(controlled) << where << ": the bleeding is never controlled" << run.Transcript();
}

// Judges the casualty, then checks that every point was earned (hints paid included), no finding is left,
// nothing was done wrong, a deteriorating casualty's clock was stopped, and he stays alive however long he
// waits for evacuation.
void CheckTheEnd(TreatedPatient& patient, const HintRun& run, int row, int32_t missionBefore,
                 const std::string& where) {
  const WoundType& wound = WoundTypeTable[row];
  patient.JudgeDisposition(wound.severity == SEVERITY_LITE ? DISPOSITION_RETURN_TO_ACTION : DISPOSITION_EVACUATE);
  EXPECT_EQ(patient.verdict, VERDICT_RIGHT) << where;
  EXPECT_EQ(patient.score + run.charged + run.kitPaid, patient.maxScore) << where << run.Transcript();
  EXPECT_EQ(missionProgress.missionScore - missionBefore + run.charged, patient.maxScore) << where;
  EXPECT_EQ(SumActivePoints(patient), 0) << where << ": findings left unexamined";
  EXPECT_EQ(patient.mistakes, 0) << where;
  EXPECT_EQ(patient.wrongActions.count, 0) << where;
  EXPECT_EQ(missionEndFlag, 0) << where;
  const bool deteriorates = wound.deadlines[0] != 0 || wound.deadlines[1] != 0 || wound.deadlines[2] != 0;
  if (deteriorates) {
    EXPECT_NE(patient.paused, 0) << where << ": treated, yet his clock still runs";
  }
  RunClock(patient, kWatchAfterMs);
  EXPECT_EQ(patient.dead, 0) << where << ": treated by the hints, yet he dies waiting" << run.Transcript();
}

// Every casualty with each of his sides: his side rule draws it, so a few seeds find both.
template <typename Body>
void ForEachSide(int row, Body body) {
  std::set<int32_t> sidesSeen;
  for (uint32_t seed = 1; seed <= 16 && sidesSeen.size() < 2; ++seed) {
    srand(seed);
    TreatedPatient patient;
    SetUpCasualty(patient, row);
    if (!sidesSeen.insert(patient.side).second) continue;
    body(patient);
  }
}

TEST_F(TreatmentOracleTest, TheOracleKnowsEveryCasualty) {
  std::set<int> rows;
  for (const OracleRow& oracle : kOracle) EXPECT_TRUE(rows.insert(oracle.row).second) << oracle.row;
  const std::vector<int> casualties = CasualtyRows();
  EXPECT_EQ(rows, std::set<int>(casualties.begin(), casualties.end()));
}

// A medic who follows every hint from the first second, a click every 8 s with his clock running.
TEST_F(TreatmentOracleTest, FollowingTheHintsTreatsEveryCasualtyAsTheOracleWould) {
  for (int32_t level : {0, 1}) {
    ChooseDifficulty(level);
    for (const OracleRow& oracle : kOracle) {
      ForEachSide(oracle.row, [&](TreatedPatient& patient) {
        const std::string where = Describe(oracle.row, patient) + ", difficulty " + std::to_string(level);
        lastChargedHintText.clear();
        const int32_t missionBefore = missionProgress.missionScore;
        const HintRun run = FollowHints(patient);
        CheckAgainstOracle(run, oracle, where);
        // A man beyond help dies whatever is done; the others live, every point earned.
        if (oracle.first.tool != TOOL_NONE) CheckTheEnd(patient, run, oracle.row, missionBefore, where);
      });
    }
  }
}

// A medic who reaches a bleeding casualty only once shock has set in is still told to stop the bleeding
// first, and the casualty still lives.
TEST_F(TreatmentOracleTest, InShockTheBleedingIsStillStoppedFirst) {
  int bleeding = 0;
  for (int32_t level : {0, 1}) {
    ChooseDifficulty(level);
    for (const OracleRow& oracle : kOracle) {
      if (!oracle.massiveBleed) continue;
      ++bleeding;
      ForEachSide(oracle.row, [&](TreatedPatient& patient) {
        const std::string where =
            Describe(oracle.row, patient) + " found in shock, difficulty " + std::to_string(level);
        lastChargedHintText.clear();
        while (patient.shockState == SHOCK_NONE && !patient.dead) RunClock(patient, kMaxVitalsStepMs);
        ASSERT_FALSE(patient.dead) << where;
        const HintRun run = FollowHints(patient);
        CheckAgainstOracle(run, oracle, where);
        ASSERT_FALSE(run.clicks.empty());
        EXPECT_EQ(run.clicks.back().step, nullptr) << where << ": the hints never end" << run.Transcript();
        RunClock(patient, kWatchAfterMs);
        EXPECT_EQ(patient.dead, 0) << where << ": treated by the hints, yet he dies waiting" << run.Transcript();
      });
    }
  }
  EXPECT_EQ(bleeding, 12);
}

}  // namespace
}  // namespace kestrine::testing
