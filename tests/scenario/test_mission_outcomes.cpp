// Whole missions on the generated data, started through the game-state switch with the casualties a briefing
// decides, seeded and on fixed frame times, to each of their ends: evacuated, out of time with a casualty still
// waiting or with the wounded at the landing point, too many harmful treatments, friendly fire, and the medic
// killed by enemy fire (but not under the patient view at novice difficulty). Each run is played twice and must
// leave the same trace. Where a player would click VIEW PATIENT, treat, drag or shoot, the test does what those
// clicks do (their clicks are played in test_overhead_play.cpp and test_patient_hud.cpp).
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "battle_trace.h"
#include "battlefield/battle_state.h"
#include "battlefield/casualty_cases.h"
#include "battlefield/mission_state.h"
#include "battlefield/player_fire.h"
#include "battlefield/strategy_entry.h"
#include "battlefield/unit_array.h"
#include "battlefield/unit_orders.h"
#include "casualty/backpack.h"
#include "casualty/body_parts.h"
#include "casualty/casualty_slots.h"
#include "casualty/step_interpreter.h"
#include "casualty/tool_table.h"
#include "casualty/wound_types.h"
#include "harness.h"
#include "player_road.h"
#include "shell/game_state.h"
#include "shell/mission_frames.h"
#include "shell/random.h"
#include "shell/screen_text.h"

namespace kestrine::scenario {
namespace {

constexpr int32_t kMission = 3;  // the medic starts beside the collection point, the enemy far off
constexpr int kFrameMs = 50;

// One run of the program: a mission started from state 16 with its briefing's casualties, played by `play`.
Trace PlayMission(uint32_t seed, int32_t level, const std::function<void(Harness&, Trace&)>& play) {
  HarnessOptions options;
  options.seed = seed;
  Harness game(options);
  Trace trace;
  EXPECT_TRUE(game.RunUntilState(STATE_DISCLAIMER));
  EXPECT_TRUE(StartMission(kMission, level));
  play(game, trace);
  trace.push_back(RandomState());
  game.Close();
  return trace;
}

// Frames of `ms` (at most `limit` of them), each recorded, until `done` holds (none: all of them); whether it
// does.
bool Play(Harness& game, Trace& trace, int limit, const std::function<bool()>& done = nullptr, int ms = kFrameMs) {
  for (int i = 0; i < limit && !(done && done()); ++i) {
    game.Frame(ms);
    RecordFrame(trace);
  }
  return done && done();
}

bool FramesUntil(Harness& game, Trace& trace, int state, int limit, int ms = kFrameMs) {
  const auto reached = [state] { return States().gameState == state; };
  return Play(game, trace, limit, reached, ms);
}
bool UntilTheEnd(Harness& game, Trace& trace) {
  return Play(game, trace, 40, [] { return Outcome().missionEndFlag != 0; });
}

// The medic opens the waiting casualty's patient view and readies him for evacuation; back in the overhead
// view the next one wakes.
void TreatEveryone(Harness& game, Trace& trace) {
  while (Unit* casualty = Waiting()) {
    SetGameState(STATE_PATIENT_VIEW);
    Play(game, trace, 4);
    casualty->state = 2;
    SetGameState(STATE_OVERHEAD);
  }
}

// Casualty k of the mission dragged beside the landing point (within 13 in x and z).
void DragToLandingPoint(int32_t k) {
  Unit& casualty = *Units().units[Units().firstPatientUnit + k];
  casualty.SetPosition(Battle().evacuationPoint + Vector3(static_cast<float>(k * 4 - 6), 0.0f, 8.0f));
}

int MessagePixels(int y480) { return CountPixels(ScreenText().textOverlay, 200, y480 - 20, 400, 40, 10, 250, 10); }

// The mission played twice from past its start countdown: the same trace each time.
void ExpectSameTwice(uint32_t seed, int32_t level, const std::function<void(Harness&, Trace&)>& play) {
  const auto run = [&] {
    return PlayMission(seed, level, [&](Harness& game, Trace& trace) {
      Play(game, trace, 12);
      ASSERT_EQ(MissionTime().missionStartCountdown, 0);
      play(game, trace);
    });
  };
  const Trace first = run();
  EXPECT_GT(first.size(), 100u);
  EXPECT_EQ(run(), first);
}

TEST(MissionOutcomes, EveryCasualtyReadiedAndBroughtToTheHelicopterEndsTheMissionEvacuated) {
  ExpectSameTwice(31, 0, [](Harness& game, Trace& trace) {
    ASSERT_EQ(missionState.casualtyCount, 3);
    TreatEveryone(game, trace);
    EXPECT_FALSE(Battle().extractionStarted);
    game.Frame(kFrameMs);  // nobody left waiting: the helicopter is called at once, the spare time cut off
    EXPECT_TRUE(Battle().extractionStarted);
    EXPECT_EQ(MissionTime().missionClock, 3 * 40000);
    EXPECT_GT(Outcome().earlyFinishTime, 0);
    EXPECT_EQ(Units().units[Units().unitCount - 1]->vehicleKind, HELICOPTER);
    for (int32_t k = 0; k < 3; ++k) DragToLandingPoint(k);
    game.Frame(kFrameMs);
    EXPECT_EQ(Outcome().missionEndFlag, 1);
    EXPECT_GT(MessagePixels(345), 20) << "Stand by for extraction.";
    EXPECT_TRUE(FramesUntil(game, trace, STATE_DEBRIEFING, 2));
    EXPECT_EQ(Outcome().missionEndFlag, 1);
  });
}

TEST(MissionOutcomes, TimeRunningOutWithACasualtyStillWaitingIsFlagTwo) {
  ExpectSameTwice(32, 0, [](Harness& game, Trace& trace) {
    ASSERT_NE(Waiting(), nullptr);
    SetMissionClock(1001);  // as the developer's clock key sets it
    UntilTheEnd(game, trace);
    EXPECT_EQ(Outcome().missionEndFlag, 2);
    EXPECT_TRUE(Battle().extractionStarted);  // called on the way down
    EXPECT_GT(MessagePixels(340), 20) << "You are forced to evacuate now.";
    EXPECT_TRUE(FramesUntil(game, trace, STATE_DEBRIEFING, 2));
  });
}

TEST(MissionOutcomes, TimeRunningOutWithTheWoundedAtTheLandingPointIsFlagSixWithItsBonus) {
  ExpectSameTwice(33, 1, [](Harness& game, Trace& trace) {
    ASSERT_EQ(missionState.casualtyCount, 4);
    TreatEveryone(game, trace);
    game.Frame(kFrameMs);
    ASSERT_TRUE(Battle().extractionStarted);
    DragToLandingPoint(0);
    DragToLandingPoint(1);  // the other two stay where they lie, readied
    SetMissionClock(1001);
    UntilTheEnd(game, trace);
    EXPECT_EQ(Outcome().missionEndFlag, 6);
    EXPECT_EQ(Outcome().extractionBonus, 24);  // (1 + 1) x 6 x 2
    EXPECT_TRUE(FramesUntil(game, trace, STATE_DEBRIEFING, 2));
  });
}

TEST(MissionOutcomes, FiveHarmfulTreatmentsEndTheMissionFromThePatientViewThroughTheOverheadView) {
  ExpectSameTwice(34, 0, [](Harness& game, Trace& trace) {
    Unit* casualty = Waiting();
    ASSERT_NE(casualty, nullptr);
    // The casualty's patient record, as the patient view makes it, with a wound that needs no chest needle.
    int32_t slot = 0;
    for (int32_t i = Units().firstPatientUnit; i < Units().unitCount; ++i)
      if (Units().units[i].get() == casualty) slot = i - Units().firstPatientUnit;
    PlaceCasualty(slot, std::make_unique<Patient>());
    SetCurrentPatient(Slots().casualties[slot].get());
    SetUpWound(*Slots().currentPatient, WOUND_HEAT_EXHAUSTION, nullptr);
    SetToolCount(TOOL_CHEST_CATHETER, 10);
    SetGameState(STATE_PATIENT_VIEW);
    Slots().currentPatient->ApplyTool(TOOL_SCISSORS, PART_CHEST, 320, 240, 0);  // the shirt cut open first
    for (int i = 0; i < 5; ++i) {
      EXPECT_EQ(Outcome().missionEndFlag, 0);
      Slots().currentPatient->ApplyTool(TOOL_CHEST_CATHETER, PART_CHEST, 320, 240, 0);
      game.Frame(kFrameMs);
      RecordFrame(trace);
    }
    EXPECT_EQ(Outcome().missionEndFlag, 4);
    EXPECT_EQ(States().gameState, STATE_OVERHEAD);
    EXPECT_TRUE(FramesUntil(game, trace, STATE_DEBRIEFING, 1));
    const std::vector<int> states = game.TracedStates();
    ASSERT_GE(states.size(), 3u);
    EXPECT_EQ(std::vector<int>(states.end() - 3, states.end()), (std::vector<int>{18, 17, 20}));
  });
}

TEST(MissionOutcomes, TheSixthShotInARowBesideOneOfHisOwnEndsTheMission) {
  ExpectSameTwice(35, 0, [](Harness& game, Trace& trace) {
    // The medic 10 from the waiting casualty, lying alone, fires the rifle just beside him.
    const Unit* casualty = Waiting();
    ASSERT_NE(casualty, nullptr);
    Unit& medic = *Units().units[0];
    medic.SetPosition(casualty->pos + Vector3(10.0f, 0.0f, 0.0f));
    SendUnitTo(medic, medic.pos);
    medic.weapon = WEAPON_RIFLE;
    for (int shot = 1; shot <= 6; ++shot) {
      EXPECT_EQ(Outcome().missionEndFlag, 0) << "shot " << shot;
      PlayerShotLanded(medic.Fire(casualty->pos + Vector3(0.5f, 0.0f, 0.5f), FIRE_RIFLE));
      EXPECT_EQ(Battle().friendlyFireCount, shot);
      game.Frames(5, kFrameMs);
      RecordFrame(trace);
    }
    EXPECT_EQ(States().gameState, STATE_DEBRIEFING);
    EXPECT_EQ(Outcome().missionEndFlag, 5);
  });
}

// An enemy standing 3 from the medic, away from the medic's own men, firing on his turns.
void EnemyAtTheMedicsSide() {
  Unit& medic = *Units().units[0];
  medic.SetPosition(0, 500, 0);
  medic.SnapToGround();
  SendUnitTo(medic, medic.pos);
  for (int32_t i = 1; i < Units().firstPatientUnit; ++i) {
    Unit& u = *Units().units[i];
    if (u.side != kSideEnemy || u.vehicleKind != MAN) continue;
    u.SetPosition(0, 500, 3);
    u.SnapToGround();
    u.orders = ORDERS_NONMOVING;
    SendUnitTo(u, u.pos);
    u.pathPending = 1;  // a walk of his own: he stays on this cell
    return;
  }
  ADD_FAILURE() << "no enemy soldier";
}

TEST(MissionOutcomes, AnEnemyAtThreePacesShootsTheExpertsMedicDead) {
  ExpectSameTwice(37, 2, [](Harness& game, Trace& trace) {
    EnemyAtTheMedicsSide();
    EXPECT_TRUE(FramesUntil(game, trace, STATE_KIA, 2000));
    EXPECT_EQ(States().previousGameState, STATE_OVERHEAD);
    EXPECT_FALSE(missionState.missionLoaded);
  });
}

TEST(MissionOutcomes, UnderThePatientViewANovicesMedicIsHitButNotKilled) {
  ExpectSameTwice(38, 0, [](Harness& game, Trace& trace) {
    EnemyAtTheMedicsSide();
    SetGameState(STATE_PATIENT_VIEW);
    Play(game, trace, 600);
    EXPECT_EQ(States().gameState, STATE_PATIENT_VIEW);
    EXPECT_LT(Units().units[0]->health, 8);  // hit again and again
    EXPECT_FALSE(Units().units[0]->down);
  });
}

// ---- the start of a mission ----

TEST(MissionStart, TheBattleWaitsForTheLongFramesAndTheClockForTheCountdownAndItsLastFrame) {
  PlayMission(39, 0, [](Harness& game, Trace&) {
    const int32_t clock = MissionTime().missionClock;
    Unit* casualty = Waiting();
    ASSERT_NE(casualty, nullptr);
    // Five clamped frames: in the first the battle does not run, from the second on it does.
    game.Frame(100);
    EXPECT_EQ(casualty->pulse, 255.0);
    game.Frame(100);
    EXPECT_EQ(casualty->pulse, 235.0);
    game.Frames(2, 100);
    EXPECT_EQ(MissionTime().missionStartCountdown, 100);
    EXPECT_EQ(MissionTime().missionClock, clock);
    EXPECT_EQ(MissionTime().skipClockFrame, 1);
    // The countdown's last frame clears the skip instead of counting; the next one counts.
    game.Frame(100);
    EXPECT_EQ(MissionTime().missionStartCountdown, 0);
    EXPECT_EQ(MissionTime().skipClockFrame, 0);
    EXPECT_EQ(MissionTime().missionClock, clock);
    game.Frame(100);
    EXPECT_EQ(MissionTime().missionClock, clock - 100);
    // A frozen clock stands still.
    ToggleClockFrozen();
    game.Frame(100);
    EXPECT_EQ(MissionTime().missionClock, clock - 100);
  });

  // A mission-end flag raised during the countdown waits for its end.
  PlayMission(39, 0, [](Harness& game, Trace&) {
    EndMission(END_MISTAKES);
    game.Frames(4, 100);
    EXPECT_EQ(States().gameState, STATE_OVERHEAD);
    game.Frame(100);
    EXPECT_EQ(States().gameState, STATE_DEBRIEFING);
  });
}

}  // namespace
}  // namespace kestrine::scenario
