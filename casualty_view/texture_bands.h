// What treatment paints into the patient's working textures: tourniquet bands round a limb, dressings, and
// the trousers drawn whole or with pieces cut away.
#pragma once

#include <cstdint>

#include "engine/engine.h"

namespace kestrine {

class Patient;

// The treatment pictures a band and a dressing are cut from (slots of the treatment pictures).
constexpr int kAirtightDressingPicture = 1;
constexpr int kTourniquetPicture = 2;
constexpr int kDressingPicture = 9;

// Rows of a texture `height` high: where a tourniquet band goes round a body part (0 for parts with no
// place of their own for one: hands, feet, the trunk), and where a dressing is laid.
int32_t LimbBandY(int32_t part, int32_t currentWound, int32_t height);
int32_t DressingY(int32_t part, int32_t height);

// The part's band strips painted (its tourniquet on) or given back their picture as loaded (off), then its
// dressing when it is bandaged. Slots are texture rows (-1: none; a hand has no clothing).
void RepaintLimbBands(Patient& patient, int32_t part, int32_t skinSlot, int32_t clothingSlot);
void PaintDressing(Patient& patient, int32_t part, int32_t skinSlot, int32_t clothingSlot);
// Draws a dressing picture over the full width of a texture from row y, 100/256 of its height high.
void DrawDressingPicture(const engine::EngineRef<engine::EngineBitmap>& picture,
                         const engine::EngineRef<engine::EngineBitmap>& texture, int32_t y);

// The trouser pictures the patient view loads: the base, the two pictures pieces are cut from, and two
// whole alternatives; and the image composed from them.
struct UniformPictures {
  engine::EngineRef<engine::EngineBitmap> base;
  engine::EngineRef<engine::EngineBitmap> firstPieces;
  engine::EngineRef<engine::EngineBitmap> secondPieces;
  engine::EngineRef<engine::EngineBitmap> firstAlternative;
  engine::EngineRef<engine::EngineBitmap> secondAlternative;
  engine::EngineRef<engine::EngineBitmap> composed;
};
// The pictures as they stand, to look at; the patient view hands over what it loaded and lets go of them all
// with its screen.
const UniformPictures& Uniforms();
void SetUniformPictures(const UniformPictures& pictures);
void ReleaseUniformPictures();

// The patient's trousers drawn from his body flags into the working textures of both trouser legs; the
// flags are recorded as composed.
void ComposeUniformTexture(Patient& patient);
// Whether a material is one of the trouser legs that wear the composed trousers.
bool IsTrouserMaterial(const char* material);

}  // namespace kestrine
