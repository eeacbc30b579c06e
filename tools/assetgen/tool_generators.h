// The generators of the medic's tools and the backpack screen: the icon sheet and cursor pictures, the
// backpack screen's backdrop and the medic's "no fit" remarks.
#pragma once

#include "tools/assetgen/generators.h"

namespace assetgen {

void WriteToolImages(DataTree& tree);
void WriteBackpackScreenAssets(DataTree& tree);

}  // namespace assetgen
