// The models of the overhead battlefield's level objects: four trees (the foliage and trunk materials the
// game puts its own textures on), the houses, walls and corners, the tent under its camouflage net, the
// parked helicopter and the two parked vehicles. Walls and corners are small pieces that the layouts scale
// up; everything else has its size at scale 1 in world units (a soldier stands about 1.9 tall).
#pragma once

#include "tools/assetgen/generators.h"

namespace assetgen {

void WriteLevelTreeModels(DataTree& tree);
void WriteLevelBuildingModels(DataTree& tree);

}  // namespace assetgen
