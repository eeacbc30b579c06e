// Loading a patient-view picture.
#include "casualty_view/patient_image.h"

#include "shell/engine_setup.h"

namespace kestrine {

void LoadPatientImage(PatientImage& holder, const std::wstring& path, int32_t keyMode) {
  holder = PatientImage{};
  if (!Engine().engineRoot) return;
  holder.image = Engine().engineRoot->LoadBitmap(path, 1);
  while (!holder.image->IsLoaded()) Engine().engineRoot->Wait(100);
  if (keyMode == PATIENT_KEY_YELLOW) {
    holder.image->SetColorKey(255, 255, 0);
  } else {
    holder.image->SetColorKey(255, 0, 0);
  }
  holder.width = holder.image->GetWidth();
  holder.height = holder.image->GetHeight();
}

}  // namespace kestrine
