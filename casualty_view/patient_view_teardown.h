// The end of the patient view with its mission: the after-action report first, then the casualties.
#pragma once

namespace kestrine {

// Tears the patient view down. writeReport is true when a mission has ended (the debriefing and the KIA
// screen are being entered): the report is then rebuilt, provided the mission had a first casualty;
// otherwise the report already held (a debriefing loaded from a save) is kept. Every casualty still held
// is released and deleted, and no patient is shown any more; then the view lets go of its scene, pictures and boxes.
void TearDownPatientView(bool writeReport);

}  // namespace kestrine
