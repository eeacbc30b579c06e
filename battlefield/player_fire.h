// What the player's pistol or rifle shot does where it lands: enemies about the impact are hurt, knocked
// down, driven off or turned on the medic; a shot landing beside one of his own men counts against him, and
// the sixth such shot in a row ends the mission.
#pragma once

#include "shell/vector3.h"

namespace kestrine {

// The medic's shot (pistol or rifle) landed at `impact`.
void PlayerShotLanded(const Vector3& impact);

}  // namespace kestrine
