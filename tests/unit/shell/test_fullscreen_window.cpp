// The search for the engine's full-screen window by its exact title, and minimising and restoring it.
#include <gtest/gtest.h>

#include <vector>

#include "platform/window.h"
#include "shell/fullscreen_window.h"

namespace kestrine {
namespace {

class PlainWindow : public WindowImpl {
 public:
  WindowClassInfo WindowClass() const override { return {"PlainWindow", 0, "arrow", COLOR_WINDOW + 1}; }
  bool ProcessWindowMessage(HWND, uint32_t, WPARAM, LPARAM, LRESULT&, uint32_t) override { return false; }
};

class FullScreenWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ForgetEngineFullScreenWindow();
    SetForeignWindowProvider(nullptr);
  }
  void TearDown() override {
    ResetWindows();
    ForgetEngineFullScreenWindow();
    SetForeignWindowProvider(DefaultForeignWindowProvider());
  }
  HWND Open(PlainWindow& w, const char* title) { return w.Create(0, RECT{0, 0, 640, 480}, title, WS_POPUP, 0); }
};

TEST_F(FullScreenWindowTest, OnlyTheExactTitleIsFoundAndAFailedSearchKeepsTheWindowFoundBefore) {
  PlainWindow a, b, c, d;
  const HWND engine = Open(a, "Quillary FullScreen");
  Open(b, "Quillary FullScreen2");  // the search goes on past the engine's window: near misses come after it
  Open(c, "quillary fullscreen");
  Open(d, "KESTRINE (Version 5.06)");
  ShowEngineFullScreenWindow(false);
  EXPECT_EQ(FullScreenWindow().engineFullScreenWindow, engine);
  EXPECT_EQ(WindowShowState(engine), SW_MINIMIZE);
  SetWindowText(engine, "Quillary (busy)");
  ShowEngineFullScreenWindow(true);
  EXPECT_EQ(FullScreenWindow().engineFullScreenWindow, engine);
  EXPECT_EQ(WindowShowState(engine), SW_MAXIMIZE);
}

TEST_F(FullScreenWindowTest, NothingHappensWhenNoWindowWasEverFound) {
  PlainWindow a;
  const HWND other = Open(a, "Something Else");
  ShowEngineFullScreenWindow(false);
  EXPECT_EQ(FullScreenWindow().engineFullScreenWindow, 0u);
  EXPECT_EQ(WindowShowState(other), SW_HIDE);
}

TEST_F(FullScreenWindowTest, TheEnginesOwnWindowIsFoundAmongTheForeignWindows) {
  std::vector<int> commands;
  SetForeignWindowProvider([&commands] {
    return std::vector<ForeignWindow>{{7, "Quillary FullScreen", [&commands](int c) { commands.push_back(c); }}};
  });
  ShowEngineFullScreenWindow(false);
  ShowEngineFullScreenWindow(true);
  EXPECT_NE(FullScreenWindow().engineFullScreenWindow, 0u);
  EXPECT_EQ(commands, (std::vector<int>{SW_MINIMIZE, SW_MAXIMIZE}));
}

}  // namespace
}  // namespace kestrine
