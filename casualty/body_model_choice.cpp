// The body by wound row, and the one-shot switch of the first own soldier.
#include "casualty/body_model_choice.h"

#include "shell/program_state.h"

namespace kestrine {

struct PatientBuilds {
  uint8_t firstOwnSoldierPending = 1;
  int32_t patientsBuilt = 0;
};
PatientBuilds patientBuilds;
KESTRINE_PROGRAM_STATE(patientBuilds);

int32_t PatientsBuilt() { return patientBuilds.patientsBuilt; }

void CountPatientBuilt() { ++patientBuilds.patientsBuilt; }

BodyModelChoice ChooseBodyModel(int32_t woundRow, int32_t appearance) {
  switch (woundRow) {
    case kLegsGoneWound:
      return {kLegsGoneBodyPath, appearance, 0};
    case kFootGoneWound:
      return {kFootGoneBodyPath, appearance, 0};
    case kAmputationBodyWound:
      return {kAmputationBodyPath, 1, 1};
    case kPipeWound:
      return {kPipeBodyPath, appearance, 0};
    default:
      break;
  }
  if (patientBuilds.firstOwnSoldierPending && (appearance == 0 || appearance == 1)) {
    patientBuilds.firstOwnSoldierPending = 0;
    return {kAmputationBodyPath, 1, 1};
  }
  return {kSoldierBodyPath, appearance, 0};
}

}  // namespace kestrine
