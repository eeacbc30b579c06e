// A box on the display, shown by a process of its own. The sound library's box on X draws in a child it
// forks from whoever calls it; called from the game, that child would outlive a killed game, box and all,
// and hold the game's stdout and stderr open. So the game starts itself again as the box: with its standard
// streams on /dev/null and nothing else of the game's open, in a process group of its own that ends,
// child and all, when the game does.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace kestrine {

// Shows the box and waits for its OK. False when it could not be shown (no box process, or it failed), for
// the caller to tell the box another way.
bool ShowMessageBoxInOwnProcess(const std::string& text, const std::string& caption, uint32_t type);

// Whether this program can start itself as a box: true once main has passed its arguments to
// RunAsMessageBoxProcess (other programs, tests among them, show boxes in their own process).
bool MessageBoxProcessAvailable();

// The first thing main does: when the arguments ask for a box, shows it and returns the exit status (0
// when the box was shown and answered); nullopt for an ordinary start.
std::optional<int> RunAsMessageBoxProcess(int argc, char** argv);

}  // namespace kestrine
