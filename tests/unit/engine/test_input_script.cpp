// The input script that drives the game from outside: each command becomes the events or actions it
// names, in order, and a bad line is refused with its file name and line number so whoever wrote the
// script can find it.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "backend/headless/headless_backend.h"
#include "core/engine_internals.h"
#include "core/input_script.h"
#include "engine/engine_root.h"
#include "recorded_events.h"
#include "temp_tree.h"

namespace engine {
namespace {

std::vector<ScriptAction> Drain(InputScript& script) {
  std::vector<ScriptAction> all;
  ScriptAction a;
  while (script.Next(a)) all.push_back(a);
  return all;
}

// The message of the error a bad script raises, or "" when it parsed.
std::string ParseError(const std::string& text) {
  try {
    InputScript::Parse(text, "test.txt");
  } catch (const std::runtime_error& e) {
    return e.what();
  }
  return "";
}

TEST(InputScriptTest, EachCommandBecomesItsEventsInOrder) {
  auto script = InputScript::Parse(
      "frame 16\n"
      "mouse 2 320 240\n"
      "click 10 20\n"
      "key 122 1\n"
      "key 122 0\n"
      "capture shots/menu one.png\n"
      "quit\n",
      "s");
  const auto all = Drain(*script);
  ASSERT_EQ(all.size(), 8u);
  std::vector<RawEvent> events;
  for (int i = 0; i < 6; ++i) events.push_back(all[i].event);
  // A click is the left button pressed and released at the same place.
  EXPECT_EQ(testing::EventTexts(events), (std::vector<std::string>{"frame 16", "mouse 2 320 240", "mouse 6 10 20",
                                                                   "mouse 7 10 20", "key 122 1", "key 122 0"}));
  EXPECT_EQ(all[6].kind, ScriptAction::Capture);
  EXPECT_EQ(all[6].path, "shots/menu one.png");
  EXPECT_EQ(all[7].kind, ScriptAction::Quit);
  EXPECT_TRUE(script->AtEnd());
}

TEST(InputScriptTest, FramesRepeatsOneFrameALongRunIsHandedOutFrameByFrameAndBlankLinesAreSkipped) {
  auto script = InputScript::Parse("frames 3 20\nframes 0 50\nframe 7\n", "s");
  const auto all = Drain(*script);
  ASSERT_EQ(all.size(), 4u);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(all[i].event.frameTime, 20);
  EXPECT_EQ(all[3].event.frameTime, 7);

  auto longRun = InputScript::Parse("frames 5000000 16\nquit\n", "s");
  ScriptAction a;
  long frames = 0;
  while (longRun->Next(a) && a.kind == ScriptAction::Event) ++frames;
  EXPECT_EQ(frames, 5000000);
  EXPECT_EQ(a.kind, ScriptAction::Quit);

  // Blank lines, comments and Windows line ends are skipped.
  const auto skipped = Drain(*InputScript::Parse("# note\r\n\r\n   \n  # indented\nframe 16\r\nquit\r\n", "s"));
  ASSERT_EQ(skipped.size(), 2u);
  EXPECT_EQ(skipped[0].event.frameTime, 16);
  EXPECT_EQ(skipped[1].kind, ScriptAction::Quit);
}

TEST(InputScriptTest, BadLinesNameTheFileAndTheLine) {
  const std::string unknown = ParseError("frame 16\n\njump 3\n");
  EXPECT_NE(unknown.find("test.txt line 3"), std::string::npos) << unknown;
  EXPECT_NE(unknown.find("jump"), std::string::npos) << unknown;

  struct Case {
    const char* text;
    const char* why;
  };
  const Case cases[] = {
      {"frame\n", "frame <ms>"},
      {"frame 16 17\n", "frame <ms>"},
      {"frame -5\n", "frame length"},
      {"frame 16ms\n", "frame length"},
      {"frame 999999\n", "frame length"},
      {"frames 3\n", "frames <n> <ms>"},
      {"frames -1 16\n", "frame count"},
      {"mouse 5 1 1\n", "mouse code"},
      {"mouse 2 1\n", "mouse <code> <x> <y>"},
      {"mouse 2 x 1\n", "x"},
      {"click 1\n", "click <x> <y>"},
      {"key 300 1\n", "virtual-key code"},
      {"key 65 2\n", "key state"},
      {"key 65\n", "key <vk> <0|1>"},
      {"capture\n", "capture <png path>"},
      {"quit now\n", "quit"},
      {"FRAME 16\n", "unknown command"},
  };
  for (const Case& c : cases) {
    const std::string error = ParseError(c.text);
    EXPECT_NE(error.find("test.txt line 1"), std::string::npos) << c.text << " -> " << error;
    EXPECT_NE(error.find(c.why), std::string::npos) << c.text << " -> " << error;
  }
}

TEST(InputScriptTest, AScriptLongerThanTheGameCanCountIsRefusedAndSoIsAMissingFile) {
  // 2^31 - 1 ms is 24.8 days: 35791 one-minute frames stay under it, one more goes over.
  EXPECT_EQ(ParseError("frames 35791 60000\nframe 23647\n"), "");
  const std::string error = ParseError("frames 35791 60000\nclick 1 1\nframe 23648\n");
  EXPECT_NE(error.find("test.txt line 3"), std::string::npos) << error;
  EXPECT_NE(error.find("add up"), std::string::npos) << error;
  EXPECT_NE(ParseError("frames 100000000 60000\n"), "");

  testing::TempTree tree;
  tree.Write("script.txt", "frames 2 16\nquit\n");
  EXPECT_EQ(Drain(*InputScript::Load("script.txt")).size(), 3u);
  try {
    InputScript::Load("missing.txt");
    FAIL() << "a missing script must be refused";
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find("missing.txt"), std::string::npos) << e.what();
  }
}

TEST(ScriptedEngineTest, ARootFedByAScriptGivenOrNamedInTheEnvironmentFiresItsEventsThenAsksItsHostToQuit) {
  auto root = CreateEngineRoot("headless");
  engine::CoreOf(*root).SetTraceToStderr(false);
  testing::RecordingSink sink;
  root->Advise(&sink);
  int quits = 0;
  root->SetQuitHandler([&quits] { ++quits; });
  root->SetInputScript(InputScript::Parse("frames 2 20\nclick 5 6\ncapture shot.png\nkey 27 1\nquit\nframe 99\n", "s"));
  while (root->FireNextEvent(0)) {
  }
  EXPECT_EQ(quits, 1);
  EXPECT_EQ(sink.texts, (std::vector<std::string>{"frame 20", "frame 20", "mouse 6 5 6", "mouse 7 5 6", "key 27 1"}));
  // The scripted frames moved the engine's virtual clock.
  EXPECT_EQ(HeadlessBackendOf(*root)->NowMs(), 40);
  // Headless has no picture: the capture is traced, not faked.
  EXPECT_NE(engine::CoreOf(*root).DebugLog().find("capture shot.png"), std::string::npos);
  root->Unadvise();

  // The script named in the environment is read when a root is made; ending without "quit", it ends the run
  // all the same.
  testing::TempTree tree;
  tree.Write("script.txt", "frame 33\n");
  setenv("KESTRINE_INPUT", "script.txt", 1);
  auto named = CreateEngineRoot("headless");
  unsetenv("KESTRINE_INPUT");
  engine::CoreOf(*named).SetTraceToStderr(false);
  testing::RecordingSink heard;
  named->Advise(&heard);
  named->SetQuitHandler([&quits] { ++quits; });
  while (named->FireNextEvent(0)) {
  }
  EXPECT_EQ(heard.texts, std::vector<std::string>{"frame 33"});
  EXPECT_EQ(quits, 2);
  named->Unadvise();
}

}  // namespace
}  // namespace engine
