// Creating a patient record for the rules; his remarks and chart lines, and the medic taking his ammunition.
#include "casualty/patient.h"

#include <algorithm>

#include "casualty/backpack.h"
#include "casualty/remark_box.h"
#include "shell/mission_progress.h"
#include "shell/random.h"

namespace kestrine {

Patient::Patient(std::unique_ptr<PatientBody> body) : body_(body ? std::move(body) : std::make_unique<NoBody>()) {
  SetFreeHintsByDifficulty();
  std::fill(std::begin(animationIndex), std::end(animationIndex), -1);
}

Patient::Patient(const BodyMaker& makeBody) : Patient() {
  if (std::unique_ptr<PatientBody> made = makeBody(*this)) body_ = std::move(made);
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
  body_->AddChartEntry(text);
}

void Patient::TakeAmmo() {
  if (ammoTaken) return;
  ammoTaken = 1;
  body_->HideMagazines();
  // No more of a kind than a full pack holds at the start of a mission.
  const int32_t rifleRounds = rand() % kStandardRifleRounds + 1;
  const int32_t pistolRounds = rand() % kStandardPistolRounds + 1;
  const int32_t grenades = rand() % kStandardGrenades + 1;
  const int32_t* count = Pack().count;
  SetToolCount(TOOL_M4, std::min(count[TOOL_M4] + rifleRounds, kStandardRifleRounds));
  SetToolCount(TOOL_BERETTA, std::min(count[TOOL_BERETTA] + pistolRounds, kStandardPistolRounds));
  SetToolCount(TOOL_GRENADE, std::min(count[TOOL_GRENADE] + grenades, kStandardGrenades));
}

bool Patient::IsReturnableToAction() const {
  return appearance < 2 && IsWoundRow(currentWound) && WoundTypeTable[currentWound].severity == SEVERITY_LITE;
}

}  // namespace kestrine
