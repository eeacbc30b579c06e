// The screens the front end owns: the disclaimer, the menus, the slot screens, player select, briefing and
// debriefing, KIA, the developer notes, pause, quit and finish. Called once at start-up by the program's top.
#pragma once

namespace kestrine {

void RegisterFrontendScreens();

}  // namespace kestrine
