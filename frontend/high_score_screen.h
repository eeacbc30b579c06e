// The high-score screen (game state 11): one difficulty's page of the table with BACK and NEXT, and the name
// entry of a score that has just entered it.
#pragma once

#include <cstdint>

namespace kestrine {

enum HighScoreButton : int32_t {
  HIGH_SCORE_BACK = 0,
  HIGH_SCORE_NEXT = 1,
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

// The button a release chose (the one the last pointer move highlighted; -1 for none): BACK writes the
// table to its file and returns to the options menu, NEXT shows the next page (after EXPERT, NOVICE).
void HighScoreButtonAction(int32_t button);

// A pointer move that found a button: the page is drawn again with its label highlighted.
void HighScoreHover(bool hit);

// A key of state 11: while a row is being named, a press types into it (A..Z, Space, Backspace or
// Delete empty it) and the page is drawn again; releases, and keys with no row to name, do nothing.
void HighScoreKey(int key, bool down);

}  // namespace kestrine
