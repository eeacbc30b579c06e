#include "battlefield/level_object_types.h"

namespace kestrine {

namespace {

constexpr ObjMaterial kNoMaterials[2] = {{nullptr, 0}, {nullptr, 0}};

// A type built from its model alone, starting at scale 1.
constexpr ObjTypeDef ModelOnly(const char* name, const wchar_t* model, int32_t flag) {
  return {name, model, flag, -1, 0.0f, 0.0f, 0, {kNoMaterials[0], kNoMaterials[1]}, false, {0, 0, 0}, {1, 1, 1}};
}

constexpr ObjTypeDef Nothing(const char* name) {
  return {name, nullptr, 0, -1, 0.0f, 0.0f, 0, {kNoMaterials[0], kNoMaterials[1]}, false, {0, 0, 0}, {0, 0, 0}};
}

}  // namespace

// clang-format off
const ObjTypeDef kObjTypes[kObjTypeCount] = {
    // Trees: the model carries the trunk and crown seen from straight above, the billboard the crown seen
    // from the side in the tilted view. Their scale lives in the model, so the object's own scale is 0.
    {"TREE1", L"terrain\\trees\\datepalm\\datepalm.qsad", 2, 0, 20.0f, 3.0f, 1,
     {{L"datepalm", 1}, {L"trunk1", 2}}, true, {5.5f, 4.0f, 5.5f}, {0, 0, 0}},
    {"TREE2", L"terrain\\trees\\evergreen\\evergreen.qsad", 2, 3, 15.0f, 2.0f, 1,
     {{L"evergreen", 4}, {L"trunk3", 5}}, true, {3.5f, 3.5f, 3.5f}, {0, 0, 0}},
    {"TREE3", L"terrain\\trees\\eucalyptus\\eucalyptus.qsad", 2, 6, 20.0f, 3.0f, 1,
     {{L"eucalyptus", 7}, {L"trunk2", 8}}, true, {6.5f, 5.0f, 6.5f}, {0, 0, 0}},
    {"TREE4", L"terrain\\trees\\oliv\\oliv.qsad", 2, 9, 20.0f, 3.0f, 0,
     {{L"oliv", 10}, {L"trunk1", 11}}, true, {6.5f, 5.0f, 6.5f}, {0, 0, 0}},
    Nothing("ROCK1"),
    Nothing("ROCK2"),
    ModelOnly("WALL1", L"terrain\\buildings\\corner1\\corner1.qsad", 2),
    ModelOnly("WALL2", L"terrain\\buildings\\corner2\\corner2.qsad", 2),
    // The tent is dressed with the camouflage net picture.
    {"TENT1", L"terrain\\tent\\tent.qsad", 2, -1, 0.0f, 0.0f, 0,
     {{L"lambert8", 13}, {nullptr, 0}}, false, {0, 0, 0}, {1, 1, 1}},
    Nothing("TENT2"),
    ModelOnly("BUILDING1", L"terrain\\buildings\\longhouse\\longhouse.qsad", 2),
    ModelOnly("BUILDING2", L"terrain\\buildings\\tall\\tall.qsad", 2),
    ModelOnly("BUILDING3", L"terrain\\buildings\\small\\small.qsad", 2),
    Nothing("TRUCK1"),
    Nothing("TRUCK2"),
    // The parked vehicles share the moving vehicles' models, sized by the model's own scale.
    {"TANK1", L"terrain\\Vehicles\\truck.qsad", 2, -1, 0.0f, 0.0f, 0,
     {kNoMaterials[0], kNoMaterials[1]}, true, {1.75f, 1.75f, 1.75f}, {1.75f, 1.75f, 1.75f}},
    {"TANK2", L"terrain\\Vehicles\\hummer.qsad", 2, -1, 0.0f, 0.0f, 0,
     {kNoMaterials[0], kNoMaterials[1]}, true, {0.15f, 0.15f, 0.15f}, {0.15f, 0.15f, 0.15f}},
    ModelOnly("WALL3", L"terrain\\buildings\\corner3\\corner3.qsad", 2),
    ModelOnly("BUILDING4", L"terrain\\buildings\\building1\\building1.qsad", 1),
    ModelOnly("BUILDING5", L"terrain\\buildings\\fancy\\fancy.qsad", 2),
    ModelOnly("BUILDING6", L"terrain\\buildings\\ruined\\ruined.qsad", 2),
    ModelOnly("BUILDING7", L"terrain\\buildings\\warehouse\\warehouse.qsad", 1),
    ModelOnly("WALL4", L"terrain\\buildings\\wall\\wall.qsad", 2),
    ModelOnly("HELICOPTER", L"terrain\\buildings\\building1\\helicopter.qsad", 1),
};
// clang-format on

const ObjTypeDef* FindObjType(int32_t type) {
  if (type < 0 || type >= kObjTypeCount || kObjTypes[type].model == nullptr) return nullptr;
  return &kObjTypes[type];
}

const char* ObjTypeName(int32_t type) { return type >= 0 && type < kObjTypeCount ? kObjTypes[type].name : "?"; }

}  // namespace kestrine
