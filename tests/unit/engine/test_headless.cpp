// The headless backend: injected input in order, the virtual clock moving sounds, free-running
// frames, the display mode and start-up conditions, and missing sounds that never hang a wait.
#include <gtest/gtest.h>

#include <cstdio>
#include <numeric>
#include <string>
#include <vector>

#include "backend/headless/headless_backend.h"
#include "core/engine_internals.h"
#include "engine/engine_root.h"
#include "recorded_events.h"
#include "temp_tree.h"
#include "wav_test_bytes.h"

namespace engine {
namespace {

class HeadlessRootTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = CreateEngineRoot("headless");
    engine::CoreOf(*root_).SetTraceToStderr(false);
    backend_ = HeadlessBackendOf(*root_);
    ASSERT_NE(backend_, nullptr);
    root_->Advise(&sink_);
  }
  void TearDown() override { root_->Unadvise(); }
  // Writes a file into the test's own working folder and gives its name as the game would pass it.
  std::wstring TempFile(const std::string& name, const std::string& bytes) {
    tree_.Write(name, bytes);
    return std::wstring(name.begin(), name.end());
  }

  testing::TempTree tree_;
  EngineRef<EngineRoot> root_;
  HeadlessBackend* backend_ = nullptr;
  testing::RecordingSink sink_;
};

TEST_F(HeadlessRootTest, InjectedEventsArriveInOrderWithTheirData) {
  backend_->InjectFrame(20);
  backend_->InjectMouse(kMouseLeftDown, 100, 200);
  backend_->InjectKey(65, true);
  backend_->InjectMouse(kMouseLeftUp, 101, 201);
  backend_->InjectFrame(33);
  EXPECT_EQ(backend_->Pending(), 5u);
  while (root_->FireNextEvent(0)) {
  }
  EXPECT_EQ(sink_.texts,
            (std::vector<std::string>{"frame 20", "mouse 6 100 200", "key 65 1", "mouse 7 101 201", "frame 33"}));
  EXPECT_EQ(backend_->NowMs(), 53) << "only frame events move the clock";
  EXPECT_FALSE(root_->FireNextEvent(-1)) << "no free run: an empty queue returns at once";
}

TEST_F(HeadlessRootTest, WaitAndFrameEventsMoveTheVirtualClockAndPlayingSoundsAlike) {
  // 250 frames at 1000 Hz: a quarter-second shot.
  auto sound = root_->LoadSound(TempFile("shot.qwv", wavtest::Wave16(1, 1000, 250)), 0);
  ASSERT_EQ(sound->IsLoaded(), 1);
  EXPECT_FALSE(sound->IsPlaceholder());
  sound->Play(0, 0);
  root_->Wait(100);
  root_->Wait(100);
  EXPECT_EQ(backend_->NowMs(), 200);
  EXPECT_EQ(sound->IsPlaying(), 1);
  EXPECT_EQ(sound->CursorFrame(), 200u);
  root_->Wait(49);
  EXPECT_EQ(sound->IsPlaying(), 1);
  root_->Wait(1);
  EXPECT_EQ(sound->IsPlaying(), 0);
  EXPECT_EQ(backend_->NowMs(), 250);

  auto loop = root_->LoadSound(TempFile("loop.qwv", wavtest::Wave16(2, 22050, 2205)), 0);  // 100 ms
  loop->Play(1, 0);
  for (int i = 0; i < 9; ++i) backend_->InjectFrame(i % 3 == 0 ? 16 : 17);  // 150 ms
  while (root_->FireNextEvent(0)) {
  }
  EXPECT_EQ(loop->IsPlaying(), 1);
  EXPECT_EQ(loop->CursorFrame(), 1102u);  // 150 ms into a 100 ms loop: 50 ms = 1102.5 frames
}

TEST_F(HeadlessRootTest, FreeRunSpreadsFramesExactlyAfterStart) {
  backend_->SetFreeRun(true);
  EXPECT_FALSE(root_->FireNextEvent(0)) << "no frames before Start";
  root_->SetFrameRate(60);
  root_->Start();
  for (int i = 0; i < 120; ++i) ASSERT_TRUE(root_->FireNextEvent(0));
  std::vector<int> times;
  for (const RawEvent& e : sink_.events) times.push_back(e.frameTime);
  EXPECT_EQ(std::vector<int>(times.begin(), times.begin() + 6), (std::vector<int>{16, 17, 17, 16, 17, 17}));
  EXPECT_EQ(std::accumulate(times.begin(), times.end(), 0), 2000);
  EXPECT_EQ(backend_->NowMs(), 2000);

  // Injected input still comes first, then the frames go on where they left off.
  backend_->InjectMouse(kMouseMove, 5, 6);
  ASSERT_TRUE(root_->FireNextEvent(0));
  EXPECT_EQ(sink_.texts.back(), "mouse 2 5 6");
  ASSERT_TRUE(root_->FireNextEvent(0));
  EXPECT_EQ(sink_.events.back().frameTime, 16);
}

TEST_F(HeadlessRootTest, AMissingOrUnreadableSoundIsATracedSilentPlaceholderThatEndsAWait) {
  auto a = root_->LoadSound(L"sounds\\sfx\\NoSuchSound.qwv", 0);
  auto b = root_->LoadSound(L"sounds\\sfx\\NoSuchSound.qwv", 0);
  ASSERT_TRUE(a);
  EXPECT_EQ(a->IsLoaded(), 1);
  EXPECT_TRUE(a->IsPlaceholder());
  const std::string log = engine::CoreOf(*root_).DebugLog();
  const std::string trace = "missing asset: sounds\\sfx\\NoSuchSound.qwv";
  ASSERT_NE(log.find(trace), std::string::npos) << log;
  EXPECT_EQ(log.find(trace, log.find(trace) + 1), std::string::npos) << "reported once";
  EXPECT_EQ(log.find("missing asset:", log.find("missing asset:") + 1), std::string::npos);

  // The radio-chatter wait: until it reports playing, then until it stops, in 100 ms steps.
  a->Play(0, 0);
  int steps = 0;
  while (!a->IsPlaying() && steps < 10) root_->Wait(100), ++steps;
  while (a->IsPlaying() && steps < 10) root_->Wait(100), ++steps;
  EXPECT_EQ(steps, 1);

  auto s = root_->LoadSound(TempFile("broken.qwv", "RIFF\x10\0\0\0WAVEjunk"), 0);
  EXPECT_EQ(s->IsLoaded(), 1);
  EXPECT_TRUE(s->IsPlaceholder());
}

TEST_F(HeadlessRootTest, TheTraceBufferKeepsTheLatestWholeLinesOnly) {
  engine::EngineCore& core = engine::CoreOf(*root_);
  core.ClearDebugLog();
  // Lines of 100 bytes, five times what the buffer keeps.
  const size_t kept = engine::EngineCore::kDebugLogKeptBytes;
  const int lines = static_cast<int>(5 * kept / 100);
  for (int i = 0; i < lines; ++i) {
    char line[101];
    std::snprintf(line, sizeof line, "trace %08d %s", i, std::string(84, '.').c_str());
    core.Trace(line);
  }
  const std::string log = core.DebugLog();
  EXPECT_GE(log.size(), kept);
  EXPECT_LE(log.size(), 2 * kept);
  EXPECT_EQ(log.size() % 100, 0u) << "whole lines only";
  EXPECT_EQ(log.compare(0, 6, "trace "), 0);
  char last[20];
  std::snprintf(last, sizeof last, "trace %08d ", lines - 1);
  EXPECT_EQ(log.compare(log.size() - 100, 15, last), 0) << "the latest line is kept";
  EXPECT_EQ(log.find("trace 00000000 "), std::string::npos) << "the first is gone";
}

TEST(HeadlessInput, HeldButtonsAndKeysFollowTheInputAsItHappens) {
  HeadlessBackend b;
  EXPECT_FALSE(b.AnyInputHeld());
  b.InjectMouse(kMouseLeftDown, 30, 40);
  EXPECT_TRUE(b.AnyInputHeld()) << "a press is seen before its event is pumped";
  EXPECT_EQ(b.MouseX(), 30);
  EXPECT_EQ(b.MouseY(), 40);
  b.InjectMouse(kMouseRightDown, 31, 41);
  b.InjectMouse(kMouseLeftUp, 32, 42);
  EXPECT_TRUE(b.AnyInputHeld()) << "the right button is still down";
  b.InjectMouse(kMouseRightUp, 33, 43);
  EXPECT_FALSE(b.AnyInputHeld());
  EXPECT_EQ(b.MouseX(), 33);

  b.InjectKey(16, true);
  b.InjectKey(16, true);  // auto-repeat
  EXPECT_TRUE(b.AnyInputHeld());
  b.InjectKey(16, false);
  EXPECT_FALSE(b.AnyInputHeld()) << "one release ends a repeated press";
  b.InjectKey(17, false);
  b.InjectKey(-5, true);
  b.InjectKey(999, true);
  EXPECT_FALSE(b.AnyInputHeld()) << "stray releases and impossible codes change nothing";
  EXPECT_EQ(b.Pending(), 10u) << "every input is still delivered";
}

TEST(HeadlessDisplay, DisplayModeScreenSizeConditionsAndSleep) {
  HeadlessBackend b;
  EXPECT_EQ(b.ScreenWidth(), 640);
  EXPECT_EQ(b.ScreenHeight(), 480);
  EXPECT_EQ(b.TestCondition(5), 0);
  b.SetScreenSize(800, 600);  // the desktop came back under the game
  EXPECT_EQ(b.ScreenWidth(), 800);
  EXPECT_TRUE(b.SetDisplayMode(640, 480, 16));
  EXPECT_TRUE(b.DisplayModeActive());
  EXPECT_EQ(b.TestCondition(5), 1);
  EXPECT_EQ(b.ScreenWidth(), 640);
  EXPECT_EQ(b.ScreenHeight(), 480);
  b.ExitDisplayMode();
  EXPECT_EQ(b.TestCondition(5), 0);
  EXPECT_FALSE(b.SetDisplayMode(0, 480, 16));
  EXPECT_FALSE(b.DisplayModeActive());

  HeadlessBackend forced;
  for (int c : {0, 1, 2, 3, 7, 8}) EXPECT_EQ(forced.TestCondition(c), 0) << c;
  forced.SetConditionResult(2, 1);
  forced.SetConditionResult(5, 0);
  forced.SetDisplayMode(640, 480, 16);
  EXPECT_EQ(forced.TestCondition(2), 1);
  EXPECT_EQ(forced.TestCondition(5), 0) << "a forced answer wins over the mode";
  forced.SetConditionResult(-1, 1);
  forced.SetConditionResult(16, 1);
  EXPECT_EQ(forced.TestCondition(-1), 0);
  EXPECT_EQ(forced.TestCondition(16), 0);
  EXPECT_EQ(forced.TestCondition(1000), 0);
  forced.Sleep(250);  // sleeping advances only the virtual clock
  forced.Sleep(-10);
  EXPECT_EQ(forced.NowMs(), 250);
}

}  // namespace
}  // namespace engine
