// The fixed parts of the patient view's head-up display: the medbar picture, the score and the mission
// clock, and the labels of its buttons. The pictures are loaded with the view and released with it.
#pragma once

#include "casualty_view/patient_image.h"

namespace kestrine {

struct HudPictures {
  PatientImage medbar;
};
extern HudPictures hudPictures;

// The medbar and the skull-and-bones picture of a dead patient's time bar.
void LoadHudPictures();
void ReleaseHudPictures();
// The medbar at the screen's bottom-left corner, on the text overlay.
void DrawMedbar();
// The score, the clock and the button labels, on the menu canvas.
void DrawHudReadouts();

}  // namespace kestrine
