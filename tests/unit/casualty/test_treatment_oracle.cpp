// The treatment content checked against a medic's own table, written from field casualty care (massive
// bleeding, airway, respiration, circulation, hypothermia, in that order) and not from the wound tables. A
// medic who follows the hints with the patient's clock running, quickly or slowly, at any difficulty, must
// deal with every threat to the casualty's life in that order and in time, be sent to no other care (and to
// no more than the one examination that finds it) before a life-saving move, and end with every threat
// treated and the casualty alive. A harmful move must harm whenever it is made: before shock, in it, after
// treatment. And nothing pays before the first threat is dealt with.
#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "casualty/hints.h"
#include "casualty/location_names.h"
#include "casualty/treatment_blockers.h"
#include "hint_player.h"
#include "shell/mission_progress.h"
#include "shell/screen_text.h"
#include "treatment_oracle.h"

namespace kestrine::testing {
namespace {

constexpr int32_t kWatchAfterMs = 300000;
constexpr int32_t kClickEveryMs[] = {8000, 15000};

class TreatmentOracleTest : public ApplyToolTest {
 protected:
  void SetUp() override {
    ApplyToolTest::SetUp();
    textOverlay = engineRoot->CreateBitmap(640, 480);
  }
};

bool IsMove(const TreatmentStep& step, const OracleMove& move) {
  return move.tool != TOOL_NONE && step.tool == move.tool && RegionsOverlap(step.location, move.region) &&
         (move.side == STEP_SIDE_ANY || step.side == move.side);
}

bool Answers(const TreatmentStep& step, const OracleThreat& threat) {
  return IsMove(step, threat.move) || IsMove(step, threat.alt);
}

int ThreatCount(const OracleRow& oracle) {
  int n = 0;
  while (n < 5 && oracle.threats[n].kind != 0) ++n;
  return n;
}

// Threats whose move saves his life now: every one but keeping him warm.
int LifeThreatCount(const OracleRow& oracle) {
  int n = 0;
  for (int i = 0; i < ThreatCount(oracle); ++i) n += oracle.threats[i].kind != 'H';
  return n;
}

// The clock by which a threat must be dealt with: the first before he first slides into shock (or, with
// no such warning, dies); the later ones before it deepens to major shock.
int32_t DeadlineMs(int row, int threat) {
  const int32_t* d = WoundTypeTable[row].deadlines;
  const int32_t first = d[0] != 0 ? d[0] : d[1] != 0 ? d[1] : d[2];
  const int32_t deeper = d[1] != 0 ? d[1] : d[2] != 0 ? d[2] : d[0];
  const int32_t seconds = threat == 0 ? first : deeper;
  return seconds != 0 ? seconds * 1000 : INT32_MAX;
}

std::string Move(const Patient& patient, const OracleMove& move) {
  return std::string(kToolData[move.tool].name) + " to " +
         BodyLocationName(move.region | StepSideBit(patient, move.side));
}

// Walks one hint run against the oracle's threats; returns nothing, reports every departure.
void CheckMarchOrder(const HintRun& run, const OracleRow& oracle, const std::string& where) {
  const int threats = ThreatCount(oracle);
  const int lifeThreats = LifeThreatCount(oracle);
  int next = 0;
  int examsSince = 0;
  for (const HintClick& click : run.clicks) {
    if (click.step == nullptr || !click.done) break;
    const TreatmentStep& step = *click.step;
    if (IsTrackedTool(step.tool)) {
      ++examsSince;
      EXPECT_FALSE(next < lifeThreats && examsSince > 1)
          << where << ": more than the one examination that finds it before the life-saving move ("
          << oracle.threats[next].kind << ")" << run.Transcript();
      continue;
    }
    // What must be done to reach the threat at all comes just before its move.
    if (next < threats && IsMove(step, oracle.threats[next].prep)) continue;
    if (next < threats && Answers(step, oracle.threats[next])) {
      EXPECT_LT(click.atMs, DeadlineMs(oracle.row, next))
          << where << ": the life-saving move (" << oracle.threats[next].kind << ") comes after its deadline"
          << run.Transcript();
      ++next;
      examsSince = 0;
      continue;
    }
    for (int later = next + 1; later < threats; ++later) {
      EXPECT_FALSE(Answers(step, oracle.threats[later]))
          << where << ": MARCH order: " << oracle.threats[later].kind << " treated before "
          << oracle.threats[next].kind << run.Transcript();
    }
    EXPECT_FALSE(next < lifeThreats)
        << where << ": care that saves no life now (\"" << step.action << "\") before the life-saving move ("
        << oracle.threats[next].kind << ")" << run.Transcript();
  }
  EXPECT_EQ(next, threats) << where << ": not every threat to his life is treated"
                           << (next < threats ? std::string(" (") + oracle.threats[next].kind + ")" : "")
                           << run.Transcript();
}

void CheckFirstCare(const HintRun& run, const OracleRow& oracle, const std::string& where) {
  const TreatmentStep* first = nullptr;
  for (const HintClick& click : run.clicks) {
    if (click.step != nullptr && !IsTrackedTool(click.step->tool)) {
      first = click.step;
      break;
    }
  }
  if (oracle.first.tool == TOOL_NONE) {
    EXPECT_EQ(first, nullptr) << where << ": nothing is to be done for him" << run.Transcript();
    return;
  }
  ASSERT_NE(first, nullptr) << where << ": no treatment is ever hinted" << run.Transcript();
  EXPECT_TRUE(IsMove(*first, oracle.first))
      << where << ": the first care hinted is \"" << first->action << "\"" << run.Transcript();
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

// A medic who follows every hint from the first second, quickly or slowly, at every difficulty.
TEST_F(TreatmentOracleTest, FollowingTheHintsTreatsEveryThreatInMarchOrderInTime) {
  for (int32_t level : {0, 1, 2}) {
    ChooseDifficulty(level);
    for (int32_t clickMs : kClickEveryMs) {
      for (const OracleRow& oracle : kOracle) {
        ForEachSide(oracle.row, [&](TreatedPatient& patient) {
          const std::string where = Describe(oracle.row, patient) + ", difficulty " + std::to_string(level) +
                                    ", a hint every " + std::to_string(clickMs / 1000) + " s";
          lastChargedHintText.clear();
          const int32_t missionBefore = missionProgress.missionScore;
          const HintRun run = FollowHints(patient, clickMs);
          if (ThreatCount(oracle) > 0) {
            CheckMarchOrder(run, oracle, where);
          } else {
            CheckFirstCare(run, oracle, where);
          }
          if (oracle.beyondHelp) return;
          ASSERT_TRUE(run.finished) << where << ": the hint run stalls" << run.Transcript();
          for (const HintClick& click : run.clicks) {
            EXPECT_FALSE(click.wrong) << where << ": a hinted move is wrong: " << click.line;
          }
          const WoundType& wound = WoundTypeTable[oracle.row];
          patient.JudgeDisposition(wound.severity == SEVERITY_LITE ? DISPOSITION_RETURN_TO_ACTION
                                                                  : DISPOSITION_EVACUATE);
          EXPECT_EQ(patient.verdict, VERDICT_RIGHT) << where;
          EXPECT_EQ(patient.mistakes, 0) << where;
          EXPECT_EQ(SumActivePoints(patient), 0) << where << ": findings left unexamined" << run.Transcript();
          // The points add up to the table's maximum: arithmetic only, no medical claim rests on it.
          if (clickMs == kClickEveryMs[0]) {
            EXPECT_EQ(patient.score + run.charged + run.kitPaid, patient.maxScore) << where << run.Transcript();
            EXPECT_EQ(missionProgress.missionScore - missionBefore + run.charged, patient.maxScore) << where;
          }
          const bool deteriorates = wound.deadlines[0] != 0 || wound.deadlines[1] != 0 || wound.deadlines[2] != 0;
          if (deteriorates) {
            EXPECT_NE(patient.paused, 0) << where << ": treated, yet his clock still runs";
          }
          RunClock(patient, kWatchAfterMs);
          EXPECT_EQ(patient.dead, 0) << where << ": treated by the hints, yet he dies waiting" << run.Transcript();
        });
      }
    }
  }
}

// Where a harmful move is tried: on the fresh casualty, once the clock has brought minor or major shock,
// and once the hints have been followed to their end.
enum class When { kSetUp, kMinorShock, kMajorShock, kTreated };

bool BringTo(TreatedPatient& patient, When when) {
  const int32_t wanted = when == When::kMinorShock ? SHOCK_MINOR : SHOCK_MAJOR;
  switch (when) {
    case When::kSetUp:
      return true;
    case When::kTreated:
      return FollowHints(patient, kClickEveryMs[0]).finished;
    default:
      for (int32_t t = 0; t < kWatchAfterMs && patient.shockState != wanted && !patient.dead; t += kMaxVitalsStepMs) {
        UpdateVitals(patient, kMaxVitalsStepMs);
      }
      return patient.shockState == wanted && !patient.dead;
  }
}

const char* WhenName(When when) {
  switch (when) {
    case When::kSetUp:
      return "before shock";
    case When::kMinorShock:
      return "in minor shock";
    case When::kMajorShock:
      return "in major shock";
    default:
      return "after treatment";
  }
}

// The oracle's harmful moves, and morphine in shock or on a man whose breathing or head is threatened,
// harm at every point and every difficulty: they never pay, and are logged as wrong.
TEST_F(TreatmentOracleTest, HarmfulMovesHarmBeforeDuringAndAfterShock) {
  int tried = 0;
  for (int32_t level : {0, 1, 2}) {
    ChooseDifficulty(level);
    for (const OracleRow& oracle : kOracle) {
      if (oracle.beyondHelp) continue;
      for (When when : {When::kSetUp, When::kMinorShock, When::kMajorShock, When::kTreated}) {
        std::vector<OracleMove> moves;
        for (const OracleMove& move : oracle.harmful) {
          if (move.tool != TOOL_NONE) moves.push_back(move);
        }
        moves.push_back(oracle::kMorphine);
        for (const OracleMove& move : moves) {
          srand(1);
          TreatedPatient patient;
          SetUpCasualty(patient, oracle.row);
          lastChargedHintText.clear();
          if (!BringTo(patient, when)) break;
          const bool inShock = patient.shockState == SHOCK_MINOR || patient.shockState == SHOCK_MAJOR;
          const bool morphine = move.tool == TOOL_MORPHINE;
          if (morphine && !inShock && !oracle.noMorphine) continue;
          const std::string rule = !morphine  ? "a harmful move stays harmful"
                                   : inShock  ? "no morphine in shock"
                                              : "no morphine with a breathing, head or shock threat";
          const std::string where = Describe(oracle.row, patient) + ", difficulty " + std::to_string(level) +
                                    ", " + WhenName(when) + ", " + Move(patient, move) + ": " + rule;
          const std::vector<int32_t> parts = PartsFor(patient, move.tool, move.region, move.side, true);
          ASSERT_FALSE(parts.empty()) << where << ": no such body part";
          // A blanket or splint in the way keeps the move from being made at all.
          if (FindBlocker(patient, move.tool, parts.front()) != nullptr) continue;
          const int32_t scoreBefore = patient.score;
          const int32_t missionBefore = missionProgress.missionScore;
          const int32_t wrongBefore = patient.wrongActions.count;
          const int32_t doneBefore = patient.doneSteps.count;
          const int32_t mistakesBefore = patient.mistakes;
          patient.ApplyTool(move.tool, parts.front(), 0, 0, 0);
          ++tried;
          EXPECT_LE(patient.score, scoreBefore) << where << ": it pays";
          EXPECT_LE(missionProgress.missionScore, missionBefore) << where << ": it pays the mission";
          ASSERT_EQ(patient.wrongActions.count, wrongBefore + 1) << where << ": not taken as a wrong move";
          // Harm, not merely a move he did not need: the step says it hurts him, or it counts as a mistake.
          const TreatmentStep* logged = patient.wrongActions.entries[wrongBefore].step;
          EXPECT_TRUE(logged->points < 0 || patient.mistakes > mistakesBefore)
              << where << ": taken as merely unneeded (\"" << logged->action << "\")";
          EXPECT_EQ(patient.doneSteps.count, doneBefore) << where << ": logged as a right move";
          if (level > 0) {
            EXPECT_LT(patient.score, scoreBefore) << where << ": it costs nothing";
          }
        }
      }
    }
  }
  EXPECT_GT(tried, 400);
}

// Until the first threat to his life is dealt with, no other care pays: not a splint, a drip, a blanket or
// pain relief, on any part of him.
TEST_F(TreatmentOracleTest, NothingPaysBeforeTheFirstThreatIsDealtWith) {
  ChooseDifficulty(1);
  int rows = 0;
  for (const OracleRow& oracle : kOracle) {
    if (ThreatCount(oracle) == 0) continue;
    ++rows;
    const OracleThreat& threat = oracle.threats[0];
    for (int32_t tool = 0; tool < kToolCount; ++tool) {
      const uint32_t flags = ToolTable[tool].flags;
      if ((flags & (TOOL_FLAG_EXAM | TOOL_FLAG_NOT_MEDICAL | TOOL_FLAG_KIT_HEAD)) != 0 || KitHeadOf(tool) >= 0) {
        continue;
      }
      if (tool == TOOL_SCISSORS || tool == TOOL_MEDICINE_SYRINGE || tool == TOOL_IV) continue;
      if (tool == threat.move.tool || tool == threat.alt.tool || tool == threat.prep.tool) continue;
      srand(1);
      TreatedPatient patient;
      SetUpCasualty(patient, oracle.row);
      for (int32_t part = 0; part < kBodyPartCount; ++part) {
        const int32_t scoreBefore = patient.score;
        patient.ApplyTool(tool, part, 0, 0, 0);
        EXPECT_LE(patient.score, scoreBefore)
            << Describe(oracle.row, patient) << ": care before control: " << kToolData[tool].name << " to "
            << BodyLocationName(kBodyParts[part].mask) << " pays before the " << threat.kind
            << " threat is dealt with";
      }
    }
  }
  EXPECT_GT(rows, 20);
}

}  // namespace
}  // namespace kestrine::testing
