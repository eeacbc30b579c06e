// Loading and unloading the backpack piece by piece, its limits, and the medic's "no fit" remark.
#include "casualty/backpack.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <numeric>

#include "shell/engine_setup.h"
#include "shell/events.h"
#include "shell/program_state.h"
#include "shell/random.h"
#include "shell/sound_table.h"
#include "shell/wide_text.h"

namespace kestrine {

namespace {

constexpr int32_t kNoFitClipCount = 4;

// Moves a row to position 0 of the list order, the rows before it one place back.
void MoveToFrontOfList(int row) {
  int position = 0;
  while (position < kToolCount && backpackListOrder[position] != row) ++position;
  // A row missing from the order (say, from a damaged save) takes the last place.
  if (position == kToolCount) position = kToolCount - 1;
  for (int i = position; i > 0; --i) backpackListOrder[i] = backpackListOrder[i - 1];
  backpackListOrder[0] = row;
}

}  // namespace

namespace {

struct BackpackState {
  Backpack backpack;
  bool keepBackpack = false;
  int32_t backpackListOrder[kToolCount] = {};
  float capacityFactor = 1.0f;
  bool noFitShown = false;
  int64_t noFitUntil = 0;  // game clock

  // Before anything is added the list follows the table.
  BackpackState() { std::iota(std::begin(backpackListOrder), std::end(backpackListOrder), 0); }
};
BackpackState backpackState;
KESTRINE_PROGRAM_STATE(backpackState);

}  // namespace

Backpack& backpack = backpackState.backpack;
bool& keepBackpack = backpackState.keepBackpack;
int32_t (&backpackListOrder)[kToolCount] = backpackState.backpackListOrder;
float& capacityFactor = backpackState.capacityFactor;
bool& noFitShown = backpackState.noFitShown;
int64_t& noFitUntil = backpackState.noFitUntil;

float CapacityFactorForFigure(int32_t figure) {
  // A figure read from a save file outside the three figures gets the nearest one.
  const int32_t clamped = std::clamp(figure, 0, 2);
  return 1.0f - 0.1f * static_cast<float>(clamped);
}

void ApplyPlayerFigureLimits(int32_t figure) {
  capacityFactor = CapacityFactorForFigure(figure);
  backpack.maxWeight = kBaseMaxWeight * capacityFactor;
  backpack.maxVolume = kBaseMaxVolume * capacityFactor;
}

void Backpack::Reset() {
  if (keepBackpack) return;
  std::fill(std::begin(count), std::end(count), 0);
  weight = 0.0f;
  volume = 0.0f;
  totalItems = 0;
}

int32_t Backpack::AddTool(int row) {
  if (!IsToolRow(row)) return totalItems;
  const ToolDef& tool = ToolTable[row];
  // The sums are taken in double, as the tools' values are held; reaching the limit exactly does not fit.
  const bool fits = static_cast<double>(weight) + tool.weight < static_cast<double>(maxWeight) &&
                    static_cast<double>(volume) + tool.volume < static_cast<double>(maxVolume);
  if (!fits) {
    PlayNoFitSpeech();
    noFitShown = true;
    noFitUntil = Clock().gameClock + kNoFitMessageMs;
  } else if (tool.IsConsumable() || count[row] < 1) {
    count[row] = tool.IsConsumable() ? count[row] + 1 : 1;
    weight = static_cast<float>(weight + tool.weight);
    volume = static_cast<float>(volume + tool.volume);
    ++totalItems;
  }
  MoveToFrontOfList(row);
  return totalItems;
}

int32_t Backpack::RemoveTool(int row) {
  if (!IsToolRow(row) || count[row] <= 0) return totalItems;
  const ToolDef& tool = ToolTable[row];
  --count[row];
  weight = static_cast<float>(weight - tool.weight);
  volume = static_cast<float>(volume - tool.volume);
  --totalItems;
  if (weight < 0.0f) weight = 0.0f;
  if (volume < 0.0f) volume = 0.0f;
  if (count[row] < 0) count[row] = 0;
  return totalItems;
}

void Backpack::Clear() {
  std::fill(std::begin(count), std::end(count), 0);
  std::fill(std::begin(kitCount), std::end(kitCount), 0);
}

void Backpack::PlayNoFitSpeech() {
  if (Sounds().noFitSound && Sounds().noFitSound->IsPlaying()) return;
  ReleaseNoFitSound();
  const int clip = rand() % kNoFitClipCount + 1;
  char path[64];
  std::snprintf(path, sizeof path, "sounds\\speech\\NoFit%d.qwv", clip);
  SetNoFitSound(Engine().engineRoot->LoadSound(WidenText(path), 0));
  Sounds().noFitSound->SetVolume(Sounds().effectsVolume);
  Sounds().noFitSound->Play(0, 1);
}

}  // namespace kestrine
