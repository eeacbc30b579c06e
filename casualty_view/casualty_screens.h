// The screens casualty care owns: the backpack (state 15) and the patient view (18, opened through 28), and
// the release of the tool pictures at shut-down. Called once at start-up by the program's top.
#pragma once

namespace kestrine {

void RegisterCasualtyScreens();

}  // namespace kestrine
