// The casualty's magazines, and the medic taking his ammunition.
#include "casualty/ammo_pouch.h"

#include <algorithm>
#include <string>
#include <vector>

#include "casualty/backpack.h"
#include "casualty/patient.h"
#include "shell/random.h"

namespace kestrine {

const MagazinePlace kMagazinePlaces[kMagazineCount] = {
    {{0.3f, 0.15f, -0.4f}, -40},
    {{0.3f, 0.25f, -0.2f}, -15},
    {{0.3f, 0.25f, 0.2f}, 15},
    {{0.3f, 0.15f, 0.4f}, 40},
};

void Patient::MakeMagazines() {
  const engine::EngineRef<engine::EngineActor>& belt = boneFrames[BONE_SPINEBASE];
  if (!belt) {
    root->DebugPrint(std::string("The body has no spinebase: no ammunition on his belt"));
    return;
  }
  for (int k = 0; k < kMagazineCount; ++k) {
    engine::EngineRef<engine::EngineMesh> mesh = root->CreateBox(0.15f, 0.25f, 0.07f, 1);
    std::vector<std::wstring> faces;
    for (const auto& face : mesh->Faces()) faces.push_back(face.first);
    for (const std::wstring& face : faces) mesh->SetFaceColor(face, 0, 0, 0);
    engine::EngineRef<engine::EngineActor> magazine = root->CreateActor();
    magazine->SetName(kAmmoName);
    magazine->SetOptionValue(engine::EngineNode::kOptionPickShape);
    magazine->TurnTo(0, 1, 0, 90);
    magazine->Rotate(1, 0, 0, 90, 0);
    magazine->Rotate(0, 1, 0, kMagazinePlaces[k].turnY, 0);
    const Offset3& at = kMagazinePlaces[k].position;
    magazine->MoveTo(at.x, at.y, at.z);
    magazine->AttachShape(mesh);
    belt->AddChild(magazine);
    ammoPouch.magazines[k] = magazine;
    ammoPouch.meshes[k] = mesh;
  }
}

void Patient::TakeAmmo() {
  if (ammoPouch.taken) return;
  ammoPouch.taken = 1;
  for (const auto& magazine : ammoPouch.magazines)
    if (magazine) magazine->SetVisible(0);
  // No more of a kind than a full pack holds at the start of a mission.
  const int32_t rifleRounds = rand() % kStandardRifleRounds + 1;
  const int32_t pistolRounds = rand() % kStandardPistolRounds + 1;
  const int32_t grenades = rand() % kStandardGrenades + 1;
  backpack.count[TOOL_M4] = std::min(backpack.count[TOOL_M4] + rifleRounds, kStandardRifleRounds);
  backpack.count[TOOL_BERETTA] = std::min(backpack.count[TOOL_BERETTA] + pistolRounds, kStandardPistolRounds);
  backpack.count[TOOL_GRENADE] = std::min(backpack.count[TOOL_GRENADE] + grenades, kStandardGrenades);
}

}  // namespace kestrine
