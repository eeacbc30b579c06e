// The patient view's scene: the surroundings models round the casualty, the bushes and rocks of the
// backdrop, the treatment pictures and models, the tool animations' sheets and the patient's shadows.
#pragma once

#include "tools/assetgen/generators.h"

namespace assetgen {

void WritePatientScene(DataTree& tree);

// The frames the game cuts from a tool animation's sheet, and their size: the sheet is laid out in rows
// of whole frames, left to right, top to bottom.
struct ToolSheet {
  const char* name;
  int frameWidth, frameHeight, frameCount, perRow;
};
extern const ToolSheet kToolSheets[7];

}  // namespace assetgen
