#include "casualty/treatment_switches.h"

#include "shell/program_state.h"

namespace kestrine {

TreatmentSwitches treatmentSwitches;
KESTRINE_PROGRAM_STATE(treatmentSwitches);

const TreatmentSwitches& Switches() { return treatmentSwitches; }

void SetSkinCut(bool on) { treatmentSwitches.skinCutMode = on ? 1 : 0; }

void SetUnlimitedSupplies(bool on) { treatmentSwitches.unlimitedSupplies = on ? 1 : 0; }

void SetHeadShift(bool on) { treatmentSwitches.headShiftMode = on ? 1 : 0; }

}  // namespace kestrine
