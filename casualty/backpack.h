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

// The pack's own arithmetic. The game's pack is the one record below; a Backpack value on its own (a copy,
// a save's contents, a test's) changes nothing else.
class Backpack {
 public:
  virtual ~Backpack() = default;

  // Empties the carried counts, weight, volume and total, keeping the recommended kit.
  void Reset();
  // Whether one more piece of the row stays under both limits.
  bool Fits(int row) const;
  // Takes one piece of the row in if it fits (a tool that is not used up only once); returns the item
  // total. Rows outside the table are ignored.
  int32_t AddTool(int row);
  // Takes one piece of the row out, if any is carried; returns the item total.
  int32_t RemoveTool(int row);
  // Both count arrays to zero.
  void Clear();
  // Adds the tools one wound type's treatment needs to the recommended kit.
  void CountKitTools(int woundRow);
  // Loads the recommended kit plus one of everything that fits, and the ammunition.
  void FillStandardKit();

  float weight = 0.0f;
  float volume = 0.0f;
  float maxWeight = kBaseMaxWeight;
  float maxVolume = kBaseMaxVolume;
  int32_t count[kToolCount] = {};
  int32_t kitCount[kToolCount] = {};
  int32_t totalItems = 0;
};

// The medic's pack and how it is being packed. Only casualty/backpack.cpp writes it; everyone else reads it
// through Pack() and PackState() and changes it through the operations below.
struct BackpackState {
  Backpack backpack;
  // While set the pack keeps what was loaded: from the backpack screen's build (or the standard kit) until
  // the overhead view is entered, so leaving and re-entering the screen before the mission keeps the choice.
  bool keepBackpack = false;
  // Tool rows, the most recently added first; orders the backpack screen's list. Each row appears once.
  int32_t backpackListOrder[kToolCount] = {};
  // 1.0, 0.9 or 0.8 by player figure 0, 1, 2: the smaller medics carry less.
  float capacityFactor = 1.0f;
  // The "no fit" message: shown from a refused AddToBackpack until the first pointer move after noFitUntil.
  bool noFitShown = false;
  int64_t noFitUntil = 0;  // game clock

  BackpackState();
};

const BackpackState& PackState();
// The pack itself: PackState().backpack.
const Backpack& Pack();

// Empties the carried part of the pack (see Backpack::Reset); nothing while keepBackpack is set.
void ResetBackpack();
// Takes one piece of the row in, if it fits; a refused row brings up the "no fit" message and the medic's
// remark. Either way the row moves to the front of the list order. Returns the item total; rows outside the
// table are ignored.
int32_t AddToBackpack(int row);
// Takes one piece of the row out, if any is carried; returns the item total.
int32_t RemoveFromBackpack(int row);
// Both count arrays of the pack to zero.
void ClearBackpack();
// Adds the tools one wound type's treatment needs to the pack's recommended kit.
void CountBackpackKitTools(int woundRow);
// The standard kit (Backpack::FillStandardKit) with the list order as the table; nothing while keepBackpack
// is set. Sets keepBackpack in every case.
void FillStandardBackpack();
// The backpack screen opening: unless the pack is kept, no counts and the list order as the table.
void StartPackingBackpack();
// Sets the stock of one row (ammunition at a mission's start, a cheat, a round fired); the weight, volume
// and item total stay as they are.
void SetToolCount(int row, int32_t count);
// One piece of a row used up (never below none), or one put back.
void TakeOneFromPack(int row);
void PutOneBackInPack(int row);
// The pack as a save game holds it.
void RestoreBackpack(const Backpack& saved);
// Sets or clears keepBackpack.
void KeepBackpack(bool keep);
// Takes the "no fit" message down at once, or once the game clock has passed its end.
void HideNoFitMessage();
void HideNoFitMessageAfter(int64_t now);

// The capacity factor of a player figure, computed in single precision as the limits are.
float CapacityFactorForFigure(int32_t figure);
// Sets capacityFactor and both limits of the pack for a player figure.
void ApplyPlayerFigureLimits(int32_t figure);

}  // namespace kestrine
