// The engine's events and the game-state switch, played through the whole program: the frame clock and
// its clamp, the display-mode guard, F11, the developer keys, the mouse stages, and SetGameState's stores.
#include <gtest/gtest.h>

#include <utility>

#include "frontend/briefing_screen.h"
#include "frontend/frontend_screens.h"
#include "harness.h"
#include "shell/asset_loader.h"
#include "shell/developer_keys.h"
#include "shell/engine_setup.h"
#include "shell/events.h"
#include "shell/game_state.h"
#include "shell/hotspots.h"
#include "shell/mission_frames.h"
#include "shell/mission_progress.h"
#include "shell/overlays.h"
#include "shell/screen_text.h"
#include "shell/text_scroll_box.h"

namespace kestrine::scenario {
namespace {

constexpr int VK_F11 = 122;

using FrameClockTest = AtTheDisclaimer;

TEST_F(FrameClockTest, ALongFrameAfterALoadAdvancesTheGameClockFullyButTheFrameTimeBy100) {
  ClampNextFrames(5);  // as a mission start leaves it
  const int64_t before = Clock().gameClock;
  game.Frame(2000);
  EXPECT_EQ(Clock().gameClock, before + 2000);
  EXPECT_EQ(Clock().frameTime, 100);
  EXPECT_EQ(Clock().clampCountdown, 4);
  // A short frame is not lengthened, but still counts down.
  game.Frame(40);
  EXPECT_EQ(Clock().frameTime, 40);
  EXPECT_EQ(Clock().clampCountdown, 3);
  game.Frames(3, 2000);
  EXPECT_EQ(Clock().frameTime, 100);
  EXPECT_EQ(Clock().clampCountdown, 0);
  // Once the count has run out frames pass unclamped.
  game.Frame(2000);
  EXPECT_EQ(Clock().frameTime, 2000);
  EXPECT_EQ(Clock().gameClock, before + 2000 + 40 + 3 * 2000 + 2000);
}

TEST_F(FrameClockTest, TheGameClockCountsOnPast24Point8DaysOfPlay) {
  SetGameClock(2147483647 - 30000);  // 2^31 - 1 ms less half a minute
  game.Frames(3, 60000);
  EXPECT_EQ(Clock().gameClock, int64_t{2147483647} - 30000 + 180000);
}

TEST_F(FrameClockTest, AScreenOfAnotherSizeIsPutBackTo640By480OnTheNextFrame) {
  game.Backend().SetScreenSize(800, 600);
  Engine().engineCamera->SetViewport(80, 60, 640, 480);
  game.Frame(16);
  EXPECT_EQ(game.Root().GetScreenWidth(), 640);
  EXPECT_EQ(game.Root().GetScreenHeight(), 480);
  // The view is centred on the screen as it is after the change.
  EXPECT_EQ(Engine().engineCamera->GetViewport().x, 0);
  EXPECT_EQ(Engine().engineCamera->GetViewport().y, 0);
}

class F11Test : public AtTheDisclaimer, public ::testing::WithParamInterface<int> {};

TEST_P(F11Test, F11RestoresTheDisplayModeWithTheViewportAtTheOriginInAnyStateAndItsReleaseDoesNothing) {
  StoreGameStateWithoutEntry(GetParam());
  game.Root().ExitDisplayMode();
  game.Key(VK_F11, false);
  EXPECT_FALSE(game.Backend().DisplayModeActive());
  Engine().engineCamera->SetViewport(192, 144, 640, 480);
  SetScreenSize(1024, 768);
  const int presented = game.Backend().PresentedFrames();
  game.Key(VK_F11, true);
  EXPECT_TRUE(game.Backend().DisplayModeActive());
  EXPECT_GT(game.Backend().PresentedFrames(), presented);
  const engine::Viewport& view = Engine().engineCamera->GetViewport();
  EXPECT_EQ(view.x, 0);
  EXPECT_EQ(view.y, 0);
  EXPECT_EQ(view.width, 640);
  EXPECT_EQ(view.height, 480);
  EXPECT_EQ(Engine().screenWidth, 640);
  EXPECT_EQ(Engine().screenHeight, 480);
  EXPECT_EQ(States().gameState, GetParam());
}

INSTANTIATE_TEST_SUITE_P(EveryKindOfState, F11Test,
                         ::testing::Values(STATE_LOGOS, STATE_DISCLAIMER, STATE_MAIN_MENU, STATE_PLAYER_CONTROLS,
                                           STATE_HIGH_SCORES, STATE_OVERHEAD, STATE_PATIENT_VIEW, STATE_QUIT_CONFIRM,
                                           10, 31));

using GameStateTest = AtTheDisclaimer;

TEST_F(GameStateTest, LeavingTheOptionsMenuNeverMakesItThePreviousState) {
  SetGameState(STATE_OPTIONS);
  EXPECT_EQ(States().previousGameState, STATE_DISCLAIMER);
  SetGameState(STATE_VOLUME);
  EXPECT_EQ(States().gameState, STATE_VOLUME);
  EXPECT_EQ(States().previousGameState, STATE_DISCLAIMER);
  SetGameState(STATE_OPTIONS);
  EXPECT_EQ(States().previousGameState, STATE_VOLUME);
  SetGameState(STATE_HIGH_SCORES);
  EXPECT_EQ(States().previousGameState, STATE_VOLUME);
  SetGameState(STATE_OPTIONS);
  SetGameState(STATE_OPTIONS);
  EXPECT_NE(States().previousGameState, STATE_OPTIONS);
  EXPECT_EQ(game.TracedStates(), (std::vector<int>{0, 1, 7, 9, 7, 11, 7, 7}));
}

TEST_F(GameStateTest, StartingAMissionIsStoredAsTheOverheadView) {
  SetGameState(STATE_START_MISSION);
  EXPECT_EQ(States().gameState, STATE_OVERHEAD);
  // The mission's screens are built as the overhead view already, so that is what the switch remembers.
  EXPECT_EQ(States().previousGameState, STATE_OVERHEAD);
  EXPECT_EQ(Clock().clampCountdown, 5);
  EXPECT_EQ(MissionTime().missionStartCountdown, 500);
  EXPECT_EQ(MissionTime().skipClockFrame, 1);
  EXPECT_EQ(game.TracedStates().back(), STATE_OVERHEAD);
}

TEST_F(GameStateTest, OpeningThePatientViewIsStoredAsThePatientView) {
  StoreGameStateWithoutEntry(STATE_OVERHEAD);
  SetGameState(STATE_OPEN_PATIENT_VIEW);
  EXPECT_EQ(States().gameState, STATE_PATIENT_VIEW);
  EXPECT_EQ(game.TracedStates().back(), STATE_PATIENT_VIEW);
}

TEST_F(GameStateTest, AStateOutsideTheTableIsRefused) {
  SetGameState(32);
  SetGameState(-1);
  EXPECT_EQ(States().gameState, STATE_DISCLAIMER);
  EXPECT_EQ(States().previousGameState, STATE_LOGOS);
  EXPECT_NE(game.DebugLog().find("game state 32 refused"), std::string::npos);
  EXPECT_EQ(game.TracedStates().size(), 2u);
}

TEST_F(GameStateTest, EveryScreenClearsTheTextOfTheScreenBeforeOnEntry) {
  for (int state : {STATE_MAIN_MENU, STATE_DIFFICULTY, STATE_PLAYER_CONTROLS, STATE_PAUSE_MENU, STATE_DEV_NOTES}) {
    ScreenText().textOverlay->SetDrawColor(0, 0, 255);
    ScreenText().textOverlay->FillRect(600, 10, 30, 30);
    SetGameState(state);
    EXPECT_EQ(CountPixels(ScreenText().textOverlay, 600, 10, 30, 30, 0, 0, 255), 0) << "state " << state;
  }
}

TEST_F(GameStateTest, TheMainMenuStartsANewCampaignOverTheOpeningBackdrop) {
  ResumeCampaign(7, Campaign().difficulty, true);
  SkipIntroMovie();
  HideOverlay();
  SetGameState(STATE_MAIN_MENU);
  EXPECT_EQ(Campaign().trainingRun, 0);
  EXPECT_EQ(Campaign().missionNumber, 1);
  EXPECT_TRUE(IntroPending());
  EXPECT_TRUE(Overlays().fullScreenOverlaySprite->Visible());
  EXPECT_EQ(Overlays().fullScreenOverlay->PixelColor(320, 240),
            Assets().openingImage->PixelColor(Assets().openingImage->GetWidth() / 2, Assets().openingImage->GetHeight() / 2));
}

TEST_F(GameStateTest, KilledInThePatientViewPassesThroughTheOverheadViewFirst) {
  LoadKiaImage();
  StoreGameStateWithoutEntry(STATE_PATIENT_VIEW);
  SetGameState(STATE_KIA);
  EXPECT_EQ(States().gameState, STATE_KIA);
  EXPECT_EQ(States().previousGameState, STATE_OVERHEAD);
  const std::vector<int> traced = game.TracedStates();
  ASSERT_GE(traced.size(), 2u);
  EXPECT_EQ(traced[traced.size() - 2], STATE_OVERHEAD);
  EXPECT_EQ(traced.back(), STATE_KIA);
  EXPECT_TRUE(Overlays().fullScreenOverlaySprite->Visible());
}

using MissionClockTest = AtTheDisclaimer;

TEST_F(MissionClockTest, AMissionThatEndsInThePatientViewGoesToTheOverheadViewThenToTheDebriefing) {
  StoreGameStateWithoutEntry(STATE_PATIENT_VIEW);
  SetMissionClock(50);
  game.Frame(100);
  EXPECT_EQ(Outcome().missionEndFlag, 2);
  EXPECT_EQ(States().gameState, STATE_OVERHEAD);
  game.Frame(16);
  EXPECT_EQ(States().gameState, STATE_DEBRIEFING);
  EXPECT_TRUE(Overlays().fullScreenOverlaySprite->Visible());
  const std::vector<int> traced = game.TracedStates();
  EXPECT_EQ(std::vector<int>(traced.end() - 2, traced.end()), (std::vector<int>{STATE_OVERHEAD, STATE_DEBRIEFING}));
}

using DeveloperKeysTest = AtTheDisclaimer;

TEST_F(DeveloperKeysTest, TheSequenceArmsRaisesAndActsOnlyAtItsLevel) {
  SetGameState(STATE_MAIN_MENU);
  // Not armed: the level keys do nothing.
  game.Press(VK_DEV_WOUNDS);
  EXPECT_EQ(Developer().woundPickerAll, 0);
  game.Press(VK_DEV_RAISE);
  EXPECT_EQ(Developer().debugMode, 0);

  game.Press(VK_DEV_ARM);
  EXPECT_EQ(Developer().debugMode, 1);
  game.Press(VK_DEV_WOUNDS);  // armed is not enough
  EXPECT_EQ(Developer().woundPickerAll, 0);
  game.Press(VK_DEV_RAISE);
  EXPECT_EQ(Developer().debugMode, 3);
  game.Press(VK_DEV_WOUNDS);
  EXPECT_EQ(Developer().woundPickerAll, 1);
  game.Press(VK_DEV_WOUNDS);
  EXPECT_EQ(Developer().woundPickerAll, 0);
  SetLoserEnding(true);
  game.Press(VK_DEV_LOSER);
  EXPECT_EQ(Outcome().loserEnding, 0);
  game.Press(VK_DEV_ENEMY);
  EXPECT_EQ(Developer().altEnemyModel, 1);
  EXPECT_EQ(Developer().debugMode, 0);
}

TEST_F(DeveloperKeysTest, TheMissionKeyStepsThroughEveryMissionAndShowsItsNumber) {
  SetGameState(STATE_MAIN_MENU);
  game.Press(VK_DEV_MISSION);  // not at the developer level: nothing
  EXPECT_EQ(Campaign().missionNumber, 1);
  EnterDeveloperLevel();
  game.Press(VK_DEV_MISSION);
  EXPECT_EQ(Campaign().missionNumber, 2);
  EXPECT_GT(CountPixels(ScreenText().textOverlay, 10, 10, 40, 14, 255, 255, 0), 10);
  GoToMission(13);
  game.Press(VK_DEV_MISSION);
  EXPECT_EQ(Campaign().missionNumber, 1);
}

TEST_F(DeveloperKeysTest, AnyOtherKeyPressedOrReleasedDisarms) {
  SetGameState(STATE_DIFFICULTY);
  game.Press(VK_DEV_ARM);
  ASSERT_EQ(Developer().debugMode, 1);
  game.Key('A', false);
  EXPECT_EQ(Developer().debugMode, 0);

  game.Press(VK_DEV_ARM);
  game.Press(VK_DEV_RAISE);
  ASSERT_EQ(Developer().debugMode, 3);
  game.Key(VK_F11, true);  // F11 restores the display and is no developer key
  EXPECT_EQ(Developer().debugMode, 0);

  // The arming key toggles.
  game.Press(VK_DEV_ARM);
  game.Press(VK_DEV_ARM);
  EXPECT_EQ(Developer().debugMode, 0);
}

TEST_F(DeveloperKeysTest, TheDirectKeySetsTheLevelOnPressOrRelease) {
  StoreGameStateWithoutEntry(STATE_BRIEFING);
  game.Key(VK_DEV_DIRECT, false);
  EXPECT_EQ(Developer().debugMode, 3);
  StoreGameStateWithoutEntry(STATE_DEBRIEFING);
  LeaveDebugMode();
  game.Key(VK_DEV_DIRECT, true);
  EXPECT_EQ(Developer().debugMode, 3);
  // From armed as well as from the level, the enemy key switches the model and disarms.
  LeaveDebugMode();
  ToggleDebugArmed();
  game.Press(VK_DEV_ENEMY);
  EXPECT_EQ(Developer().altEnemyModel, 1);
  EXPECT_EQ(Developer().debugMode, 0);
}

TEST_F(DeveloperKeysTest, OtherScreensTakeNoDeveloperKeys) {
  for (int state : {STATE_DISCLAIMER, STATE_OPTIONS, STATE_PLAYER_SELECT, STATE_OVERHEAD}) {
    StoreGameStateWithoutEntry(state);
    game.Key(VK_DEV_DIRECT, true);
    game.Press(VK_DEV_ARM);
    EXPECT_EQ(Developer().debugMode, 0) << "state " << state;
    EnterDeveloperLevel();
    game.Press('A');
    EXPECT_EQ(Developer().debugMode, 3) << "state " << state;
    LeaveDebugMode();
  }
}

using MouseStagesTest = AtTheDisclaimer;

TEST_F(MouseStagesTest, AClickInThePlayerControlsAfterThePointerLeftTheButtonsDoesNothing) {
  SetGameState(STATE_PLAYER_CONTROLS);
  // The screen's three buttons: BACK and the two scroll strips.
  ClearHotspots();
  AddHotspotRect(130, 175, 180, 23);
  AddHotspotRect(50, 205, 522, 20);
  AddHotspotRect(50, 458, 522, 20);
  game.MoveTo(200, 185);
  ASSERT_EQ(Hotspots().hotspotIndex, 0);
  game.MoveTo(600, 100);
  EXPECT_EQ(Hotspots().hotspotIndex, -1);
  EXPECT_EQ(sharedTextBox.autoScrollUp, 0);
  EXPECT_EQ(sharedTextBox.autoScrollDown, 0);
  // The release lands on BACK, but these screens act on the last hover, which found nothing.
  game.Mouse(engine::kMouseLeftUp, 200, 185);
  EXPECT_EQ(States().gameState, STATE_PLAYER_CONTROLS);
  EXPECT_EQ(Hotspots().hotspotIndex, -1);
  EXPECT_EQ(Pointer().pointerX, 200);
  EXPECT_EQ(Pointer().pointerY, 185);
}

TEST_F(MouseStagesTest, AMenuClickHitTestsTheReleaseItself) {
  SetGameState(STATE_DIFFICULTY);
  ClearHotspots();
  AddHotspotRect(100, 100, 100, 20);
  AddHotspotRect(100, 130, 100, 20);
  // On the button's very edge is off it.
  game.Mouse(engine::kMouseLeftUp, 100, 140);
  EXPECT_EQ(Hotspots().hotspotIndex, -1);
  EXPECT_EQ(States().gameState, STATE_DIFFICULTY);
  // Inside the second button: INTERMEDIATE is chosen, and player select follows.
  game.Mouse(engine::kMouseLeftUp, 150, 140);
  EXPECT_EQ(Campaign().difficulty, 1);
  EXPECT_EQ(States().gameState, STATE_PLAYER_SELECT);
}

TEST_F(MouseStagesTest, LeavingTheButtonsOfATextBoxScreenStopsItsScrolling) {
  // Each screen's scroll-down arrow, by its hot-spot index.
  const std::pair<int, int> screens[] = {{STATE_PLAYER_SELECT, 5}, {STATE_BRIEFING, 5}, {STATE_DEBRIEFING, 4}};
  for (auto [state, downArrow] : screens) {
    StoreGameStateWithoutEntry(state);
    MarkScreenAsBriefing(state == STATE_BRIEFING);
    ClearHotspots();
    for (int i = 0; i < downArrow; ++i) AddHotspotRect(0, 0, 0, 0);
    AddHotspotRect(50, 50, 100, 100);
    sharedTextBox.autoScrollDown = 0;
    sharedTextBox.autoScrollUp = 1;
    // Over the arrow the screen takes the event and the box scrolls its way.
    game.Mouse(engine::kMouseLeftDown, 100, 100);
    EXPECT_EQ(sharedTextBox.autoScrollDown, 1) << "state " << state;
    EXPECT_EQ(sharedTextBox.autoScrollUp, 0) << "state " << state;
    EXPECT_EQ(Hotspots().hotspotIndex, downArrow);
    // Any mouse event away from the buttons stops it.
    game.Mouse(engine::kMouseRightUp, 400, 400);
    EXPECT_EQ(sharedTextBox.autoScrollDown, 0) << "state " << state;
    EXPECT_EQ(sharedTextBox.autoScrollUp, 0) << "state " << state;
    EXPECT_EQ(Hotspots().hotspotIndex, -1);
  }
}

}  // namespace
}  // namespace kestrine::scenario
