// What the movie player's window stands on: the game's file names found without regard to case, the
// movie clock (virtual without a display), waiting for messages, and the window canvas the frames are
// drawn into.
#include <gtest/gtest.h>

#include "engine/game_path.h"
#include "movie_test_files.h"
#include "platform/message_queue.h"
#include "platform/movie/file_access.h"
#include "platform/movie/movie_clock.h"
#include "platform/movie/wait_message.h"
#include "platform/movie/window_canvas.h"
#include "platform/window.h"
#include "system_library_leaks.h"

namespace kestrine {
namespace {

using testing::ScopedEnv;
using testing::ScratchFolder;

TEST(FileAccessTest, GamePathsMatchEveryPartWithoutRegardToCase) {
  ScratchFolder folder;
  folder.Write("Avi/Mission1.AVI", "x");
  folder.Write("avi/credits.avi", "y");
  for (const char* found : {"avi\\mission1.avi", "AVI\\MISSION1.avi", "avi/credits.avi"})
    EXPECT_EQ(_access(found, 0), 0) << found;
  for (const char* missing : {"avi\\mission2.avi", "sounds\\mission1.avi", "", static_cast<const char*>(nullptr)})
    EXPECT_EQ(_access(missing, 0), -1);
  EXPECT_EQ(engine::ResolveGamePath("aVi\\mIssion1.avi"), "Avi/Mission1.AVI");
}

TEST(MovieClockTest, WithoutADisplayTimePassesOnlyWhenThePlayerWaitsAndAMessageEndsAWait) {
  ScopedEnv engine("KESTRINE_ENGINE", "headless");
  ASSERT_TRUE(MovieClockIsVirtual());
  const uint32_t start = MovieClockNow();
  EXPECT_EQ(MovieClockNow(), start);
  MovieClockSleep(300000);  // five minutes, at once
  EXPECT_EQ(MovieClockNow() - start, 300000u);

  // A waiting message ends a wait at once, and the hook sees every wait.
  ClearMessageQueue();
  int hooked = 0;
  SetWaitMessageHook([&hooked] { ++hooked; });
  const uint32_t before = MovieClockNow();
  WaitMessage();
  const uint32_t waited = MovieClockNow() - before;
  EXPECT_GT(waited, 0u);   // nothing came: a short while passed
  EXPECT_LE(waited, 50u);  // and only a short one
  PostQuitMessage(0);
  const uint32_t posted = MovieClockNow();
  WaitMessage();
  EXPECT_EQ(MovieClockNow(), posted);
  EXPECT_EQ(hooked, 2);
  SetWaitMessageHook(nullptr);
  WaitMessage();
  EXPECT_EQ(hooked, 2);
  ClearMessageQueue();
}

class CanvasTest : public ::testing::Test {
 protected:
  ScopedEnv engine_{"KESTRINE_ENGINE", "headless"};
  const HWND window_ = 0x777777;
  void TearDown() override { DestroyWindowCanvas(window_); }
};

TEST_F(CanvasTest, DrawingIsClippedToTheCanvasAndReadBack) {
  CreateWindowCanvas(window_, "canvas", RECT{0, 0, 20, 10}, true);
  ASSERT_TRUE(HasWindowCanvas(window_));
  EXPECT_EQ(WindowCanvasSdlId(window_), 0u);  // no display: no window on screen, the pixels stay in memory
  EXPECT_EQ(CanvasPixel(window_, 0, 0), kCanvasBlack);
  EXPECT_FALSE(CanvasPixel(window_, 20, 0).has_value());
  EXPECT_FALSE(CanvasPixel(window_, 0, -1).has_value());

  FillCanvasRect(window_, RECT{-5, -5, 100, 100}, 0x112233);
  EXPECT_EQ(CanvasPixel(window_, 19, 9), 0x112233u);
  FrameCanvasRect(window_, RECT{2, 2, 8, 6}, 0x000000);
  EXPECT_EQ(CanvasPixel(window_, 2, 2), 0u);
  EXPECT_EQ(CanvasPixel(window_, 7, 5), 0u);
  EXPECT_EQ(CanvasPixel(window_, 5, 2), 0u);
  EXPECT_EQ(CanvasPixel(window_, 5, 5), 0u);         // the bottom edge is the rectangle's last row
  EXPECT_EQ(CanvasPixel(window_, 3, 3), 0x112233u);  // the inside is left alone
  EXPECT_EQ(CanvasPixel(window_, 8, 6), 0x112233u);  // and so is the outside

  // A picture hanging over the left and bottom edges: only what falls on the canvas is copied.
  const uint32_t picture[3 * 4] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
  BlitToCanvas(window_, -1, 8, 3, 4, picture, 3);
  EXPECT_EQ(CanvasPixel(window_, 0, 8), 2u);
  EXPECT_EQ(CanvasPixel(window_, 1, 8), 3u);
  EXPECT_EQ(CanvasPixel(window_, 0, 9), 5u);
  EXPECT_EQ(CanvasPixel(window_, 2, 8), 0x112233u);
  PresentWindowCanvas(window_);  // nothing to show it in: no harm done

  DestroyWindowCanvas(window_);
  EXPECT_FALSE(HasWindowCanvas(window_));
  // A window away from the screen's corner is as wide as its rectangle, not as its right edge.
  CreateWindowCanvas(window_, "canvas", RECT{5, 0, 25, 10}, true);
  EXPECT_TRUE(CanvasPixel(window_, 19, 0).has_value());
  EXPECT_FALSE(CanvasPixel(window_, 20, 0).has_value());
  DestroyWindowCanvas(window_);
  FillCanvasRect(window_, RECT{0, 0, 5, 5}, 1);  // drawing into a window without a canvas does nothing
  EXPECT_FALSE(CanvasPixel(window_, 0, 0).has_value());
}

// A desktop with a display (SDL finds none behind the name and draws offscreen, which is all this needs): a
// hidden window keeps nothing of its picture, and shows black when it shows again.
TEST(CanvasOnADisplayTest, HiddenItLetsItsPictureGoAndShowsBlackAgain) {
  [[maybe_unused]] testing::SystemLibraryLeaksIgnored systemLibraries;
  ScopedEnv engine("KESTRINE_ENGINE", std::nullopt);
  ScopedEnv video("SDL_VIDEODRIVER", std::nullopt);
  ScopedEnv display("DISPLAY", ":kestrine-test");
  const HWND window = 0x888888;
  CreateWindowCanvas(window, "canvas", RECT{0, 0, 20, 10}, true);
  ShowWindowCanvas(window, true);
  if (WindowCanvasSdlId(window) == 0) {
    DestroyWindowCanvas(window);
    GTEST_SKIP() << "SDL made no window here";
  }
  FillCanvasRect(window, RECT{0, 0, 20, 10}, 0x112233);
  ShowWindowCanvas(window, false);
  EXPECT_FALSE(CanvasPixel(window, 5, 5).has_value());
  EXPECT_EQ(WindowCanvasSdlId(window), 0u);
  FillCanvasRect(window, RECT{0, 0, 20, 10}, 0x445566);  // nothing to draw into: no harm done
  ShowWindowCanvas(window, true);
  EXPECT_NE(WindowCanvasSdlId(window), 0u);
  EXPECT_EQ(CanvasPixel(window, 5, 5), kCanvasBlack);
  FillCanvasRect(window, RECT{0, 0, 20, 10}, 0x445566);
  EXPECT_EQ(CanvasPixel(window, 19, 9), 0x445566u);
  DestroyWindowCanvas(window);
}

}  // namespace
}  // namespace kestrine
