// The patient's body as the treatment rules see it: the model, its textures, props, blood and animation. The
// rules tell the body what a wound or a treatment does to it, where and when; the body shows it. Every
// patient holds one; until the body is built that is NoBody, which shows nothing.
#pragma once

#include <cstdint>

#include "casualty/body_location.h"
#include "casualty/treatment_visual.h"

namespace kestrine {

class PatientBody {
 public:
  virtual ~PatientBody() = default;

  // ---- what the wound set-up asks ----
  virtual void SetUpTextureState(int32_t row) = 0;
  virtual void LoadPatientTextures(int32_t row) = 0;
  virtual void ReleaseTextureBitmaps() = 0;
  // Whether the texture of a location (one region bit and a side bit) is one of a left/right pair.
  virtual bool IsSidedTextureLocation(BodyLocation location) = 0;
  // Lays a named wound texture over the materials of a location (one region bit and a side bit).
  virtual void PaintWoundTexture(BodyLocation location, const char* texture) = 0;
  // EngineModel::ResetMaterial("/") on the body model.
  virtual void ResetModelMaterials() = 0;
  // The wound's own prop, and the turban of appearance 3.
  virtual void CreateInjuryProps(int32_t row) = 0;
  virtual void ReleaseInjuryProp() = 0;
  virtual void CreateBloodPools(int32_t row) = 0;
  // The shared drops of the arterial spurt, made when they do not exist yet.
  virtual void MakeSpurtDrops() = 0;

  // ---- what treatment asks ----
  virtual void ShowTreatmentVisual(const TreatmentVisual& visual) = 0;
  // Plays body animation `pose`; 0 when refused.
  virtual int32_t PlayAnimation(int32_t pose) = 0;
  // A kit's treatment is over (done, or judged wrong): the kit's open drawer of tools shuts.
  virtual void CloseToolDrawer() = 0;
  // A line the rules put in the patient's chart, for the chart the view shows.
  virtual void AddChartEntry(const char* text) = 0;
  // The medic has taken the ammunition: the magazines on the belt go.
  virtual void HideMagazines() = 0;

  // ---- what vitals, death and the mission's end ask ----
  // Every blood pool of the wound runs at this rate from now on.
  virtual void SetBloodPoolRate(float rate) = 0;
  // Lets go of everything the body holds in the engine; the patient is deleted right after.
  virtual void ReleasePatient() = 0;
};

// The body until it is built: nothing to paint, load, place, animate or release.
class NoBody : public PatientBody {
 public:
  void SetUpTextureState(int32_t) override {}
  void LoadPatientTextures(int32_t) override {}
  void ReleaseTextureBitmaps() override {}
  bool IsSidedTextureLocation(BodyLocation) override { return false; }
  void PaintWoundTexture(BodyLocation, const char*) override {}
  void ResetModelMaterials() override {}
  void CreateInjuryProps(int32_t) override {}
  void ReleaseInjuryProp() override {}
  void CreateBloodPools(int32_t) override {}
  void MakeSpurtDrops() override {}
  void ShowTreatmentVisual(const TreatmentVisual&) override {}
  int32_t PlayAnimation(int32_t) override { return 0; }
  void CloseToolDrawer() override {}
  void AddChartEntry(const char*) override {}
  void HideMagazines() override {}
  void SetBloodPoolRate(float) override {}
  void ReleasePatient() override {}
};

}  // namespace kestrine
