// Start-up and shut-down of the whole program: the window and its checks, the engine set-up, state 0's three
// logo movies (headless there is no audio device, so they play silently on the virtual movie clock, each to its
// end, with no still in their place) handing over to the disclaimer, and the end by WM_CLOSE.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "harness.h"
#include "platform/movie/wait_message.h"
#include "platform/movie/wave_out.h"
#include "platform/movie/window_canvas.h"
#include "platform/window.h"
#include "shell/asset_loader.h"
#include "shell/engine_setup.h"
#include "shell/events.h"
#include "shell/game_state.h"
#include "shell/main_window.h"
#include "shell/movie/movie_player.h"
#include "shell/movie/movie_queue.h"
#include "shell/overlays.h"
#include "shell/screen_text.h"
#include "shell/shell_screens.h"
#include "shell/version_title.h"
#include "shell/winmain.h"

namespace kestrine::scenario {
namespace {

// A headless engine that remembers which start-up conditions it was asked, in order.
class CountingBackend : public engine::HeadlessBackend {
 public:
  explicit CountingBackend(std::vector<int>* asked) : asked_(asked) {}
  int TestCondition(int condition) override {
    asked_->push_back(condition);
    return HeadlessBackend::TestCondition(condition);
  }

 private:
  std::vector<int>* asked_;
};

// Conditions asked at start-up only (condition 5 is asked again at shut-down).
std::vector<int> StartUpConditions(const std::vector<int>& asked) {
  std::vector<int> checks;
  for (int c : asked)
    if (c != 5) checks.push_back(c);
  return checks;
}

TEST(StartUpTest, ThePassingEngineIsSetUpAndTheGameEntersStateZero) {
  Harness game;
  ASSERT_TRUE(game.Started());
  ASSERT_TRUE(game.Running());
  EXPECT_TRUE(game.MessageBoxes().empty());
  EXPECT_EQ(game.TracedStates(), std::vector<int>{STATE_LOGOS});
  EXPECT_EQ(States().gameState, STATE_LOGOS);

  // The window: its class, the build's title, over the whole desktop, shown.
  EXPECT_EQ(WindowClassName(Handles().mainWindowHandle), "AppWindow_TutorialGame");
  char title[64];
  GetWindowText(Handles().mainWindowHandle, title, sizeof title);
  EXPECT_EQ(std::string(title), BuildWindowTitle());
  RECT client;
  ASSERT_TRUE(GetClientRect(Handles().mainWindowHandle, &client));
  EXPECT_EQ(client.right, 1024);
  EXPECT_EQ(client.bottom, 768);
  EXPECT_EQ(WindowShowState(Handles().mainWindowHandle), SW_SHOWDEFAULT);
  EXPECT_EQ(Engine().desktopRect.right, 1024);
  EXPECT_EQ(Engine().desktopRect.bottom, 768);

  // The engine: options, display mode, camera over the centred view, two lights on the stage.
  EXPECT_EQ(Engine().engineRoot.Get(), &game.Root());
  EXPECT_EQ(game.Root().Option(3), 1);
  EXPECT_EQ(game.Root().Option(0), 1);
  EXPECT_EQ(game.Root().Option(1), 2);
  EXPECT_EQ(game.Root().Option(2), 1);
  EXPECT_TRUE(game.Backend().DisplayModeActive());
  EXPECT_TRUE(game.Backend().Started());
  EXPECT_EQ(game.Backend().FrameRate(), 60);
  ASSERT_TRUE(Engine().engineCamera);
  const engine::Viewport& view = Engine().engineCamera->GetViewport();
  EXPECT_EQ(view.x, 0);
  EXPECT_EQ(view.y, 0);
  EXPECT_EQ(view.width, 640);
  EXPECT_EQ(view.height, 480);
  EXPECT_FLOAT_EQ(Engine().engineCamera->FarPlane(), 250);
  EXPECT_FLOAT_EQ(Engine().engineCamera->NearPlane(), 1);
  EXPECT_FLOAT_EQ(Engine().engineCamera->LocalPosition().y, 15);
  EXPECT_FLOAT_EQ(Engine().engineCamera->LocalPosition().z, -15);
  ASSERT_TRUE(Engine().engineLights[0] && Engine().engineLights[1]);
  EXPECT_EQ(Engine().engineLights[0]->Type(), 0);
  EXPECT_EQ(Engine().engineLights[0]->LightColor(), engine::EngineBitmap::MakeColor(100, 100, 100));
  EXPECT_EQ(Engine().engineLights[1]->Type(), 3);
  EXPECT_EQ(Engine().engineLights[1]->LightColor(), engine::EngineBitmap::MakeColor(200, 200, 200));
  EXPECT_TRUE(Engine().engineStage->Contains(Engine().engineLights[0].Get()));
  EXPECT_TRUE(Engine().engineStage->Contains(Engine().engineLights[1].Get()));

  // The screen text starts empty: all key red.
  ASSERT_TRUE(ScreenText().textOverlay);
  EXPECT_EQ(ScreenText().textOverlay->GetWidth(), 640);
  EXPECT_EQ(ScreenText().textOverlay->GetHeight(), 480);
  EXPECT_EQ(CountPixelsNot(ScreenText().textOverlay, 0, 0, 640, 480, 255, 0, 0), 0);
  EXPECT_EQ(Engine().screenWidth, 640);
  EXPECT_EQ(Engine().screenHeight, 480);
}

TEST(StartUpTest, AfterOneSecondOfGameClockTheMenuImagesLoadAndTheDisclaimerShows) {
  Harness game;
  // The first frame is clamped for the simulation, but the game clock takes it whole.
  game.Frame(1000);
  EXPECT_EQ(Clock().gameClock, 1000);
  EXPECT_EQ(Clock().frameTime, 100);
  EXPECT_EQ(Clock().clampCountdown, 0);
  EXPECT_TRUE(LogosStarted());
  // One second has passed, not more: still the logos.
  EXPECT_EQ(States().gameState, STATE_LOGOS);
  EXPECT_FALSE(Assets().disclaimerImage);

  game.Frame(1);
  EXPECT_EQ(States().gameState, STATE_DISCLAIMER);
  EXPECT_EQ(States().previousGameState, STATE_LOGOS);
  EXPECT_EQ(game.TracedStates(), (std::vector<int>{STATE_LOGOS, STATE_DISCLAIMER}));
  ASSERT_TRUE(Assets().disclaimerImage);
  ASSERT_TRUE(Assets().openingImage);
  ASSERT_TRUE(Overlays().fullScreenOverlay);
  // The disclaimer is the backdrop, stretched over the whole overlay, and the overlay shows.
  EXPECT_TRUE(Overlays().fullScreenOverlaySprite->Visible());
  const engine::Color corner = Assets().disclaimerImage->PixelColor(0, 0);
  EXPECT_EQ(Overlays().fullScreenOverlay->PixelColor(0, 0), corner);

  // Nothing more happens in state 1 by itself.
  game.Frames(100, 16);
  EXPECT_EQ(States().gameState, STATE_DISCLAIMER);
  EXPECT_EQ(game.TracedStates().size(), 2u);
}

// What one logo showed: its movie time, first and last, and the colour at the far end of its running bar in
// the first and the last picture.
struct Seen {
  int32_t firstTime = -1, lastTime = -1;
  CanvasColor firstBar = 0, lastBar = 0;
};

TEST(StartUpTest, StateZeroPlaysTheThreeLogosSilentlyAndThenShowsTheDisclaimer) {
  ClearMovieQueue();
  moviePlayer.window = 0;
  // The cards are 320 x 240, centred on the 1024 x 768 desktop; their bar runs along y 214 from x 21.
  constexpr int kBarEndX = (1024 - 320) / 2 + 290;
  constexpr int kBarY = (768 - 240) / 2 + 217;
  std::vector<Seen> seen;
  SetWaitMessageHook([&seen] {
    if (!moviePlayer.playing) return;
    const size_t entry = static_cast<size_t>(MovieQueue().movieNextIndex - 1);
    if (seen.size() <= entry) seen.resize(entry + 1);
    Seen& s = seen[entry];
    if (s.firstTime < 0) s.firstTime = moviePlayer.currentTime;
    s.lastTime = moviePlayer.currentTime;
    // The picture, whenever there is one (none yet at the very start, none past the last frame).
    const CanvasColor bar = CanvasPixel(moviePlayer.window, kBarEndX, kBarY).value_or(0);
    if (bar == 0) return;
    if (s.firstBar == 0) s.firstBar = bar;
    s.lastBar = bar;
  });
  Harness game;
  ASSERT_TRUE(game.Started());
  const int presented = game.Backend().PresentedFrames();
  game.Frame(16);
  SetWaitMessageHook(nullptr);

  // The logos were queued, two that cannot be skipped and the intro that can, and played in one run.
  EXPECT_STREQ(MovieQueue().movieNames[0], "avi\\ostrel.avi");
  EXPECT_STREQ(MovieQueue().movieNames[1], "avi\\orvale.avi");
  EXPECT_STREQ(MovieQueue().movieNames[2], "avi\\ostrel_intro.avi");
  EXPECT_EQ(MovieQueue().movieFlags[0], 1);
  EXPECT_EQ(MovieQueue().movieFlags[1], 1);
  EXPECT_EQ(MovieQueue().movieFlags[2], 0);
  EXPECT_EQ(MovieQueue().movieCount, 0);
  EXPECT_EQ(MovieQueue().movieSoundFailed, static_cast<int32_t>(MMSYSERR_NODRIVER));
  EXPECT_EQ(WindowShowState(moviePlayer.window), SW_HIDE);

  // Each logo played to its end (2, 2 and 3 seconds), its bar running across as it went.
  ASSERT_EQ(seen.size(), 3u);
  const int32_t lengths[3] = {2000, 2000, 3000};
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_LT(seen[i].firstTime, 200) << "logo " << i;
    EXPECT_GE(seen[i].lastTime, lengths[i] - 100) << "logo " << i;
    EXPECT_NE(seen[i].firstBar, seen[i].lastBar) << "logo " << i;
  }
  // No still was put up in their place.
  EXPECT_EQ(game.Backend().PresentedFrames(), presented);
  EXPECT_TRUE(game.Backend().DisplayModeActive());
  EXPECT_EQ(States().gameState, STATE_LOGOS);

  // Then the disclaimer, once a second of game clock has passed.
  ASSERT_TRUE(game.RunUntilState(STATE_DISCLAIMER));
  EXPECT_EQ(game.TracedStates(), (std::vector<int>{STATE_LOGOS, STATE_DISCLAIMER}));
}

TEST(StartUpTest, CloseShutsTheEngineDownAndEndsTheProgram) {
  Harness game;
  ASSERT_TRUE(game.RunUntilState(STATE_DISCLAIMER));
  const HWND window = Handles().mainWindowHandle;
  game.Close();
  EXPECT_FALSE(game.Running());
  EXPECT_FALSE(IsWindow(window));
  // The display mode was left, and every shared engine object let go.
  EXPECT_FALSE(game.Backend().DisplayModeActive());
  EXPECT_FALSE(Engine().engineRoot);
  EXPECT_FALSE(Engine().engineStage);
  EXPECT_FALSE(Engine().engineCamera);
  EXPECT_FALSE(Engine().engineLights[0]);
  EXPECT_FALSE(Engine().engineLights[1]);
  EXPECT_FALSE(Overlays().fullScreenOverlay);
  EXPECT_FALSE(Assets().disclaimerImage);
  EXPECT_FALSE(mainWindow.root);
  // Only the harness holds the engine now.
  EXPECT_EQ(game.Root().RefCount(), 1);
  EXPECT_TRUE(game.MessageBoxes().empty());
}

TEST(StartUpChecksTest, TheWarningsThatHoldAreShownInOrderAndTheGameStarts) {
  HarnessOptions options;
  options.conditions = {{8, 1}, {2, 1}, {7, 1}, {3, 1}};
  Harness game(options);
  ASSERT_TRUE(game.Started());
  const auto& boxes = game.MessageBoxes();
  const char* const texts[] = {
      "Warning - No 3D hardware acceleration found. Your graphics card may not support 3D acceleration, or your "
      "Direct-X version may be out of date.",
      "Warning - Your machine does not have a sound card that supports the ADPCM file format. ADPCM sounds will "
      "not be used.",
      "Warning - Warning - You are in 24-bit color. If you experience poor performance, switch to 16-bit color.",
      "Warning - You are in 32-bit color. If you experience poor performance, switch to 16-bit color."};
  ASSERT_EQ(boxes.size(), 4u);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(boxes[i].text, texts[i]);
    EXPECT_EQ(boxes[i].caption, "Vantor - Warning");
    EXPECT_EQ(boxes[i].type, 0x30u);
  }
  EXPECT_EQ(game.TracedStates(), std::vector<int>{STATE_LOGOS});
}

TEST(StartUpChecksTest, TheConditionsAreAskedInOrderAndAFatalOneEndsTheProgramAtOnce) {
  struct Case {
    std::vector<int> holding;
    std::vector<int> asked;
    const char* box;  // null: the game starts
  };
  const Case cases[] = {
      {{}, {0, 1, 2, 3, 7, 8}, nullptr},
      {{0, 1, 2}, {0}, "Error - Direct-X version too old. Please update."},
      {{1, 8}, {0, 1}, "Error - Unsupported color depth. Must be played in 16-bit color or better."},
  };
  for (const Case& c : cases) {
    std::vector<int> asked;
    HarnessOptions options;
    options.makeEngine = [&asked, &c] {
      auto root = engine::MakeEngine<engine::EngineRoot>(std::make_unique<CountingBackend>(&asked));
      for (int condition : c.holding) engine::HeadlessBackendOf(*root)->SetConditionResult(condition, 1);
      return root;
    };
    Harness game(options);
    EXPECT_EQ(StartUpConditions(asked), c.asked);
    EXPECT_EQ(game.Started(), c.box == nullptr);
    if (c.box == nullptr) continue;
    ASSERT_EQ(game.MessageBoxes().size(), 1u);
    EXPECT_EQ(game.MessageBoxes()[0].text, c.box);
    EXPECT_EQ(game.MessageBoxes()[0].caption, "Vantor - Error");
    EXPECT_EQ(game.MessageBoxes()[0].type, 0x10u);
    // No game state was ever entered, no engine object made, no browser opened.
    EXPECT_TRUE(game.TracedStates().empty());
    EXPECT_FALSE(Engine().engineStage);
    EXPECT_FALSE(ScreenText().textOverlay);
    EXPECT_FALSE(Engine().engineRoot);
    EXPECT_TRUE(game.Launches().empty());
    EXPECT_FALSE(game.Backend().Started());
    EXPECT_EQ(game.RunToEnd(), 1);
  }
}

TEST(StartUpChecksTest, AMissingEngineSendsThePlayerToTheDownloadPageAndEnds) {
  const std::string command = "\"/usr/bin/xdg-open\" http://www.quillary.example/vantor/download.htm";
  for (const int variant : {0, 1, 2}) {  // a browser that starts, none at all, one that fails to start
    HarnessOptions options;
    options.engineMissing = true;
    if (variant == 1) options.webOpener = "";
    if (variant == 2) options.processesStart = false;
    Harness game(options);
    EXPECT_FALSE(game.Started());
    EXPECT_FALSE(game.Running());
    EXPECT_TRUE(game.TracedStates().empty());
    EXPECT_FALSE(Engine().engineRoot);
    const auto& boxes = game.MessageBoxes();
    ASSERT_EQ(boxes.size(), variant == 2 ? 3u : 1u);
    EXPECT_EQ(boxes[0].text,
              "The Quillary Vantor cannot be found on your system.\nThis program will now redirect you to a "
              "download page and terminate.");
    EXPECT_EQ(boxes[0].caption, "Fatal Error");
    EXPECT_EQ(boxes[0].type, 0x10u);
    // Asked for once, whether or not it then starts.
    EXPECT_EQ(game.Launches().size(), variant == 1 ? 0u : 1u);
    if (variant == 0) {
      EXPECT_EQ(game.Launches()[0], (std::pair<std::string, std::string>{"", command}));
    }
    if (variant != 2) continue;
    // A failed start says so, then names the program (none: the command line carries it) and the command.
    EXPECT_EQ(boxes[1].text, "Process failed to create.");
    EXPECT_EQ(boxes[1].caption, "Error");
    EXPECT_EQ(boxes[2].text, "");
    EXPECT_EQ(boxes[2].caption, command);
  }
}

// A headless engine whose display refuses every mode: the first engine call that fails.
class NoDisplayModeBackend : public engine::HeadlessBackend {
 public:
  bool SetDisplayMode(int, int, int) override { return false; }
};

TEST(StartUpChecksTest, AFailedEngineCallDuringSetUpIsNotSwallowed) {
  HarnessOptions options;
  options.makeEngine = [] { return engine::MakeEngine<engine::EngineRoot>(std::make_unique<NoDisplayModeBackend>()); };
  Harness game(options);
  // The error leaves start-up uncaught (main reports it and exits non-zero); no state was entered.
  EXPECT_NE(game.StartError().find("EngineRoot::SetDisplayMode failed"), std::string::npos) << game.StartError();
  EXPECT_FALSE(game.Running());
  EXPECT_TRUE(game.TracedStates().empty());
}

}  // namespace
}  // namespace kestrine::scenario
