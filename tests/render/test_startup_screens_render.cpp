// The first screens of the program as the player sees them on the real renderer: a scripted run of the whole
// program on the SDL engine (offscreen driver) captures the disclaimer the logos lead to, and the capture is
// compared with the backdrop and text of the game data's own picture.
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "render/sdl_game_fixture.h"
#include "shell/game_state.h"

namespace kestrine::scenario {
namespace {

namespace fs = std::filesystem;
using engine::Color;
using engine::testing::PixelNear;

const Color kPale{235, 247, 195};
constexpr int kTolerance = 2;

// Where the disclaimer backdrop carries its paragraphs.
constexpr Rect kDisclaimerText{50, 90, 540, 250};

class StartupScreensRender : public SdlGameFixture {};

TEST_F(StartupScreensRender, AScriptedRunCapturesTheDisclaimerWithItsBackdropAndText) {
  const fs::path picture = TempPng("scripted");
  const fs::path script = fs::temp_directory_path() / ("kestrine_startup_" + std::to_string(getpid()) + ".txt");
  std::ofstream(script) << "frames 70 16\ncapture " << picture.string() << "\nquit\n";

  HarnessOptions options = OnTheSdlEngine();
  options.inputScript = script.string();
  Harness game(options);
  EXPECT_EQ(game.RunToEnd(), 0);
  fs::remove(script);
  EXPECT_EQ(game.TracedStates(), (std::vector<int>{STATE_LOGOS, STATE_DISCLAIMER}));

  ASSERT_TRUE(fs::exists(picture)) << game.DebugLog();
  const FrameImage frame = engine::DecodeImage(engine::testing::ReadAll(picture));
  fs::remove(picture);
  // The program has released its images by now: the backdrop to compare with is the game data's own file.
  const FrameImage backdrop =
      engine::DecodeImage(engine::testing::ReadAll(fs::path(KESTRINE_DATA_DIR) / "images" / "disclaimer.qjp"));
  ASSERT_TRUE(frame);
  ASSERT_TRUE(backdrop);
  ASSERT_EQ(frame->GetWidth(), 640);
  ASSERT_EQ(frame->GetHeight(), 480);

  // The paragraphs in their pale colour, where the backdrop has them.
  const Reproduction text = Reproduced(backdrop, frame, kDisclaimerText, kPale, kTolerance);
  EXPECT_GT(text.drawn, 1000) << "the disclaimer backdrop has lost its text";
  EXPECT_GE(text.shown, text.drawn * 95 / 100) << text.shown << " of " << text.drawn << " text pixels on the screen";

  // The rest of the backdrop (it fills the 640 x 480 screen), and not a black screen.
  int samples = 0, matches = 0;
  for (int y = 3; y < 480; y += 16)
    for (int x = 5; x < 640; x += 16, ++samples) {
      const Color want = backdrop->PixelColor(x * backdrop->GetWidth() / 640, y * backdrop->GetHeight() / 480);
      matches += PixelNear(frame, x, y, want, kTolerance) ? 1 : 0;
    }
  EXPECT_GE(matches, samples * 95 / 100);
  EXPECT_LT(CountNear(frame, {0, 0, 640, 480}, {0, 0, 0}, kTolerance), 640 * 480 / 4);
}

}  // namespace
}  // namespace kestrine::scenario
