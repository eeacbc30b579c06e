// Bends a model's triangles to a pose on the CPU: skinned batches follow their joints, rigid batches their
// node. The result is in the model's own space.
#pragma once

#include <vector>

#include "core/geometry.h"
#include "core/model_data.h"

namespace engine {

struct PosedBatch {
  int material = -1;
  std::vector<GeometryVertex> vertices;  // triangle list
  Vec3 boundsMin, boundsMax;
};

// nodeSpace holds every node's placement in the model's own space. out keeps its storage between calls.
void PoseTriangles(const ModelData& data, const std::vector<Affine>& nodeSpace, std::vector<PosedBatch>& out);

}  // namespace engine
