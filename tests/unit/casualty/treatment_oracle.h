// A medic's own answer sheet for every casualty, written from field casualty care and the casualty's story
// (his title and description), never from the step tables: the threats to his life in the order they are
// dealt with (M massive bleeding, A airway, R respiration, C circulation: other bleeding and shock, H
// hypothermia), the move that answers each, the first care of a casualty whose life is not threatened, the
// moves that must do him harm, and the doses a shown text may name.
#pragma once

#include <cstdint>

#include "casualty/body_location.h"
#include "casualty/tool_table.h"
#include "casualty/wound_types.h"

namespace kestrine::testing {

// A tool put to a place: on the wounded side, the other side, or (midline and drugs) any side.
struct OracleMove {
  int32_t tool = TOOL_NONE;
  BodyLocation region = 0;
  int32_t side = STEP_SIDE_ANY;
};

// One threat to his life and the move that deals with it (or the other move medicine accepts as well).
struct OracleThreat {
  char kind = 0;  // 'M', 'A', 'R', 'C' or 'H'; 0 ends the list
  OracleMove move;
  OracleMove alt;
  OracleMove prep = {};  // what must be done first to reach the threat at all (lifting him off a bar)
};

struct OracleRow {
  int row;
  OracleThreat threats[5] = {};  // in the order they are treated
  OracleMove first = {};    // no threat to his life: the first care
  OracleMove harmful[3] = {};  // harmful at every point of his care, whatever the difficulty
  bool noMorphine = false;  // a breathing or head threat, or shock by his story: morphine always harms
  bool beyondHelp = false;  // dies whatever is done
};

namespace oracle {
constexpr int32_t W = STEP_SIDE_WOUNDED;
constexpr int32_t O = STEP_SIDE_OTHER;
constexpr int32_t A = STEP_SIDE_ANY;
constexpr OracleMove kMorphine{TOOL_MORPHINE, LOC_ELBOW, A};
constexpr OracleMove kHespan{TOOL_HESPAN, LOC_ELBOW, A};
constexpr OracleMove kRingers{TOOL_LACTATED_RINGERS, LOC_ELBOW, A};
constexpr OracleMove kBlanket{TOOL_BURN_BLANKET, LOC_CHEST, A};
constexpr OracleMove Tq(BodyLocation region, int32_t side = W) { return {TOOL_TOURNIQUET, region, side}; }
constexpr OracleMove Bandage(BodyLocation region, int32_t side = W) { return {TOOL_BANDAGE, region, side}; }
constexpr OracleThreat M(OracleMove move, OracleMove alt = {}) { return {'M', move, alt}; }
constexpr OracleThreat Ai(OracleMove move, OracleMove alt = {}) { return {'A', move, alt}; }
constexpr OracleThreat R(OracleMove move, OracleMove alt = {}) { return {'R', move, alt}; }
constexpr OracleThreat C(OracleMove move, OracleMove alt = {}) { return {'C', move, alt}; }
// Shock: a 500 ml bolus once the bleeding is under control.
constexpr OracleThreat kFluid{'C', kHespan, kRingers};
// Kept warm: a wounded man in or near shock loses heat he cannot make up.
constexpr OracleThreat kWarm{'H', kBlanket, {}};
}  // namespace oracle

// clang-format off
inline constexpr OracleRow kOracle[] = {
    // Bowel out of a small belly wound: ease it back once, gently, then cover it; nothing bleeds badly.
    {.row = 0, .threats = {}, .first = {TOOL_ACTION, LOC_ABDOMEN}, .harmful = {oracle::Tq(LOC_THIGH)}},
    // Strut in the belly, early shock: hold it still where it is (that stops the bleeding round it), fluid, warmth.
    {.row = 1, .threats = {oracle::C(oracle::Bandage(LOC_ABDOMEN, oracle::A)), oracle::kFluid, oracle::kWarm},
     .harmful = {{TOOL_ACTION, LOC_ABDOMEN}}, .noMorphine = true},
    // On a bar that cannot be cut: lifted off, packed and pressed at once; fluid only once it is held.
    {.row = 2, .threats = {{'M', oracle::Bandage(LOC_ABDOMEN, oracle::A), {}, {TOOL_ACTION, LOC_ABDOMEN}}, oracle::kFluid,
                           oracle::kWarm},
     .noMorphine = true},
    {.row = 3, .first = {TOOL_CRAVAT, LOC_UPPER_ARM, oracle::W}, .harmful = {oracle::Tq(LOC_UPPER_ARM)}},
    // Both legs off below the knee: both stumps tied off, fluid, warmth.
    {.row = 4, .threats = {oracle::M(oracle::Tq(LOC_THIGH)), oracle::M(oracle::Tq(LOC_THIGH, oracle::O)),
                           oracle::kFluid, oracle::kWarm}, .noMorphine = true},
    // Foot torn off: tourniquet above the stump; warmth.
    {.row = 5, .threats = {oracle::M(oracle::Tq(LOC_CALF), oracle::Tq(LOC_THIGH)), oracle::kWarm}},
    // Trapped by a crushed leg that oozes: the tourniquet before anything, the saw only at the end.
    {.row = 6, .threats = {oracle::M(oracle::Tq(LOC_THIGH)), oracle::kWarm},
     .harmful = {{TOOL_SURVIVAL_SAW, LOC_CALF, oracle::W}}},
    // Pulseless foot: one gentle pull into line before the splint.
    {.row = 7, .first = {TOOL_ACTION, LOC_FOOT, oracle::W}, .harmful = {oracle::Tq(LOC_CALF)}},
    // Knocked out by a blast, snoring, low on oxygen: his airway, then breaths for him; warmth; no morphine on a head
    // injury.
    {.row = 8, .threats = {oracle::Ai({TOOL_NASAL_AIRWAY, LOC_NOSE}),
                           oracle::R({TOOL_AMBU_BAG_NASAL, LOC_NOSE}, {TOOL_AMBU_BAG_ET, LOC_MOUTH}), oracle::kWarm},
     .noMorphine = true},
    // Large burns: fluid early (for the burns, not for bleeding); water on them chills him; covered and warm.
    {.row = 9, .threats = {{'C', oracle::kRingers, oracle::kHespan}, oracle::kWarm},
     .harmful = {{TOOL_IRRIGATION_SYRINGE, LOC_CHEST}}},
    {.row = 10, .first = {TOOL_RIGID_SPLINT, LOC_NECK}, .noMorphine = true},
    // Open thigh fracture bleeding steadily: pressure on the wound, never the bone pushed back.
    {.row = 11, .threats = {oracle::C(oracle::Bandage(LOC_THIGH), oracle::Tq(LOC_THIGH)), oracle::kWarm},
     .harmful = {{TOOL_ACTION, LOC_THIGH, oracle::W}}},
    // Beyond help: nothing is to be done for him.
    {.row = 14, .beyondHelp = true},
    {.row = 15, .first = {TOOL_ACTION, LOC_CALF, oracle::W}, .harmful = {oracle::Tq(LOC_CALF)}},
    {.row = 17, .first = oracle::Bandage(LOC_FOREARM), .harmful = {{TOOL_ACTION, LOC_FOREARM, oracle::W}}},
    {.row = 18, .first = oracle::Bandage(LOC_UPPER_ARM), .harmful = {{TOOL_ACTION, LOC_UPPER_ARM, oracle::W}}},
    // Brachial artery spurting and a thigh wound: tourniquet on the arm at once; a dressing cannot hold it.
    {.row = 19, .threats = {oracle::M(oracle::Tq(LOC_UPPER_ARM)), oracle::kFluid, oracle::kWarm},
     .harmful = {oracle::Bandage(LOC_UPPER_ARM)}, .noMorphine = true},
    {.row = 20, .first = oracle::Bandage(LOC_HAND), .harmful = {oracle::Tq(LOC_FOREARM)}},
    {.row = 21, .first = oracle::Bandage(LOC_HAND), .harmful = {oracle::Tq(LOC_FOREARM)}},
    {.row = 22, .first = oracle::Bandage(LOC_THIGH), .harmful = {oracle::Tq(LOC_THIGH)}},
    {.row = 23, .first = oracle::Bandage(LOC_CALF), .harmful = {oracle::Tq(LOC_CALF)}},
    // Sucking chest wounds front and back, blood round the lung: seal both, then his shock; no morphine on a man
    // short of breath.
    {.row = 24, .threats = {oracle::R({TOOL_OCCLUSIVE_DRESSING, LOC_CHEST}), oracle::R({TOOL_OCCLUSIVE_DRESSING, LOC_BACK}),
                            oracle::kFluid, oracle::kWarm}, .noMorphine = true},
    // Bleeding inside the skull, clear fluid from the ear: collar, nothing up the nose, no morphine.
    {.row = 25, .threats = {}, .first = {TOOL_RIGID_SPLINT, LOC_NECK}, .harmful = {{TOOL_NASAL_AIRWAY, LOC_NOSE}},
     .noMorphine = true},
    // Heat: out of the sun first; a blanket cooks him.
    {.row = 28, .first = {TOOL_ACTION, LOC_HEAD}, .harmful = {oracle::kBlanket}},
    // Heat stroke: cool hard and fast; nothing by mouth for a confused man, no blanket.
    {.row = 29, .threats = {oracle::C({TOOL_IRRIGATION_SYRINGE, LOC_HEAD}, oracle::kRingers)},
     .harmful = {{TOOL_ORAL_REHYDRATION, LOC_MOUTH}, oracle::kBlanket}},
    {.row = 30, .first = {TOOL_RIGID_SPLINT, LOC_UPPER_ARM, oracle::W}, .harmful = {{TOOL_ACTION, LOC_UPPER_ARM, oracle::W}}},
    {.row = 31, .first = {TOOL_BANDAGE, LOC_HEAD}, .harmful = {oracle::Tq(LOC_UPPER_ARM)}},
    {.row = 32, .first = {TOOL_IRRIGATION_SYRINGE, LOC_FOREARM, oracle::W}, .harmful = {oracle::Tq(LOC_FOREARM)}},
    // Broken, bleeding nose: sit forward and pinch; never a tube through it.
    {.row = 36, .first = {TOOL_ACTION, LOC_NOSE}, .harmful = {{TOOL_NASAL_AIRWAY, LOC_NOSE}}},
    // Nerve agent: the antidote (atropine with the oxime) is what opens his airway and lungs.
    {.row = 37, .threats = {oracle::Ai({TOOL_ATROPINE_DIAZEPAM, LOC_ELBOW}, {TOOL_ATROPINE, LOC_ELBOW})},
     .noMorphine = true},
    {.row = 38, .beyondHelp = true},
    // Broken pelvis bleeding inside: bind it, fluid, warmth; no morphine in shock.
    {.row = 39, .threats = {oracle::M({TOOL_CRAVAT, LOC_HIP}), oracle::kFluid, oracle::kWarm}, .noMorphine = true},
    // Pole in the buttock: padded where it is; pulling it out starts the bleeding it plugs.
    {.row = 40, .threats = {oracle::C(oracle::Bandage(LOC_BUTTOCK, oracle::A)), oracle::kWarm},
     .harmful = {{TOOL_ACTION, LOC_BUTTOCK}}},
    // Armed and confused: make the weapon safe first.
    {.row = 41, .first = {TOOL_ACTION, LOC_HAND}, .harmful = {{TOOL_ATROPINE, LOC_ELBOW}}},
    // Burst eardrums: a loose cover, never a rinse.
    {.row = 42, .first = {TOOL_BANDAGE, LOC_EAR, oracle::W}, .harmful = {{TOOL_IRRIGATION_SYRINGE, LOC_EAR, oracle::W}}},
    // Armpit artery: too high for a tourniquet, so the wound is packed and pressed.
    {.row = 43, .threats = {oracle::M(oracle::Bandage(LOC_UPPER_ARM)), oracle::kFluid, oracle::kWarm},
     .harmful = {oracle::Tq(LOC_UPPER_ARM)}, .noMorphine = true},
    // Sucking wounds with tension signs: the needle first, then the seal.
    {.row = 44, .threats = {oracle::R({TOOL_CHEST_CATHETER, LOC_CHEST}), oracle::R({TOOL_OCCLUSIVE_DRESSING, LOC_CHEST}),
                            oracle::kWarm}, .noMorphine = true},
    // Groin: too high for a tourniquet, packed and pressed.
    {.row = 45, .threats = {oracle::M(oracle::Bandage(LOC_HIP)), oracle::kFluid, oracle::kWarm},
     .harmful = {oracle::Tq(LOC_THIGH)}, .noMorphine = true},
    // Smashed midface, choking: an airway through the neck; nothing through the nose.
    {.row = 46, .threats = {oracle::Ai({TOOL_CRICH_KIT, LOC_NECK}), oracle::R({TOOL_AMBU_BAG_CRICH, LOC_NECK}), oracle::kWarm},
     .harmful = {{TOOL_NASAL_AIRWAY, LOC_NOSE}}, .noMorphine = true},
    {.row = 47, .threats = {oracle::R({TOOL_CHEST_CATHETER, LOC_CHEST}), oracle::kWarm}, .noMorphine = true},
    {.row = 48, .first = oracle::Bandage(LOC_THIGH), .harmful = {oracle::Tq(LOC_THIGH)}},
    // Thigh artery pumping: tourniquet high and tight; a dressing cannot hold it.
    {.row = 49, .threats = {oracle::M(oracle::Tq(LOC_THIGH)), oracle::kFluid, oracle::kWarm},
     .harmful = {oracle::Bandage(LOC_THIGH)}, .noMorphine = true},
    {.row = 50, .first = {TOOL_IRRIGATION_SYRINGE, LOC_THIGH, oracle::W}, .harmful = {oracle::Tq(LOC_THIGH)}},
    {.row = 51, .first = oracle::Bandage(LOC_FOREARM), .harmful = {oracle::Tq(LOC_FOREARM)}},
    // Snake bite with wheezing and swelling lips: epinephrine first; no tourniquet, no cutting.
    {.row = 52, .threats = {oracle::Ai({TOOL_EPINEPHRINE_BENEDRYL, LOC_UPPER_ARM})},
     .harmful = {oracle::Tq(LOC_CALF)}, .noMorphine = true},
    // Possible broken spine: collar before he is rolled (and then rolled as one piece, which is right).
    {.row = 53, .first = {TOOL_RIGID_SPLINT, LOC_NECK}},
    // Knife in above the collarbone, lung down: pad it where it is (pulling it out starts torrential bleeding), then
    // seal round it.
    {.row = 54, .threats = {oracle::M(oracle::Bandage(LOC_CHEST, oracle::A), oracle::Bandage(LOC_NECK, oracle::A)),
                            oracle::R({TOOL_OCCLUSIVE_DRESSING, LOC_CHEST}), oracle::kWarm}, .harmful = {{TOOL_ACTION, LOC_NECK}}, .noMorphine = true},
    {.row = 55, .beyondHelp = true},
    {.row = 56, .first = oracle::Bandage(LOC_HAND), .harmful = {{TOOL_ACTION, LOC_HAND, oracle::W}}},
};
// clang-format on

// The doses a shown text may name, by the drug or fluid the text names: the field doses of the book. A
// text naming a drug with another amount has a wrong dose.
struct OracleDose {
  const char* drug;  // as a chart line names it, lower case
  double amount;
  const char* unit;
};
inline constexpr OracleDose kRealDoses[] = {
    {"morphine", 5, "mg"},        // IV, repeated after 10 minutes at most
    {"hespan", 500, "ml"},        // one bolus, then reassess
    {"ringer", 500, "ml"},        // one bolus, then reassess
    {"atropine", 2, "mg"},        // each nerve-agent autoinjector
    {"pralidoxime", 600, "mg"},   // each nerve-agent autoinjector
    {"diazepam", 10, "mg"},       // the convulsion autoinjector, into the thigh muscle
    {"midazolam", 5, "mg"},       // into a muscle for a man too wild for a vein
    {"epinephrine", 0.3, "mg"},   // into the thigh muscle for anaphylaxis
    {"diphenhydramine", 50, "mg"},
    {"benadryl", 50, "mg"},
    {"lidocaine", 1, "%"},
    {"xylocaine", 1, "%"},
};

// The places a needle lets trapped air out of a chest: the second rib space on the collarbone's midline, or
// the fifth on the front armpit line. A chart line for the needle names one of them.
inline constexpr const char* kNeedleSites[] = {"2nd rib space", "5th rib space"};

}  // namespace kestrine::testing
