// One record of a mission's strategy table: where a unit, casualty, respawn point or extraction point stands,
// with the side, vehicle, injury, patrol, orders and kind of the record. The table itself lives in
// strategy_table.h; the bytes on disk in strategy_file.h.
#pragma once

#include <cstdint>

#include "shell/vector3.h"

namespace kestrine {

enum StrategyType : int32_t {
  STRATEGY_NONE = 0,
  STRATEGY_START = 1,  // a unit or a casualty starts here
  STRATEGY_SPAWN = 2,  // a respawn point
  STRATEGY_DEFEND = 3,
  STRATEGY_EXTRACTION = 4,  // the extraction point
  STRATEGY_STAGING = 5,
  STRATEGY_PATROL = 6,
  STRATEGY_2EXTRACT = 7,  // a candidate evacuation point
};
constexpr int kStrategyTypeCount = 8;

// ORDERS_DISSAPATE keeps its old spelling: the editor shows these names as they are.
enum Orders : int32_t {
  ORDERS_NONE = 0,
  ORDERS_DEFEND = 1,
  ORDERS_ATTACK = 2,
  ORDERS_ADVANCE = 3,
  ORDERS_RETREAT = 4,
  ORDERS_FOLLOW = 5,
  ORDERS_DISSAPATE = 6,
  ORDERS_DEAD = 7,
  ORDERS_ADVANCENDRAG = 8,
  ORDERS_DEFENDNDRAG = 9,
  ORDERS_DRAG = 10,
  ORDERS_NONMOVING = 11,
};
constexpr int kOrdersCount = 12;

// The side field: the first three values are the fighting sides; the values from 3 on name level-object
// kinds in the editor (see strategySideNames).
enum StrategySide : int32_t {
  ALLY = 0,
  ENEMY = 1,
  PLAYER = 2,
};
constexpr int kStrategySideNameCount = 27;
constexpr int kVehicleKindCount = 5;

// The names the editor shows, indexed by the field's value.
extern const char* const strategyTypeNames[kStrategyTypeCount];
extern const char* const ordersNames[kOrdersCount];
extern const char* const strategySideNames[kStrategySideNameCount];
extern const char* const vehicleKindNames[kVehicleKindCount];

class StrategyEntry {
 public:
  StrategyEntry() = default;
  StrategyEntry(const StrategyEntry&) = default;
  StrategyEntry& operator=(const StrategyEntry&) = default;
  virtual ~StrategyEntry() = default;

  // Position (0, 0, 0) and every integer 0.
  void Reset();
  // The editor's store: the entry now stands at `where`, and that is also what a save writes.
  void StoreAt(const Vector3& where);
  // The y a save writes. The mission build raises START entries in `pos` by 3 to drop their units onto
  // the ground; a save must write the y the file had (or the editor last stored), or every load and save
  // would lift the entry by another 3.
  float SavedY() const { return savedY_; }
  void SetSavedY(float y) { savedY_ = y; }

  Vector3 pos;
  int32_t side = 0;     // StrategySide, or a level-object kind in the editor
  int32_t vehicle = 0;  // VehicleKind
  int32_t injury = 0;   // 0 a fighting unit; above 0 a casualty's place (its state in training runs)
  int32_t patrol = 0;   // handed to the unit
  int32_t orders = 0;   // Orders
  int32_t type = 0;     // StrategyType

 private:
  float savedY_ = 0.0f;
};

}  // namespace kestrine
