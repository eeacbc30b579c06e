// The three radio calls of the patient view, from its buttons or its radio menu: the casualty readied for
// evacuation or sent back into the fight (both judged, both leave for the overhead view), and the call for
// support.
#pragma once

namespace kestrine {

// Who makes the call decides the radio lines heard.
enum RadioCaller : int { RADIO_FROM_MENU = 0, RADIO_FROM_BUTTON = 1 };

void CallForEvacuation(RadioCaller caller);
void CallReturnToAction(RadioCaller caller);
void CallForSupport(RadioCaller caller);

}  // namespace kestrine
