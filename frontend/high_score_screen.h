// The high-score screen (game state 11): one difficulty's page of the table with BACK and NEXT, and the name
// entry of a score that has just entered it.
#pragma once

#include <cstdint>

namespace kestrine {

// The buttons' names; each value is the button's index.
enum HighScoreButton : int32_t {
  HIGH_SCORE_BACK,
  HIGH_SCORE_NEXT,
};

// At the end of a campaign (finish screen, or quitting from a briefing or debriefing): puts the campaign's
// score into its difficulty's page when it beats a score there, and opens the high-score screen on the new
// row for the player's name. False, with nothing changed on screen, in a training run or when the score
// beats nothing. The caller has cleared the text overlay and the button canvas.
bool EnterHighScore();

// Reads the table from its file, as the options menu's HIGH SCORES and a campaign's end do, and tells the
// player when the file was damaged: that it was set aside (and under which name) and a fresh table begun, or
// that it could not be moved and is left as it is. Told once: a file set aside is not read again.
void ReadHighScoreTable();

// Draws the current page: the panel, BACK and NEXT, the title, the ten rows, the outline around the row
// being named and the prompt while one is. The caller clears both layers first, except after a typed
// character (the name only grows, so it is drawn over itself).
void HighScoreScreen();

// The screen's record of the screen table is registered from this file (RegisterHighScoreScreen,
// frontend_screens.cpp): BACK writes the table to its file and returns to the options menu, NEXT shows the next
// page (after EXPERT, NOVICE), and while a row is being named a key typed goes into it.

}  // namespace kestrine
