// Which picture each material of a patient wears: the texture sets by camouflage and appearance, the wound's
// pictures laid over the wounded parts with their fall-backs, and the materials of a body location or part.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "casualty/body_location.h"
#include "casualty_view/texture_state.h"

namespace kestrine {

// Tells whether a game file exists (a path like "patient\textures\...").
using GameFileTest = std::function<bool(const std::string& gamePath)>;
// The data tree's answer.
bool GameFileExists(const std::string& gamePath);

// The blank (fully see-through) texture, and the hair texture of a variant 1..4 by camouflage (0 woodland,
// 1 desert) and appearance (0 dark, 1 light skin).
constexpr const char* kBlankTexture = "zzz.qjp";
const char* HairTexture(int32_t camo, int32_t appearance, int32_t variant);
// Wound rows whose own soldiers show their hair.
bool ShowsHair(int32_t woundRow);

// The state for a wound: the template of the appearance and the camouflage, the wound pictures' prefixes,
// and the wound row's texture set laid over the materials of its location on the patient's side.
void SetUpTextureState(TextureState& state, int32_t woundRow, int32_t side, int32_t appearance, int32_t camo,
                       const GameFileTest& exists = GameFileExists);

// The skin and clothing materials of a location ("" for none), by its location bits; the side bits choose
// left or right (anything but exactly the right bit is the left). Returns 1 for a location with a left and
// a right texture, 0 for a midline one.
int32_t MaterialPairForLocation(BodyLocation mask, const char** skinOut, const char** clothingOut);

// The rows whose materials are body part `part`'s skin and clothing; a slot not found is left as it was.
void FindBoneMaterials(const TextureState& state, int32_t part, int32_t& skinSlotOut, int32_t& clothingSlotOut);
// The row of a material, or -1 (never the row that ends the list).
int32_t FindTextureRow(const TextureState& state, const char* material);

// Lays a wound's texture set over a skin and a clothing material (either may be "": nothing there).
void ApplyWoundTextureSet(TextureState& state, const std::string& setName, const char* skinMaterial,
                          const char* clothingMaterial, const GameFileTest& exists = GameFileExists);

// The row with that material gets the path; a material with no row yet gets a new one while there is room.
// `material` must outlive the state (a string of the program's own).
void SetRowTexture(TextureState& state, const char* material, const std::string& path);

}  // namespace kestrine
