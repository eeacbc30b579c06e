// Driving the program from outside with an input script, as a person at a terminal or a CI job would:
// in-process through the program's own message loop, and as the real executable started from a shell, with
// its exit status: it finds its data from any folder (next to the program, or where KESTRINE_DATA says), reads
// the script's path from the folder it was started in, and ends with one clear line and status 1 when the data
// tree or a display is missing. Headless with nobody to drive it, it stops on its own.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "damaged_tree.h"
#include "harness.h"
#include "shell/engine_setup.h"
#include "shell/events.h"
#include "shell/game_state.h"

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
  EXPECT_EQ(States().gameState, STATE_DISCLAIMER);
  EXPECT_EQ(Clock().gameClock, 71 * 16);
  EXPECT_EQ(Pointer().pointerX, 320);
  EXPECT_FALSE(Engine().engineRoot);  // shut down
  EXPECT_FALSE(game.Backend().DisplayModeActive());
}

TEST(ScriptedRunTest, AScriptThatEndsWithoutQuitStillEndsTheRun) {
  ScriptFile script("frames 10 16\n");
  HarnessOptions options;
  options.inputScript = script.Path();
  Harness game(options);
  EXPECT_EQ(game.RunToEnd(), 0);
  EXPECT_EQ(Clock().gameClock, 160);
  EXPECT_NE(game.DebugLog().find("input script ended"), std::string::npos);
}

// The menus clicked by the script's own "click" lines, as a player's hand would: ACCEPT, NEW GAME, NOVICE,
// SELECT and START MISSION take the program into the mission.
TEST(ScriptedRunTest, TheScriptsClicksTakeTheProgramThroughTheMenusIntoTheMission) {
  ScriptFile script(
      "frames 70 16\n"
      "mouse 2 487 446\nclick 487 446\nframe 16\n"  // ACCEPT
      "mouse 2 165 217\nclick 165 217\nframe 16\n"  // NEW GAME
      "mouse 2 165 192\nclick 165 192\nframe 16\n"  // NOVICE
      "mouse 2 453 421\nclick 453 421\nframe 16\n"  // SELECT
      "mouse 2 504 356\nclick 504 356\nframe 16\n"  // START MISSION
      "quit\n");
  HarnessOptions options;
  options.inputScript = script.Path();
  Harness game(options);
  EXPECT_EQ(game.RunToEnd(), 0);
  EXPECT_EQ(game.TracedStates(), (std::vector<int>{STATE_LOGOS, STATE_DISCLAIMER, STATE_MAIN_MENU, STATE_DIFFICULTY,
                                                   STATE_PLAYER_SELECT, STATE_BRIEFING, STATE_OVERHEAD}));
}

// ---- the executable itself ----

struct RunResult {
  int status = -1;
  std::string output;  // stdout and stderr together
};

// Where the build puts it: beside the data tree.
const fs::path kProgram = fs::path(KESTRINE_DATA_DIR).parent_path() / "kestrine";

// Runs the program in `folder` with nothing of this process's environment but PATH (unless `env` names one) and
// `env`: never a display, so that a box cannot wait for someone to click it.
RunResult RunProgram(const fs::path& program, const fs::path& folder, const std::map<std::string, std::string>& env) {
  std::vector<std::string> entries;
  if (const char* path = std::getenv("PATH"); path && !env.count("PATH"))
    entries.push_back(std::string("PATH=") + path);
  for (const auto& [name, value] : env) entries.push_back(name + "=" + value);
  std::vector<char*> envp;
  for (std::string& e : entries) envp.push_back(e.data());
  envp.push_back(nullptr);
  std::string programPath = program.string();
  char* argv[] = {programPath.data(), nullptr};

  int pipeFds[2];
  if (pipe(pipeFds) != 0) return {};
  const pid_t child = fork();
  if (child == 0) {
    dup2(pipeFds[1], 1);
    dup2(pipeFds[1], 2);
    close(pipeFds[0]);
    close(pipeFds[1]);
    if (chdir(folder.c_str()) != 0) _exit(126);
    execve(argv[0], argv, envp.data());
    _exit(127);
  }
  close(pipeFds[1]);
  RunResult result;
  char buffer[4096];
  for (ssize_t n; (n = read(pipeFds[0], buffer, sizeof buffer)) > 0;)
    result.output.append(buffer, static_cast<size_t>(n));
  close(pipeFds[0]);
  int status = 0;
  waitpid(child, &status, 0);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

// The headless program on a data tree (named outright: the one beside the program would be found first) with
// the script given.
RunResult RunScript(const ScriptFile& script, const std::string& tree = KESTRINE_DATA_DIR) {
  return RunProgram(kProgram, tree,
                    {{"KESTRINE_ENGINE", "headless"}, {"KESTRINE_DATA", tree}, {"KESTRINE_INPUT", script.Path()}});
}

// In a sanitizer build the executable is instrumented too: a run passes only if no checker spoke.
void ExpectNoSanitizerReport(const std::string& output) {
  for (const char* mark : {"runtime error:", "AddressSanitizer", "LeakSanitizer", "UndefinedBehaviorSanitizer"})
    EXPECT_EQ(output.find(mark), std::string::npos) << output;
}

class ExecutableTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!fs::exists(kProgram)) GTEST_SKIP() << "the game executable is not built: " << kProgram;
    char pattern[] = "/tmp/kestrine-start-XXXXXX";
    elsewhere_ = mkdtemp(pattern);
  }
  void TearDown() override {
    std::error_code ignored;
    if (!elsewhere_.empty()) fs::remove_all(elsewhere_, ignored);
  }

  fs::path elsewhere_;
};

TEST_F(ExecutableTest, AScriptedHeadlessRunPassesTheStatesAndExitsWithZero) {
  ScriptFile script(kToTheDisclaimer);
  const RunResult run = RunScript(script);
  EXPECT_EQ(run.status, 0) << run.output;
  ExpectNoSanitizerReport(run.output);
  EXPECT_EQ(run.output.find("Damaged Game Data"), std::string::npos) << run.output;
  const size_t logos = run.output.find("game state 0\n");
  const size_t disclaimer = run.output.find("game state 1\n");
  ASSERT_NE(logos, std::string::npos) << run.output;
  ASSERT_NE(disclaimer, std::string::npos) << run.output;
  EXPECT_LT(logos, disclaimer);
}

TEST_F(ExecutableTest, ADamagedDataTreeStillTakesTheGameToTheDisclaimerAndTellsWhatIsDamaged) {
  DamagedTree tree(KESTRINE_DATA_DIR);
  tree.Damage();
  ScriptFile script(kToTheDisclaimer);
  const RunResult run = RunScript(script, tree.Root().string());
  EXPECT_EQ(run.status, 0) << run.output;
  ExpectNoSanitizerReport(run.output);
  EXPECT_NE(run.output.find("game state 1\n"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("unreadable image: images\\disclaimer.qjp\n"), std::string::npos) << run.output;
  // Nobody can see a box: it is written where the person who started the game reads.
  EXPECT_NE(run.output.find("kestrine warning: [Damaged Game Data] "), std::string::npos) << run.output;
}

TEST_F(ExecutableTest, OnTheSdlEngineTheGameRunsToTheDisclaimerWithoutALeakOfItsOwn) {
  ScriptFile script(kToTheDisclaimer);
  const std::string suppressions = std::string(KESTRINE_SOURCE_DIR) + "/tests/sanitizer/lsan_mesa.supp";
  const RunResult run = RunProgram(kProgram, KESTRINE_DATA_DIR,
                                   {{"KESTRINE_ENGINE", "sdl"},
                                    {"SDL_VIDEODRIVER", "offscreen"},
                                    {"SDL_AUDIODRIVER", "dummy"},
                                    {"KESTRINE_WINDOWED", "1"},
                                    {"LSAN_OPTIONS", "suppressions=" + suppressions},
                                    {"KESTRINE_INPUT", script.Path()}});
  if (run.output.find("has no SDL backend") != std::string::npos) GTEST_SKIP() << "built without SDL";
  EXPECT_EQ(run.status, 0) << run.output;
  ExpectNoSanitizerReport(run.output);
  EXPECT_NE(run.output.find("game state 1\n"), std::string::npos) << run.output;
}

TEST_F(ExecutableTest, WithoutASoundDeviceOneLineSaysSoAndTheLogosStillPlay) {
  std::ofstream(elsewhere_ / "script.txt") << "frames 90 16\nquit\n";
  // The sound library's own driver on a machine without a sound card, as a player's would be.
  const RunResult run = RunProgram(kProgram, elsewhere_,
                                   {{"SDL_VIDEODRIVER", "offscreen"},
                                    {"SDL_AUDIODRIVER", "alsa"},
                                    {"KESTRINE_WINDOWED", "1"},
                                    {"KESTRINE_INPUT", "script.txt"}});
  const std::string line = "no audio device: playing silently\n";
  if (run.output.find(line) == std::string::npos) GTEST_SKIP() << "this machine has a sound device";
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_EQ(run.output.find(line), run.output.rfind(line)) << run.output;
  EXPECT_EQ(run.output.find("ALSA"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("game state 1\n"), std::string::npos) << run.output;
}

TEST_F(ExecutableTest, ABadScriptEndsWithItsLineOnStderrAndANonZeroStatus) {
  ScriptFile script("frame 16\nclick 10\n");
  const RunResult run = RunScript(script);
  EXPECT_NE(run.status, 0);
  EXPECT_NE(run.output.find("line 2"), std::string::npos) << run.output;
  EXPECT_EQ(run.output.find("game state"), std::string::npos) << run.output;
}

TEST_F(ExecutableTest, AnInputScriptThatIsNoFileToReadEndsTheStartWithOneLineAndStatusOne) {
  fs::create_directory(elsewhere_ / "scripts");
  ASSERT_EQ(mkfifo((elsewhere_ / "pipe").c_str(), 0600), 0);
  const struct {
    std::string named;
    std::string line;
  } cases[] = {
      {"scripts",
       "no input script: " + (elsewhere_ / "scripts").string() + " (KESTRINE_INPUT): it is a folder, not a file\n"},
      {"pipe", "no input script: " + (elsewhere_ / "pipe").string() +
                   " (KESTRINE_INPUT): it is not a plain file (a device or a pipe)\n"},
      {"/dev/zero", "no input script: /dev/zero (KESTRINE_INPUT): it is not a plain file (a device or a pipe)\n"},
      {"gone.txt",
       "no input script: " + (elsewhere_ / "gone.txt").string() + " (KESTRINE_INPUT): there is no such file\n"},
  };
  for (const auto& c : cases) {
    const RunResult run = RunProgram(
        kProgram, elsewhere_,
        {{"KESTRINE_ENGINE", "headless"}, {"KESTRINE_DATA", KESTRINE_DATA_DIR}, {"KESTRINE_INPUT", c.named}});
    EXPECT_EQ(run.status, 1) << c.named << ": " << run.output;
    EXPECT_EQ(run.output, c.line);
  }
}

TEST_F(ExecutableTest, AnEngineThatCannotStartEndsWithAClearMessageAndANonZeroStatus) {
  // No browser on the PATH: nothing is opened, and the reason is still told.
  const RunResult run =
      RunProgram(kProgram, KESTRINE_DATA_DIR, {{"PATH", "/nonexistent"}, {"KESTRINE_ENGINE", "nosuchengine"}});
  EXPECT_NE(run.status, 0);
  EXPECT_NE(run.status, -1) << "the program must end, not crash";
  EXPECT_NE(run.output.find("nosuchengine"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("The Quillary Vantor cannot be found on your system."), std::string::npos) << run.output;
}

TEST_F(ExecutableTest, WithoutADisplayTheStartEndsWithOneLineAndHeadlessWithNobodyToDriveItStopsOnItsOwn) {
  RunResult run = RunProgram(kProgram, elsewhere_, {});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.output, "no display: set DISPLAY, or run with KESTRINE_ENGINE=headless\n");
  run = RunProgram(kProgram, elsewhere_, {{"KESTRINE_ENGINE", "headless"}});
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_NE(run.output.find("game state 1"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("headless run without an input script: stopping after 60 s of game time"),
            std::string::npos)
      << run.output;
}

TEST_F(ExecutableTest, FromAnotherFolderTheDataIsFoundBesideTheProgramOrWhereKestrineDataSays) {
  std::ofstream(elsewhere_ / "run.txt") << "frames 200 16\nquit\n";
  std::map<std::string, std::string> env = {{"KESTRINE_ENGINE", "headless"}, {"KESTRINE_INPUT", "run.txt"}};
  RunResult run = RunProgram(kProgram, elsewhere_, env);
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_NE(run.output.find("game state 1"), std::string::npos) << run.output;
  EXPECT_EQ(run.output.find("missing asset"), std::string::npos) << run.output;

  // The program alone in a folder of its own: no data beside it.
  const fs::path alone = elsewhere_ / "program";
  fs::create_directories(alone);
  fs::copy_file(kProgram, alone / "kestrine");
  run = RunProgram(alone / "kestrine", elsewhere_, env);
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.output.find("no game data: looked in " + (alone / "data").string()), std::string::npos) << run.output;
  EXPECT_NE(run.output.find(elsewhere_.string() + " (the current folder)"), std::string::npos) << run.output;
  EXPECT_EQ(run.output.find("game state"), std::string::npos);

  env["KESTRINE_DATA"] = KESTRINE_DATA_DIR;
  run = RunProgram(alone / "kestrine", elsewhere_, env);
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_NE(run.output.find("game state 1"), std::string::npos) << run.output;
  EXPECT_EQ(run.output.find("missing asset"), std::string::npos) << run.output;

  env["KESTRINE_DATA"] = "no-such-folder";
  run = RunProgram(kProgram, elsewhere_, env);
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.output.find("no game data in " + (elsewhere_ / "no-such-folder").string()), std::string::npos)
      << run.output;
}

}  // namespace
}  // namespace kestrine::scenario
