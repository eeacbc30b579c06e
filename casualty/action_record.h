// One application of a tool to a patient, as the patient's history keeps it. Save games write the history
// and rebuild the patient by applying every record again in order.
#pragma once

#include <cstdint>

namespace kestrine {

constexpr int kActionRecordCapacity = 1000;

struct ActionRecord {
  int16_t tool = 0;
  int16_t part = 0;
  int32_t clockMs = 0;  // the patient's clock when the tool was applied
  int32_t stock = 0;    // the pack's count of the tool (or of its drawer or kit) before the application
};

}  // namespace kestrine
