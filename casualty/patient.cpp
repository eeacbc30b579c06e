// Creating a patient record for the rules; his remarks and chart lines.
#include "casualty/patient.h"

#include <algorithm>

#include "casualty/remark_box.h"
#include "shell/mission_progress.h"

namespace kestrine {

Patient::Patient(std::unique_ptr<PatientBody> body) : body_(body ? std::move(body) : std::make_unique<NoBody>()) {
  SetFreeHintsByDifficulty();
  std::fill(std::begin(animationIndex), std::end(animationIndex), -1);
}

Patient::~Patient() = default;

void Patient::SetFreeHintsByDifficulty() {
  // Novices get every hint free, intermediates three, experts none.
  switch (Campaign().difficulty) {
    case 0:
      freeHints = kUnlimitedFreeHints;
      break;
    case 1:
      freeHints = 3;
      break;
    default:
      freeHints = 0;
      break;
  }
}

void Patient::ShowRemark(std::string_view text) { ShowMedicRemark(text); }

void Patient::AddChartEntry(const char* text) {
  if (text == nullptr || *text == '\0') return;
  chartEntries.Append(text);
  caseChart.AddEntry(text);
}

bool Patient::IsReturnableToAction() const {
  return appearance < 2 && IsWoundRow(currentWound) && WoundTypeTable[currentWound].severity == SEVERITY_LITE;
}

}  // namespace kestrine
