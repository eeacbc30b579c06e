// The screens the battlefield owns: the start of a mission (state 16, stored as 17) and the overhead view
// (17). Called once at start-up by the program's top.
#pragma once

namespace kestrine {

void RegisterBattlefieldScreens();

}  // namespace kestrine
