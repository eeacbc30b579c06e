#include "battlefield/view_preset.h"

#include "shell/program_state.h"

namespace kestrine {

ViewPresetState viewPresetState;
KESTRINE_PROGRAM_STATE(viewPresetState);
int32_t& viewPreset = viewPresetState.viewPreset;

}  // namespace kestrine
