#include "frontend/briefing_screen.h"

#include <algorithm>
#include <string>

#include "casualty/backpack.h"
#include "casualty/report_lines.h"
#include "frontend/award_texts.h"
#include "frontend/briefing_speech.h"
#include "frontend/campaign_awards.h"
#include "frontend/figure_texts.h"
#include "frontend/medal_rack.h"
#include "frontend/player_select.h"
#include "shell/engine_setup.h"
#include "shell/game_state.h"
#include "shell/hotspots.h"
#include "shell/layout.h"
#include "shell/mission_progress.h"
#include "shell/mission_table.h"
#include "shell/mission_texts.h"
#include "shell/overlays.h"
#include "shell/program_state.h"
#include "shell/random.h"
#include "shell/screen_text.h"
#include "shell/text_scroll_box.h"
#include "shell/wide_text.h"

namespace kestrine {

const char* const kBriefingOfficerName = "Dazav Ozorev";
const char* const kDebriefingOfficerName = "Zarerar Uzerarozo";

namespace {

using BitmapRef = engine::EngineRef<engine::EngineBitmap>;

BriefingScreenState briefingScreenState;
KESTRINE_PROGRAM_STATE(briefingScreenState);

// The report's lines as the text box takes them (one array of line pointers).
struct ReportLineView {
  const char* lines[kReportLineCapacity] = {};
};
ReportLineView reportLineView;
KESTRINE_PROGRAM_STATE(reportLineView);

constexpr int kPale[3] = {kLabelR, kLabelG, kLabelB};
constexpr int kGrey[3] = {155, 155, 155};
constexpr int32_t kFirstTrainingMission = 11;
constexpr int32_t kTrainingMapMission = 4;
constexpr int32_t kExpert = 2;
constexpr int32_t kClickRelease = 7;
constexpr int kButtonSize = 11;
constexpr int kTextSize = 8;
constexpr wchar_t kObjectiveBullet = 17;
constexpr int kObjectiveSpacing = 18;

const wchar_t* const kWeatherPaths[kWeatherImageCount] = {L"images\\sunny.qpg", L"images\\windy.qpg",
                                                          L"images\\ptcloudy.qpg", L"images\\cloudy.qpg"};

// The briefing's button column, and the debriefing's.
constexpr double kBriefingColumn = 440.0 / 635, kBriefingWidth = 120.0 / 634;
constexpr double kDebriefingColumn = 350.0 / 635, kDebriefingWidth = 300.0 / 634;
constexpr double kButtonHeight = 22.0 / 455;

// The words of the mission being briefed (a mission number from outside stays inside the table).
const MissionText& MissionWords() { return *MissionRow(Campaign().missionNumber).text; }

void Text(const BitmapRef& image, int x, int y, const std::wstring& text, int size, const int (&colour)[3],
          int align = ALIGN_CENTRE, int styleA = 1) {
  DrawTextAtPixel(image, x, y, text, size, align, colour[0], colour[1], colour[2], styleA, 0);
}

void Title() {
  const MissionText& text = MissionWords();
  std::wstring title = WidenText(text.title);
  if (Campaign().missionNumber < kFirstTrainingMission)
    title = L"Mission " + std::to_wstring(Campaign().missionNumber) + L": " + title;
  Text(ScreenText().textOverlay, PanelX(380), Engine().screenHeight * 37 / 435, title, kButtonSize, kPale);
}

// Releases a head (taking it off the stage first, so that nothing is left drawing it) and loads another.
void LoadHead(const wchar_t* path, float scale, float degrees) {
  if (briefingScreenState.briefingHead) {
    Engine().engineStage->RemoveObject(briefingScreenState.briefingHead);
    briefingScreenState.briefingHead.Reset();
  }
  briefingScreenState.briefingHead = Engine().engineRoot->LoadModel(path, 1);
  briefingScreenState.briefingHead->SetScale(scale, scale, scale);
  briefingScreenState.briefingHead->SetRotation(0, 1, 0, degrees);
}

void LoadPictures(const wchar_t* backdrop, const wchar_t* mask) {
  BriefingScreenState& s = briefingScreenState;
  s.briefingBackdrop.Reset();
  s.briefingBackdrop = Engine().engineRoot->LoadBitmap(backdrop, 1);
  s.briefingMask.Reset();
  s.briefingMask = Engine().engineRoot->LoadBitmap(mask, 2);
}

void LayOutReport() {
  const int32_t count = std::clamp<int32_t>(Report().reportLineCount, 0, kReportLineCapacity);
  for (int32_t i = 0; i < count; ++i) reportLineView.lines[i] = Report().reportLines[i];
  sharedTextBox.Layout(reportLineView.lines, count, PanelX(54), PanelY(100), 230, PanelY(295));
}

void SetUpLights() {
  Engine().engineLights[0]->SetColor(100, 100, 100);
  Engine().engineLights[1]->SetColor(155, 150, 126);
  Engine().engineLights[1]->SetSecondPoint(-328.7f, 245.0f, -753.7f);
  Engine().engineLights[1]->SetTarget(briefingScreenState.briefingHead, 0);
  if (!briefingScreenState.briefingLight) briefingScreenState.briefingLight = Engine().engineRoot->CreateLight(3);
  if (briefingScreenState.isBriefing)
    briefingScreenState.briefingLight->SetColor(159, 156, 171);
  else
    briefingScreenState.briefingLight->SetColor(139, 136, 151);
  Engine().engineStage->AddObject(briefingScreenState.briefingLight);
  briefingScreenState.briefingLight->SetPosition(374.9f, 280.1f, 146.7f);
  briefingScreenState.briefingLight->SetTarget(briefingScreenState.briefingHead, 0);
}

void ScrollArrows(int32_t index, int32_t up, int32_t down) {
  sharedTextBox.autoScrollUp = index == up ? 1 : 0;
  sharedTextBox.autoScrollDown = index == down ? 1 : 0;
}

void BriefingButtonClick(int32_t index) {
  switch (index) {
    case BRIEFING_LOAD_BACKPACK:
      HideBriefingElement();
      ResetBackpack();
      SetGameState(STATE_BACKPACK);
      break;
    case BRIEFING_START_MISSION:
      ClearMenuCanvas();
      FillStandardBackpack();
      HideBriefingElement();
      SetGameState(STATE_START_MISSION);
      break;
    case BRIEFING_BACK:
      HideBriefingElement();
      KeepBackpack(false);
      // Player select let its pictures go when the briefing opened; its own entry draws the backdrop again.
      if (PlayerSelect().playerSelectBackdrop) DrawBackdrop(PlayerSelect().playerSelectBackdrop);
      ClearMenuCanvas();
      SetGameState(STATE_PLAYER_SELECT);
      break;
    case BRIEFING_QUIT:
      StopBriefingSpeech();
      ClearScreenLayers();
      SetGameState(STATE_QUIT_CONFIRM);
      break;
    case BRIEFING_SCROLL_UP:
      sharedTextBox.ScrollUp();
      break;
    case BRIEFING_SCROLL_DOWN:
      sharedTextBox.ScrollDown();
      break;
    case BRIEFING_SAVE:
      StopBriefingSpeech();
      if (briefingScreenState.briefingHead) briefingScreenState.briefingHead->SetVisible(0);
      SetGameState(STATE_SAVE_GAME);
      break;
    default:
      break;
  }
}

void DebriefingButtonClick(int32_t index) {
  switch (index) {
    case DEBRIEFING_NEXT:
      if (Campaign().trainingRun)
        AdvanceTraining();
      else
        AwardMissionMedals();
      break;
    case DEBRIEFING_QUIT:
      SetGameState(STATE_QUIT_CONFIRM);
      break;
    case DEBRIEFING_REPLAY:
      UnbankMission();
      StopBriefingSpeech();
      if (briefingScreenState.briefingHead) briefingScreenState.briefingHead->SetVisible(0);
      SetGameState(STATE_BRIEFING);
      break;
    case DEBRIEFING_SCROLL_UP:
      sharedTextBox.ScrollUp();
      break;
    case DEBRIEFING_SCROLL_DOWN:
      sharedTextBox.ScrollDown();
      break;
    case DEBRIEFING_SAVE:
      SetGameState(STATE_SAVE_GAME);
      break;
    default:
      break;
  }
}

}  // namespace

const BriefingScreenState& Briefing() { return briefingScreenState; }

void MarkScreenAsBriefing(bool briefing) { briefingScreenState.isBriefing = briefing ? 1 : 0; }

BriefingButtons ChooseBriefingButtons(int32_t mission, int32_t difficulty, int32_t missionMaximum, bool training) {
  BriefingButtons b;
  b.loadBackpack = mission != kFirstTrainingMission;
  b.startMission = difficulty < kExpert;
  b.back = missionMaximum <= 0;
  b.save = !training;
  return b;
}

DebriefingButtons ChooseDebriefingButtons(int32_t mission, int32_t score, int32_t maximum, bool training) {
  DebriefingButtons b;
  b.save = !training;
  if (static_cast<int64_t>(score) * 100 / (maximum == 0 ? 1 : maximum) < 50) return b;
  if (mission == kLastCampaignMission)
    b.next = L"VIEW ENDING";
  else if (mission == kLastTrainingMission)
    b.next = L"MAIN MENU";
  else
    b.next = L"NEXT MISSION";
  return b;
}

void BuildBriefingScreen(bool briefing) {
  BriefingScreenState& s = briefingScreenState;
  if (briefing) {
    if (s.briefingScreenKind != BRIEFING_SHOWN) LoadPictures(L"images\\briefingscreen.qjp", L"images\\briefmask.qpg");
    DrawBackdrop(s.briefingBackdrop);
    if (s.briefingScreenKind != BRIEFING_SHOWN) LoadHead(L"head\\bs-major\\bs_major.qsad", 3.0f, 5.0f);
    s.briefingScreenKind = BRIEFING_SHOWN;
    s.isBriefing = 1;
    s.briefingIdleA = 15;
    s.briefingIdleB = 13;
    // The mission's casualties are drawn here once the battle's casualty set-up exists; a kept pack keeps
    // the casualties it was packed for.
  } else {
    if (s.briefingScreenKind != DEBRIEFING_SHOWN) LoadPictures(L"images\\debriefing.qjp", L"images\\debriefmask.qpg");
    DrawBackdrop(s.briefingBackdrop);
    if (s.briefingScreenKind != DEBRIEFING_SHOWN) LoadHead(L"head\\bs-jen\\bs_jen.qsad", 3.3f, 20.0f);
    s.briefingScreenKind = DEBRIEFING_SHOWN;
    s.isBriefing = 0;
    s.briefingIdleA = 15;
    s.briefingIdleB = 14;
    // A mission without a maximum counts as one out of one before the campaign takes it in, so that what
    // REPLAY takes back out is what went in.
    BankMission();
    // The medals follow the score of this mission, however it ended and however soon the player moves on.
    RecordDebriefTier(ScoreTier(Progress().missionScore, Progress().missionMaximum));
  }

  StopBriefingSpeech();
  ResetHeadSpeech();
  Engine().engineStage->AddObject(briefingScreenState.briefingHead);

  const int32_t mapMission =
      Campaign().missionNumber > kLastCampaignMission ? kTrainingMapMission : Campaign().missionNumber;
  s.briefingMap.Reset();
  s.briefingMap =
      Engine().engineRoot->LoadBitmap(L"missions\\mission" + std::to_wstring(mapMission) + L"\\briefmap.qjp", 1);
  if (!s.weatherImages[0])
    for (int i = 0; i < kWeatherImageCount; ++i)
      s.weatherImages[i] = Engine().engineRoot->LoadBitmap(kWeatherPaths[i], 1);
  s.weatherIndex = rand() % kWeatherShown;

  briefingScreenState.briefingHead->MoveTo(0, -100, 0);
  briefingScreenState.briefingHead->SetVisible(0);
  Engine().engineCamera->SetPosition(0, 1, -15);
  Engine().engineCamera->SetClipRange(200, 1);
  Engine().engineCamera->SetRotation(1, 0, 0, 5);

  if (briefing) {
    const MissionText& text = MissionWords();
    sharedTextBox.Layout(text.briefing, text.briefingCount, PanelX(54), PanelY(108), 170, PanelY(150));
  } else {
    LayOutReport();
  }
  SetUpLights();
  while (!briefingScreenState.briefingHead->IsLoaded()) Engine().engineRoot->Wait(100);
}

void UpdateBriefingScreen() {
  briefingScreenState.briefingHead->SetVisible(1);
  if (briefingScreenState.isBriefing)
    briefingScreenState.briefingHead->MoveTo(-0.2f, -15.25f, 0);
  else
    briefingScreenState.briefingHead->MoveTo(4.0f, -16.75f, 0);
  PlayBriefingSpeech();
  AnimateBriefingHead();
  if (briefingScreenState.isBriefing) {
    BriefingMenu();
    DrawBriefingText();
  } else {
    DebriefingMenu();
    sharedTextBox.Draw(ScreenText().textOverlay);
  }
}

void BriefingMenu() {
  ClearHotspots();
  Title();
  const BitmapRef& mask = briefingScreenState.briefingMask;
  if (mask)
    ScreenText().textOverlay->DrawBitmap(mask, 0, 0, 0, 175, 229, PanelX(220), PanelY(76), FullX(175), FullY(225));
  Text(Overlays().menuCanvas, PanelX(310), PanelY(255), WidenText(kBriefingOfficerName), 12, kPale);

  const BriefingButtons b = ChooseBriefingButtons(Campaign().missionNumber, Campaign().difficulty,
                                                  Progress().missionMaximum, Campaign().trainingRun != 0);
  auto button = [](double y, const wchar_t* label) {
    AddMenuButton(Overlays().menuCanvas, kBriefingColumn, y / 455, kBriefingWidth, kButtonHeight, label);
  };
  if (b.loadBackpack) {
    button(350, L"LOAD BACKPACK");
  } else {
    AddHotspotRect(0, 0, 0, 0);
    Text(ScreenText().textOverlay, Engine().screenWidth * 500 / 635, PanelY(350), L"LOAD BACKPACK", kButtonSize, kGrey);
  }
  if (b.startMission) {
    button(327, L"START MISSION");
  } else {
    AddHotspotRectFraction(0, 0, 0, 0);
    Text(Overlays().menuCanvas, Engine().screenWidth * 500 / 635, PanelY(327), L"START MISSON", kButtonSize, kGrey);
  }
  if (b.back) {
    button(398, L"BACK");
    AddHotspotRect(0, 0, 0, 0);
  } else {
    AddHotspotRect(0, 0, 0, 0);
    button(398, L"QUIT");
  }
  AddHotspotRectFraction(50.0 / 634, 78.0 / 455, 165.0 / 634, 25);
  AddHotspotRectFraction(50.0 / 634, 260.0 / 455, 165.0 / 634, 25);
  if (b.save) {
    button(374, L"SAVE");
  } else {
    AddHotspotRect(0, 0, 0, 0);
    Text(Overlays().menuCanvas, Engine().screenWidth * 500 / 635, PanelY(374), L"SAVE", kButtonSize, kGrey);
  }
}

void DrawBriefingText() {
  const BriefingScreenState& s = briefingScreenState;
  const BitmapRef& weather = s.weatherImages[std::clamp(s.weatherIndex, 0, kWeatherImageCount - 1)];
  if (weather)
    ScreenText().textOverlay->DrawBitmap(weather, 0, 0, 0, 182, 59, FullX(404), FullY(262), FullX(182), FullY(59));
  wchar_t time[16];
  std::swprintf(time, 16, L"%04dh", MissionRow(Campaign().missionNumber).startTime);
  Text(ScreenText().textOverlay, FullX(545), FullY(300), time, 7, kPale, ALIGN_CENTRE, 0);
  if (s.briefingMap)
    ScreenText().textOverlay->DrawBitmap(s.briefingMap, 0, 0, 0, 160, 140, FullX(415), FullY(105), FullX(160),
                                         FullY(140));
  DrawMedalRack(RACK_EARNED, PanelX(236), PanelY(337));
  Text(ScreenText().textOverlay, PanelX(310), PanelY(295), WidenText(FigureName(Progress().playerFigure)), kTextSize,
       kPale);
  Text(ScreenText().textOverlay, PanelX(310), PanelY(315), WidenText(RankTitle(Progress().promotionCount)), kTextSize,
       kPale);
  Text(ScreenText().textOverlay, PanelX(130), PanelY(302), L"OBJECTIVES", kTextSize, kPale);
  const MissionText& text = MissionWords();
  for (int i = 0; i < kMissionObjectiveCount; ++i) {
    const char* objective = text.objectives[i];
    if (!objective || !*objective) break;
    const std::wstring line = std::wstring(1, kObjectiveBullet) + L" " + WidenText(objective);
    Text(ScreenText().textOverlay, PanelX(65), PanelY(328) + kObjectiveSpacing * i, line, kTextSize, kPale, ALIGN_LEFT);
  }
  sharedTextBox.Draw(ScreenText().textOverlay);
}

void DebriefingMenu() {
  const MissionProgress& p = Progress();
  ClearHotspots();
  ClearTextOverlay();
  ClearMenuCanvas();
  Title();
  const BitmapRef& mask = briefingScreenState.briefingMask;
  if (mask)
    ScreenText().textOverlay->DrawBitmap(mask, 0, 0, 0, 218, 228, PanelX(386), PanelY(78), FullX(218), FullY(228));
  Text(Overlays().menuCanvas, PanelX(490), PanelY(258), WidenText(kDebriefingOfficerName), kButtonSize, kPale);
  EnsureMissionMaximum();

  const DebriefingButtons b =
      ChooseDebriefingButtons(Campaign().missionNumber, p.missionScore, p.missionMaximum, Campaign().trainingRun != 0);
  auto button = [](double y, const wchar_t* label) {
    AddMenuButton(Overlays().menuCanvas, kDebriefingColumn, y / 455, kDebriefingWidth, kButtonHeight, label);
  };
  if (b.next) {
    button(315, b.next);
  } else {
    AddHotspotRect(0, 0, 0, 0);
    Text(Overlays().menuCanvas, PanelX(500), PanelY(315), L"NEXT MISSION", kButtonSize, kGrey);
  }
  button(387, L"QUIT");
  button(340, L"REPLAY");
  AddHotspotRectFraction(PanelX(50), 75.0 / 455, 330.0 / 634, 25);
  AddHotspotRectFraction(PanelX(50), 393.0 / 455, 330.0 / 634, 25);
  if (b.save) {
    button(365, L"SAVE");
  } else {
    AddHotspotRect(0, 0, 0, 0);
    Text(Overlays().menuCanvas, PanelX(500), PanelY(365), L"SAVE", kButtonSize, kGrey);
  }
}

void OnBriefingClick(int code, int32_t, int32_t) {
  const int32_t index = Hotspots().hotspotIndex;
  if (code != kClickRelease) {
    if (briefingScreenState.isBriefing)
      ScrollArrows(index, BRIEFING_SCROLL_UP, BRIEFING_SCROLL_DOWN);
    else
      ScrollArrows(index, DEBRIEFING_SCROLL_UP, DEBRIEFING_SCROLL_DOWN);
    return;
  }
  if (briefingScreenState.isBriefing)
    BriefingButtonClick(index);
  else
    DebriefingButtonClick(index);
}

void HideBriefingElement() {
  if (briefingScreenState.briefingHead) {
    briefingScreenState.briefingHead->SetVisible(0);
    Engine().engineStage->RemoveObject(briefingScreenState.briefingHead);
  }
  if (briefingScreenState.briefingLight) {
    briefingScreenState.briefingLight->SetSwitch(0);
    Engine().engineStage->RemoveObject(briefingScreenState.briefingLight);
    briefingScreenState.briefingLight.Reset();
  }
  if (Engine().engineLights[1]) Engine().engineLights[1]->ClearTarget();
  EndBriefingSpeech();
}

void UnloadBriefingScreen() {
  BriefingScreenState& s = briefingScreenState;
  for (auto& weather : s.weatherImages) weather.Reset();
  s.briefingBackdrop.Reset();
  s.briefingMap.Reset();
  s.briefingMask.Reset();
  sharedTextBox.Release();
  // The light goes off the stage with the screen: the battle that may follow is not lit by it.
  if (s.briefingLight && Engine().engineStage) Engine().engineStage->RemoveObject(s.briefingLight);
  s.briefingLight.Reset();
  // The head goes too, off the stage first: nothing should outlive the engine that shows it.
  if (s.briefingHead && Engine().engineStage) Engine().engineStage->RemoveObject(s.briefingHead);
  s.briefingHead.Reset();
  s.briefingScreenKind = BRIEFING_NONE;
  StopBriefingSpeech();
}

}  // namespace kestrine
