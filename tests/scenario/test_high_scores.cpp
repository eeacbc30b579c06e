// High scores through the whole program: a finished campaign whose score beats its page's first opens the
// name entry, the name is typed on the keyboard, BACK writes the table, and the next start of the program
// shows it. The game runs in a data folder of its own, so the file it writes is nobody else's.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "frontend/high_score_screen.h"
#include "frontend/high_score_table.h"
#include "frontend/menu_screens.h"
#include "harness.h"
#include "own_data_folder.h"
#include "shell/game_state.h"
#include "shell/hotspots.h"
#include "shell/mission_progress.h"
#include "shell/overlays.h"
#include "shell/screen_text.h"

namespace kestrine::scenario {
namespace {

namespace fs = std::filesystem;

// Inside BACK (180 x 23 at (75, 181)) and NEXT (at (75, 205)) on the 640 x 480 screen.
constexpr int kBackX = 150, kBackY = 190, kNextX = 150, kNextY = 214;

// The main menu's OPTIONS and the options menu's HIGH SCORES (rows 3 and 1 of the menu column).
constexpr int kMenuX = 165, kOptionsY = 267, kHighScoresY = 217;
constexpr int kAcceptX = 487, kAcceptY = 446;

// Label-coloured pixels in the name column of a rank (1..10); the yellow outline of a named rank.
int NamePixels(int rank) { return CountPixels(ScreenText().textOverlay, 105, 245 + 18 * rank, 120, 16, 235, 247, 195); }
int OutlinePixels(int rank) { return CountPixels(ScreenText().textOverlay, 70, 244 + 18 * rank, 281, 1, 255, 255, 0); }

TEST(HighScoreScenario, AWinningCampaignIsNamedOnTheKeyboardSavedByBackAndShownAfterARestart) {
  OwnDataFolder folder;
  {
    Harness game;
    ASSERT_TRUE(game.RunUntilState(STATE_DISCLAIMER));
    // The campaign's end as the finish screen's MAIN MENU leaves it; a training run never enters.
    GoToMission(10);
    MissionProgress campaign = Progress();
    campaign.campaignScore = 520;
    campaign.campaignMaximum = 640;
    RestoreProgress(campaign);
    SetGameState(STATE_FINISH);
    ResumeCampaign(10, Campaign().difficulty, true);
    EXPECT_FALSE(EnterHighScore());
    EndTraining();
    ClearTextOverlay();
    ClearMenuCanvas();
    ASSERT_TRUE(EnterHighScore());
    EXPECT_EQ(States().gameState, STATE_HIGH_SCORES);
    EXPECT_EQ(HighScores().highScoreEntryRow, 0);  // above TAVEN's 503
    EXPECT_EQ(OutlinePixels(1), 281);

    for (char key : std::string("NOVA MEDICSX")) game.Press(key);  // letters and Space are their own codes
    EXPECT_STREQ(HighScores().table[0].name, "NOVA MEDICS");       // not the twelfth
    EXPECT_GT(NamePixels(1), 0);
    EXPECT_FALSE(fs::exists("savedGames"));  // typing alone writes nothing

    game.MoveTo(kBackX, kBackY);
    game.Click(kBackX, kBackY);
    EXPECT_EQ(States().gameState, STATE_OPTIONS);
    // The options menu is there at once, before the pointer moves: its five places, BACK the last.
    EXPECT_EQ(Hotspots().MenuHotspots.count, OPTIONS_BACK + 1);
    std::ifstream in("savedGames/bli", std::ios::binary);
    const std::string file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_EQ(file.size(), 840u);
    EXPECT_EQ(file.substr(0, 20), std::string("\x08\x02\0\0\x80\x02\0\0NOVA MEDICS\0", 20));  // 520, 640
    EXPECT_EQ(file.substr(28, 4), std::string("\xF7\x01\0\0", 4));  // TAVEN's 503, one rank down
  }
  Harness game;
  ASSERT_TRUE(game.RunUntilState(STATE_DISCLAIMER));
  // What the options menu's HIGH SCORES does.
  ClearTextOverlay();
  ClearMenuCanvas();
  StopNaming();
  SetGameState(STATE_HIGH_SCORES);
  LoadHighScores();
  HighScoreScreen();
  EXPECT_STREQ(HighScores().table[0].name, "NOVA MEDICS");
  EXPECT_STREQ(HighScores().table[1].name, "TAVEN");
  EXPECT_GT(NamePixels(1), 0);
  EXPECT_EQ(NamePixels(7), 0);  // rank 7 is empty
  EXPECT_EQ(OutlinePixels(1), 0);
  game.Press('Q');  // nobody is typing
  EXPECT_STREQ(HighScores().table[0].name, "NOVA MEDICS");
  // NEXT turns the pages round: EXPERT is followed by NOVICE.
  game.MoveTo(kNextX, kNextY);
  for (int page : {1, 2, 0}) {
    game.Click(kNextX, kNextY);
    EXPECT_EQ(HighScores().highScorePage, page);
  }
  EXPECT_GT(NamePixels(1), 0);
}

// The bytes of a table file: `rows` entries of 28 bytes, each a score, a maximum, a name, a mission and the
// cheat flag, little-endian, as the game has always written it.
std::string TableBytes(int rows) {
  std::string bytes;
  for (int r = 0; r < rows; ++r) {
    std::string entry(28, '\0');
    const int score = 900 - r;
    entry[0] = static_cast<char>(score & 0xFF);
    entry[1] = static_cast<char>(score >> 8);
    entry[4] = static_cast<char>(0xE8);  // 1000
    entry[5] = 3;
    entry.replace(8, 5, "ROW" + std::to_string(10 + r));
    entry[20] = 7;
    bytes += entry;
  }
  return bytes;
}

std::string FileBytes(const char* path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// The options menu's HIGH SCORES from the main menu, then BACK.
void HighScoresAndBack(Harness& game) {
  game.Click(kMenuX, kHighScoresY);
  ASSERT_EQ(States().gameState, STATE_HIGH_SCORES);
  game.MoveTo(kBackX, kBackY);
  game.Click(kBackX, kBackY);
  ASSERT_EQ(States().gameState, STATE_OPTIONS);
}

TEST(HighScoreScenario, ADamagedTableIsKeptAsideByteForByteAndThePlayerIsToldOnce) {
  OwnDataFolder folder;
  fs::create_directory("savedGames");
  const std::string damaged = TableBytes(30).substr(0, 839);  // 29 whole rows and a torn last one
  std::ofstream("savedGames/bli", std::ios::binary) << damaged;
  Harness game;
  ASSERT_TRUE(game.RunUntilState(STATE_DISCLAIMER));
  game.Click(kAcceptX, kAcceptY);
  game.Click(kMenuX, kOptionsY);
  ASSERT_EQ(States().gameState, STATE_OPTIONS);
  HighScoresAndBack(game);

  ASSERT_EQ(game.MessageBoxes().size(), 1u);
  EXPECT_EQ(game.MessageBoxes()[0].caption, "Damaged High Scores");
  EXPECT_EQ(game.MessageBoxes()[0].text,
            "The high-score table savedGames/bli was damaged and could not be read. It was kept as "
            "savedGames/bli.damaged, and a new table was begun.");
  EXPECT_EQ(FileBytes("savedGames/bli.damaged"), damaged);
  // BACK wrote the new table in its place: TAVEN's 503 on the first row.
  const std::string fresh = FileBytes("savedGames/bli");
  ASSERT_EQ(fresh.size(), 840u);
  EXPECT_EQ(fresh.substr(0, 4), std::string("\xF7\x01\0\0", 4));

  HighScoresAndBack(game);
  EXPECT_EQ(game.MessageBoxes().size(), 1u);  // nothing damaged any more
  EXPECT_EQ(FileBytes("savedGames/bli.damaged"), damaged);
}

TEST(HighScoreScenario, ATableThatCannotBeWrittenIsToldAsASaveIs) {
  OwnDataFolder folder;
  fs::create_directories("savedGames/bli");  // a folder where the table goes
  Harness game;
  ASSERT_TRUE(game.RunUntilState(STATE_DISCLAIMER));
  game.Click(kAcceptX, kAcceptY);
  game.Click(kMenuX, kOptionsY);
  HighScoresAndBack(game);
  ASSERT_EQ(game.MessageBoxes().size(), 1u);
  EXPECT_EQ(game.MessageBoxes()[0].caption, "Unable To Save");
  EXPECT_EQ(game.MessageBoxes()[0].text,
            "The high-score table was not saved: savedGames/bli is not a file (a folder or a device is in its "
            "place). Nothing on the disk was changed.");
  EXPECT_TRUE(fs::is_directory("savedGames/bli"));
}

}  // namespace
}  // namespace kestrine::scenario
