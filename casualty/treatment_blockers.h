// What can stand between a tool and the body: a cravat or sling, clothing, the patient lying rolled over,
// a rigid splint, the burn blanket. Each has the medic's "Oops!" that refuses the application.
#pragma once

#include <cstdint>

#include "casualty/patient.h"

namespace kestrine {

// Each message is one array for the whole program, so that FindBlocker's answer can be told by its address.
// (A pointer to a string literal would not do: every file may hold its own copy of the literal, and whether
// the copies are merged into one depends on how the program was built.)
inline constexpr char kCravatInTheWay[] = "Oops! The cravat is in the way.";
inline constexpr char kClothingInTheWay[] = "Oops! The clothing is in the way.";
inline constexpr char kRolledOverInTheWay[] = "Oops! Can't do that with him rolled over.";
inline constexpr char kSplintInTheWay[] = "Oops! The splint is in the way.";
inline constexpr char kBlanketInTheWay[] = "Oops! The blanket is in the way.";

// The message of the first thing in the way of a tool on a body part, or null when the way is clear.
const char* FindBlocker(const Patient& patient, int32_t tool, int32_t part);

// Whether the burn blanket keeps a tool from a body part.
bool BlanketBlocks(const Patient& patient, int32_t tool, int32_t part);

}  // namespace kestrine
