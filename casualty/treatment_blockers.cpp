// The things in the way of a tool, checked in the order the medic would notice them.
#include "casualty/treatment_blockers.h"

namespace kestrine {

namespace {

constexpr BodyLocation kArmJoints = LOC_ELBOW | LOC_UPPER_ARM | LOC_FOREARM;

bool NeedsBareSkin(int32_t tool) { return (ToolTable[tool].flags & TOOL_FLAG_CRAVAT_BLOCKED) != 0; }

// The hip wrap is the one cravat that marks its bone in both sling masks.
bool HipWrapOn(const Patient& patient) { return (patient.slingMasks[0] & patient.slingMasks[1]) != 0; }

bool CravatBlocks(const Patient& patient, int32_t tool, BodyLocation partMask) {
  const BodyLocation region = RegionOf(partMask);
  if (tool == TOOL_CRAVAT && (region & kArmJoints) != 0 && HipWrapOn(patient)) return true;
  if ((patient.cravatMasks[SideIndexOf(partMask)] & region) == 0) return false;
  return NeedsBareSkin(tool) || tool == TOOL_RIGID_SPLINT;
}

bool ClothingBlocks(const Patient& patient, int32_t tool, BodyLocation partMask) {
  return NeedsBareSkin(tool) && (patient.clothingMasks[SideIndexOf(partMask)] & RegionOf(partMask)) != 0;
}

// Airways, bags and drips go in from the front.
bool RolledOverBlocks(const Patient& patient, int32_t tool) {
  if (!patient.rolledOver) return false;
  switch (tool) {
    case TOOL_NASAL_AIRWAY:
    case TOOL_AMBU_BAG_NASAL:
    case TOOL_AMBU_BAG_ET:
    case TOOL_AMBU_BAG_CRICH:
    case TOOL_AMBU_BAG:
    case TOOL_ET_KIT:
    case TOOL_ET_TUBE:
    case TOOL_IV:
    case TOOL_HESPAN:
    case TOOL_LACTATED_RINGERS:
      return true;
    default:
      return false;
  }
}

bool SplintBlocks(const Patient& patient, int32_t tool, BodyLocation partMask) {
  if (tool != TOOL_CRICH_SCALPEL && tool != TOOL_SURGERY_SCALPEL) return false;
  return (patient.splintMasks[SideIndexOf(partMask)] & RegionOf(partMask)) != 0;
}

}  // namespace

bool BlanketBlocks(const Patient& patient, int32_t tool, int32_t part) {
  if (!IsToolRow(tool) || !IsBodyPart(part)) return false;
  return (ToolTable[tool].flags & TOOL_FLAG_BLANKET_BLOCKED) != 0 &&
         (patient.blanketMask & RegionOf(kBodyParts[part].mask)) != 0;
}

const char* FindBlocker(const Patient& patient, int32_t tool, int32_t part) {
  if (!IsToolRow(tool) || !IsBodyPart(part)) return nullptr;
  const BodyLocation partMask = kBodyParts[part].mask;
  if (CravatBlocks(patient, tool, partMask)) return kCravatInTheWay;
  if (ClothingBlocks(patient, tool, partMask)) return kClothingInTheWay;
  if (RolledOverBlocks(patient, tool)) return kRolledOverInTheWay;
  if (SplintBlocks(patient, tool, partMask)) return kSplintInTheWay;
  if (BlanketBlocks(patient, tool, part)) return kBlanketInTheWay;
  return nullptr;
}

}  // namespace kestrine
