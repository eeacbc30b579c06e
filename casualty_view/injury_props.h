// The nine injury props: what each wound that shows an object has on or by the body, and how it moves when
// the medic's hand deals with it. A wound row has at most one; an enemy with a turban wears his turban
// besides, in a field of its own, and both go when the patient or his wound goes.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "casualty_view/injury_prop.h"

namespace kestrine {

class Patient;

// The bowel out on the belly: the Action eases it back in, ten small moves.
class GutProp : public InjuryProp {
 public:
  void Load(Patient& patient) override { LoadRow(patient, kPropRows[PROP_GUT], kPropRows[PROP_GUT].bone); }
  void Update() override;
  void Start() override;
};

// One move of the knife on its way out, in the knife's own axes; x 0 ends the path.
struct KnifeStep {
  float x, y, z;
};
constexpr int kKnifePathLength = 27;
extern const std::array<KnifeStep, kKnifePathLength> kKnifePath;

// The knife in the chest: the Action draws it out along its path, and once it is out the wound spurts.
class KnifeProp : public InjuryProp {
 public:
  void Load(Patient& patient) override;
  void Update() override;
  // Does nothing while a save game is replayed: a load shows the knife where it was before the pull.
  void Start() override;

 private:
  Patient* patient_ = nullptr;
};

// The vehicle on his leg, and its shadow on the ground.
class HummerProp : public InjuryProp {
 public:
  void Load(Patient& patient) override;
};

class StrutProp : public InjuryProp {
 public:
  void Load(Patient& patient) override { LoadRow(patient, kPropRows[PROP_STRUT], kPropRows[PROP_STRUT].bone); }
};

// The severed finger, on the hand of the wounded side.
class FingerProp : public InjuryProp {
 public:
  void Load(Patient& patient) override;
};

class PipeProp : public InjuryProp {
 public:
  void Load(Patient& patient) override { LoadRow(patient, kPropRows[PROP_PIPE], kPropRows[PROP_PIPE].bone); }
};

class RebarProp : public InjuryProp {
 public:
  void Load(Patient& patient) override { LoadRow(patient, kPropRows[PROP_REBAR], kPropRows[PROP_REBAR].bone); }
};

class PistolProp : public InjuryProp {
 public:
  void Load(Patient& patient) override { LoadRow(patient, kPropRows[PROP_PISTOL], kPropRows[PROP_PISTOL].bone); }
};

class TurbanProp : public InjuryProp {
 public:
  void Load(Patient& patient) override { LoadRow(patient, kPropRows[PROP_TURBAN], kPropRows[PROP_TURBAN].bone); }
};

// The prop a wound row shows (unloaded), or none.
std::unique_ptr<InjuryProp> MakeInjuryProp(int32_t woundRow);

// The wound's prop and, for an enemy with a turban, the turban: made and loaded. Whatever props the patient
// had before are let go of first.
void CreateInjuryProps(Patient& patient, int32_t woundRow);
// Lets go of the wound's prop and the turban.
void ReleaseInjuryProps(Patient& patient);

}  // namespace kestrine
