// The 3D figures of the front end as the real renderer shows them through the windows of their backdrops
// (SDL engine, offscreen driver): the chosen soldier on player select, the briefing officer and the
// debriefing officer, each inside his window and nowhere else.
#include "casualty/report_lines.h"
#include "frontend/frontend_screens.h"
#include "render/sdl_game_fixture.h"
#include "shell/game_state.h"
#include "shell/mission_progress.h"

namespace kestrine::scenario {
namespace {

class BriefingRender : public SdlGameFixture {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(StartToTheDisclaimer());
    game_->Click(487, 446);  // ACCEPT
    game_->Click(165, 217);  // NEW GAME
    game_->Click(165, 192);  // NOVICE
    ASSERT_EQ(States().gameState, STATE_PLAYER_SELECT);
    game_->Frame(16);  // the screen is drawn, its buttons with it, before the player clicks one
  }
};

TEST_F(BriefingRender, TheSoldierStandsInHisWindow) {
  const auto frame = CaptureNextFrame("player_select");
  ASSERT_TRUE(frame);
  // The window is 222..379 x 36..343; the soldier fills a good part of it, black stage around him.
  const Rect window{222, 36, 158, 308};
  const int lit = Lit(frame, window);
  EXPECT_GT(lit, 8000);
  EXPECT_LT(lit, window.width * window.height * 3 / 4);
}

TEST_F(BriefingRender, BothOfficersShowThroughTheirWindows) {
  SkipIntroMovie();        // no intro movie: this is about the heads
  game_->Click(453, 421);  // SELECT
  ASSERT_EQ(States().gameState, STATE_BRIEFING);
  game_->Frames(10, 16);
  const auto briefing = CaptureNextFrame("briefing");
  ASSERT_TRUE(briefing);
  // Inside the mask's frame, above the name plate: 230..389 x 88..260.
  const Rect head{230, 88, 160, 172};
  EXPECT_GT(Lit(briefing, head), 6000);
  EXPECT_LT(Lit(briefing, head), head.width * head.height * 9 / 10);

  SetMissionScore(30, 40);
  AppendReportLine("Casualty 1");
  SetGameState(STATE_DEBRIEFING);
  game_->Frames(10, 16);
  const auto debriefing = CaptureNextFrame("debriefing");
  ASSERT_TRUE(debriefing);
  const Rect jen{397, 90, 202, 160};
  EXPECT_GT(Lit(debriefing, jen), 6000);
  EXPECT_LT(Lit(debriefing, jen), jen.width * jen.height * 9 / 10);
}

}  // namespace
}  // namespace kestrine::scenario
