// Creating a patient record, and the body's side of a wound set-up while there is no body to show it.
#include "casualty/patient.h"

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

}  // namespace kestrine
