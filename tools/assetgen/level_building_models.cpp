// The buildings, walls, tent and parked helicopter of the level layouts, built from boxes and cylinders.
// Houses stand on y 0 with their door on the -z side. The corners and the wall are one-unit pieces (the
// layouts scale them up to the length they need); the houses are full size at scale 1.
#include <cstdint>
#include <string>

#include "tools/assetgen/canonical_path.h"
#include "tools/assetgen/level_object_generators.h"
#include "tools/assetgen/model_builder.h"

namespace assetgen {

namespace {

using engine::Color;
using engine::Vec3;

void Save(DataTree& tree, const std::string& path, const ModelBuilder& model) {
  tree.WriteBytes(CanonicalPath(path), model.WriteRigid());
}

Color Darker(Color c) {
  return {static_cast<uint8_t>(c.r * 3 / 4), static_cast<uint8_t>(c.g * 3 / 4), static_cast<uint8_t>(c.b * 3 / 4)};
}

struct HouseMaterials {
  int wall, roof, door, window;
};

HouseMaterials AddHouseMaterials(ModelBuilder& b, Color wall, Color roof) {
  return {b.AddMaterial("wall", wall), b.AddMaterial("roof", roof), b.AddMaterial("door", {70, 52, 34}),
          b.AddMaterial("window", {30, 34, 40})};
}

// Doors and windows sit just proud of the wall they are on.
void Door(ModelBuilder& b, int part, int material, float x, float z, float width, float height) {
  b.AddBox(part, material, {x, height / 2, z}, {width, height, 0.08f});
}

void WindowRow(ModelBuilder& b, int part, int material, float y, float z, float from, float to, int count) {
  for (int i = 0; i < count; ++i) {
    const float x = count == 1 ? (from + to) / 2 : from + (to - from) * i / (count - 1);
    b.AddBox(part, material, {x, y, z}, {0.8f, 0.7f, 0.08f});
  }
}

// An L of two low wall legs meeting at the origin, along +x and +z.
ModelBuilder Corner(const std::string& name, Color stone, float legX, float legZ, float height, float thick,
                    bool pillar) {
  ModelBuilder b;
  const int wall = b.AddMaterial("stone", stone);
  const int cap = b.AddMaterial("capstone", Darker(stone));
  const int root = b.AddPart(name, -1, {});
  b.AddBox(root, wall, {legX / 2, height / 2, 0}, {legX, height, thick});
  b.AddBox(root, wall, {0, height / 2, legZ / 2}, {thick, height, legZ});
  b.AddBox(root, cap, {legX / 2, height + 0.01f, 0}, {legX, 0.02f, thick * 1.3f});
  b.AddBox(root, cap, {0, height + 0.01f, legZ / 2}, {thick * 1.3f, 0.02f, legZ});
  if (pillar) b.AddBox(root, cap, {0, height * 0.6f, 0}, {thick * 1.8f, height * 1.2f, thick * 1.8f});
  return b;
}

ModelBuilder Wall() {
  ModelBuilder b;
  const int wall = b.AddMaterial("stone", {168, 150, 120});
  const int cap = b.AddMaterial("capstone", {130, 116, 92});
  const int root = b.AddPart("wall", -1, {});
  b.AddBox(root, wall, {0, 0.15f, 0}, {1.0f, 0.3f, 0.07f});
  b.AddBox(root, cap, {0, 0.31f, 0}, {1.0f, 0.02f, 0.09f});
  return b;
}

// A long, low house under a pitched roof.
ModelBuilder Longhouse() {
  ModelBuilder b;
  const HouseMaterials m = AddHouseMaterials(b, {196, 176, 140}, {120, 70, 50});
  const int root = b.AddPart("longhouse", -1, {});
  b.AddBox(root, m.wall, {0, 1.75f, 0}, {14, 3.5f, 6});
  b.AddBox(root, m.roof, {0, 4.1f, -1.6f}, {14.6f, 0.2f, 3.6f}, Turn({1, 0, 0}, -20));
  b.AddBox(root, m.roof, {0, 4.1f, 1.6f}, {14.6f, 0.2f, 3.6f}, Turn({1, 0, 0}, 20));
  b.AddBox(root, m.wall, {-6.9f, 3.9f, 0}, {0.2f, 0.9f, 4.2f});
  b.AddBox(root, m.wall, {6.9f, 3.9f, 0}, {0.2f, 0.9f, 4.2f});
  Door(b, root, m.door, 0, -3.02f, 1.2f, 2.1f);
  WindowRow(b, root, m.window, 2.0f, -3.02f, -5.5f, 5.5f, 4);
  WindowRow(b, root, m.window, 2.0f, 3.02f, -5.5f, 5.5f, 5);
  return b;
}

// A narrow house of three storeys with a flat roof behind a parapet.
ModelBuilder Tall() {
  ModelBuilder b;
  const HouseMaterials m = AddHouseMaterials(b, {210, 196, 168}, {150, 140, 120});
  const int root = b.AddPart("tall", -1, {});
  b.AddBox(root, m.wall, {0, 4.75f, 0}, {7, 9.5f, 7});
  b.AddBox(root, m.roof, {0, 9.55f, 0}, {6.6f, 0.1f, 6.6f});
  const float edge[4][4] = {{0, -3.4f, 7, 0.2f}, {0, 3.4f, 7, 0.2f}, {-3.4f, 0, 0.2f, 7}, {3.4f, 0, 0.2f, 7}};
  for (const auto& e : edge) b.AddBox(root, m.wall, {e[0], 9.9f, e[1]}, {e[2], 0.8f, e[3]});
  Door(b, root, m.door, 0, -3.52f, 1.2f, 2.2f);
  for (int floor = 0; floor < 3; ++floor) {
    const float y = 1.8f + 3.0f * floor;
    if (floor > 0) WindowRow(b, root, m.window, y, -3.52f, -2.0f, 2.0f, 2);
    WindowRow(b, root, m.window, y, 3.52f, -2.0f, 2.0f, 2);
  }
  return b;
}

// A one-room house with a flat roof.
ModelBuilder Small() {
  ModelBuilder b;
  const HouseMaterials m = AddHouseMaterials(b, {202, 180, 140}, {170, 150, 118});
  const int root = b.AddPart("small", -1, {});
  b.AddBox(root, m.wall, {0, 1.6f, 0}, {5, 3.2f, 5});
  b.AddBox(root, m.roof, {0, 3.3f, 0}, {5.3f, 0.2f, 5.3f});
  Door(b, root, m.door, -1.0f, -2.52f, 1.0f, 2.0f);
  WindowRow(b, root, m.window, 1.8f, -2.52f, 1.2f, 1.2f, 1);
  WindowRow(b, root, m.window, 1.8f, 2.52f, 0, 0, 1);
  return b;
}

// A two-storey barracks block with a flat roof and a porch over its door.
ModelBuilder Building1() {
  ModelBuilder b;
  const HouseMaterials m = AddHouseMaterials(b, {176, 170, 150}, {110, 110, 104});
  const int root = b.AddPart("building1", -1, {});
  b.AddBox(root, m.wall, {0, 3.0f, 0}, {16, 6, 12});
  b.AddBox(root, m.roof, {0, 6.1f, 0}, {16.4f, 0.2f, 12.4f});
  b.AddBox(root, m.roof, {0, 2.6f, -6.8f}, {4, 0.15f, 1.6f});
  b.AddCylinder(root, m.wall, {-1.8f, 0, -7.4f}, {-1.8f, 2.55f, -7.4f}, 0.1f, 6);
  b.AddCylinder(root, m.wall, {1.8f, 0, -7.4f}, {1.8f, 2.55f, -7.4f}, 0.1f, 6);
  Door(b, root, m.door, 0, -6.02f, 1.6f, 2.2f);
  WindowRow(b, root, m.window, 1.8f, -6.02f, -6.5f, -2.5f, 3);
  WindowRow(b, root, m.window, 1.8f, -6.02f, 2.5f, 6.5f, 3);
  WindowRow(b, root, m.window, 4.6f, -6.02f, -6.5f, 6.5f, 7);
  WindowRow(b, root, m.window, 4.6f, 6.02f, -6.5f, 6.5f, 7);
  return b;
}

// A villa round a courtyard, a dome over its hall and a low wall in front.
ModelBuilder Fancy() {
  ModelBuilder b;
  const HouseMaterials m = AddHouseMaterials(b, {232, 222, 200}, {80, 130, 150});
  const int root = b.AddPart("fancy", -1, {});
  b.AddBox(root, m.wall, {0, 2.5f, 2}, {12, 5, 8});
  b.AddBox(root, m.wall, {-4.5f, 2.0f, -3.5f}, {3, 4, 3});
  b.AddBox(root, m.wall, {4.5f, 2.0f, -3.5f}, {3, 4, 3});
  b.AddBox(root, m.roof, {0, 5.05f, 2}, {12.2f, 0.1f, 8.2f});
  for (int ring = 0; ring < 4; ++ring) {
    const float r = 2.6f - 0.6f * ring;
    b.AddCylinder(root, m.roof, {0, 5.1f + 0.5f * ring, 2}, {0, 5.6f + 0.5f * ring, 2}, r, 16);
  }
  b.AddCylinder(root, m.door, {0, 7.1f, 2}, {0, 7.8f, 2}, 0.08f, 6);
  b.AddBox(root, m.wall, {0, 0.6f, -6.0f}, {12, 1.2f, 0.3f});
  Door(b, root, m.door, 0, -2.02f, 1.6f, 2.6f);
  WindowRow(b, root, m.window, 3.2f, -2.02f, -2.5f, 2.5f, 2);
  WindowRow(b, root, m.window, 2.5f, 6.02f, -4.5f, 4.5f, 4);
  return b;
}

// A house gutted by shelling: walls broken off at different heights, no roof, rubble heaped inside.
ModelBuilder Ruined() {
  ModelBuilder b;
  const int wall = b.AddMaterial("wall", {170, 158, 136});
  const int rubble = b.AddMaterial("rubble", {120, 112, 100});
  const int soot = b.AddMaterial("soot", {56, 52, 48});
  const int root = b.AddPart("ruined", -1, {});
  b.AddBox(root, wall, {-3.0f, 1.5f, -4}, {4, 3, 0.4f});
  b.AddBox(root, wall, {3.5f, 0.8f, -4}, {3, 1.6f, 0.4f});
  b.AddBox(root, wall, {-5, 1.2f, 0}, {0.4f, 2.4f, 8});
  b.AddBox(root, wall, {5, 2.2f, 1.5f}, {0.4f, 4.4f, 5});
  b.AddBox(root, wall, {0, 0.6f, 4}, {10, 1.2f, 0.4f});
  b.AddBox(root, soot, {-3.0f, 2.2f, -3.78f}, {1.6f, 1.0f, 0.06f});
  b.AddBox(root, rubble, {0.5f, 0.35f, -1}, {3.5f, 0.7f, 2.5f}, Turn({0, 1, 0}, 25));
  b.AddBox(root, rubble, {-2.2f, 0.25f, 2}, {2.0f, 0.5f, 1.6f}, Turn({0, 1, 0}, -15));
  b.AddBox(root, rubble, {3.2f, 0.3f, -2.8f}, {1.4f, 0.6f, 1.2f}, Turn({0, 1, 0}, 40));
  b.AddBox(root, wall, {2.0f, 0.6f, 1.0f}, {2.5f, 0.2f, 0.4f}, Turn({0, 0, 1}, 20));  // a fallen beam
  return b;
}

// A long shed with a low-pitched roof and two wide doors.
ModelBuilder Warehouse() {
  ModelBuilder b;
  const HouseMaterials m = AddHouseMaterials(b, {150, 150, 140}, {110, 116, 118});
  const int root = b.AddPart("warehouse", -1, {});
  b.AddBox(root, m.wall, {0, 3.0f, 0}, {20, 6, 12});
  b.AddBox(root, m.roof, {0, 6.5f, -3.05f}, {20.6f, 0.15f, 6.4f}, Turn({1, 0, 0}, -10));
  b.AddBox(root, m.roof, {0, 6.5f, 3.05f}, {20.6f, 0.15f, 6.4f}, Turn({1, 0, 0}, 10));
  b.AddBox(root, m.wall, {-9.95f, 6.4f, 0}, {0.1f, 0.9f, 10});
  b.AddBox(root, m.wall, {9.95f, 6.4f, 0}, {0.1f, 0.9f, 10});
  Door(b, root, m.door, -5, -6.02f, 4.0f, 4.4f);
  Door(b, root, m.door, 5, -6.02f, 4.0f, 4.4f);
  WindowRow(b, root, m.window, 5.0f, 6.02f, -8, 8, 6);
  return b;
}

// A ridge tent under its camouflage net (material "lambert8", which the game dresses with the net
// picture), door at -z.
ModelBuilder Tent() {
  ModelBuilder b;
  const int net = b.AddMaterial("lambert8", {92, 96, 60});
  const int canvas = b.AddMaterial("canvas", {120, 116, 84});
  const int pole = b.AddMaterial("pole", {80, 64, 44});
  const int root = b.AddPart("tent", -1, {});
  // Two sloping sides meeting at a ridge 2.8 high over a 6-wide floor.
  b.AddBox(root, net, {-1.55f, 1.4f, 0}, {0.08f, 3.55f, 8}, Turn({0, 0, 1}, -40));
  b.AddBox(root, net, {1.55f, 1.4f, 0}, {0.08f, 3.55f, 8}, Turn({0, 0, 1}, 40));
  b.AddBox(root, canvas, {0, 1.0f, 3.95f}, {3.6f, 2.0f, 0.06f});
  b.AddBox(root, canvas, {-1.3f, 1.0f, -3.95f}, {1.2f, 2.0f, 0.06f});
  b.AddBox(root, canvas, {1.3f, 1.0f, -3.95f}, {1.2f, 2.0f, 0.06f});
  b.AddCylinder(root, pole, {0, 0, -4.1f}, {0, 2.9f, -4.1f}, 0.05f, 6);
  b.AddCylinder(root, pole, {0, 0, 4.1f}, {0, 2.9f, 4.1f}, 0.05f, 6);
  return b;
}

// A transport helicopter parked on its skids, nose to +z, rotor blades still.
ModelBuilder Helicopter() {
  ModelBuilder b;
  const int body = b.AddMaterial("fuselage", {76, 86, 64});
  const int glass = b.AddMaterial("glass", {40, 60, 70});
  const int metal = b.AddMaterial("metal", {46, 46, 44});
  const int root = b.AddPart("helicopter", -1, {});
  b.AddBox(root, body, {0, 1.5f, 0.5f}, {2.2f, 2.0f, 6});
  b.AddBox(root, glass, {0, 1.7f, 3.7f}, {1.9f, 1.3f, 0.8f});
  b.AddCylinder(root, body, {0, 1.9f, -2.4f}, {0, 2.2f, -8.0f}, 0.35f, 8);
  b.AddBox(root, body, {0, 2.9f, -7.7f}, {0.15f, 1.6f, 0.9f});
  b.AddCylinder(root, metal, {0, 2.5f, 0.6f}, {0, 3.0f, 0.6f}, 0.15f, 8);
  b.AddBox(root, metal, {0, 3.05f, 0.6f}, {14.0f, 0.05f, 0.45f}, Turn({0, 1, 0}, 30));
  b.AddBox(root, metal, {0, 3.05f, 0.6f}, {14.0f, 0.05f, 0.45f}, Turn({0, 1, 0}, 120));
  b.AddBox(root, metal, {-1.2f, 0.05f, 0.5f}, {0.12f, 0.1f, 5.0f});
  b.AddBox(root, metal, {1.2f, 0.05f, 0.5f}, {0.12f, 0.1f, 5.0f});
  for (float z : {-1.0f, 2.0f}) {
    b.AddCylinder(root, metal, {-1.2f, 0.1f, z}, {-1.0f, 0.6f, z}, 0.05f, 6);
    b.AddCylinder(root, metal, {1.2f, 0.1f, z}, {1.0f, 0.6f, z}, 0.05f, 6);
  }
  return b;
}

}  // namespace

void WriteLevelBuildingModels(DataTree& tree) {
  Save(tree, "terrain\\buildings\\corner1\\corner1.qsad",
       Corner("corner1", {176, 160, 128}, 1.0f, 1.0f, 0.3f, 0.07f, false));
  Save(tree, "terrain\\buildings\\corner2\\corner2.qsad",
       Corner("corner2", {150, 120, 90}, 1.5f, 1.0f, 0.28f, 0.08f, false));
  Save(tree, "terrain\\buildings\\corner3\\corner3.qsad",
       Corner("corner3", {186, 170, 140}, 0.8f, 0.8f, 0.25f, 0.05f, true));
  Save(tree, "terrain\\buildings\\wall\\wall.qsad", Wall());
  Save(tree, "terrain\\buildings\\longhouse\\longhouse.qsad", Longhouse());
  Save(tree, "terrain\\buildings\\tall\\tall.qsad", Tall());
  Save(tree, "terrain\\buildings\\small\\small.qsad", Small());
  Save(tree, "terrain\\buildings\\building1\\building1.qsad", Building1());
  Save(tree, "terrain\\buildings\\fancy\\fancy.qsad", Fancy());
  Save(tree, "terrain\\buildings\\ruined\\ruined.qsad", Ruined());
  Save(tree, "terrain\\buildings\\warehouse\\warehouse.qsad", Warehouse());
  Save(tree, "terrain\\buildings\\building1\\helicopter.qsad", Helicopter());
  Save(tree, "terrain\\tent\\tent.qsad", Tent());
}

}  // namespace assetgen
