// The generators of the medic's tools and the backpack screen: the icon sheet and cursor pictures, the
// backpack screen's backdrop and the medic's "no fit" remarks.
#pragma once

#include <string>
#include <vector>

#include "tools/assetgen/generators.h"

namespace assetgen {

// The name under a tool's icon as the sheet shows it: its text size and its one or two lines.
struct IconCaption {
  int size;
  std::vector<std::string> lines;
};
IconCaption ToolIconCaption(int tool, int iconWidth);

void WriteToolImages(DataTree& tree);
void WriteBackpackScreenAssets(DataTree& tree);

}  // namespace assetgen
