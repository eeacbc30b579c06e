// The patient's skin and uniform textures: which picture each material of his body wears, the pictures as
// loaded and the working copies that bands, dressings and blood are painted into. One per patient.
#pragma once

#include <cstdint>
#include <string>

#include "engine/engine.h"

namespace kestrine {

// Rows: the 23 of a template, and room for the helmet lining's blank texture.
constexpr int kTextureRowCapacity = 24;
constexpr int kTextureSlotCount = 30;

// Every texture path is relative to this folder.
constexpr const char* kPatientTextureFolder = "patient\\textures\\";

struct TextureRow {
  // A material of the body model; "" ends the list. Always a string of the program's own (never freed).
  const char* material = "";
  std::string path;  // relative to kPatientTextureFolder
};

struct TextureState {
  TextureRow rows[kTextureRowCapacity];
  // Slot i belongs to row i: the picture as loaded (empty when its file is missing), and the copy the body
  // wears, which bands, dressings and blood are painted into.
  engine::EngineRef<engine::EngineBitmap> pristine[kTextureSlotCount];
  engine::EngineRef<engine::EngineBitmap> working[kTextureSlotCount];
  // Where the wound pictures are looked for: the skin's own set, the one it falls back to, and the uniform's.
  std::string skinPrefix;
  std::string secondPrefix;
  std::string uniformPrefix;
};

}  // namespace kestrine
