// The effect of each tool on the body.
#include "casualty/treatment_effects.h"

#include <cstdio>

#include "casualty/speech_kinds.h"
#include "casualty/treatment_items.h"
#include "shell/sound_table.h"

namespace kestrine {

namespace {

// Body animations.
constexpr int32_t kTendPose = 16;
constexpr int32_t kRebarRollPose = 18;
constexpr int32_t kRestrainPose = 46;

constexpr int32_t kPsychosisWound = 41;
constexpr int32_t kImpalementWound = 2;
constexpr int32_t kPinnedWound = 6;
// Rolled over: the body turns a step a frame for this count and one more frame.
constexpr int32_t kRollTurnCount = 10;
// Cut free of the vehicle: the scene slides from this count up to the idle -1.
constexpr int32_t kPulledFreeCount = -20;
// After the saw he has ten seconds before he bleeds out.
constexpr int32_t kAmputationDeathMs = 10000;
// Dropping the blanket over him covers everything.
constexpr BodyLocation kWholeBody = kAnyBodyPart;

constexpr uint8_t kLoop = 1;

uint32_t PartBit(int32_t part) { return 1u << part; }

void Show(Patient& patient, TreatmentVisualKind kind, int32_t part, int32_t tool) {
  TreatmentVisual visual;
  visual.kind = kind;
  visual.part = part;
  visual.tool = tool;
  patient.Body().ShowTreatmentVisual(visual);
}

void PutOnItem(Patient& patient, int32_t item) {
  patient.appliedItems |= ItemBit(item);
  TreatmentVisual visual;
  visual.kind = VISUAL_ITEM_SHOWN;
  visual.item = item;
  patient.Body().ShowTreatmentVisual(visual);
}

void TakeOffItem(Patient& patient, int32_t item, int32_t tool) {
  patient.appliedItems &= ~ItemBit(item);
  TreatmentVisual visual;
  visual.kind = VISUAL_ITEM_HIDDEN;
  visual.tool = tool;
  visual.item = item;
  patient.Body().ShowTreatmentVisual(visual);
}

bool IsLeftArmPart(int32_t part) {
  return part == PART_LEFT_HAND || part == PART_LEFT_ELBOW || part == PART_LEFT_FOREARM || part == PART_LEFT_UPPER_ARM;
}

bool IsRightArmPart(int32_t part) {
  return part == PART_RIGHT_HAND || part == PART_RIGHT_ELBOW || part == PART_RIGHT_FOREARM ||
         part == PART_RIGHT_UPPER_ARM;
}

uint32_t LeftArmBits() {
  return PartBit(PART_LEFT_HAND) | PartBit(PART_LEFT_ELBOW) | PartBit(PART_LEFT_FOREARM) | PartBit(PART_LEFT_UPPER_ARM);
}

uint32_t RightArmBits() {
  return PartBit(PART_RIGHT_HAND) | PartBit(PART_RIGHT_ELBOW) | PartBit(PART_RIGHT_FOREARM) |
         PartBit(PART_RIGHT_UPPER_ARM);
}

bool TourniquetEffect(Patient& patient, int32_t part) {
  const bool wasOn = (patient.tourniquetParts & PartBit(part)) != 0;
  patient.tourniquetParts ^= PartBit(part);
  Show(patient, VISUAL_LIMB_BANDS, part, TOOL_TOURNIQUET);
  PlayEffect(SOUND_TOURNIQUET);
  return wasOn;
}

void PulseOxEffect(Patient& patient, const TreatmentStep* step) {
  int saturation = 0;
  int pulse = 0;
  if (step != nullptr && std::sscanf(step->reading, "%d/%d", &saturation, &pulse) == 2) {
    patient.pulseOxReadings[0] = saturation;
    patient.pulseOxReadings[1] = pulse;
    patient.pulseOxShown = 1;
  }
  PlayEffectLoop(SOUND_PULSE_OX, kLoop);
}

// An arm sling is one per arm, whichever part of the arm it was tied from.
bool ToggleArmSling(Patient& patient, int32_t part, uint32_t armBits, int32_t item) {
  if ((patient.slingMasks[0] & armBits) != 0) {
    patient.slingMasks[0] &= ~armBits;
    TakeOffItem(patient, item, TOOL_CRAVAT);
    return true;
  }
  patient.slingMasks[0] |= PartBit(part);
  PutOnItem(patient, item);
  return false;
}

bool CravatEffect(Patient& patient, int32_t part) {
  if (patient.currentWound == kPsychosisWound) {
    if (!patient.restrained) {
      patient.restrained = 1;
      patient.Body().PlayAnimation(kRestrainPose);
    }
    return false;
  }
  if (part == PART_HIP) {
    const uint32_t bit = PartBit(PART_HIP);
    const bool wasOn = (patient.slingMasks[0] & patient.slingMasks[1] & bit) != 0;
    if (wasOn) {
      patient.slingMasks[0] &= ~bit;
      patient.slingMasks[1] &= ~bit;
      TakeOffItem(patient, ITEM_HIP_WRAP, TOOL_CRAVAT);
    } else {
      patient.slingMasks[0] |= bit;
      patient.slingMasks[1] |= bit;
      PutOnItem(patient, ITEM_HIP_WRAP);
    }
    return wasOn;
  }
  if (IsLeftArmPart(part)) return ToggleArmSling(patient, part, LeftArmBits(), ITEM_LEFT_ARM_SLING);
  if (IsRightArmPart(part)) return ToggleArmSling(patient, part, RightArmBits(), ITEM_RIGHT_ARM_SLING);
  return false;
}

void RigidSplintEffect(Patient& patient, int32_t part) {
  patient.Body().PlayAnimation(kTendPose);
  const BodyLocation partMask = kBodyParts[part].mask;
  BodyLocation& splinted = patient.splintMasks[SideIndexOf(partMask)];
  const bool left = (partMask & kSideBits) == LOC_LEFT;
  switch (RegionOf(partMask)) {
    case LOC_NECK: {
      TreatmentVisual collar;
      collar.kind = VISUAL_NECK_COLLAR;
      collar.part = part;
      collar.tool = TOOL_RIGID_SPLINT;
      collar.material = "in_helm";
      patient.Body().ShowTreatmentVisual(collar);
      PutOnItem(patient, ITEM_NECK_SPLINT);
      splinted |= LOC_NECK;
      break;
    }
    case LOC_THIGH:
      PutOnItem(patient, left ? ITEM_LEFT_THIGH_SPLINT : ITEM_RIGHT_THIGH_SPLINT);
      splinted |= LOC_THIGH;
      break;
    case LOC_CALF:
      PutOnItem(patient, left ? ITEM_LEFT_CALF_SPLINT : ITEM_RIGHT_CALF_SPLINT);
      splinted |= LOC_CALF;
      break;
    case LOC_UPPER_ARM:
    case LOC_FOREARM:
      PutOnItem(patient, left ? ITEM_LEFT_ARM_SPLINT : ITEM_RIGHT_ARM_SPLINT);
      splinted |= LOC_ELBOW | LOC_UPPER_ARM | LOC_FOREARM;
      break;
    default:
      break;
  }
  PlayEffectLoop(SOUND_RIGID_SPLINT, kLoop);
}

void BandageEffect(Patient& patient, int32_t part) {
  // Marked first, so the body paints the new dressing with the part's bands.
  patient.dressingParts |= PartBit(part);
  Show(patient, VISUAL_DRESSING, part, TOOL_BANDAGE);
  PlayEffect(SOUND_BANDAGE);
  patient.Body().PlayAnimation(kTendPose);
}

void IvEffect(Patient& patient, int32_t part, int32_t tool) {
  const BodyLocation partMask = kBodyParts[part].mask;
  if ((RegionOf(partMask) & (LOC_ELBOW | LOC_UPPER_ARM | LOC_FOREARM)) == 0) return;
  // The tending animation first: the drip appears when it is over.
  patient.Body().PlayAnimation(kTendPose);
  Show(patient, VISUAL_IV_LINE, part, tool);
  PutOnItem(patient, (partMask & kSideBits) == LOC_LEFT ? ITEM_LEFT_IV : ITEM_RIGHT_IV);
}

void AmbuBagEffect(Patient& patient, int32_t part, int32_t tool) {
  patient.Body().PlayAnimation(kTendPose);
  Show(patient, VISUAL_AMBU_BAG, part, tool);
  PutOnItem(patient, ITEM_AMBU_BAG);
  PlayEffectLoop(SOUND_BAG_VALVE, kLoop);
}

void ActionEffect(Patient& patient, int32_t part) {
  if (patient.currentWound == kImpalementWound && patient.impaled) {
    // The ground and the bar slide away under him for as long as his roll off it lasts.
    if (patient.Body().PlayAnimation(kRebarRollPose)) patient.rollOffTime = patient.animationTimer;
    Show(patient, VISUAL_ROLL_OFF_OBJECT, part, TOOL_ACTION);
    patient.QueueSpeech(SPEECH_YELL, kYellName);
    patient.QueueSpeech(SPEECH_YELL, kYellName);
    patient.impaled = 0;
  }
  Show(patient, VISUAL_INJURY_PROP_START, part, TOOL_ACTION);
}

// Whether the application being made is the saw's first on this part (the history holds it already).
bool FirstCutOf(const Patient& patient, int32_t part) {
  int cuts = 0;
  for (int32_t i = 0; i < patient.actionRecords.count; ++i) {
    const ActionRecord& record = patient.actionRecords.entries[i];
    if (record.tool == TOOL_SURVIVAL_SAW && record.part == part) ++cuts;
  }
  return cuts <= 1;
}

// The side he is rolled onto: a part with one side bit gives its side. The neck, where the roll takes hold,
// is on both: he goes onto the side away from his wound. Rolled back, the lift has turned him over first,
// so the same turn brings him back to where he lay.
uint32_t RolledOnto(const Patient& patient, int32_t part) {
  const BodyLocation sides = kBodyParts[part].mask & kSideBits;
  if (sides == LOC_LEFT || sides == LOC_RIGHT) return sides;
  return (patient.sideBits & kSideBits) == LOC_LEFT ? kRolledOnRight : kRolledOnLeft;
}

void RollOverEffect(Patient& patient, int32_t part) {
  // Laid down to be turned over: the lying form of the hold he sits in.
  const WoundType& row = WoundTypeTable[IsWoundRow(patient.currentWound) ? patient.currentWound : 0];
  const int32_t lying = row.poses[(patient.side == 1 ? 2 : 0) + 1];
  patient.Body().PlayAnimation(lying >= 0 ? lying : kTendPose);
  patient.rolledOver = patient.rolledOver ? 0 : 1;
  patient.rollDirection = RolledOnto(patient, part);
  patient.slideCounter = kRollTurnCount;
  // He now lies on the other side of him: the other pool grows.
  Show(patient, VISUAL_ROLL_OVER, part, TOOL_ROLLOVER_DRAG);
}

void SawEffect(Patient& patient, int32_t part) {
  if ((part == PART_LEFT_CALF || part == PART_RIGHT_CALF) && MayBeAmputated(patient)) {
    // The soldier pinned by his left leg is pulled out from under the vehicle once it is cut free.
    if (patient.currentWound == kPinnedWound && part == PART_LEFT_CALF && FirstCutOf(patient, part))
      patient.slideCounter = kPulledFreeCount;
    Show(patient, VISUAL_LEG_STUMP, part, TOOL_SURVIVAL_SAW);
    patient.deathDeadline = patient.clockMs + kAmputationDeathMs;
    patient.timeBarLength = patient.deathDeadline;
    patient.QueueSpeech(SPEECH_YELL, kYellName);
    patient.QueueSpeech(SPEECH_YELL, kYellName);
  }
  Show(patient, VISUAL_TOOL_AT_POINT, part, TOOL_SURVIVAL_SAW);
}

bool BurnBlanketEffect(Patient& patient, int32_t part) {
  const bool wasOn = patient.blanketMask != 0;
  patient.Body().PlayAnimation(kTendPose);
  if (wasOn) {
    patient.blanketMask = 0;
    TakeOffItem(patient, ITEM_BURN_BLANKET, TOOL_BURN_BLANKET);
    Show(patient, VISUAL_BLANKET_OFF, part, TOOL_BURN_BLANKET);
  } else {
    patient.blanketMask = kWholeBody;
    PutOnItem(patient, ITEM_BURN_BLANKET);
    Show(patient, VISUAL_BLANKET_ON, part, TOOL_BURN_BLANKET);
  }
  PlayEffect(SOUND_BURN_BLANKET);
  return wasOn;
}

}  // namespace

bool MayBeAmputated(const Patient& patient) { return patient.noBoots != 0; }

bool PlayToolEffect(Patient& patient, int32_t tool, int32_t part, const TreatmentStep* step) {
  if (!IsToolRow(tool) || !IsBodyPart(part)) return false;
  switch (tool) {
    case TOOL_ROLLOVER_DRAG:
      RollOverEffect(patient, part);
      return false;
    case TOOL_STETHOSCOPE:
      if (!patient.dead) PlayEffectLoop(SOUND_STETHOSCOPE, kLoop);
      return false;
    case TOOL_TOURNIQUET:
      return TourniquetEffect(patient, part);
    case TOOL_PULSE_OX:
      PulseOxEffect(patient, step);
      return false;
    case TOOL_GLOVE:
      if (part == PART_NECK && patient.appearance < 2) Show(patient, VISUAL_DOG_TAG, part, tool);
      patient.Body().PlayAnimation(kTendPose);
      return false;
    case TOOL_CRAVAT:
      return CravatEffect(patient, part);
    case TOOL_RIGID_SPLINT:
      RigidSplintEffect(patient, part);
      return false;
    case TOOL_BANDAGE:
      BandageEffect(patient, part);
      return false;
    case TOOL_MEDICINE_SYRINGE:
    case TOOL_MORPHINE:
    case TOOL_ATROPINE:
    case TOOL_ATROPINE_DIAZEPAM:
    case TOOL_DIAZEPAM:
    case TOOL_EPINEPHRINE_BENEDRYL:
    case TOOL_MORPHINE_MIDAZOLAM:
    case TOOL_XYLOCAINE:
      Show(patient, VISUAL_SYRINGE, part, tool);
      return false;
    case TOOL_SCISSORS:
      Show(patient, VISUAL_SCISSORS, part, tool);
      return false;
    case TOOL_IV:
    case TOOL_HESPAN:
    case TOOL_LACTATED_RINGERS:
      IvEffect(patient, part, tool);
      return false;
    case TOOL_CHEST_CATHETER:
      PutOnItem(patient, ITEM_CHEST_CATHETER);
      return false;
    case TOOL_NASAL_AIRWAY:
      patient.fittedAirways |= AIRWAY_NASAL;
      PutOnItem(patient, ITEM_NASAL_AIRWAY);
      return false;
    case TOOL_AMBU_BAG_NASAL:
    case TOOL_AMBU_BAG_ET:
    case TOOL_AMBU_BAG_CRICH:
    case TOOL_AMBU_BAG:
      AmbuBagEffect(patient, part, tool);
      return false;
    case TOOL_GEL:
    case TOOL_LARYNGOSCOPE:
      Show(patient, VISUAL_TOOL_AT_POINT, part, tool);
      return false;
    case TOOL_ET_TUBE:
      Show(patient, VISUAL_ET_TUBE, part, tool);
      PlayEffect(SOUND_ET_TUBE);
      patient.fittedAirways |= AIRWAY_ET_TUBE;
      return false;
    case TOOL_CRICH_SPONGE:
    case TOOL_SURGERY_SPONGE:
      Show(patient, VISUAL_TOOL_AT_POINT, part, tool);
      patient.disinfectedParts |= PartBit(part);
      return false;
    case TOOL_CRICH_SCALPEL:
      Show(patient, VISUAL_NECK_INCISION, part, tool);
      return false;
    case TOOL_CRICH_TUBE:
      Show(patient, VISUAL_CRICH_TUBE, part, tool);
      PutOnItem(patient, ITEM_CRICH_TUBE);
      patient.fittedAirways |= AIRWAY_CRICH_TUBE;
      return false;
    case TOOL_ACTION:
      ActionEffect(patient, part);
      return false;
    case TOOL_OCCLUSIVE_DRESSING:
      Show(patient, VISUAL_OCCLUSIVE_DRESSING, part, tool);
      PlayEffect(SOUND_OCCLUSIVE_DRESSING);
      return false;
    case TOOL_IRRIGATION_SYRINGE:
      Show(patient, VISUAL_TOOL_AT_POINT, part, tool);
      PlayEffectLoop(SOUND_IRRIGATION, kLoop);
      return false;
    case TOOL_SURGERY_SCALPEL:
      Show(patient, VISUAL_INCISION, part, tool);
      return false;
    case TOOL_SURVIVAL_SAW:
      SawEffect(patient, part);
      return false;
    case TOOL_BURN_BLANKET:
      return BurnBlanketEffect(patient, part);
    default:
      // The weapons, the radio, the kits themselves, the penlight and the rehydration powder
      // leave no mark.
      return false;
  }
}

}  // namespace kestrine
