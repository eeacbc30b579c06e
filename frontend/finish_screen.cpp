#include "frontend/finish_screen.h"

#include <string>

#include "frontend/high_score_screen.h"
#include "shell/game_state.h"
#include "shell/globals.h"
#include "shell/hotspots.h"
#include "shell/layout.h"
#include "shell/overlays.h"
#include "shell/program_state.h"
#include "shell/screen_text.h"

namespace kestrine {

namespace {

using BitmapRef = engine::EngineRef<engine::EngineBitmap>;

struct FinishScreenState {
  BitmapRef finishImage;
  BitmapRef finalMedalImages[kRibbonCount + kBadgeCount];
};
FinishScreenState finishScreenState;
KESTRINE_PROGRAM_STATE(finishScreenState);

constexpr int kRibbonsLeft = 20;
constexpr int kRibbonsTop = 190;
constexpr int kBadgesLeft = 50;
constexpr int kBadgeSpacing = 200;
constexpr int kBadgesTop = 60;

std::wstring FinalMedalPath(int index) {
  if (index < kRibbonCount) return L"images\\finalMedals\\ribbon" + std::to_wstring(index) + L".qpg";
  return L"images\\finalMedals\\badge" + std::to_wstring(index - kRibbonCount) + L".qpg";
}

// The medal at its own size with its top-left corner at (x, y); returns its width.
int DrawFinalMedal(int index, int x, int y) {
  BitmapRef& image = finishScreenState.finalMedalImages[index];
  if (!image) {
    image = engineRoot->LoadBitmap(FinalMedalPath(index), 1);
    while (!image->IsLoaded()) engineRoot->Wait(50);
    image->SetColorKey(255, 0, 0);
  }
  const int width = image->GetWidth();
  const int height = image->GetHeight();
  ScreenText().textOverlay->DrawBitmap(image, 0, 0, 0, width, height, x, y, width, height);
  return width;
}

}  // namespace

BitmapRef& finishImage = finishScreenState.finishImage;
BitmapRef (&finalMedalImages)[kRibbonCount + kBadgeCount] = finishScreenState.finalMedalImages;

void FinishScreen() {
  ClearHotspots();
  ClearMenuCanvas();
  ClearTextOverlay();
  if (!finishImage) {
    finishImage = engineRoot->LoadBitmap(L"images\\finish-screen.qjp", 1);
    DrawBackdrop(finishImage);
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

  const int buttonWidth = FullX(170);
  AddMenuButton(Overlays().menuCanvas, FullX(427), FullY(440), buttonWidth, 22, L"MAIN MENU");
  AddMenuButton(Overlays().menuCanvas, FullX(427), FullY(415), buttonWidth, 22, L"REPLAY");
}

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
  finishImage.Reset();
  for (BitmapRef& medal : finalMedalImages) medal.Reset();
}

}  // namespace kestrine
