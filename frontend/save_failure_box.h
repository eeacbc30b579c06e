// The box that tells the player a save did not reach the disk, and why: the disk is full, something that is
// not a file stands in the file's place, the file or its folder is read-only. Whatever he had saved before is
// still there, and the box says so.
#pragma once

#include <string>

#include "shell/game_files.h"

namespace kestrine {

constexpr const char* kUnableToSaveTitle = "Unable To Save";

// "<what> was not saved: <cause>. <kept>": `what` names what was being saved ("The game"), `gamePath` the
// file it was going to, `kept` what is still as it was.
std::string SaveFailureText(const std::string& what, const std::string& gamePath, GameFileWrite cause,
                            const std::string& kept);

// Shows the "Unable To Save" box with that text over the main window; nothing for a write that succeeded.
void TellSaveFailure(const std::string& what, const std::string& gamePath, GameFileWrite cause,
                     const std::string& kept);

}  // namespace kestrine
