// EngineRoot::LoadModel's work: the file read through the game's paths (each file's content read once per
// engine and shared), a model node made from it, and a traced placeholder box when the file is missing or
// cannot be read. Never leaves a load pending and never fails the call.
#pragma once

#include <string>

#include "engine/engine_scene.h"

namespace engine {

class EngineCore;

EngineRef<EngineNode> LoadModelNode(EngineCore& core, const std::string& path);

}  // namespace engine
