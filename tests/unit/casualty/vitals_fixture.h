// What the vitals, hint and report tests share: the wound fixture plus a patient that also writes down his
// chart lines, blood pool rates and releases.
#pragma once

#include <string>
#include <vector>

#include "casualty/mission_score.h"
#include "wound_fixture.h"

namespace kestrine::testing {

class VitalsPatient : public RecordingPatient {
 public:
  explicit VitalsPatient(int* releaseCount = nullptr) : releaseCount_(releaseCount) {}

  void AddChartEntry(const char* text) override { chart.push_back(text); }
  void SetBloodPoolRate(float rate) override { poolRates.push_back(rate); }
  void ReleasePatient() override {
    if (releaseCount_ != nullptr) ++*releaseCount_;
  }

  std::vector<std::string> chart;
  std::vector<float> poolRates;

 private:
  int* releaseCount_;
};

// Puts the mission score and maximum at known values.
inline void SetMissionScores(int32_t score, int32_t maximum) {
  AddToMissionScore(score - MissionScore());
  AddToMissionMaximum(maximum - MissionMaximum());
}

}  // namespace kestrine::testing
