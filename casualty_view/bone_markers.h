// The developer's bone markers: while the switch is on, a small bright ball stands at every bone of the
// shown patient, so the pick shapes and the items hung on the bones can be checked against the skeleton.
#pragma once

#include <cstdint>

#include "engine/engine.h"

namespace kestrine {

class Patient;

// Each frame: the markers placed at the bones of `patient` (none: hidden) while the switch is on, else hidden.
void DrawBoneMarkers(const Patient* patient, bool on);
// Lets go of the markers (the view's teardown).
void ReleaseBoneMarkers();
// The marker of a bone number: none until it is first drawn.
engine::EngineRef<engine::EngineActor> BoneMarker(int32_t bone);

}  // namespace kestrine
