// The menu screens of the front end: disclaimer, main menu, difficulty, training missions, options, player
// controls, volume, the developer notes, the in-game pause menu, the quit confirmation and the
// killed-in-action screen. Each builder empties the button list, draws its panel and labels and registers
// its buttons in a fixed order; the order is the button's index, which the actions (frontend/menu_actions.h)
// act on. The builders run on entry, some every frame, and again when the pointer comes onto a button so
// that its label shows highlighted.
#pragma once

#include "engine/engine.h"

namespace kestrine {

// The player-controls panel, loaded the first time the screen is drawn; the volume screen's bars, loaded
// when it is first drawn. Both kept until shut-down.
extern engine::EngineRef<engine::EngineBitmap>& playerControlImage;
extern engine::EngineRef<engine::EngineBitmap>& soundBarsImage;

void DisclaimerScreen();
void MainMenu();
void DifficultyMenu();
void TrainingMenu();
void OptionsMenu();
void PlayerControlsScreen();
void VolumeScreen();
void DevNotesScreen();
void PauseMenu();
void QuitConfirm();
void KiaScreen();

// The player-controls text in the shared text box, laid out in a fixed-width face so its columns line up.
void LayOutPlayerControls();

// The length of a volume bar in pixels, for a volume of 0..127 on the current screen.
int VolumeBarLength(int32_t volume);

// At shut-down.
void ReleaseMenuImages();

}  // namespace kestrine
