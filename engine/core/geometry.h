// The triangles the engine shows, for the renderer and for picks, so both see the same surfaces.
//
// - Generated shapes (EngineMesh): MeshTrianglesOf(mesh) gives the triangles of every named face in the
//   mesh's own space, before the mesh's scale; draw them with the carrying node's WorldTransform() times
//   Mat3::Scale(mesh.Scale()). Cached on the mesh and rebuilt when mesh.Revision() changes.
// - Loaded models: ModelGeometryOf(node) gives the model's current pose (animation and skinning done) as
//   triangle batches, one per primitive, in the model node's own space: draw them with the node's
//   WorldTransform(). The parts under a model (its bones) carry no triangles of their own; things the game
//   hangs on them are ordinary children. A batch's vertices change only when the pose does
//   (ModelGeometry::revision); its texture is the material's current picture (a replaced one, or the file's
//   own), with the picture's colour key transparent.
// - World placement: EngineNode::WorldTransform() applies the keep-facing modes of PointAt (3 and 4).
//
// Winding: a triangle is seen from the side where its vertices run clockwise, i.e. its right-hand cross
// product (b - a) x (c - a) points away from the viewer, in this left-handed world. Model files store their
// triangles the same way.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/engine_scene.h"

namespace engine {

// Same layout as a renderer's interleaved vertex: position, normal, image coordinates.
struct GeometryVertex {
  float px, py, pz;
  float nx, ny, nz;
  float u, v;  // v = 0 is the image's top row
};
static_assert(sizeof(GeometryVertex) == 8 * sizeof(float), "GeometryVertex must stay tightly packed");

inline Vec3 PositionOf(const GeometryVertex& v) { return {v.px, v.py, v.pz}; }

// Measure i of a shape in the order EngineRoot's Create call takes them (0 when the shape has fewer).
inline float MeshParam(const EngineMesh& mesh, size_t i) { return i < mesh.Params().size() ? mesh.Params()[i] : 0.0f; }

struct FaceRange {
  std::wstring face;
  uint32_t first = 0;  // vertices, three per triangle
  uint32_t count = 0;
};

struct MeshTriangles {
  std::vector<GeometryVertex> vertices;  // triangle list
  std::vector<FaceRange> faces;
  Vec3 boundsMin, boundsMax;  // of the vertices (zero when there are none)
};

// Round shapes asked with fewer than 3 segments take this many.
constexpr int kDefaultSegments = 16;

MeshTriangles BuildMeshTriangles(const EngineMesh& mesh);
const MeshTriangles& MeshTrianglesOf(const EngineMesh& mesh);

struct ModelBatch {
  const std::wstring* material = nullptr;  // the material's name (empty for the default material)
  Color color{255, 255, 255};
  int opacity = 255;
  const EngineBitmap* texture = nullptr;                  // null: colour only
  const std::vector<GeometryVertex>* vertices = nullptr;  // triangle list
  Vec3 boundsMin, boundsMax;                              // of the vertices
};

struct ModelGeometry {
  uint64_t revision = 0;  // changes whenever any batch's vertices change
  std::vector<ModelBatch> batches;
};

// Empty (revision 0, no batches) when the node is not a model. The pointers stay valid until the next call
// for this node or until the model goes.
ModelGeometry ModelGeometryOf(EngineNode& node);

}  // namespace engine
