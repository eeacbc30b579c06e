#include "battlefield/strategy_editor_display.h"

#include <cstdio>

#include "battlefield/developer_lines.h"
#include "battlefield/strategy_table.h"
#include "shell/wide_text.h"

namespace kestrine {

namespace {

constexpr int kMaxCasualties = 6;
constexpr int kLastPatrol = kStrategyEntryCount - 1;
constexpr int kEditorSides = 4;  // ALLY, ENEMY, PLAYER and the first level object

void Line(double x, double y, int size, const char* format, auto... values) {
  char text[96];
  std::snprintf(text, sizeof text, format, values...);
  DeveloperLine(x, y, WidenText(text), size);
}

const char* TypeName(int32_t type) { return type >= 0 && type < kStrategyTypeCount ? strategyTypeNames[type] : "?"; }

}  // namespace

void KeepStrategyEntryInRange(StrategyEntry& entry) {
  if (entry.orders < 0 || entry.orders >= kOrdersCount) entry.orders = ORDERS_NONE;
  if (entry.injury < 0 || entry.injury > kMaxCasualties) entry.injury = 0;
  if (entry.patrol < 0 || entry.patrol > kLastPatrol) entry.patrol = 0;
  if (entry.vehicle < 0 || entry.vehicle >= kVehicleKindCount) entry.vehicle = 0;
  if (entry.side < 0 || entry.side >= kEditorSides) entry.side = ENEMY;
}

void DrawStrategyEditorDisplay(bool editing) {
  Line(0.5, 0.1, 12, editing ? "Editing Strategy - cur/Cnt: %d/%d" : "Placing Strategy - cur/Cnt: %d/%d",
       static_cast<int>(StrategyTable().strategyCursor), static_cast<int>(StrategyTable().strategyCount));
  const int32_t cursor = StrategyTable().strategyCursor;
  if (cursor < 0 || cursor >= kStrategyEntryCount) return;
  StrategyEntry e = StrategyTable().strategy[cursor];
  KeepStrategyEntryInRange(e);
  SetStrategyEntry(cursor, e);
  Line(10, 10, 11, "Loc: %d, %d, %d", static_cast<int>(e.pos.x), static_cast<int>(e.pos.y), static_cast<int>(e.pos.z));
  Line(10, 35, 11, "Ally/Enemy: %s - a", strategySideNames[e.side]);
  Line(10, 60, 11, "Vehicle/Man: %s - v", vehicleKindNames[e.vehicle]);
  Line(10, 85, 11, "Injury: %d - i", static_cast<int>(e.injury));
  Line(10, 110, 11, "Patrol: %d", static_cast<int>(e.patrol));
  Line(10, 135, 11, "Orders: %s - o", ordersNames[e.orders]);
  Line(10, 160, 11, "StrategyType: %s - f", TypeName(e.type));
  Line(10, 180, 11, "%s", "w - to save; l - to load");
}

}  // namespace kestrine
