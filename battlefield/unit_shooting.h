// A computer unit's shot on its turn: the nearest unit of the other side in range, if it can be seen, is
// fired at; a hit wounds, knocks down, drives back or (rarely, and never in the patient view at novice
// difficulty) kills the medic.
#pragma once

#include <cstdint>

namespace kestrine {

// Unit s takes its shot. The medic's death switches to the KIA screen at once, which takes the whole
// mission down: callers look at units[0] before touching any unit again.
void UnitShootingTick(int32_t s);

// A hit that did not kill: draws one number and plays nothing (the hit's pan and how much quieter it is
// with distance are given for a reaction that would need them).
void HitReactionHook(int32_t pan, int32_t volumeDrop);

}  // namespace kestrine
