// The tool rows as written, and the icon rectangles of the sprite sheet.
#include "casualty/tool_table.h"

#include <utility>

#include "shell/program_state.h"

namespace kestrine {

// One row a block: name, description, then the numbers and keys.
// clang-format off
const ToolData kToolData[kToolCount] = {
    // name, description, weight, volume, cursor x, y, flags, key, speech key, exam, side, parent, kit list
    // 0
    {"Grenade",
     "Standard explosive fragmentation grenade.",
     0.0f, 0.0f, 0, 0, 0x00600000, "GRENADE", "", -1, 0, -1, -1},
    // 1
    {"M4",
     "The M4 Carbine rifle is main defense weapon.",
     0.0f, 0.0f, 0, 0, 0x00600000, "M4_CARBINE", "", -1, 0, -1, -1},
    // 2
    {"Beretta",
     "Standard sidearm.",
     0.0f, 0.0f, 0, 0, 0x00600000, "PISTOL", "", -1, 0, -1, -1},
    // 3
    {"Radio",
     "Call for Med-evac or permission to send soldier back into combat.",
     0.0f, 0.0f, 0, 0, 0x00400000, "radio", "", -1, 0, -1, -1},
    // 4
    {"rollover/drag",
     "",
     0.0f, 0.0f, 0, 0, 0x02000008, "", "", -1, 0, 4, -1},
    // 5
    {"Stethoscope",
     "This tool is used to listen to a patient's chest.",
     1.4f, 3.7f, -90, -10, 0x09206000, "STETHOSCOPE", "steth", 1, 0, -1, -1},
    // 6
    {"Tourniquet",
     "This tool is used to cut off blood flow to the limbs in order to prevent major blood loss.",
     0.7f, 1.3f, -30, -50, 0x08200783, "TOURNIQUET", "TOURNIQUET", -1, 1, -1, -1},
    // 7
    {"Pulse Ox",
     "A portable machine that measures oxygen saturation in the blood and gives the reading as a percentage.  "
     "Readings below 90% are bad.",
     2.1f, 6.7f, -20, -30, 0x09000020, "PULSEOX", "PULSEOX", 2, 0, -1, -1},
    // 8
    {"Glove",
     "This tool is used as protection when examining patients.  Palpating different areas of the body gives clues to "
     "the problem. Using the glove to examine the head will almost always give you information on the patient's "
     "overall condition.",
     0.05f, 0.1f, -5, -35, 0x013FFFFC, "EXAMINE_CU", "examine", 0, 1, -1, -1},
    // 9
    {"Cravat",
     "This tool is used to make slings for broken arms or to immobilize other parts of the body.",
     0.5f, 8.0f, -10, -50, 0x080101C3, "cravat", "cravat", -1, 1, -1, -1},
    // 10
    {"Rigid Splint",
     "Used to immobilize the neck, arms and legs.",
     2.6f, 13.2f, 0, 0, 0x0800078B, "RIGIDSPLINT", "RIGIDSPLINT", -1, 1, -1, -1},
    // 11
    {"Bandage",
     "This tool is used to control bleeding.",
     0.5f, 1.0f, -5, -35, 0x2817E7B7, "BANDAGE", "BANDAGE", -1, 1, -1, -1},
    // 12
    {"Medicine Syringe",
     "This tool administers morphine (pain relief), epinephrine/Benedryl (allergic reactions), Xylocaine (local "
     "anesthetic), and atropine/Diazepam (mucus/gland secretions and seizures).",
     0.03f, 1.4f, -90, -5, 0x28000442, "MEDICINESYRINGE", "medsyr", -1, 0, -1, -1},
    // 13
    {"Morphine",
     "10 mg Morphine administered for pain relief.",
     0.0f, 0.0f, -90, -5, 0x2A000043, "vial_b", "", -1, 0, 12, -1},
    // 14
    {"Atropine",
     "2 mg Atropine administered to reduce mucus/gland secretions.",
     0.0f, 0.0f, -90, -5, 0x2A000043, "vial_c", "", -1, 0, 12, -1},
    // 15
    {"Atropine + Diazepam",
     "2 mg Atropine and 5 mg Diazepam administered to reduce mucus/gland secretions and seizures.",
     0.0f, 0.0f, -90, -5, 0x2A000043, "vial_p", "", -1, 0, 15, -1},
    // 16
    {"Diazepam",
     "10 mg Diazepam administered to reduce seizures.",
     0.0f, 0.0f, -90, -5, 0x0A000083, "vial_p", "", -1, 0, 12, -1},
    // 17
    {"Epinephrine + Benedryl",
     ".5 mg Epinephrine and 50 mg Benedryl to reduce allergic reaction.",
     0.0f, 0.0f, -90, -5, 0x2A000083, "vial_y", "", -1, 0, 12, -1},
    // 18
    {"Morphine + Midazolam",
     "10 mg Morphine and 5 mg Midazolam for pain relief and sedation.",
     0.0f, 0.0f, -90, -5, 0x2A000043, "vial_o", "", -1, 0, 12, -1},
    // 19
    {"Xylocaine",
     "50 cc of 2% xylocaine administered as a local anesthetic.",
     0.0f, 0.0f, -90, -5, 0x2A000403, "vial_r", "", -1, 1, 12, -1},
    // 20
    {"Scissors",
     "These are used to remove clothing from around a wound.  It is necessary to do this in order to view and treat "
     "wounds.",
     0.4f, 2.3f, -30, 0, 0x0C07FFC0, "SCISSORS", "", -1, 1, -1, -1},
    // 21
    {"IV",
     "This tool administers either Hespan or lactated Ringer's solution.  Hespan is a blood replacement fluid and "
     "lactated Ringer's is good for replenishing lost fluids other than blood.  ",
     1.0f, 20.0f, -5, -90, 0x28000043, "HESPAN", "ivfluids", -1, 0, -1, -1},
    // 22
    {"Hespan",
     "Hespan is a blood replacement fluid administered through an IV line.  ",
     0.0f, 0.0f, 0, 0, 0x2A000043, "", "", -1, 0, 21, -1},
    // 23
    {"lactated ringer's solution",
     "Lactated Ringer's solution is good for replenishing lost fluids other than blood through an IV line.  ",
     0.0f, 0.0f, 0, 0, 0x2A000043, "", "", -1, 0, 21, -1},
    // 24
    {"Chest Catheter",
     "This is a needle with a one-way valve that is inserted into the chest between the ribs.  This is done to "
     "release air or fluid pressure that can build up between the chest wall and the lung as a result of an injury.",
     0.2f, 3.0f, -50, -5, 0x28002003, "chestcatheter", "", -1, 0, -1, -1},
    // 25
    {"Nasal Airway",
     "This rubber tube is inserted into the nose to open a quick temporary airway.  For severe airway and breathing "
     "problems, this will not suffice, even if used with an ambu bag.",
     0.1f, 2.3f, -20, -110, 0x00000013, "NASALAIRWAYS", "", -1, 0, -1, -1},
    // 26
    {"Ambu bag",
     "This tool is used to breathe for a patient.  It is attached to the nasal airway and the bulb is pumped to force "
     "air into the lungs.",
     0.0f, 0.0f, -50, -25, 0x02000010, "", "ambubag", -1, 0, 37, -1},
    // 27
    {"Endotracheal tube",
     "This kit includes gel, a laryngoscope, and an endotracheal tube.  After applying the gel, the laryngoscope is "
     "inserted into the throat as a guide for the endotracheal tube.  The tube is inserted through the laryngoscope "
     "into the throat to obtain a clear airway.  If necessary, an ambu bag can be attached to force air into the "
     "lungs.",
     0.5f, 4.0f, -90, -5, 0x10000007, "ETTUBE", "", -1, 0, -1, 16},
    // 28
    {"Gel",
     "This is used to lubricate the mouth and throat for tube insertion.",
     0.0f, 0.0f, -10, -10, 0x02000004, "gel", "", -1, 0, 27, -1},
    // 29
    {"Laryngo Scope",
     "Used to facilitate the insertion of the ET tube.",
     0.0f, 0.0f, -90, -30, 0x02000004, "laryngoscope", "", -1, 0, 27, -1},
    // 30
    {"ETTube",
     "This tube is inserted into the throat to obtain a clear airway.",
     0.0f, 0.0f, -90, -5, 0x02000007, "ettube", "", -1, 0, 27, -1},
    // 31
    {"Ambu Bag",
     "This tool is used to breathe for a patient.  The mask is attached to the airway tube that has been inserted "
     "into the mouth (endotrachael). The bulb is pumped to force air into the lungs.",
     0.0f, 0.0f, -50, -25, 0x02000004, "", "", -1, 0, 37, -1},
    // 32
    {"Crich Kit",
     "This kit includes a sponge, scalpel and rubber tube.  It is used to insert a tube into the patient's neck "
     "(chrichothyroidotomy).  This procedure is a last resort when the patient doesn't have a clear airway and all "
     "attempts to insert a tube into the mouth have failed.  Use the sponge to disinfect, then use the scalpel to "
     "incise the upper neck and insert the tube into the incision.",
     0.2f, 3.0f, 0, 0, 0x1000000B, "FASTCRICH", "", -1, 0, -1, 12},
    // 33
    {"Sponge",
     "This is used to disinfect the area to be incised.",
     0.0f, 0.0f, -10, -10, 0x0217FFF8, "SPONGE", "", -1, 0, 32, -1},
    // 34
    {"Scalpel",
     "Used to make a small incision in the upper neck.",
     0.0f, 0.0f, -110, 0, 0x2216F789, "SCALPEL", "", -1, 0, 32, -1},
    // 35
    {"Crich Tube",
     "The tube is inserted into the incision (chrichothyroidotomy).",
     0.0f, 0.0f, -90, -5, 0x0200000B, "fastcrich", "", -1, 0, 32, -1},
    // 36
    {"Ambu Bag",
     "This tool is used to breathe for a patient.  It is attached to the airway tube that has been inserted in the "
     "neck (chrichothryroidotomy).  The bulb is pumped to force air into the lungs.",
     0.0f, 0.0f, -50, -25, 0x02000008, "", "", -1, 0, 37, -1},
    // 37
    {"Ambu Bag",
     "This tool is used to breathe for a patient.  The mask is placed over the mouth and the bulb is pumped to force "
     "air into the lungs.  It can also be attached to an airway tube that has been inserted into the mouth "
     "(endotracheal) or the neck (chrichothyroidotomy).",
     2.0f, 40.0f, -50, -25, 0x00000015, "BAGVALVE", "ambubag", -1, 0, -1, -1},
    // 38
    {"Action",
     "This does not represent an actual medical tool.  Instead, it is used to move things while in the Patient View.  "
     "This tool can be used to remove penetrating objects -- but beware, removal of penetrating objects can cause "
     "more problems.",
     0.0f, 0.0f, -75, -5, 0x083FFFFC, "ACTION", "", -1, 0, -1, -1},
    // 39
    {"Occlusive Dressing",
     "This is a type of bandage that provides an airtight seal over wounds.",
     0.3f, 1.4f, 0, 0, 0x2800E003, "OCCLUSIVEDRESSING", "occdress", -1, 1, -1, -1},
    // 40
    {"Penlight",
     "Used to closely examine the eyes, ears, mouth and throat.",
     0.9f, 1.6f, -25, -15, 0x01380014, "PENLIGHT", "penlite", 3, 1, -1, -1},
    // 41
    {"Oral Rehydration Powder",
     "This is given to patients suffering from severe dehydration.  It helps to quickly replenish lost body fluids. ",
     0.1f, 1.0f, -10, -10, 0x00000006, "oralhydrationmed", "oralreh", -1, 0, -1, -1},
    // 42
    {"Irrigation Syringe",
     "This tool is used to clean wounds or bring down high temperatures.",
     0.02f, 1.5f, -100, -10, 0x281FFFFE, "IRRIGATIONSYRINGE", "irrsyr", -1, 1, -1, -1},
    // 43
    {"Minor Surgery Kit",
     "This tool is used as a last resort to perform emergency surgical procedures.",
     0.5f, 6.0f, 0, 0, 0x3C1FFFFC, "minorkit", "", -1, 0, -1, 35},
    // 44
    {"Sponge",
     "This is used to disinfect the area that is to be incised.",
     0.0f, 0.0f, -10, -10, 0x2E17FFFC, "sponge", "", -1, 0, 43, -1},
    // 45
    {"Scalpel",
     "Used to make an incision.",
     0.0f, 0.0f, -110, 0, 0x2E16FFFC, "scalpel", "", -1, 0, 43, -1},
    // 46
    {"Survival Saw",
     "This tool is used to amputate limbs.  It is used when the only alternative is to let the patient die.",
     0.4f, 3.0f, -50, -5, 0x28000400, "survivalsaw", "survsaw", -1, 1, -1, -1},
    // 47
    {"Burn Blanket",
     "This tool is used on severely burned patients.  It is draped over the entire body and prevents things from "
     "sticking to the burnt skin.",
     2.0f, 30.0f, -10, -5, 0x00802003, "BURNBLANKET", "BURNBLANKET", -1, 0, -1, -1},
};
// clang-format on

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
