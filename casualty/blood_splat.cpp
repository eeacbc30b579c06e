// The splat growing in a skin texture.
#include "casualty/blood_splat.h"

#include <cmath>

#include "casualty/patient.h"

namespace kestrine {

namespace {

constexpr int kPicturePollMs = 100;
constexpr float kGrowthPerRate = 0.1f;

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
