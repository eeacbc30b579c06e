// The screens the shell owns: the logos (state 0). Called once at start-up by the program's top, before the
// other subsystems register theirs.
#pragma once

namespace kestrine {

void RegisterShellScreens();

// Whether the logos' movies were queued (by the first frame of state 0).
bool LogosStarted();

}  // namespace kestrine
