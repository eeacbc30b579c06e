// The screen records of the backpack and the patient view: the view's entry with its sounds and overlays,
// its frame under the shell's mission clock with the battle going on, its mouse and keys, and the release
// of the casualties and the view at shut-down.
#include "casualty_view/casualty_screens.h"

#include "casualty_view/backpack_screen.h"
#include "casualty_view/patient_hud.h"
#include "casualty_view/patient_view.h"
#include "casualty_view/patient_view_teardown.h"
#include "casualty_view/tool_images.h"
#include "shell/asset_loader.h"
#include "shell/game_state.h"
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
  SwitchToPatientView();
  ClearTextOverlay();
  HideOverlay();
}

void PatientViewScreenFrame() { PatientViewFrame(UpdatePatientView); }

bool PatientViewMouse(int code, int32_t x, int32_t y) { return OnPatientViewMouse(x, y, code); }

void PatientViewKey(int key, bool down) { OnPatientViewKey(key, down); }

// At shut-down the report is not written again: the mission did not end.
void ReleasePatientView() { TearDownPatientView(false); }

// The patient view built afresh and opened at once; the switch stores the state as 18.
void OpenPatientView() {
  BuildPatientView(nullptr);
  SwitchToPatientView();
}

// The tool pictures the backpack screen and the patient view's tray share, kept until shut-down.
void ReleaseToolPictures() {
  ReleaseToolImages();
  ReleaseToolSpriteSheet();
  ReleaseToolStripHighlight();
}

}  // namespace

void RegisterCasualtyScreens() {
  RegisterScreen(STATE_BACKPACK, Screen{.enter = EnterBackpack,
                                        .frame = DrawBackpackScreen,
                                        .mouse = BackpackMouse,
                                        .release = UnloadBackpackScreen});
  RegisterScreen(STATE_PATIENT_VIEW, Screen{.enter = EnterPatientView,
                                            .frame = PatientViewScreenFrame,
                                            .mouse = PatientViewMouse,
                                            .key = PatientViewKey,
                                            .release = ReleasePatientView});
  RegisterScreen(STATE_OPEN_PATIENT_VIEW, Screen{.enter = OpenPatientView});
  AddSharedAssetRelease(ReleaseToolPictures);
}

}  // namespace kestrine
