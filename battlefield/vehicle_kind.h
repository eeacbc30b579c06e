// What a unit rides: on foot, or one of the four vehicles. Strategy entries and units share the values.
#pragma once

#include <cstdint>

namespace kestrine {

enum VehicleKind : int32_t {
  MAN = 0,
  TRUCK = 1,
  HUMMER = 2,
  ENEMYAPC = 3,
  HELICOPTER = 4,
};

}  // namespace kestrine
