// What the tool-application tests share: a patient that writes down what treatment asks of his body, small
// step tables of the tests' own, a full pack, and silent tool sounds that tell whether they were started.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "casualty/backpack.h"
#include "casualty/patient.h"
#include "casualty/treatment_switches.h"
#include "casualty_view/tool_drawer.h"
#include "shell/engine_setup.h"
#include "shell/mission_progress.h"
#include "shell/sound_table.h"
#include "wound_fixture.h"

namespace kestrine::testing {

class TreatedPatient : public RecordingPatient {
 public:
  void ShowRemark(std::string_view text) override { remarks.emplace_back(text); }

  bool Showed(TreatmentVisualKind kind) const {
    return std::any_of(visuals.begin(), visuals.end(), [&](const TreatmentVisual& v) { return v.kind == kind; });
  }
  bool Animated(int32_t pose) const {
    return std::find(animations.begin(), animations.end(), pose) != animations.end();
  }
  std::string LastRemark() const { return remarks.empty() ? std::string() : remarks.back(); }
  std::string LastChart() const {
    return chartEntries.count > 0 ? std::string(chartEntries.entries[chartEntries.count - 1]) : std::string();
  }
  bool Queued(int32_t kind, std::string_view name) const {
    for (int i = 0; i < speechCount; ++i) {
      if (speechQueue[i].kind == kind && speechQueue[i].name == name) return true;
    }
    return false;
  }

  std::vector<TreatmentVisual>& visuals = body.visuals;
  std::vector<int32_t>& animations = body.animations;
  std::vector<std::string> remarks;
  std::vector<float>& poolRates = body.poolRates;
};

// Step lists built by a test: each list gets its terminator, and stays where it is while the test runs.
class StepTable {
 public:
  TreatmentStep* List(std::vector<TreatmentStep> steps) {
    steps.push_back(TreatmentStep{});
    lists_.push_back(std::move(steps));
    return lists_.back().data();
  }

 private:
  std::deque<std::vector<TreatmentStep>> lists_;
};

inline TreatmentStep Step(int32_t tool, BodyLocation location, int32_t points, uint32_t flags = 0,
                          const char* action = "step") {
  TreatmentStep step;
  step.tool = tool;
  step.location = location;
  step.points = points;
  step.flags = flags;
  step.action = action;
  return step;
}

constexpr int kToolSoundFirst = 56;
constexpr int kToolSoundLast = 67;
constexpr int32_t kFullStock = 5;

class ApplyToolTest : public WoundTest {
 protected:
  void SetUp() override {
    WoundTest::SetUp();
    for (int row = 0; row < kToolCount; ++row) SetToolCount(row, kFullStock);
    // Placeholder sounds: silent, but they say whether they were started and whether to loop.
    for (int slot = kToolSoundFirst; slot <= kToolSoundLast; ++slot) {
      SetSoundSlot(slot, Engine().engineRoot->LoadSound(L"sounds\\test\\none.qwv", 0));
    }
  }

  // A patient of the tests' own making: right side wounded, no findings, no tracks, no clothing.
  static void MakeBare(TreatedPatient& patient) {
    patient.activeSteps.assign(1, ActiveStep{});
    patient.side = 0;
    patient.sideBits = LOC_RIGHT;
    for (BodyLocation& mask : patient.clothingMasks) mask = 0;
  }

  static bool Playing(int slot) { return Sounds().soundTable[slot]->IsPlaying() != 0; }
  static bool Looping(int slot) { return Sounds().soundTable[slot]->Looping(); }
  static bool AnyToolSoundPlaying() {
    for (int slot = kToolSoundFirst; slot <= kToolSoundLast; ++slot) {
      if (Playing(slot)) return true;
    }
    return false;
  }

  StepTable table_;
};

}  // namespace kestrine::testing
