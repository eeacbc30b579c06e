// What a start needs before anything is made: the game's data tree, found wherever the program was started
// from and made the working folder (the game reads and writes it by relative paths), and a display to show
// the game on.
//
// The data tree is the folder KESTRINE_DATA names when it is set; otherwise the "data" folder next to the
// program (where a build puts it), or else the folder the program was started in.
#pragma once

namespace kestrine {

// False when the start must end (the caller exits with status 1), after one line on stderr saying what is
// missing and where it was looked for: the data tree, a display, or the input script KESTRINE_INPUT names
// when that is no plain file that can be read (missing, a folder, a device or a pipe, not readable).
bool PrepareStartEnvironment();

}  // namespace kestrine
