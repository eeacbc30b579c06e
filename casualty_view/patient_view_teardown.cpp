// The report and casualty half of the patient view's teardown.
#include "casualty_view/patient_view_teardown.h"

#include "casualty/after_action_report.h"
#include "casualty/casualty_slots.h"
#include "casualty_view/patient_view.h"

namespace kestrine {

void TearDownPatientView(bool writeReport) {
  if (writeReport && HasCasualty(0)) WriteAfterActionReport();
  DeleteAllCasualties();
  SetCurrentPatient(nullptr);
  ReleasePatientViewScene();
}

}  // namespace kestrine
