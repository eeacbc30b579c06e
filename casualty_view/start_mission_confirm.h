// The two buttons the backpack screen shows under its panel: START MISSION and BACK. Drawn each frame by
// the backpack screen, which also performs their actions (the briefing's designer drew them, but the
// backpack screen is their only user, so they live with it).
#pragma once

namespace kestrine {

enum StartMissionConfirmButton : int {
  CONFIRM_START_MISSION = 0,
  CONFIRM_BACK = 1,
};

// Empties the hot-spots and the text overlay, clears the button canvas and registers the two buttons as
// hot-spots 0 and 1.
void StartMissionConfirm();

}  // namespace kestrine
