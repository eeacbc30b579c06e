// What the wound tests share: a fresh program state and headless engine for each test (the set-up traces to
// it), a patient that records what the wound set-up asks of the body, and one that also writes down his
// chart lines.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "casualty/injury_picker.h"
#include "casualty/patient.h"
#include "casualty/step_interpreter.h"
#include "casualty/wound_types.h"
#include "casualty_view/tool_drawer.h"
#include "core/engine_internals.h"
#include "engine/engine.h"
#include "shell/engine_setup.h"
#include "shell/mission_progress.h"
#include "shell/program_state.h"
#include "shell/random.h"
#include "shell/sound_table.h"

namespace kestrine::testing {

// A body that only writes down what it is asked to do.
class RecordingBody : public PatientBody {
 public:
  struct Paint {
    BodyLocation location;
    std::string texture;
  };

  void SetUpTextureState(int32_t row) override { calls.push_back("SetUpTextureState " + std::to_string(row)); }
  void LoadPatientTextures(int32_t row) override { calls.push_back("LoadPatientTextures " + std::to_string(row)); }
  void ReleaseTextureBitmaps() override { calls.push_back("ReleaseTextureBitmaps"); }
  bool IsSidedTextureLocation(BodyLocation location) override {
    // Limbs have a left and a right texture; the torso and head have one.
    return (RegionOf(location) &
            (LOC_HAND | LOC_ELBOW | LOC_UPPER_ARM | LOC_FOREARM | LOC_THIGH | LOC_CALF | LOC_KNEE | LOC_FOOT)) != 0;
  }
  void PaintWoundTexture(BodyLocation location, const char* texture) override { paints.push_back({location, texture}); }
  void ResetModelMaterials() override { calls.push_back("ResetModelMaterials"); }
  void CreateInjuryProps(int32_t row) override { calls.push_back("CreateInjuryProps " + std::to_string(row)); }
  void ReleaseInjuryProp() override { calls.push_back("ReleaseInjuryProp"); }
  void CreateBloodPools(int32_t row) override { calls.push_back("CreateBloodPools " + std::to_string(row)); }
  void MakeSpurtDrops() override { calls.push_back("MakeSpurtDrops"); }
  void ShowTreatmentVisual(const TreatmentVisual& visual) override { visuals.push_back(visual); }
  int32_t PlayAnimation(int32_t pose) override {
    animations.push_back(pose);
    return 1;
  }
  // The drawer is the view's, and the one the kit tests watch: shut it as the patient view's body does.
  void CloseToolDrawer() override { toolDrawer.Close(); }
  void SetBloodPoolRate(float rate) override { poolRates.push_back(rate); }
  void AddChartEntry(const char*) override {}
  void HideMagazines() override { calls.push_back("HideMagazines"); }
  void ReleasePatient() override {
    if (releaseCount != nullptr) ++*releaseCount;
  }

  std::vector<std::string> calls;
  std::vector<Paint> paints;
  std::vector<TreatmentVisual> visuals;
  std::vector<int32_t> animations;
  std::vector<float> poolRates;
  int* releaseCount = nullptr;  // counts releases past the patient's deletion
};

// A patient with a recording body; what the body was asked is read from the patient.
class RecordingPatient : public Patient {
 public:
  using Paint = RecordingBody::Paint;

  RecordingPatient() : Patient(std::make_unique<RecordingBody>()) {}

  RecordingBody& body = static_cast<RecordingBody&>(Body());
  std::vector<std::string>& calls = body.calls;
  std::vector<Paint>& paints = body.paints;
};

// A patient who also writes down his chart lines, with a body that counts its releases.
class VitalsPatient : public RecordingPatient {
 public:
  explicit VitalsPatient(int* releaseCount = nullptr) { body.releaseCount = releaseCount; }

  void AddChartEntry(const char* text) override { chart.push_back(text); }

  std::vector<std::string> chart;
  std::vector<float>& poolRates = body.poolRates;
};

// Puts the mission score and maximum at known values.
inline void SetMissionScores(int32_t score, int32_t maximum) { SetMissionScore(score, maximum); }

class WoundTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetProgramState();
    UseEngine(engine::CreateEngineRoot("headless"));
    engine::CoreOf(*Engine().engineRoot).SetTraceToStderr(false);
    srand(1);
  }
  void TearDown() override { ResetProgramState(); }

  // The first row of the table that a test accepts, or -1.
  template <typename Test>
  static int FindRow(Test test) {
    for (int row = 0; row < kWoundTypeCount; ++row) {
      if (test(WoundTypeTable[row])) return row;
    }
    return -1;
  }
};

// The active slot of a tool on a region and step side, or null.
inline const ActiveStep* FindSlot(const Patient& patient, int32_t tool, BodyLocation region, int32_t side) {
  for (const ActiveStep& slot : patient.activeSteps) {
    if (slot.tool == kEndOfList) break;
    if (slot.tool == tool && RegionOf(slot.location) == region && slot.side == side) return &slot;
  }
  return nullptr;
}

// The first step of a list with a tool on a region, or null.
inline const TreatmentStep* FindStep(const StepList* list, int32_t tool, BodyLocation region) {
  for (const TreatmentStep* step = list; !IsListEnd(step); ++step) {
    if (step->tool == tool && RegionOf(step->location) == region) return step;
  }
  return nullptr;
}

// What a right match in a current track does (the treatment rules' side of it): the step is applied with
// its points times the track's multiplier, and a track-0 match sets the other tracks' worth.
inline void ApplyCurrentTrackMatch(Patient& patient, int track, const TreatmentStep* step) {
  ApplyStep(patient, &patient.currentLists[track], step, step->next, step->extra,
            step->points * patient.multipliers[track], patient.multipliers, 0);
  if (track == 0) {
    patient.multipliers[1] = step->multiplier1;
    patient.multipliers[2] = step->multiplier2;
  }
}

}  // namespace kestrine::testing
