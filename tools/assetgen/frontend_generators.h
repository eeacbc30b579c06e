// The front end's generators: the pictures of the menu screens the shell does not load (the player-controls
// panel, the volume bars) and of the finish screen with its hanging medals and badges; the briefing, the
// debriefing and player select with their officers' heads, speech and the three figures.
#pragma once

#include "tools/assetgen/generators.h"

namespace assetgen {

void WriteFrontEndMenuImages(DataTree& tree);
void WriteBriefingImages(DataTree& tree);
void WriteBriefingModels(DataTree& tree);
void WriteBriefingSpeech(DataTree& tree);

}  // namespace assetgen
