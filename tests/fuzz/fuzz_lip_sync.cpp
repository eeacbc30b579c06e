// Lip-sync files from outside: the reader must stay inside the bytes it is given, keep no more records than
// whole records there are, and hand back only times a player can wait for and shapes a mouth can take.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "casualty/lip_sync.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const auto records = kestrine::ParseLipSync(bytes);
  if (records.size() > size / kestrine::kLipSyncRecordBytes) std::abort();
  for (const kestrine::LipSyncRecord& record : records) {
    if (record.timeMs < 0) std::abort();
    if (record.shape != kestrine::kNoMouthShape && (record.shape < 0 || record.shape >= kestrine::kMouthShapeCount))
      std::abort();
  }
  // Stopping early happens only at a negative time.
  const size_t next = records.size() * kestrine::kLipSyncRecordBytes;
  if (next + kestrine::kLipSyncRecordBytes <= size && (data[next + 3] & 0x80) == 0) std::abort();
  return 0;
}
