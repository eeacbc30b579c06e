// The screens the shell owns: the logos (state 0). Called once at start-up by the program's top, before the
// other subsystems register theirs.
#pragma once

namespace kestrine {

void RegisterShellScreens();

}  // namespace kestrine
