// Creating a patient record, and the body's side of a wound set-up while there is no body to show it.
#include "casualty/patient.h"

#include "casualty/remark_box.h"
#include "shell/globals.h"

namespace kestrine {

Patient::Patient() {
  // Novices get every hint free, intermediates three, experts none.
  switch (difficulty) {
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

Patient::~Patient() = default;

// The body is not built yet: nothing to paint, load, place or release. These stay quiet until it is.
void Patient::SetUpTextureState(int32_t) {}
void Patient::LoadPatientTextures(int32_t) {}
void Patient::ReleaseTextureBitmaps() {}
bool Patient::IsSidedTextureLocation(BodyLocation) { return false; }
void Patient::PaintWoundTexture(BodyLocation, const char*) {}
void Patient::ResetModelMaterials() {}
void Patient::CreateInjuryProps(int32_t) {}
void Patient::ReleaseInjuryProp() {}
void Patient::CreateBloodPools(int32_t) {}
void Patient::MakeSpurtDrops() {}

// Nor is there a scene to show a treatment in, or a model to animate.
void Patient::ShowTreatmentVisual(const TreatmentVisual&) {}
int32_t Patient::PlayAnimation(int32_t) { return 0; }

void Patient::ShowRemark(std::string_view text) { ShowMedicRemark(text); }

void Patient::AddChartEntry(const char* text) {
  if (text == nullptr || *text == '\0') return;
  chartEntries.Append(text);
}
void Patient::SetBloodPoolRate(float) {}
void Patient::ReleasePatient() {}

bool Patient::IsReturnableToAction() const {
  return appearance < 2 && IsWoundRow(currentWound) && WoundTypeTable[currentWound].severity == SEVERITY_LITE;
}

}  // namespace kestrine
