// Cutting clothing away with the scissors.
#include "casualty/clothing_cut.h"

#include <cstring>

#include "casualty/treatment_switches.h"

namespace kestrine {

namespace {

constexpr int kMaxAlsoCut = 3;
constexpr int kMaxBareSkin = 4;
constexpr BodyLocation kSleeve = LOC_ELBOW | LOC_UPPER_ARM | LOC_FOREARM;
constexpr BodyLocation kTrouserLeg = LOC_THIGH | LOC_CALF | LOC_KNEE;
constexpr BodyLocation kShirt = LOC_CHEST | LOC_BACK | LOC_ABDOMEN;
constexpr BodyLocation kTrousers = LOC_ABDOMEN | LOC_HIP | LOC_BUTTOCK;

// One piece of clothing: the pieces cut with it (the shirt comes off front, back and sleeves at once),
// what it leaves bare on each side, and the skin shown under it.
struct ClothingCutRow {
  const char* clothing;
  const char* alsoCut[kMaxAlsoCut];
  BodyLocation bared[kSideIndexCount];  // by side index; index 0 unused
  const char* bareSkin[kMaxBareSkin];
};

constexpr ClothingCutRow kClothingCuts[] = {
    {"l_boot", {"leftfoot_l_boot"}, {0, 0, LOC_FOOT, 0}, {}},
    {"r_boot", {"feet2_r_boot"}, {0, LOC_FOOT, 0, 0}, {}},
    {"helmet1", {"in_helm"}, {0, 0, 0, LOC_HEAD}, {"head1"}},
    {"u_chest",
     {"u_back1", "u_left_arm1", "u_right_arm1"},
     {0, kSleeve, kSleeve, kShirt},
     {"s_chest1", "s_back1", "s_right_arm2", "s_left_arm2"}},
    {"u_back1",
     {"u_chest", "u_left_arm1", "u_right_arm1"},
     {0, kSleeve, kSleeve, kShirt},
     {"s_chest1", "s_back1", "s_right_arm2", "s_left_arm2"}},
    {"u_waist1",
     {"u_butt2", "u_left_leg1", "u_right_leg1"},
     {0, kTrouserLeg, kTrouserLeg, kTrousers},
     {"s_butt1", "s_waist1", "s_right_leg1", "s_left_leg1"}},
    {"u_butt2",
     {"u_waist1", "u_left_leg1", "u_right_leg1"},
     {0, kTrouserLeg, kTrouserLeg, kTrousers},
     {"s_butt1", "s_waist1", "s_right_leg1", "s_left_leg1"}},
    {"u_right_arm1", {}, {0, kSleeve, 0, 0}, {"s_right_arm2"}},
    {"u_left_arm1", {}, {0, 0, kSleeve, 0}, {"s_left_arm2"}},
    {"u_right_leg1", {}, {0, kTrouserLeg, 0, 0}, {"s_right_leg1"}},
    {"u_left_leg1", {}, {0, 0, kTrouserLeg, 0}, {"s_left_leg1"}},
};

const ClothingCutRow* FindClothingCut(const char* clothing) {
  for (const ClothingCutRow& row : kClothingCuts) {
    if (std::strcmp(row.clothing, clothing) == 0) return &row;
  }
  return nullptr;
}

// The pieces of the trousers a cut trouser leg takes away: the left leg's from the left of the trouser
// pictures, the right leg's from the right, each from the thigh and the calf.
uint32_t TrouserPiecesOf(const char* material) {
  if (std::strcmp(material, "u_left_leg1") == 0) return BODY_CUT_UPPER_B | BODY_CUT_LOWER_B;
  if (std::strcmp(material, "u_right_leg1") == 0) return BODY_CUT_UPPER_A | BODY_CUT_LOWER_A;
  return 0;
}

void ShowMaterial(Patient& patient, TreatmentVisualKind kind, int32_t part, const char* material) {
  TreatmentVisual visual;
  visual.kind = kind;
  visual.part = part;
  visual.tool = TOOL_SCISSORS;
  visual.material = material;
  patient.Body().ShowTreatmentVisual(visual);
}

}  // namespace

void CutClothing(Patient& patient, int32_t part) {
  if (!IsBodyPart(part)) return;
  const ClothingCutRow* row = FindClothingCut(kBodyParts[part].clothingMaterial);
  if (row == nullptr) return;

  patient.bodyFlags |= TrouserPiecesOf(row->clothing);
  ShowMaterial(patient, VISUAL_CLOTHING_CUT, part, row->clothing);
  for (const char* piece : row->alsoCut) {
    if (piece == nullptr) continue;
    patient.bodyFlags |= TrouserPiecesOf(piece);
    ShowMaterial(patient, VISUAL_CLOTHING_CUT, part, piece);
  }
  for (int side = SIDE_INDEX_RIGHT; side < kSideIndexCount; ++side) patient.clothingMasks[side] &= ~row->bared[side];
  if (Switches().skinCutMode) {
    for (const char* skin : row->bareSkin) {
      if (skin != nullptr) ShowMaterial(patient, VISUAL_BARE_SKIN, part, skin);
    }
  }
}

}  // namespace kestrine
