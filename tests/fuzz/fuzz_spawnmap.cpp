// Spawn maps from outside: whatever the bytes, one medic on the map (or on the battlefield), no more units
// than the unit array holds, no more enemies than the difficulty allows, every unit on a map cell.
#include <cstdint>
#include <cstdlib>

#include "battlefield/spawn_map.h"

using namespace kestrine;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  for (int32_t difficulty = 0; difficulty <= 2; ++difficulty) {
    const SpawnPlan plan = ParseSpawnMap(data, size, difficulty);
    if (plan.units.size() > static_cast<size_t>(kSpawnMapUnitLimit)) std::abort();
    int enemies = 0;
    for (const SpawnPlacement& p : plan.units) {
      enemies += p.kind == SpawnKind::Enemy;
      if (p.kind == SpawnKind::Medic) std::abort();
      if (p.position.x < -100 || p.position.x > 99 || p.position.z > 100 || p.position.z < -99) std::abort();
    }
    if ((difficulty == 0 && enemies > 3) || (difficulty == 1 && enemies > 4)) std::abort();
    const Vector3& medic = plan.medic.position;
    if (!plan.medicOnMap && (medic.x < -80 || medic.x > 80 || medic.z < -80 || medic.z > 80)) std::abort();
    if (medic.y != 450.0f) std::abort();
  }
  return 0;
}
