// The patient view as the real renderer shows it (SDL engine, offscreen driver): a mission's casualty opened
// from the overhead view lies in his surroundings, his body where the camera looks, the ground round him and
// under the band of the head-up display, nothing of the overhead world in sight.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "backend/sdl/sdl_backend.h"
#include "battlefield/casualty_cases.h"
#include "casualty/casualty_slots.h"
#include "casualty/patient.h"
#include "casualty/patient_bones.h"
#include "casualty/patient_view.h"
#include "core/image_loader.h"
#include "scenario/harness.h"
#include "shell/game_state.h"
#include "shell/globals.h"

namespace kestrine::scenario {
namespace {

namespace fs = std::filesystem;
using engine::EngineBitmap;
using engine::EngineRef;

// Pixels of the rectangle that are not the black of an empty stage.
int Lit(const EngineRef<EngineBitmap>& frame, int x0, int y0, int width, int height) {
  int lit = 0;
  for (int y = y0; y < y0 + height; ++y)
    for (int x = x0; x < x0 + width; ++x) {
      const engine::Color c = frame->PixelColor(x, y);
      lit += c.r + c.g + c.b > 30 ? 1 : 0;
    }
  return lit;
}

TEST(PatientViewRender, TheCasualtyLiesInHisSurroundingsWithTheGroundUnderTheDisplayBand) {
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
  missionNumber = 1;
  difficulty = 0;
  trainingRun = 0;
  SetUpMissionCasualties();
  casualtyCases[0].woundType = 31;
  SetGameState(STATE_START_MISSION);
  ASSERT_EQ(gameState, STATE_OVERHEAD);
  currentCasualtyIndex = 0;
  SetGameState(STATE_PATIENT_VIEW);
  game.Frames(3, 16);

  const fs::path path = fs::temp_directory_path() / ("kestrine_patient_view_" + std::to_string(getpid()) + ".png");
  ASSERT_TRUE(sdl->CaptureFrame(path.string()));
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  // KESTRINE_KEEP_CAPTURES keeps the picture for a look at it.
  if (std::getenv("KESTRINE_KEEP_CAPTURES") == nullptr) fs::remove(path);
  const EngineRef<EngineBitmap> frame = engine::DecodeImage(bytes.str());
  ASSERT_TRUE(frame);
  ASSERT_EQ(frame->GetWidth(), 640);

  // His chest where the camera sees it: the uniform, not the ground's colour round it.
  const engine::Vec3 chest = currentPatient->boneFrames[BONE_SPINE2]->GetPosition()->Value();
  const auto at = engineCamera->WorldToScreen(chest.x, chest.y, chest.z);
  const int cx = static_cast<int>(at->GetX()), cy = static_cast<int>(at->GetY());
  ASSERT_GT(cx, 20);
  ASSERT_LT(cx, 620);
  ASSERT_GT(cy, 20);
  ASSERT_LT(cy, kHudBandTop);
  EXPECT_EQ(Lit(frame, cx - 5, cy - 5, 10, 10), 100);
  const engine::Color body = frame->PixelColor(cx, cy);
  const engine::Color ground = frame->PixelColor(320, 470);
  EXPECT_GT(std::abs(body.r - ground.r) + std::abs(body.g - ground.g) + std::abs(body.b - ground.b), 30);
  // The surroundings fill the view, the display's band below included (the display draws over it).
  EXPECT_GT(Lit(frame, 0, kHudBandTop, 640, 480 - kHudBandTop), 640 * (480 - kHudBandTop) * 9 / 10);
  EXPECT_GT(Lit(frame, 0, 200, 640, 100), 640 * 100 * 9 / 10);
  game.Close();
}

}  // namespace
}  // namespace kestrine::scenario
