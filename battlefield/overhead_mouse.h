// The overhead view's mouse: a left click presses one of the head-up display's buttons or fires the
// medic's weapon at the picked point; a right click sends the medic (or, after MOVE TEAM, the support team's
// leader) to the picked point or to the place clicked on the mini-map. Pointer moves do nothing here.
#pragma once

#include <cstdint>

#include "shell/vector3.h"

namespace kestrine {

// Every mouse code of state 17 (2 move, 7 left up, 10 right up; the rest are ignored). Always consumed.
bool OverheadMouse(int code, int32_t x, int32_t y);

// The button with the given id pressed (the hot-spot ids of overhead_hotspots.h).
void PressOverheadButton(int32_t id);

// VIEW PATIENT's work: the casualty's patient location chosen, the patient view opened on him, the medic
// stopped and any drag ended. `checkState` false (a developer's cheat) opens a casualty in any state.
void OpenNearestCasualty(bool checkState);

// The patient location (0..6) for a casualty lying at `where`: among the strategy entries that place a
// casualty, the k-th (counting only those) that is cheapest to walk to from his cell. Entries he cannot
// reach are not counted as cheap; with none reachable the answer is 0.
int32_t ChoosePatientLocation(const Vector3& where);

// The medic starts dragging the nearest casualty, if that casualty may be moved.
void StartDragging();
// The drag ends wherever it is; a casualty readied for evacuation let go close to the landing point is
// delivered.
void DropCasualty();

// The "Right-click to select location to deploy team" message's line, emptied.
void ClearTeamMessage();

}  // namespace kestrine
