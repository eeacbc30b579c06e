// The four trees. Each is a trunk in its trunk material and a crown in its foliage material, about 1.2 to
// 1.4 units tall at scale 1: the game scales the model (4 to 6.5 times) and shows a billboard of the crown
// over it in the tilted view.
#include <cmath>
#include <string>

#include "tools/assetgen/canonical_path.h"
#include "tools/assetgen/level_object_generators.h"
#include "tools/assetgen/model_builder.h"

namespace assetgen {

namespace {

using engine::Vec3;

constexpr float kPi = 3.14159265f;

void Save(DataTree& tree, const std::string& path, const ModelBuilder& model) {
  tree.WriteBytes(CanonicalPath(path), model.WriteRigid());
}

// A date palm: a tall, slightly leaning trunk and a ring of long fronds drooping from its top.
ModelBuilder DatePalm() {
  ModelBuilder b;
  const int leaf = b.AddMaterial("datepalm", {70, 120, 46});
  const int bark = b.AddMaterial("trunk1", {120, 94, 60});
  const int root = b.AddPart("datepalm", -1, {});
  const Vec3 top{0.06f, 1.15f, 0.0f};
  b.AddCylinder(root, bark, {0, 0, 0}, {0.03f, 0.6f, 0}, 0.05f, 8);
  b.AddCylinder(root, bark, {0.03f, 0.6f, 0}, top, 0.04f, 8);
  for (int f = 0; f < 9; ++f) {
    const float yaw = 40.0f * f;
    const float droop = f % 2 == 0 ? 25.0f : 40.0f;
    const float a = yaw * kPi / 180.0f;
    const Vec3 out{std::cos(a), -std::sin(droop * kPi / 180.0f), std::sin(a)};
    b.AddBox(root, leaf, top + out * 0.22f, {0.46f, 0.015f, 0.09f}, Turn({0, 1, 0}, -yaw) * Turn({0, 0, 1}, -droop));
  }
  b.AddBox(root, bark, top + Vec3{0, -0.03f, 0}, {0.12f, 0.08f, 0.12f});  // the dates
  return b;
}

// A conifer: a short trunk under four tiers of branches, each narrower than the one below.
ModelBuilder Evergreen() {
  ModelBuilder b;
  const int leaf = b.AddMaterial("evergreen", {34, 84, 40});
  const int bark = b.AddMaterial("trunk3", {96, 64, 40});
  const int root = b.AddPart("evergreen", -1, {});
  b.AddCylinder(root, bark, {0, 0, 0}, {0, 0.4f, 0}, 0.06f, 8);
  for (int tier = 0; tier < 4; ++tier) {
    const float width = 0.8f - 0.18f * tier;
    b.AddBox(root, leaf, {0, 0.42f + 0.24f * tier, 0}, {width, 0.3f, width}, Turn({0, 1, 0}, tier * 22.5f));
  }
  b.AddBox(root, leaf, {0, 1.34f, 0}, {0.12f, 0.2f, 0.12f});
  return b;
}

// A eucalyptus: a pale trunk forking into two limbs under a loose, airy crown.
ModelBuilder Eucalyptus() {
  ModelBuilder b;
  const int leaf = b.AddMaterial("eucalyptus", {74, 112, 96});
  const int bark = b.AddMaterial("trunk2", {190, 180, 160});
  const int root = b.AddPart("eucalyptus", -1, {});
  b.AddCylinder(root, bark, {0, 0, 0}, {0, 0.55f, 0}, 0.045f, 8);
  b.AddCylinder(root, bark, {0, 0.55f, 0}, {0.16f, 0.9f, 0.05f}, 0.03f, 6);
  b.AddCylinder(root, bark, {0, 0.55f, 0}, {-0.12f, 0.95f, -0.06f}, 0.03f, 6);
  const Vec3 clumps[5] = {{0.16f, 0.98f, 0.05f},
                          {-0.12f, 1.04f, -0.06f},
                          {0.02f, 1.16f, 0.0f},
                          {0.1f, 1.08f, -0.16f},
                          {-0.08f, 0.92f, 0.16f}};
  for (int i = 0; i < 5; ++i) b.AddBox(root, leaf, clumps[i], {0.34f, 0.22f, 0.34f}, Turn({0, 1, 0}, 17.0f * i));
  return b;
}

// An olive: a thick, twisted trunk and a broad, low crown.
ModelBuilder Olive() {
  ModelBuilder b;
  const int leaf = b.AddMaterial("oliv", {104, 116, 80});
  const int bark = b.AddMaterial("trunk1", {110, 92, 70});
  const int root = b.AddPart("oliv", -1, {});
  b.AddCylinder(root, bark, {0, 0.02f, 0}, {0.05f, 0.25f, 0.02f}, 0.08f, 8);
  b.AddCylinder(root, bark, {0.05f, 0.25f, 0.02f}, {-0.03f, 0.5f, 0.0f}, 0.06f, 8);
  b.AddBox(root, leaf, {0, 0.62f, 0}, {0.9f, 0.3f, 0.8f}, Turn({0, 1, 0}, 10));
  b.AddBox(root, leaf, {0.1f, 0.8f, -0.05f}, {0.6f, 0.22f, 0.6f}, Turn({0, 1, 0}, 40));
  b.AddBox(root, leaf, {-0.2f, 0.72f, 0.15f}, {0.4f, 0.2f, 0.4f});
  return b;
}

}  // namespace

void WriteLevelTreeModels(DataTree& tree) {
  Save(tree, "terrain\\trees\\datepalm\\datepalm.qsad", DatePalm());
  Save(tree, "terrain\\trees\\evergreen\\evergreen.qsad", Evergreen());
  Save(tree, "terrain\\trees\\eucalyptus\\eucalyptus.qsad", Eucalyptus());
  Save(tree, "terrain\\trees\\oliv\\oliv.qsad", Olive());
}

}  // namespace assetgen
