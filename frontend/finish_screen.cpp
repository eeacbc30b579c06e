#include "frontend/finish_screen.h"

#include <string>

#include "frontend/briefing_screen.h"
#include "frontend/high_score_screen.h"
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

namespace kestrine {

namespace {

using BitmapRef = engine::EngineRef<engine::EngineBitmap>;

FinishScreenState finishScreenState;
KESTRINE_PROGRAM_STATE(finishScreenState);

constexpr int kRibbonsLeft = 20;
constexpr int kRibbonsTop = 190;
constexpr int kBadgesLeft = 50;
constexpr int kBadgeSpacing = 200;
constexpr int kBadgesTop = 60;

constexpr MenuButton kButtons[] = {
    WideButton(FINISH_MAIN_MENU, 427, 440, L"MAIN MENU"),
    WideButton(FINISH_REPLAY, 427, 415, L"REPLAY"),
};
static_assert(ValidButtonTable(kButtons));

std::wstring FinalMedalPath(int index) {
  if (index < kRibbonCount) return L"images\\finalMedals\\ribbon" + std::to_wstring(index) + L".qpg";
  return L"images\\finalMedals\\badge" + std::to_wstring(index - kRibbonCount) + L".qpg";
}

// The medal at its own size with its top-left corner at (x, y); returns its width.
int DrawFinalMedal(int index, int x, int y) {
  BitmapRef& image = finishScreenState.finalMedalImages[index];
  if (!image) {
    image = Engine().engineRoot->LoadBitmap(FinalMedalPath(index), 1);
    while (!image->IsLoaded()) Engine().engineRoot->Wait(50);
    image->SetColorKey(255, 0, 0);
  }
  const int width = image->GetWidth();
  const int height = image->GetHeight();
  ScreenText().textOverlay->DrawBitmap(image, 0, 0, 0, width, height, x, y, width, height);
  return width;
}

// Draws the screen: on entry and every frame in state 31, and again when the pointer comes onto a button.
void FinishScreen() {
  ClearHotspots();
  ClearMenuCanvas();
  ClearTextOverlay();
  if (!finishScreenState.finishImage) {
    finishScreenState.finishImage = Engine().engineRoot->LoadBitmap(L"images\\finish-screen.qjp", 1);
    DrawBackdrop(finishScreenState.finishImage);
  }

  // Ribbons never won leave no gap: the ones won close up from the left.
  int x = 0;
  for (int i = 0; i < kRibbonCount; ++i)
    if (Progress().ribbonCount[i] > 0) x += DrawFinalMedal(i, x + kRibbonsLeft, kRibbonsTop);
  // Each badge has a place of its own.
  for (int j = 0; j < kBadgeCount; ++j)
    if (Progress().badgeCount[j] > 0) DrawFinalMedal(kRibbonCount + j, kBadgeSpacing * j + kBadgesLeft, kBadgesTop);

  DrawScreenText(360, 350,
                 std::to_wstring(Progress().campaignScore) + L" out of " + std::to_wstring(Progress().campaignMaximum),
                 24, ALIGN_LEFT, kLabelR, kLabelG, kLabelB, 1, 0);

  AddButtons(kButtons);
}

// The button a release chose (the one the last pointer move lit; -1 for none).
void FinishAction(int32_t button) {
  switch (button) {
    case FINISH_MAIN_MENU:
      ClearScreenLayers();
      // A campaign score that beats the high-score table goes to the name entry first.
      if (!EnterHighScore()) SetGameState(STATE_MAIN_MENU);
      break;
    case FINISH_REPLAY:
      // The last mission again; its score comes back out of the totals so it is not counted twice.
      GoToMission(10);
      UnbankMission();
      SetGameState(STATE_BRIEFING);
      break;
    default:
      break;
  }
}

void ReleaseFinishImages() {
  finishScreenState.finishImage.Reset();
  for (BitmapRef& medal : finishScreenState.finalMedalImages) medal.Reset();
}

void EnterFinish() {
  ClearScreenLayers();
  HideBriefingElement();
  if (finishScreenState.finishImage) DrawBackdrop(finishScreenState.finishImage);
  FinishScreen();
}

// The screen shows the lit button at once, whatever the mouse did.
bool FinishHighlight(int, int32_t x, int32_t y) {
  if (HotspotHover(x, y)) FinishScreen();
  return false;
}

}  // namespace

const FinishScreenState& FinishPictures() { return finishScreenState; }

void RegisterFinishScreen() {
  // The game's rule for this screen: the button the last pointer move lit.
  RegisterScreen(STATE_FINISH, Screen{.enter = EnterFinish,
                                      .frame = FinishScreen,
                                      .mouse = FinishHighlight,
                                      .press = FinishAction,
                                      .rule = ButtonRule::kLastLit});
  AddSharedAssetRelease(ReleaseFinishImages);
}

}  // namespace kestrine
