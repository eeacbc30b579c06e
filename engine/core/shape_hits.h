// Where a ray meets what a node shows: its generated shapes (a grid answers from its height field) and its
// model's current triangles. The ray is origin + dir * t in world space; t runs up to maxT.
#pragma once

#include "engine/engine_scene.h"

namespace engine {

struct RayHit {
  float t = 0;
  Vec3 normal;  // world, unit length, facing the ray's origin
};

// The nearest crossing of the node's shapes and model, nearer than best.t when found is set. world is the
// node's world transform.
bool RayHitsNode(EngineNode& node, const Affine& world, const Vec3& origin, const Vec3& dir, float maxT, RayHit& best,
                 bool found);

}  // namespace engine
