// Storage of the casualty slots and their one way out.
#include "casualty/casualty_slots.h"

#include <utility>

#include "shell/program_state.h"

namespace kestrine {

CasualtySlots casualtySlots;
// Every patient still held is released through his one way out, as the mission's end would.
KESTRINE_PROGRAM_STATE_RESET(casualtySlots, [] {
  DeleteAllCasualties();
  casualtySlots = CasualtySlots{};
});

const CasualtySlots& Slots() { return casualtySlots; }

void PlaceCasualty(int slot, std::unique_ptr<Patient> patient) { casualtySlots.casualties[slot] = std::move(patient); }

void SetCurrentPatient(Patient* patient) { casualtySlots.currentPatient = patient; }

void SetCurrentCasualtyIndex(int32_t slot) { casualtySlots.currentCasualtyIndex = slot; }

bool HasCasualty(int slot) {
  return slot >= 0 && slot < kCasualtySlotCount && casualtySlots.casualties[slot] != nullptr;
}

void DeleteCasualty(int slot) {
  if (!HasCasualty(slot)) return;
  // The slot is emptied before the release runs, so nothing reached from the release can find him again.
  std::unique_ptr<Patient> patient = std::move(casualtySlots.casualties[slot]);
  if (casualtySlots.currentPatient == patient.get()) casualtySlots.currentPatient = nullptr;
  patient->Body().ReleasePatient();
}

void DeleteAllCasualties() {
  for (int slot = 0; slot < kCasualtySlotCount; ++slot) DeleteCasualty(slot);
}

}  // namespace kestrine
