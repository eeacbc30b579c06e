// The splat growing in a skin texture.
#include "casualty_view/blood_splat.h"

#include <cmath>

#include "casualty/patient.h"
#include "casualty_view/model_body.h"
#include "casualty_view/texture_bands.h"
#include "casualty_view/texture_templates.h"

namespace kestrine {

namespace {

constexpr int kPicturePollMs = 100;
constexpr float kGrowthPerRate = 0.1f;
// A dressing covers this much of a 256-row texture's height from its row (as the dressing painter lays it).
constexpr int32_t kDressingRows = 100;
constexpr int32_t kRowScale = 256;

}  // namespace

void LoadBloodSplat(Patient& patient) {
  if (!ObjectsOf(patient).bloodSplat) ObjectsOf(patient).bloodSplat = std::make_unique<BloodSplat>();
  BloodSplat& splat = *ObjectsOf(patient).bloodSplat;
  if (splat.image || !ObjectsOf(patient).root) return;
  splat.image = ObjectsOf(patient).root->LoadBitmap(kBloodSplatPicture, 1);
  while (!splat.image->IsLoaded()) ObjectsOf(patient).root->Wait(kPicturePollMs);
  splat.image->SetColorKey(255, 255, 0);
}

void StartBloodSplat(Patient& patient, int32_t textureSlot, const engine::EngineRef<engine::EngineBitmap>& texture,
                     int32_t x, int32_t y, float rate) {
  LoadBloodSplat(patient);
  BloodSplat& splat = *ObjectsOf(patient).bloodSplat;
  splat.textureSlot = textureSlot;
  splat.texture = texture;
  splat.x = x;
  splat.y = y;
  splat.rate = rate;
  splat.size = 0.0f;
}

void StartDressingSplat(Patient& patient, int32_t part) {
  int32_t skin = -1;
  int32_t clothing = -1;
  FindBoneMaterials(ObjectsOf(patient).textureState, part, skin, clothing);
  // The hip and the buttocks are dressed round the waist.
  if (skin < 0 && (part == PART_HIP || part == PART_BUTTOCKS))
    skin = FindTextureRow(ObjectsOf(patient).textureState, "s_waist1");
  if (skin < 0 || skin >= kTextureSlotCount) return;
  const engine::EngineRef<engine::EngineBitmap>& texture = ObjectsOf(patient).textureState.working[skin];
  if (!texture) return;
  const int32_t height = texture->GetHeight();
  const int32_t y = DressingY(part, height) + height * kDressingRows / kRowScale / 2;
  StartBloodSplat(patient, skin, texture, texture->GetWidth() / 2, y, static_cast<float>(patient.bleedRate));
}

void UpdateBloodSplat(Patient& patient) {
  if (!ObjectsOf(patient).bloodSplat) return;
  BloodSplat& splat = *ObjectsOf(patient).bloodSplat;
  if (!splat.image || !splat.texture) return;
  splat.size += kGrowthPerRate * splat.rate;
  // A negative rate shrinks it to nothing at most: never the root of a negative size.
  if (!(splat.size > 0.0f)) splat.size = 0.0f;
  const int across = static_cast<int>(std::sqrt(splat.size));
  if (across < 1) return;
  splat.texture->DrawBitmap(splat.image, 0, 0, 0, splat.image->GetWidth(), splat.image->GetHeight(),
                            splat.x - across / 2, splat.y - across / 2, across, across);
}

void ReleaseBloodSplat(Patient& patient) {
  if (!ObjectsOf(patient).bloodSplat) return;
  ObjectsOf(patient).bloodSplat->image.Reset();
  ObjectsOf(patient).bloodSplat->texture.Reset();
  ObjectsOf(patient).bloodSplat.reset();
}

}  // namespace kestrine
