// The engine's window and its input on the SDL backend: SDL events pushed as if a person made them come
// out as the game's mouse and key events, on the logical screen.
#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "render/sdl_fixture.h"
#include "unit/engine/recorded_events.h"

namespace engine::testing {
namespace {

class SdlInput : public SdlFixture {
 protected:
  void PushMotion(int x, int y, uint32_t window = 0) {
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.windowID = window ? window : backend_->WindowId();
    e.motion.x = x;
    e.motion.y = y;
    SDL_PushEvent(&e);
  }
  void PushButton(uint8_t button, bool down, int x, int y) {
    SDL_Event e{};
    e.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    e.button.windowID = backend_->WindowId();
    e.button.button = button;
    e.button.state = down ? SDL_PRESSED : SDL_RELEASED;
    e.button.x = x;
    e.button.y = y;
    SDL_PushEvent(&e);
  }
  void PushKey(SDL_Keycode key, bool down, bool repeat = false) {
    SDL_Event e{};
    e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    e.key.windowID = backend_->WindowId();
    e.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    e.key.repeat = repeat ? 1 : 0;
    e.key.keysym.sym = key;
    SDL_PushEvent(&e);
  }
  // Every event the backend has ready now.
  std::vector<RawEvent> Drain() {
    std::vector<RawEvent> events;
    RawEvent e;
    while (backend_->NextEvent(e, 0)) events.push_back(e);
    return events;
  }
  LogicalPoint PointerAt(int x, int y) {
    PushMotion(x, y);
    auto events = Drain();
    EXPECT_EQ(events.size(), 1u);
    if (events.empty()) return {-1, -1};
    EXPECT_EQ(events[0].id, kEventMouse);
    EXPECT_EQ(events[0].button, kMouseMove);
    return {events[0].mouseX, events[0].mouseY};
  }
  void WindowSize(int& w, int& h) { SDL_GetWindowSize(backend_->Window(), &w, &h); }
};

// How window pixels map onto the logical screen is the letterbox's own test; here, that the backend uses it.
TEST_F(SdlInput, TheEnginesOwnFullScreenWindowMapsItsPointerOntoTheLogicalScreen) {
  EXPECT_STREQ(SDL_GetWindowTitle(backend_->Window()), "Quillary FullScreen");
  EXPECT_EQ(SDL_GetWindowFlags(backend_->Window()) & SDL_WINDOW_FULLSCREEN_DESKTOP, SDL_WINDOW_FULLSCREEN_DESKTOP);
  EXPECT_EQ(root_->GetScreenWidth(), 640);
  EXPECT_EQ(root_->GetScreenHeight(), 480);
  int w = 0, h = 0;
  WindowSize(w, h);
  EXPECT_EQ(PointerAt(w - 1, h - 1), (LogicalPoint{639, 479}));
}

TEST_F(SdlInput, ButtonsBecomeTheGamesMouseCodes) {
  int w = 0, h = 0;
  WindowSize(w, h);
  PushButton(SDL_BUTTON_LEFT, true, w / 2, h / 2);
  PushButton(SDL_BUTTON_LEFT, false, w / 2, h / 2);
  PushButton(SDL_BUTTON_RIGHT, true, 0, 0);
  PushButton(SDL_BUTTON_MIDDLE, true, 0, 0);  // the game has no use for it
  PushButton(SDL_BUTTON_RIGHT, false, 0, 0);
  EXPECT_EQ(EventTexts(Drain()),
            (std::vector<std::string>{"mouse 6 320 240", "mouse 7 320 240", "mouse 9 0 0", "mouse 10 0 0"}));
}

TEST_F(SdlInput, AHeldButtonOrKeyEndsTheGamesWaitForInputAndAPressDuringAWaitIsKept) {
  auto input = root_->GetInput();
  EXPECT_EQ(input->IsInputPressed(), 1);
  PushButton(SDL_BUTTON_LEFT, true, 10, 10);
  Drain();
  EXPECT_EQ(input->IsInputPressed(), 0);
  PushButton(SDL_BUTTON_LEFT, false, 10, 10);
  PushKey(SDLK_SPACE, true);
  Drain();
  EXPECT_EQ(input->IsInputPressed(), 0);
  PushKey(SDLK_SPACE, false);
  Drain();
  EXPECT_EQ(input->IsInputPressed(), 1);
  // The still-image wait: Wait(100) while IsInputPressed is non-zero. A click must end it, and still reach
  // the game afterwards.
  PushButton(SDL_BUTTON_LEFT, true, 5, 5);
  root_->Wait(10);
  EXPECT_EQ(input->IsInputPressed(), 0);
  auto events = Drain();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].button, kMouseLeftDown);
}

TEST_F(SdlInput, KeysBecomeVirtualKeyCodesAndInputForAnotherWindowIsNotTheGames) {
  PushKey(SDLK_F11, true);
  PushKey(SDLK_F11, true, true);  // auto-repeat of a held key: still one press
  PushKey(SDLK_F11, false);
  PushKey(SDLK_TAB, true);  // never read by the game
  PushKey(SDLK_a, true);
  EXPECT_EQ(EventTexts(Drain()), (std::vector<std::string>{"key 122 1", "key 122 0", "key 65 1"}));

  PushMotion(10, 10, backend_->WindowId() + 1000);
  EXPECT_TRUE(Drain().empty());
}

TEST_F(SdlInput, ClosingTheWindowTellsTheHostAndAHostEventEndsTheWaitWithoutAnEngineEvent) {
  int quits = 0;
  root_->SetQuitHandler([&] { ++quits; });
  SDL_Event e{};
  e.type = SDL_WINDOWEVENT;
  e.window.windowID = backend_->WindowId();
  e.window.event = SDL_WINDOWEVENT_CLOSE;
  SDL_PushEvent(&e);
  EXPECT_FALSE(root_->FireNextEvent(0));
  EXPECT_EQ(quits, 1);
  e = SDL_Event{};
  e.type = SDL_QUIT;
  SDL_PushEvent(&e);
  EXPECT_FALSE(root_->FireNextEvent(0));
  EXPECT_EQ(quits, 2);
  // The host's own messages arrive as SDL user events; they must end the engine's wait, not be lost in it.
  root_->SetFrameRate(1);
  root_->Start();
  e = SDL_Event{};
  e.type = SDL_USEREVENT;
  SDL_PushEvent(&e);
  RawEvent out;
  EXPECT_FALSE(backend_->NextEvent(out, -1));
}

TEST_F(SdlInput, QueuedEventsComeOutInOrderAndFramesOnlyAfterStart) {
  RawEvent e;
  EXPECT_FALSE(backend_->NextEvent(e, 0)) << "no frames before Start";
  backend_->Enqueue(RawEvent::Mouse(kMouseLeftDown, 7, 0));
  backend_->Enqueue(RawEvent::Key('Q', true));
  backend_->Enqueue(RawEvent::Frame(33));
  EXPECT_EQ(EventTexts(Drain()), (std::vector<std::string>{"mouse 6 7 0", "key 81 1", "frame 33"}));

  root_->SetFrameRate(100);
  root_->Start();
  ASSERT_TRUE(backend_->NextEvent(e, 2000)) << "a frame must come within the wait";
  EXPECT_EQ(e.id, kEventFrame);
}

TEST_F(SdlInput, ConditionsReportTheContextTheRendererAndTheMode) {
  EXPECT_EQ(root_->TestCondition(0), 0) << "a GL 3.3 context was made";
  EXPECT_EQ(root_->TestCondition(2), IsSoftwareRenderer(backend_->GlRendererName()) ? 1 : 0);
  for (int never : {3, 7, 8}) EXPECT_EQ(root_->TestCondition(never), 0);
  EXPECT_EQ(root_->TestCondition(5), 1);
  root_->ExitDisplayMode();
  EXPECT_EQ(root_->TestCondition(5), 0);
  root_->SetDisplayMode(640, 480, 16);
  EXPECT_EQ(root_->TestCondition(5), 1);
}

TEST(SoftwareRenderer, MesasSoftwareRasterisersAreRecognised) {
  EXPECT_TRUE(IsSoftwareRenderer("llvmpipe (LLVM 15.0.6, 256 bits)"));
  EXPECT_TRUE(IsSoftwareRenderer("softpipe"));
  EXPECT_TRUE(IsSoftwareRenderer("Mesa Software Rasterizer"));
  EXPECT_FALSE(IsSoftwareRenderer("AMD Radeon RX 580 (radeonsi, polaris10, LLVM 15.0.6)"));
  EXPECT_FALSE(IsSoftwareRenderer("Mesa Intel(R) UHD Graphics 620 (KBL GT2)"));
}

// A plain window of another shape: bars at the sides, the pointer still lands where the player sees it.
class SdlWindowed : public SdlInput {
 protected:
  void SetUp() override {
    setenv("KESTRINE_WINDOWED", "1", 1);
    SdlInput::SetUp();
    unsetenv("KESTRINE_WINDOWED");
  }
};

TEST_F(SdlWindowed, PointerMapsThroughTheLetterbox) {
  EXPECT_EQ(SDL_GetWindowFlags(backend_->Window()) & SDL_WINDOW_FULLSCREEN, 0u);
  SDL_SetWindowSize(backend_->Window(), 1000, 500);
  int w = 0, h = 0;
  WindowSize(w, h);
  ASSERT_EQ(w, 1000);
  ASSERT_EQ(h, 500);
  EXPECT_EQ(PointerAt(20, 250), (LogicalPoint{0, 240}));  // over the left bar
  // The picture is 667 wide (500 x 4/3), from x = 166: its first column is logical column 0.
  EXPECT_EQ(PointerAt(166, 0), (LogicalPoint{0, 0}));
  EXPECT_EQ(PointerAt(166 + 666, 499), (LogicalPoint{639, 479}));
}

}  // namespace
}  // namespace engine::testing
