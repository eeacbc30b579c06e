// Patient-location files from outside: any bytes give eight points, and a whole file is written back as it
// was read.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "battlefield/patient_locations.h"
#include "battlefield/spawn_map.h"

using namespace kestrine;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Vector3 locations[kPatientLocationCount];
  DecodePatientLocations(data, size, locations);
  const PatientLocationBytes written = EncodePatientLocations(locations);
  if (size >= kPatientLocationFileSize && std::memcmp(written.data(), data, written.size()) != 0) std::abort();
  // However many casualties a mission asks for, no more places than there are locations.
  for (int32_t count : {-1, 0, 3, 7, 100})
    if (SpawnCasualtyPlaces(locations, true, count).size() > static_cast<size_t>(count < 0 ? 0 : count) ||
        SpawnCasualtyPlaces(locations, true, count).size() > kPatientLocationCount)
      std::abort();
  return 0;
}
