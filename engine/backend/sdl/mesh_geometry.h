// The triangles of the engine's generated shapes (plane, box, cylinder, sphere, grid), grouped by named
// face so each face can carry its own colour, image and opacity. Built on the CPU in the shape's own
// space; the mesh's scale is applied by the renderer.
//
// Faces look outwards. A plane's "front" looks along its object's forward axis (+z), which is where an
// object pointed at the camera turns it; images read the right way round from the side they are on.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/engine_scene.h"

namespace engine {

struct MeshVertex {
  float px, py, pz;
  float nx, ny, nz;
  float u, v;  // v = 0 is the image's top row
};

struct MeshFaceRange {
  std::wstring face;
  uint32_t first = 0;  // vertices (three per triangle)
  uint32_t count = 0;
};

struct MeshGeometry {
  std::vector<MeshVertex> vertices;
  std::vector<MeshFaceRange> faces;
};

// Segments asked as 0 (or too few to make a solid) take this many.
constexpr int kDefaultRoundSegments = 16;

MeshGeometry BuildMeshGeometry(const EngineMesh& mesh);

}  // namespace engine
