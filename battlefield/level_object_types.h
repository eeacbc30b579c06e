// The kinds of level object that dress the overhead battlefield, and what each one is built from: the
// model file and its load flag, for trees the camera-facing billboard and the textures of the foliage and
// trunk, the model's own scale and the scale the object starts with. Rocks, the second tent and the two
// trucks have no entry: asking for one builds nothing.
#pragma once

#include <cstdint>

namespace kestrine {

enum ObjType : int32_t {
  OBJ_TREE1 = 0,
  OBJ_TREE2 = 1,
  OBJ_TREE3 = 2,
  OBJ_TREE4 = 3,
  OBJ_ROCK1 = 4,
  OBJ_ROCK2 = 5,
  OBJ_WALL1 = 6,
  OBJ_WALL2 = 7,
  OBJ_TENT1 = 8,
  OBJ_TENT2 = 9,
  OBJ_BUILDING1 = 10,
  OBJ_BUILDING2 = 11,
  OBJ_BUILDING3 = 12,
  OBJ_TRUCK1 = 13,
  OBJ_TRUCK2 = 14,
  OBJ_TANK1 = 15,
  OBJ_TANK2 = 16,
  OBJ_WALL3 = 17,
  OBJ_BUILDING4 = 18,
  OBJ_BUILDING5 = 19,
  OBJ_BUILDING6 = 20,
  OBJ_BUILDING7 = 21,
  OBJ_WALL4 = 22,
  OBJ_HELICOPTER = 23,
};
constexpr int kObjTypeCount = 24;

// A model material and the level texture slot (shell/asset_loader.h) shown on it.
struct ObjMaterial {
  const wchar_t* material;  // nullptr: none
  int32_t textureSlot;
};

struct ObjTypeDef {
  const char* name;       // as the placement tool shows it
  const wchar_t* model;   // nullptr: nothing is built
  int32_t loadFlag;       // second argument of the model load
  int32_t billboardSlot;  // trees: the billboard's texture slot (the first of the tree's three); else -1
  float planeDivisor;     // trees: billboard size = texture size / this
  float billboardHeight;  // trees: how high the billboard floats over the tree's foot
  int32_t faceFlag;       // trees: last argument of the billboard's face picture
  ObjMaterial materials[2];
  bool hasModelScale;
  float modelScale[3];
  float startScale[3];  // the object's own scale fields after it is built
};

extern const ObjTypeDef kObjTypes[kObjTypeCount];

// The entry of a type, or nullptr for a type with nothing to build (including any value outside 0..23).
const ObjTypeDef* FindObjType(int32_t type);
// The name the placement tool shows ("TREE1" ...); "?" outside the table.
const char* ObjTypeName(int32_t type);

}  // namespace kestrine
