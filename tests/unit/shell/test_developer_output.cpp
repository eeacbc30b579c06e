// Developer output reaches stderr only at the developer level of the developer keys or when the developer
// asks for it (KESTRINE_DEVELOPER=1); it is always kept in the engine's trace.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "shell/developer_keys.h"
#include "shell/developer_output.h"
#include "shell/engine_setup.h"
#include "unit/shell/headless_engine.h"

namespace kestrine::testing {
namespace {

TEST(DeveloperOutputTest, OnStderrOnlyAtTheDeveloperLevelOrWhenAskedForAndAlwaysInTheTrace) {
  struct Case {
    const char* what;
    int32_t level;
    const char* asked;  // KESTRINE_DEVELOPER, null when unset
    bool onStderr;
  };
  const Case cases[] = {
      {"a player", kDebugOff, nullptr, false},
      {"armed developer keys", kDebugArmed, nullptr, false},
      {"the developer level", kDebugDeveloper, nullptr, true},
      {"asked for", kDebugOff, "1", true},
      {"asked for with another word", kDebugOff, "0", false},
  };
  for (const Case& c : cases) {
    StartHeadlessEngine();
    engine::CoreOf(*Engine().engineRoot).SetTraceToStderr(true);
    if (c.level == kDebugArmed) ToggleDebugArmed();
    if (c.level == kDebugDeveloper) EnterDeveloperLevel();
    if (c.asked)
      setenv("KESTRINE_DEVELOPER", c.asked, 1);
    else
      unsetenv("KESTRINE_DEVELOPER");
    ::testing::internal::CaptureStderr();
    DeveloperPrint("----- Bones -----");
    DeveloperPrint(Engine().engineRoot, std::wstring(L"l_knee"));
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(said, c.onStderr ? "----- Bones -----\nl_knee\n" : "") << c.what;
    EXPECT_EQ(engine::CoreOf(*Engine().engineRoot).DebugLog(), "----- Bones -----\nl_knee\n") << c.what;
    unsetenv("KESTRINE_DEVELOPER");
    StopHeadlessEngine();
  }
  ResetProgramState();
}

}  // namespace
}  // namespace kestrine::testing
