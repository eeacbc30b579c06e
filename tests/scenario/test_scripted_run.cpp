// Driving the program from outside with an input script, as a person at a terminal or a CI job would:
// in-process through the program's own message loop, and as the real executable with its exit status.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "damaged_tree.h"
#include "harness.h"
#include "shell/globals.h"

namespace kestrine::scenario {
namespace {

namespace fs = std::filesystem;

class ScriptFile {
 public:
  explicit ScriptFile(const std::string& text) {
    char name[] = "/tmp/kestrine_run_XXXXXX";
    const int fd = mkstemp(name);
    EXPECT_GE(fd, 0);
    close(fd);
    path_ = name;
    std::ofstream(path_) << text;
  }
  ~ScriptFile() { std::remove(path_.c_str()); }
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

// To the disclaimer: 70 frames of 16 ms pass the one second of logos.
constexpr const char* kToTheDisclaimer =
    "# from the logos to the disclaimer, then close\n"
    "frames 70 16\n"
    "mouse 2 320 240\n"
    "key 122 1\n"
    "key 122 0\n"
    "frame 16\n"
    "quit\n";

TEST(ScriptedRunTest, TheProgramFollowsTheScriptToTheDisclaimerAndEndsWell) {
  ScriptFile script(kToTheDisclaimer);
  HarnessOptions options;
  options.inputScript = script.Path();
  Harness game(options);
  EXPECT_EQ(game.RunToEnd(), 0);
  EXPECT_EQ(game.TracedStates(), (std::vector<int>{STATE_LOGOS, STATE_DISCLAIMER}));
  EXPECT_EQ(gameState, STATE_DISCLAIMER);
  EXPECT_EQ(gameClock, 71 * 16);
  EXPECT_EQ(pointerX, 320);
  EXPECT_FALSE(engineRoot);  // shut down
  EXPECT_FALSE(game.Backend().DisplayModeActive());
}

TEST(ScriptedRunTest, AScriptThatEndsWithoutQuitStillEndsTheRun) {
  ScriptFile script("frames 10 16\n");
  HarnessOptions options;
  options.inputScript = script.Path();
  Harness game(options);
  EXPECT_EQ(game.RunToEnd(), 0);
  EXPECT_EQ(gameClock, 160);
  EXPECT_NE(game.DebugLog().find("input script ended"), std::string::npos);
}

// ---- the executable itself ----

struct RunResult {
  int status = -1;
  std::string errors;
};

fs::path ExecutablePath() { return fs::path(KESTRINE_DATA_DIR).parent_path() / "kestrine"; }

// Runs the game from a data folder with the environment given, returning its exit status and stderr.
RunResult RunGame(const std::string& environment, const std::string& folder = KESTRINE_DATA_DIR) {
  RunResult result;
  char errName[] = "/tmp/kestrine_err_XXXXXX";
  const int fd = mkstemp(errName);
  close(fd);
  // Never a display: a box must not wait for someone to click it.
  // The data tree is named outright: the one next to the program would otherwise be found first.
  const std::string command = "cd '" + folder + "' && env -u DISPLAY -u WAYLAND_DISPLAY KESTRINE_DATA='" + folder +
                              "' " + environment + " '" + ExecutablePath().string() + "' 2>'" + errName + "' >/dev/null";
  const int raw = std::system(command.c_str());
  result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  std::ifstream in(errName);
  std::ostringstream text;
  text << in.rdbuf();
  result.errors = text.str();
  std::remove(errName);
  return result;
}

// In a sanitizer build the executable is instrumented too: a run passes only if no checker spoke.
void ExpectNoSanitizerReport(const std::string& errors) {
  for (const char* mark : {"runtime error:", "AddressSanitizer", "LeakSanitizer", "UndefinedBehaviorSanitizer"})
    EXPECT_EQ(errors.find(mark), std::string::npos) << errors;
}

class ExecutableTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!fs::exists(ExecutablePath())) GTEST_SKIP() << "the game executable is not built: " << ExecutablePath();
  }
};

TEST_F(ExecutableTest, AScriptedHeadlessRunPassesTheStatesAndExitsWithZero) {
  ScriptFile script(kToTheDisclaimer);
  const RunResult run = RunGame("KESTRINE_ENGINE=headless KESTRINE_INPUT='" + script.Path() + "'");
  EXPECT_EQ(run.status, 0) << run.errors;
  ExpectNoSanitizerReport(run.errors);
  EXPECT_EQ(run.errors.find("Damaged Game Data"), std::string::npos) << run.errors;
  const size_t logos = run.errors.find("game state 0\n");
  const size_t disclaimer = run.errors.find("game state 1\n");
  ASSERT_NE(logos, std::string::npos) << run.errors;
  ASSERT_NE(disclaimer, std::string::npos) << run.errors;
  EXPECT_LT(logos, disclaimer);
}

TEST_F(ExecutableTest, ADamagedDataTreeStillTakesTheGameToTheDisclaimerAndTellsWhatIsDamaged) {
  DamagedTree tree(KESTRINE_DATA_DIR);
  tree.Damage();
  ScriptFile script(kToTheDisclaimer);
  const RunResult run =
      RunGame("KESTRINE_ENGINE=headless KESTRINE_INPUT='" + script.Path() + "'", tree.Root().string());
  EXPECT_EQ(run.status, 0) << run.errors;
  ExpectNoSanitizerReport(run.errors);
  EXPECT_NE(run.errors.find("game state 1\n"), std::string::npos) << run.errors;
  EXPECT_NE(run.errors.find("unreadable image: images\\disclaimer.qjp\n"), std::string::npos) << run.errors;
  // Nobody can see a box: it is written where the person who started the game reads.
  EXPECT_NE(run.errors.find("kestrine warning: [Damaged Game Data] "), std::string::npos) << run.errors;
}

TEST_F(ExecutableTest, OnTheSdlEngineTheGameRunsToTheDisclaimerWithoutALeakOfItsOwn) {
  ScriptFile script(kToTheDisclaimer);
  const std::string suppressions = std::string(KESTRINE_SOURCE_DIR) + "/tests/sanitizer/lsan_mesa.supp";
  const RunResult run = RunGame("KESTRINE_ENGINE=sdl SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy "
                                "KESTRINE_WINDOWED=1 LSAN_OPTIONS=suppressions='" + suppressions +
                                "' KESTRINE_INPUT='" + script.Path() + "'");
  if (run.errors.find("has no SDL backend") != std::string::npos) GTEST_SKIP() << "built without SDL";
  EXPECT_EQ(run.status, 0) << run.errors;
  ExpectNoSanitizerReport(run.errors);
  EXPECT_NE(run.errors.find("game state 1\n"), std::string::npos) << run.errors;
}

TEST_F(ExecutableTest, ABadScriptEndsWithItsLineOnStderrAndANonZeroStatus) {
  ScriptFile script("frame 16\nclick 10\n");
  const RunResult run = RunGame("KESTRINE_ENGINE=headless KESTRINE_INPUT='" + script.Path() + "'");
  EXPECT_NE(run.status, 0);
  EXPECT_NE(run.errors.find("line 2"), std::string::npos) << run.errors;
  EXPECT_EQ(run.errors.find("game state"), std::string::npos) << run.errors;
}

TEST_F(ExecutableTest, AnEngineThatCannotStartEndsWithAClearMessageAndANonZeroStatus) {
  // No browser on the PATH: nothing is opened, and the reason is still told.
  const RunResult run = RunGame("PATH=/nonexistent KESTRINE_ENGINE=nosuchengine");
  EXPECT_NE(run.status, 0);
  EXPECT_NE(run.status, -1) << "the program must end, not crash";
  EXPECT_NE(run.errors.find("nosuchengine"), std::string::npos) << run.errors;
  EXPECT_NE(run.errors.find("The Quillary Vantor cannot be found on your system."), std::string::npos) << run.errors;
}

// A mission lost to the clock, played by a script through the menus on the executable: ACCEPT, NEW GAME,
// NOVICE, SELECT, START MISSION, then the medic left where he starts while the mission's 3 x 260 seconds
// run out, the debriefing, REPLAY back to the briefing. Ten seconds short of the limit it is still running.
TEST_F(ExecutableTest, AScriptedMissionLostToTheClockEndsInTheDebriefingAndIsBriefedAgainOnReplay) {
  const auto play = [](int battleFrames) {
    ScriptFile script(
        "frames 70 16\n"
        "mouse 2 487 446\nclick 487 446\nframe 16\n"  // ACCEPT
        "mouse 2 165 217\nclick 165 217\nframe 16\n"  // NEW GAME
        "mouse 2 165 192\nclick 165 192\nframe 16\n"  // NOVICE
        "mouse 2 453 421\nclick 453 421\nframe 16\n"  // SELECT
        "mouse 2 504 356\nclick 504 356\n"             // START MISSION
        "frames " + std::to_string(battleFrames) + " 50\n"
        "mouse 2 504 370\nclick 504 370\nframe 16\n"  // REPLAY
        "quit\n");
    return RunGame("KESTRINE_ENGINE=headless KESTRINE_INPUT='" + script.Path() + "'");
  };
  const RunResult early = play(15400);  // 770 seconds
  EXPECT_EQ(early.status, 0) << early.errors;
  ASSERT_NE(early.errors.find("game state 17\n"), std::string::npos) << early.errors;
  EXPECT_EQ(early.errors.find("game state 20\n"), std::string::npos) << early.errors;

  const RunResult run = play(16000);  // 800 seconds
  EXPECT_EQ(run.status, 0) << run.errors;
  ExpectNoSanitizerReport(run.errors);
  // The states in their order: the briefing, the mission, its debriefing, the briefing again.
  size_t at = 0;
  for (const char* state : {"game state 14\n", "game state 17\n", "game state 20\n", "game state 14\n"}) {
    at = run.errors.find(state, at);
    ASSERT_NE(at, std::string::npos) << state << " missing in order:\n" << run.errors;
    ++at;
  }
  EXPECT_EQ(run.errors.find("game state 21\n"), std::string::npos) << "the medic was not killed";
}

}  // namespace
}  // namespace kestrine::scenario
