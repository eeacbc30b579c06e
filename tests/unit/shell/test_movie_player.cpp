// The movie player's run, on the virtual movie clock of a headless run: clicks skip a skippable movie only
// after its first half second, unskippable movies ignore them, Escape reaches no window, the frame of the
// current time is drawn centred inside a black frame, and broken movies end the run or play as far as
// their data goes, never hanging.
#include <gtest/gtest.h>

#include <vector>

#include "movie_fixture.h"
#include "platform/movie/avi_file.h"
#include "platform/movie/movie_clock.h"
#include "platform/movie/window_canvas.h"
#include "shell/movie/play_movies.h"

namespace kestrine::testing {
namespace {

class MoviePlayerTest : public MovieTest {};

// The corpus pictures last 2000 ms; a movie that played out was seen at least to its last frame.
constexpr int32_t kCorpusMovieMs = 2000;
constexpr int32_t kLastFrameMs = 1900;

TEST_F(MoviePlayerTest, AClickSkipsOnlyASkippableMovieAndOnlyAfterItsFirstHalfSecond) {
  AddMovie("ostrel", "video_only.avi");
  AddMovie("first", "video_only.avi");
  AddMovie("second", "video_only.avi");
  AddMovie("third", "video_only.avi");
  PlayerWatch watch;
  for (int32_t at : {600, 1000, 1500}) watch.ClickAt(0, at);  // a logo: never skipped
  watch.ClickAt(1, 200);                                      // too early
  watch.ClickAt(1, 450);                                      // still too early
  watch.ClickAt(2, 700);
  QueueMovie("ostrel", MOVIE_UNSKIPPABLE);
  QueueMovie("first", MOVIE_SKIPPABLE);
  QueueMovie("second", MOVIE_SKIPPABLE);
  PlayMovies("third", MOVIE_SKIPPABLE);

  EXPECT_GE(watch.Of(0).last, kLastFrameMs);
  EXPECT_GE(watch.Of(1).last, kLastFrameMs);  // the early clicks were ignored
  // Each movie starts from its own beginning, so its half second counts from there.
  EXPECT_LT(watch.Of(2).first, 100);
  EXPECT_GE(watch.Of(2).last, 700);
  EXPECT_LT(watch.Of(2).last, 800);  // skipped at the click
  ASSERT_TRUE(watch.Played(3));      // and the next one played
  EXPECT_LT(watch.Of(3).first, 100);
  EXPECT_GE(watch.Of(3).last, kLastFrameMs);
  EXPECT_EQ(MovieQueue().movieCount, 0);
  EXPECT_EQ(MovieQueue().movieSkipLock, 0);  // the lock does not outlive the run
}

class RecordingWindow : public WindowImpl {
 public:
  WindowClassInfo WindowClass() const override { return {"Recorder", 0, "arrow", 0}; }
  bool ProcessWindowMessage(HWND, uint32_t message, WPARAM wParam, LPARAM, LRESULT&, uint32_t) override {
    if (message == WM_KEYDOWN || message == WM_KEYUP) keys.push_back(wParam);
    return true;
  }
  std::vector<WPARAM> keys;
};

TEST_F(MoviePlayerTest, TheFrameOfTheCurrentTimeIsDrawnCentredInsideABlackFrame) {
  AddMovie("intro", "video_only.avi");
  PlayerWatch watch;
  constexpr CanvasColor kMarker = 0xFF00FF;
  bool checked = false;
  int32_t checkedAt = -1;
  std::vector<CanvasColor> inside;
  std::vector<CanvasColor> border;
  std::vector<CanvasColor> outside;
  // Paint the whole window over, then look at what the next frame's paint left.
  watch.When(0, 1000, [] { FillCanvasRect(moviePlayer.window, RECT{0, 0, kDesktopWidth, kDesktopHeight}, kMarker); });
  watch.When(0, 1150, [&] {
    checked = true;
    checkedAt = moviePlayer.currentTime;
    const HWND w = moviePlayer.window;
    // 64 x 48 centred in 200 x 100: from (68, 26) to (131, 73).
    for (auto [x, y] : {std::pair{68, 26}, {131, 26}, {68, 73}, {131, 73}, {100, 50}})
      inside.push_back(CanvasPixel(w, x, y).value_or(1));
    for (auto [x, y] : {std::pair{67, 25}, {132, 25}, {67, 74}, {132, 74}, {100, 25}, {67, 50}})
      border.push_back(CanvasPixel(w, x, y).value_or(1));
    for (auto [x, y] : {std::pair{66, 24}, {133, 75}, {0, 0}, {199, 99}})
      outside.push_back(CanvasPixel(w, x, y).value_or(1));
  });
  PlayMovies("intro", MOVIE_SKIPPABLE);
  ASSERT_TRUE(checked);

  // What the frame showing at that time looks like, decoded on its own.
  auto file = AviFile::Open("avi\\intro.avi");
  ASSERT_NE(file, nullptr);
  auto frames = file->OpenFrames(0);
  const AviFrame* expected = frames->GetFrame(AviTimeToSample(*file->StreamInfo(0), checkedAt));
  ASSERT_NE(expected, nullptr);
  const std::vector<CanvasColor> wanted = {expected->pixels[0], expected->pixels[63], expected->pixels[47 * 64],
                                           expected->pixels[47 * 64 + 63], expected->pixels[24 * 64 + 32]};
  EXPECT_EQ(inside, wanted);
  for (CanvasColor c : border) EXPECT_EQ(c, kCanvasBlack);
  for (CanvasColor c : outside) EXPECT_EQ(c, kMarker);  // a new frame is drawn over the old one only
}

TEST_F(MoviePlayerTest, BrokenMoviesEndTheRunOrPlayAsFarAsTheirDataGoes) {
  AddMovie("cut", "truncated_video_only.avi");
  AddMovie("huge", "huge_frame_header.avi");
  AddMovie("flipped", "flipped_bytes.avi");
  AddMovie("noindex", "zeroed_index.avi");
  tree_.WriteBytes("avi\\garbage.avi", std::string(3000, 'x'));
  AddMovie("after", "video_only.avi");

  // The cut one plays as long as its data lasts; the one whose pictures cannot be decoded runs its time
  // with nothing to draw; the broken ones with sound play on the clock, silently, like every movie here (no
  // audio device), and end.
  PlayerWatch watch;
  const uint32_t start = MovieClockNow();
  QueueMovie("cut", MOVIE_SKIPPABLE);
  QueueMovie("huge", MOVIE_SKIPPABLE);
  QueueMovie("flipped", MOVIE_SKIPPABLE);
  PlayMovies("noindex", MOVIE_SKIPPABLE);
  ASSERT_TRUE(watch.Played(0));
  EXPECT_GE(watch.Of(0).last, 600);  // 7 of its 20 frames are left
  EXPECT_LT(watch.Of(0).last, 900);
  ASSERT_TRUE(watch.Played(1));
  EXPECT_GE(watch.Of(1).last, kLastFrameMs);
  EXPECT_GE(watch.Of(2).last, kLastFrameMs);
  EXPECT_GE(watch.Of(3).last, kLastFrameMs);
  EXPECT_LT(MovieClockNow() - start, 10000u);
  EXPECT_FALSE(moviePlayer.file);

  // A file that cannot be opened ends the run: the movie after it does not play, and the window goes.
  PlayerWatch second;
  QueueMovie("garbage", MOVIE_SKIPPABLE);
  QueueMovie("after", MOVIE_SKIPPABLE);
  PlayMovies("", 0);
  EXPECT_TRUE(second.Seen().empty());
  EXPECT_EQ(WindowShowState(moviePlayer.window), SW_HIDE);
  EXPECT_EQ(PendingMessageCount(), 0u);
}

TEST_F(MoviePlayerTest, TheWindowIsMadeOnceAtTheDesktopsSizeAndEscapeNeverReachesAWindow) {
  AddMovie("intro", "video_only.avi");
  RecordingWindow other;
  const HWND otherWindow = other.Create(0, RECT{0, 0, 10, 10}, "other", WS_POPUP, 0);
  ASSERT_NE(otherWindow, 0u);
  PlayerWatch watch;
  int shownWhilePlaying = -1;
  watch.When(0, 100, [&] { shownWhilePlaying = WindowShowState(moviePlayer.window); });
  watch.When(0, 600, [otherWindow] {
    PostMessage(moviePlayer.window, WM_KEYDOWN, VK_ESCAPE, 0);
    PostMessage(moviePlayer.window, WM_KEYUP, VK_ESCAPE, 0);
    PostMessage(otherWindow, WM_KEYDOWN, VK_ESCAPE, 0);
    PostMessage(otherWindow, WM_KEYDOWN, 'A', 0);
    PostMessage(otherWindow, WM_KEYUP, VK_ESCAPE, 0);
  });
  PlayMovies("intro", MOVIE_SKIPPABLE);
  // Other keys still get through to their window; the movie went on to its end.
  EXPECT_EQ(other.keys, std::vector<WPARAM>{'A'});
  EXPECT_GE(watch.Of(0).last, kLastFrameMs);

  const HWND first = moviePlayer.window;
  ASSERT_TRUE(IsWindow(first));
  char title[32];
  GetWindowText(first, title, sizeof title);
  EXPECT_STREQ(title, "KESTRINE (tm)");
  RECT client;
  ASSERT_TRUE(GetClientRect(first, &client));
  EXPECT_EQ(client.right, kDesktopWidth);
  EXPECT_EQ(client.bottom, kDesktopHeight);
  EXPECT_EQ(shownWhilePlaying, SW_SHOW);
  EXPECT_EQ(WindowShowState(first), SW_HIDE);

  PlayMovies("intro", MOVIE_SKIPPABLE);
  EXPECT_EQ(moviePlayer.window, first);
  EXPECT_EQ(WindowShowState(first), SW_HIDE);
}

}  // namespace
}  // namespace kestrine::testing
