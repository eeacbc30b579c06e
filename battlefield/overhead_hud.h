// The overhead view's head-up display as the battle draws it: one stage a frame, and the medic's own
// condition beside the mini-map.
#pragma once

namespace kestrine {

// This frame's stage of the display (0..9, then 0 again). The stages' labels, score, clock, weapon panel
// and buttons come with the overhead view's own drawing; the battle only keeps the turn.
void DrawHudStage();

// "You: %3d%%" with the medic's health above what the difficulty takes off it (1% once he is down to it).
void DrawPatientProgress();

}  // namespace kestrine
