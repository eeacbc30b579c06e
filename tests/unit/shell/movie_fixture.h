// What the movie tests share: a headless engine set up as at start-up (stage, camera, text overlay, the
// 640 x 480 display mode), a scratch data folder holding movies taken from the AVI fuzz corpus with their
// stills and sounds, a small desktop, and a watch over the player's modal loop that records what each
// movie showed and acts (clicks, keys) at chosen movie times.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "backend/headless/headless_backend.h"
#include "platform/message_queue.h"
#include "platform/movie/movie_messages.h"
#include "platform/movie/wait_message.h"
#include "platform/movie/window_canvas.h"
#include "platform/window.h"
#include "scratch_tree.h"
#include "screen_2d_fixture.h"
#include "shell/engine_setup.h"
#include "shell/fullscreen_window.h"
#include "shell/movie/movie_player.h"
#include "shell/movie/movie_queue.h"
#include "shell/movie/movie_sound.h"
#include "shell/overlays.h"
#include "shell/program_state.h"
#include "shell/screen_text.h"
#include "unit/platform/movie_test_files.h"

namespace kestrine::testing {

// The queue and the player as the program starts: the sound and the file of a movie a test left playing
// are closed, and the window of an earlier program (test) is gone with it.
inline void ResetMovieState() {
  StopMovieSound();
  CloseMovieFile();
  DestroyWindowCanvas(moviePlayer.window);
  ResetProgramState();
}

// What one queued movie showed while it played: the first and the last movie time seen.
struct MovieSeen {
  int32_t first = -1;
  int32_t last = -1;
};

// Watches the player's loop (it runs at every wait of the loop) and does things at movie times.
class PlayerWatch {
 public:
  PlayerWatch() {
    SetWaitMessageHook([this] { Tick(); });
  }
  ~PlayerWatch() { SetWaitMessageHook(nullptr); }
  PlayerWatch(const PlayerWatch&) = delete;
  PlayerWatch& operator=(const PlayerWatch&) = delete;

  // Once, at the first wait of queue entry `entry` (0-based) at or after movie time `atMs`.
  void When(int entry, int32_t atMs, std::function<void()> action) {
    actions_.push_back(Action{entry, atMs, std::move(action), false});
  }
  // A left-button release on the movie window, as a person's click arrives.
  void ClickAt(int entry, int32_t atMs) {
    When(entry, atMs, [] { PostMessage(moviePlayer.window, WM_LBUTTONUP, 0, MakeLParam(100, 50)); });
  }
  // Every wait, while a movie plays.
  void Always(std::function<void()> action) { always_.push_back(std::move(action)); }

  const std::map<int, MovieSeen>& Seen() const { return seen_; }
  bool Played(int entry) const { return seen_.count(entry) > 0; }
  MovieSeen Of(int entry) const {
    auto it = seen_.find(entry);
    return it == seen_.end() ? MovieSeen{} : it->second;
  }

 private:
  struct Action {
    int entry;
    int32_t atMs;
    std::function<void()> run;
    bool done;
  };

  void Tick() {
    if (!moviePlayer.playing) return;
    const int entry = MovieQueue().movieNextIndex - 1;
    MovieSeen& seen = seen_[entry];
    if (seen.first < 0) seen.first = moviePlayer.currentTime;
    seen.last = moviePlayer.currentTime;
    for (auto& run : always_) run();
    for (Action& action : actions_) {
      if (action.done || action.entry != entry || moviePlayer.currentTime < action.atMs) continue;
      action.done = true;
      action.run();
    }
  }

  std::map<int, MovieSeen> seen_;
  std::vector<Action> actions_;
  std::vector<std::function<void()>> always_;
};

class MovieTest : public Screen2dTest {
 protected:
  void SetUp() override {
    ClearMessageQueue();
    ResetMovieState();
    SetForeignWindowProvider(nullptr);
    Screen2dTest::SetUp();
    Engine().engineRoot->SetDisplayMode(640, 480, 16);
    SetDesktopRect(Rect32{0, 0, kDesktopWidth, kDesktopHeight});
  }

  void TearDown() override {
    ResetMovieState();
    Screen2dTest::TearDown();
    ResetWindows();
    ClearMessageQueue();
    SetForeignWindowProvider(DefaultForeignWindowProvider());
  }

  // A movie of the corpus as "avi\<name>.avi".
  void AddMovie(const std::string& name, const std::string& corpusMovie) const {
    tree_.WriteBytes("avi\\" + name + ".avi", CorpusBytes(corpusMovie));
  }
  // Its still (a solid colour) and its sound (`frames` samples at 1,000 a second: that many milliseconds).
  void AddStill(const std::string& name, int r, int g, int b, uint32_t soundMs) const {
    tree_.WriteBmp("avi\\" + name + ".qjp", 32, 24, r, g, b);
    tree_.WriteWav("avi\\" + name + ".qwv", soundMs, 1000);
  }

  static engine::HeadlessBackend& Backend() { return *engine::HeadlessBackendOf(*Engine().engineRoot); }
  static int64_t EngineNow() { return Backend().NowMs(); }

  static constexpr int kDesktopWidth = 200;
  static constexpr int kDesktopHeight = 100;

  ScopedEnv headless_{"KESTRINE_ENGINE", "headless"};
  ScratchTree tree_;
};

}  // namespace kestrine::testing
