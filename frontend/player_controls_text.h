// The text of the player-controls screen: the mouse and keys of the overhead view and of the patient view,
// in two columns that line up in a fixed-width face.
#pragma once

#include <cstdint>

namespace kestrine {

constexpr int32_t kPlayerControlsLines = 34;

// A leading byte 2 colours a heading red-brown; " " is an empty row; the last three entries are null.
extern const char* const PlayerControlsText[kPlayerControlsLines];

}  // namespace kestrine
