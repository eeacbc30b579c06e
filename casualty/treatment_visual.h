// What a treatment shows on the body: cut clothing, bands and dressings, treatment models put on or taken
// away, tool animations. The treatment rules decide which of these happen; the patient's body draws them.
#pragma once

#include <cstdint>

namespace kestrine {

enum TreatmentVisualKind : int32_t {
  VISUAL_CLOTHING_CUT,        // material: a clothing material painted with its cut picture
  VISUAL_BARE_SKIN,           // material: a skin material shown bare where clothing was cut
  VISUAL_LIMB_BANDS,          // the tourniquet and dressing bands of the part repainted
  VISUAL_DOG_TAG,             // the dog tag taken out at the neck
  VISUAL_ITEM_HIDDEN,         // item: a treatment model taken off the body
  VISUAL_ITEM_SHOWN,          // item: a treatment model put on the body
  VISUAL_NECK_COLLAR,         // material: the collar drawn where the helmet was
  VISUAL_DRESSING,            // the dressing of the part, its bands and a blood splat
  VISUAL_SYRINGE,             // the syringe at the clicked point
  VISUAL_SCISSORS,            // the scissors cutting at the clicked point
  VISUAL_IV_LINE,             // the IV named after the elbow of the part's side and hung there
  VISUAL_AMBU_BAG,            // tool: the bag textured, placed at the mouth or tube and pumping
  VISUAL_TOOL_AT_POINT,       // tool: the tool's own animation at the clicked point (gel, scope, sponge, ...)
  VISUAL_ET_TUBE,             // the endotracheal tube attached to the head
  VISUAL_NECK_INCISION,       // the crich scalpel's cut drawn into the neck
  VISUAL_CRICH_TUBE,          // the crich tube attached at the neck
  VISUAL_ROLL_OFF_OBJECT,     // the impaled patient moved off the object; the blood pools change over
  VISUAL_INJURY_PROP_START,   // the wound's injury prop does what the Action does to it
  VISUAL_OCCLUSIVE_DRESSING,  // the airtight dressing drawn into the chest or back
  VISUAL_INCISION,            // the minor kit's scalpel cut on the part, at a random offset
  VISUAL_LEG_STUMP,           // the lower leg of the part replaced by a stump at the knee
  VISUAL_BLANKET_ON,          // the blanket over the body, the fitted items under it hidden
  VISUAL_BLANKET_OFF,         // the blanket taken away, the fitted items shown again
  VISUAL_ROLL_OVER,           // rolled over or back: the blood pools change over
};

struct TreatmentVisual {
  TreatmentVisualKind kind = VISUAL_CLOTHING_CUT;
  int32_t part = -1;          // the body part the tool was put to (-1: none)
  int32_t tool = -1;          // the tool applied
  int32_t item = -1;          // a treatment model slot (-1: none)
  const char* material = "";  // a material name (clothing, skin, collar)
};

}  // namespace kestrine
