// Loading and unloading the backpack piece by piece, its limits, and the medic's "no fit" remark.
#include "casualty/backpack.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <numeric>

#include "casualty/backpack_kit.h"
#include "shell/engine_setup.h"
#include "shell/events.h"
#include "shell/program_state.h"
#include "shell/random.h"
#include "shell/sound_table.h"
#include "shell/wide_text.h"

namespace kestrine {

namespace {

constexpr int32_t kNoFitClipCount = 4;

BackpackState backpackState;
KESTRINE_PROGRAM_STATE(backpackState);

// Moves a row to position 0 of the list order, the rows before it one place back.
void MoveToFrontOfList(int row) {
  int32_t(&order)[kToolCount] = backpackState.backpackListOrder;
  int position = 0;
  while (position < kToolCount && order[position] != row) ++position;
  // A row missing from the order (say, from a damaged save) takes the last place.
  if (position == kToolCount) position = kToolCount - 1;
  for (int i = position; i > 0; --i) order[i] = order[i - 1];
  order[0] = row;
}

void ListInTableOrder() {
  std::iota(std::begin(backpackState.backpackListOrder), std::end(backpackState.backpackListOrder), 0);
}

// The medic's remark when a tool does not fit; a remark still playing is not interrupted.
void PlayNoFitSpeech() {
  if (Sounds().noFitSound && Sounds().noFitSound->IsPlaying()) return;
  ReleaseNoFitSound();
  const int clip = rand() % kNoFitClipCount + 1;
  char path[64];
  std::snprintf(path, sizeof path, "sounds\\speech\\NoFit%d.qwv", clip);
  SetNoFitSound(Engine().engineRoot->LoadSound(WidenText(path), 0));
  Sounds().noFitSound->SetVolume(Sounds().effectsVolume);
  Sounds().noFitSound->Play(0, 1);
}

}  // namespace

// Before anything is added the list follows the table.
BackpackState::BackpackState() { std::iota(std::begin(backpackListOrder), std::end(backpackListOrder), 0); }

const BackpackState& PackState() { return backpackState; }
const Backpack& Pack() { return backpackState.backpack; }

float CapacityFactorForFigure(int32_t figure) {
  // A figure read from a save file outside the three figures gets the nearest one.
  const int32_t clamped = std::clamp(figure, 0, 2);
  return 1.0f - 0.1f * static_cast<float>(clamped);
}

void ApplyPlayerFigureLimits(int32_t figure) {
  backpackState.capacityFactor = CapacityFactorForFigure(figure);
  backpackState.backpack.maxWeight = kBaseMaxWeight * backpackState.capacityFactor;
  backpackState.backpack.maxVolume = kBaseMaxVolume * backpackState.capacityFactor;
}

void ResetBackpack() {
  if (!backpackState.keepBackpack) backpackState.backpack.Reset();
}

int32_t AddToBackpack(int row) {
  Backpack& pack = backpackState.backpack;
  if (!IsToolRow(row)) return pack.totalItems;
  if (pack.Fits(row)) {
    pack.AddTool(row);
  } else {
    PlayNoFitSpeech();
    backpackState.noFitShown = true;
    backpackState.noFitUntil = Clock().gameClock + kNoFitMessageMs;
  }
  MoveToFrontOfList(row);
  return pack.totalItems;
}

int32_t RemoveFromBackpack(int row) { return backpackState.backpack.RemoveTool(row); }

void ClearBackpack() { backpackState.backpack.Clear(); }

void CountBackpackKitTools(int woundRow) { backpackState.backpack.CountKitTools(woundRow); }

void FillStandardBackpack() {
  if (!backpackState.keepBackpack) {
    backpackState.backpack.FillStandardKit();
    ListInTableOrder();
  }
  backpackState.keepBackpack = true;
}

void StartPackingBackpack() {
  if (backpackState.keepBackpack) return;
  ListInTableOrder();
  std::fill(std::begin(backpackState.backpack.count), std::end(backpackState.backpack.count), 0);
}

void LoadStartingKit(int32_t difficultyLevel) {
  if (difficultyLevel < 2) {
    FillStandardBackpack();
    return;
  }
  int32_t(&count)[kToolCount] = backpackState.backpack.count;
  count[TOOL_ACTION] = 1;
  for (int i = 0; i < kToolCount; ++i)
    if (ToolTable[i].HasParent()) count[i] = 1;
}

void SetToolCount(int row, int32_t count) {
  if (IsToolRow(row)) backpackState.backpack.count[row] = count;
}

void TakeOneFromPack(int row) {
  if (!IsToolRow(row)) return;
  int32_t& count = backpackState.backpack.count[row];
  if (count > 0) --count;
}

void PutOneBackInPack(int row) {
  if (IsToolRow(row)) ++backpackState.backpack.count[row];
}

void RestoreBackpack(const Backpack& saved) { backpackState.backpack = saved; }

void KeepBackpack(bool keep) { backpackState.keepBackpack = keep; }

void HideNoFitMessage() { backpackState.noFitShown = false; }

void HideNoFitMessageAfter(int64_t now) {
  if (backpackState.noFitShown && backpackState.noFitUntil < now) backpackState.noFitShown = false;
}

void Backpack::Reset() {
  std::fill(std::begin(count), std::end(count), 0);
  weight = 0.0f;
  volume = 0.0f;
  totalItems = 0;
}

bool Backpack::Fits(int row) const {
  if (!IsToolRow(row)) return false;
  const ToolDef& tool = ToolTable[row];
  // The sums are taken in double, as the tools' values are held; reaching the limit exactly does not fit.
  return static_cast<double>(weight) + tool.weight < static_cast<double>(maxWeight) &&
         static_cast<double>(volume) + tool.volume < static_cast<double>(maxVolume);
}

int32_t Backpack::AddTool(int row) {
  if (!Fits(row)) return totalItems;
  const ToolDef& tool = ToolTable[row];
  if (tool.IsConsumable() || count[row] < 1) {
    count[row] = tool.IsConsumable() ? count[row] + 1 : 1;
    weight = static_cast<float>(weight + tool.weight);
    volume = static_cast<float>(volume + tool.volume);
    ++totalItems;
  }
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

}  // namespace kestrine
