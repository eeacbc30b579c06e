// Reads a model file: glTF 2.0 binary (.glb content under the game's .qsad name).
//
// What the engine takes from it: every node, by name, with its translation, rotation and scale (or matrix);
// triangle primitives (positions; normals, or flat ones made when absent; first image coordinates; first
// joints and weights); skins with their inverse bind matrices; materials by name with their base colour,
// opacity and base-colour picture (PNG, JPEG, BMP or TGA carried in the file); animations by name with
// translation, rotation and scale channels (linear, step, or cubic taken at its keys). Coordinates are the
// engine's own (left-handed, y up, z forward) and triangles are wound the engine's way (see
// core/geometry.h). Anything else in the file is ignored.
#pragma once

#include <memory>
#include <string>

#include "core/model_data.h"

namespace engine {

// The model, or null with the reason in error when the bytes are not a model the engine can show.
std::shared_ptr<ModelData> ReadModelFile(const std::string& bytes, std::string& error);

}  // namespace engine
