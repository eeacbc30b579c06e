// Windows and the message queue: creation running WM_CREATE inside, WM_CLOSE destroying through the
// default procedure, posted messages in order, the quit message, and the message source (the engine)
// asked only when nothing is posted.
#include <gtest/gtest.h>

#include <vector>

#include "platform/message_queue.h"
#include "platform/movie/window_canvas.h"
#include "platform/window.h"

namespace kestrine {
namespace {

class RecordingWindow : public WindowImpl {
 public:
  WindowClassInfo WindowClass() const override { return {"Recording", CS_DBLCLKS, "arrow", COLOR_WINDOW + 1}; }
  bool ProcessWindowMessage(HWND, uint32_t message, WPARAM wParam, LPARAM, LRESULT& result, uint32_t mapId) override {
    seen.push_back(message);
    maps.push_back(mapId);
    if (message == WM_CREATE && destroyOnCreate) DestroyWindow(Handle());
    if (message == WM_DESTROY) {
      PostQuitMessage(static_cast<int>(quitCode));
      return true;
    }
    if (message == 0x400) {
      values.push_back(static_cast<int>(wParam));
      result = 42;
      return true;
    }
    return false;
  }
  std::vector<uint32_t> seen;
  std::vector<uint32_t> maps;
  std::vector<int> values;
  bool destroyOnCreate = false;
  WPARAM quitCode = 0;
};

class WindowMessagesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearMessageQueue();
    SetMessageSource(nullptr);
  }
  void TearDown() override {
    ResetWindows();
    ClearMessageQueue();
    SetMessageSource(nullptr);
  }
  static HWND Open(RecordingWindow& w) { return w.Create(0, RECT{0, 0, 800, 600}, "Test", WS_POPUP | WS_VISIBLE, 0); }
};

TEST_F(WindowMessagesTest, CreationRunsWmCreateInsideKeepsTheWindowsDetailsOrEndsInNoWindow) {
  RecordingWindow w;
  const HWND hwnd = Open(w);
  ASSERT_NE(hwnd, 0u);
  EXPECT_EQ(w.Handle(), hwnd);
  EXPECT_EQ(w.seen, std::vector<uint32_t>{WM_CREATE});
  EXPECT_EQ(w.maps, std::vector<uint32_t>{0});
  EXPECT_EQ(WindowClassName(hwnd), "Recording");
  RECT client;
  ASSERT_TRUE(GetClientRect(hwnd, &client));
  EXPECT_EQ(client.right, 800);
  EXPECT_EQ(client.bottom, 600);
  RecordingWindow offset;  // the client area of a window away from the corner starts at its own 0, 0
  ASSERT_TRUE(GetClientRect(offset.Create(0, RECT{100, 50, 740, 530}, "Off", WS_POPUP, 0), &client));
  EXPECT_EQ(client.right, 640);
  EXPECT_EQ(client.bottom, 480);
  EXPECT_EQ(WindowShowState(hwnd), SW_SHOW);
  EXPECT_TRUE(ShowWindow(hwnd, SW_SHOWDEFAULT));
  EXPECT_EQ(WindowShowState(hwnd), SW_SHOWDEFAULT);

  // A window that destroys itself while being created is no window.
  RecordingWindow gone;
  gone.destroyOnCreate = true;
  EXPECT_EQ(Open(gone), 0u);
  EXPECT_EQ(gone.Handle(), 0u);
  EXPECT_EQ(gone.seen, (std::vector<uint32_t>{WM_CREATE, WM_DESTROY}));
  // Its quit message is waiting.
  MSG msg;
  EXPECT_EQ(GetMessage(&msg, 0, 0, 0), 0);
  EXPECT_EQ(msg.message, WM_QUIT);
}

TEST_F(WindowMessagesTest, CloseGoesThroughTheDefaultProcedureToDestroyAndQuit) {
  RecordingWindow w;
  w.quitCode = 3;
  const HWND hwnd = Open(w);
  ASSERT_TRUE(PostMessage(hwnd, WM_CLOSE, 0, 0));
  MSG msg;
  ASSERT_EQ(GetMessage(&msg, 0, 0, 0), 1);
  EXPECT_EQ(msg.message, WM_CLOSE);
  DispatchMessage(&msg);
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_EQ(w.seen, (std::vector<uint32_t>{WM_CREATE, WM_CLOSE, WM_DESTROY}));
  ASSERT_EQ(GetMessage(&msg, 0, 0, 0), 0);
  EXPECT_EQ(msg.wParam, 3u);
  // A destroyed window takes no more messages.
  EXPECT_FALSE(PostMessage(hwnd, 0x400, 1, 0));
  EXPECT_FALSE(DestroyWindow(hwnd));
  EXPECT_EQ(SendMessage(hwnd, 0x400, 1, 0), 0);
}

TEST_F(WindowMessagesTest, PostedMessagesArriveInOrderBeforeALaterQuit) {
  RecordingWindow w;
  const HWND hwnd = Open(w);
  PostMessage(hwnd, 0x400, 1, 0);
  PostMessage(hwnd, 0x400, 2, 0);
  PostQuitMessage(0);
  PostMessage(hwnd, 0x400, 3, 0);
  MSG msg;
  int got = 0;
  while ((got = GetMessage(&msg, 0, 0, 0)) > 0) DispatchMessage(&msg);
  EXPECT_EQ(got, 0);
  EXPECT_EQ(w.values, (std::vector<int>{1, 2}));
  EXPECT_EQ(PendingMessageCount(), 1u);
}

TEST_F(WindowMessagesTest, TheSourceIsAskedOnlyWhenNothingIsPostedAndNeverByAPeek) {
  RecordingWindow w;
  const HWND hwnd = Open(w);
  int asked = 0;
  SetMessageSource([&](int timeoutMs) {
    EXPECT_LT(timeoutMs, 0);
    ++asked;
    // The third event the source fires posts a message, as the engine's "quit" does.
    if (asked == 3) PostMessage(hwnd, WM_CLOSE, 0, 0);
    return true;
  });
  PostMessage(hwnd, 0x400, 9, 0);
  MSG msg;
  ASSERT_EQ(GetMessage(&msg, 0, 0, 0), 1);
  EXPECT_EQ(msg.message, 0x400u);
  EXPECT_EQ(asked, 0);
  ASSERT_EQ(GetMessage(&msg, 0, 0, 0), 1);
  EXPECT_EQ(msg.message, WM_CLOSE);
  EXPECT_EQ(asked, 3);
  // Peeking never asks the source.
  asked = 0;
  SetMessageSource([&](int) { return ++asked, true; });
  EXPECT_FALSE(PeekMessage(&msg, 0, 0, 0, PM_REMOVE));
  EXPECT_EQ(asked, 0);
  EXPECT_TRUE(PumpMessageSource(0));
  EXPECT_EQ(asked, 1);
  PostQuitMessage(0);
  EXPECT_TRUE(PeekMessage(&msg, 0, 0, 0, PM_NOREMOVE));
  EXPECT_EQ(PendingMessageCount(), 1u);
  EXPECT_TRUE(PeekMessage(&msg, 0, 0, 0, PM_REMOVE));
  EXPECT_EQ(PendingMessageCount(), 0u);
  // With nothing posted and no source, the loop ends instead of waiting forever.
  SetMessageSource(nullptr);
  EXPECT_EQ(GetMessage(&msg, 0, 0, 0), -1);
}

TEST_F(WindowMessagesTest, EveryWindowIsEnumeratedAndTitlesAreCutToTheBuffer) {
  RecordingWindow a, b;
  const HWND first = Open(a);
  const HWND second = Open(b);
  SetWindowText(second, "A rather long title for a window");
  SetForeignWindowProvider([] { return std::vector<ForeignWindow>{{1, "Engine", nullptr}}; });
  std::vector<std::string> titles;
  EnumWindows(
      [&](HWND hwnd, LPARAM) {
        char title[8];
        GetWindowText(hwnd, title, sizeof title);
        titles.push_back(title);
        return true;
      },
      0);
  SetForeignWindowProvider(nullptr);
  EXPECT_EQ(titles, (std::vector<std::string>{"Test", "A rathe", "Engine"}));
  // Stopping early.
  int visits = 0;
  EXPECT_FALSE(EnumWindows([&](HWND, LPARAM) { return ++visits < 1; }, 0));
  EXPECT_EQ(visits, 1);
  EXPECT_NE(first, second);
}

TEST_F(WindowMessagesTest, WindowsForgottenAtTheEndOfARunLetTheirPixelsGoAndObserversHearOfEveryDestroyed) {
  RecordingWindow w;
  const HWND hwnd = Open(w);
  CreateWindowCanvas(hwnd, "Test", RECT{0, 0, 800, 600}, false);
  ASSERT_TRUE(HasWindowCanvas(hwnd));
  ResetWindows();
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_FALSE(HasWindowCanvas(hwnd));
  // Observers hear of every destroyed window; they stay for the program's life, so this one keeps its
  // record where it outlives the test.
  static std::vector<HWND> gone;
  AddWindowDestroyedObserver([](HWND destroyed) { gone.push_back(destroyed); });
  const HWND other = Open(w);
  DestroyWindow(other);
  ASSERT_FALSE(gone.empty());
  EXPECT_EQ(gone.back(), other);
}

}  // namespace
}  // namespace kestrine
