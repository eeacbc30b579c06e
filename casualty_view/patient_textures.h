// The patient's textures in the engine: each row's picture loaded twice (as loaded, and the working copy the
// body wears), hair for the soldiers who show it, and letting go of the pictures.
#pragma once

#include <cstdint>

#include "casualty_view/texture_state.h"

namespace kestrine {

class Patient;

// Loads every row of the state for the patient's wound row, under the mission's camouflage (0 woodland,
// 1 desert), and puts the working copies on his body's materials. A missing file is traced and worn as a
// see-through 32 x 32 picture.
void LoadPatientTextures(TextureState& state, Patient& patient, int32_t woundRow, int32_t camo);

// Lets go of the 30 pictures as loaded and the 30 working copies.
void ReleaseTextureBitmaps(TextureState& state);

}  // namespace kestrine
