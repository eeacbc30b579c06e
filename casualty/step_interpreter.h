// The treatment interpreter: sets a wound up on a patient, keeps his list cursors, merges findings into his
// active steps and applies matched steps.
#pragma once

#include <cstdint>
#include <cstdio>

#include "casualty/patient.h"
#include "casualty/wound_types.h"

namespace kestrine {

// Sets wound row `type` up on the patient. savedStream is null except while a save game is loaded, when it
// stands at the patient's side line ("%d %d": side and side bits).
void SetUpWound(Patient& patient, int32_t type, std::FILE* savedStream);

// The developer pickers' wound change: drops the old wound's findings, textures and prop and sets the new
// row up. A type outside the table changes nothing.
void ChangeWound(Patient& patient, int32_t type);

// Applies one matched step. listSlot is the track cursor that advances to next; step may be null (set-up);
// multipliersOut may be null. partMask is 0 or the mask (side bits included) of the body part a tool was
// applied to.
void ApplyStep(Patient& patient, const TreatmentStep** listSlot, const TreatmentStep* step, const StepList* next,
               const StepList* extra, int32_t points, int32_t* multipliersOut, BodyLocation partMask);

// Merges one step into the active steps; merging never adds a slot.
void MergeStep(Patient& patient, const TreatmentStep& node, BodyLocation partMask, const TreatmentStep* source);

// Paints a texture-change step's texture on the side its side field names.
void ApplyTextureStep(Patient& patient, const TreatmentStep& node);

// Seeds the active steps from a list: the fixed findings in slots 0-2, every other finding after them.
void BuildActiveSteps(Patient& patient, const StepList* list);

// A change of state (shock, death): the list's findings overwrite the matching active slots.
void SpliceStepList(Patient& patient, const StepList* list);

// Every active slot that still carries points goes to missedSteps.
void CollectUnfinishedSteps(Patient& patient);

int32_t SumActivePoints(const Patient& patient);

// Starts the patient's 30-frame lift.
void ResetPatientTimer(Patient& patient);

// The glove-on-the-whole-head finding: fixed slot 0, and the step whose multipliers set the tracks' worth.
bool IsGloveOnHead(const TreatmentStep& step);

}  // namespace kestrine
