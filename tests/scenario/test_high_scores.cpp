// High scores through the whole program: a campaign finished with a score that beats the first of its page
// opens the name entry, the name is typed on the keyboard, BACK writes the table; the next start of the
// program shows it. The game runs in a data folder of its own, so the file it writes is nobody else's.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "frontend/high_score_screen.h"
#include "frontend/high_score_table.h"
#include "harness.h"
#include "shell/game_state.h"
#include "shell/globals.h"
#include "shell/hotspots.h"
#include "shell/mission_progress.h"
#include "shell/overlays.h"
#include "shell/screen_text.h"

namespace kestrine::scenario {
namespace {

namespace fs = std::filesystem;

// The buttons' rectangles: 180 x 23 at (75, 181) and (75, 205) on a 640 x 480 screen.
constexpr int kBackX = 150, kBackY = 190;
constexpr int kNextX = 150, kNextY = 214;

// The generated data seen through links, with an empty savedGames of its own; the working directory while
// it lives.
class OwnDataFolder {
 public:
  OwnDataFolder() {
    char pattern[] = "/tmp/kestrine-highscores-XXXXXX";
    root_ = mkdtemp(pattern);
    for (const fs::directory_entry& entry : fs::directory_iterator(KESTRINE_DATA_DIR))
      if (entry.path().filename() != "savedGames") fs::create_symlink(entry.path(), root_ / entry.path().filename());
    previous_ = fs::current_path();
    fs::current_path(root_);
  }
  ~OwnDataFolder() {
    std::error_code ec;
    fs::current_path(previous_, ec);
    fs::remove_all(root_, ec);  // the links go, not what they point at
  }
  std::string Bytes(const std::string& path) const {
    std::ifstream in(root_ / path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

 private:
  fs::path root_;
  fs::path previous_;
};

// Label-coloured pixels in the name column of a rank (1..10).
int NamePixels(int rank) { return CountPixels(textOverlay, 105, 245 + 18 * rank, 120, 16, 235, 247, 195); }

TEST(HighScoreScenario, AWinningCampaignIsNamedOnTheKeyboardSavedByBackAndShownAfterARestart) {
  OwnDataFolder folder;
  {
    Harness game;
    ASSERT_TRUE(game.RunUntilState(STATE_DISCLAIMER));
    // The campaign's end, as the finish screen's MAIN MENU leaves it.
    difficulty = 0;
    missionNumber = 10;
    missionProgress.campaignScore = 520;
    missionProgress.campaignMaximum = 640;
    SetGameState(STATE_FINISH);
    ClearTextOverlay();
    ClearMenuCanvas();
    ASSERT_TRUE(EnterHighScore());
    EXPECT_EQ(gameState, STATE_HIGH_SCORES);
    EXPECT_EQ(highScoreEntryRow, 0);  // above TAVEN's 503

    // Letters and Space are their own key codes.
    for (char key : std::string("NOVA MEDICSX")) game.Press(key);
    EXPECT_STREQ(highScoreTable[0].name, "NOVA MEDICS");  // the twelfth letter is not taken
    EXPECT_GT(NamePixels(1), 0);
    EXPECT_FALSE(fs::exists("savedGames"));  // typing alone writes nothing

    game.MoveTo(kBackX, kBackY);
    game.Click(kBackX, kBackY);
    EXPECT_EQ(gameState, STATE_OPTIONS);
    const std::string file = folder.Bytes("savedGames/bli");
    ASSERT_EQ(file.size(), 840u);
    EXPECT_EQ(file.substr(0, 8), std::string("\x08\x02\0\0\x80\x02\0\0", 8));  // 520 and 640
    EXPECT_EQ(file.substr(8, 12), std::string("NOVA MEDICS\0", 12));
    EXPECT_EQ(file.substr(28, 4), std::string("\xF7\x01\0\0", 4));  // TAVEN's 503, one rank down
    game.Close();
  }
  {
    Harness game;
    ASSERT_TRUE(game.RunUntilState(STATE_DISCLAIMER));
    EXPECT_STREQ(highScoreTable[0].name, "");  // a fresh start knows nothing before it reads the file
    // What the options menu's HIGH SCORES does.
    ClearHotspots();
    ClearTextOverlay();
    ClearMenuCanvas();
    highScoreEntryRow = -1;
    SetGameState(STATE_HIGH_SCORES);
    LoadHighScores();
    HighScoreScreen();
    EXPECT_STREQ(highScoreTable[0].name, "NOVA MEDICS");
    EXPECT_EQ(highScoreTable[0].score, 520);
    EXPECT_STREQ(highScoreTable[1].name, "TAVEN");
    EXPECT_GT(NamePixels(1), 0);
    EXPECT_EQ(NamePixels(7), 0);  // rank 7 is empty
    // Keys do nothing with no row being named; NEXT turns to the next page.
    game.Press('Q');
    EXPECT_STREQ(highScoreTable[0].name, "NOVA MEDICS");
    game.MoveTo(kNextX, kNextY);
    game.Click(kNextX, kNextY);
    EXPECT_EQ(highScorePage, 1);
    game.Close();
  }
}

}  // namespace
}  // namespace kestrine::scenario
