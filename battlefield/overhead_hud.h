// The overhead view's head-up display as the battle draws it, one stage a frame so that no frame pays for
// all of it: 0 the button labels (and then 1), 1 score and clock, 2 the weapon panel, 3 the buttons' regions,
// 6 the extraction warning, 9 the medic's position for the developer; the mini-map comes at stage 5 with the
// battle's own frame. Also the medic's own condition beside the mini-map, the developer editors' lines and
// the pulse of the strategy editor's marker.
#pragma once

#include <cstdint>
#include <string>

namespace kestrine {

constexpr int32_t kHudStageCount = 10;

// "Time: mm:ss" for a mission clock in ms (whole seconds; nothing below 00:00).
std::wstring HudClockText(int32_t clockMs);
// The rifle's rounds and, after the slash, the rounds in the clip in use: " %3d/%2d".
std::wstring RifleRoundsText(int32_t rounds);
// "You: 100%  " .. "You: 1%    ": the medic's health above what the difficulty takes off it.
std::wstring PatientProgressText(int32_t health, int32_t difficulty);

// This frame's stage (hudStage), then the next.
void DrawHudStage();
// The labels of stage 0.
void DrawOverheadLabels();
// The weapon strip: cleared, the medic's weapon framed in yellow, the three counts.
void DrawWeaponPanel();

// "You: %3d%%" with the medic's health, beside the mini-map.
void DrawPatientProgress();

// The lines of the developer's editors that are on, every overhead frame.
void DrawDeveloperDisplays();

// The strategy editor's current marker glows brighter and dimmer (60..255) in its side's colour.
void PulseStrategyMarker(int32_t dt);
// The glow's brightness now (128 at the start).
int32_t StrategyMarkerPulse();

}  // namespace kestrine
