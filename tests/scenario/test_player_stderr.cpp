// What a player's terminal shows during a game: the states the game passes, missing or damaged files and
// errors, and nothing of the developer's own output (the wound a patient was given, his body's bones and
// materials, the speech files he plays), which stays in the engine's trace for those who look there.
#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "harness.h"
#include "player_road.h"
#include "shell/game_state.h"

namespace kestrine::scenario {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// The lines a player may meet on stderr: the states, what is missing or damaged, the engine's own notes on
// how it runs, boxes nobody could see, and refusals of damaged or overflowing input.
bool ForThePlayer(const std::string& line) {
  static const std::regex kPlayerLine(
      "game state [0-9]+( refused)?|missing asset: .*|unreadable .*|No speech file: .*|kestrine .*|"
      "no audio device: .*|input script ended|capture .*|The body has no .*|File not found: .*|"
      "--- Sky does not exist ----|screen [0-9]+ not built|.* not loaded: .*|no unit slot left for .*|"
      "hot-spot list full: .*|walking grid not written: .*|cannot write .*|no casualty case .*|"
      "refused frame outside .*|headless run without an input script: .*");
  return std::regex_match(line, kPlayerLine);
}

TEST(PlayerStderrTest, AMissionWithATreatedCasualtyPrintsNoDeveloperLine) {
  unsetenv("KESTRINE_DEVELOPER");
  HarnessOptions options;
  options.traceToStderr = true;
  Harness game(options);
  ::testing::internal::CaptureStderr();
  ASSERT_TRUE(game.RunUntilState(STATE_DISCLAIMER));
  ASSERT_TRUE(StartMission(1, 0, nullptr, true));
  const MissionPlay play = PlayMissionByTheBook(game, 4000, 1);
  const std::string said = ::testing::internal::GetCapturedStderr();
  ASSERT_EQ(play.treated, 1);

  // The developer output was made (a patient was built, given his wound and heard), only not shown.
  const std::string log = game.DebugLog();
  for (const char* made : {"---- Patient Wound ------\n", "----- Bones -----\n", "=== MATERIALS ===\n", ".qwv\n"})
    EXPECT_NE(log.find(made), std::string::npos) << made;

  int developerLines = 0;
  std::string shown;
  for (const std::string& line : Lines(said))
    if (!ForThePlayer(line)) {
      ++developerLines;
      if (developerLines <= 20) shown += line + "\n";
    }
  EXPECT_EQ(developerLines, 0) << shown;
  EXPECT_NE(said.find("game state 1\n"), std::string::npos) << said;
}

}  // namespace
}  // namespace kestrine::scenario
