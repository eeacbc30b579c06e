// The monkey plays mission after mission (KESTRINE_MONKEY_MISSIONS of them, 200 by default, spread over
// eight shards that run side by side): each must end by its clock, on the debriefing or the KIA screen,
// without a failed engine call or a sanitizer report, and the engine must hold no more objects at each
// debriefing than at the first one of its session. KESTRINE_MONKEY_SEED changes the seeds,
// KESTRINE_MONKEY_FULL=1 plays every mission on its whole clock (scripts/monkey). KESTRINE_MONKEY_MEMORY=1
// plays all the missions in the first shard's one process and reads its resident memory at each mission's
// end: from the fiftieth mission on (by then every asset the missions share has been read) it must stay
// flat, the last within a tenth of the fiftieth (scripts/monkey memory).
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "mission_player.h"
#include "shell/game_state.h"

namespace kestrine::scenario {
namespace {

constexpr int kShards = 8;
constexpr int kMissionsPerSession = 5;
// Shared objects a screen makes the first time it is needed and keeps (a highlight, a light): the engine
// may hold this many more at a later debriefing than at the first. A mission that leaves even one object
// behind exceeds it within a session.
constexpr long kMadeOnFirstUse = 3;
// The mission from which a long run's resident memory must stay flat.
constexpr size_t kSettledMission = 50;

long FromEnvironment(const char* name, long fallback) {
  const char* text = std::getenv(name);
  if (!text || !*text) return fallback;
  char* end = nullptr;
  const long value = std::strtol(text, &end, 10);
  return *end == '\0' && value >= 0 ? value : fallback;
}

// Mission, difficulty and the length of the clock follow from the session's seed.
MonkeyPlan PlanFor(uint32_t seed, int missions, bool fullClocks) {
  MonkeyPlan plan;
  plan.seed = seed;
  plan.mission = 1 + static_cast<int32_t>(seed % 13);
  plan.difficulty = static_cast<int32_t>(seed / 13 % 3);
  plan.missions = missions;
  plan.clockCutMs = fullClocks ? 0 : 15000 + static_cast<int32_t>(seed % 31) * 1000;
  return plan;
}

class Monkey : public ::testing::TestWithParam<int> {};

TEST_P(Monkey, EveryMissionEndsByItsClockWithNothingLeftBehind) {
  const int shard = GetParam();
  const long total = FromEnvironment("KESTRINE_MONKEY_MISSIONS", KESTRINE_MONKEY_MISSIONS);
  const auto baseSeed = static_cast<uint32_t>(FromEnvironment("KESTRINE_MONKEY_SEED", 1));
  const bool fullClocks = FromEnvironment("KESTRINE_MONKEY_FULL", 0) != 0;
  const bool memory = FromEnvironment("KESTRINE_MONKEY_MEMORY", 0) != 0;
  long mine = memory ? (shard == 0 ? total : 0) : total / kShards + (shard < total % kShards ? 1 : 0);
  std::vector<long> residentKb;

  const auto began = std::chrono::steady_clock::now();
  int64_t frames = 0, events = 0, playedMs = 0;
  int debriefings = 0, killed = 0, patientViews = 0, pauses = 0;
  for (uint32_t session = 0; mine > 0; ++session) {
    const int missions = static_cast<int>(std::min<long>(mine, kMissionsPerSession));
    mine -= missions;
    const MonkeyPlan plan = PlanFor(baseSeed * 1000003u + static_cast<uint32_t>(shard) * 10007u + session, missions,
                                    fullClocks);
    const std::string which = "seed " + std::to_string(plan.seed) + " (mission " + std::to_string(plan.mission) +
                              ", difficulty " + std::to_string(plan.difficulty) + ")";
    const PlayRecord record = PlayMonkey(plan);
    std::string lastStates;
    for (size_t i = record.states.size() > 12 ? record.states.size() - 12 : 0; i < record.states.size(); ++i)
      lastStates += " " + std::to_string(record.states[i]);
    ASSERT_TRUE(record.fault.empty()) << which << ": " << record.fault << "; the last states:" << lastStates
                                      << "; the last events:\n"
                                      << record.script.substr(record.script.size() > 600 ? record.script.size() - 600 : 0);
    ASSERT_EQ(record.outcomes.size(), static_cast<size_t>(missions)) << which;
    frames += record.frames;
    residentKb.insert(residentKb.end(), record.residentKb.begin(), record.residentKb.end());
    patientViews += static_cast<int>(std::count(record.states.begin(), record.states.end(), STATE_PATIENT_VIEW));
    pauses += static_cast<int>(std::count(record.states.begin(), record.states.end(), STATE_PAUSE_MENU));
    events += record.events;
    for (const MissionOutcome& end : record.outcomes) {
      playedMs += end.playedMs;
      if (end.endState == STATE_KIA) {
        ++killed;
        continue;
      }
      ++debriefings;
      EXPECT_EQ(end.endState, STATE_DEBRIEFING) << which;
      EXPECT_TRUE(end.endFlag == 1 || end.endFlag == 2 || end.endFlag == 4 || end.endFlag == 5 || end.endFlag == 6)
          << which << ": end flag " << end.endFlag;
    }
    // What a mission made is let go of by its debriefing: every debriefing of the session holds what the
    // first one held (the first mission loads the assets the others share), give or take what is made once.
    const MissionOutcome* first = nullptr;
    for (const MissionOutcome& end : record.outcomes) {
      if (end.endState != STATE_DEBRIEFING) continue;
      if (!first) {
        first = &end;
        continue;
      }
      EXPECT_LE(end.liveObjects - first->liveObjects, kMadeOnFirstUse) << which;
      EXPECT_EQ(end.stageObjects, first->stageObjects) << which;
    }
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
  std::printf("monkey shard %d: %d missions (%d debriefings, %d KIA), %d patient views, %d pauses, %lld frames, "
              "%lld events, %lld s of game time, %.1f s\n",
              shard, debriefings + killed, debriefings, killed, patientViews, pauses, static_cast<long long>(frames),
              static_cast<long long>(events), static_cast<long long>(playedMs / 1000), seconds);
  if (memory && residentKb.size() >= kSettledMission) {
    const long settled = residentKb[kSettledMission - 1], last = residentKb.back();
    std::printf("monkey memory: %ld KiB resident after mission 1, %ld after mission %zu, %ld after mission %zu\n",
                residentKb.front(), settled, kSettledMission, last, residentKb.size());
    EXPECT_LE(last * 10, settled * 11) << "resident memory grew by more than a tenth from mission "
                                       << kSettledMission << " to mission " << residentKb.size();
  }
}

INSTANTIATE_TEST_SUITE_P(Shards, Monkey, ::testing::Range(0, kShards));

}  // namespace
}  // namespace kestrine::scenario
