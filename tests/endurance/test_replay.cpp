// A whole mission, from the disclaimer through the menus and the briefing into the battle and on to the
// debriefing, played by the monkey and then again from the input script of its events with the same seed:
// in-process, where the battle is compared every 100 frames, and twice by the game executable itself.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "mission_player.h"
#include "shell/game_state.h"

namespace kestrine::scenario {
namespace {

namespace fs = std::filesystem;

constexpr uint32_t kSeed = 4242;

const PlayRecord& FirstPlay() {
  // Mission 1 at novice with its whole clock: three casualties, 780 s of battle.
  static const PlayRecord record = PlayMonkey(MonkeyPlan{kSeed, 1, 0, 1, 0});
  return record;
}

TEST(Replay, AWholeMissionPlayedAgainFromItsScriptWithTheSameSeedPlaysTheSame) {
  const PlayRecord& first = FirstPlay();
  ASSERT_TRUE(first.fault.empty()) << first.fault;
  ASSERT_EQ(first.outcomes.size(), 1u);
  const MissionOutcome& end = first.outcomes[0];
  EXPECT_EQ(end.clockMs, 3 * 260000);
  EXPECT_TRUE(end.endState == STATE_DEBRIEFING || end.endState == STATE_KIA) << end.endState;
  // The road there: the menus, the briefing, the battle, its end.
  for (const int state : {STATE_DISCLAIMER, STATE_MAIN_MENU, STATE_PLAYER_SELECT, STATE_BRIEFING, STATE_OVERHEAD})
    EXPECT_NE(std::find(first.states.begin(), first.states.end(), state), first.states.end()) << state;
  EXPECT_EQ(first.states.back(), end.endState);
  EXPECT_GE(first.checksums.size(), 5u);

  const PlayRecord again = PlayScript(first.script, kSeed);
  EXPECT_TRUE(again.fault.empty()) << again.fault;
  EXPECT_EQ(again.states, first.states);
  EXPECT_EQ(again.outcomes, first.outcomes);
  EXPECT_EQ(again.frames, first.frames);
  ASSERT_EQ(again.checksums.size(), first.checksums.size());
  for (size_t i = 0; i < first.checksums.size(); ++i)
    ASSERT_EQ(again.checksums[i], first.checksums[i]) << "the battles part at frame " << (i + 1) * 100;

  // The checksums see the battle: another seed, the same input, another battle.
  const PlayRecord other = PlayScript(first.script, kSeed + 1);
  EXPECT_NE(other.checksums, first.checksums);
}

// ---- the executable ----

struct ExecutableRun {
  int status = -1;
  std::vector<int> states;
  std::string errors;
};

ExecutableRun RunExecutable(const std::string& script, const std::string& seed) {
  const fs::path executable = fs::path(KESTRINE_DATA_DIR).parent_path() / "kestrine";
  char scriptName[] = "/tmp/kestrine_replay_XXXXXX";
  close(mkstemp(scriptName));
  std::ofstream(scriptName) << script << "quit\n";
  char errName[] = "/tmp/kestrine_replay_err_XXXXXX";
  close(mkstemp(errName));
  const std::string command = "cd '" KESTRINE_DATA_DIR "' && env -u DISPLAY -u WAYLAND_DISPLAY KESTRINE_DATA='" +
                              std::string(KESTRINE_DATA_DIR) + "' KESTRINE_ENGINE=headless KESTRINE_SEED='" + seed +
                              "' KESTRINE_INPUT='" + scriptName + "' '" + executable.string() +
                              "' 2>'" + errName + "' >/dev/null";
  ExecutableRun run;
  const int raw = std::system(command.c_str());
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  std::ifstream in(errName);
  std::string line;
  while (std::getline(in, line)) {
    run.errors += line + "\n";
    if (line.rfind("game state ", 0) == 0 && line.find("refused") == std::string::npos)
      run.states.push_back(std::atoi(line.c_str() + 11));
  }
  std::remove(scriptName);
  std::remove(errName);
  return run;
}

TEST(Replay, TheExecutableGivenTheScriptAndTheSeedPassesTheSameStatesEveryTime) {
  if (!fs::exists(fs::path(KESTRINE_DATA_DIR).parent_path() / "kestrine")) GTEST_SKIP() << "no game executable";
  const PlayRecord& first = FirstPlay();
  ASSERT_TRUE(first.fault.empty()) << first.fault;
  for (int run = 0; run < 2; ++run) {
    const ExecutableRun played = RunExecutable(first.script, std::to_string(kSeed));
    EXPECT_EQ(played.status, 0) << played.errors.substr(0, 4000);
    for (const char* mark : {"runtime error:", "AddressSanitizer", "LeakSanitizer"})
      EXPECT_EQ(played.errors.find(mark), std::string::npos) << played.errors.substr(0, 4000);
    EXPECT_EQ(played.states, first.states) << "run " << run;
  }
}

TEST(Replay, ASeedThatIsNotANumberIsSaidAndTheGameStillRuns) {
  if (!fs::exists(fs::path(KESTRINE_DATA_DIR).parent_path() / "kestrine")) GTEST_SKIP() << "no game executable";
  for (const char* seed : {"12x", "4294967296", "-1", "99999999999999999999999"}) {
    const ExecutableRun played = RunExecutable("frames 70 16\n", seed);
    EXPECT_EQ(played.status, 0) << seed << ": " << played.errors;
    EXPECT_NE(played.errors.find("KESTRINE_SEED is not a number"), std::string::npos) << seed << ": " << played.errors;
    EXPECT_EQ(played.states, (std::vector<int>{STATE_LOGOS, STATE_DISCLAIMER})) << seed;
  }
}

}  // namespace
}  // namespace kestrine::scenario
