// Bands, dressings and trousers painted into the patient's working textures. Sizes are given for a 256-row
// texture and scaled to the texture's own height.
#include "casualty_view/texture_bands.h"

#include <cstring>
#include <utility>

#include "casualty/body_model_choice.h"
#include "casualty/patient.h"
#include "casualty_view/model_body.h"
#include "casualty_view/texture_templates.h"
#include "casualty_view/treatment_assets.h"
#include "shell/program_state.h"

namespace kestrine {

namespace {

UniformPictures uniformPictures;
KESTRINE_PROGRAM_STATE(uniformPictures);

constexpr int32_t kScale = 256;
constexpr int32_t kBandHeight = 30;        // of the texture
constexpr int32_t kBandSourceY = 24;       // the strip of the tourniquet picture, in its own rows
constexpr int32_t kBandSourceHeight = 60;  // of the picture's height
constexpr int32_t kDressingHeight = 100;

// Trouser pieces: the rectangle is the same in the picture and in the trousers.
struct TrouserPiece {
  uint32_t flag;
  bool second;  // from the second piece picture
  int32_t x, y, width, height;
};
constexpr TrouserPiece kTrouserPieces[] = {
    {BODY_CUT_UPPER_B, false, 0, 70, 50, 160},
    {BODY_CUT_UPPER_A, false, 84, 70, 50, 160},
    {BODY_CUT_LOWER_B, true, 0, 280, 60, 120},
    {BODY_CUT_LOWER_A, true, 74, 280, 60, 120},
};
const char* const kTrouserMaterials[] = {"u_left_leg1", "u_right_leg1"};

BodyLocation RegionOfPart(int32_t part) { return IsBodyPart(part) ? RegionOf(kBodyParts[part].mask) : 0; }

// The working texture of a slot, or nothing for a slot that was not found.
const engine::EngineRef<engine::EngineBitmap>* Working(Patient& patient, int32_t slot) {
  if (slot < 0 || slot >= kTextureSlotCount || !ObjectsOf(patient).textureState.working[slot]) return nullptr;
  return &ObjectsOf(patient).textureState.working[slot];
}

// The tourniquet's strip across the full width of a texture from row y.
void DrawBand(const engine::EngineRef<engine::EngineBitmap>& band,
              const engine::EngineRef<engine::EngineBitmap>& texture, int32_t y) {
  const int32_t h = texture->GetHeight();
  texture->DrawBitmap(band, 0, 0, kBandSourceY, band->GetWidth(), band->GetHeight() * kBandSourceHeight / kScale, 0, y,
                      texture->GetWidth(), h * kBandHeight / kScale);
}

// The same strip given back from the picture as loaded; a texture whose file was missing has none to give.
void RestoreBand(const engine::EngineRef<engine::EngineBitmap>& pristine,
                 const engine::EngineRef<engine::EngineBitmap>& texture, int32_t y) {
  if (!pristine) return;
  const int32_t w = texture->GetWidth();
  const int32_t h = texture->GetHeight() * kBandHeight / kScale;
  texture->DrawBitmap(pristine, 0, 0, y, w, h, 0, y, w, h);
}

}  // namespace

const UniformPictures& Uniforms() { return uniformPictures; }

void SetUniformPictures(const UniformPictures& pictures) { uniformPictures = pictures; }

void ReleaseUniformPictures() { uniformPictures = UniformPictures{}; }

int32_t LimbBandY(int32_t part, int32_t currentWound, int32_t height) {
  const BodyLocation region = RegionOfPart(part);
  // A foot or a lower leg gone: the band goes round the middle of what is left of the leg.
  const bool lowerLegsGone = currentWound == kFootGoneWound || currentWound == kAmputationBodyWound;
  int32_t at = 0;
  if (region & LOC_UPPER_ARM) {
    at = 40;
  } else if (region & LOC_FOREARM) {
    at = 180;
  } else if (region & LOC_THIGH) {
    at = lowerLegsGone ? 100 : 40;
  } else if (region & LOC_CALF) {
    at = lowerLegsGone ? 100 : 180;
  }
  return height * at / kScale;
}

int32_t DressingY(int32_t part, int32_t height) {
  const BodyLocation region = RegionOfPart(part);
  int32_t at = 0;
  if (region & LOC_UPPER_ARM) {
    at = 60;
  } else if (region & LOC_FOREARM) {
    at = 160;
  } else if (region & LOC_THIGH) {
    at = 20;
  } else if (region & LOC_CALF) {
    at = 160;
  } else if (region & LOC_ELBOW) {
    at = 90;
  } else if (region & (LOC_CHEST | LOC_BACK)) {
    at = 70;
  } else if (region & LOC_ABDOMEN) {
    at = 160;
  }
  return height * at / kScale;
}

void RepaintLimbBands(Patient& patient, int32_t part, int32_t skinSlot, int32_t clothingSlot) {
  if (!IsBodyPart(part)) return;
  const uint32_t bit = 1u << part;
  const TextureState& state = ObjectsOf(patient).textureState;
  const auto& band = treatmentAssets.pictures[kTourniquetPicture];
  const bool on = (patient.tourniquetParts & bit) != 0;
  // The clothing's band sits twice as far down its texture as the skin's.
  const std::pair<int32_t, int32_t> targets[] = {{skinSlot, 1}, {clothingSlot, 2}};
  for (const auto& [slot, factor] : targets) {
    const auto* texture = Working(patient, slot);
    if (texture == nullptr) continue;
    const int32_t y = factor * LimbBandY(part, patient.currentWound, (*texture)->GetHeight());
    if (on) {
      if (band) DrawBand(band, *texture, y);
    } else {
      RestoreBand(state.pristine[slot], *texture, y);
    }
  }
  if (patient.dressingParts & bit) PaintDressing(patient, part, skinSlot, clothingSlot);
}

void DrawDressingPicture(const engine::EngineRef<engine::EngineBitmap>& picture,
                         const engine::EngineRef<engine::EngineBitmap>& texture, int32_t y) {
  if (!picture || !texture) return;
  texture->DrawBitmap(picture, 0, 0, 0, picture->GetWidth(), picture->GetHeight(), 0, y, texture->GetWidth(),
                      texture->GetHeight() * kDressingHeight / kScale);
}

void PaintDressing(Patient& patient, int32_t part, int32_t skinSlot, int32_t /*clothingSlot*/) {
  const auto& dressing = treatmentAssets.pictures[kDressingPicture];
  const auto* skin = Working(patient, skinSlot);
  if (!dressing || skin == nullptr) return;
  const int32_t y = DressingY(part, (*skin)->GetHeight());
  DrawDressingPicture(dressing, *skin, y);
  // A dressing round the trunk shows on the other side of it too.
  int32_t otherPart = -1;
  if (part == PART_CHEST || part == PART_ABDOMEN) otherPart = PART_BACK;
  if (part == PART_BACK) otherPart = PART_CHEST;
  if (otherPart < 0) return;
  int32_t otherSkin = -1;
  int32_t otherClothing = -1;
  FindBoneMaterials(ObjectsOf(patient).textureState, otherPart, otherSkin, otherClothing);
  if (const auto* other = Working(patient, otherSkin)) DrawDressingPicture(dressing, *other, y);
}

bool IsTrouserMaterial(const char* material) {
  for (const char* trousers : kTrouserMaterials)
    if (std::strcmp(trousers, material) == 0) return true;
  return false;
}

void ComposeUniformTexture(Patient& patient) {
  patient.composedFlags = patient.bodyFlags;
  const UniformPictures& pictures = uniformPictures;
  const bool whole = (patient.bodyFlags & (BODY_FIRST_PICTURE | BODY_SECOND_PICTURE)) != 0;
  const engine::EngineRef<engine::EngineBitmap>& source =
      (patient.bodyFlags & BODY_FIRST_PICTURE)    ? pictures.firstAlternative
      : (patient.bodyFlags & BODY_SECOND_PICTURE) ? pictures.secondAlternative
                                                  : pictures.base;
  if (!source || !ObjectsOf(patient).root) return;
  engine::EngineRef<engine::EngineBitmap>& composed = uniformPictures.composed;
  if (!composed || composed->GetWidth() != source->GetWidth() || composed->GetHeight() != source->GetHeight())
    composed = ObjectsOf(patient).root->CreateBitmap(source->GetWidth(), source->GetHeight());
  composed->CopyImage(source, 0);
  if (!whole) {
    for (const TrouserPiece& piece : kTrouserPieces) {
      const auto& from = piece.second ? pictures.secondPieces : pictures.firstPieces;
      if ((patient.bodyFlags & piece.flag) && from)
        composed->DrawBitmap(from, 0, piece.x, piece.y, piece.width, piece.height, piece.x, piece.y, piece.width,
                             piece.height);
    }
  }
  for (const char* material : kTrouserMaterials)
    if (const auto* trousers = Working(patient, FindTextureRow(ObjectsOf(patient).textureState, material)))
      (*trousers)->CopyImage(composed, 0);
}

}  // namespace kestrine
