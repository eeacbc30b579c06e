// A medic's own answer sheet for every casualty, written from field casualty care and the casualty's story
// (his title and description), never from the step tables: the threats to his life in the order they are
// dealt with (M massive bleeding, A airway, R respiration, C circulation and shock, H hypothermia and head
// injury), the first treatment a hint must name, and the moves that must do him harm.
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

struct OracleRow {
  int row;
  const char* threats;  // life threats in the order they are treated; "" when none
  bool massiveBleed;    // a massive external bleed runs from the first second
  OracleMove first;     // the first treatment; TOOL_NONE when nothing is to be done for him
  OracleMove alsoFirst;  // a second first move medicine accepts as well
  OracleMove harmful[3];
};

namespace oracle {
constexpr int32_t W = STEP_SIDE_WOUNDED;
constexpr int32_t A = STEP_SIDE_ANY;
constexpr OracleMove kNone{};
constexpr OracleMove kMorphine{TOOL_MORPHINE, LOC_ELBOW, A};
constexpr OracleMove Tq(BodyLocation region) { return {TOOL_TOURNIQUET, region, W}; }
}  // namespace oracle

// clang-format off
inline constexpr OracleRow kOracle[] = {
    // Bowel out of a small belly wound: cover it, or ease it back once; nothing bleeds badly.
    {0, "", false, {TOOL_OCCLUSIVE_DRESSING, LOC_ABDOMEN}, {TOOL_ACTION, LOC_ABDOMEN}, {oracle::Tq(LOC_THIGH)}},
    // Strut in the belly, early shock: hold it still where it is (that stops the bleeding round it), then fluid.
    {1, "MCH", false, {TOOL_BANDAGE, LOC_ABDOMEN}, {}, {{TOOL_ACTION, LOC_ABDOMEN}, oracle::kMorphine}},
    // On a bar that cannot be cut: the line goes in before he is lifted off and starts to pour.
    {2, "MCH", false, {TOOL_HESPAN, LOC_ELBOW}, {}, {oracle::kMorphine}},
    {3, "", false, {TOOL_CRAVAT, LOC_UPPER_ARM, oracle::W}, {}, {oracle::Tq(LOC_UPPER_ARM)}},
    // Both legs off, one stump spurting: the spurting stump is tied off first.
    {4, "MCH", true, {TOOL_TOURNIQUET, LOC_THIGH, oracle::W}, {}, {oracle::kMorphine}},
    {5, "MCH", true, {TOOL_TOURNIQUET, LOC_CALF, oracle::W}, {TOOL_TOURNIQUET, LOC_THIGH, oracle::W},
     {oracle::kMorphine}},
    // Trapped by a crushed leg that oozes: the tourniquet before any treatment, the saw only at the end.
    {6, "MC", false, {TOOL_TOURNIQUET, LOC_THIGH, oracle::W}, {},
     {{TOOL_SURVIVAL_SAW, LOC_CALF, oracle::W}, oracle::kMorphine}},
    // Pulseless foot: one gentle pull into line before the splint.
    {7, "", false, {TOOL_ACTION, LOC_FOOT, oracle::W}, {}, {oracle::Tq(LOC_CALF)}},
    {8, "AH", false, {TOOL_NASAL_AIRWAY, LOC_NOSE}, {}, {oracle::kMorphine}},
    // Large burns: fluid early; water on them chills him.
    {9, "CH", false, {TOOL_LACTATED_RINGERS, LOC_ELBOW}, {TOOL_HESPAN, LOC_ELBOW},
     {{TOOL_IRRIGATION_SYRINGE, LOC_CHEST}}},
    {10, "H", false, {TOOL_RIGID_SPLINT, LOC_NECK}, {}, {oracle::kMorphine}},
    // Open thigh fracture bleeding steadily: pressure on the wound, never the bone pushed back.
    {11, "C", false, {TOOL_BANDAGE, LOC_THIGH, oracle::W}, {TOOL_TOURNIQUET, LOC_THIGH, oracle::W},
     {{TOOL_ACTION, LOC_THIGH, oracle::W}, oracle::kMorphine}},
    // Beyond help: nothing is to be done for him.
    {14, "", false, {}, {}, {}},
    {15, "", false, {TOOL_ACTION, LOC_CALF, oracle::W}, {TOOL_ACTION, LOC_KNEE, oracle::W}, {oracle::Tq(LOC_CALF)}},
    {17, "", false, {TOOL_BANDAGE, LOC_FOREARM, oracle::W}, {}, {{TOOL_ACTION, LOC_FOREARM, oracle::W}}},
    {18, "", false, {TOOL_BANDAGE, LOC_UPPER_ARM, oracle::W}, {}, {{TOOL_ACTION, LOC_UPPER_ARM, oracle::W}}},
    // Brachial artery spurting and a thigh wound: tourniquet on the arm at once; a dressing cannot hold it.
    {19, "MCH", true, {TOOL_TOURNIQUET, LOC_UPPER_ARM, oracle::W}, {},
     {{TOOL_BANDAGE, LOC_UPPER_ARM, oracle::W}, oracle::kMorphine}},
    {20, "", false, {TOOL_BANDAGE, LOC_HAND, oracle::W}, {}, {oracle::Tq(LOC_FOREARM)}},
    {21, "", false, {TOOL_BANDAGE, LOC_HAND, oracle::W}, {}, {oracle::Tq(LOC_FOREARM)}},
    {22, "", false, {TOOL_BANDAGE, LOC_THIGH, oracle::W}, {}, {oracle::Tq(LOC_THIGH)}},
    {23, "", false, {TOOL_BANDAGE, LOC_CALF, oracle::W}, {}, {oracle::Tq(LOC_CALF)}},
    // Two sucking chest wounds: seal them; no morphine on a man short of breath.
    {24, "RCH", false, {TOOL_OCCLUSIVE_DRESSING, LOC_CHEST}, {}, {oracle::kMorphine}},
    // Bleeding inside the skull, clear fluid from the ear: collar, nothing up the nose, no morphine.
    {25, "H", false, {TOOL_RIGID_SPLINT, LOC_NECK}, {}, {{TOOL_NASAL_AIRWAY, LOC_NOSE}, oracle::kMorphine}},
    // Heat: out of the sun first; a blanket cooks him.
    {28, "H", false, {TOOL_ACTION, LOC_HEAD}, {TOOL_ORAL_REHYDRATION, LOC_MOUTH}, {}},
    // Heat stroke: cool hard and fast; nothing by mouth for a confused man.
    {29, "CH", false, {TOOL_IRRIGATION_SYRINGE, LOC_HEAD}, {TOOL_LACTATED_RINGERS, LOC_ELBOW},
     {{TOOL_ORAL_REHYDRATION, LOC_MOUTH}}},
    {30, "", false, {TOOL_RIGID_SPLINT, LOC_UPPER_ARM, oracle::W}, {}, {{TOOL_ACTION, LOC_UPPER_ARM, oracle::W}}},
    {31, "", false, {TOOL_BANDAGE, LOC_HEAD}, {TOOL_BANDAGE, LOC_UPPER_ARM, oracle::W}, {oracle::Tq(LOC_UPPER_ARM)}},
    {32, "", false, {TOOL_IRRIGATION_SYRINGE, LOC_FOREARM, oracle::W}, {TOOL_BANDAGE, LOC_FOREARM, oracle::W},
     {oracle::Tq(LOC_FOREARM)}},
    // Broken, bleeding nose: sit forward and pinch; never a tube through it.
    {36, "", false, {TOOL_ACTION, LOC_NOSE}, {}, {{TOOL_NASAL_AIRWAY, LOC_NOSE}}},
    // Nerve agent: the antidote is what opens his airway and lungs.
    {37, "AR", false, {TOOL_ATROPINE_DIAZEPAM, LOC_ELBOW}, {TOOL_ATROPINE, LOC_ELBOW}, {oracle::kMorphine}},
    {38, "", false, {}, {}, {}},
    // Broken pelvis bleeding inside: bind it; no morphine in shock.
    {39, "MCH", false, {TOOL_CRAVAT, LOC_HIP}, {}, {oracle::kMorphine}},
    {40, "", false, {TOOL_BANDAGE, LOC_BUTTOCK}, {}, {{TOOL_ACTION, LOC_BUTTOCK}}},
    // Armed and confused: make the weapon safe first.
    {41, "", false, {TOOL_ACTION, LOC_HAND}, {}, {{TOOL_ATROPINE, LOC_ELBOW}}},
    // Burst eardrums: a loose cover, never a rinse.
    {42, "", false, {TOOL_BANDAGE, LOC_EAR, oracle::W}, {TOOL_BANDAGE, LOC_EAR, STEP_SIDE_OTHER},
     {{TOOL_IRRIGATION_SYRINGE, LOC_EAR, oracle::W}}},
    // Armpit artery: too high for a tourniquet, so the wound is packed and pressed.
    {43, "MCH", true, {TOOL_BANDAGE, LOC_UPPER_ARM, oracle::W}, {},
     {oracle::Tq(LOC_UPPER_ARM), oracle::kMorphine}},
    // Sucking wound with tension signs: the needle first.
    {44, "RCH", false, {TOOL_CHEST_CATHETER, LOC_CHEST}, {}, {oracle::kMorphine}},
    // Groin: too high for a tourniquet, packed and pressed.
    {45, "MCH", true, {TOOL_BANDAGE, LOC_HIP, oracle::W}, {}, {oracle::Tq(LOC_THIGH), oracle::kMorphine}},
    // Smashed midface, choking: an airway through the neck; nothing through the nose.
    {46, "AH", false, {TOOL_CRICH_KIT, LOC_NECK}, {}, {{TOOL_NASAL_AIRWAY, LOC_NOSE}, oracle::kMorphine}},
    {47, "R", false, {TOOL_CHEST_CATHETER, LOC_CHEST}, {}, {oracle::kMorphine}},
    {48, "", false, {TOOL_BANDAGE, LOC_THIGH, oracle::W}, {}, {oracle::Tq(LOC_THIGH)}},
    // Thigh artery pumping: tourniquet high and tight; a dressing cannot hold it.
    {49, "MCH", true, {TOOL_TOURNIQUET, LOC_THIGH, oracle::W}, {},
     {{TOOL_BANDAGE, LOC_THIGH, oracle::W}, oracle::kMorphine}},
    {50, "", false, {TOOL_IRRIGATION_SYRINGE, LOC_THIGH, oracle::W}, {TOOL_BANDAGE, LOC_THIGH, oracle::W},
     {oracle::Tq(LOC_THIGH)}},
    {51, "", false, {TOOL_BANDAGE, LOC_FOREARM, oracle::W}, {TOOL_BANDAGE, LOC_HAND, oracle::W},
     {oracle::Tq(LOC_FOREARM)}},
    // Snake bite with wheezing and swelling lips: epinephrine first; no tourniquet, no cutting.
    {52, "AR", false, {TOOL_EPINEPHRINE_BENEDRYL, LOC_UPPER_ARM}, {}, {oracle::Tq(LOC_CALF)}},
    // Possible broken spine: collar before he is rolled.
  {53, "", false, {TOOL_RIGID_SPLINT, LOC_NECK}, {}, {{TOOL_ROLLOVER_DRAG, LOC_NECK}}},
    // Knife in above the collarbone: pad it where it is; pulling it out starts torrential bleeding.
    {54, "RH", false, {TOOL_BANDAGE, LOC_CHEST}, {TOOL_BANDAGE, LOC_NECK}, {{TOOL_ACTION, LOC_NECK}}},
    {55, "", false, {}, {}, {}},
    {56, "", false, {TOOL_BANDAGE, LOC_HAND, oracle::W}, {}, {{TOOL_ACTION, LOC_HAND, oracle::W}}},
};
// clang-format on

}  // namespace kestrine::testing
