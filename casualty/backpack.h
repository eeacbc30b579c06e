// What the medic carries into a mission: a count for each tool row, the carried weight and volume against
// the limits of the chosen player figure, and the kit recommended for the mission's casualties. In the
// patient view the counts are the stock of the tray and drawer.
#pragma once

#include <cstdint>

#include "casualty/tool_table.h"

namespace kestrine {

constexpr float kBaseMaxWeight = 40.0f;
constexpr float kBaseMaxVolume = 500.0f;
// How long the "no fit" message stays up at least, in game-clock milliseconds.
constexpr int32_t kNoFitMessageMs = 3000;

// Ammunition of the standard kit: rows 0, 1 and 2 count grenades, rifle rounds and pistol rounds.
constexpr int32_t kStandardGrenades = 4;
constexpr int32_t kStandardRifleRounds = 240;
constexpr int32_t kStandardPistolRounds = 75;

class Backpack {
 public:
  virtual ~Backpack() = default;

  // Empties the carried counts, weight, volume and total, keeping the recommended kit; nothing while
  // keepBackpack is set.
  void Reset();
  // Takes one piece of the row in, if it fits; returns the item total. A refused row still moves to the
  // front of the list order. Rows outside the table are ignored.
  int32_t AddTool(int row);
  // Takes one piece of the row out, if any is carried; returns the item total.
  int32_t RemoveTool(int row);
  // Both count arrays to zero.
  void Clear();
  // Adds the tools one wound type's treatment needs to the recommended kit.
  void CountKitTools(int woundRow);
  // Loads the recommended kit plus one of everything that fits, and the ammunition; nothing while
  // keepBackpack is set. Sets keepBackpack in every case.
  void FillStandardKit();
  // The medic's remark when a tool does not fit; a remark still playing is not interrupted.
  void PlayNoFitSpeech();

  float weight = 0.0f;
  float volume = 0.0f;
  float maxWeight = kBaseMaxWeight;
  float maxVolume = kBaseMaxVolume;
  int32_t count[kToolCount] = {};
  int32_t kitCount[kToolCount] = {};
  int32_t totalItems = 0;
};

extern Backpack& backpack;

// While set the pack keeps what was loaded: from the backpack screen's build (or the standard kit) until
// the overhead view is entered, so leaving and re-entering the screen before the mission keeps the choice.
extern bool& keepBackpack;
// Tool rows, the most recently added first; orders the backpack screen's list. Each row appears once.
extern int32_t (&backpackListOrder)[kToolCount];
// 1.0, 0.9 or 0.8 by player figure 0, 1, 2: the smaller medics carry less.
extern float& capacityFactor;
// The "no fit" message: shown from a refused AddTool until the first pointer move after noFitUntil.
extern bool& noFitShown;
extern int64_t& noFitUntil;  // game clock

// The capacity factor of a player figure, computed in single precision as the limits are.
float CapacityFactorForFigure(int32_t figure);
// Sets capacityFactor and both limits for a player figure.
void ApplyPlayerFigureLimits(int32_t figure);

}  // namespace kestrine
