#include "casualty/treatment_switches.h"

namespace kestrine {

uint8_t skinCutMode = 0;
uint8_t unlimitedSupplies = 0;

}  // namespace kestrine
