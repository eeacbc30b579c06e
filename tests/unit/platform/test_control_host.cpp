// Hosting the engine control: made in a window, feeding the message loop with its events, closing the
// window on the engine's "quit", and released with the window. Also the sink's dispatch by identifier.
#include <gtest/gtest.h>

#include <vector>

#include "backend/headless/headless_backend.h"
#include "core/engine_internals.h"
#include "core/input_script.h"
#include "platform/control_host.h"
#include "platform/event_sink.h"
#include "platform/message_queue.h"
#include "platform/window.h"

namespace kestrine {
namespace {

class HostWindow : public WindowImpl {
 public:
  WindowClassInfo WindowClass() const override { return {"Host", 0, "arrow", COLOR_WINDOW + 1}; }
  bool ProcessWindowMessage(HWND, uint32_t, WPARAM, LPARAM, LRESULT&, uint32_t) override { return false; }
};

class Sink : public ControlEventSink {
 public:
  Sink() {
    SinkEntry(engine::kEventFrame, [this](const auto& e) { return frames.push_back(e->GetFrameTime()), 0L; });
    SinkEntry(engine::kEventKey, [this](const auto& e) { return keys.push_back(e->GetKeyCode()), 0L; });
  }
  std::vector<int> frames, keys;
};

class ControlHostTest : public ::testing::Test {
 protected:
  void SetUp() override {
    AtlAxWinInit();
    ClearMessageQueue();
    SetControlFactory([this]() -> engine::EngineRef<engine::EngineRoot> {
      if (fail) throw engine::EngineError(engine::kStatusFailed, "EngineRoot", "create (no display)");
      made = engine::CreateEngineRoot("headless");
      engine::CoreOf(*made).SetTraceToStderr(false);
      return made;
    });
  }
  void TearDown() override {
    SetControlFactory(nullptr);
    ResetWindows();
    ClearMessageQueue();
    SetMessageSource(nullptr);
  }
  HWND Open() { return window.Create(0, RECT{0, 0, 640, 480}, "Host", WS_POPUP, 0); }

  HostWindow window;
  engine::EngineRef<engine::EngineRoot> made;
  bool fail = false;
};

TEST_F(ControlHostTest, TheHostedEnginesEventsReachTheSinkThroughTheMessageLoop) {
  const HWND hwnd = Open();
  ASSERT_EQ(AtlAxCreateControl(kEngineClassId, hwnd), 0);
  auto root = AtlAxGetControl(hwnd);
  ASSERT_TRUE(root);
  EXPECT_EQ(root.Get(), made.Get());
  Sink sink;
  ASSERT_EQ(sink.DispEventAdvise(root), 0);
  auto* backend = engine::HeadlessBackendOf(*root);
  backend->InjectFrame(16);
  backend->InjectKey(65, true);
  backend->InjectFrame(17);
  EXPECT_TRUE(PumpMessageSource(0));
  EXPECT_TRUE(PumpMessageSource(0));
  EXPECT_TRUE(PumpMessageSource(0));
  EXPECT_FALSE(PumpMessageSource(0));
  EXPECT_EQ(sink.frames, (std::vector<int>{16, 17}));
  EXPECT_EQ(sink.keys, std::vector<int>{65});
  sink.DispEventUnadvise(root);
  backend->InjectFrame(18);
  PumpMessageSource(0);
  EXPECT_EQ(sink.frames.size(), 2u);
}

TEST_F(ControlHostTest, TheEnginesQuitClosesTheWindowAndTheControlGoesWithIt) {
  const HWND hwnd = Open();
  ASSERT_EQ(AtlAxCreateControl(kEngineClassId, hwnd), 0);
  engine::EngineRef<engine::EngineRoot> root = AtlAxGetControl(hwnd);
  root->SetInputScript(engine::InputScript::Parse("quit\n", "s"));
  EXPECT_FALSE(PumpMessageSource(0));
  MSG msg;
  ASSERT_EQ(GetMessage(&msg, 0, 0, 0), 1);
  EXPECT_EQ(msg.message, WM_CLOSE);
  EXPECT_EQ(msg.hwnd, hwnd);
  DispatchMessage(&msg);
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_FALSE(AtlAxGetControl(hwnd));
  EXPECT_FALSE(HasMessageSource());
  made.Reset();
  EXPECT_EQ(root->RefCount(), 1);  // only this test holds it now: the window and the movies' sound let it go
}

TEST_F(ControlHostTest, AnEngineThatCannotBeMadeOrAnotherClassLeavesTheWindowWithoutAControl) {
  fail = true;
  const HWND hwnd = Open();
  testing::internal::CaptureStderr();
  EXPECT_NE(AtlAxCreateControl(kEngineClassId, hwnd), 0);
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_NE(said.find("no display"), std::string::npos) << said;
  EXPECT_FALSE(AtlAxGetControl(hwnd));
  EXPECT_FALSE(HasMessageSource());
  fail = false;  // only the engine's class, in an existing window, is made
  EXPECT_NE(AtlAxCreateControl(L"Other.Control", hwnd), 0);
  EXPECT_NE(AtlAxCreateControl(kEngineClassId, hwnd + 1000), 0);
  EXPECT_FALSE(made);
}

TEST(ControlEventSinkTest, EventsWithoutAHandlerAreDroppedAndAnEmptyControlIsRefused) {
  Sink sink;
  sink.OnEngineEvent(engine::kEventMouse, engine::MakeEngine<engine::EngineEvent>(engine::RawEvent{}));
  EXPECT_TRUE(sink.frames.empty());
  EXPECT_NE(sink.DispEventAdvise(nullptr), 0);
  EXPECT_FALSE(sink.Advised());
}

}  // namespace
}  // namespace kestrine
