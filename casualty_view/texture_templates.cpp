// The patient's texture sets and the wound pictures laid over them.
#include "casualty_view/texture_templates.h"

#include <algorithm>
#include <cstring>

#include "casualty/body_parts.h"
#include "casualty/wound_types.h"
#include "shell/game_files.h"

namespace kestrine {

namespace {

constexpr int kTemplateRowCount = 23;

// The materials of every template, in row order.
const char* const kTemplateMaterials[kTemplateRowCount] = {
    "u_chest",  "u_back1", "u_waist1",     "u_butt2",     "u_right_arm1", "u_left_arm1", "u_right_leg1", "u_left_leg1",
    "r_boot",   "l_boot",  "helmet1",      "head1",       "r_hand1",      "l_hand1",     "s_chest1",     "s_back1",
    "s_waist1", "s_butt1", "s_right_arm2", "s_left_arm2", "s_right_leg1", "s_left_leg1", "feet1",
};

// Rows of the head and hands, and of the bare body, that the dark-skinned soldiers wear instead.
constexpr int kHelmetRow = 10;
constexpr int kHeadRow = 11;
constexpr int kFirstBodyRow = 14;

using TemplatePaths = const char* const[kTemplateRowCount];

const TemplatePaths kWoodland = {
    "wlcamo\\u-chest.qjp",       "wlcamo\\u-back.qjp",         "wlcamo\\u-waist.qjp",
    "wlcamo\\u-butt.qjp",        "wlcamo\\u-arm.qjp",          "wlcamo\\u-arm.qjp",
    "wlcamo\\u-leg.qjp",         "wlcamo\\u-leg.qjp",          "wlcamo\\boots.qjp",
    "wlcamo\\boots.qjp",         "wlcamo\\helmet.qjp",         "wlcamo\\white\\head.qjp",
    "wlcamo\\white\\hand.qjp",   "wlcamo\\white\\hand.qjp",    "wlcamo\\white\\s-chest.qjp",
    "wlcamo\\white\\s-back.qjp", "wlcamo\\white\\s-waist.qjp", "wlcamo\\white\\s-butt.qjp",
    "wlcamo\\white\\s-arm.qjp",  "wlcamo\\white\\s-arm.qjp",   "wlcamo\\white\\s-leg.qjp",
    "wlcamo\\white\\s-leg.qjp",  "wlcamo\\white\\s-foot.qjp",
};

const TemplatePaths kDesert = {
    "dccamo\\white\\dc-u-chest.qjp",
    "dccamo\\white\\dc-u-back.qjp",
    "dccamo\\white\\dc-u-waist.qjp",
    "dccamo\\white\\dc-u-butt.qjp",
    "dccamo\\white\\dc-u-arm.qjp",
    "dccamo\\white\\dc-u-arm.qjp",
    "dccamo\\white\\dc-u-leg.qjp",
    "dccamo\\white\\dc-u-leg.qjp",
    "wlcamo\\boots.qjp",
    "wlcamo\\boots.qjp",
    "dccamo\\white\\dc-helmet.qjp",
    "dccamo\\white\\dc-head.qjp",
    "dccamo\\white\\dc-hand.qjp",
    "dccamo\\white\\dc-hand.qjp",
    "wlcamo\\white\\s-chest.qjp",
    "wlcamo\\white\\s-back.qjp",
    "wlcamo\\white\\s-waist.qjp",
    "wlcamo\\white\\s-butt.qjp",
    "wlcamo\\white\\s-arm.qjp",
    "wlcamo\\white\\s-arm.qjp",
    "wlcamo\\white\\s-leg.qjp",
    "wlcamo\\white\\s-leg.qjp",
    "wlcamo\\white\\s-foot.qjp",
};

const TemplatePaths kEnemy = {
    "enemy\\u-arabchest.qjp",     "enemy\\u-arabback.qjp",     "enemy\\u-arabwaist.qjp", "enemy\\u-arabbutt.qjp",
    "enemy\\u-arabarm.qjp",       "enemy\\u-arabarm.qjp",      "enemy\\u-arableg.qjp",   "enemy\\u-arableg.qjp",
    "wlcamo\\boots.qjp",          "wlcamo\\boots.qjp",         "enemy\\zzz.qjp",         "enemy\\arabhead.qjp",
    "enemy\\arabhand.qjp",        "enemy\\arabhand.qjp",       "enemy\\s-arabchest.qjp", "enemy\\s-arabback.qjp",
    "wlcamo\\white\\s-waist.qjp", "wlcamo\\white\\s-butt.qjp", "enemy\\s-arabarm.qjp",   "enemy\\s-arabarm.qjp",
    "enemy\\s-arableg.qjp",       "enemy\\s-arableg.qjp",      "enemy\\s-arabfoot.qjp",
};

// The enemy with a turban wears no helmet picture at all: the turban is a prop of its own.
constexpr const char* kTurbanHelmet = "zzz.qjp";

// Head, right hand, left hand.
const char* const kDarkWoodlandHead[3] = {"wlcamo\\black\\b-head.qjp", "wlcamo\\black\\b-hand.qjp",
                                          "wlcamo\\black\\b-hand.qjp"};
const char* const kDarkDesertHead[3] = {"dccamo\\black\\dc-b-head.qjp", "dccamo\\black\\dc-b-hand.qjp",
                                        "dccamo\\black\\dc-b-hand.qjp"};
// The nine rows from "s_chest1" to "feet1".
const char* const kDarkBody[9] = {
    "wlcamo\\black\\b-chest.qjp", "wlcamo\\black\\b-back.qjp", "wlcamo\\white\\s-waist.qjp",
    "wlcamo\\white\\s-butt.qjp",  "wlcamo\\black\\b-arm.qjp",  "wlcamo\\black\\b-arm.qjp",
    "wlcamo\\black\\b-leg.qjp",   "wlcamo\\black\\b-leg.qjp",  "wlcamo\\black\\b-foot.qjp",
};

// By camouflage, then appearance (dark, light), then variant 1..4.
const char* const kHair[2][2][4] = {
    {{"hair\\wl-b-head-plat.qjp", "hair\\wl-b-head-plat.qjp", "hair\\wl-b-head-plat.qjp", "hair\\wl-b-head-plat.qjp"},
     {"hair\\wl-head-plat.qjp", "hair\\wl-head-red.qjp", "hair\\wl-head-brown.qjp", "hair\\wl-head-blonde.qjp"}},
    {{"hair\\dc-b-head-blonde.qjp", "hair\\dc-b-head-blonde.qjp", "hair\\dc-b-head-blonde.qjp",
      "hair\\dc-b-head-blonde.qjp"},
     {"hair\\dc-head-plat.qjp", "hair\\dc-head-red.qjp", "hair\\dc-head-brown.qjp", "hair\\dc-head-blonde.qjp"}},
};

constexpr int32_t kHairRows[] = {0,  1,  2,  4,  5,  6,  7,  11, 14, 15, 17, 18, 19, 20, 21, 22, 23, 24,
                                 30, 32, 34, 39, 40, 41, 43, 44, 45, 48, 49, 50, 51, 52, 53, 54, 56};

// Texture sets and their prefixes by index = appearance + 4 x camouflage.
struct TextureSetChoice {
  const TemplatePaths* paths;
  const char* const* darkHead;  // null: the template's own head and hands
  bool darkBody;
  bool turban;
  const char* skinPrefix;
  const char* secondPrefix;
  const char* uniformPrefix;
};

const TextureSetChoice kSetChoices[8] = {
    {&kWoodland, kDarkWoodlandHead, true, false, "wlcamo\\black\\wounds\\b-", "wlcamo\\black\\wounds\\b-",
     "wlcamo\\uniformwounds\\u-"},
    {&kWoodland, nullptr, false, false, "wlcamo\\white\\wounds\\", "wlcamo\\white\\wounds\\",
     "wlcamo\\uniformwounds\\u-"},
    {&kEnemy, nullptr, false, false, "enemy\\wounds\\ar-", "enemy\\wounds\\ar-", "enemy\\wounds\\ar-"},
    {&kEnemy, nullptr, false, true, "enemy\\wounds\\ar-", "enemy\\wounds\\ar-", "enemy\\wounds\\ar-"},
    {&kDesert, kDarkDesertHead, true, false, "dccamo\\black\\wounds\\dc-b-", "wlcamo\\black\\wounds\\b-",
     "dccamo\\uniformwounds\\dc-"},
    {&kDesert, nullptr, false, false, "dccamo\\white\\wounds\\dc-", "wlcamo\\white\\wounds\\",
     "dccamo\\uniformwounds\\dc-"},
    {&kEnemy, nullptr, false, false, "enemy\\wounds\\ar-", "enemy\\wounds\\ar-", "enemy\\wounds\\ar-"},
    {&kEnemy, nullptr, false, true, "enemy\\wounds\\ar-", "enemy\\wounds\\ar-", "enemy\\wounds\\ar-"},
};

bool IsEnd(const TextureRow& row) { return row.material == nullptr || *row.material == '\0'; }

// The one texture set whose pictures carry their own transparency.
constexpr const char* kTransparentSet = "gsw-pafn-hand";

}  // namespace

bool GameFileExists(const std::string& gamePath) { return RealGamePath(gamePath).has_value(); }

const char* HairTexture(int32_t camo, int32_t appearance, int32_t variant) {
  return kHair[std::clamp(camo, 0, 1)][std::clamp(appearance, 0, 1)][std::clamp(variant, 1, 4) - 1];
}

bool ShowsHair(int32_t woundRow) {
  return std::find(std::begin(kHairRows), std::end(kHairRows), woundRow) != std::end(kHairRows);
}

void SetUpTextureState(TextureState& state, int32_t woundRow, int32_t side, int32_t appearance, int32_t camo,
                       const GameFileTest& exists) {
  const int32_t index = std::clamp(appearance, 0, 3) + 4 * std::clamp(camo, 0, 1);
  const TextureSetChoice& choice = kSetChoices[index];
  for (TextureRow& row : state.rows) row = TextureRow{};
  for (int i = 0; i < kTemplateRowCount; ++i) {
    state.rows[i].material = kTemplateMaterials[i];
    state.rows[i].path = (*choice.paths)[i];
  }
  if (choice.turban) state.rows[kHelmetRow].path = kTurbanHelmet;
  if (choice.darkHead != nullptr)
    for (int i = 0; i < 3; ++i) state.rows[kHeadRow + i].path = choice.darkHead[i];
  if (choice.darkBody)
    for (int i = 0; i < 9; ++i) state.rows[kFirstBodyRow + i].path = kDarkBody[i];
  state.skinPrefix = choice.skinPrefix;
  state.secondPrefix = choice.secondPrefix;
  state.uniformPrefix = choice.uniformPrefix;

  if (!IsWoundRow(woundRow)) return;
  const WoundType& row = WoundTypeTable[woundRow];
  if (*row.textureSet == '\0') return;
  const char* skin = "";
  const char* clothing = "";
  MaterialPairForLocation(row.location | (side == 1 ? LOC_LEFT : LOC_RIGHT), &skin, &clothing);
  ApplyWoundTextureSet(state, row.textureSet, skin, clothing, exists);
}

int32_t MaterialPairForLocation(BodyLocation mask, const char** skinOut, const char** clothingOut) {
  const bool left = (mask & kSideBits) != LOC_RIGHT;
  const auto pair = [&](const char* skin, const char* clothing, int32_t sided) {
    *skinOut = skin;
    *clothingOut = clothing;
    return sided;
  };
  if (mask & (LOC_MOUTH | LOC_NECK | LOC_NOSE | LOC_HEAD | LOC_EYE | LOC_EAR)) return pair("head1", "helmet1", 0);
  if (mask & LOC_HAND) return pair(left ? "l_hand1" : "r_hand1", "", 1);
  if (mask & (LOC_ELBOW | LOC_UPPER_ARM | LOC_FOREARM))
    return left ? pair("s_left_arm2", "u_left_arm1", 1) : pair("s_right_arm2", "u_right_arm1", 1);
  if (mask & (LOC_THIGH | LOC_CALF | LOC_KNEE))
    return left ? pair("s_left_leg1", "u_left_leg1", 1) : pair("s_right_leg1", "u_right_leg1", 1);
  if (mask & LOC_FOOT) return pair("feet1", left ? "l_boot" : "r_boot", 1);
  if (mask & LOC_CHEST) return pair("s_chest1", "u_chest", 0);
  if (mask & LOC_BACK) return pair("s_back1", "u_back1", 0);
  if (mask & (LOC_ABDOMEN | LOC_HIP | LOC_BUTTOCK)) return pair("s_waist1", "u_waist1", 0);
  return pair("", "", 1);
}

int32_t FindTextureRow(const TextureState& state, const char* material) {
  if (material == nullptr || *material == '\0') return -1;
  for (int i = 0; i < kTextureRowCapacity && !IsEnd(state.rows[i]); ++i)
    if (std::strcmp(state.rows[i].material, material) == 0) return i;
  return -1;
}

void FindBoneMaterials(const TextureState& state, int32_t part, int32_t& skinSlotOut, int32_t& clothingSlotOut) {
  if (!IsBodyPart(part)) return;
  if (const int32_t skin = FindTextureRow(state, kBodyParts[part].skinMaterial); skin >= 0) skinSlotOut = skin;
  if (const int32_t cloth = FindTextureRow(state, kBodyParts[part].clothingMaterial); cloth >= 0)
    clothingSlotOut = cloth;
}

void ApplyWoundTextureSet(TextureState& state, const std::string& setName, const char* skinMaterial,
                          const char* clothingMaterial, const GameFileTest& exists) {
  if (setName.empty()) return;
  const auto found = [&](const std::string& path) { return exists(kPatientTextureFolder + path); };
  if (clothingMaterial != nullptr && *clothingMaterial != '\0') {
    // The uniform torn and bloodied over the wound; with no such picture the uniform stays as it is.
    const std::string own = state.skinPrefix + "u-" + setName + ".qjp";
    const std::string shared = state.uniformPrefix + setName + ".qjp";
    if (found(own)) {
      SetRowTexture(state, clothingMaterial, own);
    } else if (found(shared)) {
      SetRowTexture(state, clothingMaterial, shared);
    }
  }
  if (skinMaterial != nullptr && *skinMaterial != '\0') {
    const char* extension = setName == kTransparentSet ? ".qpg" : ".qjp";
    const std::string own = state.skinPrefix + setName + extension;
    SetRowTexture(state, skinMaterial, found(own) ? own : state.secondPrefix + setName + extension);
  }
}

void SetRowTexture(TextureState& state, const char* material, const std::string& path) {
  if (material == nullptr || *material == '\0') return;
  for (TextureRow& row : state.rows) {
    if (IsEnd(row)) {
      row.material = material;
      row.path = path;
      return;
    }
    if (std::strcmp(row.material, material) == 0) {
      row.path = path;
      return;
    }
  }
}

}  // namespace kestrine
