// What the vitals, hint and report tests share: the wound fixture plus a patient that also writes down his
// chart lines, and a body that counts its releases.
#pragma once

#include <string>
#include <vector>

#include "shell/mission_progress.h"
#include "wound_fixture.h"

namespace kestrine::testing {

class VitalsPatient : public RecordingPatient {
 public:
  explicit VitalsPatient(int* releaseCount = nullptr) { body.releaseCount = releaseCount; }

  void AddChartEntry(const char* text) override { chart.push_back(text); }

  std::vector<std::string> chart;
  std::vector<float>& poolRates = body.poolRates;
};

// Puts the mission score and maximum at known values.
inline void SetMissionScores(int32_t score, int32_t maximum) {
  missionProgress.missionScore = score;
  missionProgress.missionMaximum = maximum;
}

}  // namespace kestrine::testing
