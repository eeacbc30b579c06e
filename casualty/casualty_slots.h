// The mission's casualties as the patient view holds them: one Patient per casualty slot, empty slots null,
// and the one being shown.
#pragma once

#include <cstdint>
#include <memory>

#include "casualty/patient.h"

namespace kestrine {

constexpr int kCasualtySlotCount = 7;

// Written only here, through the operations below; the patients themselves are theirs to change.
struct CasualtySlots {
  std::unique_ptr<Patient> casualties[kCasualtySlotCount];
  Patient* currentPatient = nullptr;
  // The slot shown (0..6): the overhead view sets it when a casualty is opened, the save-game loader when
  // one is restored. His voice follows from it.
  int32_t currentCasualtyIndex = 0;
};

const CasualtySlots& Slots();

// Puts a patient into a slot (null empties it), in place of whoever was there.
void PlaceCasualty(int slot, std::unique_ptr<Patient> patient);

// The patient shown from now on (null: none).
void SetCurrentPatient(Patient* patient);

// The slot shown from now on; the patient shown is not changed by it.
void SetCurrentCasualtyIndex(int32_t slot);

// True for a slot number inside the array that holds a patient.
bool HasCasualty(int slot);

// Lets the slot's patient go of his engine objects, deletes him and empties the slot; an empty or
// unknown slot is left alone, so a patient is never released twice. The shown patient is forgotten with him.
void DeleteCasualty(int slot);

// DeleteCasualty for every slot.
void DeleteAllCasualties();

}  // namespace kestrine
