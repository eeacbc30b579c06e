// A picture of the patient view with its size: loaded (waiting until it is), keyed on red or yellow.
#pragma once

#include <cstdint>
#include <string>

#include "engine/engine.h"

namespace kestrine {

struct PatientImage {
  engine::EngineRef<engine::EngineBitmap> image;
  int32_t width = 0;
  int32_t height = 0;
};

// Key modes: 0 red (255, 0, 0), 1 yellow (255, 255, 0).
enum PatientImageKey : int32_t { PATIENT_KEY_RED = 0, PATIENT_KEY_YELLOW = 1 };

void LoadPatientImage(PatientImage& holder, const std::wstring& path, int32_t keyMode);

}  // namespace kestrine
