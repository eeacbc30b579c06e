// The screens the front end owns: the disclaimer, the menus, the slot screens, player select, briefing and
// debriefing, KIA, the developer notes, pause, quit and finish. Called once at start-up by the program's top.
#pragma once

namespace kestrine {

void RegisterFrontendScreens();

// The intro movie plays before the first briefing of the new campaign (the main menu's entry).
void ArmIntroMovie();
// Whether the intro movie still plays before the first briefing of the campaign (the main menu arms it).
bool IntroPending();
// The intro movie is not played before the next first briefing (tests about other things than the movie).
void SkipIntroMovie();

}  // namespace kestrine
