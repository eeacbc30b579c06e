#include "battlefield/patient_locations.h"

#include <algorithm>
#include <cstdio>

#include "battlefield/mission_bytes.h"
#include "shell/game_files.h"
#include "shell/mission_progress.h"
#include "shell/program_state.h"

namespace kestrine {

namespace {

PatientLocationState patientLocationState;
KESTRINE_PROGRAM_STATE(patientLocationState);

}  // namespace

const PatientLocationState& PatientLocations() { return patientLocationState; }

void ForgetPatientLocations() { patientLocationState.patientLocationsLoaded = false; }

void SetPatientLocation(int32_t index, const Vector3& location) {
  patientLocationState.patientLocations[index] = location;
}

std::string PatientLocationFilePath(int32_t mission) {
  char path[48];
  std::snprintf(path, sizeof path, "missions\\mission%d\\patloc", static_cast<int>(mission));
  return path;
}

void DecodePatientLocations(const uint8_t* bytes, size_t size, Vector3 (&locations)[kPatientLocationCount]) {
  MissionByteReader in(bytes, std::min(size, kPatientLocationFileSize));
  for (Vector3& p : locations) {
    in.ReadF32(p.x);
    in.ReadF32(p.y);
    in.ReadF32(p.z);
  }
}

PatientLocationBytes EncodePatientLocations(const Vector3 (&locations)[kPatientLocationCount]) {
  PatientLocationBytes bytes{};
  MissionByteWriter out(bytes.data(), bytes.size());
  for (const Vector3& p : locations) {
    out.WriteF32(p.x);
    out.WriteF32(p.y);
    out.WriteF32(p.z);
  }
  return bytes;
}

bool LoadPatientLocations() {
  PatientLocationBytes bytes{};
  size_t got = 0;
  if (ReadGameFile(PatientLocationFilePath(Campaign().missionNumber), bytes.data(), bytes.size(), got) !=
      GameFileRead::kRead) {
    patientLocationState.patientLocationsLoaded = false;
    return false;
  }
  DecodePatientLocations(bytes.data(), got, patientLocationState.patientLocations);
  patientLocationState.patientLocationsLoaded = true;
  return true;
}

}  // namespace kestrine
