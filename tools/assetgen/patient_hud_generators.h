// The pictures of the patient view's head-up display: the medbar along the bottom of the screen, the
// drawer that slides up over the tray, and the skull-and-bones of a dead patient's time bar.
#pragma once

#include "tools/assetgen/generators.h"

namespace assetgen {

void WritePatientHudImages(DataTree& tree);

}  // namespace assetgen
