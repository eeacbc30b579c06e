#include "frontend/player_select.h"

#include <algorithm>
#include <string>

#include "casualty/backpack.h"
#include "frontend/medal_rack.h"
#include "shell/asset_loader.h"
#include "shell/engine_setup.h"
#include "shell/game_state.h"
#include "shell/hotspots.h"
#include "shell/layout.h"
#include "shell/mission_progress.h"
#include "shell/overlays.h"
#include "shell/program_state.h"
#include "shell/screen_text.h"
#include "shell/text_scroll_box.h"
#include "shell/wide_text.h"

namespace kestrine {

const FigureScale FigureScales[kFigureCount] = {{3.1f, 2.9f, 3.1f}, {3.0f, 2.8f, 2.9f}, {2.8f, 2.75f, 2.8f}};

namespace {

PlayerSelectState playerSelectState;
KESTRINE_PROGRAM_STATE(playerSelectState);

constexpr int32_t kClickRelease = 7;
constexpr int kPale[3] = {kLabelR, kLabelG, kLabelB};

std::wstring Numbered(const wchar_t* pattern, int figure) {
  wchar_t path[96];
  std::swprintf(path, 96, pattern, figure, figure);
  return path;
}

// Animation 0 of a figure, from its start; a model without animations just stands.
void PlayFirstAnimation(const engine::EngineRef<engine::EngineModel>& model, float speed) {
  if (model->GetAnimationCount() > 0) model->PlayAnimation(model->GetAnimationName(0), 0, 1, speed, 0, 0);
}

void LayOutBiography() {
  sharedTextBox.Layout(FigureBiographies[std::clamp(playerSelectState.currentFigure, 0, kFigureCount - 1)],
                       kBiographySlots, static_cast<float>(PanelXReal(57)), static_cast<float>(PanelYReal(105)),
                       static_cast<float>(PanelXReal(155)), static_cast<float>(PanelYReal(224)));
}

void ShowFigure(int32_t step) {
  playerSelectState.playerFigureModels[playerSelectState.currentFigure]->SetVisible(0);
  playerSelectState.currentFigure = StepFigure(playerSelectState.currentFigure, step);
  ChoosePlayerFigure(playerSelectState.currentFigure);
  LayOutBiography();
  const auto& model = playerSelectState.playerFigureModels[playerSelectState.currentFigure];
  model->SetVisible(1);
  PlayFirstAnimation(model, 0.9f);
  KeepBackpack(false);
}

}  // namespace

const PlayerSelectState& PlayerSelect() { return playerSelectState; }

int32_t StepFigure(int32_t figure, int32_t step) {
  return ((figure + step) % kFigureCount + kFigureCount) % kFigureCount;
}

void BuildPlayerSelectScreen() {
  PlayerSelectState& s = playerSelectState;
  if (!s.playerSelectBackdrop) s.playerSelectBackdrop = Engine().engineRoot->LoadBitmap(L"images\\playerselect.qjp", 2);
  DrawBackdrop(s.playerSelectBackdrop);
  for (int i = 0; i < kFigureCount; ++i) {
    auto& model = s.playerFigureModels[i];
    if (!model) {
      model = Engine().engineRoot->LoadModel(Numbered(L"chars\\playerSelect\\choose%d\\choose%d.qsad", i), 2);
      while (!model->IsLoaded()) Engine().engineRoot->Wait(100);
      model->SetScale(FigureScales[i].x, FigureScales[i].y, FigureScales[i].z);
      PlayFirstAnimation(model, 1.0f);
    }
    Engine().engineStage->AddObject(model);
    model->SetVisible(0);
    if (!s.playerStatsImages[i])
      s.playerStatsImages[i] = Engine().engineRoot->LoadBitmap(Numbered(L"chars\\playerSelect\\stats%d.qpg", i), 2);
  }
  Engine().engineLights[0]->SetColor(100, 100, 100);
  Engine().engineLights[1]->SetColor(155, 150, 126);
  Engine().engineLights[1]->SetSecondPoint(-328.7f, 245.0f, -753.7f);
  Engine().engineLights[1]->SetTarget(s.playerFigureModels[0], 0);
  Engine().engineCamera->SetPosition(0.3f, 1.2f, -21.0f);
  Engine().engineCamera->SetClipRange(200, 1);
  Engine().engineCamera->SetRotation(1, 0, 0, 5);
  s.playerSelectLoaded = 1;
  // A figure number from a damaged save never indexes past the three.
  s.currentFigure = std::clamp(s.currentFigure, 0, kFigureCount - 1);
  LayOutBiography();
}

void DrawPossibleMedals() {
  PlayerSelectState& s = playerSelectState;
  const auto& model = s.playerFigureModels[playerSelectState.currentFigure];
  model->SetVisible(1);
  model->MoveTo(0, -10.5f, 30.0f);
  TeamSelectMenu();
  // The panel runs past the right edge of the screen: it is filled up to the edge only.
  const int x = PanelX(380), y = PanelY(39);
  const int width = std::min(PanelX(450), Engine().screenWidth - x);
  const int height = std::min(PanelY(224), Engine().screenHeight - y);
  if (width > 0 && height > 0) FillRectPixels(Overlays().menuCanvas, x, y, width, height);
  DrawTextAtPixel(ScreenText().textOverlay, PanelX(415), PanelY(39),
                  WidenText(FigureNames[playerSelectState.currentFigure]), 11, ALIGN_CENTRE, kPale[0], kPale[1],
                  kPale[2], 1, 0);
  const auto& stats = s.playerStatsImages[playerSelectState.currentFigure];
  if (stats && stats->IsLoaded())
    ScreenText().textOverlay->DrawBitmap(stats, 0, 0, 0, 158, 115, PanelX(422), PanelY(239), FullX(144), FullY(100));
  DrawMedalRack(RACK_POSSIBLE, PanelX(423), PanelY(125));
  DrawTextAtPixel(ScreenText().textOverlay, PanelX(492), PanelY(115), L"POSSIBLE MEDALS", 8, ALIGN_CENTRE, kPale[0],
                  kPale[1], kPale[2], 1, 0);
  sharedTextBox.Draw(ScreenText().textOverlay);
}

void TeamSelectMenu() {
  ClearHotspots();
  ClearTextOverlay();
  AddMenuButton(Overlays().menuCanvas, 360.0 / 634, 389.0 / 455, 180, 23, L"SELECT");
  AddMenuButton(Overlays().menuCanvas, 90.0 / 634, 389.0 / 455, 180, 23, L"BACK");
  AddHotspotRectFraction(260.0 / 634, 332.0 / 455, 52, 13);
  AddHotspotRectFraction(314.0 / 634, 332.0 / 455, 52, 13);
  AddHotspotRect(PanelX(60), PanelY(90), PanelX(145), 10);
  AddHotspotRect(PanelX(60), PanelY(330), PanelX(145), 10);
}

void OnPlayerSelectClick(int code, int32_t, int32_t) {
  const int32_t index = Hotspots().hotspotIndex;
  if (code != kClickRelease) {
    sharedTextBox.autoScrollUp = index == PLAYER_SELECT_SCROLL_UP ? 1 : 0;
    sharedTextBox.autoScrollDown = index == PLAYER_SELECT_SCROLL_DOWN ? 1 : 0;
    return;
  }
  switch (index) {
    case PLAYER_SELECT_SELECT:
      // The figure on the screen is the one the player chose, arrows or not.
      ChoosePlayerFigure(playerSelectState.currentFigure);
      SetGameState(STATE_BRIEFING);
      break;
    case PLAYER_SELECT_BACK:
      UnloadPlayerSelectScreen();
      if (Assets().openingImage)
        Overlays().fullScreenOverlay->DrawBitmap(Assets().openingImage, 0, 0, 0, 640, 480, 0, 0,
                                                 Overlays().fullScreenOverlayWidth, Overlays().fullScreenOverlayHeight);
      SetGameState(Campaign().trainingRun ? STATE_TRAINING : STATE_DIFFICULTY);
      break;
    case PLAYER_SELECT_PREVIOUS:
      ShowFigure(-1);
      break;
    case PLAYER_SELECT_NEXT:
      ShowFigure(+1);
      break;
    case PLAYER_SELECT_SCROLL_UP:
      sharedTextBox.ScrollUp();
      break;
    case PLAYER_SELECT_SCROLL_DOWN:
      sharedTextBox.ScrollDown();
      break;
    default:
      break;
  }
}

void UnloadPlayerSelectScreen() {
  PlayerSelectState& s = playerSelectState;
  if (!s.playerSelectLoaded) return;
  s.playerSelectBackdrop.Reset();
  for (int i = 0; i < kFigureCount; ++i) {
    auto& model = s.playerFigureModels[i];
    if (model) {
      Engine().engineStage->RemoveObject(model);
      model->SetVisible(0);
      model.Reset();
    }
    s.playerStatsImages[i].Reset();
  }
  s.playerSelectLoaded = 0;
}

}  // namespace kestrine
