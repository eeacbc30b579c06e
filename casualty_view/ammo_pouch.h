// The ammunition on a casualty's belt: four magazines in front of his belly, which the medic can take for
// himself once.
#pragma once

#include <cstdint>

#include "casualty/patient_bones.h"
#include "engine/engine.h"

namespace kestrine {

constexpr int kMagazineCount = 4;

// Every magazine is named so: a pick on one tells the patient view the pouch was clicked.
constexpr const wchar_t* kAmmoName = L"Ammo";

// Whether the medic took them is the patient's (Patient::ammoTaken).
struct AmmoPouch {
  engine::EngineRef<engine::EngineActor> magazines[kMagazineCount];
  engine::EngineRef<engine::EngineMesh> meshes[kMagazineCount];
};

// Where each magazine sits on the pick shape of "spinebase", fanned out by a turn about y.
struct MagazinePlace {
  Offset3 position;
  float turnY;
};
extern const MagazinePlace kMagazinePlaces[kMagazineCount];

}  // namespace kestrine
