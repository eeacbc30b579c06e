// The screen records of the backpack and the patient view. The patient view itself (its scene, tray and
// input) is not built yet: its record holds the sounds and overlays of its entry, the shell's mission clock
// for its frames, and the release of the casualties and their report at shut-down.
#include "casualty/casualty_screens.h"

#include "casualty/backpack_screen.h"
#include "casualty/patient_view_teardown.h"
#include "casualty/tool_images.h"
#include "shell/asset_loader.h"
#include "shell/globals.h"
#include "shell/mission_frames.h"
#include "shell/overlays.h"
#include "shell/screen_table.h"
#include "shell/screen_text.h"
#include "shell/sound_table.h"

namespace kestrine {

namespace {

void EnterBackpack() {
  ClearScreenLayers();
  BuildBackpackScreen();
  ShowOverlay();
}

bool BackpackMouse(int code, int32_t x, int32_t y) { return OnBackpackClick(x, y, code); }

void EnterPatientView() {
  PlayMusic(SOUND_PATIENT_MUSIC);
  StopSoundIfPlaying(SOUND_OVERHEAD_MUSIC);
  ClearTextOverlay();
  HideOverlay();
}

// At shut-down the report is not written again: the mission did not end.
void ReleasePatientView() { TearDownPatientView(false); }

// The patient view opened from the overhead view: built as state 18 at once.
void OpenPatientView() { gameState = STATE_PATIENT_VIEW; }

// The tool pictures the backpack screen and the patient view's tray share, kept until shut-down.
void ReleaseToolPictures() {
  ReleaseToolImages();
  toolSpriteSheet.Reset();
  toolStripHighlight.Reset();
}

}  // namespace

void RegisterCasualtyScreens() {
  RegisterScreen(STATE_BACKPACK, Screen{.enter = EnterBackpack,
                                        .frame = DrawBackpackScreen,
                                        .mouse = BackpackMouse,
                                        .release = UnloadBackpackScreen});
  RegisterScreen(STATE_PATIENT_VIEW,
                 Screen{.enter = EnterPatientView, .frame = PatientViewFrame, .release = ReleasePatientView});
  RegisterScreen(STATE_OPEN_PATIENT_VIEW, Screen{.enter = OpenPatientView});
  AddSharedAssetRelease(ReleaseToolPictures);
}

}  // namespace kestrine
