// What the treatment rules do to a body of engine objects.
#include "casualty/model_body.h"

#include "casualty/patient.h"
#include "casualty/treatment_assets.h"
#include "casualty/treatment_items.h"
#include "shell/wide_text.h"

namespace kestrine {

void ModelBody::ResetModelMaterials() {
  if (patient_.bodyModel) patient_.bodyModel->ResetMaterial(L"/");
}

void ModelBody::ReleaseInjuryProp() {
  for (std::unique_ptr<InjuryProp>* held : {&patient_.prop, &patient_.turban}) {
    if (!*held) continue;
    (*held)->Release(patient_.stage);
    held->reset();
  }
}

void ModelBody::ShowItem(int32_t slot, bool visible) {
  if (slot < 0 || slot >= kTreatmentModelCount) return;
  if (const auto& model = treatmentAssets.models[slot]) model->SetVisible(visible ? 1 : 0);
}

void ModelBody::PaintMaterial(const char* material) {
  const auto& cut = treatmentAssets.pictures[kCutPicture];
  if (patient_.bodyModel && cut && material != nullptr && *material != '\0')
    patient_.bodyModel->SetMaterialTexture(cut, WidenText(material));
}

void ModelBody::ShowTreatmentVisual(const TreatmentVisual& visual) {
  switch (visual.kind) {
    case VISUAL_CLOTHING_CUT:
    case VISUAL_BARE_SKIN:
    case VISUAL_NECK_COLLAR:
      PaintMaterial(visual.material);
      break;
    case VISUAL_ITEM_HIDDEN:
      ShowItem(visual.item, false);
      break;
    case VISUAL_BLANKET_ON:
      // Under the blanket only the blanket shows.
      for (int32_t slot = 0; slot < kTreatmentModelCount; ++slot)
        if (slot != ITEM_BURN_BLANKET && (patient_.appliedItems & ItemBit(slot))) ShowItem(slot, false);
      ShowItem(ITEM_BURN_BLANKET, true);
      break;
    case VISUAL_BLANKET_OFF:
      for (int32_t slot = 0; slot < kTreatmentModelCount; ++slot)
        if (patient_.appliedItems & ItemBit(slot)) ShowItem(slot, true);
      break;
    case VISUAL_LEG_STUMP:
      // The saw takes the lower leg of that side off at the knee.
      if (visual.part == PART_LEFT_CALF && patient_.leftStump) patient_.leftStump->SetVisible(0);
      if (visual.part == PART_RIGHT_CALF && patient_.rightStump) patient_.rightStump->SetVisible(0);
      break;
    default:
      break;
  }
}

int32_t ModelBody::PlayAnimation(int32_t pose) { return patient_.PlayAnimation(pose); }

void ModelBody::ReleasePatient() { patient_.ReleasePatient(); }

}  // namespace kestrine
