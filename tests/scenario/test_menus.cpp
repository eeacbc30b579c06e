// The menu road as a player walks it, by the mouse alone: the disclaimer, the main menu and its screens,
// the volume bars, the player controls scrolling under a resting pointer, the pause menu and its quit
// confirmation, the finish screen, and where the campaign's awards lead.
#include <gtest/gtest.h>

#include <cstring>

#include "frontend/campaign_awards.h"
#include "frontend/finish_screen.h"
#include "harness.h"
#include "shell/asset_loader.h"
#include "shell/engine_setup.h"
#include "shell/game_state.h"
#include "shell/hotspots.h"
#include "shell/mission_progress.h"
#include "shell/movie/movie_queue.h"
#include "shell/overlays.h"
#include "shell/screen_text.h"
#include "shell/sound_table.h"
#include "shell/text_scroll_box.h"
#include "slot_screens.h"

namespace kestrine::scenario {
namespace {

// Button centres on the 640 x 480 screen. The menu column is 180 x 23 at x 75 of a 634 x 455 design,
// rows 172, 196, 219, 243, 267, 291, 314 of it: y 181, 206, 231, 256, 281, 306, 331 on the screen.
using Point = ScreenPoint;
constexpr Point kRow[] = {{165, 192}, {165, 217}, {165, 242}, {165, 267}, {165, 292}, {165, 317}, {165, 342}};
constexpr Point kReject{487, 419};  // 170 x 22 at (402, 408), under ACCEPT
// The volume screen's - and + boxes, 25 x 23 at x 75 and 237, y 232 (effects) and 284 (music).
constexpr Point kEffectsDown{87, 243}, kEffectsUp{249, 243}, kMusicDown{87, 295}, kMusicUp{249, 295};
// The bars start at x 93 (93 x 640 / 634 = 93.9); the effects bar at y 231, the music bar at y 281, 16 high.
constexpr int kBarX = 93, kEffectsBarY = 231, kMusicBarY = 281;
// The player controls' scroll strips, 522 x 20 at (50, 205) and (50, 458).
constexpr Point kScrollUp{300, 215}, kScrollDown{300, 468};
// The pause and quit panels' column, 170 x 22 at x 236.
constexpr Point kPauseOptions{321, 297}, kPauseControls{321, 323}, kNo{321, 323};

class MenuRoad : public AtTheDisclaimer {
 protected:
  void Click(Point p) { game.Click(p.x, p.y); }
  // The screens that follow the pointer act on where it last came to rest.
  void PointAndClick(Point p) { scenario::PointAndClick(game, p); }
  static int BarLength(int y) { return CountPixels(ScreenText().textOverlay, kBarX, y + 8, 200, 1, 200, 10, 10); }
  void ToTheMainMenu() {
    Click(kAccept);
    ASSERT_EQ(States().gameState, STATE_MAIN_MENU);
  }
  void ToThePauseMenu() {
    ToTheMainMenu();
    StoreGameStateWithoutEntry(STATE_OVERHEAD);  // as the overhead view's pause leaves it
    SetGameState(STATE_PAUSE_MENU);
    game.Frame(16);
  }
};

TEST_F(MenuRoad, AcceptOptionsVolumeUpAndDownThenBackAndBack) {
  // The disclaimer's labels are drawn on the button canvas, in their buttons.
  EXPECT_GT(CountPixels(Overlays().menuCanvas, 402, 435, 170, 22, 235, 247, 195), 50);
  EXPECT_GT(CountPixels(Overlays().menuCanvas, 402, 408, 170, 22, 235, 247, 195), 50);
  Click(kAccept);
  EXPECT_EQ(States().gameState, STATE_MAIN_MENU);
  EXPECT_FALSE(Assets().disclaimerImage);

  Click(kRow[3]);  // OPTIONS
  EXPECT_EQ(States().gameState, STATE_OPTIONS);
  EXPECT_EQ(States().previousGameState, STATE_MAIN_MENU);
  // The options' first entry is empty: the corner of the screen hits nothing.
  game.Click(0, 0);
  EXPECT_EQ(States().gameState, STATE_OPTIONS);
  Click(kRow[0]);  // VOLUME CONTROL
  ASSERT_EQ(States().gameState, STATE_VOLUME);
  EXPECT_EQ(BarLength(kEffectsBarY), 151);  // 127 x 150 x 640 / 80518
  // Clicked again before the pointer moves (VOLUME CONTROL's place is the BACK button's, its index the
  // effects' down button's): nothing was chosen on this screen yet.
  Click(kRow[0]);
  EXPECT_EQ(States().gameState, STATE_VOLUME);
  EXPECT_EQ(Sounds().effectsVolume, 127);

  SetEffectsVolume(125);
  PointAndClick(kEffectsUp);
  EXPECT_EQ(Sounds().effectsVolume, 127);
  PointAndClick(kEffectsDown);
  EXPECT_EQ(Sounds().effectsVolume, 117);
  EXPECT_EQ(BarLength(kEffectsBarY), 139);  // 117 x 150 x 640 / 80518 = 139.4
  SetMusicVolume(5);
  PointAndClick(kMusicDown);
  EXPECT_EQ(Sounds().musicVolume, 0);
  EXPECT_EQ(BarLength(kMusicBarY), 0);
  PointAndClick(kMusicUp);
  EXPECT_EQ(Sounds().musicVolume, 10);
  EXPECT_EQ(BarLength(kMusicBarY), 11);  // 10 x 150 x 640 / 80518 = 11.9

  PointAndClick(kRow[0]);  // BACK
  EXPECT_EQ(States().gameState, STATE_OPTIONS);
  Click(kRow[2]);  // BACK
  EXPECT_EQ(States().gameState, STATE_MAIN_MENU);
  EXPECT_EQ(game.TracedStates(), (std::vector<int>{0, 1, 2, 7, 9, 2}));
}

TEST_F(MenuRoad, ThePlayerControlsScrollWhileThePointerRestsOnAStrip) {
  ToTheMainMenu();
  Click(kRow[4]);  // PLAYER CONTROLS
  ASSERT_EQ(States().gameState, STATE_PLAYER_CONTROLS);
  EXPECT_EQ(sharedTextBox.total, 34);
  EXPECT_EQ(sharedTextBox.visible, 16);
  game.MoveTo(kScrollDown.x, kScrollDown.y);
  game.Frames(40, 16);  // 640 ms: a line every 100 ms
  EXPECT_GE(sharedTextBox.first, 5);
  EXPECT_LE(sharedTextBox.first, 7);
  game.Frames(200, 16);  // never past the last page
  EXPECT_EQ(sharedTextBox.first, 34 - 16);
  game.MoveTo(kScrollUp.x, kScrollUp.y);
  game.Frames(20, 16);
  EXPECT_LT(sharedTextBox.first, 34 - 16);
  // Off the strips the text stands still.
  game.MoveTo(600, 100);
  const int32_t resting = sharedTextBox.first;
  game.Frames(20, 16);
  EXPECT_EQ(sharedTextBox.first, resting);

  PointAndClick(kRow[0]);  // BACK: straight to the main menu, the campaign left as it was
  EXPECT_EQ(States().gameState, STATE_MAIN_MENU);
  EXPECT_FALSE(sharedTextBox.text);
  EXPECT_EQ(game.TracedStates().back(), STATE_PLAYER_CONTROLS);
}

TEST_F(MenuRoad, TrainingAndNewGameLeadToPlayerSelect) {
  ToTheMainMenu();
  ChooseDifficulty(2);
  Click(kRow[0]);  // TRAINING
  ASSERT_EQ(States().gameState, STATE_TRAINING);
  Click(kRow[1]);  // TRAINING MISSION 2
  EXPECT_EQ(States().gameState, STATE_PLAYER_SELECT);
  EXPECT_EQ(Campaign().trainingRun, 1);
  EXPECT_EQ(Campaign().missionNumber, 12);
  EXPECT_EQ(Campaign().difficulty, 0);

  SetGameState(STATE_MAIN_MENU);
  Click(kRow[1]);  // NEW GAME
  Click(kRow[2]);  // EXPERT
  EXPECT_EQ(States().gameState, STATE_PLAYER_SELECT);
  EXPECT_EQ(Campaign().difficulty, 2);
  EXPECT_EQ(Campaign().trainingRun, 0);
  EXPECT_EQ(Campaign().missionNumber, 1);
}

TEST_F(MenuRoad, CreditsPlayTheCreditsMovieAndStayOnTheMenu) {
  ToTheMainMenu();
  ForgetMovieRun();
  Click(kRow[5]);  // CREDITS
  EXPECT_STREQ(MovieQueue().movieNames[0], "avi\\credits.avi");
  EXPECT_EQ(MovieQueue().movieCredits, 1);
  EXPECT_EQ(MovieQueue().movieCount, 0);
  EXPECT_EQ(States().gameState, STATE_MAIN_MENU);
}

TEST_F(MenuRoad, ExitEndsTheProgramWell) {
  ToTheMainMenu();
  Click(kRow[6]);  // EXIT
  EXPECT_FALSE(game.Running());
  EXPECT_EQ(game.RunToEnd(), 0);
  EXPECT_FALSE(Engine().engineRoot);  // shut down, not abandoned
}

TEST_F(MenuRoad, RejectingTheDisclaimerEndsTheProgram) {
  Click(kReject);
  EXPECT_FALSE(game.Running());
  EXPECT_EQ(game.RunToEnd(), 0);
  EXPECT_FALSE(Engine().engineRoot);
  EXPECT_EQ(game.TracedStates(), (std::vector<int>{0, 1}));
}

TEST_F(MenuRoad, TheQuitConfirmationNeedsAPointerOnYes) {
  ToThePauseMenu();
  PointAndClick(kPauseQuit);
  ASSERT_EQ(States().gameState, STATE_QUIT_CONFIRM);
  EXPECT_EQ(Hotspots().hotspotIndex, -1);
  // A second release where the pointer still is quits nothing.
  game.Mouse(engine::kMouseLeftUp, kPauseQuit.x, kPauseQuit.y);
  EXPECT_EQ(States().gameState, STATE_QUIT_CONFIRM);
  PointAndClick(kNo);
  EXPECT_EQ(States().gameState, STATE_PAUSE_MENU);
  game.Frame(16);
  PointAndClick(kPauseQuit);
  PointAndClick(kYes);
  EXPECT_EQ(States().gameState, STATE_MAIN_MENU);
  EXPECT_TRUE(Overlays().fullScreenOverlaySprite->Visible());
}

TEST_F(MenuRoad, ScreensOpenedFromThePauseMenuReturnToTheMission) {
  ToThePauseMenu();
  PointAndClick(kPauseControls);
  ASSERT_EQ(States().gameState, STATE_PLAYER_CONTROLS);
  EXPECT_EQ(States().previousGameState, STATE_OVERHEAD);
  game.Frame(16);
  PointAndClick(kRow[0]);  // BACK
  EXPECT_EQ(States().gameState, STATE_OVERHEAD);

  SetGameState(STATE_PAUSE_MENU);
  game.Frame(16);
  PointAndClick(kPauseOptions);
  ASSERT_EQ(States().gameState, STATE_OPTIONS);
  Click(kRow[0]);  // VOLUME CONTROL, and back: the options still lead to the mission
  PointAndClick(kRow[0]);
  Click(kRow[2]);  // BACK
  EXPECT_EQ(States().gameState, STATE_OVERHEAD);
}

// The medals the finish screen drew on the text overlay at (x, y): every pixel of the picture but its key.
int MedalMismatches(Harness& game, const wchar_t* path, int x, int y) {
  auto medal = game.Root().LoadBitmap(path, 1);
  int wrong = 0;
  for (int py = 0; py < medal->GetHeight(); ++py)
    for (int px = 0; px < medal->GetWidth(); ++px) {
      const engine::Color c = medal->PixelColor(px, py);
      if (c == engine::Color{255, 0, 0}) continue;
      wrong += ScreenText().textOverlay->PixelColor(x + px, y + py) == c ? 0 : 1;
    }
  return wrong;
}

TEST_F(MenuRoad, TheFinishScreenPacksTheRibbonsFromTheLeftAndReplaysTheLastMission) {
  ToTheMainMenu();
  MissionProgress campaign = Progress();
  campaign.ribbonCount[2] = 1;
  campaign.ribbonCount[5] = 2;
  campaign.ribbonTotal = 3;
  campaign.badgeCount[1] = 1;
  campaign.campaignScore = 700;
  campaign.campaignMaximum = 900;
  campaign.missionScore = 60;
  campaign.missionMaximum = 95;
  RestoreProgress(campaign);
  SetGameState(STATE_FINISH);
  ASSERT_TRUE(FinishPictures().finalMedalImages[2]);
  const int first = FinishPictures().finalMedalImages[2]->GetWidth();
  EXPECT_EQ(MedalMismatches(game, L"images\\finalMedals\\ribbon2.qpg", 20, 190), 0);
  EXPECT_EQ(MedalMismatches(game, L"images\\finalMedals\\ribbon5.qpg", 20 + first, 190), 0);
  // Badges keep their places: the second badge at x 250, nothing where the first would be.
  EXPECT_EQ(MedalMismatches(game, L"images\\finalMedals\\badge1.qpg", 250, 60), 0);
  EXPECT_EQ(CountPixelsNot(ScreenText().textOverlay, 50, 60, 150, 60, 255, 0, 0), 0);
  EXPECT_FALSE(FinishPictures().finalMedalImages[0]);

  PointAndClick({512, 426});  // REPLAY, 170 x 22 at (427, 415)
  EXPECT_EQ(States().gameState, STATE_BRIEFING);
  EXPECT_EQ(Campaign().missionNumber, 10);
  EXPECT_EQ(Progress().campaignScore, 640);
  EXPECT_EQ(Progress().campaignMaximum, 805);
}

class CampaignAwardsRoad : public MenuRoad {
 protected:
  void AtTheDebriefing(int mission, int tier) {
    if (States().gameState == STATE_DISCLAIMER) ToTheMainMenu();
    StoreGameStateWithoutEntry(STATE_DEBRIEFING);
    GoToMission(mission);
    RecordDebriefTier(tier);
    ClearMovieNames();
  }
};

TEST_F(CampaignAwardsRoad, AnAwardPlaysItsMovieBeforeTheNextBriefingAndNoAwardGoesStraightOn) {
  AtTheDebriefing(4, 8);
  AwardMissionMedals();
  EXPECT_EQ(Progress().ribbonCount[7], 1);
  EXPECT_STREQ(MovieQueue().movieNames[0], "avi\\ribbon7.avi");
  EXPECT_EQ(Campaign().missionNumber, 5);
  EXPECT_EQ(States().gameState, STATE_BRIEFING);

  AtTheDebriefing(2, 6);
  AwardMissionMedals();
  EXPECT_STREQ(MovieQueue().movieNames[0], "");
  EXPECT_EQ(Campaign().missionNumber, 3);
  EXPECT_EQ(States().gameState, STATE_BRIEFING);
}

}  // namespace
}  // namespace kestrine::scenario
