// The head-up display's pictures and read-outs.
#include "casualty_view/hud_readouts.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "casualty/vitals.h"
#include "shell/engine_setup.h"
#include "shell/layout.h"
#include "shell/mission_frames.h"
#include "shell/mission_progress.h"
#include "shell/overlays.h"
#include "shell/program_state.h"
#include "shell/screen_text.h"
#include "shell/sound_table.h"
#include "shell/wide_text.h"

namespace kestrine {

HudPictures hudPictures;
KESTRINE_PROGRAM_STATE(hudPictures);

namespace {

constexpr int kSmallText = 8;
constexpr int kButtonText = 10;

struct HudLabel {
  double x, y;
  const wchar_t* text;
};
// The view's own buttons, as screen fractions.
constexpr HudLabel kViewButtons[] = {
    {0.5646688, 0.6857143, L"Roll Over"},
    {0.7350158, 0.6857143, L"Hint"},
    {0.8548896, 0.6857143, L"Overhead"},
};
// The radio buttons, centred on one column of the panel space.
constexpr int kRadioButtonX = 570;
constexpr struct {
  int y;
  const wchar_t* text;
} kRadioButtons[] = {{398, L"Ready for EVAC"}, {415, L"Return to Action"}, {432, L"Call for Support"}};

void DrawCanvasText(double x, double y, const std::wstring& text, int size, int align) {
  DrawTextOnImage(Overlays().menuCanvas, x, y, text, size, align, kLabelR, kLabelG, kLabelB, 0, 0);
}

}  // namespace

void LoadHudPictures() {
  LoadPatientImage(hudPictures.medbar, L"images\\tools\\medbar.qpg", PATIENT_KEY_RED);
  if (!Engine().engineRoot) return;
  hudPictures.skull = Engine().engineRoot->LoadBitmap(L"images\\tools\\skull-n-xbones.qjp", 1);
  while (!hudPictures.skull->IsLoaded()) Engine().engineRoot->Wait(100);
}

void ReleaseHudPictures() { hudPictures = HudPictures{}; }

void RunShownPatientClock(Patient& patient, int32_t frameMs) {
  UpdateVitals(patient, frameMs);
  if (!Sounds().replayingSave) DrawTimeBar(patient);
}

void DrawTimeBar(const Patient& patient) {
  const int x = PanelX(kTimeBarX);
  const int y = PanelY(kTimeBarY);
  ScreenText().textOverlay->SetDrawColor(0, 0, 0);
  ScreenText().textOverlay->FillRect(x, y, kTimeBarWidth, kTimeBarBoxHeight);
  if (patient.dead) {
    const engine::EngineRef<engine::EngineBitmap>& skull = hudPictures.skull;
    if (!skull) return;
    const int width = skull->GetWidth();
    const int height = skull->GetHeight();
    ScreenText().textOverlay->DrawBitmap(skull, 0, 0, 0, width, height, x, PanelY(kSkullY), width, height);
    return;
  }
  ScreenText().textOverlay->SetDrawColor(240, 0, 0);
  ScreenText().textOverlay->FillRect(x, y, static_cast<int>(kTimeBarWidth * TimeBarFraction(patient)), kTimeBarHeight);
}

void DrawMedbar() {
  const PatientImage& medbar = hudPictures.medbar;
  if (!medbar.image || !ScreenText().textOverlay) return;
  ScreenText().textOverlay->DrawBitmap(medbar.image, 0, 0, 0, medbar.width, medbar.height, 0,
                                       Engine().screenHeight - medbar.height, medbar.width, medbar.height);
}

void DrawHudReadouts() {
  if (!Overlays().menuCanvas) return;
  char line[48];
  std::snprintf(line, sizeof line, "Score: %d", Progress().missionScore);
  DrawCanvasText(PanelX(20), PanelY(435), WidenText(line), kSmallText, ALIGN_LEFT);
  // A clock run out shows 00:00, never a negative time.
  const int32_t seconds = std::max(MissionTime().missionClock, 0) / 1000;
  std::snprintf(line, sizeof line, "Time: %02d:%02d", seconds / 60, seconds % 60);
  DrawCanvasText(PanelX(20), PanelY(410), WidenText(line), kSmallText, ALIGN_LEFT);
  for (const HudLabel& label : kViewButtons) DrawCanvasText(label.x, label.y, label.text, kButtonText, ALIGN_LEFT);
  for (const auto& button : kRadioButtons)
    DrawCanvasText(PanelX(kRadioButtonX), PanelY(button.y), button.text, kSmallText, ALIGN_CENTRE);
}

}  // namespace kestrine
