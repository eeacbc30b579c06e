// The shell's generators: its sounds and music, its shared and menu images, and the explosion's frames.
#pragma once

#include "tools/assetgen/generators.h"

namespace assetgen {

void WriteShellEffectSounds(DataTree& tree);
void WriteShellRadioSounds(DataTree& tree);
void WriteShellMusic(DataTree& tree);
void WriteShellMenuImages(DataTree& tree);
void WriteShellMissionImages(DataTree& tree);
void WriteExplosionFrames(DataTree& tree);

}  // namespace assetgen
