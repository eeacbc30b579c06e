// The casualty's magazines on his belt.
#include "casualty_view/ammo_pouch.h"

#include <string>
#include <vector>

#include "casualty_view/model_body.h"

namespace kestrine {

const MagazinePlace kMagazinePlaces[kMagazineCount] = {
    {{0.3f, 0.15f, -0.4f}, -40},
    {{0.3f, 0.25f, -0.2f}, -15},
    {{0.3f, 0.25f, 0.2f}, 15},
    {{0.3f, 0.15f, 0.4f}, 40},
};

void ModelBody::MakeMagazines() {
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

void ModelBody::HideMagazines() {
  for (const auto& magazine : ammoPouch.magazines)
    if (magazine) magazine->SetVisible(0);
}

}  // namespace kestrine
