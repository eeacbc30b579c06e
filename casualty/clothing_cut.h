// The scissors on clothing: which pieces a cut opens and which regions it bares.
#pragma once

#include <cstdint>

#include "casualty/patient.h"

namespace kestrine {

// Cuts the clothing of a body part: paints the cut pieces and clears the regions they covered from the
// clothing masks. While skinCutMode is on the skin underneath is shown bare. A part without clothing
// (hands, neck) is left alone.
void CutClothing(Patient& patient, int32_t part);

}  // namespace kestrine
