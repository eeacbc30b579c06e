// The end of a mission's road for its casualties: the helicopter's landing point picked from the mission's
// candidates and marked on the ground and the mini-map, the helicopter itself, and the count of the
// casualties within its reach.
#pragma once

#include <cstdint>

namespace kestrine {

// Picks the landing point (one of the mission's evacuation candidates at random, else its collection
// point), marks it and sets evacuationPoint. Nothing without the marker image or once a candidate was picked
// in this mission; a mission with neither kind of point keeps the last landing point.
void ChooseExtractionPoint();

// The helicopter, after every other unit: dropped in over the landing point with its rotor turning. A full
// unit array goes without it (the evacuation does not need it).
void CreateEvacHelicopter();

// Every casualty within 13 of the landing point in both x and z is marked there and delivered; the others
// are marked away. Returns how many are there.
int32_t FlagUnitsAtExtraction();

}  // namespace kestrine
