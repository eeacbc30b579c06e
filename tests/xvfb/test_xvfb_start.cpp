// The executable on the SDL engine in the virtual display Xvfb, whose software renderer makes the game warn at
// start-up. Each test runs one of the shell scripts beside this file on the built game and passes when the
// script does; the script's own lines say what failed.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

struct ScriptRun {
  int status = -1;
  std::string output;
};

ScriptRun RunScript(const std::string& name) {
  const std::string command =
      std::string("'") + KESTRINE_XVFB_SCRIPTS + "/" + name + "' '" + KESTRINE_PROGRAM + "' 2>&1";
  ScriptRun run;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return run;
  char buffer[4096];
  for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.output.append(buffer, n);
  run.status = pclose(pipe);
  return run;
}

TEST(XvfbStartTest, AScriptedStartPassesTheWarningAndCapturesTheDisclaimerWithin60Seconds) {
  const ScriptRun run = RunScript("scripted_start");
  EXPECT_EQ(run.status, 0) << run.output;
}

TEST(XvfbStartTest, TheWarningBoxFitsTheScreenAndGoesWithAKilledGame) {
  const ScriptRun run = RunScript("box_on_screen");
  EXPECT_EQ(run.status, 0) << run.output;
}

}  // namespace
