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
//
// The care every casualty gets, in the order the hints teach it (massive bleeding, airway, respiration,
// circulation, hypothermia):
// - Each threat to his life is dealt with before the next one and before care that saves no life now
//   (examinations that do not find the threat, splints, pain relief, dressings of small wounds). A hint
//   goes to every scored finding first, so until the last life-saving move only the one finding that shows
//   the next threat carries points; the rest are scored by the extra list of the last life-saving move.
// - A massive bleed is seen at a glance: tourniquet high and tight on a limb, packing and pressure where a
//   tourniquet cannot reach. A tourniquet stays on until a surgeon takes it off.
// - Fluid only in shock (no radial pulse, or a confused or drowsy man) and only once the bleeding is held:
//   one 500 ml bolus, then reassess. Burns and heat illness are the two other reasons for a drip.
// - Everyone at risk of shock is wrapped against the cold once his circulation is seen to; never a man
//   suffering from heat.
// - Morphine is 5 mg IV, given only to a man not in shock, whose breathing and head are not threatened;
//   in shock it harms whatever his wound's tracks say (the shock tracks hold that rule for every wound).
// - Doses, sites and sides in shown texts are the real ones: needle decompression at the 2nd rib space on
//   the collarbone's midline (or the 5th on the front armpit line), the nerve-agent antidote as atropine
//   with pralidoxime (diazepam for the fits), a sedative for a fighting man into a muscle, a stump dressed
//   at its end, a splint over the joints above and below the break.
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
// Trapped air let out of the chest at the book's site: the 2nd rib space on the collarbone's midline.
inline constexpr const char* kNeedleAirRushesOut =
    "Chest Catheter to Chest:   Needle in at the 2nd rib space: air rushes out.";
inline constexpr const char* kNeedleBreathesAgain =
    "Chest Catheter to Chest:   Needle in at the 2nd rib space: he can breathe.";
// Wrapping a man who is overheating keeps the heat in.
inline constexpr const char* kBlanketOnAHotMan = "Burn Blanket to Chest:   Wrapped up: he gets hotter still.";
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
