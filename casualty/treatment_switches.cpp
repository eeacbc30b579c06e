#include "casualty/treatment_switches.h"

#include "shell/program_state.h"

namespace kestrine {

namespace {

struct TreatmentSwitches {
  uint8_t skinCutMode = 0;
  uint8_t unlimitedSupplies = 0;
  uint8_t headShiftMode = 0;
};
TreatmentSwitches treatmentSwitches;
KESTRINE_PROGRAM_STATE(treatmentSwitches);

}  // namespace

uint8_t& skinCutMode = treatmentSwitches.skinCutMode;
uint8_t& unlimitedSupplies = treatmentSwitches.unlimitedSupplies;
uint8_t& headShiftMode = treatmentSwitches.headShiftMode;

}  // namespace kestrine
