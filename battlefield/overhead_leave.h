// The overhead view lets go of its screen: when the patient view or the KIA screen takes over, when the pause
// menu saves or loads, when the mission is unloaded and when a saved game is loaded. Nothing of the
// battlefield stays on screen (the terrain, units, markers, level objects, the explosion, the head-up
// strip); the battle itself goes on.
#pragma once

namespace kestrine {

void LeaveOverhead();

}  // namespace kestrine
