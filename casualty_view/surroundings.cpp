// The surroundings tables.
#include "casualty_view/surroundings.h"

#include <iterator>

#include "casualty_view/surroundings_kinds.h"

namespace kestrine {

namespace {

const char* const kSurroundingsModels[kSurroundingsKindCount] = {
    "patient\\world\\sky\\level_1\\level1road\\level1road.qsad",
    "patient\\world\\sky\\level_1\\level1brush\\level1brush.qsad",
    "patient\\world\\sky\\level_1\\level1wall\\level1wall.qsad",
    "patient\\world\\sky\\level_2\\level2road\\level2road.qsad",
    "patient\\world\\sky\\level_2\\level2road2\\level2road2.qsad",
    "patient\\world\\sky\\level_3\\level3.qsad",
    "patient\\world\\sky\\level_4\\level4road\\level4road.qsad",
    "patient\\world\\sky\\level_4\\level4wall\\level4wall.qsad",
    "patient\\world\\sky\\level_4\\level4wall2\\level4wall2.qsad",
    "patient\\world\\sky\\level_5\\level5.qsad",
    "patient\\world\\sky\\level_6\\level6tentwall\\level6tentwall.qsad",
    "patient\\world\\sky\\level_6\\level6road\\level6road.qsad",
    "patient\\world\\sky\\level_6\\level6tent\\level6tent.qsad",
    "patient\\world\\sky\\level_7\\level7road\\level7road.qsad",
    "patient\\world\\sky\\level_7\\level7road2\\level7road2.qsad",
    "patient\\world\\sky\\level_7\\level7roadbuild\\level7roadbuild.qsad",
    "patient\\world\\sky\\level_8\\level8road\\level8road.qsad",
    "patient\\world\\sky\\level_8\\level8road2\\level8road2.qsad",
    "patient\\world\\sky\\level_9\\level9road\\level9road.qsad",
    "patient\\world\\sky\\level_9\\level9lower\\level9lower.qsad",
    "patient\\world\\sky\\level_9\\level9lower2\\level9lower2.qsad",
    "patient\\world\\sky\\level_10\\level10wall\\level10wall.qsad",
    "patient\\world\\sky\\level_10\\level10wallc\\level10wallc.qsad",
    "patient\\world\\sky\\level_10\\level10tent\\level10tent.qsad",
};

constexpr int32_t kOpenGroundA = 5;
constexpr int32_t kOpenGroundB = 9;

struct PlacementRow {
  int32_t kind;
  int32_t slot;
  SurroundingsPlacement placement;
};

constexpr SurroundingsPlacement Turned(float turn, float mx, float mz, float cx, float cy, float cz) {
  return {false, turn, mx, 0.0f, mz, cx, cy, cz};
}
constexpr SurroundingsPlacement Facing(float mx, float mz, float cx, float cy, float cz) {
  return {true, 0.0f, mx, 0.0f, mz, cx, cy, cz};
}

const PlacementRow kPlacements[] = {
    {5, 0, Turned(180, -42, 16, 15, 11, 3)},   {5, 1, Turned(190, -40, 50, -14, 12, 7)},
    {5, 2, Facing(12, -32, -12, 6, 14)},       {5, 3, Facing(-46, -36, 17, 9, -4)},
    {5, 4, Turned(180, -48, -36, -17, 10, 5)}, {9, 0, Facing(-84, -30, 8, 15, -9)},
    {9, 1, Turned(90, 10, 8, 15, 11, 0)},      {9, 2, Facing(-84, 40, 9, 10, -8)},
    {9, 3, Facing(-86, 59, 14, 8, -8)},        {9, 4, Facing(50, -41, 20, 12, -1)},
    {9, 5, Facing(35, -80, 18, 14, 0)},
};

}  // namespace

const char* SurroundingsModelPath(int32_t kind) {
  return kind >= 0 && kind < kSurroundingsKindCount ? kSurroundingsModels[kind] : nullptr;
}

int32_t MostCommonSurroundingsKind(int32_t mission, const bool (&occupied)[kSurroundingsSlots]) {
  int32_t counts[kSurroundingsKindCount] = {};
  for (int32_t slot = 0; slot < kSurroundingsSlots; ++slot)
    if (occupied[slot]) ++counts[SurroundingsKindFor(mission, slot)];
  // In slot order, so of the kinds with the most casualties the one met first wins.
  int32_t best = -1;
  for (int32_t slot = 0; slot < kSurroundingsSlots; ++slot) {
    if (!occupied[slot]) continue;
    const int32_t kind = SurroundingsKindFor(mission, slot);
    if (best < 0 || counts[kind] > counts[best]) best = kind;
  }
  return best >= 0 ? best : SurroundingsKindFor(mission, 0);
}

bool IsTentSurroundings(int32_t kind) { return kind == 10 || kind == 12 || kind == 23; }

bool IsOpenGroundSurroundings(int32_t kind) { return kind == kOpenGroundA || kind == kOpenGroundB; }

std::optional<SurroundingsPlacement> OpenGroundPlacement(int32_t kind, int32_t slot) {
  for (const PlacementRow& row : kPlacements)
    if (row.kind == kind && row.slot == slot) return row.placement;
  return std::nullopt;
}

}  // namespace kestrine
