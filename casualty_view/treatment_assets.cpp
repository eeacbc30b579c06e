// Storage of the shared treatment pictures and models.
#include "casualty_view/treatment_assets.h"

#include "shell/program_state.h"

namespace kestrine {

TreatmentAssets treatmentAssets;
KESTRINE_PROGRAM_STATE(treatmentAssets);

}  // namespace kestrine
