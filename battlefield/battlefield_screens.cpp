// The screen records of the mission start and the overhead view. The mission load, the battle and the
// overhead view's own drawing and input are not built yet: the records hold the backpack's release, the
// shell's mission clocks and sounds, and the mission's end.
#include "battlefield/battlefield_screens.h"

#include "casualty/backpack.h"
#include "casualty/backpack_screen.h"
#include "shell/globals.h"
#include "shell/mission_frames.h"
#include "shell/screen_table.h"

namespace kestrine {

namespace {

void EnterStartMission() {
  UnloadBackpackScreen();
  BeginMission();
}

void EnterOverhead() {
  // The loaded pack goes into the mission; the next backpack screen starts afresh.
  keepBackpack = false;
  StartOverheadSounds();
}

}  // namespace

void RegisterBattlefieldScreens() {
  RegisterScreen(STATE_START_MISSION, Screen{.enter = EnterStartMission});
  RegisterScreen(STATE_OVERHEAD, Screen{.enter = EnterOverhead, .frame = OverheadFrame});
}

}  // namespace kestrine
