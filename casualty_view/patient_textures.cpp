// Loading the patient's textures.
#include "casualty_view/patient_textures.h"

#include <string>

#include "casualty/patient.h"
#include "casualty_view/model_body.h"
#include "casualty_view/texture_templates.h"
#include "shell/random.h"
#include "shell/wide_text.h"

namespace kestrine {

namespace {

constexpr int kLoadPollMs = 100;
constexpr int kMissingTextureSize = 32;
// Working textures show through where they are this colour.
constexpr int kKeyR = 255, kKeyG = 255, kKeyB = 0;
constexpr int kHairVariants = 5;  // 0 keeps the head as it is

bool IsOwnSoldier(int32_t appearance) { return appearance == 0 || appearance == 1; }

engine::EngineRef<engine::EngineBitmap> LoadWhole(engine::EngineRoot& root, const std::wstring& path) {
  engine::EngineRef<engine::EngineBitmap> image = root.LoadBitmap(path, 1);
  while (!image->IsLoaded()) root.Wait(kLoadPollMs);
  return image;
}

}  // namespace

void LoadPatientTextures(TextureState& state, Patient& patient, int32_t woundRow, int32_t camo) {
  if (ShowsHair(woundRow) && IsOwnSoldier(patient.appearance)) {
    const int variant = rand() % kHairVariants;
    if (variant > 0) SetRowTexture(state, "head1", HairTexture(camo, patient.appearance, variant));
    SetRowTexture(state, "in_helm", kBlankTexture);
  } else if (!IsOwnSoldier(patient.appearance)) {
    // The enemy wears no helmet.
    SetRowTexture(state, "helmet1", kBlankTexture);
    SetRowTexture(state, "in_helm", kBlankTexture);
  }
  if (!ObjectsOf(patient).root) return;

  engine::EngineRoot& root = *ObjectsOf(patient).root;
  for (int i = 0; i < kTextureRowCapacity && *state.rows[i].material != '\0'; ++i) {
    const std::string path = kPatientTextureFolder + state.rows[i].path;
    if (GameFileExists(path)) {
      const std::wstring wide = WidenText(path.c_str());
      state.pristine[i] = LoadWhole(root, wide);
      state.working[i] = LoadWhole(root, wide);
      state.working[i]->SetColorKey(kKeyR, kKeyG, kKeyB);
    } else {
      root.DebugPrint("File not found: " + path);
      state.pristine[i].Reset();
      state.working[i] = root.CreateBitmap(kMissingTextureSize, kMissingTextureSize);
      state.working[i]->SetColorKey(kKeyR, kKeyG, kKeyB);
      state.working[i]->Clear(kKeyR, kKeyG, kKeyB);
    }
    if (ObjectsOf(patient).bodyModel)
      ObjectsOf(patient).bodyModel->SetMaterialTexture(state.working[i], WidenText(state.rows[i].material));
  }
}

void ReleaseTextureBitmaps(TextureState& state) {
  for (auto& image : state.pristine) image.Reset();
  for (auto& image : state.working) image.Reset();
}

}  // namespace kestrine
