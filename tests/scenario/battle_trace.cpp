#include "battle_trace.h"

#include "battlefield/unit.h"
#include "battlefield/unit_array.h"
#include "shell/game_state.h"
#include "shell/mission_frames.h"

namespace kestrine::scenario {

void RecordFrame(Trace& trace) {
  trace.insert(trace.end(),
               {States().gameState, MissionTime().missionClock, Outcome().missionEndFlag, Units().unitCount});
  for (int32_t i = 0; i < Units().unitCount && i < kUnitSlotCount; ++i) {
    if (!Units().units[i]) continue;
    const Unit& u = *Units().units[i];
    trace.insert(trace.end(),
                 {static_cast<int64_t>(u.pos.x * 100), static_cast<int64_t>(u.pos.z * 100), u.state, u.health, u.down});
  }
}

uint64_t BattleChecksum() {
  Trace now;
  RecordFrame(now);
  // FNV-1a over the recorded values.
  uint64_t hash = 14695981039346656037ull;
  for (const int64_t value : now) {
    auto bits = static_cast<uint64_t>(value);
    for (int byte = 0; byte < 8; ++byte, bits >>= 8) hash = (hash ^ (bits & 0xFF)) * 1099511628211ull;
  }
  return hash;
}

}  // namespace kestrine::scenario
