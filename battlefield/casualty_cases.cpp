#include "battlefield/casualty_cases.h"

#include "shell/program_state.h"

namespace kestrine {

CasualtyCaseState casualtyCaseState;
KESTRINE_PROGRAM_STATE(casualtyCaseState);
CasualtyCase (&casualtyCases)[kMaxCasualtyCases] = casualtyCaseState.casualtyCases;
int32_t& casualtyCaseCount = casualtyCaseState.casualtyCaseCount;

}  // namespace kestrine
