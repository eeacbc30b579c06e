// The program started as a person starts it, from a shell: it finds its data from any folder (next to the
// program, or where KESTRINE_DATA says), takes the input script's paths from the folder it was started in,
// and ends with one clear line and status 1 when the data tree or a display is missing. Headless with
// nobody to drive it, it stops on its own.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace kestrine::scenario {
namespace {

namespace fs = std::filesystem;

struct Outcome {
  int status = -1;
  std::string output;  // stdout and stderr together
};

// Runs the program in `folder` with nothing of this process's environment but PATH and `env`.
Outcome RunProgram(const fs::path& program, const fs::path& folder, const std::map<std::string, std::string>& env) {
  std::vector<std::string> entries;
  if (const char* path = std::getenv("PATH")) entries.push_back(std::string("PATH=") + path);
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
  Outcome outcome;
  char buffer[4096];
  for (ssize_t n; (n = read(pipeFds[0], buffer, sizeof buffer)) > 0;)
    outcome.output.append(buffer, static_cast<size_t>(n));
  close(pipeFds[0]);
  int status = 0;
  waitpid(child, &status, 0);
  outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return outcome;
}

class StartAnywhereTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!fs::exists(program_)) GTEST_SKIP() << "the game executable is not built: " << program_;
    char pattern[] = "/tmp/kestrine-start-XXXXXX";
    elsewhere_ = mkdtemp(pattern);
  }
  void TearDown() override {
    std::error_code ignored;
    if (!elsewhere_.empty()) fs::remove_all(elsewhere_, ignored);
  }

  fs::path elsewhere_;
  // Where the build puts it: beside the data tree.
  const fs::path program_ = fs::path(KESTRINE_DATA_DIR).parent_path() / "kestrine";
};

TEST_F(StartAnywhereTest, FromAnotherFolderTheDataBesideTheProgramIsFoundAndTheScriptIsReadFromThere) {
  std::ofstream(elsewhere_ / "run.txt") << "frames 200 16\nquit\n";
  const Outcome run =
      RunProgram(program_, elsewhere_, {{"KESTRINE_ENGINE", "headless"}, {"KESTRINE_INPUT", "run.txt"}});
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_NE(run.output.find("game state 1"), std::string::npos) << run.output;
  EXPECT_EQ(run.output.find("missing asset"), std::string::npos) << run.output;
}

TEST_F(StartAnywhereTest, KestrineDataNamesTheTreeAndAMissingTreeEndsTheStartSayingWhereItLooked) {
  // The program alone in a folder of its own: no data beside it.
  const fs::path alone = elsewhere_ / "program";
  fs::create_directories(alone);
  fs::copy_file(program_, alone / "kestrine");
  std::ofstream(elsewhere_ / "run.txt") << "frames 200 16\nquit\n";
  const std::map<std::string, std::string> headless = {{"KESTRINE_ENGINE", "headless"}, {"KESTRINE_INPUT", "run.txt"}};

  Outcome run = RunProgram(alone / "kestrine", elsewhere_, headless);
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.output.find("no game data: looked in " + (alone / "data").string()), std::string::npos) << run.output;
  EXPECT_NE(run.output.find(elsewhere_.string() + " (the current folder)"), std::string::npos) << run.output;
  EXPECT_EQ(run.output.find("game state"), std::string::npos);

  auto named = headless;
  named["KESTRINE_DATA"] = KESTRINE_DATA_DIR;
  run = RunProgram(alone / "kestrine", elsewhere_, named);
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_NE(run.output.find("game state 1"), std::string::npos) << run.output;
  EXPECT_EQ(run.output.find("missing asset"), std::string::npos) << run.output;

  named["KESTRINE_DATA"] = "no-such-folder";
  run = RunProgram(program_, elsewhere_, named);
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.output.find("no game data in " + (elsewhere_ / "no-such-folder").string()), std::string::npos)
      << run.output;
}

TEST_F(StartAnywhereTest, WithoutADisplayTheStartEndsWithOneLine) {
  const Outcome run = RunProgram(program_, elsewhere_, {});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.output, "no display: set DISPLAY, or run with KESTRINE_ENGINE=headless\n");
}

TEST_F(StartAnywhereTest, HeadlessWithNobodyToDriveItStopsOnItsOwn) {
  const Outcome run = RunProgram(program_, elsewhere_, {{"KESTRINE_ENGINE", "headless"}});
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_NE(run.output.find("game state 1"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("headless run without an input script: stopping after 60 s of game time"),
            std::string::npos)
      << run.output;
}

}  // namespace
}  // namespace kestrine::scenario
