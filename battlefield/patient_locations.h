// The places where a mission without a strategy file lays its casualties: 8 points (x, y, z floats, 96
// bytes) in "missions\mission<n>\patloc". A point whose x is 0.0 ends the list.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "shell/vector3.h"

namespace kestrine {

constexpr int kPatientLocationCount = 8;
constexpr size_t kPatientLocationFileSize = kPatientLocationCount * 12;

using PatientLocationBytes = std::array<uint8_t, kPatientLocationFileSize>;

struct PatientLocationState {
  Vector3 patientLocations[kPatientLocationCount];
  bool patientLocationsLoaded = false;
};
extern PatientLocationState patientLocationState;
extern Vector3 (&patientLocations)[kPatientLocationCount];
extern bool& patientLocationsLoaded;

// By the mission number itself, training missions included.
std::string PatientLocationFilePath(int32_t mission);

// Field by field onto `locations`; fields the bytes do not reach keep their values.
void DecodePatientLocations(const uint8_t* bytes, size_t size, Vector3 (&locations)[kPatientLocationCount]);
PatientLocationBytes EncodePatientLocations(const Vector3 (&locations)[kPatientLocationCount]);

// Reads the current mission's file onto patientLocations; false when it cannot be opened.
bool LoadPatientLocations();

}  // namespace kestrine
