// The briefing, the backpack screen and the overhead view as the real renderer shows them (SDL engine,
// offscreen driver): each button's label, in the pale text colour, lies inside its plate on the screen.
#include <algorithm>

#include "frontend/frontend_screens.h"
#include "render/sdl_game_fixture.h"
#include "shell/game_state.h"
#include "tools/assetgen/label_plates.h"

namespace kestrine::scenario {
namespace {

namespace plates = assetgen::plates;

class LabelRender : public SdlGameFixture {
 protected:
  // The pale text of the plate's rows, looked for `slack` pixels to each side of it, keeps off its edges.
  static void ExpectOnPlate(const FrameImage& frame, const plates::Box& plate, int slack) {
    int left = 1 << 20, right = -1;
    for (int y = plate.y; y < plate.Bottom(); ++y)
      for (int x = std::max(0, plate.x - slack); x < std::min(640, plate.Right() + slack); ++x)
        if (engine::testing::PixelNear(frame, x, y, {235, 247, 195}, 12)) {
          left = std::min(left, x);
          right = std::max(right, x);
        }
    ASSERT_GE(right, 0) << "no label on the plate at " << plate.x << ", " << plate.y;
    EXPECT_GT(left, plate.x) << "plate at " << plate.x << ", " << plate.y;
    EXPECT_LT(right, plate.Right() - 1) << "plate at " << plate.x << ", " << plate.y;
  }
};

TEST_F(LabelRender, TheButtonsOfTheBriefingTheBackpackAndTheOverheadViewShowOnTheirPlates) {
  ASSERT_NO_FATAL_FAILURE(StartToTheDisclaimer());
  SkipIntroMovie();
  game_->Click(487, 446);  // ACCEPT
  game_->Click(165, 217);  // NEW GAME
  game_->Click(165, 192);  // NOVICE
  game_->Frame(16);
  game_->Click(453, 421);  // SELECT
  ASSERT_EQ(States().gameState, STATE_BRIEFING);
  game_->MoveTo(5, 5);
  game_->Frames(5, 16);
  const auto briefing = CaptureNextFrame("briefing");
  for (const plates::Box& plate : {plates::kBriefingStartMission, plates::kBriefingLoadBackpack,
                                   plates::kBriefingSave, plates::kBriefingBackOrQuit})
    ExpectOnPlate(briefing, plate, 12);

  game_->MoveTo(504, 380);
  game_->Click(504, 380);  // LOAD BACKPACK
  ASSERT_EQ(States().gameState, STATE_BACKPACK);
  game_->MoveTo(5, 5);
  game_->Frames(5, 16);
  const auto backpack = CaptureNextFrame("backpack");
  for (const plates::Box& plate : {plates::kBackpackStartMission, plates::kBackpackBack})
    ExpectOnPlate(backpack, plate, 15);

  game_->MoveTo(267, 415);
  game_->Click(267, 415);  // START MISSION
  ASSERT_TRUE(game_->RunUntilState(STATE_OVERHEAD));
  game_->Frames(20, 16);
  const auto overhead = CaptureNextFrame("overhead");
  for (const plates::Box& plate : {plates::kHudMenu, plates::kHudMoveTeam, plates::kHudStatusColumn,
                                   plates::kHudCallForSupport})
    ExpectOnPlate(overhead, plate, 2);
  game_->Close();
}

}  // namespace
}  // namespace kestrine::scenario
