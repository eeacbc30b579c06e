// The patient view's head-up display played with the mouse alone, on the generated data: tools taken from
// the tray and its drawers, a laceration treated by the book with clicks on his body and the soldier sent back
// to his unit with the button, a hint paid for as the difficulty says, the case chart read and scrolled, and a
// tool used up.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "battlefield/battle_state.h"
#include "battlefield/casualty_cases.h"
#include "battlefield/unit_array.h"
#include "casualty/backpack.h"
#include "casualty/body_location.h"
#include "casualty/casualty_slots.h"
#include "casualty/patient.h"
#include "casualty/patient_bones.h"
#include "casualty_view/hud_hotspots.h"
#include "casualty_view/model_body.h"
#include "casualty_view/patient_view.h"
#include "casualty_view/popup_menu.h"
#include "casualty_view/tool_animation.h"
#include "casualty_view/tool_drawer.h"
#include "casualty_view/tool_tray.h"
#include "harness.h"
#include "player_road.h"
#include "shell/game_state.h"
#include "shell/mission_progress.h"
#include "shell/tooltip.h"

namespace kestrine::scenario {
namespace {

constexpr int32_t kLacerations = 31;
constexpr int kFrameMs = 50;

// A mission with the lacerations in slot 0 and the pack loaded before it starts, as the backpack screen
// leaves it; then his view opened.
void OpenLacerations(Harness& game, int32_t level) {
  ASSERT_TRUE(game.RunUntilState(STATE_DISCLAIMER));
  const CasualtyCase lacerations{.woundType = kLacerations, .severity = 1, .special = 0};
  ASSERT_TRUE(StartMission(3, level, &lacerations, /*packed=*/true));
  SetCurrentCasualtyIndex(0);
  SetGameState(STATE_PATIENT_VIEW);
  game.Frames(3, kFrameMs);
  ASSERT_EQ(States().gameState, STATE_PATIENT_VIEW);
}

// The tray tool into the hand (or its drawer opened), the player's way.
void TakeFromTray(Harness& game, int32_t row) {
  ASSERT_TRUE(ClickTrayTool(game, row)) << "tool " << row << " is not in the tray";
}

void ClickPart(Harness& game, int32_t bone) {
  ASSERT_TRUE(ClickOnBodyPart(game, bone)) << kBoneNames[bone] << " cannot be seen";
}

std::string LastChart(const Patient& patient) {
  const CaseChart& chart = ObjectsOf(patient).caseChart;
  return chart.entryCount == 0 ? "" : chart.entryText[static_cast<size_t>(chart.entryCount - 1)];
}

TEST(PatientHud, LacerationsTreatedFromTheTrayAndTheSoldierSentBackToHisUnit) {
  Harness game;
  OpenLacerations(game, 0);
  Patient& patient = *Slots().currentPatient;
  EXPECT_EQ(&patient, Slots().casualties[0].get());
  // Entering puts the Glove in hand and the tray at its start; his first visit has him sitting holding his
  // head, as his wound has him.
  EXPECT_EQ(PatientView().selectedTool, TOOL_GLOVE);
  EXPECT_EQ(PatientView().trayScroll, 0);
  EXPECT_EQ(patient.visited, 1);
  EXPECT_EQ(patient.pose, 10);
  const int32_t bandages = Pack().count[TOOL_BANDAGE];
  const int32_t arm = (patient.sideBits & LOC_LEFT) ? BONE_L_SHLDR : BONE_R_SHLDR;

  TakeFromTray(game, TOOL_BANDAGE);
  EXPECT_EQ(PatientView().selectedTool, TOOL_BANDAGE);
  EXPECT_EQ(ToolTips().toolTipDeferred, 0);
  ClickPart(game, BONE_HEAD);
  EXPECT_EQ(ToolTips().toolTipDeferred, 1) << "the head, where the bandage can go, was named under the pointer";
  EXPECT_NE(LastChart(patient).find("Bandage applied to facial laceration"), std::string::npos);
  // The sleeve is cut away before the arm can be dressed.
  TakeFromTray(game, TOOL_SCISSORS);
  ClickPart(game, arm);
  EXPECT_TRUE(ToolAnimationOf(ANIM_SCISSORS).Running());
  EXPECT_TRUE(ToolAnimationOf(ANIM_SCISSORS).sprite->Visible());
  TakeFromTray(game, TOOL_BANDAGE);
  ClickPart(game, arm);
  EXPECT_NE(LastChart(patient).find("Bandage applied to arm laceration"), std::string::npos);
  TakeFromTray(game, TOOL_GLOVE);
  ClickPart(game, BONE_HEAD);
  EXPECT_NE(LastChart(patient).find("Bleeding stopped."), std::string::npos);
  // Two bandages and the final check, 5 points each; nothing wrong done, two bandages used.
  EXPECT_EQ(patient.score, 15);
  EXPECT_EQ(patient.mistakes, 0);
  EXPECT_EQ(Pack().count[TOOL_BANDAGE], bandages - 2);

  // The newest line of the chart is the last the window shows.
  const CaseChart& chart = ObjectsOf(patient).caseChart;
  EXPECT_EQ(chart.WindowRow(), std::max(0, chart.bottom - chart.topOffset - 98));

  // His ammunition goes to the medic's hand or the Action, not to a bandage.
  SelectTool(TOOL_BANDAGE);
  ASSERT_TRUE(ClickOnNamed(game, ObjectsOf(patient).ammoPouch.magazines[0], "Ammo"));
  EXPECT_EQ(patient.ammoTaken, 0);
  SelectTool(TOOL_ACTION);
  ASSERT_TRUE(ClickOnNamed(game, ObjectsOf(patient).ammoPouch.magazines[0], "Ammo"));
  EXPECT_EQ(patient.ammoTaken, 1);
  // A click on the display's band, or with nothing in hand, never reaches him.
  const int before = patient.chartEntries.count;
  SelectTool(TOOL_BANDAGE);
  game.Click(320, kHudBandTop);
  SelectTool(-1);
  ClickPart(game, BONE_HEAD);
  EXPECT_EQ(patient.chartEntries.count, before);

  // Escape: the overhead view stops what was still playing. Then he is opened again and sent back.
  game.Press(27);
  EXPECT_EQ(States().gameState, STATE_OVERHEAD);
  EXPECT_FALSE(ToolAnimationOf(ANIM_SCISSORS).Running());
  EXPECT_FALSE(ToolAnimationOf(ANIM_SCISSORS).sprite->Visible());
  SetCurrentCasualtyIndex(0);
  SetGameState(STATE_PATIENT_VIEW);
  game.Frames(3, kFrameMs);
  const int32_t unit = Units().firstPatientUnit;
  ASSERT_TRUE(Units().units[unit]);
  const int32_t score = patient.score;
  ClickHud(game, HUD_RETURN_TO_ACTION);
  EXPECT_EQ(States().gameState, STATE_OVERHEAD);
  EXPECT_EQ(patient.verdict, VERDICT_RIGHT) << "a light wound of our own goes back";
  EXPECT_EQ(patient.score, score + 5);
  EXPECT_EQ(Units().units[unit]->state, kCasualtyInAction);
}

TEST(PatientHud, TheWeaponButtonsArmTheMedicAndTheSupportCallLastsTwentySeconds) {
  Harness game;
  OpenLacerations(game, 0);
  ClickHud(game, HUD_CALL_FOR_SUPPORT);
  EXPECT_TRUE(Battle().supportActive);
  EXPECT_GT(Battle().supportTimer, 20000 - 4 * kFrameMs);
  EXPECT_EQ(States().gameState, STATE_PATIENT_VIEW) << "the call leaves him in view";
  for (const int32_t id : {HUD_GRENADE, HUD_PISTOL}) {
    ClickHud(game, id);
    EXPECT_EQ(States().gameState, STATE_OVERHEAD);
    EXPECT_EQ(Units().units[0]->weapon, id - HUD_PISTOL);
    SetCurrentCasualtyIndex(0);
    SetGameState(STATE_PATIENT_VIEW);
    game.Frames(3, kFrameMs);
  }
  EXPECT_TRUE(Units().units[0]->pistol->Visible());
  EXPECT_FALSE(Units().units[0]->rifle->Visible());

  // Roll Over turns a living casualty who may be moved, and only him.
  Patient& patient = *Slots().currentPatient;
  patient.movable = 1;
  const int32_t records = patient.actionRecords.count;
  ClickHud(game, HUD_ROLL_OVER);
  ASSERT_EQ(patient.actionRecords.count, records + 1);
  EXPECT_EQ(patient.actionRecords.entries[records].tool, TOOL_ROLLOVER_DRAG);
  EXPECT_EQ(patient.rolledOver, 1);
  patient.movable = 0;
  ClickHud(game, HUD_ROLL_OVER);
  EXPECT_EQ(patient.actionRecords.count, records + 1);
}

TEST(PatientHud, DrawersOpenFromTheirTrayHeadsAndAKitStaysOpenForItsNextPart) {
  Harness game;
  OpenLacerations(game, 0);
  TakeFromTray(game, TOOL_MEDICINE_SYRINGE);
  EXPECT_EQ(PatientView().selectedTool, -1) << "the syringe opens its drawer instead";
  EXPECT_EQ(toolDrawer.filled, 6);
  game.Frames(20, kFrameMs);
  ASSERT_EQ(toolDrawer.state, DRAWER_OPEN);
  // The first vial: a drug goes into the hand and the drawer slides shut.
  const HudRect slots = HudHotspotRect(HUD_TRAY_SLOTS);
  game.MoveTo(toolDrawer.x + 14 + 10, slots.y + 20);
  game.Click(toolDrawer.x + 14 + 10, slots.y + 20);
  EXPECT_EQ(PatientView().selectedTool, TOOL_MORPHINE);
  EXPECT_EQ(toolDrawer.state, DRAWER_CLOSING);
  game.Frames(20, kFrameMs);
  EXPECT_EQ(toolDrawer.state, DRAWER_CLOSED);

  TakeFromTray(game, TOOL_CRICH_KIT);
  game.Frames(20, kFrameMs);
  ASSERT_EQ(toolDrawer.state, DRAWER_OPEN);
  game.Click(toolDrawer.x + 14 + 10, static_cast<int>(toolDrawer.y) + 20);
  EXPECT_EQ(PatientView().selectedTool, TOOL_CRICH_SPONGE);
  EXPECT_EQ(toolDrawer.state, DRAWER_OPEN) << "the kit's next part is wanted next";
  const int32_t sponges = Pack().count[TOOL_CRICH_SPONGE];
  ClickPart(game, BONE_NEK);
  EXPECT_EQ(LastChart(*Slots().currentPatient).find("Sponge"), 0u);
  EXPECT_LE(Pack().count[TOOL_CRICH_SPONGE], sponges);
  // A click on the tray's band beside the drawer drops the tool and shuts it.
  game.Click(200, 460);
  EXPECT_EQ(PatientView().selectedTool, -1);
  EXPECT_EQ(toolDrawer.state, DRAWER_CLOSING);
  game.Frames(20, kFrameMs);

  // The developer's picker turns him into the nerve-agent casualty: the syringe's third vial is then the
  // atropine and diazepam together, and nothing of the radio menu happens.
  for (int key : {'M', 'E', 'D', 'I', 'C', 'W'}) game.Press(key);
  ASSERT_TRUE(Popups().woundPicker2.IsOpen());
  const int32_t pickX = Popups().woundPicker2.x + 50,
                pickY = Popups().woundPicker2.y + Popups().woundPicker2.rowHeight * 8 + 2;
  game.MoveTo(pickX, pickY);
  game.Click(pickX, pickY);
  EXPECT_EQ(Slots().currentPatient->currentWound, 37);
  EXPECT_EQ(States().gameState, STATE_PATIENT_VIEW);
  TakeFromTray(game, TOOL_MEDICINE_SYRINGE);
  EXPECT_EQ(toolDrawer.tools[2], TOOL_ATROPINE_DIAZEPAM);
  game.Click(200, 460);
  game.Frames(20, kFrameMs);

  // A drawer head run out still comes into the hand, but its drawer stays shut.
  SetToolCount(TOOL_MEDICINE_SYRINGE, 0);
  TakeFromTray(game, TOOL_MEDICINE_SYRINGE);
  EXPECT_EQ(PatientView().selectedTool, TOOL_MEDICINE_SYRINGE);
  EXPECT_EQ(toolDrawer.state, DRAWER_CLOSED);
}

TEST(PatientHud, AHintIsFreeForANoviceAndCostsAnExpertItsPointsOnce) {
  for (int32_t level : {0, 2}) {
    SCOPED_TRACE("difficulty " + std::to_string(level));
    Harness game;
    OpenLacerations(game, level);
    const int32_t score = Slots().currentPatient->score, mission = Progress().missionScore;
    ClickHud(game, HUD_HINT);
    EXPECT_GT(PatientView().hintBox.framesLeft, 0) << "the hint is shown";
    const int32_t cost = score - Slots().currentPatient->score;
    if (level == 0) {
      EXPECT_EQ(cost, 0);
    } else {
      EXPECT_GT(cost, 0);
      EXPECT_EQ(mission - Progress().missionScore, cost);
    }
    ClickHud(game, HUD_HINT);
    EXPECT_EQ(score - Slots().currentPatient->score, cost) << "the same hint again is not paid twice";
  }
}

TEST(PatientHud, TheChartScrollsBackWhileTheArrowIsHeldAndTheLastBandageSaysNoneLeft) {
  Harness game;
  OpenLacerations(game, 0);
  Patient& patient = *Slots().currentPatient;
  // Examinations fill the chart past its window.
  TakeFromTray(game, TOOL_GLOVE);
  for (const int32_t bone : std::initializer_list<int32_t>{BONE_HEAD, BONE_NEK, BONE_SPINE2, BONE_PELV, BONE_HEAD,
                                                           BONE_NEK, BONE_SPINE2, BONE_PELV})
    ClickPart(game, bone);
  const CaseChart& chart = ObjectsOf(patient).caseChart;
  ASSERT_GE(chart.totalLines, 8);
  const int32_t newest = chart.WindowRow();
  EXPECT_EQ(newest, chart.bottom - chart.topOffset - 98);
  const HudRect up = HudHotspotRect(HUD_CHART_UP);
  game.MoveTo(up.x + up.width / 2, up.y + up.height / 2);
  game.Mouse(6, up.x + up.width / 2, up.y + up.height / 2);
  game.Frames(5, kFrameMs);
  EXPECT_EQ(chart.WindowRow(), newest - 5 * 7) << "seven pixels a frame";
  game.Mouse(7, up.x + up.width / 2, up.y + up.height / 2);
  game.Frames(5, kFrameMs);
  EXPECT_EQ(chart.WindowRow(), newest - 5 * 7) << "only while the button is held";
  const HudRect down = HudHotspotRect(HUD_CHART_DOWN);
  game.MoveTo(down.x + down.width / 2, down.y + down.height / 2);
  game.Mouse(6, down.x + down.width / 2, down.y + down.height / 2);
  game.Frames(10, kFrameMs);
  game.Mouse(7, down.x + down.width / 2, down.y + down.height / 2);
  EXPECT_EQ(chart.WindowRow(), newest);

  // One bandage left: the second one asked for is not there, though the tool still comes into the hand.
  SetToolCount(TOOL_BANDAGE, 1);
  TakeFromTray(game, TOOL_BANDAGE);
  ClickPart(game, BONE_HEAD);
  EXPECT_EQ(Pack().count[TOOL_BANDAGE], 0);
  TakeFromTray(game, TOOL_BANDAGE);
  EXPECT_EQ(PatientView().selectedTool, TOOL_BANDAGE);
  EXPECT_EQ(ToolTips().toolTipDeferred, 0);
  ClickPart(game, BONE_HEAD);
  EXPECT_EQ(ToolTips().toolTipDeferred, 1) << "the head, where the bandage can go, was named under the pointer";
  EXPECT_EQ(LastChart(patient), "None left");
}

}  // namespace
}  // namespace kestrine::scenario
