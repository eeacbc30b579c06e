#include "battlefield/strategy_entry.h"

namespace kestrine {

const char* const strategyTypeNames[kStrategyTypeCount] = {
    "STRATEGY_NONE",       "STRATEGY_START",   "STRATEGY_SPAWN",  "STRATEGY_DEFEND",
    "STRATEGY_EXTRACTION", "STRATEGY_STAGING", "STRATEGY_PATROL", "STRATEGY_2EXTRACT",
};

const char* const ordersNames[kOrdersCount] = {
    "ORDERS_NONE",         "ORDERS_DEFEND",      "ORDERS_ATTACK",    "ORDERS_ADVANCE",
    "ORDERS_RETREAT",      "ORDERS_FOLLOW",      "ORDERS_DISSAPATE", "ORDERS_DEAD",
    "ORDERS_ADVANCENDRAG", "ORDERS_DEFENDNDRAG", "ORDERS_DRAG",      "ORDERS_NONMOVING",
};

const char* const strategySideNames[kStrategySideNameCount] = {
    "ALLY",  "ENEMY", "PLAYER", "TREE1",     "TREE2",     "TREE3",     "TREE4",     "ROCK1",  "ROCK2",
    "WALL1", "WALL2", "TENT1",  "TENT2",     "BUILDING1", "BUILDING2", "BUILDING3", "TRUCK1", "TRUCK2",
    "TANK1", "TANK2", "WALL3",  "BUILDING4", "BUILDING5", "BUILDING6", "BUILDING7", "WALL4",  "HELICOPTER",
};

const char* const vehicleKindNames[kVehicleKindCount] = {"MAN", "TRUCK", "HUMMER", "ENEMYAPC", "HELICOPTER"};

void StrategyEntry::Reset() { *this = StrategyEntry{}; }

void StrategyEntry::StoreAt(const Vector3& where) {
  pos = where;
  savedY_ = where.y;
}

}  // namespace kestrine
