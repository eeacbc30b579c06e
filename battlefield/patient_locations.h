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
// Written only in patient_locations.cpp, through the operations below; everyone else reads this view.
const PatientLocationState& PatientLocations();

// The locations of a mission no longer loaded are not used (the next load reads them again).
void ForgetPatientLocations();
// One location as a file would give it.
void SetPatientLocation(int32_t index, const Vector3& location);

// By the mission number itself, training missions included.
std::string PatientLocationFilePath(int32_t mission);

// Field by field onto `locations`; fields the bytes do not reach keep their values.
void DecodePatientLocations(const uint8_t* bytes, size_t size, Vector3 (&locations)[kPatientLocationCount]);
PatientLocationBytes EncodePatientLocations(const Vector3 (&locations)[kPatientLocationCount]);

// Reads the current mission's file onto patientLocations and notes whether it could; false when it cannot
// be opened.
bool LoadPatientLocations();

}  // namespace kestrine
