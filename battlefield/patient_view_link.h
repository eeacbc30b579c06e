// What the patient view's buttons do to the battle: the medic's weapon, the shown casualty's unit and the
// support call. Registered with casualty care at start-up.
#pragma once

namespace kestrine {

void RegisterPatientViewLink();

}  // namespace kestrine
