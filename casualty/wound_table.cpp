// The wound-type table: 58 rows and the step lists they point at.
//
// Lists are written leaves first, so that a step can name the list it leads to; the few lists that lead
// back to one written later (the on/off pairs of the healthy lists) are declared ahead. Every list ends
// with kEndStep and is entered in kStepListExtents, which lets the table check see where each one ends.
#include <iterator>

#include "casualty/tool_table.h"
#include "casualty/wound_types.h"

namespace kestrine {

namespace {

constexpr TreatmentStep kEndStep{};

// A wound with nothing written for it yet: no findings, no treatment.
const TreatmentStep kNoSteps[] = {kEndStep};

// ---- row 0: evisceration ----
// After the push-back and the dressing, and after the dressing alone, nothing is left on the track.
const TreatmentStep kWound0Dressed[] = {kEndStep};
const TreatmentStep kWound0MorphineGiven[] = {kEndStep};

const TreatmentStep kWound0AfterPushBack[] = {
    {.tool = TOOL_GLOVE,
     .location = kWholeHead,
     .action = "Glove to Head:   Pulse: 100.   Patient is feeling much better."},
    {.tool = TOOL_GLOVE, .location = LOC_ABDOMEN, .action = "Glove to Abdomen:   Intestine is no longer protruding."},
    kEndStep,
};

const TreatmentStep kWound0AfterDressing[] = {
    {.tool = TOOL_GLOVE,
     .location = kWholeHead,
     .action = "Glove to Head:   Pulse: 104.  Dressing on; resting more easily."},
    {.tool = TOOL_GLOVE,
     .location = LOC_ABDOMEN,
     .action = "Glove to Abdomen:   Bowel covered by a moist, airtight dressing."},
    kEndStep,
};

const TreatmentStep kWound0AfterBoth[] = {
    {.tool = TOOL_GLOVE, .location = kWholeHead, .action = "Glove to Head:   Pulse: 96.  Comfortable now."},
    {.tool = TOOL_GLOVE,
     .location = LOC_ABDOMEN,
     .action = "Glove to Abdomen:   Bowel back in; wound sealed; no bleeding."},
    kEndStep,
};

// The bowel is back in: the dressing now doubles the worth of the pain relief.
const TreatmentStep kWound0PushedBack[] = {
    {.next = kWound0Dressed,
     .extra = kWound0AfterBoth,
     .tool = TOOL_OCCLUSIVE_DRESSING,
     .multiplier1 = 2,
     .multiplier2 = 1,
     .location = LOC_ABDOMEN,
     .action = "Occlusive Dressing:   Applied to the open wound.",
     .clip = "intestined",
     .bleedDelta = -1,
     .points = 5,
     .flags = STEP_HINT},
    kEndStep,
};

const TreatmentStep kWound0Track0[] = {
    {.tool = kTextureChange, .location = LOC_CHEST, .reading = "intestine-chest"},
    {.next = kWound0PushedBack,
     .extra = kWound0AfterPushBack,
     .tool = TOOL_ACTION,
     .multiplier1 = 1,
     .multiplier2 = 1,
     .location = LOC_ABDOMEN,
     .action = "Action to Abdomen:   The protruding intestine is gently pushed back inside the wound.",
     .remark = "Ouch, that must hurt. Oh, well, gotta get that stuff back inside.",
     .clip = "intestinec",
     .points = 5,
     .flags = STEP_HINT},
    {.tool = TOOL_GLOVE,
     .multiplier1 = 1,
     .multiplier2 = 1,
     .location = kWholeHead,
     .action = "Glove to Head:   Pulse: 110.   ",
     .remark = "Patient is conscious and in a great deal of pain.  ",
     .points = 5},
    {.tool = TOOL_GLOVE,
     .multiplier1 = 1,
     .multiplier2 = 0,
     .location = LOC_ABDOMEN,
     .action = "Glove to Abdomen:   Multiple small lacerations to lower abdomen; minimal bleeding; small amount of "
               "intestine protruding from one wound.",
     .clip = "intestineb",
     .points = 5},
    {.next = kWound0Dressed,
     .extra = kWound0AfterDressing,
     .tool = TOOL_OCCLUSIVE_DRESSING,
     .multiplier1 = 1,
     .multiplier2 = 1,
     .location = LOC_ABDOMEN,
     .action = "Occlusive Dressing:   Applied to the open wound.",
     .clip = "intestined",
     .bleedDelta = -1,
     .points = 5},
    kEndStep,
};

const TreatmentStep kWound0Track1[] = {
    {.next = kWound0MorphineGiven,
     .tool = TOOL_MORPHINE,
     .location = LOC_ELBOW,
     .action = "Medicine Syringe:   10 mg morphine injected.",
     .clip = "intestinee",
     .points = 5,
     .flags = STEP_HINT},
    kEndStep,
};

// ---- row 31: lacerations to the face (and the arm) ----
// Whichever cut is bandaged first, the second bandage leads to the same final check.
const TreatmentStep kWound31Final[] = {
    {.tool = TOOL_GLOVE,
     .multiplier1 = 1,
     .multiplier2 = 0,
     .location = kWholeHead,
     .action = "Pulse: 105.  Bleeding stopped.  ",
     .remark = "Bleeding's stopped. He'll be able to stay in the fight.",
     .clip = "las_armfacee",
     .points = 5},
    kEndStep,
};

const TreatmentStep kWound31FaceBandaged[] = {
    {.tool = TOOL_GLOVE, .location = kWholeHead, .action = "Glove to Head:  Bleeding is stopped."},
    kEndStep,
};

const TreatmentStep kWound31ArmBandaged[] = {
    {.tool = TOOL_GLOVE,
     .location = LOC_UPPER_ARM,
     .action = "Glove to Upper Arm:  Bleeding stopped.",
     .side = STEP_SIDE_WOUNDED},
    kEndStep,
};

// The face is done; the arm is still open.
const TreatmentStep kWound31ArmOpen[] = {
    {.next = kWound31Final,
     .extra = kWound31ArmBandaged,
     .tool = TOOL_BANDAGE,
     .multiplier1 = 1,
     .multiplier2 = 1,
     .location = LOC_UPPER_ARM,
     .action = "Bandage to Upper Arm:   Bandage applied to arm laceration.",
     .clip = "las_armfacef",
     .bleedDelta = -3,
     .points = 5,
     .flags = STEP_HINT,
     .side = STEP_SIDE_WOUNDED},
    kEndStep,
};

// The arm is done; the face is still open.
const TreatmentStep kWound31FaceOpen[] = {
    {.next = kWound31Final,
     .extra = kWound31FaceBandaged,
     .tool = TOOL_BANDAGE,
     .multiplier1 = 1,
     .multiplier2 = 1,
     .location = LOC_HEAD,
     .action = "Bandage to Head:   Bandage applied to facial laceration.  ",
     .remark = "Bleeding stopped.",
     .clip = "las_armfaced",
     .bleedDelta = -2,
     .points = 5,
     .flags = STEP_HINT},
    kEndStep,
};

const TreatmentStep kWound31Track0[] = {
    {.tool = kTextureChange, .location = LOC_UPPER_ARM, .reading = "las-arm", .side = STEP_SIDE_WOUNDED},
    {.next = kWound31ArmOpen,
     .extra = kWound31FaceBandaged,
     .tool = TOOL_BANDAGE,
     .multiplier1 = 1,
     .multiplier2 = 1,
     .location = LOC_HEAD,
     .action = "Bandage to Head:   Bandage applied to facial laceration.  ",
     .remark = "Bleeding stopped.",
     .clip = "las_armfaced",
     .bleedDelta = -2,
     .points = 5,
     .flags = STEP_HINT},
    {.next = kWound31FaceOpen,
     .extra = kWound31ArmBandaged,
     .tool = TOOL_BANDAGE,
     .multiplier1 = 1,
     .multiplier2 = 1,
     .location = LOC_UPPER_ARM,
     .action = "Bandage to Upper Arm:   Bandage applied to arm laceration.",
     .clip = "las_armfacef",
     .bleedDelta = -3,
     .points = 5,
     .side = STEP_SIDE_WOUNDED},
    {.tool = TOOL_GLOVE,
     .multiplier1 = 1,
     .multiplier2 = 1,
     .location = kWholeHead,
     .action = "Glove to Head:   Pulse: 110.  6 cm cut on the cheek, bleeding freely.",
     .clip = "las_armfaceb",
     .points = 5},
    {.tool = TOOL_GLOVE,
     .multiplier1 = 1,
     .multiplier2 = 1,
     .location = LOC_UPPER_ARM,
     .action = "Glove to Upper Arm:   11 cm cut, bleeding; hand feels and moves.",
     .clip = "las_armfacec",
     .points = 5,
     .side = STEP_SIDE_WOUNDED},
    kEndStep,
};

// ---- row 12: the crich kit, played member by member ----
const TreatmentStep kCrichKitTube[] = {
    {.tool = TOOL_CRICH_TUBE,
     .location = LOC_NECK,
     .action = "Crich Tube to Neck:   Tube in the windpipe and tied in place.",
     .clip = "crichd",
     .points = 5},
    kEndStep,
};
const TreatmentStep kCrichKitIncision[] = {
    {.next = kCrichKitTube,
     .tool = TOOL_CRICH_SCALPEL,
     .location = LOC_NECK,
     .action = "Scalpel to Neck:   Cut through the membrane below the Adam's apple.",
     .clip = "crichc",
     .points = 5},
    kEndStep,
};
const TreatmentStep kCrichKitSteps[] = {
    {.next = kCrichKitIncision,
     .tool = TOOL_CRICH_SPONGE,
     .location = LOC_NECK,
     .action = "Sponge to Neck:   Skin over the voice box cleaned.",
     .clip = "crichb",
     .points = 5},
    kEndStep,
};

// ---- row 13: what a dead casualty's examination finds ----
const TreatmentStep kDeadmanFindings[] = {
    // The head bit alone, so that only the glove-on-head slot is overwritten.
    {.tool = TOOL_GLOVE, .location = LOC_HEAD, .action = "Glove to Head:   No pulse, no breathing. He is dead."},
    {.tool = TOOL_STETHOSCOPE, .location = LOC_CHEST, .action = "Stethoscope to Chest:   No heart or breath sounds."},
    {.tool = TOOL_STETHOSCOPE, .location = LOC_BACK, .action = "Stethoscope to Back:   Silent."},
    {.tool = TOOL_PULSE_OX, .location = LOC_HAND, .action = "Pulse Ox to Hand:   No reading.", .reading = "0/0"},
    {.tool = TOOL_PENLIGHT, .location = LOC_EYE, .action = "Penlight to Eye:   Pupils wide and fixed."},
    kEndStep,
};

// ---- row 16: the endotracheal tube kit ----
const TreatmentStep kEtTubeKitTube[] = {
    {.tool = TOOL_ET_TUBE,
     .location = LOC_MOUTH,
     .action = "ETTube to Mouth:   Tube through the cords; both sides of chest rise.",
     .clip = "ettubed",
     .points = 5},
    kEndStep,
};
const TreatmentStep kEtTubeKitScope[] = {
    {.next = kEtTubeKitTube,
     .tool = TOOL_LARYNGOSCOPE,
     .location = LOC_MOUTH,
     .action = "Laryngo Scope to Mouth:   Tongue lifted; vocal cords in view.",
     .clip = "ettubec",
     .points = 5},
    kEndStep,
};
const TreatmentStep kEtTubeKitSteps[] = {
    {.next = kEtTubeKitScope,
     .tool = TOOL_GEL,
     .location = LOC_MOUTH,
     .action = "Gel to Mouth:   Blade and tube lubricated.",
     .clip = "ettubeb",
     .points = 5},
    kEndStep,
};

// ---- row 26: the healthy body ----
// The on/off pairs lead back to each other.
extern const TreatmentStep kTourniquetOn[];
extern const TreatmentStep kCravatOn[];

// Every finding of a healthy body, which seeds the active steps, and the moves that are wrong on any body.
const TreatmentStep kHealthyFindings[] = {
    {.tool = TOOL_GLOVE,
     .location = kWholeHead,
     .action = "Glove to Head:   Pulse: 72.  Alert and oriented; no injury."},
    {.tool = TOOL_STETHOSCOPE, .location = LOC_CHEST, .action = "Stethoscope to Chest:   Clear, equal breath sounds."},
    {.tool = TOOL_STETHOSCOPE,
     .location = LOC_BACK,
     .action = "Stethoscope to Back:   Clear breath sounds both sides."},
    {.tool = TOOL_PULSE_OX,
     .location = LOC_HAND,
     .action = "Pulse Ox to Hand:   Saturation 98%, pulse 72.",
     .reading = "98/72"},
    {.tool = TOOL_PENLIGHT, .location = LOC_EYE, .action = "Penlight to Eye:   Pupil round; reacts briskly to light."},
    {.tool = TOOL_PENLIGHT, .location = LOC_EAR, .action = "Penlight to Ear:   Canal clear; eardrum intact."},
    {.tool = TOOL_PENLIGHT,
     .location = LOC_MOUTH,
     .action = "Penlight to Mouth:   Airway clear; no blood or swelling."},
    {.tool = TOOL_PENLIGHT, .location = LOC_NOSE, .action = "Penlight to Nose:   Nostrils clear; no bleeding."},
    {.tool = TOOL_GLOVE, .location = LOC_NECK, .action = "Glove to Neck:   Windpipe midline; strong neck pulse."},
    {.tool = TOOL_GLOVE,
     .location = LOC_CHEST,
     .action = "Glove to Chest:   Chest rises evenly; no wound or tenderness."},
    {.tool = TOOL_GLOVE, .location = LOC_BACK, .action = "Glove to Back:   No wound; spine not tender."},
    {.tool = TOOL_GLOVE, .location = LOC_ABDOMEN, .action = "Glove to Abdomen:   Soft, not tender; no wound."},
    {.tool = TOOL_GLOVE, .location = LOC_HIP, .action = "Glove to Hip:   Pelvis stable; no pain."},
    {.tool = TOOL_GLOVE, .location = LOC_BUTTOCK, .action = "Glove to Buttock:   No wound."},
    {.tool = TOOL_GLOVE, .location = LOC_UPPER_ARM, .action = "Glove to Upper Arm:   No wound; moves normally."},
    {.tool = TOOL_GLOVE, .location = LOC_ELBOW, .action = "Glove to Elbow:   No wound; bends normally."},
    {.tool = TOOL_GLOVE, .location = LOC_FOREARM, .action = "Glove to Forearm:   No wound; moves normally."},
    {.tool = TOOL_GLOVE, .location = LOC_HAND, .action = "Glove to Hand:   Warm, pink; strong grip; feels touch."},
    {.tool = TOOL_GLOVE, .location = LOC_THIGH, .action = "Glove to Thigh:   No wound; moves normally."},
    {.tool = TOOL_GLOVE, .location = LOC_CALF, .action = "Glove to Calf:   No wound; moves normally."},
    {.tool = TOOL_GLOVE, .location = LOC_FOOT, .action = "Glove to Foot:   Warm; good pulse; wiggles toes."},
    {.next = kHealthyFindings,
     .tool = TOOL_SURVIVAL_SAW,
     .location = LOC_CALF,
     .action = "Survival Saw to Calf:   Sawing at a leg that can be saved!",
     .points = -20},
    {.next = kHealthyFindings,
     .tool = TOOL_CHEST_CATHETER,
     .location = LOC_CHEST,
     .action = "Chest Catheter to Chest:   Needle into a chest without tension.",
     .points = -5},
    {.next = kHealthyFindings,
     .tool = TOOL_ATROPINE,
     .location = LOC_ELBOW,
     .action = "Medicine Syringe:   Atropine without nerve agent: his heart races.",
     .points = -5},
    {.next = kHealthyFindings,
     .tool = TOOL_ATROPINE_DIAZEPAM,
     .location = LOC_ELBOW,
     .action = "Medicine Syringe:   Nerve-agent antidote with no nerve agent.",
     .points = -5},
    {.next = kHealthyFindings,
     .tool = TOOL_EPINEPHRINE_BENEDRYL,
     .location = LOC_UPPER_ARM,
     .action = "Medicine Syringe:   Epinephrine with no allergic reaction.",
     .points = -5},
    kEndStep,
};

constexpr BodyLocation kTourniquetPlaces = LOC_UPPER_ARM | LOC_FOREARM | LOC_THIGH | LOC_CALF;
constexpr BodyLocation kCravatPlaces = LOC_ELBOW | LOC_UPPER_ARM | LOC_FOREARM | LOC_HIP;

const TreatmentStep kTourniquetOff[] = {
    {.next = kTourniquetOn,
     .tool = TOOL_TOURNIQUET,
     .location = kTourniquetPlaces,
     .action = "Tourniquet:   On a limb that was not bleeding badly.",
     .points = -5},
    kEndStep,
};
const TreatmentStep kTourniquetOn[] = {
    {.next = kTourniquetOff,
     .tool = TOOL_TOURNIQUET,
     .location = kTourniquetPlaces,
     .action = "Tourniquet:   Taken off.",
     .flags = STEP_REMOVAL},
    kEndStep,
};

const TreatmentStep kCravatOff[] = {
    {.next = kCravatOn,
     .tool = TOOL_CRAVAT,
     .location = kCravatPlaces,
     .action = "Cravat:   No sling or wrap is needed here."},
    kEndStep,
};
const TreatmentStep kCravatOn[] = {
    {.next = kCravatOff,
     .tool = TOOL_CRAVAT,
     .location = kCravatPlaces,
     .action = "Cravat:   Taken off.",
     .flags = STEP_REMOVAL},
    kEndStep,
};

// ---- row 27: more wrong moves ----
extern const TreatmentStep kBlanketOn[];

const TreatmentStep kBlanketOff[] = {
    {.next = kBlanketOn,
     .tool = TOOL_BURN_BLANKET,
     .location = LOC_CHEST,
     .action = "Burn Blanket:   No need to wrap this man up."},
    kEndStep,
};
const TreatmentStep kBlanketOn[] = {
    {.next = kBlanketOff,
     .tool = TOOL_BURN_BLANKET,
     .location = LOC_CHEST,
     .action = "Burn Blanket:   Blanket taken off.",
     .flags = STEP_REMOVAL},
    kEndStep,
};

// Kits and procedures on a man who does not need them.
const TreatmentStep kKitMisuse[] = {
    {.next = kKitMisuse,
     .tool = TOOL_CRICH_SPONGE,
     .location = LOC_NECK,
     .action = "Sponge to Neck:   Neck prepared for a cut he doesn't need."},
    {.next = kKitMisuse,
     .tool = TOOL_CRICH_SCALPEL,
     .location = LOC_NECK,
     .action = "Scalpel to Neck:   Cutting the throat of a man who can breathe!",
     .points = -10},
    {.next = kKitMisuse,
     .tool = TOOL_CRICH_TUBE,
     .location = LOC_NECK,
     .action = "Crich Tube to Neck:   Tube forced into a working airway!",
     .points = -10},
    {.next = kKitMisuse,
     .tool = TOOL_ET_KIT,
     .location = LOC_MOUTH,
     .action = "Endotracheal tube:   Tube forced past an airway that was open.",
     .points = -5},
    {.next = kKitMisuse,
     .tool = TOOL_SURGERY_SPONGE,
     .location = 0x17FFFC,
     .action = "Sponge:   Skin cleaned for a procedure he doesn't need."},
    {.next = kKitMisuse,
     .tool = TOOL_SURGERY_SCALPEL,
     .location = 0x16FFFC,
     .action = "Scalpel:   A needless incision.",
     .points = -5},
    kEndStep,
};

constexpr const char* kNoBreathingHelpNeeded = "Ambu bag:   He is breathing well on his own.";

// Moves that do no harm and no good: they cost only the difficulty's penalty.
const TreatmentStep kUnneededMoves[] = {
    {.next = kUnneededMoves,
     .tool = TOOL_BANDAGE,
     .location = 0x17E7B4,
     .action = "Bandage:   No wound here that needs a dressing."},
    {.next = kUnneededMoves,
     .tool = TOOL_RIGID_SPLINT,
     .location = 0x788,
     .action = "Rigid Splint:   Nothing broken here to splint."},
    {.next = kUnneededMoves,
     .tool = TOOL_OCCLUSIVE_DRESSING,
     .location = LOC_CHEST | LOC_BACK | LOC_ABDOMEN,
     .action = "Occlusive Dressing:   No open chest or belly wound here."},
    {.next = kUnneededMoves,
     .tool = TOOL_MORPHINE,
     .location = LOC_ELBOW,
     .action = "Medicine Syringe:   Morphine he doesn't need."},
    {.next = kUnneededMoves,
     .tool = TOOL_DIAZEPAM,
     .location = LOC_UPPER_ARM,
     .action = "Medicine Syringe:   Diazepam he doesn't need."},
    {.next = kUnneededMoves,
     .tool = TOOL_MORPHINE_MIDAZOLAM,
     .location = LOC_ELBOW,
     .action = "Medicine Syringe:   A sedative he doesn't need."},
    {.next = kUnneededMoves,
     .tool = TOOL_XYLOCAINE,
     .location = LOC_CALF,
     .action = "Medicine Syringe:   Local anaesthetic with nothing to numb."},
    {.next = kUnneededMoves,
     .tool = TOOL_HESPAN,
     .location = LOC_ELBOW,
     .action = "Hespan:   He is not in shock; no fluid bolus needed."},
    {.next = kUnneededMoves,
     .tool = TOOL_LACTATED_RINGERS,
     .location = LOC_ELBOW,
     .action = "Lactated Ringer's:   He is not in shock; no fluid needed."},
    {.next = kUnneededMoves,
     .tool = TOOL_NASAL_AIRWAY,
     .location = LOC_NOSE,
     .action = "Nasal Airway:   His airway is open; he gags on the tube."},
    {.next = kUnneededMoves, .tool = TOOL_AMBU_BAG_NASAL, .location = LOC_NOSE, .action = kNoBreathingHelpNeeded},
    {.next = kUnneededMoves, .tool = TOOL_AMBU_BAG_ET, .location = LOC_MOUTH, .action = kNoBreathingHelpNeeded},
    {.next = kUnneededMoves, .tool = TOOL_AMBU_BAG_CRICH, .location = LOC_NECK, .action = kNoBreathingHelpNeeded},
    {.next = kUnneededMoves, .tool = TOOL_AMBU_BAG, .location = LOC_MOUTH | LOC_NOSE, .action = kNoBreathingHelpNeeded},
    {.next = kUnneededMoves,
     .tool = TOOL_ORAL_REHYDRATION,
     .location = LOC_MOUTH,
     .action = "Oral Rehydration Powder:   Not needed."},
    {.next = kUnneededMoves,
     .tool = TOOL_IRRIGATION_SYRINGE,
     .location = 0x1FFFFC,
     .action = "Irrigation Syringe:   Nothing here that needs rinsing."},
    {.next = kUnneededMoves, .tool = TOOL_ACTION, .location = 0x1FFFFC, .action = "Action:   Nothing to do here."},
    kEndStep,
};

// ---- row 29: heat stroke (also heat exhaustion's way into shock) ----
const TreatmentStep kHeatStrokeCooler[] = {
    {.tool = TOOL_GLOVE,
     .location = kWholeHead,
     .action = "Glove to Head:   Pulse: 110.  Skin cooler; answers questions."},
    kEndStep,
};
// Cooled first, fluid still to come.
const TreatmentStep kHeatStrokeCooled[] = {
    {.extra = kHeatStrokeCooler,
     .tool = TOOL_LACTATED_RINGERS,
     .multiplier1 = 1,
     .multiplier2 = 1,
     .location = LOC_ELBOW,
     .action = "Lactated Ringer's to Elbow:   1 liter running; he is calmer.",
     .clip = "heatstrokee",
     .secondDelta = -4,
     .points = 5,
     .flags = STEP_HINT | STEP_STOPS_CLOCK},
    kEndStep,
};
// Fluid first, cooling still to come.
const TreatmentStep kHeatStrokeFluidIn[] = {
    {.extra = kHeatStrokeCooler,
     .tool = TOOL_IRRIGATION_SYRINGE,
     .multiplier1 = 1,
     .multiplier2 = 1,
     .location = LOC_HEAD,
     .action = "Irrigation Syringe to Head:   Soaked with water and fanned; cooling.",
     .secondDelta = -4,
     .points = 5,
     .flags = STEP_HINT},
    kEndStep,
};
const TreatmentStep kHeatStrokeTrack0[] = {
    {.next = kHeatStrokeCooled,
     .tool = TOOL_IRRIGATION_SYRINGE,
     .multiplier1 = 1,
     .multiplier2 = 1,
     .location = LOC_HEAD,
     .action = "Irrigation Syringe to Head:   Soaked with water and fanned; cooling.",
     .clip = "heatstroked",
     .secondDelta = -4,
     .points = 5,
     .flags = STEP_HINT},
    {.next = kHeatStrokeFluidIn,
     .tool = TOOL_LACTATED_RINGERS,
     .multiplier1 = 1,
     .multiplier2 = 1,
     .location = LOC_ELBOW,
     .action = "Lactated Ringer's to Elbow:   1 liter running; he is calmer.",
     .secondDelta = -4,
     .points = 5,
     .flags = STEP_STOPS_CLOCK},
    {.next = kHeatStrokeTrack0,
     .tool = TOOL_ORAL_REHYDRATION,
     .location = LOC_MOUTH,
     .action = "Oral Rehydration Powder:   He is confused: he could choke on it.",
     .remark = "Nothing by mouth when he's confused.",
     .points = -5,
     .flags = STEP_LOGGED_WRONG},
    {.tool = TOOL_GLOVE,
     .multiplier1 = 1,
     .multiplier2 = 1,
     .location = kWholeHead,
     .action = "Glove to Head:   Pulse: 140.  Hot, red, dry skin; confused, combative.",
     .clip = "heatstrokeb",
     .points = 5},
    {.tool = TOOL_PULSE_OX,
     .location = LOC_HAND,
     .action = "Pulse Ox to Hand:   Saturation 95%, pulse 140.",
     .reading = "95/140",
     .clip = "heatstrokec",
     .points = 5},
    kEndStep,
};

// ---- row 33: major shock ----
const TreatmentStep kMajorShockTrack0[] = {
    {.tool = TOOL_GLOVE,
     .location = LOC_HEAD,
     .action = "Glove to Head:   Pulse: 150, thready.  Unresponsive; cold, grey skin."},
    {.tool = TOOL_PULSE_OX,
     .location = LOC_HAND,
     .action = "Pulse Ox to Hand:   Saturation 82%, pulse 150.",
     .reading = "82/150"},
    {.tool = TOOL_HESPAN,
     .location = LOC_ELBOW,
     .action = "Hespan to Elbow:   500 ml Hespan in; a faint radial pulse returns.",
     .secondDelta = -40,
     .points = 5,
     .flags = STEP_HINT | STEP_STOPS_CLOCK},
    {.tool = TOOL_LACTATED_RINGERS,
     .location = LOC_ELBOW,
     .action = "Lactated Ringer's to Elbow:   1 liter in; pulse a little stronger.",
     .secondDelta = -30,
     .points = 5,
     .flags = STEP_STOPS_CLOCK},
    {.next = kMajorShockTrack0,
     .tool = TOOL_MORPHINE,
     .location = LOC_ELBOW,
     .action = "Medicine Syringe:   Morphine in deep shock: breathing nearly stops.",
     .flags = STEP_LOGGED_WRONG},
    kEndStep,
};
const TreatmentStep kMajorShockAirwayOpen[] = {
    {.tool = TOOL_BURN_BLANKET,
     .location = LOC_CHEST,
     .action = "Burn Blanket to Chest:   Wrapped against the cold.",
     .points = 5,
     .flags = STEP_HINT},
    kEndStep,
};
const TreatmentStep kMajorShockTrack1[] = {
    {.next = kMajorShockAirwayOpen,
     .tool = TOOL_NASAL_AIRWAY,
     .location = LOC_NOSE,
     .action = "Nasal Airway to Nose:   Airway opened for the unconscious man.",
     .points = 5,
     .flags = STEP_HINT},
    {.tool = TOOL_BURN_BLANKET,
     .location = LOC_CHEST,
     .action = "Burn Blanket to Chest:   Wrapped against the cold.",
     .points = 5},
    kEndStep,
};

// ---- row 34: minor shock ----
constexpr const char* kMorphineInShock = "Medicine Syringe:   Morphine in shock: his pressure collapses.";

const TreatmentStep kMinorShockTrack0[] = {
    {.tool = TOOL_GLOVE,
     .location = LOC_HEAD,
     .action = "Glove to Head:   Pulse: 124, weak.  Anxious; skin cool, pale, clammy."},
    {.tool = TOOL_PULSE_OX,
     .location = LOC_HAND,
     .action = "Pulse Ox to Hand:   Saturation 93%, pulse 124.",
     .reading = "93/124"},
    {.tool = TOOL_HESPAN,
     .location = LOC_ELBOW,
     .action = "Hespan to Elbow:   500 ml Hespan running; radial pulse firmer.",
     .secondDelta = -10,
     .points = 5,
     .flags = STEP_HINT | STEP_STOPS_CLOCK},
    {.tool = TOOL_LACTATED_RINGERS,
     .location = LOC_ELBOW,
     .action = "Lactated Ringer's to Elbow:   1 liter running; pulse steadier.",
     .secondDelta = -8,
     .points = 5,
     .flags = STEP_STOPS_CLOCK},
    {.next = kMinorShockTrack0,
     .tool = TOOL_MORPHINE,
     .location = LOC_ELBOW,
     .action = kMorphineInShock,
     .flags = STEP_LOGGED_WRONG,
     .forcedCondition = FORCED_MAJOR_SHOCK},
    {.next = kMinorShockTrack0,
     .tool = TOOL_MORPHINE_MIDAZOLAM,
     .location = LOC_ELBOW,
     .action = kMorphineInShock,
     .flags = STEP_LOGGED_WRONG,
     .forcedCondition = FORCED_MAJOR_SHOCK},
    kEndStep,
};
const TreatmentStep kMinorShockTrack1[] = {
    {.tool = TOOL_BURN_BLANKET,
     .location = LOC_CHEST,
     .action = "Burn Blanket to Chest:   Wrapped to keep him warm.",
     .points = 5,
     .flags = STEP_HINT},
    kEndStep,
};

// ---- row 35: the minor surgery kit ----
const TreatmentStep kMinorSurgeryKitIncision[] = {
    {.tool = TOOL_SURGERY_SCALPEL,
     .location = 0x16FFFC,
     .action = "Scalpel:   Small incision made.",
     .clip = "minorkitc",
     .points = 5},
    kEndStep,
};
const TreatmentStep kMinorSurgeryKitSteps[] = {
    {.next = kMinorSurgeryKitIncision,
     .tool = TOOL_SURGERY_SPONGE,
     .location = 0x17FFFC,
     .action = "Sponge:   Skin cleaned with antiseptic.",
     .clip = "minorkitb"},
    kEndStep,
};

// ---- row 38: a patient beyond help ----
const TreatmentStep kDyingFindings[] = {
    {.tool = TOOL_GLOVE,
     .multiplier1 = 1,
     .multiplier2 = 1,
     .location = kWholeHead,
     .action = "Glove to Head:   No radial pulse; gasping; does not respond.",
     .clip = "dyingb",
     .points = 5},
    {.tool = TOOL_GLOVE,
     .location = LOC_CHEST,
     .action = "Glove to Chest:   Huge open wounds of chest and belly.",
     .clip = "dyingc",
     .points = 5},
    {.tool = TOOL_PULSE_OX,
     .location = LOC_HAND,
     .action = "Pulse Ox to Hand:   Saturation 70%, pulse 150 and fading.",
     .reading = "70/150",
     .points = 5},
    kEndStep,
};

// ---- row 55: found dead ----
// Only slots the death findings leave alone carry points, so the maximum stays within reach.
const TreatmentStep kTraumaticDeathFindings[] = {
    {.tool = TOOL_GLOVE,
     .location = LOC_NECK,
     .action = "Glove to Neck:   No neck pulse. Dog tags checked.",
     .clip = "trauma_deadb",
     .points = 5},
    {.tool = TOOL_GLOVE,
     .location = LOC_CHEST,
     .action = "Glove to Chest:   No wound found on the chest.",
     .clip = "trauma_deadc",
     .points = 5},
    {.tool = TOOL_GLOVE, .location = LOC_BACK, .action = "Glove to Back:   No wound found on the back.", .points = 5},
    kEndStep,
};

}  // namespace

namespace {

template <size_t N>
constexpr StepListExtent ExtentOf(const TreatmentStep (&list)[N]) {
  return {list, static_cast<int32_t>(N)};
}

}  // namespace

const StepListExtent kStepListExtents[] = {
    ExtentOf(kNoSteps),
    ExtentOf(kWound0Dressed),
    ExtentOf(kWound0MorphineGiven),
    ExtentOf(kWound0AfterPushBack),
    ExtentOf(kWound0AfterDressing),
    ExtentOf(kWound0AfterBoth),
    ExtentOf(kWound0PushedBack),
    ExtentOf(kWound0Track0),
    ExtentOf(kWound0Track1),
    ExtentOf(kWound31Final),
    ExtentOf(kWound31FaceBandaged),
    ExtentOf(kWound31ArmBandaged),
    ExtentOf(kWound31ArmOpen),
    ExtentOf(kWound31FaceOpen),
    ExtentOf(kWound31Track0),
    ExtentOf(kCrichKitTube),
    ExtentOf(kCrichKitIncision),
    ExtentOf(kCrichKitSteps),
    ExtentOf(kDeadmanFindings),
    ExtentOf(kEtTubeKitTube),
    ExtentOf(kEtTubeKitScope),
    ExtentOf(kEtTubeKitSteps),
    ExtentOf(kHealthyFindings),
    ExtentOf(kTourniquetOff),
    ExtentOf(kTourniquetOn),
    ExtentOf(kCravatOff),
    ExtentOf(kCravatOn),
    ExtentOf(kBlanketOff),
    ExtentOf(kBlanketOn),
    ExtentOf(kKitMisuse),
    ExtentOf(kUnneededMoves),
    ExtentOf(kHeatStrokeCooler),
    ExtentOf(kHeatStrokeCooled),
    ExtentOf(kHeatStrokeFluidIn),
    ExtentOf(kHeatStrokeTrack0),
    ExtentOf(kMajorShockTrack0),
    ExtentOf(kMajorShockAirwayOpen),
    ExtentOf(kMajorShockTrack1),
    ExtentOf(kMinorShockTrack0),
    ExtentOf(kMinorShockTrack1),
    ExtentOf(kMinorSurgeryKitIncision),
    ExtentOf(kMinorSurgeryKitSteps),
    ExtentOf(kDyingFindings),
    ExtentOf(kTraumaticDeathFindings),
};
const int kStepListExtentCount = static_cast<int>(std::size(kStepListExtents));

// texture set, remark key, title, title lines, description lines,
// bonus, location, severity, condition flags, bleed rate, second rate, step lists,
// poses, mask A, mask B (by difficulty), side rule, deadlines (s: minor, major, death), spurt
// clang-format off
const WoundType WoundTypeTable[kWoundTypeCount] = {
    // 0
    {"las-abdomen", "intestine", "Multiple wounds to abdomen with intestinal evisceration",
     1, {"Multiple wounds to abdomen with intestinal evisceration"},
     3, {"Several small fragment cuts of the lower belly; a loop of bowel",
         "pokes out of one. Cover it (or ease it back once, gently), seal",
         "the wound, then relieve the pain."},
     20, LOC_ABDOMEN, SEVERITY_LITE, 0x3, 1, 0, {kWound0Track0, kWound0Track1, nullptr},
     {0, 1, 0, 1}, {0, 0, 0}, {0, 0, 0}, SIDE_RULE_FIRST, {0, 0, 0}, {}},
    // 1
    {"impale-abdomen", "strutab", "Abdominal impalement with minor shock",
     1, {"Abdominal impalement with minor shock"},
     2, {"A metal strut is driven into his belly; early shock. Leave it in,",
         "pad it so it cannot move, run a Hespan drip, keep him warm."},
     15, LOC_ABDOMEN, SEVERITY_MAJOR, 0xB, 2, 10, {kNoSteps, nullptr, nullptr},
     {21, 22, 21, 22}, {0x400, 0x400, 0x400}, {0, 0, 0}, SIDE_RULE_RANDOM, {0, 150, 300}, {}},
    // 2
    {"rebar-abdomen", "rebar", "Abdomen impalement with severe hemorrhage and shock",
     1, {"Abdomen impalement with severe hemorrhage and shock"},
     3, {"Impaled through the belly on a steel bar fixed in the rubble. It",
         "cannot be cut here: start fluid, lift him off, pack and press",
         "the wound at once, keep him warm."},
     20, LOC_ABDOMEN, SEVERITY_MAJOR, 0xB, 3, 10, {kNoSteps, nullptr, nullptr},
     {18, 1, 18, 1}, {0x400, 0x400, 0x400}, {0, 0, 0}, SIDE_RULE_RANDOM, {0, 120, 240}, {}},
    // 3
    {"", "acsep", "Acromio-clavicular separation",
     1, {"Acromio-clavicular separation"},
     2, {"Fell on the point of the shoulder; the collarbone end has sprung up.",
         "Support the arm in a sling and swathe; ease the pain."},
     10, LOC_UPPER_ARM, SEVERITY_MEDIUM, 0x3, 0, 0, {kNoSteps, nullptr, nullptr},
     {6, 7, 2, 3}, {0, 0, 0}, {0, 0, 0}, SIDE_RULE_RANDOM, {0, 0, 0}, {}},
    // 4
    {"amp-thigh", "legsgone", "Bilateral lower extremity amputations and shock",
     1, {"Bilateral lower extremity amputations and shock"},
     3, {"A mine took both legs off below the knees; one stump spurts. Tourniquet",
         "both thighs high and tight, give fluid, dress the stumps, keep him",
         "warm. No morphine in shock."},
     40, LOC_THIGH, SEVERITY_MAJOR, 0x9, 8, 10, {kNoSteps, nullptr, nullptr},
     {12, 13, 12, 13}, {0x40, 0x40, 0x40}, {0, 0, 0}, SIDE_RULE_FIRST, {0, 60, 150},
     {-1.5f, 1.0f, -3.0f, -0.05f, 0.1f, -0.4f}},
    // 5
    {"amp-foot", "footgone", "Amputation of foot",
     1, {"Amputation of foot"},
     2, {"A mine took the foot off at the ankle. Tourniquet the lower leg",
         "above the stump, dress it, relieve the pain, keep him warm."},
     25, LOC_FOOT, SEVERITY_MAJOR, 0xB, 6, 5, {kNoSteps, nullptr, nullptr},
     {19, 20, 19, 20}, {0x100, 0x100, 0x100}, {0, 0, 0}, SIDE_RULE_RANDOM, {60, 150, 300}, {}},
    // 6
    {"crush-calf", "legamp", "Entrapment requiring leg amputation",
     1, {"Entrapment requiring leg amputation"},
     3, {"Leg crushed under an overturned vehicle that cannot be moved. Last",
         "resort: tourniquet, fluid, pain relief, local anaesthetic, then cut",
         "through the crushed calf and dress the stump."},
     45, LOC_CALF, SEVERITY_MAJOR, 0xB, 2, 5, {kNoSteps, nullptr, nullptr},
     {4, 5, 4, 5}, {0x4, 0x4, 0x4}, {0x3800, 0x3800, 0x3800}, SIDE_RULE_SECOND, {120, 240, 420}, {}},
    // 7
    {"bruise-ankle", "anklefx", "Fracture-dislocation of ankle",
     1, {"Fracture-dislocation of ankle"},
     2, {"Ankle broken and out of joint; the foot has no pulse. One gentle",
         "pull to line it up, then splint the lower leg."},
     15, LOC_FOOT, SEVERITY_MEDIUM, 0xB, 0, 0, {kNoSteps, nullptr, nullptr},
     {8, 9, 4, 5}, {0, 0, 0}, {0, 0, 0}, SIDE_RULE_RANDOM, {0, 0, 0}, {}},
    // 8
    {"bruise-head", "blastcoma", "Blast injury with coma",
     1, {"Blast injury with coma"},
     3, {"Thrown by a blast: unconscious, snoring breaths, unequal pupils.",
         "Open the airway with a nasal tube, breathe for him, collar the",
         "neck and keep him warm. No morphine."},
     20, LOC_HEAD, SEVERITY_MAJOR, 0x8, 1, 5, {kNoSteps, nullptr, nullptr},
     {16, 16, 16, 16}, {0x40, 0x40, 0x40}, {0, 0, 0}, SIDE_RULE_RANDOM, {0, 90, 240}, {}},
    // 9
    {"burn-chest", "burns", "Partial and full thickness burns to 60% of body",
     1, {"Partial and full thickness burns to 60% of body"},
     3, {"Fuel fire: blisters and charred skin over 60% of the body. Start",
         "fluid early, cover with dry dressings, relieve pain, then wrap",
         "him in the burn blanket. Never cool large burns with water."},
     20, LOC_CHEST, SEVERITY_MAJOR, 0x3, 0, 5, {kNoSteps, nullptr, nullptr},
     {12, 13, 12, 13}, {0x20, 0x20, 0x20}, {0, 0, 0}, SIDE_RULE_RANDOM, {180, 360, 0}, {}},
    // 10
    {"bruise-head", "headclosed", "Closed Head Injury",
     1, {"Closed Head Injury"},
     3, {"Struck his head in a fall; dazed and repeating himself. Check",
         "pupils and ears, collar the neck, raise head and shoulders,",
         "evacuate. No morphine: it hides a worsening brain injury."},
     10, LOC_HEAD, SEVERITY_MEDIUM, 0x3, 0, 0, {kNoSteps, nullptr, nullptr},
     {10, 11, 10, 11}, {0x8, 0x8, 0x8}, {0, 0, 0}, SIDE_RULE_RANDOM, {0, 0, 0}, {}},
    // 11
    {"fx-thigh", "femurfx", "Compound fracture of femur",
     1, {"Compound fracture of femur"},
     2, {"Thigh bone broken through the skin, bleeding steadily. Press a",
         "dressing on, splint the whole leg, ease the pain, keep him warm."},
     20, LOC_THIGH, SEVERITY_MAJOR, 0xB, 4, 5, {kNoSteps, nullptr, nullptr},
     {8, 9, 4, 5}, {0x4, 0x4, 0x4}, {0, 0, 0}, SIDE_RULE_RANDOM, {90, 200, 360}, {}},
    // 12
    {"", "", "Crich Kit",
     1, {"Crich Kit"},
     1, {"Kit procedure: cricothyroidotomy."},
     15, LOC_NECK, SEVERITY_MAJOR, 0x7, 0, 0, {kCrichKitSteps, nullptr, nullptr},
     {-1, -1, -1, -1}, {0, 0, 0}, {0, 0, 0}, SIDE_RULE_RANDOM, {0, 0, 0}, {}},
    // 13
    {"", "", "Deadman's body parts",
     1, {"Deadman's body parts"},
     1, {"Findings of a dead casualty."},
     0, LOC_HEAD, SEVERITY_MEDIUM, 0x4, 0, 0, {kDeadmanFindings, nullptr, nullptr},
     {16, 16, 16, 16}, {0, 0, 0}, {0, 0, 0}, SIDE_RULE_RANDOM, {0, 0, 0}, {}},
    // 14
    {"gsw-abdomen", "abdodeath", "Death due to multiple abdominal wounds",
     1, {"Death due to multiple abdominal wounds"},
     3, {"Several bullets through the belly; no radial pulse, gasping. He dies",
         "within half a minute whatever is done. Record the findings, do",
         "not spend supplies on him, and evacuate the body."},
     0, LOC_ABDOMEN, SEVERITY_MEDIUM, 0x0, 5, 20, {kNoSteps, nullptr, nullptr},
     {16, 16, 16, 16}, {0, 0, 0}, {0x3FFE, 0x3800, 0x3800}, SIDE_RULE_RANDOM, {0, 0, 30}, {}},
    // 15
    {"bruise-knee", "kneedisl", "Dislocated knee, possible fracture",
     1, {"Dislocated knee, possible fracture"},
     2, {"Knee knocked out of joint; the foot is cool with a weak pulse.",
         "One gentle pull into line, splint the leg, ease the pain."},
     15, LOC_CALF, SEVERITY_MEDIUM, 0xB, 0, 0, {kNoSteps, nullptr, nullptr},
     {8, 9, 4, 5}, {0, 0, 0}, {0, 0, 0}, SIDE_RULE_RANDOM, {0, 0, 0}, {}},
    // 16
    {"", "", "ET tube subtray state machine",
     1, {"ET tube subtray state machine"},
     1, {"Kit procedure: endotracheal intubation."},
     15, LOC_MOUTH, SEVERITY_MAJOR, 0x7, 0, 0, {kEtTubeKitSteps, nullptr, nullptr},
     {-1, -1, -1, -1}, {0, 0, 0}, {0, 0, 0}, SIDE_RULE_RANDOM, {0, 0, 0}, {}},
    // 17
    {"fx-forearm", "forearmfx", "Forearm compound fracture",
     1, {"Forearm compound fracture"},
     2, {"Forearm broken with bone through the skin. Dress the wound,",
         "splint the forearm, sling the arm, ease the pain."},
     20, LOC_FOREARM, SEVERITY_MEDIUM, 0x3, 2, 0, {kNoSteps, nullptr, nullptr},
     {6, 7, 2, 3}, {0x2000, 0x2000, 0x2000}, {0, 0, 0}, SIDE_RULE_RANDOM, {0, 0, 0}, {}},
    // 18
    {"las-upperarm", "armfx", "Fractured arm with deformity and laceration",
     1, {"Fractured arm with deformity and laceration"},
     2, {"Upper arm broken and bent, with a cut over the break. Dress the",
         "cut, splint the arm as found, sling and swathe it, ease the pain."},
     20, LOC_UPPER_ARM, SEVERITY_MEDIUM, 0x3, 1, 0, {kNoSteps, nullptr, nullptr},
     {6, 7, 2, 3}, {0, 0, 0}, {0, 0, 0}, SIDE_RULE_RANDOM, {0, 0, 0}, {}},
    // 19
    {"gsw-upperarm", "brachial", "Gunshot wound to leg and arm with brachial artery injury",
     1, {"Gunshot wound to leg and arm with brachial artery injury"},
     3, {"Bullet through the inner upper arm (artery spurting) and another",
         "through the thigh. Tourniquet the arm at once, give fluid, dress",
         "the thigh, keep him warm."},
     25, LOC_UPPER_ARM, SEVERITY_MAJOR, 0xB, 8, 10, {kNoSteps, nullptr, nullptr},
     {6, 7, 2, 3}, {0x10, 0x10, 0x10}, {0, 0, 0}, SIDE_RULE_RANDOM, {30, 90, 180}, {}},
    // 20
    {"gsw-pafin-hand", "fingeramp", "Gunshot wound to hand, partial amputation of finger",
     1, {"Gunshot wound to hand, partial amputation of finger"},
     3, {"Bullet through the hand; one finger hangs by a strip of skin. Keep it",
         "on, wrap the hand in a pressure dressing, sling the arm, ease the",
         "pain, evacuate."},
     15, LOC_HAND, SEVERITY_MEDIUM, 0x3, 2, 0, {kNoSteps, nullptr, nullptr},
     {6, 7, 2, 3}, {0, 0, 0}, {0, 0, 0}, SIDE_RULE_RANDOM, {0, 0, 0}, {}},
    // 21
    {"gsw-hand", "gswhand", "Gunshot wound to hand",
     1, {"Gunshot wound to hand"},
     2, {"Bullet through the palm; small bones broken. Pressure dressing,",
         "sling, pain relief, evacuate: he cannot grip a weapon."},
     15, LOC_HAND, SEVERITY_MEDIUM, 0x3, 2, 0, {kNoSteps, nullptr, nullptr},
     {6, 7, 2, 3}, {0x2, 0x2, 0x2}, {0, 0, 0}, SIDE_RULE_RANDOM, {0, 0, 0}, {}},
    // 22
    {"gsw-thigh", "gswlegarm", "Bullet wounds to the leg and arm.",
     1, {"Bullet wounds to the leg and arm."},
     2, {"Bullet through the thigh muscle and a graze across the forearm.",
         "Dress the thigh, then the forearm; ease the pain."},
     15, LOC_THIGH, SEVERITY_MEDIUM, 0x3, 3, 0, {kNoSteps, nullptr, nullptr},
     {8, 9, 4, 5}, {0x2004, 0x2004, 0x2004}, {0, 0, 0}, SIDE_RULE_RANDOM, {240, 0, 0}, {}},
    // 23
    {"gsw-calf", "tibiafx", "Gunshot wound to lower leg with tibial fracture",
     1, {"Gunshot wound to lower leg with tibial fracture"},
     2, {"A bullet broke the shin bone. Pressure dressing on the wound, splint",
         "the lower leg in line, ease the pain."},
     15, LOC_CALF, SEVERITY_MEDIUM, 0xB, 3, 0, {kNoSteps, nullptr, nullptr},
     {8, 9, 4, 5}, {0x10, 0x10, 0x10}, {0, 0, 0}, SIDE_RULE_RANDOM, {240, 0, 0}, {}},
    // 24
    {"gsw-chest", "chestgsw", "Multiple gunshot wounds to chest, pneumo- and hemothorax",
     1, {"Multiple gunshot wounds to chest, pneumo- and hemothorax"},
     3, {"Two bullets through the chest: air and blood around the lung. Seal",
         "the holes front and back, start fluid, keep him warm and sitting",
         "up, evacuate at once. No morphine: he is short of breath."},
     20, LOC_CHEST, SEVERITY_MAJOR, 0x3, 3, 10, {kNoSteps, nullptr, nullptr},
     {12, 13, 12, 13}, {0x200, 0x200, 0x200}, {0, 0, 0}, SIDE_RULE_RANDOM, {60, 150, 300}, {}},
    // 25
    {"bruise-temple", "headich", "Head trauma with intercranial hemorrhage",
     1, {"Head trauma with intercranial hemorrhage"},
     3, {"Hit on the temple; talked at first, now drowsy; one pupil large;",
         "clear fluid from one ear. Collar, head up, nothing up the nose,",
         "no morphine, evacuate urgently."},
     10, LOC_HEAD, SEVERITY_MAJOR, 0x3, 0, 0, {kNoSteps, nullptr, nullptr},
     {10, 11, 10, 11}, {0x400, 0x400, 0x400}, {0, 0, 0}, SIDE_RULE_RANDOM, {0, 0, 360}, {}},
    // 26
    {"", "", "Healthy body parts",
     1, {"Healthy body parts"},
     1, {"Healthy findings and general wrong moves."},
     0, 0, SEVERITY_LITE, 0x7, 0, 0, {kHealthyFindings, kTourniquetOff, kCravatOff},
     {-1, -1, -1, -1}, {0, 0, 0}, {0, 0, 0}, SIDE_RULE_RANDOM, {0, 0, 0}, {}},
    // 27
    {"", "", "more healthy state machine stuff",
     1, {"more healthy state machine stuff"},
     1, {"More wrong moves."},
     0, 0, SEVERITY_LITE, 0x7, 0, 0, {kBlanketOff, kKitMisuse, kUnneededMoves},
     {-1, -1, -1, -1}, {0, 0, 0}, {0, 0, 0}, SIDE_RULE_RANDOM, {0, 0, 0}, {}},
    // 28
    {"", "heatexh", "Heat exhaustion; dehydration",
     1, {"Heat exhaustion; dehydration"},
     3, {"Collapsed on patrol in the heat: dizzy, sweating, thirsty. Rest",
         "him in the shade, let him drink, cool him down; he must not slip",
         "into heat stroke."},
     15, LOC_HEAD, SEVERITY_MEDIUM, 0x3, 0, 3, {kNoSteps, nullptr, nullptr},
     {10, 11, 10, 11}, {0x8, 0x8, 0x8}, {0x3AA0, 0x3AA0, 0x3AA0}, SIDE_RULE_RANDOM, {120, 0, 0}, {}},
    // 29
    {"", "heatstroke", "Heat Stroke",
     1, {"Heat Stroke"},
     2, {"Heat stroke: hot, red, dry skin and confusion. Cool him hard and",
         "fast with water, start IV fluid, nothing by mouth, evacuate."},
     10, LOC_HEAD, SEVERITY_MAJOR, 0x1, 0, 8, {kHeatStrokeTrack0, nullptr, nullptr},
     {12, 13, 12, 13}, {0x400, 0x400, 0x400}, {0x3AA0, 0x3AA0, 0x3AA0}, SIDE_RULE_RANDOM, {0, 120, 300}, {}},
    // 30
    {"bruise-upperarm", "humerusfx", "Humerus fracture",
     1, {"Humerus fracture"},
     2, {"Upper arm bone broken, skin intact; the wrist hangs (nerve",
         "bruised). Splint the arm as found, sling and swathe it, ease the pain."},
     15, LOC_UPPER_ARM, SEVERITY_MEDIUM, 0x3, 0, 0, {kNoSteps, nullptr, nullptr},
     {6, 7, 2, 3}, {0x2000, 0x2000, 0x2000}, {0, 0, 0}, SIDE_RULE_RANDOM, {0, 0, 0}, {}},
    // 31
    {"las-face", "las_armface", "Lacerations to the face",
     1, {"Lacerations to the face"},
     2, {"A cut across the cheek and another on the upper arm, both bleeding.",
         "Bandage each; he can go back to his unit."},
     15, LOC_HEAD, SEVERITY_LITE, 0x3, 2, 0, {kWound31Track0, nullptr, nullptr},
     {10, 11, 10, 11}, {0x1002, 0x1002, 0x1002}, {0, 0, 0}, SIDE_RULE_FIRST, {0, 0, 0}, {}},
    // 32
    {"las-forearm", "las_arm", "Multiple lacerations to arm; no deep structures",
     1, {"Multiple lacerations to arm; no deep structures"},
     2, {"Three shallow cuts on the forearm; nerves, tendons and vessels",
         "are fine. Rinse, dress, send him back to his unit."},
     10, LOC_FOREARM, SEVERITY_LITE, 0x3, 2, 0, {kNoSteps, nullptr, nullptr},
     {6, 7, 2, 3}, {0x1002, 0x1002, 0x1002}, {0, 0, 0}, SIDE_RULE_RANDOM, {0, 0, 0}, {}},
    // 33
    {"", "", "Major_Shock",
     1, {"Major_Shock"},
     1, {"Major shock."},
     19, 0, SEVERITY_MAJOR, 0x4, 0, 52, {kMajorShockTrack0, kMajorShockTrack1, nullptr},
     {16, 16, 16, 16}, {0, 0, 0}, {0, 0, 0}, SIDE_RULE_RANDOM, {0, 0, 60}, {}},
    // 34
    {"", "", "Minor_Shock",
     1, {"Minor_Shock"},
     1, {"Minor shock."},
     2, 0, SEVERITY_MEDIUM, 0x5, 0, 10, {kMinorShockTrack0, kMinorShockTrack1, nullptr},
     {12, 13, 12, 13}, {0, 0, 0}, {0, 0, 0}, SIDE_RULE_RANDOM, {0, 60, 0}, {}},
    // 35
    {"", "", "Minor Surgery Kit",
     1, {"Minor Surgery Kit"},
     1, {"Kit procedure: minor surgery."},
     5, LOC_ELBOW, SEVERITY_MEDIUM, 0x7, 0, 0, {kMinorSurgeryKitSteps, nullptr, nullptr},
     {-1, -1, -1, -1}, {0, 0, 0}, {0, 0, 0}, SIDE_RULE_RANDOM, {0, 0, 0}, {}},
    // 36
    {"nose-bleed", "nosebleed", "Nasal injury with epistaxis, possible fracture",
     1, {"Nasal injury with epistaxis, possible fracture"},
     3, {"Struck on the nose: bent, swollen, bleeding from both nostrils.",
         "Sit him forward, pinch the soft part, pack it if it keeps",
         "bleeding. No tube through a broken nose."},
     10, LOC_NOSE, SEVERITY_LITE, 0x3, 3, 0, {kNoSteps, nullptr, nullptr},
     {10, 11, 10, 11}, {0x2, 0x2, 0x2}, {0, 0, 0}, SIDE_RULE_RANDOM, {0, 0, 0}, {}},
    // 37
    {"", "nervegas", "Nerve gas exposure",
     1, {"Nerve gas exposure"},
     3, {"Nerve agent in the lab: drooling, pinpoint pupils, wheezing,",
         "twitching, slow pulse. Antidote at once, then more atropine,",
         "breathe for him, rinse face and eyes. No morphine."},
     25, LOC_CHEST, SEVERITY_MAJOR, 0x1, 0, 8, {kNoSteps, nullptr, nullptr},
     {12, 13, 12, 13}, {0x20, 0x20, 0x20}, {0x3FDE, 0x3FDE, 0x3FDE}, SIDE_RULE_RANDOM, {0, 60, 180}, {}},
    // 38
    {"gsw-chest", "dying", "Patient dying",
     1, {"Patient dying"},
     3, {"Massive wounds of chest and belly; no radial pulse, gasping.",
         "Beyond help here: record the findings, spend nothing on him, and",
         "move on to the casualties who can be saved."},
     0, LOC_CHEST, SEVERITY_MEDIUM, 0x0, 5, 50, {kDyingFindings, nullptr, nullptr},
     {16, 16, 16, 16}, {0, 0, 0}, {0x3FFE, 0x3800, 0x3800}, SIDE_RULE_RANDOM, {0, 0, 60}, {}},
    // 39
    {"bruise-hip", "pelvisfx", "Pelvis fracture with shock",
     1, {"Pelvis fracture with shock"},
     3, {"Crushed by a falling wall: the pelvis is broken and bleeding",
         "inside. Wrap the pelvis tight, give fluid, keep him warm and still.",
         "No morphine in shock."},
     20, LOC_HIP, SEVERITY_MAJOR, 0xB, 0, 10, {kNoSteps, nullptr, nullptr},
     {12, 13, 12, 13}, {0, 0, 0}, {0, 0, 0}, SIDE_RULE_RANDOM, {0, 120, 300}, {}},
    // 40
    {"impale-buttock", "pipebutt", "Large object penetrating the buttock",
     1, {"Large object penetrating the buttock"},
     2, {"A metal pipe is driven deep into the buttock. Leave it in, pad",
         "it so it cannot move, ease the pain, keep him warm, evacuate."},
     15, LOC_BUTTOCK, SEVERITY_MAJOR, 0xB, 2, 5, {kNoSteps, nullptr, nullptr},
     {12, 13, 12, 13}, {0x40, 0x40, 0x40}, {0, 0, 0}, SIDE_RULE_RANDOM, {150, 300, 480}, {}},
    // 41
    {"", "psycho", "Brief reactive psychosis",
     1, {"Brief reactive psychosis"},
     3, {"After days of heavy fighting he is shouting, confused and waving",
         "a pistol. Make it safe: take the weapon, restrain him, sedate him,",
         "evacuate. Rule out head injury and poisoning."},
     15, LOC_HEAD, SEVERITY_MEDIUM, 0x3, 0, 0, {kNoSteps, nullptr, nullptr},
     {43, 43, 43, 43}, {0, 0, 0}, {0x3800, 0x3800, 0x3800}, SIDE_RULE_RANDOM, {0, 0, 0}, {}},
    // 42
    {"ear-blood", "eardrums", "Bilateral ruptured tympanic membranes",
     1, {"Bilateral ruptured tympanic membranes"},
     3, {"Close to a blast: both eardrums burst, ears ringing and bleeding.",
         "Cover the ears loosely, check the lungs for blast injury,",
         "evacuate. Never rinse a burst eardrum."},
     10, LOC_EAR, SEVERITY_MEDIUM, 0x3, 1, 0, {kNoSteps, nullptr, nullptr},
     {10, 11, 10, 11}, {0x40, 0x40, 0x40}, {0, 0, 0}, SIDE_RULE_RANDOM, {0, 0, 0}, {}},
    // 43
    {"shrap-upperarm", "axilla", "Shrapnel wound to axilla, severe bleeding",
     1, {"Shrapnel wound to axilla, severe bleeding"},
     3, {"Fragment deep in the armpit, bright blood pumping. Too high for a",
         "tourniquet: pack the wound hard and press, give fluid, keep him",
         "warm."},
     20, LOC_UPPER_ARM, SEVERITY_MAJOR, 0xB, 8, 10, {kNoSteps, nullptr, nullptr},
     {6, 7, 2, 3}, {0x80, 0x80, 0x80}, {0, 0, 0}, SIDE_RULE_FIRST, {30, 90, 180},
     {-2.0f, 1.0f, 4.0f, -0.2f, 0.5f, -0.2f}},
    // 44
    {"shrap-chest", "tension_multi", "Multiple wounds to chest; tension pneumothorax",
     1, {"Multiple wounds to chest; tension pneumothorax"},
     3, {"Fragments across the chest; one hole sucks air and trapped air is",
         "crushing the lung. Seal the hole, decompress with the needle,",
         "keep him warm, evacuate. No morphine."},
     20, LOC_CHEST, SEVERITY_MAJOR, 0x1, 2, 15, {kNoSteps, nullptr, nullptr},
     {12, 13, 12, 13}, {0x200, 0x200, 0x200}, {0, 0, 0}, SIDE_RULE_RANDOM, {0, 60, 150}, {}},
    // 45
    {"shrap-groin", "groin", "Shrapnel wound to groin with partial paralysis",
     1, {"Shrapnel wound to groin with partial paralysis"},
     3, {"Fragment in the groin crease, bleeding heavily; the leg below is",
         "weak and numb. Too high for a tourniquet: pack and press the wound,",
         "give fluid, keep him warm."},
     20, LOC_HIP, SEVERITY_MAJOR, 0xB, 5, 8, {kNoSteps, nullptr, nullptr},
     {8, 9, 4, 5}, {0x100, 0x100, 0x100}, {0, 0, 0}, SIDE_RULE_RANDOM, {45, 120, 240}, {}},
    // 46
    {"blast-face", "blasthead", "Blast wound to head, facial trauma, coma",
     1, {"Blast wound to head, facial trauma, coma"},
     3, {"Blast to the face: jaw and midface smashed, mouth full of blood,",
         "unconscious and choking. Nothing fits through that face: open an",
         "airway in the neck, bag him, dress the head, keep him warm."},
     30, LOC_HEAD, SEVERITY_MAJOR, 0x8, 4, 5, {kNoSteps, nullptr, nullptr},
     {16, 16, 16, 16}, {0x200, 0x200, 0x200}, {0, 0, 0}, SIDE_RULE_RANDOM, {0, 60, 150}, {}},
    // 47
    {"shrap-chest-small", "tension", "Tension pneumothorax from shrapnel",
     1, {"Tension pneumothorax from shrapnel"},
     3, {"A small fragment hole in the chest; air trapped under pressure is",
         "crushing lung and heart. Decompress with the needle at once, then",
         "seal the hole and keep him warm."},
     20, LOC_CHEST, SEVERITY_MAJOR, 0x1, 1, 15, {kNoSteps, nullptr, nullptr},
     {12, 13, 12, 13}, {0x80, 0x80, 0x80}, {0, 0, 0}, SIDE_RULE_RANDOM, {0, 60, 150}, {}},
    // 48
    {"shrap-thigh", "thigh", "Shrapnel wound to thigh",
     1, {"Shrapnel wound to thigh"},
     2, {"Fragment wound of the outer thigh, bleeding steadily. Pressure",
         "dressing, pain relief, evacuate. Leave the fragment where it is."},
     10, LOC_THIGH, SEVERITY_MEDIUM, 0x3, 3, 0, {kNoSteps, nullptr, nullptr},
     {8, 9, 4, 5}, {0x1010, 0x1010, 0x1010}, {0, 0, 0}, SIDE_RULE_RANDOM, {300, 0, 0}, {}},
    // 49
    {"shrap-thigh-deep", "thighbleed", "Shrapnel wound to thigh with severe bleeding",
     1, {"Shrapnel wound to thigh with severe bleeding"},
     3, {"A fragment cut the big artery of the thigh: bright blood pumping.",
         "Tourniquet high and tight now, then fluid and a blanket. No",
         "morphine while he is in shock."},
     20, LOC_THIGH, SEVERITY_MAJOR, 0xB, 8, 10, {kNoSteps, nullptr, nullptr},
     {8, 9, 4, 5}, {0x100, 0x100, 0x100}, {0, 0, 0}, SIDE_RULE_RANDOM, {30, 90, 180}, {}},
    // 50
    {"shrap-thigh-small", "thighminor", "Shrapnel wound to thigh, no loss of function",
     1, {"Shrapnel wound to thigh, no loss of function"},
     2, {"Small fragment wound of the thigh; he walks normally. Rinse it,",
         "dress it and send him back to his unit."},
     10, LOC_THIGH, SEVERITY_LITE, 0x3, 2, 0, {kNoSteps, nullptr, nullptr},
     {8, 9, 4, 5}, {0x1100, 0x1100, 0x1100}, {0, 0, 0}, SIDE_RULE_RANDOM, {0, 0, 0}, {}},
    // 51
    {"shrap-forearm", "forearmhand", "Multiple shrapnel wounds to forearm and hand",
     1, {"Multiple shrapnel wounds to forearm and hand"},
     2, {"Several fragment wounds of the forearm and the back of the hand.",
         "Dress the forearm, then the hand, sling the arm, ease the pain."},
     20, LOC_FOREARM, SEVERITY_MEDIUM, 0x3, 3, 0, {kNoSteps, nullptr, nullptr},
     {6, 7, 2, 3}, {0x80, 0x80, 0x80}, {0, 0, 0}, SIDE_RULE_RANDOM, {300, 0, 0}, {}},
    // 52
    {"bite-calf", "snakebite", "Poisonous snake bite with bronchospasm",
     1, {"Poisonous snake bite with bronchospasm"},
     3, {"Bitten on the calf by a venomous snake; now wheezing, lips",
         "swelling. Epinephrine and antihistamine at once, splint the leg,",
         "keep him still and calm. No tourniquet, no cutting."},
     15, LOC_CALF, SEVERITY_MAJOR, 0x1, 0, 10, {kNoSteps, nullptr, nullptr},
     {8, 9, 4, 5}, {0x8, 0x8, 0x8}, {0x3AA0, 0x3AA0, 0x3AA0}, SIDE_RULE_RANDOM, {60, 150, 300}, {}},
    // 53
    {"bruise-back", "tspine", "Thoracic spine injury; possible spinal fracture",
     1, {"Thoracic spine injury; possible spinal fracture"},
     3, {"Fell from a wall onto his back: sharp mid-back pain, legs tingle.",
         "Collar the neck before moving him, log-roll once to check the",
         "spine, relieve the pain, keep him warm."},
     25, LOC_BACK, SEVERITY_MAJOR, 0xB, 0, 0, {kNoSteps, nullptr, nullptr},
     {16, 16, 16, 16}, {0, 0, 0}, {0, 0, 0}, SIDE_RULE_RANDOM, {0, 0, 0}, {}},
    // 54
    {"stab-chest", "stabneck", "Stab wound to chest via neck with collapsed lung",
     1, {"Stab wound to chest via neck with collapsed lung"},
     3, {"Knife driven in above the collarbone into the chest; the lung has",
         "collapsed. Leave the knife in, pad it, seal around it, keep him",
         "warm. Pulling it out starts torrential bleeding."},
     15, LOC_CHEST, SEVERITY_MAJOR, 0x1, 2, 10, {kNoSteps, nullptr, nullptr},
     {12, 13, 12, 13}, {0x202, 0x202, 0x202}, {0, 0, 0}, SIDE_RULE_RANDOM, {0, 90, 200},
     {-0.5f, 1.0f, 5.0f, -0.2f, 0.3f, 0.2f}},
    // 55
    {"", "trauma_dead", "Traumatic death, cause unknown",
     1, {"Traumatic death, cause unknown"},
     2, {"Found dead with no obvious cause. Confirm it, check the dog tags,",
         "record what you find, spend nothing, and move on."},
     0, LOC_CHEST, SEVERITY_MEDIUM, 0x0, 0, 0, {kTraumaticDeathFindings, nullptr, nullptr},
     {16, 16, 16, 16}, {0x40, 0, 0}, {0x3FBE, 0x3800, 0x3800}, SIDE_RULE_RANDOM, {0, 0, 1}, {}},
    // 56
    {"las-hand", "wristfx", "Wrist fracture-dislocation, multiple hand lacerations",
     1, {"Wrist fracture-dislocation, multiple hand lacerations"},
     3, {"Wrist broken and out of joint, with cuts across the back of the",
         "hand. Dress the cuts, splint forearm and wrist as found, sling",
         "the arm, ease the pain."},
     20, LOC_HAND, SEVERITY_MEDIUM, 0x3, 2, 0, {kNoSteps, nullptr, nullptr},
     {6, 7, 2, 3}, {0, 0, 0}, {0, 0, 0}, SIDE_RULE_RANDOM, {0, 0, 0}, {}},
    // 57
    {"red", "", "Invisible",
     1, {"Invisible"},
     0, {},
     0, 0, SEVERITY_LITE, 0x7, 0, 0, {kNoSteps, nullptr, nullptr},
     {-1, -1, -1, -1}, {0, 0, 0}, {0, 0, 0}, SIDE_RULE_RANDOM, {0, 0, 0}, {}},
};
// clang-format on

}  // namespace kestrine
