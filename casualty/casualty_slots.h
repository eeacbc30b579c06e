// The mission's casualties as the patient view holds them: one Patient per casualty slot, empty slots null,
// and the one being shown.
#pragma once

#include <cstdint>
#include <memory>

#include "casualty/patient.h"

namespace kestrine {

constexpr int kCasualtySlotCount = 7;

extern std::unique_ptr<Patient> (&casualties)[kCasualtySlotCount];
extern Patient*& currentPatient;
// The slot shown (0..6): the overhead view sets it when a casualty is opened, the save-game loader when one
// is restored. His voice follows from it.
extern int32_t& currentCasualtyIndex;

// True for a slot number inside the array that holds a patient.
bool HasCasualty(int slot);

// Lets the slot's patient go of his engine objects, deletes him and empties the slot; an empty or
// unknown slot is left alone, so a patient is never released twice. The shown patient is forgotten with him.
void DeleteCasualty(int slot);

// DeleteCasualty for every slot.
void DeleteAllCasualties();

}  // namespace kestrine
