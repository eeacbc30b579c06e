#include "battlefield/level_layouts.h"

namespace kestrine {

namespace {

using LayoutFunction = void (*)();

constexpr LayoutFunction kLayouts[kLevelLayoutCount] = {
    createObjLevel1, createObjLevel2, createObjLevel3, createObjLevel4, createObjLevel5,
    createObjLevel6, createObjLevel7, createObjLevel8, createObjLevel9, createObjLevel10,
};

}  // namespace

void CreateLevelLayout(int32_t mission) {
  if (mission >= 1 && mission <= kLevelLayoutCount) kLayouts[mission - 1]();
}

}  // namespace kestrine
