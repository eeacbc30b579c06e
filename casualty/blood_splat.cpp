// The splat growing in a skin texture.
#include "casualty/blood_splat.h"

#include <cmath>

#include "casualty/patient.h"
#include "casualty/texture_bands.h"
#include "casualty/texture_templates.h"

namespace kestrine {

namespace {

constexpr int kPicturePollMs = 100;
constexpr float kGrowthPerRate = 0.1f;
// A dressing covers this much of a 256-row texture's height from its row (as the dressing painter lays it).
constexpr int32_t kDressingRows = 100;
constexpr int32_t kRowScale = 256;

}  // namespace

void LoadBloodSplat(Patient& patient) {
  if (!patient.bloodSplat) patient.bloodSplat = std::make_unique<BloodSplat>();
  BloodSplat& splat = *patient.bloodSplat;
  if (splat.image || !patient.root) return;
  splat.image = patient.root->LoadBitmap(kBloodSplatPicture, 1);
  while (!splat.image->IsLoaded()) patient.root->Wait(kPicturePollMs);
  splat.image->SetColorKey(255, 255, 0);
}

void StartBloodSplat(Patient& patient, int32_t textureSlot, const engine::EngineRef<engine::EngineBitmap>& texture,
                     int32_t x, int32_t y, float rate) {
  LoadBloodSplat(patient);
  BloodSplat& splat = *patient.bloodSplat;
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
  FindBoneMaterials(patient.textureState, part, skin, clothing);
  // The hip and the buttocks are dressed round the waist.
  if (skin < 0 && (part == PART_HIP || part == PART_BUTTOCKS)) skin = FindTextureRow(patient.textureState, "s_waist1");
  if (skin < 0 || skin >= kTextureSlotCount) return;
  const engine::EngineRef<engine::EngineBitmap>& texture = patient.textureState.working[skin];
  if (!texture) return;
  const int32_t height = texture->GetHeight();
  const int32_t y = DressingY(part, height) + height * kDressingRows / kRowScale / 2;
  StartBloodSplat(patient, skin, texture, texture->GetWidth() / 2, y, static_cast<float>(patient.bleedRate));
}

void UpdateBloodSplat(Patient& patient) {
  if (!patient.bloodSplat) return;
  BloodSplat& splat = *patient.bloodSplat;
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
  if (!patient.bloodSplat) return;
  patient.bloodSplat->image.Reset();
  patient.bloodSplat->texture.Reset();
  patient.bloodSplat.reset();
}

}  // namespace kestrine
