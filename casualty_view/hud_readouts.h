// The fixed parts of the patient view's head-up display: the medbar picture, the score and the mission
// clock, the labels of its buttons, and the time bar of the patient's clock. The pictures are loaded with
// the view and released with it.
#pragma once

#include <cstdint>

#include "casualty/patient.h"
#include "casualty_view/patient_image.h"
#include "engine/engine.h"

namespace kestrine {

// The time bar's box, in the 634 x 455 panel space.
constexpr int kTimeBarX = 116;
constexpr int kTimeBarY = 313;
constexpr int kTimeBarWidth = 64;
constexpr int kTimeBarBoxHeight = 13;
constexpr int kTimeBarHeight = 12;
constexpr int kSkullY = 316;

struct HudPictures {
  PatientImage medbar;
  // The skull-and-bones picture shown in place of the time bar for a dead patient. Empty until the view
  // loads it.
  engine::EngineRef<engine::EngineBitmap> skull;
};
extern HudPictures hudPictures;

// The medbar and the skull-and-bones picture of a dead patient's time bar.
void LoadHudPictures();
void ReleaseHudPictures();
// The medbar at the screen's bottom-left corner, on the text overlay.
void DrawMedbar();
// The score, the clock and the button labels, on the menu canvas.
void DrawHudReadouts();

// One frame of the shown patient's clock (UpdateVitals), then, unless a save is being replayed, his time bar.
void RunShownPatientClock(Patient& patient, int32_t frameMs);
// The time bar on the screen-text overlay: a black box, then the skull for a dead patient, else a red bar
// as long as the part of timeBarLength still left.
void DrawTimeBar(const Patient& patient);

}  // namespace kestrine
