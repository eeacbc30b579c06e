// Storage of the casualty slots and their one way out.
#include "casualty/casualty_slots.h"

#include "shell/program_state.h"

namespace kestrine {

namespace {

struct CasualtySlots {
  std::unique_ptr<Patient> casualties[kCasualtySlotCount];
  Patient* currentPatient = nullptr;
  int32_t currentCasualtyIndex = 0;
};
CasualtySlots casualtySlots;
// Every patient still held is released through his one way out, as the mission's end would.
KESTRINE_PROGRAM_STATE_RESET(casualtySlots, [] {
  DeleteAllCasualties();
  casualtySlots = CasualtySlots{};
});

}  // namespace

std::unique_ptr<Patient> (&casualties)[kCasualtySlotCount] = casualtySlots.casualties;
Patient*& currentPatient = casualtySlots.currentPatient;
int32_t& currentCasualtyIndex = casualtySlots.currentCasualtyIndex;

bool HasCasualty(int slot) { return slot >= 0 && slot < kCasualtySlotCount && casualties[slot] != nullptr; }

void DeleteCasualty(int slot) {
  if (!HasCasualty(slot)) return;
  // The slot is emptied before the release runs, so nothing reached from the release can find him again.
  std::unique_ptr<Patient> patient = std::move(casualties[slot]);
  if (currentPatient == patient.get()) currentPatient = nullptr;
  patient->Body().ReleasePatient();
}

void DeleteAllCasualties() {
  for (int slot = 0; slot < kCasualtySlotCount; ++slot) DeleteCasualty(slot);
}

}  // namespace kestrine
