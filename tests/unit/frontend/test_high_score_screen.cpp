// The high-score screen: a campaign's score opening the name entry on its difficulty's page, the outline
// and prompt that mark it, NEXT turning the pages round, and keys reaching the name only while one is typed.
#include <gtest/gtest.h>

#include <cstring>

#include "frontend/high_score_screen.h"
#include "frontend/high_score_table.h"
#include "shell/asset_loader.h"
#include "shell/globals.h"
#include "shell/mission_progress.h"
#include "shell/program_state.h"
#include "shell/random.h"
#include "unit/shell/scratch_tree.h"
#include "unit/shell/screen_2d_fixture.h"

namespace kestrine {
namespace {

using testing::FindColour;
using testing::PixelBox;
using testing::Rgb;

const engine::Color kYellow = Rgb(255, 255, 0);
const engine::Color kPromptGreen = Rgb(10, 250, 10);

class HighScoreScreenTest : public testing::Screen2dTest {
 protected:
  void SetUp() override {
    ResetProgramState();
    Screen2dTest::SetUp();
    CreateOverlays();
    openingImage = engineRoot->CreateBitmap(640, 480);
    menuBarsImage = engineRoot->CreateBitmap(184, 172);
    // Quitting from a debriefing.
    gameState = STATE_QUIT_CONFIRM;
    previousGameState = STATE_DEBRIEFING;
    srand(1);
  }
  void TearDown() override {
    openingImage.Reset();
    menuBarsImage.Reset();
    Screen2dTest::TearDown();
    ResetProgramState();
  }
  static void SetCampaignTotals(int32_t score, int32_t maximum) {
    missionProgress.campaignScore = score;
    missionProgress.campaignMaximum = maximum;
  }
  void Redraw() {
    ClearTextOverlay();
    ClearMenuCanvas();
    HighScoreScreen();
  }
  testing::ScratchTree tree_;  // no high-score file: the defaults
};

TEST_F(HighScoreScreenTest, AWinningScoreOpensTheNameEntryOnItsPageAndNextTurnsThePagesRound) {
  difficulty = 1;
  missionNumber = 10;
  SetCampaignTotals(450, 600);  // between MARROK's 488 and FENN's 303
  ASSERT_TRUE(EnterHighScore());
  EXPECT_EQ(gameState, STATE_HIGH_SCORES);
  EXPECT_EQ(previousGameState, STATE_MAIN_MENU);
  EXPECT_EQ(highScorePage, 1);
  EXPECT_EQ(highScoreEntryRow, 11);
  EXPECT_EQ(highScoreTable[11].score, 450);
  EXPECT_EQ(highScoreTable[11].maximum, 600);
  EXPECT_EQ(highScoreTable[11].mission, 10);
  EXPECT_EQ(highScoreTable[12].score, 303);

  // Rank 2 is outlined: 280 x 18 from (70, 244 + 36).
  PixelBox outline = FindColour(textOverlay, kYellow);
  EXPECT_EQ(outline.left, 70);
  EXPECT_EQ(outline.top, 280);
  EXPECT_EQ(outline.Width(), 281);
  EXPECT_EQ(outline.Height(), 19);
  PixelBox prompt = FindColour(textOverlay, kPromptGreen);
  EXPECT_GE(prompt.left, 75);
  EXPECT_GE(prompt.top, 150);
  EXPECT_LT(prompt.bottom, 170);

  // EXPERT has no row being named; NOVICE after EXPERT; then back to the row.
  for (int32_t page : {2, 0, 1}) {
    HighScoreButtonAction(HIGH_SCORE_NEXT);
    EXPECT_EQ(highScorePage, page);
    EXPECT_EQ(FindColour(textOverlay, kYellow).Empty(), page != 1);
    EXPECT_FALSE(FindColour(textOverlay, kPromptGreen).Empty());
  }
  EXPECT_EQ(gameState, STATE_HIGH_SCORES);
}

TEST_F(HighScoreScreenTest, TrainingRunsAndScoresThatBeatNothingOpenNothing) {
  SetCampaignTotals(5000, 5000);
  trainingRun = 1;
  EXPECT_FALSE(EnterHighScore());
  EXPECT_EQ(gameState, STATE_QUIT_CONFIRM);
  EXPECT_EQ(highScoreEntryRow, -1);

  trainingRun = 0;
  difficulty = 2;
  SetCampaignTotals(0, 100);  // ties the empty tenth row
  EXPECT_FALSE(EnterHighScore());
  EXPECT_EQ(gameState, STATE_QUIT_CONFIRM);
  EXPECT_EQ(previousGameState, STATE_DEBRIEFING);
  EXPECT_EQ(highScoreEntryRow, -1);
  EXPECT_EQ(testing::CountOther(textOverlay, kRed), 0);
}

TEST_F(HighScoreScreenTest, KeysTypeOnlyOnAPressAndOnlyWhileARowIsNamed) {
  HighScoreKey('A', true);  // the table shown from the options menu: nobody is typing
  Redraw();
  EXPECT_TRUE(FindColour(textOverlay, kPromptGreen).Empty());

  SetCampaignTotals(600, 700);
  ASSERT_TRUE(EnterHighScore());
  EXPECT_EQ(highScoreEntryRow, 0);
  HighScoreKey('M', true);
  HighScoreKey('M', false);
  HighScoreKey('E', true);
  HighScoreKey('D', true);
  EXPECT_STREQ(highScoreTable[0].name, "MED");
  EXPECT_EQ(nameLength, 3);
  HighScoreKey(46, true);  // Delete
  EXPECT_STREQ(highScoreTable[0].name, "");
  EXPECT_FALSE(FindColour(textOverlay, kYellow).Empty());  // drawn again after the clearing
}

}  // namespace
}  // namespace kestrine
