// The things a medic can carry or use, by row number: weapons and their ammunition, the radio, the
// roll-over/drag pseudo-tool, the medical tools, the drugs and fluids of the drawers and the parts of the
// three procedure kits. Everything else in the game names a tool by its row.
#pragma once

#include <array>
#include <cstdint>

#include "casualty/body_location.h"
#include "engine/engine.h"

namespace kestrine {

// Row numbers. The bags 26/31/36 hang under the carried bag-valve mask 37; 33/34/35 are the crich kit's
// parts, 44/45 the minor surgery kit's, 28/29/30 the endotracheal kit's.
enum ToolId : int32_t {
  TOOL_NONE = -1,
  TOOL_GRENADE = 0,
  TOOL_M4 = 1,
  TOOL_BERETTA = 2,
  TOOL_RADIO = 3,
  TOOL_ROLLOVER_DRAG = 4,
  TOOL_STETHOSCOPE = 5,
  TOOL_TOURNIQUET = 6,
  TOOL_PULSE_OX = 7,
  TOOL_GLOVE = 8,
  TOOL_CRAVAT = 9,
  TOOL_RIGID_SPLINT = 10,
  TOOL_BANDAGE = 11,
  TOOL_MEDICINE_SYRINGE = 12,
  TOOL_MORPHINE = 13,
  TOOL_ATROPINE = 14,
  TOOL_ATROPINE_DIAZEPAM = 15,
  TOOL_DIAZEPAM = 16,
  TOOL_EPINEPHRINE_BENEDRYL = 17,
  TOOL_MORPHINE_MIDAZOLAM = 18,
  TOOL_XYLOCAINE = 19,
  TOOL_SCISSORS = 20,
  TOOL_IV = 21,
  TOOL_HESPAN = 22,
  TOOL_LACTATED_RINGERS = 23,
  TOOL_CHEST_CATHETER = 24,
  TOOL_NASAL_AIRWAY = 25,
  TOOL_AMBU_BAG_NASAL = 26,
  TOOL_ET_KIT = 27,
  TOOL_GEL = 28,
  TOOL_LARYNGOSCOPE = 29,
  TOOL_ET_TUBE = 30,
  TOOL_AMBU_BAG_ET = 31,
  TOOL_CRICH_KIT = 32,
  TOOL_CRICH_SPONGE = 33,
  TOOL_CRICH_SCALPEL = 34,
  TOOL_CRICH_TUBE = 35,
  TOOL_AMBU_BAG_CRICH = 36,
  TOOL_AMBU_BAG = 37,
  TOOL_ACTION = 38,
  TOOL_OCCLUSIVE_DRESSING = 39,
  TOOL_PENLIGHT = 40,
  TOOL_ORAL_REHYDRATION = 41,
  TOOL_IRRIGATION_SYRINGE = 42,
  TOOL_MINOR_SURGERY_KIT = 43,
  TOOL_SURGERY_SPONGE = 44,
  TOOL_SURGERY_SCALPEL = 45,
  TOOL_SURVIVAL_SAW = 46,
  TOOL_BURN_BLANKET = 47,
  TOOL_ROW_END,  // a new tool goes above this line, with its row in kToolData at the same place
};

// Every count of tools follows from the row numbers above.
constexpr int kToolCount = TOOL_ROW_END;

// Flag bits of a row. Bits 0x4 .. 0x100000 are the body-location bits (LOC_MOUTH .. LOC_EAR) where the
// tool may be used.
constexpr uint32_t TOOL_FLAG_CONSUMABLE = 0x00000002;       // several pieces carried, each use takes one
constexpr uint32_t TOOL_FLAG_LOCATIONS = 0x001FFFFC;        // the body-location bits
constexpr uint32_t TOOL_FLAG_NOT_MEDICAL = 0x00400000;      // weapons and radio: never in the backpack strip or list
constexpr uint32_t TOOL_FLAG_EXAM = 0x01000000;             // examination tool: its findings always go into the kit
constexpr uint32_t TOOL_FLAG_SUB_ITEM = 0x02000000;         // stocked under a parent row: never in the strip or list
constexpr uint32_t TOOL_FLAG_BLANKET_BLOCKED = 0x08000000;  // cannot reach the body through the burn blanket
constexpr uint32_t TOOL_FLAG_KIT_HEAD = 0x10000000;         // a kit whose parts are its sub-items
constexpr uint32_t TOOL_FLAG_CRAVAT_BLOCKED = 0x20000000;   // cannot reach the body through the cravat
constexpr uint32_t TOOL_FLAG_HIDDEN_IN_PACK = TOOL_FLAG_NOT_MEDICAL | TOOL_FLAG_SUB_ITEM;
// Bits the rows carry that no rule reads; kept so every row keeps the value it was written with.
constexpr uint32_t TOOL_FLAG_UNREAD_BIT0 = 0x00000001;
constexpr uint32_t TOOL_FLAG_UNREAD_BIT21 = 0x00200000;
constexpr uint32_t TOOL_FLAG_UNREAD_BIT23 = 0x00800000;
constexpr uint32_t TOOL_FLAG_UNREAD_BIT26 = 0x04000000;

// Examination slot of a row (-1 none).
enum ToolExam : int32_t {
  TOOL_EXAM_NONE = -1,
  TOOL_EXAM_GLOVE = 0,
  TOOL_EXAM_STETHOSCOPE = 1,
  TOOL_EXAM_PULSE_OX = 2,
  TOOL_EXAM_PENLIGHT = 3,
};

// One row as written down: weights and volumes are single-precision constants, widened when the row
// is built, so 1.4 is carried as the float nearest 1.4 and every sum sees the same value. A field a row
// leaves out has the value given here.
struct ToolData {
  const char* name = "";
  const char* description = "";  // "" when the row has none
  float weight = 0.0f;
  float volume = 0.0f;
  int32_t cursorOffsetX = 0;
  int32_t cursorOffsetY = 0;
  uint32_t flags = 0;
  const char* key = "";        // file key of the tool's pictures; "" for none
  const char* speechKey = "";  // key of the tool's speech clips; "" for none
  int32_t examIndex = TOOL_EXAM_NONE;
  int32_t sideRule = 0;
  int32_t parentRow = TOOL_NONE;  // a row may name itself (4 and 15)
  int32_t kitListRow = -1;        // wound-type row whose step lists form this kit's procedure; -1 none
};

// The rows in row order, as written; there are exactly kToolCount of them (checked where they are written).
extern const ToolData kToolData[kToolCount];

// One tool row as the game uses it: the written values plus the two pictures, which the screens that
// show them load and release.
class ToolDef {
 public:
  explicit ToolDef(const ToolData& data);
  virtual ~ToolDef() = default;

  const char* name;
  const char* description;
  double weight;
  double volume;
  int32_t cursorOffsetX;
  int32_t cursorOffsetY;
  uint32_t flags;
  int32_t examIndex;
  int32_t sideRule;
  int32_t parentRow;
  int32_t kitListRow;
  engine::EngineRef<engine::EngineBitmap> sprite;       // icon cut from the sprite sheet; empty for 0..4
  engine::EngineRef<engine::EngineBitmap> cursorImage;  // cursor picture of the patient view
  const char* key;
  const char* speechKey;

  bool IsConsumable() const { return (flags & TOOL_FLAG_CONSUMABLE) != 0; }
  bool IsExamTool() const { return (flags & TOOL_FLAG_EXAM) != 0; }
  bool HasParent() const { return parentRow >= 0; }
};

// The whole table, built before the program starts and kept to the end.
extern std::array<ToolDef, kToolCount> ToolTable;

// True for a row number inside the table.
inline bool IsToolRow(int row) { return row >= 0 && row < kToolCount; }

// Whether a row is offered on the backpack screen's strip and list: no weapons, radio, sub-items or the
// Action hand (which is always carried).
bool IsPackableTool(int row);

// Icon rectangles on the sprite sheet. One rectangle may serve several rows with the same picture.
struct ToolSpriteRect {
  int32_t x;
  int32_t y;
  int32_t width;
  int32_t height;
  int32_t tool;
};

// One slot per row at most (a row has at most one icon); the entries past the real ones are zero.
constexpr int kToolSpriteRectSlots = kToolCount;
constexpr int kToolSpriteRectCount = 43;
static_assert(kToolSpriteRectCount <= kToolSpriteRectSlots);
constexpr int kToolIconHeight = 48;
extern const ToolSpriteRect kToolSpriteRects[kToolSpriteRectSlots];

// The first rectangle entry of a row, or -1 when the row has no icon (rows 0..3 never have one).
int FindToolSpriteRect(int row);

}  // namespace kestrine
