// What the step lists of the casualty wounds share: the list terminator and the lines a medic says on many
// casualties. The lists themselves live in wound_content_<group>.h, one header per group of wounds.
//
// The lists are inline variables in headers rather than definitions in .cpp files for one reason: the wound
// table (wound_table.cpp) registers every list together with the length of its array, so that the table
// check can prove each list ends exactly where its array ends; it can only see that length when the array's
// definition is in view. wound_table.cpp is the one file that includes the group headers.
//
// How a wound is written (the conventions every group follows):
// - Track 0 starts with the wound's examination findings (glove, stethoscope, Pulse Ox and penlight steps,
//   each over a healthy finding of the same tool, place and side) and its first treatment; each later list
//   holds the next stage. The one step of a list marked STEP_HINT is the move the book calls for; other
//   steps in the list are accepted alternatives or harmful moves.
// - Track 1 is a second, independent job (pain relief, a second wound); its worth is steered by the
//   multipliers of the latest track-0 step, so relieving pain before the life threat is handled earns
//   nothing.
// - Track 2 holds the wound's standing rules: harmful moves that are wrong at any time, each leading back to
//   its own list so that it stays in force.
// - A harmful step is flagged STEP_LOGGED_WRONG, costs points and never brings the next stage's findings in.
#pragma once

#include "casualty/tool_table.h"
#include "casualty/wound_types.h"

namespace kestrine::wound_content {

inline constexpr TreatmentStep kEndOfSteps{};

// Step flags in the combinations the wounds use most.
inline constexpr uint32_t kHint = STEP_HINT;
inline constexpr uint32_t kHarm = STEP_LOGGED_WRONG;

// ---- what a medic says on many casualties ----
inline constexpr const char* kMorphineEasesPain = "Medicine Syringe:   5 mg morphine IV; the pain eases.";
inline constexpr const char* kWrappedWarm = "Burn Blanket to Chest:   Wrapped to keep him warm.";
inline constexpr const char* kMorphinePressureFalls =
    "Medicine Syringe:   Morphine in shock: his pressure falls further.";
inline constexpr const char* kSedatingHidesDecline = "Medicine Syringe:   Sedating a head injury masks his decline.";
inline constexpr const char* kMorphineSlowsBreathing = "Medicine Syringe:   Morphine slows his breathing further.";
inline constexpr const char* kGauzeLetsAirThrough =
    "Bandage to Chest:   Gauze lets air through; it needs an airtight seal.";
inline constexpr const char* kSlingHandRaised = "Cravat to Forearm:   Arm in a sling, hand raised.";
inline constexpr const char* kSlingAndSwathe = "Cravat to Upper Arm:   Sling and swathe hold the arm to the chest.";
inline constexpr const char* kNeverPushBoneBack = "Never push bone ends back in.";
inline constexpr const char* kSplintAsItLies = "Splint it as it lies.";
inline constexpr const char* kLeaveFragments = "Leave fragments for the surgeon.";
inline constexpr const char* kTooHighForTourniquet = "Too high for a tourniquet. Pack it!";

}  // namespace kestrine::wound_content
