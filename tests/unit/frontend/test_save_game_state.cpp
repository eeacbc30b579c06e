// A save taken from the running game and given back to it: the battlefield and the casualties taken, their
// treatment replayed on their own clocks, the clock's fields, a debriefing's mission and ending.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <tuple>

#include "battlefield/unit_array.h"
#include "casualty/backpack.h"
#include "casualty/casualty_slots.h"
#include "casualty/report_lines.h"
#include "casualty/step_interpreter.h"
#include "core/engine_internals.h"
#include "frontend/save_game_apply.h"
#include "frontend/save_game_gather.h"
#include "shell/asset_loader.h"
#include "shell/engine_setup.h"
#include "shell/mission_frames.h"
#include "shell/mission_progress.h"
#include "shell/program_state.h"
#include "shell/sound_table.h"
#include "unit/shell/scratch_tree.h"

namespace kestrine {
namespace {

class SaveGameState : public ::testing::Test {
 protected:
  // A fresh program with the engine objects units are made with.
  void SetUp() override {
    ResetProgramState();
    UseEngine(engine::CreateEngineRoot("headless"));
    engine::CoreOf(*Engine().engineRoot).SetTraceToStderr(false);
    UseEngine(Engine().engineRoot, Engine().engineRoot->CreateStage());
    UseSoldierIcon(Engine().engineRoot->CreateBitmap(16, 16));
  }
  void TearDown() override { ResetProgramState(); }

  Unit& AddUnit(int32_t kind, Vector3 at) {
    Unit& unit = ::kestrine::AddUnit(std::make_unique<Unit>(Engine().engineRoot, Engine().engineStage, kind));
    unit.pos = at;
    return unit;
  }

  testing::ScratchTree tree_;
};

TEST_F(SaveGameState, AMissionSaveTakesTheBattlefieldAndTheCasualtiesUpToTheFirstEmptySlot) {
  GoToMission(7);
  SetMissionClock(181250);
  AddUnit(kUnitKindMedic, {1.5f, 402.0f, -3.25f}).orders = 1;
  Unit& enemy = AddUnit(kUnitKindEnemy, {40.0f, 401.0f, 12.0f});
  std::tie(enemy.health, enemy.down, enemy.respawnTime, enemy.patrol) = std::tuple(-10, true, 7000, 4);
  enemy.home = {38.0f, 400.0f, 10.0f};
  Unit& casualty = AddUnit(kUnitKindAlly, {-8.0f, 400.5f, 20.0f});
  std::tie(casualty.state, casualty.woundType, casualty.patientLoc, casualty.severity) = std::tuple(1, 17, 2, 1);
  SetFirstPatientUnit(2);
  PlaceCasualty(0, std::make_unique<Patient>());
  Slots().casualties[0]->sideBits = LOC_LEFT;
  Slots().casualties[0]->side = 1;
  Slots().casualties[0]->verdict = VERDICT_WRONG;
  Slots().casualties[0]->clockMs = 64000;
  Slots().casualties[0]->actionRecords.Append({TOOL_SCISSORS, PART_LEFT_THIGH, 3000, 1});
  PlaceCasualty(1, std::make_unique<Patient>());
  Slots().casualties[1]->sideBits = LOC_RIGHT;
  PlaceCasualty(3, std::make_unique<Patient>());  // after an empty slot: a load never rebuilds him

  const SaveGame save = GatherMissionSave(0);
  ASSERT_EQ(save.battle.units.size(), 3u);
  EXPECT_EQ(save.battle.units[1].down, 1);
  EXPECT_EQ(save.battle.units[1].homeX, 38.0f);
  ASSERT_EQ(save.battle.patients.size(), 2u);
  EXPECT_EQ(save.battle.patients[0].sideBits, INT32_MIN);  // the left side bit, printed signed
  ASSERT_EQ(save.battle.patients[0].actions.size(), 1u);
  EXPECT_EQ(save.battle.patients[0].actions[0].clockMs, 3000);
  // Given back to a running mission by the mission-save scenario.
  const SaveGameRead read = ReadSaveGame(WriteMissionSave(save));
  ASSERT_TRUE(read.ok) << read.error;
  EXPECT_EQ(read.save, save);
}

TEST_F(SaveGameState, DateAndTimeAreTheLocalClocksTwoDigitFields) {
  setenv("TZ", "UTC", 1);
  tzset();
  EXPECT_EQ(SaveDateText(1000000000), "09/09/01");  // 2001-09-09 01:46:40 UTC
  EXPECT_EQ(SaveTimeText(1000000000), "01:46:40");
  EXPECT_EQ(GatherBriefingSave(1000000000).date, "09/09/01");
}

TEST_F(SaveGameState, ALoadedDebriefingTakesItsMissionOutOfTheCampaignAndReadsTheEnding) {
  SaveGame save;
  std::tie(save.kind, save.mission, save.musicVolume) = std::tuple(SAVE_DEBRIEFING, 10, 30);
  save.reportLines = {"\x01Score", "", "Vidoduv captured"};
  std::tie(save.progress.missionScore, save.progress.missionMaximum) = std::tuple(80, 100);
  std::tie(save.progress.campaignScore, save.progress.campaignMaximum) = std::tuple(700, 1000);

  ApplySavedCampaign(save);
  // The debriefing adds the mission to these when it is built.
  EXPECT_EQ(Progress().campaignScore, 620);
  EXPECT_EQ(Progress().campaignMaximum, 900);
  ASSERT_EQ(Report().reportLineCount, 3);
  EXPECT_STREQ(Report().reportLines[0], "\x01Score");
  EXPECT_EQ(Outcome().loserEnding, 0);
  EXPECT_EQ(Sounds().musicVolume, 30);

  save.reportLines.pop_back();
  save.mission = 12;
  ApplySavedCampaign(save);
  EXPECT_EQ(Outcome().loserEnding, 1);
  EXPECT_EQ(Report().reportLineCount, 2);
  EXPECT_EQ(Campaign().trainingRun, 1);
}

TEST_F(SaveGameState, ReplayAppliesEachActionAtItsTimeAndEndsForAPausedPatient) {
  SetReplayingSave(true);
  SavedPatient saved;
  saved.verdict = VERDICT_WRONG;
  saved.actions = {{TOOL_SCISSORS, PART_ABDOMEN, 1250, 1}, {TOOL_GLOVE, PART_HEAD, 4030, 1}};
  saved.clockMs = 9999;

  Patient treated;
  SetUpWound(treated, WOUND_EVISCERATION, nullptr);
  ReplaySavedPatient(treated, saved);
  ASSERT_EQ(treated.actionRecords.count, 2);
  EXPECT_EQ(treated.actionRecords.entries[0].clockMs, 1250);
  EXPECT_EQ(treated.actionRecords.entries[1].clockMs, 4030);
  EXPECT_EQ(treated.clockMs, 9999);
  EXPECT_EQ(treated.verdict, VERDICT_WRONG);

  Patient paused;
  SetUpWound(paused, WOUND_EVISCERATION, nullptr);
  paused.paused = 1;
  ReplaySavedPatient(paused, saved);  // his clock never moves; the replay ends all the same
  EXPECT_EQ(paused.clockMs, 0);
  EXPECT_EQ(paused.actionRecords.count, 2);

  // A right call made before the save earns its points again on the rebuilt patient.
  Patient judged;
  SetUpWound(judged, WOUND_EVISCERATION, nullptr);
  const int32_t before = Progress().missionScore;
  ReplaySavedPatient(judged, SavedPatient{.verdict = VERDICT_RIGHT, .actions = {}});
  EXPECT_EQ(judged.verdict, VERDICT_RIGHT);
  EXPECT_EQ(judged.score, 5);
  EXPECT_EQ(Progress().missionScore - before, 5);
  SetReplayingSave(false);
}

}  // namespace
}  // namespace kestrine
