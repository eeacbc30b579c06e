// The two vehicles that also stand parked in the level layouts: the truck (made small, 3.2 units long:
// the game scales it by 1.7 to 1.75) and the hummer (made in its own large units, 30 long: the game
// scales it by 0.15). Both face +z and stand on their wheels at y 0.
#include <string>

#include "tools/assetgen/canonical_path.h"
#include "tools/assetgen/level_object_generators.h"
#include "tools/assetgen/model_builder.h"

namespace assetgen {

namespace {

using engine::Vec3;

void Save(DataTree& tree, const std::string& path, const ModelBuilder& model) {
  tree.WriteBytes(CanonicalPath(path), model.WriteRigid());
}

void Wheel(ModelBuilder& b, int part, int material, const Vec3& centre, float radius, float width) {
  b.AddCylinder(part, material, centre - Vec3{width / 2, 0, 0}, centre + Vec3{width / 2, 0, 0}, radius, 10);
}

// A covered army truck: cab at the front, canvas over the load bed, six wheels.
ModelBuilder Truck() {
  ModelBuilder b;
  const int paint = b.AddMaterial("body", {88, 96, 64});
  const int canvas = b.AddMaterial("canvas", {110, 108, 78});
  const int glass = b.AddMaterial("glass", {40, 54, 60});
  const int tyre = b.AddMaterial("tyre", {28, 28, 28});
  const int root = b.AddPart("truck", -1, {});
  b.AddBox(root, paint, {0, 0.45f, 0}, {1.2f, 0.2f, 3.2f});
  b.AddBox(root, paint, {0, 0.85f, 1.15f}, {1.2f, 0.7f, 0.8f});
  b.AddBox(root, glass, {0, 1.0f, 1.56f}, {1.0f, 0.3f, 0.04f});
  b.AddBox(root, canvas, {0, 0.95f, -0.45f}, {1.26f, 0.8f, 2.1f});
  for (float z : {1.1f, -0.5f, -1.1f}) {
    Wheel(b, root, tyre, {-0.58f, 0.25f, z}, 0.25f, 0.18f);
    Wheel(b, root, tyre, {0.58f, 0.25f, z}, 0.25f, 0.18f);
  }
  return b;
}

// A low, wide utility vehicle with a flat bonnet and an open back.
ModelBuilder Hummer() {
  ModelBuilder b;
  const int paint = b.AddMaterial("body", {120, 112, 80});
  const int glass = b.AddMaterial("glass", {40, 54, 60});
  const int tyre = b.AddMaterial("tyre", {28, 28, 28});
  const int root = b.AddPart("hummer", -1, {});
  b.AddBox(root, paint, {0, 4.5f, 0}, {14, 3, 30});
  b.AddBox(root, paint, {0, 8.0f, -1}, {13, 4, 12});
  b.AddBox(root, glass, {0, 8.2f, 5.05f}, {11.5f, 2.6f, 0.2f});
  b.AddBox(root, paint, {0, 6.3f, -11}, {13, 0.6f, 8});
  for (float z : {9.5f, -9.5f}) {
    Wheel(b, root, tyre, {-6.2f, 2.6f, z}, 2.6f, 2.2f);
    Wheel(b, root, tyre, {6.2f, 2.6f, z}, 2.6f, 2.2f);
  }
  return b;
}

}  // namespace

void WriteParkedVehicleModels(DataTree& tree) {
  Save(tree, "terrain\\Vehicles\\truck.qsad", Truck());
  Save(tree, "terrain\\Vehicles\\hummer.qsad", Hummer());
}

}  // namespace assetgen
