// The patient's skin and uniform textures: which picture each material of his body wears, the pictures as
// loaded and the working copies that bands, dressings and blood are painted into. One per patient.
#pragma once

namespace kestrine {

struct TextureState {};

}  // namespace kestrine
