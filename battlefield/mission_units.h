// Making a mission's units. With a strategy table: the fighting units and the medic from its START entries,
// then one casualty per wounded-soldier entry from the mission's casualty cases. Without one: the units of
// the spawn map, then casualties at the patient locations. The unit array keeps its last slot for the
// evacuation helicopter; a mission with more units than slots gets the ones that fit.
#pragma once

#include <cstdint>
#include <string>

namespace kestrine {

// The medic's walking speed: the base speed raised for a fitter player figure (0..2), less a share of the
// pack's weight, scaled by the mission's factor. The two routes weigh the pack differently (0.008 and
// 0.003 a kilogram and figure).
float MedicSpeed(int32_t figure, float backpackWeight, float weightCoefficient, float factor);
constexpr float kStrategyPackWeighting = 0.008f;
constexpr float kSpawnMapPackWeighting = 0.003f;

// The strategy route's first pass: every START entry that is not a casualty's place, raised by 3 so its
// unit drops onto the ground, becomes a soldier, a vehicle or the medic (slot 0); the first allied
// soldier sent to advance becomes the team leader. Without a PLAYER entry the medic stands at entry 0.
void CreateStrategyUnits();

// The strategy route's casualties: each START entry with an injury, in table order, becomes the next
// casualty from the casualty cases, held back (state 5; in a training run the entry's injury value),
// until the mission's count for the difficulty is reached or the cases or slots run out. A casualty of
// the hummer wound gets the wrecked hummer beside him. Returns how many were made.
int32_t CreateStrategyCasualties();

// The spawn-map route (no strategy file): the map's units (a medic always, at the map's first open cell
// when it names none), then casualties, waiting from the start, at the patient locations (one at
// (50, 450, 20) without the file).
void SpawnFromMap(const std::string& folder);

}  // namespace kestrine
