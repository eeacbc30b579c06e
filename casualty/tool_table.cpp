// The tool rows as written, and the icon rectangles of the sprite sheet.
#include "casualty/tool_table.h"

#include <utility>

#include "casualty/wound_types.h"
#include "shell/program_state.h"

namespace kestrine {

// One row a block, in row order: a row's place here is its ToolId.
// clang-format off
constexpr ToolData kToolData[kToolCount] = {
    // 0
    {.name = "Grenade",
     .description = "Standard explosive fragmentation grenade.",
     .flags = TOOL_FLAG_NOT_MEDICAL | TOOL_FLAG_UNREAD_BIT21,
     .key = "GRENADE"},
    // 1
    {.name = "M4",
     .description = "The M4 Carbine rifle is main defense weapon.",
     .flags = TOOL_FLAG_NOT_MEDICAL | TOOL_FLAG_UNREAD_BIT21,
     .key = "M4_CARBINE"},
    // 2
    {.name = "Beretta",
     .description = "Standard sidearm.",
     .flags = TOOL_FLAG_NOT_MEDICAL | TOOL_FLAG_UNREAD_BIT21,
     .key = "PISTOL"},
    // 3
    {.name = "Radio",
     .description = "Call for Med-evac or permission to send soldier back into combat.",
     .flags = TOOL_FLAG_NOT_MEDICAL,
     .key = "radio"},
    // 4
    {.name = "rollover/drag",
     .flags = TOOL_FLAG_SUB_ITEM | LOC_NECK,
     .parentRow = TOOL_ROLLOVER_DRAG},
    // 5
    {.name = "Stethoscope",
     .description = "This tool is used to listen to a patient's chest.",
     .weight = 1.4f, .volume = 3.7f, .cursorOffsetX = -90, .cursorOffsetY = -10,
     .flags = TOOL_FLAG_BLANKET_BLOCKED | TOOL_FLAG_EXAM | TOOL_FLAG_UNREAD_BIT21 | LOC_CHEST | LOC_BACK,
     .key = "STETHOSCOPE", .speechKey = "steth", .examIndex = TOOL_EXAM_STETHOSCOPE},
    // 6
    {.name = "Tourniquet",
     .description = "This tool is used to cut off blood flow to the limbs in order to prevent major blood loss.",
     .weight = 0.7f, .volume = 1.3f, .cursorOffsetX = -30, .cursorOffsetY = -50,
     .flags = TOOL_FLAG_BLANKET_BLOCKED | TOOL_FLAG_CONSUMABLE | TOOL_FLAG_UNREAD_BIT0 | TOOL_FLAG_UNREAD_BIT21
            | LOC_UPPER_ARM | LOC_FOREARM | LOC_THIGH | LOC_CALF,
     .key = "TOURNIQUET", .speechKey = "TOURNIQUET", .sideRule = 1},
    // 7
    {.name = "Pulse Ox",
     .description = "A portable machine that measures oxygen saturation in the blood and gives the reading as a "
                    "percentage.  Readings below 90% are bad.",
     .weight = 2.1f, .volume = 6.7f, .cursorOffsetX = -20, .cursorOffsetY = -30,
     .flags = TOOL_FLAG_BLANKET_BLOCKED | TOOL_FLAG_EXAM | LOC_HAND,
     .key = "PULSEOX", .speechKey = "PULSEOX", .examIndex = TOOL_EXAM_PULSE_OX},
    // 8
    {.name = "Glove",
     .description = "This tool is used as protection when examining patients.  Palpating different areas of the body "
                    "gives clues to the problem. Using the glove to examine the head will almost always give you "
                    "information on the patient's overall condition.",
     .weight = 0.05f, .volume = 0.1f, .cursorOffsetX = -5, .cursorOffsetY = -35,
     .flags = TOOL_FLAG_EXAM | TOOL_FLAG_UNREAD_BIT21 | TOOL_FLAG_LOCATIONS,
     .key = "EXAMINE_CU", .speechKey = "examine", .examIndex = TOOL_EXAM_GLOVE, .sideRule = 1},
    // 9
    {.name = "Cravat",
     .description = "This tool is used to make slings for broken arms or to immobilize other parts of the body.",
     .weight = 0.5f, .volume = 8.0f, .cursorOffsetX = -10, .cursorOffsetY = -50,
     .flags = TOOL_FLAG_BLANKET_BLOCKED | TOOL_FLAG_CONSUMABLE | TOOL_FLAG_UNREAD_BIT0 | LOC_ELBOW | LOC_UPPER_ARM
            | LOC_FOREARM | LOC_HIP,
     .key = "cravat", .speechKey = "cravat", .sideRule = 1},
    // 10
    {.name = "Rigid Splint",
     .description = "Used to immobilize the neck, arms and legs.",
     .weight = 2.6f, .volume = 13.2f,
     .flags = TOOL_FLAG_BLANKET_BLOCKED | TOOL_FLAG_CONSUMABLE | TOOL_FLAG_UNREAD_BIT0 | LOC_NECK | LOC_UPPER_ARM
            | LOC_FOREARM | LOC_THIGH | LOC_CALF,
     .key = "RIGIDSPLINT", .speechKey = "RIGIDSPLINT", .sideRule = 1},
    // 11
    {.name = "Bandage",
     .description = "This tool is used to control bleeding.",
     .weight = 0.5f, .volume = 1.0f, .cursorOffsetX = -5, .cursorOffsetY = -35,
     .flags = TOOL_FLAG_CRAVAT_BLOCKED | TOOL_FLAG_BLANKET_BLOCKED | TOOL_FLAG_CONSUMABLE | TOOL_FLAG_UNREAD_BIT0
            | (TOOL_FLAG_LOCATIONS & ~(LOC_NECK | LOC_ELBOW | LOC_KNEE | LOC_FOOT | LOC_EYE)),
     .key = "BANDAGE", .speechKey = "BANDAGE", .sideRule = 1},
    // 12
    {.name = "Medicine Syringe",
     .description = "This tool administers morphine (pain relief), epinephrine/Benedryl (allergic reactions), "
                    "Xylocaine (local anesthetic), and atropine/Diazepam (mucus/gland secretions and seizures).",
     .weight = 0.03f, .volume = 1.4f, .cursorOffsetX = -90, .cursorOffsetY = -5,
     .flags = TOOL_FLAG_CRAVAT_BLOCKED | TOOL_FLAG_BLANKET_BLOCKED | TOOL_FLAG_CONSUMABLE | LOC_ELBOW | LOC_CALF,
     .key = "MEDICINESYRINGE", .speechKey = "medsyr"},
    // 13
    {.name = "Morphine",
     .description = "10 mg Morphine administered for pain relief.",
     .cursorOffsetX = -90, .cursorOffsetY = -5,
     .flags = TOOL_FLAG_CRAVAT_BLOCKED | TOOL_FLAG_BLANKET_BLOCKED | TOOL_FLAG_SUB_ITEM | TOOL_FLAG_CONSUMABLE
            | TOOL_FLAG_UNREAD_BIT0 | LOC_ELBOW,
     .key = "vial_b", .parentRow = TOOL_MEDICINE_SYRINGE},
    // 14
    {.name = "Atropine",
     .description = "2 mg Atropine administered to reduce mucus/gland secretions.",
     .cursorOffsetX = -90, .cursorOffsetY = -5,
     .flags = TOOL_FLAG_CRAVAT_BLOCKED | TOOL_FLAG_BLANKET_BLOCKED | TOOL_FLAG_SUB_ITEM | TOOL_FLAG_CONSUMABLE
            | TOOL_FLAG_UNREAD_BIT0 | LOC_ELBOW,
     .key = "vial_c", .parentRow = TOOL_MEDICINE_SYRINGE},
    // 15
    {.name = "Atropine + Diazepam",
     .description = "2 mg Atropine and 5 mg Diazepam administered to reduce mucus/gland secretions and seizures.",
     .cursorOffsetX = -90, .cursorOffsetY = -5,
     .flags = TOOL_FLAG_CRAVAT_BLOCKED | TOOL_FLAG_BLANKET_BLOCKED | TOOL_FLAG_SUB_ITEM | TOOL_FLAG_CONSUMABLE
            | TOOL_FLAG_UNREAD_BIT0 | LOC_ELBOW,
     .key = "vial_p", .parentRow = TOOL_ATROPINE_DIAZEPAM},
    // 16
    {.name = "Diazepam",
     .description = "10 mg Diazepam administered to reduce seizures.",
     .cursorOffsetX = -90, .cursorOffsetY = -5,
     .flags = TOOL_FLAG_BLANKET_BLOCKED | TOOL_FLAG_SUB_ITEM | TOOL_FLAG_CONSUMABLE | TOOL_FLAG_UNREAD_BIT0
            | LOC_UPPER_ARM,
     .key = "vial_p", .parentRow = TOOL_MEDICINE_SYRINGE},
    // 17
    {.name = "Epinephrine + Benedryl",
     .description = ".5 mg Epinephrine and 50 mg Benedryl to reduce allergic reaction.",
     .cursorOffsetX = -90, .cursorOffsetY = -5,
     .flags = TOOL_FLAG_CRAVAT_BLOCKED | TOOL_FLAG_BLANKET_BLOCKED | TOOL_FLAG_SUB_ITEM | TOOL_FLAG_CONSUMABLE
            | TOOL_FLAG_UNREAD_BIT0 | LOC_UPPER_ARM,
     .key = "vial_y", .parentRow = TOOL_MEDICINE_SYRINGE},
    // 18
    {.name = "Morphine + Midazolam",
     .description = "10 mg Morphine and 5 mg Midazolam for pain relief and sedation.",
     .cursorOffsetX = -90, .cursorOffsetY = -5,
     .flags = TOOL_FLAG_CRAVAT_BLOCKED | TOOL_FLAG_BLANKET_BLOCKED | TOOL_FLAG_SUB_ITEM | TOOL_FLAG_CONSUMABLE
            | TOOL_FLAG_UNREAD_BIT0 | LOC_ELBOW,
     .key = "vial_o", .parentRow = TOOL_MEDICINE_SYRINGE},
    // 19
    {.name = "Xylocaine",
     .description = "50 cc of 2% xylocaine administered as a local anesthetic.",
     .cursorOffsetX = -90, .cursorOffsetY = -5,
     .flags = TOOL_FLAG_CRAVAT_BLOCKED | TOOL_FLAG_BLANKET_BLOCKED | TOOL_FLAG_SUB_ITEM | TOOL_FLAG_CONSUMABLE
            | TOOL_FLAG_UNREAD_BIT0 | LOC_CALF,
     .key = "vial_r", .sideRule = 1, .parentRow = TOOL_MEDICINE_SYRINGE},
    // 20
    {.name = "Scissors",
     .description = "These are used to remove clothing from around a wound.  It is necessary to do this in order to "
                    "view and treat wounds.",
     .weight = 0.4f, .volume = 2.3f, .cursorOffsetX = -30,
     .flags = TOOL_FLAG_BLANKET_BLOCKED | TOOL_FLAG_UNREAD_BIT26
            | (TOOL_FLAG_LOCATIONS & ~(LOC_MOUTH | LOC_NECK | LOC_NOSE | LOC_HAND | LOC_EYE | LOC_EAR)),
     .key = "SCISSORS", .sideRule = 1},
    // 21
    {.name = "IV",
     .description = "This tool administers either Hespan or lactated Ringer's solution.  Hespan is a blood replacement "
                    "fluid and lactated Ringer's is good for replenishing lost fluids other than blood.  ",
     .weight = 1.0f, .volume = 20.0f, .cursorOffsetX = -5, .cursorOffsetY = -90,
     .flags = TOOL_FLAG_CRAVAT_BLOCKED | TOOL_FLAG_BLANKET_BLOCKED | TOOL_FLAG_CONSUMABLE | TOOL_FLAG_UNREAD_BIT0
            | LOC_ELBOW,
     .key = "HESPAN", .speechKey = "ivfluids"},
    // 22
    {.name = "Hespan",
     .description = "Hespan is a blood replacement fluid administered through an IV line.  ",
     .flags = TOOL_FLAG_CRAVAT_BLOCKED | TOOL_FLAG_BLANKET_BLOCKED | TOOL_FLAG_SUB_ITEM | TOOL_FLAG_CONSUMABLE
            | TOOL_FLAG_UNREAD_BIT0 | LOC_ELBOW,
     .parentRow = TOOL_IV},
    // 23
    {.name = "lactated ringer's solution",
     .description = "Lactated Ringer's solution is good for replenishing lost fluids other than blood through an IV "
                    "line.  ",
     .flags = TOOL_FLAG_CRAVAT_BLOCKED | TOOL_FLAG_BLANKET_BLOCKED | TOOL_FLAG_SUB_ITEM | TOOL_FLAG_CONSUMABLE
            | TOOL_FLAG_UNREAD_BIT0 | LOC_ELBOW,
     .parentRow = TOOL_IV},
    // 24
    {.name = "Chest Catheter",
     .description = "This is a needle with a one-way valve that is inserted into the chest between the ribs.  This is "
                    "done to release air or fluid pressure that can build up between the chest wall and the lung as a "
                    "result of an injury.",
     .weight = 0.2f, .volume = 3.0f, .cursorOffsetX = -50, .cursorOffsetY = -5,
     .flags = TOOL_FLAG_CRAVAT_BLOCKED | TOOL_FLAG_BLANKET_BLOCKED | TOOL_FLAG_CONSUMABLE | TOOL_FLAG_UNREAD_BIT0
            | LOC_CHEST,
     .key = "chestcatheter"},
    // 25
    {.name = "Nasal Airway",
     .description = "This rubber tube is inserted into the nose to open a quick temporary airway.  For severe airway "
                    "and breathing problems, this will not suffice, even if used with an ambu bag.",
     .weight = 0.1f, .volume = 2.3f, .cursorOffsetX = -20, .cursorOffsetY = -110,
     .flags = TOOL_FLAG_CONSUMABLE | TOOL_FLAG_UNREAD_BIT0 | LOC_NOSE,
     .key = "NASALAIRWAYS"},
    // 26
    {.name = "Ambu bag",
     .description = "This tool is used to breathe for a patient.  It is attached to the nasal airway and the bulb is "
                    "pumped to force air into the lungs.",
     .cursorOffsetX = -50, .cursorOffsetY = -25,
     .flags = TOOL_FLAG_SUB_ITEM | LOC_NOSE,
     .speechKey = "ambubag", .parentRow = TOOL_AMBU_BAG},
    // 27
    {.name = "Endotracheal tube",
     .description = "This kit includes gel, a laryngoscope, and an endotracheal tube.  After applying the gel, the "
                    "laryngoscope is inserted into the throat as a guide for the endotracheal tube.  The tube is "
                    "inserted through the laryngoscope into the throat to obtain a clear airway.  If necessary, an "
                    "ambu bag can be attached to force air into the lungs.",
     .weight = 0.5f, .volume = 4.0f, .cursorOffsetX = -90, .cursorOffsetY = -5,
     .flags = TOOL_FLAG_KIT_HEAD | TOOL_FLAG_CONSUMABLE | TOOL_FLAG_UNREAD_BIT0 | LOC_MOUTH,
     .key = "ETTUBE", .kitListRow = WOUND_ET_TUBE_KIT},
    // 28
    {.name = "Gel",
     .description = "This is used to lubricate the mouth and throat for tube insertion.",
     .cursorOffsetX = -10, .cursorOffsetY = -10,
     .flags = TOOL_FLAG_SUB_ITEM | LOC_MOUTH,
     .key = "gel", .parentRow = TOOL_ET_KIT},
    // 29
    {.name = "Laryngo Scope",
     .description = "Used to facilitate the insertion of the ET tube.",
     .cursorOffsetX = -90, .cursorOffsetY = -30,
     .flags = TOOL_FLAG_SUB_ITEM | LOC_MOUTH,
     .key = "laryngoscope", .parentRow = TOOL_ET_KIT},
    // 30
    {.name = "ETTube",
     .description = "This tube is inserted into the throat to obtain a clear airway.",
     .cursorOffsetX = -90, .cursorOffsetY = -5,
     .flags = TOOL_FLAG_SUB_ITEM | TOOL_FLAG_CONSUMABLE | TOOL_FLAG_UNREAD_BIT0 | LOC_MOUTH,
     .key = "ettube", .parentRow = TOOL_ET_KIT},
    // 31
    {.name = "Ambu Bag",
     .description = "This tool is used to breathe for a patient.  The mask is attached to the airway tube that has "
                    "been inserted into the mouth (endotrachael). The bulb is pumped to force air into the lungs.",
     .cursorOffsetX = -50, .cursorOffsetY = -25,
     .flags = TOOL_FLAG_SUB_ITEM | LOC_MOUTH,
     .parentRow = TOOL_AMBU_BAG},
    // 32
    {.name = "Crich Kit",
     .description = "This kit includes a sponge, scalpel and rubber tube.  It is used to insert a tube into the "
                    "patient's neck (chrichothyroidotomy).  This procedure is a last resort when the patient doesn't "
                    "have a clear airway and all attempts to insert a tube into the mouth have failed.  Use the sponge "
                    "to disinfect, then use the scalpel to incise the upper neck and insert the tube into the "
                    "incision.",
     .weight = 0.2f, .volume = 3.0f,
     .flags = TOOL_FLAG_KIT_HEAD | TOOL_FLAG_CONSUMABLE | TOOL_FLAG_UNREAD_BIT0 | LOC_NECK,
     .key = "FASTCRICH", .kitListRow = WOUND_CRICH_KIT},
    // 33
    {.name = "Sponge",
     .description = "This is used to disinfect the area to be incised.",
     .cursorOffsetX = -10, .cursorOffsetY = -10,
     .flags = TOOL_FLAG_SUB_ITEM | (TOOL_FLAG_LOCATIONS & ~(LOC_MOUTH | LOC_EYE)),
     .key = "SPONGE", .parentRow = TOOL_CRICH_KIT},
    // 34
    {.name = "Scalpel",
     .description = "Used to make a small incision in the upper neck.",
     .cursorOffsetX = -110,
     .flags = TOOL_FLAG_CRAVAT_BLOCKED | TOOL_FLAG_SUB_ITEM | TOOL_FLAG_UNREAD_BIT0
            | (TOOL_FLAG_LOCATIONS & ~(LOC_MOUTH | LOC_NOSE | LOC_HAND | LOC_ELBOW | LOC_KNEE | LOC_HIP | LOC_EYE)),
     .key = "SCALPEL", .parentRow = TOOL_CRICH_KIT},
    // 35
    {.name = "Crich Tube",
     .description = "The tube is inserted into the incision (chrichothyroidotomy).",
     .cursorOffsetX = -90, .cursorOffsetY = -5,
     .flags = TOOL_FLAG_SUB_ITEM | TOOL_FLAG_CONSUMABLE | TOOL_FLAG_UNREAD_BIT0 | LOC_NECK,
     .key = "fastcrich", .parentRow = TOOL_CRICH_KIT},
    // 36
    {.name = "Ambu Bag",
     .description = "This tool is used to breathe for a patient.  It is attached to the airway tube that has been "
                    "inserted in the neck (chrichothryroidotomy).  The bulb is pumped to force air into the lungs.",
     .cursorOffsetX = -50, .cursorOffsetY = -25,
     .flags = TOOL_FLAG_SUB_ITEM | LOC_NECK,
     .parentRow = TOOL_AMBU_BAG},
    // 37
    {.name = "Ambu Bag",
     .description = "This tool is used to breathe for a patient.  The mask is placed over the mouth and the bulb is "
                    "pumped to force air into the lungs.  It can also be attached to an airway tube that has been "
                    "inserted into the mouth (endotracheal) or the neck (chrichothyroidotomy).",
     .weight = 2.0f, .volume = 40.0f, .cursorOffsetX = -50, .cursorOffsetY = -25,
     .flags = TOOL_FLAG_UNREAD_BIT0 | LOC_MOUTH | LOC_NOSE,
     .key = "BAGVALVE", .speechKey = "ambubag"},
    // 38
    {.name = "Action",
     .description = "This does not represent an actual medical tool.  Instead, it is used to move things while in the "
                    "Patient View.  This tool can be used to remove penetrating objects -- but beware, removal of "
                    "penetrating objects can cause more problems.",
     .cursorOffsetX = -75, .cursorOffsetY = -5,
     .flags = TOOL_FLAG_BLANKET_BLOCKED | TOOL_FLAG_UNREAD_BIT21 | TOOL_FLAG_LOCATIONS,
     .key = "ACTION"},
    // 39
    {.name = "Occlusive Dressing",
     .description = "This is a type of bandage that provides an airtight seal over wounds.",
     .weight = 0.3f, .volume = 1.4f,
     .flags = TOOL_FLAG_CRAVAT_BLOCKED | TOOL_FLAG_BLANKET_BLOCKED | TOOL_FLAG_CONSUMABLE | TOOL_FLAG_UNREAD_BIT0
            | LOC_CHEST | LOC_BACK | LOC_ABDOMEN,
     .key = "OCCLUSIVEDRESSING", .speechKey = "occdress", .sideRule = 1},
    // 40
    {.name = "Penlight",
     .description = "Used to closely examine the eyes, ears, mouth and throat.",
     .weight = 0.9f, .volume = 1.6f, .cursorOffsetX = -25, .cursorOffsetY = -15,
     .flags = TOOL_FLAG_EXAM | TOOL_FLAG_UNREAD_BIT21 | LOC_MOUTH | LOC_NOSE | LOC_EYE | LOC_EAR,
     .key = "PENLIGHT", .speechKey = "penlite", .examIndex = TOOL_EXAM_PENLIGHT, .sideRule = 1},
    // 41
    {.name = "Oral Rehydration Powder",
     .description = "This is given to patients suffering from severe dehydration.  It helps to quickly replenish lost "
                    "body fluids. ",
     .weight = 0.1f, .volume = 1.0f, .cursorOffsetX = -10, .cursorOffsetY = -10,
     .flags = TOOL_FLAG_CONSUMABLE | LOC_MOUTH,
     .key = "oralhydrationmed", .speechKey = "oralreh"},
    // 42
    {.name = "Irrigation Syringe",
     .description = "This tool is used to clean wounds or bring down high temperatures.",
     .weight = 0.02f, .volume = 1.5f, .cursorOffsetX = -100, .cursorOffsetY = -10,
     .flags = TOOL_FLAG_CRAVAT_BLOCKED | TOOL_FLAG_BLANKET_BLOCKED | TOOL_FLAG_CONSUMABLE | TOOL_FLAG_LOCATIONS,
     .key = "IRRIGATIONSYRINGE", .speechKey = "irrsyr", .sideRule = 1},
    // 43
    {.name = "Minor Surgery Kit",
     .description = "This tool is used as a last resort to perform emergency surgical procedures.",
     .weight = 0.5f, .volume = 6.0f,
     .flags = TOOL_FLAG_CRAVAT_BLOCKED | TOOL_FLAG_KIT_HEAD | TOOL_FLAG_BLANKET_BLOCKED | TOOL_FLAG_UNREAD_BIT26
            | TOOL_FLAG_LOCATIONS,
     .key = "minorkit", .kitListRow = WOUND_MINOR_SURGERY_KIT},
    // 44
    {.name = "Sponge",
     .description = "This is used to disinfect the area that is to be incised.",
     .cursorOffsetX = -10, .cursorOffsetY = -10,
     .flags = TOOL_FLAG_CRAVAT_BLOCKED | TOOL_FLAG_BLANKET_BLOCKED | TOOL_FLAG_SUB_ITEM | TOOL_FLAG_UNREAD_BIT26
            | (TOOL_FLAG_LOCATIONS & ~(LOC_EYE)),
     .key = "sponge", .parentRow = TOOL_MINOR_SURGERY_KIT},
    // 45
    {.name = "Scalpel",
     .description = "Used to make an incision.",
     .cursorOffsetX = -110,
     .flags = TOOL_FLAG_CRAVAT_BLOCKED | TOOL_FLAG_BLANKET_BLOCKED | TOOL_FLAG_SUB_ITEM | TOOL_FLAG_UNREAD_BIT26
            | (TOOL_FLAG_LOCATIONS & ~(LOC_HIP | LOC_EYE)),
     .key = "scalpel", .parentRow = TOOL_MINOR_SURGERY_KIT},
    // 46
    {.name = "Survival Saw",
     .description = "This tool is used to amputate limbs.  It is used when the only alternative is to let the patient "
                    "die.",
     .weight = 0.4f, .volume = 3.0f, .cursorOffsetX = -50, .cursorOffsetY = -5,
     .flags = TOOL_FLAG_CRAVAT_BLOCKED | TOOL_FLAG_BLANKET_BLOCKED | LOC_CALF,
     .key = "survivalsaw", .speechKey = "survsaw", .sideRule = 1},
    // 47
    {.name = "Burn Blanket",
     .description = "This tool is used on severely burned patients.  It is draped over the entire body and prevents "
                    "things from sticking to the burnt skin.",
     .weight = 2.0f, .volume = 30.0f, .cursorOffsetX = -10, .cursorOffsetY = -5,
     .flags = TOOL_FLAG_CONSUMABLE | TOOL_FLAG_UNREAD_BIT0 | TOOL_FLAG_UNREAD_BIT23 | LOC_CHEST,
     .key = "BURNBLANKET", .speechKey = "BURNBLANKET"},
};
// clang-format on

// A row missing or left over would shift every row after it, or leave the last ones empty: one too many
// does not compile, one too few leaves the last row without a name.
static_assert(kToolData[kToolCount - 1].name[0] != '\0', "one row per ToolId");

namespace {

template <size_t... Row>
std::array<ToolDef, kToolCount> BuildToolTable(std::index_sequence<Row...>) {
  return {ToolDef(kToolData[Row])...};
}

}  // namespace

ToolDef::ToolDef(const ToolData& data)
    : name(data.name),
      description(data.description),
      weight(static_cast<double>(data.weight)),
      volume(static_cast<double>(data.volume)),
      cursorOffsetX(data.cursorOffsetX),
      cursorOffsetY(data.cursorOffsetY),
      flags(data.flags),
      examIndex(data.examIndex),
      sideRule(data.sideRule),
      parentRow(data.parentRow),
      kitListRow(data.kitListRow),
      key(data.key),
      speechKey(data.speechKey) {}

std::array<ToolDef, kToolCount> ToolTable = BuildToolTable(std::make_index_sequence<kToolCount>());
// The rows come from the fixed tool data; only the pictures loaded into them change during a run.
KESTRINE_PROGRAM_STATE_RESET(ToolTable, [] { ToolTable = BuildToolTable(std::make_index_sequence<kToolCount>()); });

bool IsPackableTool(int row) {
  if (!IsToolRow(row)) return false;
  if (row == TOOL_ACTION || row == TOOL_RADIO) return false;
  return (ToolTable[row].flags & TOOL_FLAG_HIDDEN_IN_PACK) == 0;
}

// {x, y, width, height, tool}, by sheet row; the pictures of the four bags, of the kit heads and their
// tubes, of the two sponges and two scalpels, of the IV and its fluids are one rectangle each.
const ToolSpriteRect kToolSpriteRects[kToolSpriteRectSlots] = {
    {0, 0, 34, 48, 38},     {34, 0, 41, 48, 37},    {34, 0, 41, 48, 26},    {34, 0, 41, 48, 31},
    {34, 0, 41, 48, 36},    {75, 0, 35, 48, 11},    {109, 0, 45, 48, 47},   {173, 0, 37, 48, 24},
    {209, 0, 44, 48, 9},    {0, 48, 28, 48, 32},    {0, 48, 28, 48, 35},    {0, 48, 28, 48, 27},
    {0, 48, 28, 48, 30},    {28, 48, 57, 48, 8},    {83, 48, 14, 48, 14},   {97, 48, 14, 48, 15},
    {164, 48, 14, 48, 13},  {180, 48, 14, 48, 16},  {195, 48, 14, 48, 17},  {210, 48, 14, 48, 18},
    {83, 48, 14, 48, 19},   {225, 48, 29, 48, 28},  {0, 96, 46, 48, 42},    {72, 96, 44, 48, 21},
    {72, 96, 44, 48, 22},   {72, 96, 44, 48, 23},   {117, 96, 43, 48, 29},  {161, 96, 43, 48, 12},
    {203, 96, 46, 48, 43},  {6, 144, 28, 48, 25},   {35, 144, 55, 48, 39},  {111, 144, 33, 48, 41},
    {144, 144, 18, 48, 40}, {163, 144, 20, 48, 45}, {163, 144, 20, 48, 34}, {183, 144, 24, 48, 20},
    {215, 144, 40, 48, 33}, {215, 144, 40, 48, 44}, {0, 192, 61, 48, 5},    {62, 192, 36, 48, 46},
    {99, 192, 54, 48, 10},  {188, 192, 28, 48, 7},  {217, 192, 36, 48, 6},
};

int FindToolSpriteRect(int row) {
  // The zero entries past the real ones would "match" row 0; an entry without width is no icon.
  for (int j = 0; j < kToolSpriteRectSlots; ++j) {
    const ToolSpriteRect& r = kToolSpriteRects[j];
    if (r.width > 0 && r.tool == row) return j;
  }
  return -1;
}

}  // namespace kestrine
