// The movies the game plays and their fallbacks: short AVI files under "avi\", each with a still image
// (".qjp") and its sound (".qwv") for a machine that cannot play the movie's sound.
#pragma once

#include <string>
#include <vector>

#include "tools/assetgen/generators.h"

namespace assetgen {

void WriteMovies(DataTree& tree);
// Every movie name the game plays, in the order they are written.
const std::vector<std::string>& MovieNames();
// The title on a movie's card and still ("MISSION 3" for "mission3"); never the file's name.
std::string MovieTitle(const std::string& name);

}  // namespace assetgen
