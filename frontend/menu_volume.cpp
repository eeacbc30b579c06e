// The volume screen (state 9), from the options menu: the sound effects' and the music's volume, each with a bar
// and - and + boxes that step it by 10 within 0..127, and BACK to the options menu. Drawn by the options menu
// when it opens it, and again after each change and when the pointer comes onto a button.
#include <algorithm>

#include "frontend/menu_screens.h"
#include "shell/asset_loader.h"
#include "shell/engine_setup.h"
#include "shell/game_state.h"
#include "shell/hotspots.h"
#include "shell/layout.h"
#include "shell/overlays.h"
#include "shell/program_state.h"
#include "shell/screen_table.h"
#include "shell/screen_text.h"
#include "shell/sound_table.h"

namespace kestrine {

namespace {

using BitmapRef = engine::EngineRef<engine::EngineBitmap>;

// The bars' picture, loaded the first time the screen is drawn and kept until shut-down: it never changes, and
// the screen is drawn again at every hover.
struct VolumePicture {
  BitmapRef soundBarsImage;
};
VolumePicture volumePicture;
KESTRINE_PROGRAM_STATE(volumePicture);

constexpr int32_t kVolumeStep = 10;
constexpr int32_t kMaxVolume = 127;

// One volume's label, its - and + boxes and its bar (rows in the panel's design space).
struct VolumeRows {
  int label, buttons, bar;
};
constexpr VolumeRows kEffectsRows{195, 220, 219};
constexpr VolumeRows kMusicRows{245, 270, 267};
constexpr int kDownX = 75, kUpX = 235, kBoxWidth = 25, kBoxHeight = 23;

constexpr MenuButton kButtons[] = {
    ColumnButton(VOLUME_BACK, 1, L"BACK"),
    PanelBox(VOLUME_EFFECTS_DOWN, kDownX, kEffectsRows.buttons, kBoxWidth, kBoxHeight),
    PanelBox(VOLUME_EFFECTS_UP, kUpX, kEffectsRows.buttons, kBoxWidth, kBoxHeight),
    PanelBox(VOLUME_MUSIC_DOWN, kDownX, kMusicRows.buttons, kBoxWidth, kBoxHeight),
    PanelBox(VOLUME_MUSIC_UP, kUpX, kMusicRows.buttons, kBoxWidth, kBoxHeight),
};
static_assert(ValidButtonTable(kButtons));

// The length of a volume bar in pixels, for a volume of 0..127 on the current screen.
int VolumeBarLength(int32_t volume) {
  return static_cast<int>(static_cast<int64_t>(volume) * 150 * Engine().screenWidth / 80518);
}

// A volume changed by `step`, held to 0..127.
int32_t SteppedVolume(int32_t volume, int32_t step) { return std::clamp(volume + step, 0, kMaxVolume); }

void VolumeLabelAndBar(const VolumeRows& rows, const wchar_t* label, int32_t volume) {
  DrawScreenText(PanelX(165), PanelY(rows.label), label, 11, ALIGN_CENTRE, kLabelR, kLabelG, kLabelB, 1, 0);
  ScreenText().textOverlay->SetDrawColor(200, 10, 10);
  ScreenText().textOverlay->FillRect(PanelX(93), PanelY(rows.bar), VolumeBarLength(volume), 16);
}

void Press(int32_t button) {
  switch (button) {
    case VOLUME_BACK:
      ClearHotspots();
      ClearScreenLayers();
      // Back to the options menu without its entry, which would make the volume screen the one it returns to.
      StoreGameStateWithoutEntry(STATE_OPTIONS);
      OptionsMenu();
      return;
    case VOLUME_EFFECTS_DOWN:
      SetEffectsVolume(SteppedVolume(Sounds().effectsVolume, -kVolumeStep));
      break;
    case VOLUME_EFFECTS_UP:
      SetEffectsVolume(SteppedVolume(Sounds().effectsVolume, kVolumeStep));
      break;
    case VOLUME_MUSIC_DOWN:
      SetMusicVolume(SteppedVolume(Sounds().musicVolume, -kVolumeStep));
      break;
    case VOLUME_MUSIC_UP:
      SetMusicVolume(SteppedVolume(Sounds().musicVolume, kVolumeStep));
      break;
    default:
      return;
  }
  UpdateMusicVolume();
  VolumeScreen();
}

void ReleaseVolumePicture() { volumePicture.soundBarsImage.Reset(); }

}  // namespace

void VolumeScreen() {
  ClearHotspots();
  ClearTextOverlay();
  ClearMenuCanvas();
  LoadOnce(volumePicture.soundBarsImage, L"images\\soundbars.qjp", 50);
  ScreenText().textOverlay->DrawBitmap(volumePicture.soundBarsImage, 0, 0, 0, 185, 125, PanelX(75), PanelY(169), 185,
                                       Engine().screenHeight * 125 / 480);
  AddButtons(kButtons);
  VolumeLabelAndBar(kEffectsRows, L"SOUND EFFECTS VOLUME", Sounds().effectsVolume);
  VolumeLabelAndBar(kMusicRows, L"MUSIC VOLUME", Sounds().musicVolume);
}

void RegisterVolumeScreen() {
  // The game's rule for this screen: the button the last pointer move lit. It opens with none lit: the button
  // chosen on the options menu (VOLUME CONTROL sits where BACK is here) is no choice made here.
  RegisterScreen(STATE_VOLUME, Screen{.enter = ForgetTheLastButton,
                                      .press = Press,
                                      .rule = ButtonRule::kLastLit,
                                      .hover = RedrawOnHit<VolumeScreen>});
  AddSharedAssetRelease(ReleaseVolumePicture);
}

}  // namespace kestrine
