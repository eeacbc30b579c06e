// The overhead view as the real renderer shows it (SDL engine, offscreen driver): the battlefield with its
// units above the head-up strip, the strip with its labels, the weapon frame and counts, and the mini-map
// with a dot for every unit.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>
#include <string>

#include "backend/sdl/sdl_backend.h"
#include "battlefield/casualty_cases.h"
#include "battlefield/mini_map.h"
#include "battlefield/unit_array.h"
#include "core/image_loader.h"
#include "scenario/harness.h"
#include "shell/game_state.h"
#include "shell/globals.h"

namespace kestrine::scenario {
namespace {

namespace fs = std::filesystem;
using engine::EngineBitmap;
using engine::EngineRef;

struct Rect {
  int x, y, width, height;
};

// Pixels within a few steps of colour (r, g, b) on every channel (the display keeps 16 bits a pixel).
int Near(const EngineRef<EngineBitmap>& frame, Rect rect, int r, int g, int b) {
  int n = 0;
  for (int y = rect.y; y < rect.y + rect.height; ++y)
    for (int x = rect.x; x < rect.x + rect.width; ++x) {
      const engine::Color c = frame->PixelColor(x, y);
      n += std::abs(c.r - r) <= 8 && std::abs(c.g - g) <= 8 && std::abs(c.b - b) <= 8 ? 1 : 0;
    }
  return n;
}

int Colours(const EngineRef<EngineBitmap>& frame, Rect rect) {
  std::set<uint32_t> seen;
  for (int y = rect.y; y < rect.y + rect.height; ++y)
    for (int x = rect.x; x < rect.x + rect.width; ++x) seen.insert(frame->Pixel(x, y));
  return static_cast<int>(seen.size());
}

TEST(OverheadRender, TheBattlefieldTheStripItsLabelsAndTheMiniMapWithItsDots) {
  setenv("SDL_VIDEODRIVER", "offscreen", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  HarnessOptions options;
  options.engine = "sdl";
  Harness game(options);
  ASSERT_TRUE(game.Started()) << game.StartError();
  engine::SdlBackend* sdl = engine::SdlBackendOf(game.Root());
  ASSERT_NE(sdl, nullptr);
  ASSERT_TRUE(sdl->HasGlContext()) << sdl->GlFailure();
  ASSERT_TRUE(game.RunUntilState(STATE_DISCLAIMER));
  missionNumber = 3;
  difficulty = 0;
  SetUpMissionCasualties();
  SetGameState(STATE_START_MISSION);
  ASSERT_EQ(gameState, STATE_OVERHEAD);
  game.Frames(30, 50);  // past the start and round the display's stages twice
  ASSERT_EQ(gameState, STATE_OVERHEAD);

  const fs::path path = fs::temp_directory_path() / ("kestrine_overhead_" + std::to_string(getpid()) + ".png");
  ASSERT_TRUE(sdl->CaptureFrame(path.string()));
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  if (const char* keep = std::getenv("KESTRINE_KEEP_CAPTURE"))
    fs::copy_file(path, keep, fs::copy_options::overwrite_existing);
  std::error_code ignored;
  fs::remove(path, ignored);
  const auto frame = engine::DecodeImage(bytes.str());
  ASSERT_TRUE(frame);
  ASSERT_EQ(frame->GetWidth(), 640);

  // The battlefield: ground, shadows and units in many shades above the strip.
  EXPECT_GT(Colours(frame, {0, 0, 640, 340}), 40);
  // Labels in the light text colour: MENU and MOVE TEAM, and the disabled grey of VIEW PATIENT (nobody near).
  EXPECT_GT(Near(frame, {125, 418, 65, 48}, 235, 247, 195), 30);
  EXPECT_GT(Near(frame, {235, 418, 115, 22}, 150, 150, 150), 20);
  // The rifle is framed in yellow.
  EXPECT_GT(Near(frame, {410, 410, 52, 56}, 255, 255, 0), 150);
  // The mini-map: the medic's white dot and the green and red of both sides.
  const MiniMapCorner corner = MiniMapOrigin();
  const Rect map{corner.x, corner.y, 64, 64};
  EXPECT_GE(Near(frame, map, 255, 255, 255), 5);  // a neighbour's dot may cover part of it
  EXPECT_GE(Near(frame, map, 10, 200, 10), 9);
  EXPECT_GE(Near(frame, map, 200, 10, 10), 9);
  game.Close();
}

}  // namespace
}  // namespace kestrine::scenario
