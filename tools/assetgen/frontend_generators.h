// The front end's generators: the pictures of the menu screens the shell does not load (the player-controls
// panel, the volume bars) and of the finish screen with its hanging medals and badges.
#pragma once

#include "tools/assetgen/generators.h"

namespace assetgen {

void WriteFrontEndMenuImages(DataTree& tree);

}  // namespace assetgen
