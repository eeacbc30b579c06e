// A newcomer's first walk, measured: mission 1 from the briefing at each difficulty, the medic sent straight
// to the first wounded soldier by a right click on his dot on the mini-map (again when he stops short), at
// sixty frames a second, until he is beside the casualty, killed, or three minutes have gone by. Run for each
// of the seeds 1..KESTRINE_NAIVE_WALK_SEEDS (a measurement);
// prints how many arrive alive per difficulty, and for each seed: a(rrived), k(illed) or w(alking), the
// seconds of game time and the distance of the first walk. Without the variable one seed a difficulty is
// played, and each walk must end, arrived or killed: the road from the briefing to a casualty works.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "battlefield/battle_state.h"
#include "battlefield/overhead_hotspots.h"
#include "battlefield/unit.h"
#include "battlefield/unit_array.h"
#include "frontend/briefing_screen.h"
#include "harness.h"
#include "player_road.h"
#include "shell/game_state.h"
#include "shell/layout.h"
#include "shell/mission_frames.h"
#include "slot_screens.h"

namespace kestrine::scenario {
namespace {

constexpr ScreenPoint kLevels[] = {{165, 192}, {165, 217}, {165, 242}};
constexpr int kFrameMs = 16;
constexpr int kGiveUpMs = 180000;
constexpr int kLookAgainMs = 5000;
// The distance at which VIEW PATIENT comes alive.
constexpr double kBeside = 7.0;

enum class Outcome { kArrived, kKilled, kStillWalking, kNoStart };

// The mini-map pixel that sends the medic to (x, z): the inverse of the map's 2.8125 units a pixel.
ScreenPoint OnMiniMap(const Vector3& where) {
  const HotspotBox box = OverheadHotspotBox(OVERHEAD_MINI_MAP);
  return {box.x + static_cast<int>((where.x + 90.0f) / 2.8125f + 0.5f),
          box.y + 64 - static_cast<int>((where.z + 90.0f) / 2.8125f + 0.5f)};
}

Outcome WalkToTheFirstCasualty(uint32_t seed, int level, int& ms, float& distance) {
  HarnessOptions options;
  options.seed = seed;
  Harness game(options);
  if (!game.RunUntilState(STATE_DISCLAIMER)) return Outcome::kNoStart;
  game.Click(kAccept.x, kAccept.y);
  game.Click(kNewGame.x, kNewGame.y);
  game.Click(kLevels[level].x, kLevels[level].y);
  game.Frame(16);
  PointAndClick(game, kSelect);
  game.Frame(16);
  if (level < 2) {
    if (!PressButton(game, BRIEFING_START_MISSION)) return Outcome::kNoStart;
  } else {
    // An expert packs for himself: the backpack screen, and START MISSION there with the pack as it comes.
    if (!PressButton(game, BRIEFING_LOAD_BACKPACK)) return Outcome::kNoStart;
    game.Frame(16);
    PointAndClick(game, {PanelX(225) + 40, PanelY(386) + 10});
  }
  if (!game.RunUntilState(STATE_OVERHEAD)) return Outcome::kNoStart;
  ms = 0;
  int sinceLook = kLookAgainMs;
  bool clicked = false;
  while (ms < kGiveUpMs) {
    if (States().gameState == STATE_KIA || !Units().units[0]) return Outcome::kKilled;
    const Unit* casualty = Waiting();
    if (casualty && Battle().nearestPatientDistance < kBeside) return Outcome::kArrived;
    // A player clicks once, and again only when the medic has stopped without getting there.
    if (casualty && States().gameState == STATE_OVERHEAD && MissionTime().missionStartCountdown == 0 &&
        sinceLook >= kLookAgainMs && (!clicked || Units().units[0]->arrived)) {
      if (!clicked) distance = (casualty->pos - Units().units[0]->pos).Length();
      RightClick(game, OnMiniMap(casualty->pos));
      clicked = true;
      sinceLook = 0;
    }
    game.Frame(kFrameMs);
    ms += kFrameMs;
    sinceLook += kFrameMs;
  }
  return Outcome::kStillWalking;
}

TEST(NaiveWalk, MissionOneFromTheBriefingAtEachDifficulty) {
  const char* text = std::getenv("KESTRINE_NAIVE_WALK_SEEDS");
  const int seeds = text ? std::atoi(text) : 1;
  const char* names[] = {"novice", "intermediate", "expert"};
  for (int level = 0; level < 3; ++level) {
    int arrived = 0, killed = 0, walking = 0, failed = 0;
    std::string times;
    for (int seed = 1; seed <= seeds; ++seed) {
      int ms = 0;
      float distance = 0.0f;
      const Outcome outcome = WalkToTheFirstCasualty(static_cast<uint32_t>(seed), level, ms, distance);
      arrived += outcome == Outcome::kArrived;
      killed += outcome == Outcome::kKilled;
      walking += outcome == Outcome::kStillWalking;
      failed += outcome == Outcome::kNoStart;
      const char* mark = outcome == Outcome::kArrived ? "a" : outcome == Outcome::kKilled ? "k" : "w";
      times += " " + std::to_string(seed) + mark + std::to_string(ms / 1000) + "/" + std::to_string(int(distance));
    }
    std::printf("naive walk %s: %d of %d arrived alive, %d killed, %d still walking, %d did not start;%s\n",
                names[level], arrived, seeds, killed, walking, failed, times.c_str());
    EXPECT_EQ(failed, 0) << names[level];
    EXPECT_EQ(walking, 0) << names[level] << ": a medic sent to a casualty neither got there nor fell";
  }
}

}  // namespace
}  // namespace kestrine::scenario
