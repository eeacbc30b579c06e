// Whole missions played through the real program, headless: from the disclaimer through the menus, player
// select and the briefing into the battle, to the debriefing (or the KIA screen) and round again with
// REPLAY. The menus are clicked as a player clicks them; the overhead and patient views get random mouse
// and key events from a seeded generator (the "monkey"), at random frame times.
//
// Every event sent is also written as an input-script line, so a run can be played again from its script,
// in-process or by the game executable itself (KESTRINE_INPUT, with KESTRINE_SEED for the same seed).
// Whichever plays, the same observer watches the game: the states it passes, a checksum of the battle
// every 100 frames, each mission's end, score and flag, and the engine's live objects at each debriefing.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "scenario/harness.h"

namespace kestrine::scenario {

struct MonkeyPlan {
  uint32_t seed = 1;       // seeds the game and the monkey
  // 1..10 chosen on the main menu with the developer keys, 11..13 from the training menu (always novice).
  int32_t mission = 1;
  int32_t difficulty = 0;  // 0..2; an expert goes through the backpack screen
  int32_t missions = 1;    // played in a row, with REPLAY from the debriefing or the KIA screen
  // Above 0: on entering the battle the mission clock is cut to at most this many ms, as the developer's
  // clock key does, so that short runs still end by the clock.
  int32_t clockCutMs = 0;
};

struct MissionOutcome {
  int32_t mission = 0;
  int32_t endState = 0;  // STATE_DEBRIEFING or STATE_KIA
  int32_t endFlag = 0;
  int32_t score = 0;
  int32_t maximum = 0;
  int64_t frames = 0;   // frames from the start of the mission to its end
  int64_t clockMs = 0;  // the mission clock it started with
  int64_t playedMs = 0;  // game time from the start to the end
  // Engine objects alive when the debriefing or KIA screen was built, but for the engine's own model-file
  // cache.
  long liveObjects = 0;
  size_t stageObjects = 0;
  bool operator==(const MissionOutcome&) const = default;
};

struct PlayRecord {
  std::vector<int> states;  // as traced, "game state <n>"
  std::vector<uint64_t> checksums;  // of the battle, every 100 frames
  std::vector<MissionOutcome> outcomes;
  int64_t frames = 0;
  int64_t events = 0;
  std::string script;  // every event, as input-script lines
  std::string fault;   // empty when nothing went wrong
  // The process's resident memory in KiB at each mission's end (not part of a run's comparison).
  std::vector<long> residentKb;
  bool operator==(const PlayRecord& o) const {
    return states == o.states && checksums == o.checksums && outcomes == o.outcomes && frames == o.frames;
  }
};

// Plays the plan with the monkey in a fresh program seeded with plan.seed.
PlayRecord PlayMonkey(const MonkeyPlan& plan);

// Plays an input script in a fresh program seeded with `seed`, watched as PlayMonkey watches.
PlayRecord PlayScript(const std::string& script, uint32_t seed);

}  // namespace kestrine::scenario
