// The body of a patient built on the engine: the hooks of the treatment rules acting on his model, his
// lower legs, the treatment models on his joint frames, his materials, textures and animations, the
// spurt's drops, his injury props and blood pools.
#pragma once

#include "casualty/patient_body.h"

namespace kestrine {

class Patient;

class ModelBody : public PatientBody {
 public:
  explicit ModelBody(Patient& patient) : patient_(patient) {}

  void SetUpTextureState(int32_t row) override;
  void LoadPatientTextures(int32_t row) override;
  void ReleaseTextureBitmaps() override;
  bool IsSidedTextureLocation(BodyLocation location) override;
  void PaintWoundTexture(BodyLocation location, const char* texture) override;
  void ResetModelMaterials() override;
  void CreateInjuryProps(int32_t row) override;
  void ReleaseInjuryProp() override;
  void CreateBloodPools(int32_t row) override;
  void MakeSpurtDrops() override;
  void ShowTreatmentVisual(const TreatmentVisual& visual) override;
  int32_t PlayAnimation(int32_t pose) override;
  void CloseToolDrawer() override;
  void SetBloodPoolRate(float rate) override;
  void ReleasePatient() override;

 private:
  // Shows or hides the treatment model of a slot, when the view has loaded one.
  void ShowItem(int32_t slot, bool visible);
  void PaintMaterial(const char* material);
  // Bands and dressings painted into the textures of a body part.
  void RepaintBands(int32_t part);
  void PaintAirtightDressing(int32_t part);

  Patient& patient_;
};

}  // namespace kestrine
