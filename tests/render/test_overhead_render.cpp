// The overhead view as the real renderer shows it (SDL engine, offscreen driver): the battlefield with its
// units above the head-up strip, the strip with its labels, the weapon frame and counts, and the mini-map
// with a dot for every unit.
#include <set>

#include "battlefield/casualty_cases.h"
#include "battlefield/mini_map.h"
#include "battlefield/unit_array.h"
#include "render/sdl_game_fixture.h"
#include "shell/game_state.h"
#include "shell/mission_progress.h"

namespace kestrine::scenario {
namespace {

// How far a pixel may be from the colour wanted on every channel (the display keeps 16 bits a pixel).
constexpr int kNear = 8;

int Colours(const FrameImage& frame, Rect rect) {
  std::set<uint32_t> seen;
  for (int y = rect.y; y < rect.y + rect.height; ++y)
    for (int x = rect.x; x < rect.x + rect.width; ++x) seen.insert(frame->Pixel(x, y));
  return static_cast<int>(seen.size());
}

class OverheadRender : public SdlGameFixture {};

TEST_F(OverheadRender, TheBattlefieldTheStripItsLabelsAndTheMiniMapWithItsDots) {
  ASSERT_NO_FATAL_FAILURE(StartToTheDisclaimer());
  GoToMission(3);
  ChooseDifficulty(0);
  SetUpMissionCasualties();
  SetGameState(STATE_START_MISSION);
  ASSERT_EQ(States().gameState, STATE_OVERHEAD);
  game_->Frames(30, 50);  // past the start and round the display's stages twice
  ASSERT_EQ(States().gameState, STATE_OVERHEAD);

  const auto frame = Capture("overhead");
  ASSERT_TRUE(frame);
  ASSERT_EQ(frame->GetWidth(), 640);

  // The battlefield: ground, shadows and units in many shades above the strip.
  EXPECT_GT(Colours(frame, {0, 0, 640, 340}), 40);
  // Labels in the light text colour: MENU and MOVE TEAM, and the disabled grey of VIEW PATIENT (nobody near).
  EXPECT_GT(CountNear(frame, {125, 418, 65, 48}, {235, 247, 195}, kNear), 30);
  EXPECT_GT(CountNear(frame, {235, 418, 115, 22}, {150, 150, 150}, kNear), 20);
  // The rifle is framed in yellow.
  EXPECT_GT(CountNear(frame, {410, 410, 52, 56}, {255, 255, 0}, kNear), 150);
  // The mini-map: the medic's white dot and the green and red of both sides.
  const MiniMapCorner corner = MiniMapOrigin();
  const Rect map{corner.x, corner.y, 64, 64};
  EXPECT_GE(CountNear(frame, map, {255, 255, 255}, kNear), 5);  // a neighbour's dot may cover part of it
  EXPECT_GE(CountNear(frame, map, {10, 200, 10}, kNear), 9);
  EXPECT_GE(CountNear(frame, map, {200, 10, 10}, kNear), 9);
  game_->Close();
}

}  // namespace
}  // namespace kestrine::scenario
