// The patient's textures: the uniforms (woodland and desert camouflage, the enemy's robe), boots and helmets,
// skin in three tones for every body part, the soldiers' hair, the blank see-through picture, and the
// uniforms torn and bloodied over each wound.
#pragma once

#include <string>
#include <vector>

#include "tools/assetgen/generators.h"

namespace assetgen {

constexpr int kPatientTextureSize = 256;

// Every picture the patients' texture sets name (under "patient\textures\").
std::vector<std::string> PatientTexturePaths();
// The uniform pictures of a wound texture set whose location is under clothing: woodland, desert and the
// enemy's (none for a location with no uniform over it).
std::vector<std::string> UniformWoundPaths(const std::string& setName);

void WritePatientTextures(DataTree& tree);

}  // namespace assetgen
