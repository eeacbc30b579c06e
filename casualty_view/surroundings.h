// Where a casualty lies in the patient view: one of 24 surroundings models, chosen for each casualty slot
// by the mission, and the placement of the two open-ground surroundings and of the camera for each slot.
#pragma once

#include <cstdint>
#include <optional>

namespace kestrine {

constexpr int kSurroundingsKindCount = 24;
constexpr int kSurroundingsSlots = 7;

// The model file of a surroundings kind (a game path); nullptr for a kind outside 0..23.
const char* SurroundingsModelPath(int32_t kind);
// The kind shared by the most of the occupied slots (occupied[slot]), each slot's kind taken from the
// mission's row of the kind table; on a tie the one met first in slot order. No occupied slot: the kind of
// slot 0.
int32_t MostCommonSurroundingsKind(int32_t mission, const bool (&occupied)[kSurroundingsSlots]);
// The tent kinds carry the camouflage net on their "lambert8" material.
bool IsTentSurroundings(int32_t kind);
// The open-ground kinds: the surroundings model itself is turned and moved for each slot, and no backdrop
// billboards stand around him.
bool IsOpenGroundSurroundings(int32_t kind);

// Where the view is set up for a slot: the surroundings model's turn about y (or facing straight ahead) and
// place, and the camera's place.
struct SurroundingsPlacement {
  bool facing = false;  // direction (0, 0, 1), up (0, 1, 0)
  float turn = 0.0f;    // degrees about y, when not facing
  float modelX = 0.0f, modelY = 0.0f, modelZ = 0.0f;
  float cameraX = 0.0f, cameraY = 0.0f, cameraZ = 0.0f;
};
// The placement of an open-ground kind's slot; none for any other kind or a slot without a row.
std::optional<SurroundingsPlacement> OpenGroundPlacement(int32_t kind, int32_t slot);

// Where the camera stands for every kind but the open-ground ones.
constexpr float kViewCameraX = -16.0f;
constexpr float kViewCameraY = 12.0f;
constexpr float kViewCameraZ = 0.0f;

}  // namespace kestrine
