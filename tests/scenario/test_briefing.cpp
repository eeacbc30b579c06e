// The road through player select, the briefing and the debriefing as a player takes it with the mouse: the
// figure chosen with the arrows, the officer who speaks after three seconds, the briefing that scrolls
// under a resting pointer, the ways into the mission, and the debriefing's report, verdict and way on.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "battlefield/casualty_cases.h"
#include "casualty/backpack.h"
#include "casualty/lip_sync.h"
#include "casualty/report_lines.h"
#include "damaged_tree.h"
#include "frontend/briefing_screen.h"
#include "frontend/briefing_speech.h"
#include "frontend/campaign_awards.h"
#include "frontend/player_select.h"
#include "harness.h"
#include "shell/engine_setup.h"
#include "shell/game_state.h"
#include "shell/layout.h"
#include "shell/mission_frames.h"
#include "shell/mission_progress.h"
#include "shell/movie/movie_queue.h"
#include "shell/overlays.h"
#include "shell/screen_text.h"
#include "shell/sound_table.h"
#include "shell/text_scroll_box.h"
#include "slot_screens.h"

namespace kestrine::scenario {
namespace {

using Point = ScreenPoint;
// EXPERT is row 2 of the difficulty menu; player select's arrows.
constexpr Point kExpert{165, 242}, kPrevious{288, 356}, kNext{343, 356};
// The briefing's column (x 443, 121 wide) and its scroll strips.
constexpr Point kStartMission{504, 356}, kLoadBackpack{504, 380}, kBackOrQuit{504, 431};
constexpr Point kBriefingScrollDown{130, 287};
// The debriefing's column (x 352, 302 wide).
constexpr Point kNextMission{504, 343}, kReplay{504, 370};

class BriefingRoad : public AtTheDisclaimer {
 protected:
  void PointAndClick(Point p) { scenario::PointAndClick(game, p); }
  void ToPlayerSelect(Point level) {
    game.Click(kAccept.x, kAccept.y);
    game.Click(kNewGame.x, kNewGame.y);
    game.Click(level.x, level.y);
    ASSERT_EQ(States().gameState, STATE_PLAYER_SELECT);
    game.Frame(16);
  }
  void ToTheBriefing(Point level = kNovice) {
    ToPlayerSelect(level);
    PointAndClick(kSelect);
    ASSERT_EQ(States().gameState, STATE_BRIEFING);
    game.Frame(16);
  }
  // The end of a mission as the battle leaves it, then the debriefing.
  void ToTheMainMenu() { game.Click(kAccept.x, kAccept.y); }
  void ToTheDebriefing(int mission, int score, int maximum, MissionEnd endFlag = END_EVACUATED) {
    if (States().gameState == STATE_DISCLAIMER) ToTheMainMenu();
    GoToMission(mission);
    SetMissionScore(score, maximum);
    EndMission(endFlag);
    ClearReport();
    for (int i = 0; i < 40; ++i) AppendReportLine("Casualty line " + std::to_string(i));
    StoreGameStateWithoutEntry(STATE_OVERHEAD);
    SetGameState(STATE_DEBRIEFING);
    game.Frame(16);
  }
  static bool HeadOnStage() {
    return Briefing().briefingHead && Engine().engineStage->Contains(Briefing().briefingHead.Get());
  }
  static const engine::EngineRef<engine::EngineSound>& Speech() { return Sounds().soundTable[SOUND_BRIEFING_SPEECH]; }
};

TEST_F(BriefingRoad, TheArrowsGoRoundTheFiguresAndSelectTakesTheOneShown) {
  ToPlayerSelect(kNovice);
  EXPECT_EQ(PlayerSelect().currentFigure, 0);
  EXPECT_TRUE(PlayerSelect().playerFigureModels[0]->Visible());
  PointAndClick(kPrevious);
  EXPECT_EQ(PlayerSelect().currentFigure, 2);
  game.Frame(16);
  EXPECT_TRUE(PlayerSelect().playerFigureModels[2]->Visible());
  EXPECT_FALSE(PlayerSelect().playerFigureModels[0]->Visible());
  PointAndClick(kPrevious);
  EXPECT_EQ(PlayerSelect().currentFigure, 1);
  PointAndClick(kPrevious);
  EXPECT_EQ(PlayerSelect().currentFigure, 0);
  PointAndClick(kPrevious);
  PointAndClick(kNext);  // 2 -> 0
  EXPECT_EQ(PlayerSelect().currentFigure, 0);
  PointAndClick(kPrevious);
  game.Frame(16);
  // The figure's name heads the panel.
  EXPECT_GT(CountPixels(ScreenText().textOverlay, 360, 41, 120, 18, 235, 247, 195), 20);

  PointAndClick(kSelect);
  ASSERT_EQ(States().gameState, STATE_BRIEFING);
  EXPECT_EQ(Progress().playerFigure, 2);
  EXPECT_FALSE(PlayerSelect().playerSelectLoaded);
  EXPECT_FALSE(PlayerSelect().playerFigureModels[2]);
  // The smallest medic carries the least.
  game.Frame(16);
  PointAndClick(kLoadBackpack);
  ASSERT_EQ(States().gameState, STATE_BACKPACK);
  EXPECT_FLOAT_EQ(PackState().capacityFactor, 0.8f);
  EXPECT_FLOAT_EQ(Pack().maxWeight, 32.0f);
  EXPECT_FLOAT_EQ(Pack().maxVolume, 400.0f);
}

TEST_F(BriefingRoad, SelectWithoutTheArrowsStillTakesTheFigureShown) {
  // A visit before this campaign leaves the second figure shown: NEXT, then BACK to the difficulty menu and its
  // BACK to the main menu, whose new campaign starts from the first figure.
  constexpr Point kPlayerSelectBack{180, 421}, kDifficultyBack{165, 267};
  ToPlayerSelect(kNovice);
  PointAndClick(kNext);
  ASSERT_EQ(PlayerSelect().currentFigure, 1);
  PointAndClick(kPlayerSelectBack);
  ASSERT_EQ(States().gameState, STATE_DIFFICULTY);
  game.Click(kDifficultyBack.x, kDifficultyBack.y);
  ASSERT_EQ(States().gameState, STATE_MAIN_MENU);
  ASSERT_EQ(Progress().playerFigure, 0);
  game.Click(kNewGame.x, kNewGame.y);
  game.Click(kNovice.x, kNovice.y);
  ASSERT_EQ(States().gameState, STATE_PLAYER_SELECT);
  game.Frame(16);
  PointAndClick(kSelect);
  ASSERT_EQ(States().gameState, STATE_BRIEFING);
  EXPECT_EQ(Progress().playerFigure, 1);
}

TEST_F(BriefingRoad, TheOfficerSpeaksAfterThreeSecondsAndTheBriefingScrolls) {
  ToTheBriefing();
  EXPECT_TRUE(HeadOnStage());
  EXPECT_TRUE(Briefing().briefingHead->Visible());
  EXPECT_TRUE(Briefing().briefingLight);
  game.Frames(150, 16);  // 2.4 s: nothing said yet
  EXPECT_FALSE(Speech());
  game.Frames(50, 16);  // past 3 s and the lead
  ASSERT_TRUE(Speech());
  EXPECT_TRUE(Speech()->IsPlaying());
  ASSERT_TRUE(BriefingSpeech().lipSyncRecords);
  EXPECT_EQ(BriefingSpeech().lipSyncRecords->size(), LoadLipSync("sounds\\hmiss1.phn").records.size());

  const int32_t top = sharedTextBox.first;
  game.MoveTo(kBriefingScrollDown.x, kBriefingScrollDown.y);
  game.Frames(20, 16);
  EXPECT_GT(sharedTextBox.first, top);
  game.MoveTo(300, 20);  // off the strip: the box stops
  const int32_t rested = sharedTextBox.first;
  game.Frames(20, 16);
  EXPECT_EQ(sharedTextBox.first, rested);

  PointAndClick(kLoadBackpack);
  EXPECT_EQ(States().gameState, STATE_BACKPACK);
  EXPECT_FALSE(Speech());
  EXPECT_FALSE(HeadOnStage());
  EXPECT_FALSE(Briefing().briefingLight);
}

TEST_F(BriefingRoad, StartMissionPacksTheStandardKitAndGoesIn) {
  ToTheBriefing();
  PointAndClick(kStartMission);
  EXPECT_EQ(States().gameState, STATE_OVERHEAD);
  EXPECT_EQ(Pack().count[TOOL_M4], kStandardRifleRounds);
  EXPECT_FALSE(HeadOnStage());
}

TEST_F(BriefingRoad, AnExpertCannotStartFromTheBriefing) {
  ToTheBriefing(kExpert);
  // The greyed label where the button would be, and nothing to click there.
  EXPECT_GT(CountPixels(Overlays().menuCanvas, 440, 344, 130, 20, 155, 155, 155), 20);
  PointAndClick(kStartMission);
  EXPECT_EQ(States().gameState, STATE_BRIEFING);
  PointAndClick(kLoadBackpack);
  EXPECT_EQ(States().gameState, STATE_BACKPACK);
}

TEST_F(BriefingRoad, TheFirstBriefingLeadsBackAndALaterOneQuits) {
  ToTheBriefing();
  PointAndClick(kBackOrQuit);
  EXPECT_EQ(States().gameState, STATE_PLAYER_SELECT);
  EXPECT_FALSE(HeadOnStage());
  game.Frame(16);
  PointAndClick(kSelect);
  SetMissionScore(Progress().missionScore, 30);  // a mission was played
  game.Frame(16);
  PointAndClick(kBackOrQuit);
  EXPECT_EQ(States().gameState, STATE_QUIT_CONFIRM);
  EXPECT_EQ(States().previousGameState, STATE_BRIEFING);
}

TEST_F(BriefingRoad, ANewGameAfterAPackKeptAtALaterBriefingStartsMissionOneWithItsOwnCasualtiesAndTheStandardKit) {
  // A campaign some way on, at expert: the briefing of mission 4 decides its casualties, and the pack loaded
  // from there holds only what an expert starts with, not a round of ammunition.
  ToTheBriefing(kExpert);
  GoToMission(4);
  SetMissionScore(Progress().missionScore, 30);
  SetGameState(STATE_BRIEFING);
  game.Frame(16);
  const int32_t laterCases = CasualtyCases().casualtyCaseCount;
  ASSERT_GT(laterCases, 3);
  PointAndClick(kLoadBackpack);
  ASSERT_EQ(States().gameState, STATE_BACKPACK);
  game.Frame(16);
  EXPECT_EQ(Pack().count[TOOL_M4], 0);
  game.Click(70 + 40, PanelY(386) + 10);  // the backpack screen's BACK
  ASSERT_EQ(States().gameState, STATE_BRIEFING);
  game.Frame(16);
  EXPECT_EQ(CasualtyCases().casualtyCaseCount, laterCases);  // the pack was packed for these casualties: they stay
  PointAndClick(kBackOrQuit);
  ASSERT_EQ(States().gameState, STATE_QUIT_CONFIRM);
  PointAndClick(kYes);
  ASSERT_EQ(States().gameState, STATE_MAIN_MENU);

  // NEW GAME at novice: mission 1 has its three casualties, and START MISSION packs the standard kit.
  game.Click(kNewGame.x, kNewGame.y);
  game.Click(kNovice.x, kNovice.y);
  ASSERT_EQ(States().gameState, STATE_PLAYER_SELECT);
  game.Frame(16);
  PointAndClick(kSelect);
  ASSERT_EQ(States().gameState, STATE_BRIEFING);
  EXPECT_EQ(Campaign().missionNumber, 1);
  EXPECT_EQ(CasualtyCases().casualtyCaseCount, 3);
  game.Frame(16);
  PointAndClick(kStartMission);
  ASSERT_EQ(States().gameState, STATE_OVERHEAD);
  EXPECT_EQ(Pack().count[TOOL_GRENADE], 4);
  EXPECT_EQ(Pack().count[TOOL_M4], 240);
  EXPECT_EQ(Pack().count[TOOL_BERETTA], 75);
}

// A label lit as the pointer's button: the highlight colour of menu buttons.
int LitPixels(int x, int y, int width, int height) {
  return CountPixels(Overlays().menuCanvas, x, y, width, height, 255, 226, 73);
}

TEST_F(BriefingRoad, AButtonOfTheScreenBeforeIsNotLitOnTheNext) {
  // SELECT is button 0 of player select; LOAD BACKPACK is button 0 of the briefing, far from the pointer.
  ToPlayerSelect(kNovice);
  PointAndClick(kSelect);
  ASSERT_EQ(States().gameState, STATE_BRIEFING);
  game.Frame(16);
  EXPECT_EQ(LitPixels(443, 369, 121, 23), 0);
  game.MoveTo(kLoadBackpack.x, kLoadBackpack.y);
  game.Frame(16);
  EXPECT_GT(LitPixels(443, 369, 121, 23), 20);

  // NO on the quit box is its button 1, the debriefing's QUIT.
  ToTheDebriefing(3, 10, 100);
  PointAndClick({504, 419});
  ASSERT_EQ(States().gameState, STATE_QUIT_CONFIRM);
  PointAndClick({320, 321});
  ASSERT_EQ(States().gameState, STATE_DEBRIEFING);
  game.Frame(16);
  EXPECT_EQ(LitPixels(352, 408, 302, 23), 0);
}

TEST_F(BriefingRoad, TheDebriefingShowsTheReportAndAddsTheMissionToTheCampaign) {
  ToTheMainMenu();
  MissionProgress campaign = Progress();
  campaign.campaignScore = 100;
  campaign.campaignMaximum = 150;
  RestoreProgress(campaign);
  ToTheDebriefing(3, 47, 60);
  EXPECT_EQ(Briefing().isBriefing, 0);
  EXPECT_EQ(Progress().campaignScore, 147);
  EXPECT_EQ(Progress().campaignMaximum, 210);
  EXPECT_EQ(DebriefTier(), 7);
  EXPECT_EQ(sharedTextBox.total, 40);
  EXPECT_GT(CountPixels(ScreenText().textOverlay, 54, 105, 230, 311, 235, 247, 195), 100);
  game.Frames(200, 16);
  ASSERT_TRUE(BriefingSpeech().lipSyncRecords);
  EXPECT_EQ(BriefingSpeech().lipSyncRecords->size(), LoadLipSync("sounds\\jgood3.phn").records.size());

  // REPLAY takes the mission back out and briefs it again.
  PointAndClick(kReplay);
  EXPECT_EQ(States().gameState, STATE_BRIEFING);
  EXPECT_EQ(Campaign().missionNumber, 3);
  EXPECT_EQ(Progress().campaignScore, 100);
  EXPECT_EQ(Progress().campaignMaximum, 150);
}

TEST_F(BriefingRoad, BelowHalfTheMaximumThereIsNoWayOn) {
  ToTheDebriefing(3, 49, 100);
  EXPECT_GT(CountPixels(Overlays().menuCanvas, 420, 332, 170, 20, 155, 155, 155), 20);
  PointAndClick(kNextMission);
  EXPECT_EQ(States().gameState, STATE_DEBRIEFING);
  EXPECT_EQ(Campaign().missionNumber, 3);
}

TEST_F(BriefingRoad, ATimeOutIsToldAsSuchButTheMedalsFollowTheScore) {
  ToTheMainMenu();
  RecordDebriefTier(2);  // an earlier mission's
  ToTheDebriefing(2, 54, 60, END_TIME_OUT);
  EXPECT_EQ(DebriefTier(), 9);
  game.Frames(200, 16);
  ASSERT_TRUE(BriefingSpeech().lipSyncRecords);
  EXPECT_EQ(BriefingSpeech().lipSyncRecords->size(), LoadLipSync("sounds\\jtimedOut.phn").records.size());
  // Clicked at once or later, the way on is the same: the badge of mission 2.
  PointAndClick(kNextMission);
  EXPECT_EQ(Progress().badgeCount[1], 1);
  EXPECT_EQ(States().gameState, STATE_BRIEFING);
  EXPECT_EQ(Campaign().missionNumber, 3);
}

TEST_F(BriefingRoad, AMissionWithoutAMaximumCountsAsOneOutOfOneOnceOnly) {
  ToTheDebriefing(4, 0, 0);
  EXPECT_EQ(Progress().missionMaximum, 1);
  EXPECT_EQ(Progress().campaignMaximum, 1);
  PointAndClick(kReplay);
  EXPECT_EQ(Progress().campaignMaximum, 0);
}

TEST_F(BriefingRoad, TheLastMissionEndsWithTheChosenFiguresMovie) {
  // The smallest medic, chosen as a player does, plays the campaign through to its last mission.
  ToPlayerSelect(kNovice);
  PointAndClick(kPrevious);
  game.Frame(16);
  PointAndClick(kSelect);
  ASSERT_EQ(Progress().playerFigure, 2);
  ToTheDebriefing(10, 90, 100);
  SetLoserEnding(false);
  ClearMovieNames();
  PointAndClick(kNextMission);
  EXPECT_EQ(States().gameState, STATE_FINISH);
  int at = 0;
  while (at < kMovieQueueLength && std::strcmp(MovieQueue().movieNames[at], "avi\\winner2.avi") != 0) ++at;
  ASSERT_LT(at, kMovieQueueLength);
  EXPECT_EQ(MovieQueue().movieFlags[at], MOVIE_SHOW_STILL_AFTER);  // the ending stays on its last picture
  EXPECT_EQ(Campaign().missionNumber, 10);
  EXPECT_FALSE(HeadOnStage());
}

TEST(BriefingOnPlainModels, AFigureAndAnOfficerWithoutAnimationsStandAndTheRoadGoesOn) {
  DamagedTree tree(KESTRINE_DATA_DIR);
  tree.Replace("chars/playerselect/choose2/choose2.qsad", "");
  tree.Replace("head/bs-major/bs_major.qsad", "");
  InFolder inTree(tree.Root());
  Harness game;
  ASSERT_TRUE(game.RunUntilState(STATE_DISCLAIMER));
  for (Point p : {kAccept, kNewGame, kNovice}) game.Click(p.x, p.y);
  ASSERT_EQ(States().gameState, STATE_PLAYER_SELECT);
  game.Frame(16);
  PointAndClick(game, kPrevious);
  game.Frame(16);
  ASSERT_EQ(PlayerSelect().currentFigure, 2);
  EXPECT_EQ(PlayerSelect().playerFigureModels[2]->GetAnimationCount(), 0);
  EXPECT_TRUE(PlayerSelect().playerFigureModels[2]->Visible());

  PointAndClick(game, kSelect);
  ASSERT_EQ(States().gameState, STATE_BRIEFING);
  EXPECT_EQ(Briefing().briefingHead->GetAnimationCount(), 0);
  // The message is heard on time though the head has no mouth to move.
  game.Frames(200, 16);
  ASSERT_TRUE(Sounds().soundTable[SOUND_BRIEFING_SPEECH]);
  EXPECT_TRUE(Sounds().soundTable[SOUND_BRIEFING_SPEECH]->IsPlaying());
  PointAndClick(game, kLoadBackpack);
  EXPECT_EQ(States().gameState, STATE_BACKPACK);
}

}  // namespace
}  // namespace kestrine::scenario
